#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

namespace bolvera::contraste {

// The contrast of two colours as the accessibility guidelines measure it
// (1 to 21; text wants 4.5).
double entre(const QColor& a, const QColor& b);

// A background white text reads better on than black.
bool oscuro(const QColor& fondo);

// The colour a text of colour `tinta` takes on `fondo`: itself on a light
// background (the colours the program has always had); on a dark one, the
// same hue lightened until it reads at 4.5:1.
QColor legible(const QColor& tinta, const QColor& fondo);

// `legible` on a background of the application's palette.
QColor tinta(const QColor& color, QPalette::ColorRole fondo = QPalette::Window);

// A style sheet's text colour that reads on the application's palette.
QString css(const QColor& color, QPalette::ColorRole fondo = QPalette::Window);

// A desktop's dark palette, as a dark theme gives it: what the screenshots
// and the contrast checks try the program on.
QPalette paletaOscura();

} // namespace bolvera::contraste
