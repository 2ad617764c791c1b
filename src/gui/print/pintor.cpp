#include "print/pintor.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace bolvera {

bool pinta(const std::vector<Operacion>& trabajo, QPrinter& impresora)
{
    QPainter p;
    if (!p.begin(&impresora))
        return false;
    const double mm = impresora.resolution() / 25.4;
    QFont letra(QStringLiteral("arial"));
    letra.setStyleHint(QFont::SansSerif);
    letra.setBold(true);
    for (const Operacion& op : trabajo) {
        const QRectF caja(op.x * mm, op.y * mm, op.ancho * mm, op.alto * mm);
        switch (op.tipo) {
        case Operacion::Tipo::Texto: {
            letra.setPointSizeF(op.puntos);
            p.setFont(letra);
            p.setPen(Qt::black);
            // The point is the text's top-left corner.
            p.drawText(QRectF(caja.topLeft(), QSizeF(200 * mm, 20 * mm)), Qt::AlignLeft | Qt::AlignTop,
                       op.texto);
            break;
        }
        case Operacion::Tipo::Rectangulo:
            p.setPen(QPen(Qt::black, 0.3 * mm));
            p.setBrush(Qt::NoBrush);
            p.drawRect(caja);
            break;
        case Operacion::Tipo::Relleno:
            p.fillRect(caja, Qt::black);
            break;
        case Operacion::Tipo::NuevaPagina:
            impresora.newPage();
            break;
        }
    }
    return p.end();
}

void preparaPdf(QPrinter& impresora, const QString& fichero)
{
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(fichero);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    impresora.setFullPage(true);
}

} // namespace bolvera
