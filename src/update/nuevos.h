#pragma once

#include "update/analiza.h"

#include <QString>

// Reads the saved results page against the history in `ruta` and appends
// the new draws after the newest stored one, oldest first, all or none. A
// failed write makes the run fail as an unreadable page would.
Analisis anadeNuevos(const QString& ruta, const QString& pagina, const QString& rutasorteo,
                     bool errorConexion);
