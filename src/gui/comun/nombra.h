#pragma once

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QString>

#include <type_traits>

namespace bolvera {

// Gives a control its name: the name the program's routines know it by.
template <typename W>
W* nombra(W* w, const QString& nombre)
{
    w->setObjectName(nombre);
    return w;
}

// What a screen reader says of a control: its name, and what it does when the
// name alone does not tell. A list's scroll bars are named after it.
template <typename W>
W* dice(W* w, const QString& nombre, const QString& descripcion = {})
{
    w->setAccessibleName(nombre);
    if (!descripcion.isEmpty())
        w->setAccessibleDescription(descripcion);
    if constexpr (std::is_base_of_v<QAbstractScrollArea, W>) {
        w->verticalScrollBar()->setAccessibleName(nombre + QStringLiteral(": desplazamiento vertical"));
        w->horizontalScrollBar()->setAccessibleName(nombre + QStringLiteral(": desplazamiento horizontal"));
    }
    return w;
}

} // namespace bolvera
