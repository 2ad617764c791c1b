#pragma once

#include <QByteArray>
#include <QString>

namespace bolvera {

// Replaces the whole content of a file: the new content is written completely
// to a temporary file beside it, flushed to disk, then renamed over the old
// one. A crash at any moment leaves either the old or the new file.
// Returns an error number (errores.h), 0 on success; a file or folder that
// cannot be written is error 75.
[[nodiscard]] int reescribe(const QString& ruta, const QByteArray& contenido);

// The refusals of `reescribe` that need no writing: a missing folder, a
// folder or a read-only file where the file should be. 0 when it may go on.
[[nodiscard]] int reescribible(const QString& ruta);

// The name of the temporary copies: "numeros.dat.bolvera-Ab12Cd". Nobody else
// uses it, so a copy left by a killed rewrite can be deleted safely.
QString plantillaTemporal(const QString& ruta);

} // namespace bolvera
