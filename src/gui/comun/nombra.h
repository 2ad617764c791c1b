#pragma once

#include <QString>

namespace bolvera {

// Gives a control its name: the name the program's routines know it by.
template <typename W>
W* nombra(W* w, const QString& nombre)
{
    w->setObjectName(nombre);
    return w;
}

} // namespace bolvera
