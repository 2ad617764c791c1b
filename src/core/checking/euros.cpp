#include "core/checking/euros.h"

#include "core/checking/cuentas.h"

#include <algorithm>
#include <cstdlib>

namespace bolvera {

namespace euros {

QString texto(std::int64_t centimos)
{
    const bool negativo = centimos < 0;
    const std::int64_t total = std::llabs(centimos);
    QString enteros = QString::number(total / 100);
    for (qsizetype i = enteros.size() - 3; i > 0; i -= 3)
        enteros.insert(i, u'.');
    return (negativo ? QStringLiteral("-") : QString()) + enteros + u',' +
           QStringLiteral("%1").arg(total % 100, 2, 10, QChar(u'0')) + QStringLiteral(" €");
}

QString sinImporte(int premios)
{
    return premios == 1 ? QStringLiteral("1 premio sin importe conocido")
                        : QStringLiteral("%1 premios sin importe conocido").arg(premios);
}

QString decimal(std::int64_t centimos)
{
    const std::int64_t total = std::llabs(centimos);
    return (centimos < 0 ? QStringLiteral("-") : QString()) + QString::number(total / 100) + u'.' +
           QStringLiteral("%1").arg(total % 100, 2, 10, QChar(u'0'));
}

Balance balance(const RegPena& pena, const std::vector<RegSorteo>& sorteos,
                const std::map<double, RegPremios>& premios, std::int64_t precioApuesta)
{
    Balance b;
    for (const cuentas::Jugada& j : cuentas::jugadas(pena, sorteos, premios, precioApuesta)) {
        b.jugado += j.apostado;
        b.sinImporte += j.sinImporte;
        for (std::int64_t p : j.premios)
            b.ganado += p;
    }
    return b;
}

} // namespace euros

} // namespace bolvera
