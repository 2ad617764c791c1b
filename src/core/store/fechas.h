#pragma once

#include <QDate>
#include <QString>

namespace bolvera {

// Dates are stored as day numbers: days since 30 December 1899, 0 = no date.
// The program speaks Spanish whatever the system locale.
namespace fechas {

double diaNumero(QDate fecha);
// Invalid QDate for a number that names no date (NaN, infinite, out of range).
QDate fechaDeDia(double dia);

// "Domingo" … "Sábado"; empty when no weekday can be computed.
QString diasemana(double dia);
QString diasemana(QDate fecha);

// "Lunes, 7 de diciembre del 2026"; empty for a number that names no date.
QString fechalarga(double dia);
QString fechalarga(QDate fecha);

// "07/12/2026"; empty for a number that names no date.
QString fechacorta(double dia);
QString fechacorta(QDate fecha);

} // namespace fechas

} // namespace bolvera
