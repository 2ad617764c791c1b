#pragma once

#include "checking/celdas.h"
#include "checking/pasadas.h"

#include <QString>

#include <memory>

namespace bolvera {

// One check as the main window runs it: both passes over the files of the
// data directory `ruta`, and the changed peñas written back.
struct Comprobacion
{
    std::shared_ptr<const Instantanea> datos; // what the rows point into
    Pasada sencillas;
    Pasada multiples;
    int error = 0; // of writing the counters back (errores.h)
};

Comprobacion comprueba(const QString& ruta, int n, const OpcionesPasada& opciones,
                       Parpadeo& parpadeo);

} // namespace bolvera
