#pragma once

#include "core/update/fuentes.h"

#include <QByteArray>
#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace bolvera {

// What the readers of fuentes.h share: text, CSV rows, columns by name.
namespace fuentes::csv {

// The text of a file: UTF-8 with or without a byte-order mark, else Latin-1
// when `latin1` allows it. Empty, binary, UTF-16 or (without `latin1`)
// invalid UTF-8 text is refused with `motivo`.
std::optional<QString> texto(const QByteArray& bytes, bool latin1, QString& motivo);

struct Fila
{
    int linea = 0;      // where the row starts, from 1
    QStringList campos; // trimmed, quotes removed
};

// A header line and the rows under it; rows with only empty fields are gone.
struct Tabla
{
    QString texto; // what the fields without quotes point into
    QStringList cabecera;
    std::vector<Fila> filas;

    // The column named `nombre` (case and blanks around it do not matter); -1
    // when none.
    int columna(const QString& nombre) const;
    // The first column whose name `patron` matches (anchored by the caller,
    // so that it is compiled once); -1 when none.
    int columna(const QRegularExpression& patron) const;
};

// Every row of `texto`: `separador` between fields, which may be quoted with
// `"` (a quoted field holds separators, line ends and `""`). Refused when a
// quote is never closed or the text is a web page. A field without quotes
// shares `texto`'s memory (QString::fromRawData): `texto` must outlive the
// rows, and a Tabla keeps its own.
std::optional<std::vector<Fila>> filas(const QString& texto, QChar separador, QString& motivo);
std::optional<std::vector<Fila>> filas(QString&& texto, QChar separador, QString& motivo) = delete;
// The first row as the header, the rest as data.
std::optional<Tabla> tabla(const QByteArray& bytes, QChar separador, bool latin1, QString& motivo);

// The columns named `nombres`, in that order; empty (with `motivo`) when one
// is missing.
std::vector<int> columnas(const Tabla& t, const QStringList& nombres, QString& motivo);

// A number or star as written (0–99); empty when it is not one.
std::optional<int> bola(const QString& texto);
// Five numbers and two stars, sorted; empty when one is not readable.
std::optional<RegSorteo> sorteo(QDate fecha, const QStringList& siete);
// Day, month and year of a calendar date; invalid for anything else.
QDate fecha(const QString& dia, const QString& mes, const QString& anio);

// The program's category index (1–13) of the operators' rank `rango` (1–13,
// in their order); 0 for any other rank.
int indiceDeRango(int rango);

// "línea 12: fecha no válida"
QString enLinea(const Fila& f, const QString& que);
Lectura noDisponible(const QString& motivo);
// The draws oldest first, an identical repeated draw once; two different
// draws on one date make the source unavailable.
Lectura cierra(std::vector<SorteoFuente> sorteos);

} // namespace fuentes::csv

} // namespace bolvera
