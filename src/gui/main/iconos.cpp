#include "gui/main/iconos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace bolvera {

namespace iconos {
namespace {

constexpr int lado = 32;

void fondo(QPainter& p, QColor color)
{
    QLinearGradient g(0, 0, 0, lado);
    g.setColorAt(0, color.lighter(150));
    g.setColorAt(1, color.darker(120));
    p.setPen(QPen(color.darker(160), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, lado - 3, lado - 3), 7, 7);
}

void papeleta(QPainter& p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 6, 16, 20));
    p.setPen(QPen(QColor(200, 30, 30), 1.5));
    for (int f = 0; f < 3; ++f)
        p.drawLine(QPointF(11, 11 + 5 * f), QPointF(21, 11 + 5 * f));
}

void cruz(QPainter& p, QColor color)
{
    p.setPen(QPen(color, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(27, 27));
    p.drawLine(QPointF(27, 17), QPointF(17, 27));
}

void mas(QPainter& p)
{
    p.setPen(QPen(QColor(0, 140, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 15), QPointF(22, 29));
    p.drawLine(QPointF(15, 22), QPointF(29, 22));
}

void bolas(QPainter& p)
{
    const QColor colores[] = {QColor(230, 60, 40), QColor(40, 110, 220), QColor(240, 190, 30)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(colores[i].darker(150), 1));
        p.setBrush(colores[i]);
        p.drawEllipse(QPointF(9 + 7 * i, 11 + (i % 2) * 5), 5, 5);
    }
}

void impresora(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 5, 12, 9));
    p.setBrush(QColor(110, 110, 120));
    p.drawRoundedRect(QRectF(5, 13, 22, 10), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 19, 12, 9));
}

} // namespace

QIcon fila(Fila icono)
{
    QPixmap lienzo(lado, lado);
    lienzo.fill(Qt::transparent);
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    switch (icono) {
    case Fila::EliminarPena: fondo(p, QColor(250, 220, 200)); papeleta(p); cruz(p, QColor(200, 0, 0)); break;
    case Fila::CrearPena: fondo(p, QColor(210, 240, 210)); papeleta(p); mas(p); break;
    case Fila::BorrarSorteos: fondo(p, QColor(250, 220, 200)); bolas(p); cruz(p, QColor(200, 0, 0)); break;
    case Fila::Imprimir: fondo(p, QColor(220, 225, 240)); impresora(p); break;
    case Fila::AnadirSorteos: fondo(p, QColor(210, 240, 210)); bolas(p); mas(p); break;
    }
    return QIcon(lienzo);
}

QPixmap actualizar(int imagen)
{
    const bool resaltado = imagen == 1;
    QPixmap lienzo(120, 80);
    lienzo.fill(Qt::transparent);
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 80);
    const QColor base = resaltado ? QColor(255, 200, 60) : QColor(30, 110, 200);
    g.setColorAt(0, base.lighter(140));
    g.setColorAt(1, base.darker(130));
    p.setPen(QPen(base.darker(170), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 3, 114, 74), 14, 14);

    // Two arrows chasing each other: the sign of a refresh.
    QPainterPath arco;
    arco.arcMoveTo(QRectF(12, 18, 34, 34), 30);
    arco.arcTo(QRectF(12, 18, 34, 34), 30, 250);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arco);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(41, 16), QPointF(48, 30), QPointF(34, 29)}));

    QFont letra(QStringLiteral("Arial"), 9, QFont::Bold);
    letra.setStyleHint(QFont::SansSerif);
    p.setFont(letra);
    p.setPen(resaltado ? QColor(60, 30, 0) : Qt::white);
    p.drawText(QRectF(48, 14, 68, 54), Qt::AlignCenter, QStringLiteral("BAJAR\nSORTEOS"));
    return lienzo;
}

} // namespace iconos

} // namespace bolvera
