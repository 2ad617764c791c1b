#include "core/store/fechas.h"

#include <array>
#include <cmath>

namespace bolvera {

namespace fechas {
namespace {

// 30 December 1899; constant-initialised, so usable from other static initialisers.
constexpr QDate origen = QDate::fromJulianDay(2415019);

// The range the stored dates may take: years 100 to 9999.
constexpr double primerDia = -657434.0;
constexpr double ultimoDia = 2958465.0;

const std::array<QString, 7>& nombresDia()
{
    static const std::array<QString, 7> nombres = {
    QStringLiteral("Domingo"), QStringLiteral("Lunes"),   QStringLiteral("Martes"),
    QStringLiteral("Miércoles"), QStringLiteral("Jueves"), QStringLiteral("Viernes"),
    QStringLiteral("Sábado")};
    return nombres;
}

const std::array<QString, 12>& nombresMes()
{
    static const std::array<QString, 12> nombres = {
    QStringLiteral("enero"),      QStringLiteral("febrero"), QStringLiteral("marzo"),
    QStringLiteral("abril"),      QStringLiteral("mayo"),    QStringLiteral("junio"),
    QStringLiteral("julio"),      QStringLiteral("agosto"),  QStringLiteral("septiembre"),
    QStringLiteral("octubre"),    QStringLiteral("noviembre"), QStringLiteral("diciembre")};
    return nombres;
}

} // namespace

double diaNumero(QDate fecha)
{
    return fecha.isValid() ? static_cast<double>(origen.daysTo(fecha)) : 0.0;
}

QDate fechaDeDia(double dia)
{
    if (!std::isfinite(dia) || dia < primerDia || dia > ultimoDia)
        return {};
    // The fraction is the time of day; the whole part alone names the day.
    return origen.addDays(static_cast<qint64>(std::trunc(dia)));
}

QString diasemana(QDate fecha)
{
    // QDate counts Monday = 1 … Sunday = 7.
    return fecha.isValid() ? nombresDia()[fecha.dayOfWeek() % 7] : QString();
}

QString diasemana(double dia) { return diasemana(fechaDeDia(dia)); }

QString fechalarga(QDate fecha)
{
    if (!fecha.isValid())
        return {};
    return QStringLiteral("%1, %2 de %3 del %4")
        .arg(diasemana(fecha))
        .arg(fecha.day())
        .arg(nombresMes()[fecha.month() - 1])
        .arg(fecha.year());
}

QString fechalarga(double dia) { return fechalarga(fechaDeDia(dia)); }

QString fechacorta(QDate fecha)
{
    return fecha.isValid() ? fecha.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString fechacorta(double dia) { return fechacorta(fechaDeDia(dia)); }

} // namespace fechas

} // namespace bolvera
