#include "gui/comun/contraste.h"

#include <QGuiApplication>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace bolvera::contraste {

namespace {

double luz(const QColor& c)
{
    const auto lineal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineal(c.redF()) + 0.7152 * lineal(c.greenF()) + 0.0722 * lineal(c.blueF());
}

constexpr double suficiente = 4.5;

} // namespace

double entre(const QColor& a, const QColor& b)
{
    const double la = luz(a), lb = luz(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool oscuro(const QColor& fondo) { return entre(Qt::white, fondo) > entre(Qt::black, fondo); }

QColor legible(const QColor& tinta, const QColor& fondo)
{
    if (!oscuro(fondo) || entre(tinta, fondo) >= suficiente)
        return tinta;
    // Painting asks for the same few pairs over and over.
    static QHash<QPair<QRgb, QRgb>, QRgb> hechas;
    const QPair<QRgb, QRgb> clave{tinta.rgb(), fondo.rgb()};
    if (const auto hecha = hechas.constFind(clave); hecha != hechas.cend())
        return QColor::fromRgb(*hecha);
    float h = 0, s = 0, l = 0;
    tinta.getHslF(&h, &s, &l);
    h = std::max(h, 0.0F); // a grey has no hue
    QColor clara = tinta;
    while (l < 1 && entre(clara, fondo) < suficiente) {
        l = std::min(1.0F, l + 0.01F);
        clara = QColor::fromHslF(h, s, l);
    }
    hechas.insert(clave, clara.rgb());
    return clara;
}

QColor tinta(const QColor& color, QPalette::ColorRole fondo)
{
    return legible(color, QGuiApplication::palette().color(fondo));
}

QString css(const QColor& color, QPalette::ColorRole fondo)
{
    return QStringLiteral("color: %1;").arg(tinta(color, fondo).name());
}

QPalette paletaOscura()
{
    QPalette p;
    for (const auto& [rol, color] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, QColor(53, 53, 53)},   {QPalette::WindowText, Qt::white},
             {QPalette::Base, QColor(35, 35, 35)},     {QPalette::AlternateBase, QColor(53, 53, 53)},
             {QPalette::Text, Qt::white},              {QPalette::Button, QColor(53, 53, 53)},
             {QPalette::ButtonText, Qt::white},        {QPalette::Highlight, QColor(42, 130, 218)},
             {QPalette::HighlightedText, Qt::black},   {QPalette::ToolTipBase, QColor(53, 53, 53)},
             {QPalette::ToolTipText, Qt::white},       {QPalette::PlaceholderText, QColor(160, 160, 160)}})
        p.setColor(rol, color);
    return p;
}

} // namespace bolvera::contraste
