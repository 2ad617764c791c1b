#include "gui/shell/arte.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace bolvera {

namespace arte {
namespace {

void bola(QPainter& p, QPointF centro, qreal radio, QColor color, const QString& texto)
{
    QRadialGradient g(centro - QPointF(radio / 3, radio / 3), radio * 1.3);
    g.setColorAt(0, color.lighter(170));
    g.setColorAt(1, color.darker(140));
    p.setPen(QPen(color.darker(180), 1.5));
    p.setBrush(g);
    p.drawEllipse(centro, radio, radio);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centro, radio * 0.55, radio * 0.55);
    QFont f(QStringLiteral("Arial"), static_cast<int>(radio * 0.5), QFont::Bold);
    f.setStyleHint(QFont::SansSerif);
    p.setFont(f);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRectF(centro.x() - radio, centro.y() - radio, 2 * radio, 2 * radio),
               Qt::AlignCenter, texto);
}

void estrella(QPainter& p, QPointF centro, qreal radio, QColor color)
{
    QPolygonF puntas;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radio : radio * 0.45;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        puntas << centro + QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.setPen(QPen(color.darker(150), 1.5));
    p.setBrush(color);
    p.drawPolygon(puntas);
}

} // namespace

void pintaPortada(QPainter& p, const QRect& area, const QString& version)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cielo(area.topLeft(), area.bottomLeft());
    cielo.setColorAt(0, QColor(10, 40, 110));
    cielo.setColorAt(1, QColor(40, 110, 190));
    p.fillRect(area, cielo);

    const std::array<QColor, 5> colores = {QColor(220, 50, 40), QColor(240, 180, 20),
                                           QColor(40, 170, 70), QColor(230, 90, 170),
                                           QColor(60, 140, 230)};
    const std::array<const char*, 5> numeros = {"7", "14", "23", "38", "45"};
    const qreal radio = area.width() / 20.0;
    for (int i = 0; i < 5; ++i)
        bola(p, QPointF(area.left() + area.width() * (0.14 + 0.12 * i),
                        area.top() + area.height() * (0.30 + (i % 2) * 0.08)),
             radio, colores[i], QString::fromLatin1(numeros[i]));
    estrella(p, QPointF(area.left() + area.width() * 0.78, area.top() + area.height() * 0.30),
             radio * 1.1, QColor(255, 215, 0));
    estrella(p, QPointF(area.left() + area.width() * 0.89, area.top() + area.height() * 0.38),
             radio * 1.1, QColor(255, 215, 0));

    QFont titulo(QStringLiteral("Arial"), area.height() / 9, QFont::Black);
    titulo.setStyleHint(QFont::SansSerif);
    p.setFont(titulo);
    const QRectF zonaTitulo(area.left(), area.top() + area.height() * 0.48, area.width(),
                            area.height() * 0.22);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(zonaTitulo.translated(3, 3), Qt::AlignCenter, QStringLiteral("BOLVERA"));
    p.setPen(Qt::white);
    p.drawText(zonaTitulo, Qt::AlignCenter, QStringLiteral("BOLVERA"));

    QFont lema(QStringLiteral("Arial"), area.height() / 28, QFont::Normal, true);
    lema.setStyleHint(QFont::SansSerif);
    p.setFont(lema);
    p.setPen(QColor(220, 230, 255));
    p.drawText(QRectF(area.left(), area.top() + area.height() * 0.68, area.width(),
                      area.height() * 0.1),
               Qt::AlignCenter, QStringLiteral("Comprueba tus Euromillones por internet"));
    QFont pie(QStringLiteral("Arial"), 9);
    pie.setStyleHint(QFont::SansSerif);
    p.setFont(pie);
    p.drawText(QRectF(area.left() + 12, area.bottom() - 40, area.width() / 2.0, 30),
               Qt::AlignLeft | Qt::AlignVCenter, version);
}

} // namespace arte

} // namespace bolvera
