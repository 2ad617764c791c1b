#include "core/checking/resumen.h"

#include "core/checking/cuentas.h"
#include "core/checking/euros.h"
#include "core/checking/formas.h"
#include "core/store/categorias.h"
#include "core/store/fechas.h"

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

Resumen resumen(const RegPena& pena, const std::vector<RegSorteo>& sorteos,
                const std::map<double, RegPremios>& premios, std::int64_t precioApuesta,
                const std::vector<socios::Socio>& socios, double desde, double hasta)
{
    Resumen r;
    r.pena = pena.nombreRecortado();
    const auto f = formaValida(pena);
    if (!f) {
        r.error = QStringLiteral("La peña %1 está dañada.").arg(r.pena);
        return r;
    }
    const auto jugadas = cuentas::jugadas(pena, sorteos, premios, precioApuesta, desde, hasta);
    r.periodo = jugadas.empty() ? QStringLiteral("Ningún sorteo jugado en el periodo.")
                                : QStringLiteral("Sorteos del %1 al %2: %3")
                                      .arg(fechas::fechacorta(jugadas.front().fecha),
                                           fechas::fechacorta(jugadas.back().fecha))
                                      .arg(jugadas.size());
    for (int b = 0; b < f->apuestas; ++b)
        r.apuestas << combinacion(pena.numeros[static_cast<std::size_t>(b)].data(), f->numeros,
                                  pena.estrellas[static_cast<std::size_t>(b)].data(), f->estrellas);

    std::size_t k = 0;
    for (const RegSorteo& s : sorteos) {
        if (k == jugadas.size())
            break;
        if (s.fecha != jugadas[k].fecha)
            continue;
        const cuentas::Jugada& j = jugadas[k++];
        Resumen::Sorteo fila{fechas::fechacorta(s.fecha), combinacion(s.num.data(), 5, s.num.data() + 5, 2), {}, {}};
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
            fila.premios = premiosTexto(j.categorias);
            fila.importe = importe.join(QStringLiteral(" y "));
        }
        r.sorteos.push_back(std::move(fila));
    }

    // A period from the peña's start also counts what was paid before its first draw.
    const cuentas::Cuentas c = cuentas::calcula(jugadas, socios, desde <= pena.creacion ? 0 : desde, hasta);
    r.retenido = c.pena.neto != c.pena.ganado;
    r.total = QStringLiteral("Total: apostado %1, ganado %2%3.")
                  .arg(euros::texto(c.pena.apostado), euros::texto(c.pena.ganado),
                       r.retenido ? QStringLiteral(" (%1 tras la retención del 20 % sobre lo que pasa de 40.000 € por apuesta)")
                                        .arg(euros::texto(c.pena.neto))
                                  : QString());
    if (c.sinImporte > 0)
        r.sinImporte = euros::sinImporte(c.sinImporte) + u'.';
    const auto fila = [](const QString& nombre, int participaciones, const cuentas::Cuenta& k) {
        return Resumen::Fila{nombre, QString::number(participaciones), euros::texto(k.pagado), euros::texto(k.apostado),
                             euros::texto(k.ganado), euros::texto(k.neto), euros::texto(k.balance())};
    };
    int todas = 0;
    for (std::size_t i = 0; i < socios.size(); ++i) {
        r.socios.push_back(fila(socios[i].nombre, socios[i].participaciones, c.socios[i]));
        todas += socios[i].participaciones;
    }
    r.totales = fila(QStringLiteral("Total"), todas, c.pena);
    return r;
}

QString resumenTexto(const Resumen& r)
{
    if (r.error)
        return *r.error + u'\n';
    QStringList l;
    l << QStringLiteral("Peña %1").arg(r.pena) << r.periodo;
    l << QString() << (r.apuestas.size() == 1 ? QStringLiteral("Apuesta:") : QStringLiteral("Apuestas:"));
    for (const QString& a : r.apuestas)
        l << QStringLiteral("  ") + a;
    l << QString() << QStringLiteral("Sorteos:");
    for (const Resumen::Sorteo& s : r.sorteos)
        l << QStringLiteral("  ") + s.fecha + QStringLiteral("  ") + s.combinacion +
                 (s.premios.isEmpty() ? QString()
                                      : QStringLiteral("  premios: ") + s.premios + QStringLiteral(" (") + s.importe + u')');
    l << QString() << r.total;
    if (!r.sinImporte.isEmpty())
        l << r.sinImporte;
    if (!r.socios.empty()) {
        l << QString() << QStringLiteral("Socios (participaciones; pagado; apostado; ganado; balance):");
        // Concatenated: a member's name may hold a '%'.
        for (const Resumen::Fila& s : r.socios)
            l << QStringLiteral("  ") + s.nombre + QStringLiteral(": ") +
                     QStringList{s.participaciones, s.pagado, s.apostado,
                                 s.ganado + (r.retenido ? QStringLiteral(" (") + s.neto + QStringLiteral(" neto)") : QString()),
                                 s.balance}
                         .join(QStringLiteral("; ")); // the amounts' own decimal commas stay unambiguous
    }
    return l.join(u'\n') + u'\n';
}

} // namespace bolvera
