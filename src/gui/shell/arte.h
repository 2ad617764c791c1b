#pragma once

#include <QRect>
#include <QString>

class QPainter;

// The program's own artwork: the cover of the splash and the About window.
namespace arte {

void pintaPortada(QPainter& p, const QRect& area, const QString& version);

} // namespace arte
