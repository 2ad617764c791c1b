#pragma once

#include "core/store/regsorteo.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace bolvera {

// The draw list and the frequency tables of the statistics tab.
namespace listado {

// A table of the chart: one label and one count per row; a count stays empty
// until some draw adds to it.
struct Tabla
{
    std::vector<QString> etiquetas;
    std::vector<std::optional<int>> cuentas;
};

struct Resultado
{
    bool valido = true; // false: a number outside 1–50, a star outside 1–12, a
                        // date that cannot be a draw's (not a whole day from the
                        // first draw on), dates not in ascending order, or more
                        // draws than a history holds
    int total = 0;
    QString totalTexto; // "TOTAL: N sorteos."
    Tabla tablanum1;    // numbers 1–25
    Tabla tablanum2;    // numbers 26–50
    Tabla tablaest;     // stars 1–12
};

Resultado calcula(const std::vector<RegSorteo>& sorteos);

// The three columns of a draw's row: " 3-14-25-40-47", "2 11", "07/12/2026  Lunes".
QString textoNumeros(const RegSorteo& s);
QString textoEstrellas(const RegSorteo& s);
QString textoFecha(const RegSorteo& s);

// Whether every number is 1–50, every star 1–12 and the date a whole day
// from the first draw on.
bool enRango(const RegSorteo& s);

} // namespace listado

} // namespace bolvera
