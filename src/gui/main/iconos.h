#pragma once

#include <QIcon>
#include <QPixmap>

namespace bolvera {

// Artwork drawn by the program itself.
namespace iconos {

// The icon row: 0 delete peña, 1 new peña, 2 delete draws, 3 print, 4 import draws.
QIcon imagen1(int indice);

// The update button: picture 1 (raised, pointer over it) and 2 (normal, pressed).
QPixmap actualizar(int imagen);

} // namespace iconos

} // namespace bolvera
