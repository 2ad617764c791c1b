#include "core/update/notificacion.h"

#include "core/checking/cuentas.h"
#include "core/checking/euros.h"
#include "core/store/categorias.h"
#include "core/store/fechas.h"

#include <QStringList>

#include <numeric>

namespace bolvera {

namespace {

// "Viernes 11/12/2026: 1 7 15 39 50 + 1 11"
QString lineaSorteo(const RegSorteo& s)
{
    QStringList numeros, estrellas;
    for (int i = 0; i < 5; ++i)
        numeros << QString::number(s.num[static_cast<std::size_t>(i)]);
    for (int i = 5; i < 7; ++i)
        estrellas << QString::number(s.num[static_cast<std::size_t>(i)]);
    return fechas::diasemana(s.fecha) + u' ' + fechas::fechacorta(s.fecha) + QStringLiteral(": ") +
           numeros.join(u' ') + QStringLiteral(" + ") + estrellas.join(u' ');
}

} // namespace

Notificacion notificacionDe(const std::vector<RegSorteo>& sorteos, std::size_t nuevos, const std::vector<RegPena>& penas,
              const std::map<double, RegPremios>& premios, std::int64_t precioApuesta)
{
    Notificacion a;
    nuevos = std::min(nuevos, sorteos.size());
    if (nuevos == 0)
        return a;
    const auto primero = sorteos.end() - static_cast<std::ptrdiff_t>(nuevos);
    QStringList lineas;
    for (auto s = primero; s != sorteos.end(); ++s)
        lineas << lineaSorteo(*s);

    for (const RegPena& p : penas) {
        std::map<int, int> veces;
        std::int64_t euros = 0;
        int sinImporte = 0;
        for (const cuentas::Jugada& j : cuentas::jugadas(p, sorteos, premios, precioApuesta, primero->fecha)) {
            for (int c : j.categorias)
                ++veces[c];
            euros += std::accumulate(j.premios.begin(), j.premios.end(), std::int64_t{0});
            sinImporte += j.sinImporte;
        }
        if (veces.empty())
            continue;
        // The best category first.
        QStringList categorias;
        for (const auto& [c, n] : veces) {
            const QString nombre = QStringLiteral("%1+%2").arg(categorias::de(c).h).arg(categorias::de(c).k);
            categorias << (n == 1 ? nombre : QStringLiteral("%1 × %2").arg(n).arg(nombre));
        }
        QStringList importe;
        if (euros > 0 || sinImporte == 0)
            importe << euros::texto(euros);
        if (sinImporte > 0)
            importe << euros::sinImporte(sinImporte);
        lineas << p.nombreRecortado() + QStringLiteral(": ") + categorias.join(QStringLiteral(", ")) +
                      QStringLiteral(" — ") + importe.join(QStringLiteral(" y "));
        a.premio = true;
    }
    const QString sorteosNuevos = nuevos == 1 ? QStringLiteral("1 sorteo nuevo") : QStringLiteral("%1 sorteos nuevos").arg(nuevos);
    a.titulo = a.premio ? QStringLiteral("¡Premio en Euromillones! (%1)").arg(sorteosNuevos)
                        : QStringLiteral("Sin premio (%1)").arg(sorteosNuevos);
    a.cuerpo = lineas.join(u'\n');
    return a;
}

} // namespace bolvera
