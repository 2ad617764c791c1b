#pragma once

#include <QString>

// Gives a control its name: the name the program's routines know it by.
template <typename W>
W* nombra(W* w, const QString& nombre)
{
    w->setObjectName(nombre);
    return w;
}
