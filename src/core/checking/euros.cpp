#include "checking/euros.h"

#include "store/categorias.h"
#include "checking/desglose.h"
#include "checking/formas.h"
#include "checking/pasadas.h"

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
    const auto f = formaValida(pena);
    if (!f)
        return b;
    const std::int64_t apuestas = f->multiple ? cuantos(pena.tipo) : f->apuestas;
    for (const RegSorteo& s : sorteos) {
        if (s.fecha < pena.creacion || s.fecha > pena.contado || !juega(pena, s.fecha))
            continue;
        b.jugado += apuestas * precioApuesta;
        const auto conocidos = premios.find(s.fecha);
        const auto suma = [&](int categoria, int veces) {
            if (categoria == 0 || veces == 0)
                return;
            const std::int64_t c = conocidos == premios.end() ? -1 : conocidos->second.centimos[static_cast<std::size_t>(categoria - 1)];
            if (c < 0)
                b.sinImporte += veces;
            else
                b.ganado += c * veces;
        };
        for (int a = 0; a < f->apuestas; ++a) {
            const auto& numeros = pena.numeros[static_cast<std::size_t>(a)];
            const auto& estrellas = pena.estrellas[static_cast<std::size_t>(a)];
            const int h = aciertosNumeros(numeros.data(), f->numeros, s);
            const int k = aciertosEstrellas(estrellas.data(), f->estrellas, s);
            if (!f->multiple) {
                suma(categorias::clasifica(h, k), 1);
                continue;
            }
            const Desglose d = desglose(f->numeros, f->estrellas, h, k);
            for (int c = 1; c <= categorias::total; ++c)
                suma(c, d[static_cast<std::size_t>(c)]);
        }
    }
    return b;
}

} // namespace euros

} // namespace bolvera
