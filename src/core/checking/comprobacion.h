#pragma once

#include "checking/celdas.h"
#include "checking/filascompactas.h"
#include "checking/pasadas.h"

#include <QString>

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

Comprobacion comprueba(const QString& ruta, int n, const OpcionesPasada& opciones,
                       Parpadeo& parpadeo);

// The rows of one list of that check, made again from what it read and
// handed to `destino` as they are made; nothing is counted or written. The
// rows do not depend on the counters, so they come out the same.
void filasDe(Lista lista, const Instantanea& datos, int n, const OpcionesPasada& opciones,
             const DestinoFilas& destino);

} // namespace bolvera
