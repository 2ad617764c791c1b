#pragma once

#include "core/update/analiza.h"

#include <QDate>
#include <QString>

namespace bolvera {

// Reads the saved results page against the history in `ruta` and appends
// the new draws after the newest stored one, oldest first, all or none. A
// batch that breaks the rule for new draws (validacion.h) on `hoy` appends
// nothing and fails as an unreadable page does; so does a failed write.
Analisis anadeNuevos(const QString& ruta, const QString& pagina, const QString& rutasorteo, QDate hoy);

} // namespace bolvera
