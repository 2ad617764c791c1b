#pragma once

#include "core/store/regpena.h"

#include <QString>

namespace bolvera {

// Program-wide state shared by the windows; owned by main().
struct Estado
{
    QString ruta;        // data directory, with a trailing separator
    RegPena pena;        // the current peña
    int proxpena = 0;    // number of peñas + 1; 0 when there is none
    int proxsorteo = 1;  // number of draws + 1
    bool penanueva = false; // a peña was saved, and the main window has not rechecked
    int modoApuesta = 0; // bet shape chosen in the bet type menu

    QString fichero(const QString& nombre) const { return ruta + nombre; }
};

} // namespace bolvera
