// Writes the seed corpora of the fuzz harnesses: small files and pages made
// here, shaped like the real ones.
#include "store/fechas.h"
#include "store/premios.h"
#include "store/regpena.h"
#include "store/regsorteo.h"
#include "store/socios.h"

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

// A ZIP of one stored file, as the FDJ serves its periods (without compression).
QByteArray zip(const QByteArray& nombre, const QByteArray& datos)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char c : datos) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
    }
    crc = ~crc;
    const auto le = [](std::uint32_t v, int bytes) {
        QByteArray b;
        for (int i = 0; i < bytes; ++i)
            b += static_cast<char>((v >> (8 * i)) & 0xFF);
        return b;
    };
    const auto n = static_cast<std::uint32_t>(datos.size());
    const QByteArray comun = le(20, 2) + le(0, 2) + le(0, 2) + le(0, 2) + le(0x21, 2) + le(crc, 4) + le(n, 4) + le(n, 4) +
                             le(static_cast<std::uint32_t>(nombre.size()), 2);
    const QByteArray local = le(0x04034b50, 4) + comun + le(0, 2) + nombre + datos;
    const QByteArray central = le(0x02014b50, 4) + le(20, 2) + comun + le(0, 2) + le(0, 2) + le(0, 2) + le(0, 2) +
                               le(0, 4) + le(0, 4) + nombre;
    return local + central + le(0x06054b50, 4) + le(0, 2) + le(0, 2) + le(1, 2) + le(1, 2) +
           le(static_cast<std::uint32_t>(central.size()), 4) + le(static_cast<std::uint32_t>(local.size()), 4) + le(0, 2);
}

