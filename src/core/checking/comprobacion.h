#pragma once

#include "core/checking/celdas.h"
#include "core/checking/filascompactas.h"
#include "core/checking/pasadas.h"

#include <QString>

#include <initializer_list>
#include <memory>

namespace bolvera {

// One check as the main window runs it: both passes over the files of the
// data directory `ruta`, and the changed peñas written back.
struct Comprobacion
{
    std::shared_ptr<const Instantanea> datos; // what the rows point into
    Pasada sencillas; // the changed peñas; its rows are in `filasSencillas`
    Pasada multiples;
    FilasCompactas filasSencillas;
    FilasCompactas filasMultiples;
    int error = 0; // of writing the counters back (errores.h)
};

// The rows kept are those of the newest draws, whole, up to `filas` rows or
// just past them; `filasDe` makes the rest.
[[nodiscard]] Comprobacion comprueba(const QString& ruta, int n, const OpcionesPasada& opciones, Parpadeo& parpadeo,
                       std::size_t filas = static_cast<std::size_t>(-1));

// The rows of one list of a check of `datos` for `cuantos` draws, after the
// `saltados` newest, handed to `destino` as they are made. Nothing is
// counted: the rows do not depend on the counters.
void filasDe(Lista lista, const Instantanea& datos, int saltados, int cuantos, const OpcionesPasada& opciones,
             const DestinoFilas& destino);

// What a check reads from the data directory `ruta`.
Instantanea leeDatos(const QString& ruta);

// Whether a check of the n newest draws moves any counter, and so writes.
bool cambiaContadores(const Instantanea& datos, int n);

// Writes back the peñas the passes changed; an error number, 0 on success.
[[nodiscard]] int guardaContadores(const QString& ruta, const Instantanea& datos, std::initializer_list<const Pasada*> pasadas);

// Counts every draw the peñas have not counted yet (those just added, and
// any merged in below the newest) and writes the changed peñas back, with no
// rows: what follows every change to the history. An error number, 0 on
// success or when there is nothing to count.
[[nodiscard]] int cuentaPendientes(const QString& ruta);

} // namespace bolvera
