#include "gui/print/resumenpdf.h"

#include <QBuffer>
#include <QPainter>
#include <QFontMetricsF>
#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>
#include <array>

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
    if (r.sorteos.empty())
        h += QStringLiteral("<p>Ninguno.</p>");
    return h;
}

namespace {

// The draws' table, painted row by row: a text document lays a table of
// thousands of rows out in minutes, this in a blink. Header repeated on every
// page, borders and padding as the head's tables have them.
class TablaSorteos
{
public:
    TablaSorteos(const std::vector<Resumen::Sorteo>& sorteos, const QFont& letra, QPaintDevice& dispositivo, double ancho)
        : m_sorteos(sorteos), m_letra(letra), m_negrita(letra), m_metricas(letra, &dispositivo),
          m_relleno(dispositivo.logicalDpiX() / 50.0)
    {
        m_negrita.setBold(true);
        const double partes[] = {0.13, 0.27, 0.30, 0.30};
        double x = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            m_columnas[i] = {x, ancho * partes[i]};
            x += ancho * partes[i];
        }
    }

    // How tall row `i` is; -1 for the header.
    double alto(int i) const
    {
        double alto = m_metricas.height();
        for (std::size_t c = 0; c < 4; ++c)
            alto = std::max(alto, m_metricas
                                      .boundingRect(QRectF(0, 0, m_columnas[c].second - 2 * m_relleno, 1e6),
                                                    Qt::TextWordWrap, texto(i, c))
                                      .height());
        return alto + 2 * m_relleno;
    }

    void pinta(QPainter& p, int i, double y) const
    {
        const double h = alto(i);
        p.setFont(i < 0 ? m_negrita : m_letra);
        for (std::size_t c = 0; c < 4; ++c) {
            const QRectF caja(m_columnas[c].first, y, m_columnas[c].second, h);
            if (i < 0)
                p.fillRect(caja, QColor(0xe8, 0xe8, 0xe8));
            p.setPen(QPen(QColor(0x99, 0x99, 0x99), 0));
            p.drawRect(caja);
            p.setPen(Qt::black);
            p.drawText(caja.adjusted(m_relleno, m_relleno, -m_relleno, -m_relleno),
                       Qt::TextWordWrap | (c == 3 ? Qt::AlignRight : Qt::AlignLeft), texto(i, c));
        }
    }

    int filas() const { return static_cast<int>(m_sorteos.size()); }

private:
    QString texto(int i, std::size_t c) const
    {
        if (i < 0) {
            static const QString cabecera[] = {QStringLiteral("Fecha"), QStringLiteral("Combinación"),
                                               QStringLiteral("Premios"), QStringLiteral("Importe")};
            return cabecera[c];
        }
        const Resumen::Sorteo& s = m_sorteos[static_cast<std::size_t>(i)];
        const QString* campos[] = {&s.fecha, &s.combinacion, &s.premios, &s.importe};
        return *campos[c];
    }

    const std::vector<Resumen::Sorteo>& m_sorteos;
    QFont m_letra;
    QFont m_negrita;
    QFontMetricsF m_metricas;
    double m_relleno;
    std::array<std::pair<double, double>, 4> m_columnas{};
};

} // namespace

QByteArray resumenPdf(const Resumen& r)
{
    QBuffer salida;
    salida.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&salida);
        pdf.setTitle(QStringLiteral("Peña ") + r.pena);
        pdf.setCreator(QStringLiteral("Bolvera"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(300);
        // 2 cm margins, the page number in the bottom one.
        const double mm = pdf.resolution() / 25.4;
        const QRectF zona(20 * mm, 20 * mm, pdf.width() - 40 * mm, pdf.height() - 40 * mm);
        QFont letra(QStringLiteral("DejaVu Sans"));
        letra.setStyleHint(QFont::SansSerif);
        letra.setPointSizeF(8.5);

        // The head (the bets, the totals, the members) is a small document.
        QTextDocument cabeza;
        cabeza.documentLayout()->setPaintDevice(&pdf);
        cabeza.setDocumentMargin(0);
        cabeza.setDefaultFont(letra);
        cabeza.setDefaultStyleSheet(QStringLiteral("table { border-collapse: collapse; border-color: #999999; } "
                                                   "th { background-color: #e8e8e8; } h2 { margin-bottom: 2px; } "
                                                   "p.total { margin-top: 10px; }"));
        cabeza.setHtml(resumenHtml(r));
        cabeza.setTextWidth(zona.width());
        const double altoCabeza = cabeza.size().height();
        // A head taller than a page is paged by the document itself, and the
        // draws start on a page of their own.
        int paginasCabeza = 1;
        if (altoCabeza > zona.height()) {
            cabeza.setPageSize(zona.size());
            paginasCabeza = cabeza.pageCount();
        }
        const TablaSorteos tabla(r.sorteos, letra, pdf, zona.width()); // none for a damaged peña

        // Where each row of the draws goes: its page and its top, header rows included.
        struct Sitio
        {
            int fila;
            int pagina;
            double y;
        };
        std::vector<Sitio> sitios;
        int pagina = paginasCabeza - 1;
        double y = paginasCabeza > 1 ? zona.height() : altoCabeza;
        if (tabla.filas() > 0) {
            const double cabecera = tabla.alto(-1);
            for (int i = 0; i < tabla.filas(); ++i) {
                const double h = tabla.alto(i);
                if (i == 0 || y + h > zona.height()) {
                    if (y + cabecera + h > zona.height()) {
                        ++pagina;
                        y = 0;
                    }
                    sitios.push_back({-1, pagina, y});
                    y += cabecera;
                }
                sitios.push_back({i, pagina, y});
                y += h;
            }
        }

        QPainter p(&pdf);
        const auto pie = [&](int n) {
            p.setFont(letra);
            p.setPen(Qt::black);
            p.drawText(QRectF(zona.left(), zona.bottom() + 5 * mm, zona.width(), 10 * mm), Qt::AlignRight | Qt::AlignTop,
                       QString::number(n + 1));
        };
        for (int n = 0; n < paginasCabeza; ++n) {
            if (n > 0)
                pdf.newPage();
            p.save();
            p.translate(zona.left(), zona.top() - (paginasCabeza > 1 ? n * zona.height() : 0));
            cabeza.drawContents(&p, QRectF(0, paginasCabeza > 1 ? n * zona.height() : 0, zona.width(), zona.height()));
            p.restore();
            pie(n);
        }
        int actual = paginasCabeza - 1;
        for (const Sitio& s : sitios) {
            if (s.pagina != actual) {
                pdf.newPage();
                actual = s.pagina;
                pie(actual);
            }
            p.save();
            p.translate(zona.left(), zona.top());
            tabla.pinta(p, s.fila, s.y);
            p.restore();
        }
    }
    return salida.data();
}

} // namespace bolvera
