#pragma once

#include <QString>

namespace bolvera {

class Dialogos;

// The message for a rewrite refused for lack of rights.
void errorpermiso(Dialogos& dialogos);

// The message for a failed write of `fichero`: the permission message, a full
// disk or a folder in the file's place each in its own words, anything else
// as `mensaje` with the error number. Nothing for error 0; returns whether
// there was an error.
bool errorEscritura(Dialogos& dialogos, int error, const QString& fichero, const QString& mensaje);

} // namespace bolvera
