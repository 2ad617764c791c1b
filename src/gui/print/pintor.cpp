#include "gui/print/pintor.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace bolvera {

namespace {

bool pintaEn(const std::vector<Operacion>& trabajo, QPagedPaintDevice& impresora, int resolucion)
{
    QPainter p;
    if (!p.begin(&impresora))
        return false;
    const double mm = resolucion / 25.4;
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

} // namespace

bool pinta(const std::vector<Operacion>& trabajo, QPrinter& impresora)
{
    return pintaEn(trabajo, impresora, impresora.resolution());
}

QByteArray pdfDe(const std::vector<Operacion>& trabajo)
{
    QBuffer salida;
    salida.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&salida);
        pdf.setCreator(QStringLiteral("Bolvera"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(1200);
        if (!pintaEn(trabajo, pdf, pdf.resolution()))
            return {};
    }
    return salida.data();
}

void preparaPdf(QPrinter& impresora, const QString& fichero)
{
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(fichero);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    impresora.setFullPage(true);
}

} // namespace bolvera
