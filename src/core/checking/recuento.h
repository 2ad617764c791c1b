#pragma once

#include "core/store/regpena.h"

#include <QString>

#include <optional>
#include <vector>

namespace bolvera {

// Counting the prizes of the peñas again, for draws that entered the history
// below what a peña had already counted and so were never added.
struct Recuento
{
    int error = 0;                   // of reading the files or writing them back (errores.h)
    std::optional<QString> rechazo;  // why nothing was recounted
    std::vector<RegPena> recontadas; // the peñas as written, in file order
};

// Counts the prizes of peña r (from 1), or of every peña without r, again
// from its creation over the whole stored history: counters from zero, every
// draw on or after the creation and on its days once, `contado` the newest
// draw. The peña file as it was is kept as apuestas.bak first, then
// apuestas.dat is rewritten at once. An empty or damaged history, or no peña
// r, recounts nothing.
[[nodiscard]] Recuento recuenta(const QString& ruta, std::optional<int> r = std::nullopt);

} // namespace bolvera
