// Draws the program's icon (the same picture as packaging/es.bolvera.Bolvera.svg)
// as PNG files of the sizes the desktop asks for: iconos DIR 48 128 256.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

QImage icono(int lado)
{
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 256.0, lado / 256.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x6e, 0xc8));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    p.setPen(QPen(QColor(0xd2, 0x28, 0x3c), 6));
    p.setBrush(QColor(0xff, 0xf6, 0xf0));
    p.drawRoundedRect(QRectF(40, 56, 176, 144), 14, 14);
    p.setPen(QPen(QColor(0xd2, 0x28, 0x3c), 5));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& o : {QPointF(62, 78), QPointF(100, 78), QPointF(62, 122), QPointF(100, 122)})
        p.drawRoundedRect(QRectF(o, QSizeF(26, 30)), 3, 3);
    p.setPen(QPen(QColor(0x14, 0x14, 0x8c), 7, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& o : {QPointF(66, 82), QPointF(104, 126)}) {
        p.drawLine(o, o + QPointF(18, 22));
        p.drawLine(o + QPointF(18, 0), o + QPointF(0, 22));
    }
    const QPolygonF estrella({{172, 84}, {181, 108}, {206, 108}, {186, 123}, {193, 148},
                              {172, 133}, {151, 148}, {158, 123}, {138, 108}, {163, 108}});
    p.setPen(QPen(QColor(0xc8, 0x96, 0x00), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xff, 0xd2, 0x3c));
    p.drawPolygon(estrella);
    return imagen;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    for (qsizetype i = 2; i < args.size(); ++i) {
        const int lado = args[i].toInt();
        if (!icono(lado).save(QStringLiteral("%1/es.bolvera.Bolvera-%2.png").arg(args[1]).arg(lado)))
            return 1;
    }
    return 0;
}
