#pragma once

#include <QIcon>
#include <QPixmap>

namespace bolvera {

// Artwork drawn by the program itself.
namespace iconos {

// The icon row's pictures, left to right.
enum class Fila
{
    EliminarPena,
    CrearPena,
    BorrarSorteos,
    Imprimir,
    AnadirSorteos,
};
QIcon fila(Fila icono);

// The update button: picture 1 (raised, pointer over it) and 2 (normal, pressed).
QPixmap actualizar(int imagen);

} // namespace iconos

} // namespace bolvera
