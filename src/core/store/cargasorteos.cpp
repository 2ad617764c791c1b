#include "core/store/cargasorteos.h"

#include "core/store/fechas.h"

#include <QSet>

namespace bolvera {

namespace {

const QString todos = QStringLiteral("Todos");

bool esDiaDeSorteo(QDate d)
{
    const QString nombre = fechas::diasemana(d);
    return nombre == u"Martes" || nombre == u"Viernes";
}

} // namespace

int cuentaSorteosJugados(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas)
{
    if (penas.empty())
        return 0;
    QSet<QString> diasJugados;
    for (const RegPena& p : penas)
        diasJugados.insert(p.diaRecortado());
    const bool juegaTodos = diasJugados.contains(todos);

    auto r = sorteos.begin();
    while (r != sorteos.end() && r->fecha < penas.front().creacion)
        ++r;
    int jugados = 0;
    for (; r != sorteos.end(); ++r)
        if (juegaTodos || diasJugados.contains(fechas::diasemana(r->fecha)))
            ++jugados;
    return jugados;
}

QDate proximoSorteo(QDate hoy, double ultimaFecha)
{
    QDate d = hoy;
    if (fechas::diaNumero(d) == ultimaFecha)
        d = d.addDays(1);
    while (!esDiaDeSorteo(d))
        d = d.addDays(1);
    return d;
}

QString avisoActualizacion(double ultimaFecha, QDate hoy)
{
    const QDate ultima = fechas::fechaDeDia(ultimaFecha);
    if (ultimaFecha == 0 || !ultima.isValid())
        return QStringLiteral("No se ha actualizado nunca");
    const qint64 dias = ultima.daysTo(hoy);
    if (dias <= 7)
        return {};
    if (dias < 16)
        return QStringLiteral("Falta 1 semana por actualizar");
    return QStringLiteral("Faltan %1 semanas por actualizar").arg(dias / 7);
}

EstadoSorteos estadoSorteos(const std::vector<RegSorteo>& sorteos,
                           const std::vector<RegPena>& penas, QDate hoy)
{
    EstadoSorteos e;
    e.sorteosjugados = cuentaSorteosJugados(sorteos, penas);
    e.proxsorteo = static_cast<int>(sorteos.size()) + 1;
    if (!sorteos.empty())
        e.sorteo = sorteos.back();
    e.penas = static_cast<int>(penas.size());
    e.proxpena = penas.empty() ? 0 : e.penas + 1;

    e.hayDatos = e.sorteo.fecha != 0;
    e.ultima = e.hayDatos ? fechas::fechalarga(e.sorteo.fecha)
                          : QStringLiteral("Fichero de datos vacío.");
    e.proximoSorteo = proximoSorteo(hoy, e.sorteo.fecha);
    e.proximo = fechas::fechalarga(e.proximoSorteo);
    e.aviso = avisoActualizacion(e.sorteo.fecha, hoy);
    return e;
}

} // namespace bolvera
