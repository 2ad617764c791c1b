#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace bolvera {

// The program's own artwork: the cover of the splash and the About window.
namespace arte {

void pintaPortada(QPainter& p, const QRect& area, const QString& version);

} // namespace arte

} // namespace bolvera
