#pragma once

#include <QByteArray>
#include <QString>

namespace bolvera {

// The saved pages www.txt and www2.txt: the document between double quotes,
// then CR LF, one character per byte.
namespace paginas {

QByteArray guardada(const QByteArray& documento);
// Replaces the saved page `nombre` (www.txt, www2.txt) of the data directory
// `ruta` with `documento`, whole or not at all; an error number (errores.h).
[[nodiscard]] int guarda(const QString& ruta, const QString& nombre, const QByteArray& documento);
// The saved page as the scanners read it; empty when it cannot be read.
QString lee(const QString& fichero);

} // namespace paginas

} // namespace bolvera
