#pragma once

#include "core/store/regsorteo.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace bolvera {

// The maintenance of the draw history and the peña counters. Every rewrite is
// atomic: a failure leaves the file as it was. Each returns an error number
// (errores.h), 0 on success.
namespace historia {

// A damaged numeros.dat is kept as numeros.err (replacing an older one)
// before numeros.dat is emptied; nothing is emptied if the copy fails.
[[nodiscard]] int guardaDanadoYVacia(const QString& ruta);

// Deletes draw record k (from 1).
[[nodiscard]] int borraSorteo(const QString& ruta, int k);

// Empties numeros.dat, after keeping the history it held as numeros.bak
// (an empty history leaves an older numeros.bak alone).
[[nodiscard]] int vacia(const QString& ruta);

// Every peña starts counting again from `hoy`: counters and `contado` 0.
[[nodiscard]] int reseteaPenas(const QString& ruta, QDate hoy);

enum class Veredicto
{
    Importado,
    Rechazado, // not a draw file: nothing changed
    Error,     // a step failed: see `error`; numeros.dat unchanged
};

struct Importacion
{
    Veredicto veredicto = Veredicto::Error;
    int error = 0;
};

// Replaces numeros.dat by `elegido` when it holds draws (its first record is a
// Tuesday or Friday after 31 December 1899, and every whole record holds
// numbers 1–50 and stars 1–12), after keeping the current one as numeros.bak.
[[nodiscard]] Importacion importa(const QString& ruta, const QString& elegido);

// Merging draws into the history.
struct Fusion
{
    int error = 0;                   // of the rewrite (errores.h)
    std::optional<QString> rechazo;  // why the batch was refused: nothing changed
    int insertados = 0;
    int iguales = 0;                 // already stored, skipped
    int total = 0;                   // draws in the history afterwards
};

// Merges `lote` into numeros.dat in date order, in one atomic rewrite: a draw
// whose date is not stored is inserted, one equal to the stored draw of that
// date is skipped, one that differs from it refuses the whole batch, as does
// a draw that breaks the rule for draws (validacion.h) or comes after `hoy`.
// `lineas` (the source's line of each draw) prefix the reason when given.
// With `copia`, the history as it was is kept as numeros.bak first. Draws of
// `otrosDias` were held on another day, and the user took them.
[[nodiscard]] Fusion fusiona(const QString& ruta, const std::vector<RegSorteo>& lote, QDate hoy, bool copia,
                             const std::vector<int>& lineas = {}, const std::vector<double>& otrosDias = {});

// Why a draw typed by the user cannot be added on `hoy`: its date is stored
// already, it is after today, or it breaks the rule for draws (its day too,
// unless `otroDia`). Empty when it can.
std::optional<QString> motivoParaAnadir(const QString& ruta, const RegSorteo& sorteo, QDate hoy, bool otroDia = false);

// The draw dates missing between the oldest and the newest stored draw.
std::vector<QDate> huecos(const std::vector<RegSorteo>& sorteos);

// Writes numeros.dat from the history the program ships when the data
// directory has none; an existing file, even an empty one, is left alone.
[[nodiscard]] int preparaInicial(const QString& ruta);

} // namespace historia

} // namespace bolvera
