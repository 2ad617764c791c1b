#include "support/paginas.h"

namespace paginas_prueba {
namespace {

const char* meses[] = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio",
                       "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
const char* dias[] = {"lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"};

} // namespace

QByteArray resultados(const std::vector<Entrada>& entradas)
{
    // A long head, as the operator's pages have: the page's tail is measured from it.
    QByteArray p = "<html><head><title>Buscador</title><style>" + QByteArray(3000, ' ') +
                   "</style></head><body><div class=\"resultados\">\n";
    for (const Entrada& e : entradas) {
        // Entries are long, as the operator's are: the list is read while the
        // previous entry ended more than 3,500 characters before the page's tail.
        if (&e != &entradas.front())
            p += "<p>" + QByteArray(3600, '.') + "</p>\n";
        const QString mes = e.mes.isEmpty() ? QString::fromLatin1(meses[e.fecha.month() - 1]) : e.mes;
        p += "<div class=\"sorteo\"><h3>Sorteo celebrado del " +
             QByteArray(dias[e.fecha.dayOfWeek() - 1]) + "; " + QByteArray::number(e.fecha.day()) +
             " de " + mes.toUtf8() + " de " + QByteArray::number(e.fecha.year()) +
             "</h3>\n<a href=\"/es/euromillones/sorteos/" + QByteArray::number(e.fecha.year()) + "/" +
             e.ruta.toUtf8() + "\">Ver sorteo</a>\n<div class=\"combi\"><ul>";
        for (int i = 0; i < 7; ++i) {
            const QByteArray texto = (i == 2 && !e.numeroTexto.isEmpty()) ? e.numeroTexto.toUtf8()
                                                                           : QByteArray::number(e.num[i]);
            p += "<li> " + texto + "</li>";
        }
        p += "</ul></div></div>\n";
    }
    p += "</div>\n";
    p += "<footer>" + QByteArray(2000, 'x') + "</footer>\n<script><!-- while(true) --></script>\n";
    p += "</body></html>\n";
    return p;
}

QByteArray sorteo(const std::array<QByteArray, 13>& premios, const QByteArray& enlace)
{
    QByteArray p = "<html><body><table><tr><th>Categoría</th><th>Acertantes</th><th>Premio</th></tr>\n";
    for (const QByteArray& premio : premios)
        p += "<tr><td>1ª</td><td>" + premio + "&euro;</td></tr>\n";
    p += "</table><div class=\"DOCUMENTOS\"><a href=\"" + enlace + ".pdf\">Informe</a></div></body></html>\n";
    return p;
}

} // namespace paginas_prueba