// The shapes of the other operators' files and of the results service, as
// their documentation and the program's tests know them.
QByteArray importes(int rangos, char separador)
{
    QByteArray b;
    for (int n = 1; n <= rangos; ++n)
        b += separador + QByteArray("3") + separador + "1" + separador + QByteArray::number(n * 7) + ",50";
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    const QDir destino(QString::fromLocal8Bit(argc > 1 ? argv[1] : "semillas"));
    for (const char* sub : {"registros", "paginas", "apuestas", "socios", "csvsorteos", "premioscsv", "premiosdat",
                            "servicio", "fdj", "belgica", "reinounido", "austria", "api", "ajustes"})
        destino.mkpath(QString::fromLatin1(sub));
    const QByteArray dos = QByteArray::fromHex("0400");
    escribe(destino.filePath("registros/simples"), dos + sorteos(4) + pena(3, QStringLiteral("Todos")));
    escribe(destino.filePath("registros/multiple"), dos + sorteos(4) + pena(205, QStringLiteral("Martes")) + pena(153, QStringLiteral("Viernes")));
    escribe(destino.filePath("registros/vacio"), QByteArray(4, '\0'));
    RegSorteo s;
    s.fecha = fechas::diaNumero(QDate(2026, 11, 27));
    escribe(destino.filePath("paginas/resultados"), s.aBytes().mid(14, 8) + '\0' + pagina());
    escribe(destino.filePath("paginas/sinfecha"), QByteArray(8, '\0') + '\1' + pagina());
    escribe(destino.filePath("paginas/informe"),
            QByteArray(9, '\0') + "<td>Acertantes</td><td>1</td><td>1.234,56&nbsp;</td><div class=\"DOCUMENTOS\">"
                                  "<a href=\"/es/x/informe.pdf\">x</a></div>");
    escribe(destino.filePath("apuestas/sencillas"), "1 2 3 4 5 + 1 2\n10 20 30 40 50 + 11 12");
    escribe(destino.filePath("apuestas/multiple"), "1 2 3 4 5 6 7 8 + 1 2 3");

    RegPena una;
    una.nombre = QStringLiteral("PEÑA UNO");
    una.creacion = fechas::diaNumero(QDate(2026, 1, 1));
    una.tipo = 1;
    std::vector<socios::Grupo> grupos;
    socios::pon(grupos, una, {{QStringLiteral("Ana"), 1, QStringLiteral("600 111 222"), {{QDate(2026, 1, 5), 1000}}},
                              {QStringLiteral("Bea"), 2, {}, {{QDate(2026, 2, 1), 2000}, {QDate(2026, 2, 8), -500}}}});
    socios::anotaResumen(grupos, una, QDate(2026, 3, 1));
    escribe(destino.filePath("socios/dos"), socios::texto(grupos));
    escribe(destino.filePath("csvsorteos/historia"),
            "date,n1,n2,n3,n4,n5,s1,s2\n2004-02-13,16,29,32,36,41,7,9\n2026-01-02,8,27,42,44,46,1,10\n");
    escribe(destino.filePath("premioscsv/sorteo"),
            "date,selae_id_sorteo,category,match,prize_eur_es,winners_es,winners_eu_fdj,prize_eur_fr_fdj,note\n"
            "2026-01-02,1297002001,1,5+2,0.00,0,0,0.00,no winner in Europe\n"
            "2026-01-02,1297002001,2,5+1,181127.33,1,4,181127.30,\n");
    RegPremios r;
    r.fecha = fechas::diaNumero(QDate(2026, 1, 2));
    r.centimos = {0, 18112733, 5000000, 164821, 10082, 4012, 6055, 1900, 1200, 1000, 790, 517, 396};
    r.ganadores.fill(3);
    escribe(destino.filePath("premiosdat/uno"), r.aBytes() + r.aBytes());
    escribe(destino.filePath("servicio/sorteo"),
            "[{\"id_sorteo\": 1322202073, \"fecha_sorteo\": \"2026-12-04 00:00:00\", \"combinacion\": \"1 7 23 40 50 9 3\","
            " \"escrutinio\": [{\"categoria\": 6, \"premio\": \"1.234,56\", \"ganadores\": 3},"
            " {\"categoria\": 1, \"tipo\": \"2\u00aa 5 + 1\", \"premio\": 181127.33, \"ganadores\": \"1\"}]}]");
    QByteArray cabecera = "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;date_de_forclusion;boule_1;boule_2;"
                          "boule_3;boule_4;boule_5;etoile_1;etoile_2;boules_gagnantes_en_ordre_croissant;"
                          "etoiles_gagnantes_en_ordre_croissant";
    for (int n = 1; n <= 13; ++n)
        cabecera += ";nombre_de_gagnant_au_rang" + QByteArray::number(n) + "_euro_millions_en_europe;nombre_de_gagnant_au_rang" +
                    QByteArray::number(n) + "_euro_millions_en_france;rapport_du_rang" + QByteArray::number(n) + "_euro_millions";
    const QByteArray periodo = "\xEF\xBB\xBF" + cabecera + "\r\n26080;VENDREDI;09/10/2026;08/12/2026;4;48;17;33;9;11;3;-4-9-17-33-48-;-3-11-" +
                               importes(13, ';') + "\r\n";
    escribe(destino.filePath("fdj/periodo"), zip("euromillions_202609.csv", periodo));
    escribe(destino.filePath("fdj/pagina"), R"(<a class="l" download="euromillions_202609" href="/d/afd6">2026</a>)");
    escribe(destino.filePath("belgica/sorteos"),
            QByteArray("\xEF\xBB\xBF" "Extra;Datum;Ster 1;Ster 2;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5\r\n"
                       "x;2026-10-09 00:00:00.0000000;3;11;4;9;17;33;48\r\n") +
                '\0' + "Datum;Spelers;Inzet;P-R1;W-R1\r\n2026-10-09;1000;2500,00;2;7,50\r\n");
    escribe(destino.filePath("reinounido/sorteos"),
            "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Lucky Star 1,Lucky Star 2,UK Millionaire Maker,"
            "European Millionaire Maker,DrawNumber\n09-Oct-2026,4,9,17,33,48,3,11,\"ABCD12345\",\"\",1992\n");
    escribe(destino.filePath("austria/sorteos"), "EuroMillionen Ziehungsergebnisse f\xFCr 2026\r\nDatum;Zahlen;;;;;Sterne\r\n"
                                                 "Fr. 09.10.2026;4;9;17;33;48;3;11;1.234,50\r\n");
    escribe(destino.filePath("api/sorteos"),
            R"([{"id": 2, "draw_id": "1993", "date": "2026-10-09", "numbers": ["48", "9", "17", "33", "4"], "stars": ["11", "3"],
 "has_winner": false, "prizes": [{"matched_numbers": 3, "matched_stars": 2, "prize": 60.55, "winners": 4012}]}])");
    escribe(destino.filePath("ajustes/todo"), "precioApuesta=300\n[fuentes]\nfdj=no\nbelgica=https://otro.example\n[avisos]\nsinPremio=no\n");
    return 0;
}
