#pragma once

#include "core/store/regsorteo.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace bolvera {

// Draws as comma-separated text: "date,n1,n2,n3,n4,n5,s1,s2".
namespace csvsorteos {

struct Lectura
{
    std::vector<RegSorteo> sorteos; // in the file's order, numbers and stars sorted
    std::vector<int> lineas;        // the line of each draw, from 1
    std::optional<QString> error;   // "Línea 12: …": the first line that is not a draw
    bool cabecera = false;          // the first line named the columns
};

// Reads a CSV of draws: header optional; separators ",", ";" or tab; dates
// AAAA-MM-DD or DD/MM/AAAA; numbers and stars in any order. Every row must be
// a valid draw (validacion.h); blank lines are skipped. With `otroDia`, a
// draw on another day than Tuesday or Friday is one too.
Lectura lee(const QByteArray& texto, bool otroDia = false);

// The dates of the draws of `sorteos` held on another day than Tuesday or
// Friday: what a merge is told the user took.
std::vector<double> otrosDias(const std::vector<RegSorteo>& sorteos);

// A draw as the user types it: a date (AAAA-MM-DD or DD/MM/AAAA) and
// "n1 n2 n3 n4 n5 + e1 e2", numbers and stars sorted; empty when the text is
// not of that shape (whether it is a valid draw is judged by validacion.h).
std::optional<RegSorteo> escrito(const QString& fecha, const QString& combinacion);

// The header and one row per draw, ISO dates, in the order given.
QByteArray escribe(const std::vector<RegSorteo>& sorteos);

} // namespace csvsorteos

} // namespace bolvera
