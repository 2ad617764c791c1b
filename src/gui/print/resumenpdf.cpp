#include "print/resumenpdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace bolvera {

namespace {

QString celda(const QString& texto, const char* etiqueta = "td", const char* alinea = "left")
{
    return QStringLiteral("<%1 align=\"%2\">%3</%1>")
        .arg(QLatin1String(etiqueta), QLatin1String(alinea), texto.toHtmlEscaped());
}

QString filaSocio(const Resumen::Fila& f, bool neto, const char* etiqueta)
{
    QString html = QStringLiteral("<tr>") + celda(f.nombre, etiqueta) + celda(f.participaciones, etiqueta, "right") +
                   celda(f.pagado, etiqueta, "right") + celda(f.apostado, etiqueta, "right") +
                   celda(f.ganado, etiqueta, "right");
    if (neto)
        html += celda(f.neto, etiqueta, "right");
    return html + celda(f.balance, etiqueta, "right") + QStringLiteral("</tr>");
}

} // namespace

QString resumenHtml(const Resumen& r)
{
    QString h = QStringLiteral("<h2>Peña %1</h2>").arg(r.pena.toHtmlEscaped());
    if (r.error)
        return h + QStringLiteral("<p>%1</p>").arg(r.error->toHtmlEscaped());
    h += QStringLiteral("<p>%1</p>").arg(r.periodo.toHtmlEscaped());

    // What each member has and owes comes first, the draws after it: a
    // season of draws runs onto the next page. Bets three to a row: a 24-bet
    // peña keeps to a third of a page.
    h += QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">")
             .arg(r.apuestas.size() == 1 ? QStringLiteral("Apuesta") : QStringLiteral("Apuestas"));
    for (qsizetype i = 0; i < r.apuestas.size(); i += 3) {
        h += QStringLiteral("<tr>");
        for (qsizetype j = i; j < i + 3; ++j)
            h += celda(j < r.apuestas.size() ? r.apuestas[j] : QString());
        h += QStringLiteral("</tr>");
    }
    h += QStringLiteral("</table>");

    h += QStringLiteral("<p class=\"total\"><b>%1</b></p>").arg(r.total.toHtmlEscaped());
    if (!r.sinImporte.isEmpty())
        h += QStringLiteral("<p>%1</p>").arg(r.sinImporte.toHtmlEscaped());

    if (!r.socios.empty()) {
        h += QStringLiteral("<h3>Socios</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">");
        h += filaSocio({QStringLiteral("Socio"), QStringLiteral("Participaciones"), QStringLiteral("Pagado"),
                        QStringLiteral("Apostado"), QStringLiteral("Ganado"), QStringLiteral("Neto"),
                        QStringLiteral("Balance")},
                       r.retenido, "th");
        for (const Resumen::Fila& f : r.socios)
            h += filaSocio(f, r.retenido, "td");
        h += filaSocio(r.totales, r.retenido, "th");
        h += QStringLiteral("</table>");
        if (r.retenido)
            h += QStringLiteral("<p>Neto: lo ganado tras la retención del 20 % sobre lo que pasa de 40.000 € por apuesta "
                                "premiada.</p>");
        h += QStringLiteral("<p>Balance = pagado − apostado + ganado.</p>");
    }
    h += QStringLiteral("<h3>Sorteos</h3>");
    if (r.sorteos.empty()) {
        h += QStringLiteral("<p>Ninguno.</p>");
    } else {
        // The header row repeats on every page the table runs onto.
        h += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><thead><tr>") +
             celda(QStringLiteral("Fecha"), "th") + celda(QStringLiteral("Combinación"), "th") +
             celda(QStringLiteral("Premios"), "th") + celda(QStringLiteral("Importe"), "th", "right") +
             QStringLiteral("</tr></thead>");
        for (const Resumen::Sorteo& s : r.sorteos)
            h += QStringLiteral("<tr>") + celda(s.fecha) + celda(s.combinacion) + celda(s.premios) +
                 celda(s.importe, "td", "right") + QStringLiteral("</tr>");
        h += QStringLiteral("</table>");
    }

    return h;
}

QByteArray resumenPdf(const Resumen& r)
{
    QBuffer salida;
    salida.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&salida);
        pdf.setTitle(QStringLiteral("Peña ") + r.pena);
        pdf.setCreator(QStringLiteral("Bolvera"));
        // The document adds its own 2 cm margins and the page numbers.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(300);
        QTextDocument documento;
        QFont letra(QStringLiteral("DejaVu Sans"));
        letra.setStyleHint(QFont::SansSerif);
        letra.setPointSizeF(8.5);
        documento.setDefaultFont(letra);
        documento.setDefaultStyleSheet(QStringLiteral("table { border-collapse: collapse; border-color: #999999; } "
                                                   "th { background-color: #e8e8e8; } h2 { margin-bottom: 2px; } "
                                                   "p.total { margin-top: 10px; }"));
        documento.setHtml(resumenHtml(r));
        documento.print(&pdf);
    }
    return salida.data();
}

} // namespace bolvera
