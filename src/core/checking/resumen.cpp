#include "checking/resumen.h"

#include "checking/cuentas.h"
#include "checking/euros.h"
#include "checking/formas.h"
#include "store/categorias.h"
#include "store/fechas.h"

#include <QStringList>

#include <map>

namespace bolvera {

namespace {

// "1-7-10-26-34 + 2 4": the first n numbers and s stars given.
QString combinacion(const std::int16_t* numeros, int n, const std::int16_t* estrellas, int s)
{
    QStringList a, b;
    for (int i = 0; i < n; ++i)
        a << QString::number(numeros[i]);
    for (int i = 0; i < s; ++i)
        b << QString::number(estrellas[i]);
    return a.join(u'-') + QStringLiteral(" + ") + b.join(u' ');
}

// "2 × 3+2, 1 × 2+1"
QString premiosTexto(const std::vector<int>& categorias)
{
    std::map<int, int> veces;
    for (int c : categorias)
        ++veces[c];
    QStringList partes;
    for (const auto& [c, n] : veces)
        partes << QStringLiteral("%1 × %2+%3").arg(n).arg(categorias::de(c).h).arg(categorias::de(c).k);
    return partes.join(QStringLiteral(", "));
}

} // namespace

QString resumenTexto(const RegPena& pena, const std::vector<RegSorteo>& sorteos,
                     const std::map<double, RegPremios>& premios, std::int64_t precioApuesta,
                     const std::vector<socios::Socio>& socios, double desde, double hasta)
{
    const auto f = formaValida(pena);
    if (!f)
        return QStringLiteral("La peña %1 está dañada.").arg(pena.nombreRecortado());
    const auto jugadas = cuentas::jugadas(pena, sorteos, premios, precioApuesta, desde, hasta);
    QStringList l;
    const QString inicio = jugadas.empty() ? fechas::fechacorta(desde) : fechas::fechacorta(jugadas.front().fecha);
    const QString fin = jugadas.empty() ? fechas::fechacorta(hasta) : fechas::fechacorta(jugadas.back().fecha);
    l << QStringLiteral("Peña %1").arg(pena.nombreRecortado());
    l << (jugadas.empty() ? QStringLiteral("Ningún sorteo jugado en el periodo.")
                          : QStringLiteral("Sorteos del %1 al %2: %3").arg(inicio, fin).arg(jugadas.size()));
    l << QString() << (f->apuestas == 1 ? QStringLiteral("Apuesta:") : QStringLiteral("Apuestas:"));
    for (int b = 0; b < f->apuestas; ++b)
        l << QStringLiteral("  ") + combinacion(pena.numeros[static_cast<std::size_t>(b)].data(), f->numeros,
                                                 pena.estrellas[static_cast<std::size_t>(b)].data(), f->estrellas);

    l << QString() << QStringLiteral("Sorteos:");
    std::size_t k = 0;
    for (const RegSorteo& s : sorteos) {
        if (k == jugadas.size())
            break;
        if (s.fecha != jugadas[k].fecha)
            continue;
        const cuentas::Jugada& j = jugadas[k++];
        QString linea = QStringLiteral("  ") + fechas::fechacorta(s.fecha) + QStringLiteral("  ") +
                        combinacion(s.num.data(), 5, s.num.data() + 5, 2);
        if (!j.categorias.empty()) {
            QStringList importe;
            if (!j.premios.empty()) {
                std::int64_t ganado = 0;
                for (std::int64_t p : j.premios)
                    ganado += p;
                importe << euros::texto(ganado);
            }
            if (j.sinImporte > 0)
                importe << euros::sinImporte(j.sinImporte);
            linea += QStringLiteral("  premios: ") + premiosTexto(j.categorias) + QStringLiteral(" (") +
                     importe.join(QStringLiteral(" y ")) + u')';
        }
        l << linea;
    }

    const cuentas::Cuentas c = cuentas::calcula(jugadas, socios, hasta);
    const bool retenido = c.pena.neto != c.pena.ganado;
    l << QString()
      << QStringLiteral("Total: apostado %1, ganado %2%3.")
             .arg(euros::texto(c.pena.apostado), euros::texto(c.pena.ganado),
                  retenido ? QStringLiteral(" (%1 tras la retención del 20 % sobre lo que pasa de 40.000 € por apuesta)")
                                 .arg(euros::texto(c.pena.neto))
                           : QString());
    if (c.sinImporte > 0)
        l << euros::sinImporte(c.sinImporte) + u'.';
    if (!socios.empty()) {
        l << QString() << QStringLiteral("Socios (participaciones, pagado, apostado, ganado, balance):");
        for (std::size_t i = 0; i < socios.size(); ++i) {
            const cuentas::Cuenta& s = c.socios[i];
            // Concatenated: a member's name may hold a '%'.
            l << QStringLiteral("  ") + socios[i].nombre + QStringLiteral(": ") +
                     QStringList{QString::number(socios[i].participaciones), euros::texto(s.pagado),
                                 euros::texto(s.apostado),
                                 euros::texto(s.ganado) +
                                     (retenido ? QStringLiteral(" (") + euros::texto(s.neto) + QStringLiteral(" neto)") : QString()),
                                 euros::texto(s.balance())}
                         .join(QStringLiteral(", "));
        }
    }
    return l.join(u'\n') + u'\n';
}

} // namespace bolvera
