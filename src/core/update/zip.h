#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace bolvera {

// Downloaded ZIP archives, read in memory and never trusted: what a member
// claims about its own size is not believed.
namespace zip {

struct Miembro
{
    QString nombre;
    QByteArray datos;
};

// The one file `archivo` holds (folders aside), inflated. Refused with
// `motivo` when the archive is damaged or encrypted, holds no file or more
// than one, or its file inflates past `tope` bytes.
std::optional<Miembro> unico(const QByteArray& archivo, qsizetype tope, QString& motivo);

} // namespace zip

} // namespace bolvera
