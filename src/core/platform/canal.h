#pragma once

#include <QString>

namespace bolvera {

// The local channel of the window that holds the data folder `ruta`: a
// second start brings it up, and the scheduled update asks it to update.
QString canalVentana(const QString& ruta);

} // namespace bolvera
