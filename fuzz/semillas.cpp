// Writes the seed corpora of the fuzz harnesses: small files and pages made
// here, shaped like the real ones.
#include "store/fechas.h"
#include "store/regpena.h"
#include "store/regsorteo.h"

#include <QDir>
#include <QFile>

using namespace bolvera;

namespace {

void escribe(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray sorteos(int n)
{
    QByteArray b;
    QDate d(2026, 11, 3);
    for (int i = 0; i < n; ++i, d = d.addDays(i % 2 ? 3 : 4)) {
        RegSorteo s;
        s.num = {static_cast<std::int16_t>(1 + i), 12, 23, 34, 45, static_cast<std::int16_t>(1 + i % 12), 12};
        s.fecha = fechas::diaNumero(d);
        b += s.aBytes();
    }
    return b;
}

QByteArray pena(int tipo, const QString& dia)
{
    RegPena p;
    p.nombre = QStringLiteral("PEÑA %1").arg(tipo);
    p.dia = dia;
    p.tipo = static_cast<std::int16_t>(tipo);
    p.creacion = fechas::diaNumero(QDate(2026, 1, 1));
    for (int b = 0; b < 24; ++b)
        for (int i = 0; i < 10; ++i)
            p.numeros[static_cast<std::size_t>(b)][static_cast<std::size_t>(i)] = static_cast<std::int16_t>(1 + (b + 3 * i) % 50);
    for (auto& e : p.estrellas)
        e = {1, 5, 9, 11, 12};
    return p.aBytes();
}

QByteArray pagina()
{
    QByteArray p = "<html><style>" + QByteArray(3000, ' ') + "</style>";
    const char* entradas[] = {"4 de diciembre de 2026", "1 de diciembre de 2026", "27 de noviembre de 2026"};
    for (const char* e : entradas)
        p += "<h3>Sorteo celebrado del viernes; " + QByteArray(e) +
             "</h3><a href=\"/es/euromillones/sorteos/2026/ID\">x</a><div class=\"combi\"><ul><li> 1</li><li> 7</li>"
             "<li> 23</li><li> 40</li><li> 50</li><li> 3</li><li> 9</li></ul></div><p>" +
             QByteArray(3600, '.') + "</p>";
    return p + "<!-- while -->\n";
}

} // namespace

int main(int argc, char** argv)
{
    const QDir destino(QString::fromLocal8Bit(argc > 1 ? argv[1] : "semillas"));
    for (const char* sub : {"registros", "paginas", "apuestas"})
        destino.mkpath(QString::fromLatin1(sub));
    const QByteArray dos = QByteArray::fromHex("0400");
    escribe(destino.filePath("registros/simples"), dos + sorteos(4) + pena(3, QStringLiteral("Todos")));
    escribe(destino.filePath("registros/multiple"), dos + sorteos(4) + pena(205, QStringLiteral("Martes")) + pena(153, QStringLiteral("Viernes")));
    escribe(destino.filePath("registros/vacio"), QByteArray(4, '\0'));
    RegSorteo s;
    s.fecha = fechas::diaNumero(QDate(2026, 11, 27));
    escribe(destino.filePath("paginas/resultados"), s.aBytes().mid(14, 8) + pagina());
    escribe(destino.filePath("paginas/informe"),
            QByteArray(8, '\0') + "<td>Acertantes</td><td>1</td><td>1.234,56&nbsp;</td><div class=\"DOCUMENTOS\">"
                                  "<a href=\"/es/x/informe.pdf\">x</a></div>");
    escribe(destino.filePath("apuestas/sencillas"), "1 2 3 4 5 + 1 2\n10 20 30 40 50 + 11 12");
    escribe(destino.filePath("apuestas/multiple"), "1 2 3 4 5 6 7 8 + 1 2 3");
    return 0;
}
