#include "core/store/fechas.h"
#include "core/store/validacion.h"
#include "support/datos.h"
#include "core/update/fuentes.h"

#include <archive.h>
#include <archive_entry.h>

#include <functional>

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

using fuentes::Lectura;
using fuentes::SorteoFuente;
using Importes = std::array<std::int64_t, 13>;

constexpr Importes desconocidos{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
// The amount written for operator rank n is "n000,n" euros; in the program's
// order 4+0 (rank 7) comes before 3+2 (rank 6).
constexpr Importes escritos{100010, 200020, 300030,  400040,  500050,  700070, 600060,
                            800080, 900090, 1000000, 1100010, 1200020, 1300030};
QByteArray importe(int rango)
{
    return QByteArray::number(rango * 1000) + ',' + QByteArray::number(rango % 10);
}

SorteoFuente sf(QDate fecha, std::array<std::int16_t, 7> num, Importes centimos = desconocidos)
{
    return {datos::sorteo(fecha, num), centimos};
}

QByteArray lineas(std::initializer_list<QByteArray> l, const QByteArray& fin = "\r\n")
{
    QByteArray r;
    for (const QByteArray& x : l)
        r += x + fin;
    return r;
}

// A ZIP of `miembros` (name, contents), deflated, written by libarchive.
QByteArray zipDe(const std::vector<std::pair<const char*, QByteArray>>& miembros)
{
    QByteArray salida;
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_set_bytes_in_last_block(a, 1);
    archive_write_open(
        a, &salida, nullptr,
        [](archive*, void* destino, const void* datos, size_t n) -> la_ssize_t {
            static_cast<QByteArray*>(destino)->append(static_cast<const char*>(datos),
                                                      static_cast<qsizetype>(n));
            return static_cast<la_ssize_t>(n);
        },
        nullptr);
    for (const auto& [nombre, datos] : miembros) {
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, nombre);
        const bool carpeta = QByteArray(nombre).endsWith('/');
        archive_entry_set_filetype(e, carpeta ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(e, carpeta ? 0755 : 0644);
        archive_entry_set_size(e, datos.size());
        archive_write_header(a, e);
        archive_write_data(a, datos.constData(), static_cast<size_t>(datos.size()));
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
    return salida;
}

// An FDJ header of the recent periods, with every rank.
QByteArray cabeceraFdj()
{
    QByteArray c = "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;date_de_forclusion;boule_"
                   "1;boule_2;boule_3;"
                   "boule_4;boule_5;etoile_1;etoile_2;boules_gagnantes_en_ordre_croissant;"
                   "etoiles_gagnantes_en_ordre_croissant";
    for (int n = 1; n <= 13; ++n)
        c += ";nombre_de_gagnant_au_rang" + QByteArray::number(n) +
             "_euro_millions_en_europe;nombre_de_gagnant_au_rang" + QByteArray::number(n) +
             "_euro_millions_en_france;rapport_du_rang" + QByteArray::number(n) + "_euro_millions";
    return c;
}

QByteArray filaFdj(const QByteArray& inicio, bool nadieGanoElPrimero = false)
{
    QByteArray f = inicio;
    for (int n = 1; n <= 13; ++n)
        f += ";3;1;" + (n == 1 && nadieGanoElPrimero ? QByteArray("0") : importe(n));
    return f;
}

const QByteArray fdj =
    "\xEF\xBB\xBF" +
    lineas(
        {cabeceraFdj(),
         filaFdj("26080;VENDREDI;09/10/2026;08/12/2026;4;48;17;33;9;11;3;-4-9-17-33-48-;-3-11-"),
         filaFdj("26079;MARDI;06/10/2026;05/12/2026;50;4;3;2;1;12;1;-1-2-3-4-50-;-1-12-", true)});

// An old period: Latin-1, two-digit years, twelve ranks named without suffix.
QByteArray fdjAntiguo()
{
    QByteArray c = "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;boule_1;boule_2;boule_3;"
                   "boule_4;boule_5;"
                   "etoile_1;etoile_2;num\xE9ro_de_s\xE9rie";
    for (int n = 1; n <= 12; ++n)
        c += ";rapport_du_rang" + QByteArray::number(n);
    QByteArray importes;
    for (int n = 1; n <= 12; ++n)
        importes += ';' + importe(n);
    return lineas({c, "2004007;VENDREDI;20/02/04;7;13;39;47;50;2;5;s\xE9rie" + importes,
                   "2004006;VENDREDI;13/02/04;16;29;32;36;41;7;9;" + importes},
                  "\n");
}

QByteArray premiosBelgica()
{
    QByteArray c = "\xEF\xBB\xBF"
                   "Datum;Spelers;Inzet";
    QByteArray f9 = "2026-10-09;1000;2500,00", f6 = "2026-10-06;900;2250,00";
    for (int n = 1; n <= 13; ++n) {
        c += ";P-R" + QByteArray::number(n) + ";W-R" + QByteArray::number(n);
        f9 += ";2;" + importe(n);
        f6 += n == 1 ? QByteArray(";0;0") : ";2;" + importe(n);
    }
    return lineas({c, f9, f6});
}

const QByteArray belgica =
    "\xEF\xBB\xBF" +
    lineas({"Extra;Datum;Ster 1;Ster 2;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5",
            "x;2026-10-09 00:00:00.0000000;3;11;4;9;17;33;48",
            "y;2026-10-06 00:00:00.0000000;1;12;1;2;3;4;50"});

const QByteArray reinoUnido =
    lineas({"DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Lucky Star 1,Lucky Star 2,UK Millionaire "
            "Maker,European Millionaire Maker,DrawNumber",
            "09-Oct-2026,4,9,17,33,48,3,11,\"ABCD12345\",\"\",1992",
            "06-Oct-2026,50,1,2,3,4,12,1,\"XYZW11111,XYZW22222\",\"\",1991"},
           "\n");

const QByteArray austria =
    lineas({"EuroMillionen Ziehungsergebnisse f\xFCr 2026", "Datum;Zahlen;;;;;Sterne",
            "Fr. 09.10.2026;4;9;17;33;48;3;11;1.234,50", "Di. 06.10.2026;1;2;3;4;50;1;12;",
            "Di. 06.10.2026;1;2;3;4;50;1;12;"});

const QByteArray api = R"([
 {"id": 2, "draw_id": "1993", "date": "2026-10-09", "numbers": ["48", "9", "17", "33", "4"], "stars": ["11", "3"],
  "has_winner": false, "prizes": [
   {"matched_numbers": 5, "matched_stars": 2, "prize": 0.0, "winners": 0},
   {"matched_numbers": 3, "matched_stars": 2, "prize": 60.55, "winners": 4012},
   {"matched_numbers": 4, "matched_stars": 0, "prize": 0, "winners": 12},
   {"matched_numbers": 2, "matched_stars": 0, "prize": 3.9, "winners": 900000}]},
 {"id": 1, "draw_id": "1992", "date": "2026-10-06", "numbers": ["50", "1", "2", "3", "4"], "stars": ["12", "1"]}
])";

const QDate martes(2026, 10, 6), viernes(2026, 10, 9);
constexpr std::array<std::int16_t, 7> delMartes{1, 2, 3, 4, 50, 1, 12},
    delViernes{4, 9, 17, 33, 48, 3, 11};

Importes conPrimero(Importes i, std::int64_t primero)
{
    i[0] = primero;
    return i;
}

TEST(Fuentes, goodFilesGiveTheirDrawsOldestFirstAndTheirAmounts)
{
    Importes deApi = desconocidos;
    deApi[0] = 0;    // 5+2 nobody won
    deApi[6] = 6055; // 3+2
    deApi[12] = 390; // 2+0; 4+0 paid nothing to its winners: unknown
    const struct
    {
        const char* que;
        Lectura lectura;
        std::vector<SorteoFuente> sorteos;
    } casos[] = {
        {"FDJ, UTF-8 with BOM and CRLF",
         fuentes::leeFdj(zipDe({{"euromillions_202610.csv", fdj}})),
         {sf(martes, delMartes, conPrimero(escritos, 0)), sf(viernes, delViernes, escritos)}},
        // A folder entry is no second file.
        {"FDJ, the CSV inside a folder",
         fuentes::leeFdj(zipDe({{"euromillions_202610/", {}}, {"euromillions_202610/euromillions_202610.csv", fdj}})),
         {sf(martes, delMartes, conPrimero(escritos, 0)), sf(viernes, delViernes, escritos)}},
        {"FDJ, an old Latin-1 period",
         fuentes::leeFdj(zipDe({{"euromillions_200402.csv", fdjAntiguo()}})),
         {sf({2004, 2, 13}, {16, 29, 32, 36, 41, 7, 9}),
          sf({2004, 2, 20}, {7, 13, 39, 47, 50, 2, 5})}},
        {"Belgium with prizes",
         fuentes::leeBelgica(belgica, premiosBelgica()),
         {sf(martes, delMartes, conPrimero(escritos, -1)), sf(viernes, delViernes, escritos)}},
        {"Belgium, prizes not there yet",
         fuentes::leeBelgica(belgica, lineas({premiosBelgica().split('\r').front()})),
         {sf(martes, delMartes), sf(viernes, delViernes)}},
        {"Belgium without prizes",
         fuentes::leeBelgica(belgica),
         {sf(martes, delMartes), sf(viernes, delViernes)}},
        {"United Kingdom",
         fuentes::leeReinoUnido(reinoUnido),
         {sf(martes, delMartes), sf(viernes, delViernes)}},
        {"United Kingdom, older columns",
         fuentes::leeReinoUnido("DrawNumber,UK Millionaire Maker,Lucky Star 2,Lucky Star 1,Ball "
                                "5,Ball 4,Ball 3,Ball 2,Ball 1,DrawDate\r\n"
                                "1992,\"A1,B2\",11,3,48,33,17,9,4,9-oct-2026\r\n"),
         {sf(viernes, delViernes)}},
        {"Austria, Latin-1, a repeated row",
         fuentes::leeAustria(austria),
         {sf(martes, delMartes), sf(viernes, delViernes)}},
        {"Austria, a line of when it was made first",
         fuentes::leeAustria("Stand: 09.10.2026 22:15\r\n" + austria),
         {sf(martes, delMartes), sf(viernes, delViernes)}},
        {"the service",
         fuentes::leeApi(api),
         {sf(martes, delMartes), sf(viernes, delViernes, deApi)}},
        {"the service, no draws", fuentes::leeApi("[]"), {}},
    };
    for (const auto& c : casos) {
        EXPECT_TRUE(c.lectura.disponible) << c.que << ": " << c.lectura.motivo.toStdString();
        EXPECT_EQ(c.lectura.sorteos, c.sorteos) << c.que;
    }
}

TEST(Fuentes, anythingUnexpectedMakesTheWholeSourceUnavailable)
{
    const QByteArray csvFdj =
        lineas({cabeceraFdj(), filaFdj("1;MARDI;06/10/2026;;50;4;3;2;1;12;1;;")});
    QByteArray danado = zipDe({{"euromillions_202610.csv", fdj.repeated(50)}});
    for (qsizetype i = danado.size() / 3; i < danado.size() / 2; ++i)
        danado[i] = static_cast<char>(danado[i] ^ 0x5A);
    const QByteArray entero = zipDe({{"euromillions_202610.csv", fdj}});
    const QByteArray bomba =
        zipDe({{"euromillions_202610.csv", QByteArray(25 * 1024 * 1024, '0')}});
    ASSERT_LT(bomba.size(), 200 * 1024);
    const QByteArray html = "\r\n  <!DOCTYPE html><html><body>Service Unavailable</body></html>";

    const struct
    {
        const char* que;
        Lectura lectura;
        QString motivo; // part of it
    } casos[] = {
        {"FDJ: not a ZIP", fuentes::leeFdj(html), "dañado"},
        {"FDJ: damaged data", fuentes::leeFdj(danado), "dañado"},
        {"FDJ: cut short", fuentes::leeFdj(entero.left(entero.size() / 2)), "dañado"},
        {"FDJ: a ZIP bomb", fuentes::leeFdj(bomba), "20 MB"},
        {"FDJ: two CSVs", fuentes::leeFdj(zipDe({{"a.csv", fdj}, {"b.csv", fdj}})),
         "más de un fichero"},
        {"FDJ: no CSV inside", fuentes::leeFdj(zipDe({{"leeme.txt", fdj}})), "no tiene un CSV"},
        {"FDJ: an empty ZIP", fuentes::leeFdj(zipDe({})), "ningún fichero"},
        {"FDJ: an empty CSV", fuentes::leeFdj(zipDe({{"e.csv", "\xEF\xBB\xBF\r\n"}})), "vacío"},
        {"FDJ: no boule_3",
         fuentes::leeFdj(zipDe({{"e.csv", QByteArray(fdj).replace("boule_3;", "boule3;")}})),
         "falta la columna \"boule_3\""},
        {"FDJ: sorted columns disagree",
         fuentes::leeFdj(
             zipDe({{"e.csv", QByteArray(fdj).replace("-4-9-17-33-48-", "-4-9-17-33-49-")}})),
         "línea 2"},
        {"FDJ: weekday not the date's",
         fuentes::leeFdj(zipDe({{"e.csv", QByteArray(fdj).replace("MARDI", "JEUDI")}})), "línea 3"},
        {"FDJ: 31 February",
         fuentes::leeFdj(
             zipDe({{"e.csv", QByteArray(csvFdj).replace("06/10/2026", "31/02/2026")}})),
         "línea 2"},
        {"FDJ: an amount that is not one",
         fuentes::leeFdj(
             zipDe({{"e.csv", QByteArray(fdj).replace(";3;1;2000,2", ";3;1;2.000,2x")}})),
         "importe"},
        {"Belgium: no Ster 2", fuentes::leeBelgica(QByteArray(belgica).replace("Ster 2", "Ster2")),
         "falta la columna \"Ster 2\""},
        {"Belgium: a web page", fuentes::leeBelgica(html), "página web"},
        {"Belgium: empty", fuentes::leeBelgica(""), "vacío"},
        {"Belgium: Latin-1", fuentes::leeBelgica(QByteArray(belgica).replace("Extra", "\xC9xtra")),
         "UTF-8"},
        {"Belgium: UTF-16",
         fuentes::leeBelgica(QByteArray("\xFF\xFE"
                                        "D\0a\0",
                                        6)),
         "no es texto"},
        {"Belgium: a letter for a number",
         fuentes::leeBelgica(QByteArray(belgica).replace(";33;", ";3e;")), "línea 2"},
        {"Belgium: a row cut short", fuentes::leeBelgica(QByteArray(belgica).replace(";4;50", "")),
         "línea 3"},
        {"Belgium: one date, two draws",
         fuentes::leeBelgica(QByteArray(belgica).replace("2026-10-06 00", "2026-10-09 00")),
         "dos sorteos distintos el 09/10/2026"},
        {"Belgium: prizes without W-R13",
         fuentes::leeBelgica(belgica, premiosBelgica().replace("W-R13", "W-R14")),
         "premios: falta la columna \"W-R13\""},
        {"Belgium: prizes as a web page", fuentes::leeBelgica(belgica, html),
         "premios: es una página web"},
        {"UK: a quote never closed",
         fuentes::leeReinoUnido(QByteArray(reinoUnido).replace("\"\",1991", "\",1991")),
         "comillas"},
        {"UK: a month not English",
         fuentes::leeReinoUnido(QByteArray(reinoUnido).replace("Oct", "Okt")), "línea 2"},
        {"UK: no DrawDate",
         fuentes::leeReinoUnido(QByteArray(reinoUnido).replace("DrawDate", "Date")), "DrawDate"},
        {"Austria: a web page", fuentes::leeAustria(html), "página web"},
        {"Austria: no draws", fuentes::leeAustria("Datum;Zahlen\n"), "no tiene sorteos"},
        {"Austria: weekday not the date's",
         fuentes::leeAustria(QByteArray(austria).replace("Fr. ", "Mi. ")), "línea 3"},
        {"Austria: six numbers",
         fuentes::leeAustria(QByteArray(austria).replace("4;9;17;", "4;9;")), "línea 3"},
        {"service: empty", fuentes::leeApi(""), "vacía"},
        {"service: not JSON", fuentes::leeApi(html), "no es una lista"},
        {"service: an error object", fuentes::leeApi(R"({"detail": "Too Many Requests"})"),
         "no es una lista"},
        {"service: four numbers", fuentes::leeApi(QByteArray(api).replace(R"("48", )", "")),
         "sorteo 1"},
        {"service: a number not a number",
         fuentes::leeApi(QByteArray(api).replace(R"("50")", R"("5O")")), "sorteo 2"},
        {"service: a date not a date",
         fuentes::leeApi(QByteArray(api).replace("2026-10-06", "2026-13-06")), "sorteo 2"},
        {"service: a prize not a prize",
         fuentes::leeApi(QByteArray(api).replace("60.55", "\"mucho\"")), "sorteo 1"},
    };
    for (const auto& c : casos) {
        EXPECT_FALSE(c.lectura.disponible) << c.que;
        EXPECT_TRUE(c.lectura.sorteos.empty()) << c.que;
        EXPECT_TRUE(c.lectura.motivo.contains(c.motivo))
            << c.que << ": " << c.lectura.motivo.toStdString();
    }
}

// The newest 700 real draws written the way each source writes them, newest
// first, come back as the history has them.
TEST(Fuentes, realHistoryInEveryFormat)
{
    const auto historia = datos::historiaReal();
    if (!historia) GTEST_SKIP() << "no shared data";
    const std::vector<RegSorteo> ultimos(historia->end() - 700, historia->end());
    const auto escribe = [&](const QByteArray& cabecera,
                             const std::function<QByteArray(const RegSorteo&, QDate)>& fila) {
        QByteArray t = cabecera + "\r\n";
        for (auto s = ultimos.rbegin(); s != ultimos.rend(); ++s)
            t += fila(*s, fechas::fechaDeDia(s->fecha)) + "\r\n";
        return t;
    };
    const auto n = [](const RegSorteo& s, int i, char sep = ';') {
        return sep + QByteArray::number(s.num[i]);
    };
    const auto siete = [&](const RegSorteo& s, char sep = ';') {
        QByteArray r;
        for (int i : {3, 1, 4, 0, 2, 6, 5}) // the order drawn is not the sorted one
            r += n(s, i, sep);
        return r;
    };
    const QByteArray fdjReal = escribe(cabeceraFdj(), [&](const RegSorteo& s, QDate d) {
        return filaFdj("1;;" + d.toString("dd/MM/yyyy").toLatin1() + ";" + siete(s) + ";;");
    });
    const char* const meses[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QByteArray json = "[";
    for (const RegSorteo& s : ultimos)
        json += QByteArray(json.size() > 1 ? "," : "") + "{\"date\":\"" +
                fechas::fechaDeDia(s.fecha).toString(Qt::ISODate).toLatin1() +
                "\",\"numbers\":[\"" + QByteArray::number(s.num[4]) + "\"" + n(s, 0, ',') +
                n(s, 1, ',') + n(s, 2, ',') + n(s, 3, ',') + "],\"stars\":[" +
                QByteArray::number(s.num[5]) + n(s, 6, ',') + "],\"prizes\":[]}";
    json += "]";

    const struct
    {
        const char* que;
        Lectura lectura;
    } casos[] = {
        {"FDJ", fuentes::leeFdj(zipDe({{"euromillions_202602.csv", fdjReal}}))},
        {"Belgium", fuentes::leeBelgica(
                        escribe("Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Ster 1;Ster 2",
                                [&](const RegSorteo& s, QDate d) {
                                    return d.toString(Qt::ISODate).toLatin1() +
                                           " 00:00:00.0000000" + siete(s);
                                }))},
        {"United Kingdom",
         fuentes::leeReinoUnido(
             escribe("DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Lucky Star 1,Lucky Star 2",
                     [&](const RegSorteo& s, QDate d) {
                         return QByteArray::number(d.day()) + '-' + meses[d.month() - 1] + '-' +
                                QByteArray::number(d.year()) + siete(s, ',');
                     }))},
        {"Austria",
         fuentes::leeAustria(escribe("Datum;Zahlen",
                                     [&](const RegSorteo& s, QDate d) {
                                         return (d.dayOfWeek() == Qt::Tuesday ? "Di. " : "Fr. ") +
                                                d.toString("dd.MM.yyyy").toLatin1() + siete(s);
                                     }))},
        {"the service", fuentes::leeApi(json)},
    };
    for (const auto& c : casos) {
        ASSERT_TRUE(c.lectura.disponible) << c.que << ": " << c.lectura.motivo.toStdString();
        ASSERT_EQ(c.lectura.sorteos.size(), ultimos.size()) << c.que;
        for (std::size_t i = 0; i < ultimos.size(); ++i) {
            EXPECT_EQ(c.lectura.sorteos[i].sorteo, ultimos[i]) << c.que << " " << i;
            EXPECT_FALSE(validacion::sorteo(c.lectura.sorteos[i].sorteo)) << c.que << " " << i;
        }
    }
}

TEST(Fuentes, theNewestPeriodIsPickedFromTheArchivesPage)
{
    const struct
    {
        const char* que;
        QByteArray pagina;
        QString enlace;
    } casos[] = {
        {"periods out of order, other links around",
         R"(<a href="/x">x</a><a class="l" download="euromillions_202002" href="/d/afd6">2020</a>
            <A DOWNLOAD='euromillions_202402' HREF='/d/afe6?a=1&amp;b=2'>2024</A>
            <a download="loto_202502" href="/loto">loto</a><a download="euromillions_201911" href="/d/afc6">)",
         "/d/afe6?a=1&b=2"},
        {"href before download, absolute",
         R"(<a href="https://www.sto.api.fdj.fr/d/1" download="euromillions_202609">)",
         "https://www.sto.api.fdj.fr/d/1"},
        {"no link", "<html><body>Maintenance</body></html>", ""},
        {"not a page", QByteArray("\x00\xFF\x12<a", 5), ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(fuentes::enlaceFdj(c.pagina), c.enlace) << c.que;
}

TEST(Fuentes, addressesAndTheirHostReplaced)
{
    const QString fdjApi =
        "/anonymous/service-draw-info/v3/documentations/1a2b3c4d-9876-4562-b3fc-2c963f66afe6";
    const struct
    {
        std::function<QUrl()> direccion;
        QString real;
        QString ruta; // kept behind BOLVERA_FUENTES_URL; empty when refused
    } casos[] = {
        {fuentes::paginaFdj, "https://www.fdj.fr/jeux-de-tirage/euromillions-my-million/historique",
         "/jeux-de-tirage/euromillions-my-million/historique"},
        {fuentes::ultimoFdj, "https://www.sto.api.fdj.fr" + fdjApi, fdjApi},
        {[] { return fuentes::descargaFdj("/d/afe6?a=1&b=2"); },
         "https://www.fdj.fr/d/afe6?a=1&b=2", "/d/afe6?a=1&b=2"},
        {[] { return fuentes::descargaFdj("d/afe6"); },
         "https://www.fdj.fr/jeux-de-tirage/euromillions-my-million/d/afe6",
         "/jeux-de-tirage/euromillions-my-million/d/afe6"},
        {[&] { return fuentes::descargaFdj("https://www.sto.api.fdj.fr" + fdjApi); },
         "https://www.sto.api.fdj.fr" + fdjApi, fdjApi},
        {[] { return fuentes::descargaFdj("https://fdj.fr.example.com/d"); }, "", ""},
        {[] { return fuentes::descargaFdj("https://notfdj.fr/d"); }, "", ""},
        {[] { return fuentes::descargaFdj("https://u:p@www.fdj.fr/d"); }, "", ""},
        {[] { return fuentes::descargaFdj("javascript:alert(1)"); }, "", ""},
        {[] { return fuentes::descargaFdj(" "); }, "", ""}, // no link is not the archives page
        {[] { return fuentes::sorteosBelgica(2026); },
         "https://prdlnboppreportsst.blob.core.windows.net/legal-reports/"
         "euromillions-gamedata-NL-2026.csv",
         "/legal-reports/euromillions-gamedata-NL-2026.csv"},
        {[] { return fuentes::premiosBelgica(2025); },
         "https://prdlnboppreportsst.blob.core.windows.net/legal-reports/"
         "euromillions-financialdata-NL-2025.csv",
         "/legal-reports/euromillions-financialdata-NL-2025.csv"},
        {fuentes::reinoUnido,
         "https://www.national-lottery.co.uk/results/euromillions/draw-history/csv",
         "/results/euromillions/draw-history/csv"},
        {[] { return fuentes::austria(2026); },
         "https://statics.win2day.at/media/NN_W2D_STAT_EUML_2026.csv",
         "/media/NN_W2D_STAT_EUML_2026.csv"},
        // Newest first, as documented, in one page that holds 91 days of draws.
        {[] { return fuentes::api({2026, 9, 8}, {2026, 12, 8}); },
         "https://euromillions.api.pedromealha.dev/v1/draws?dates=2026-09-08,&order_by=date,DESC&limit=36",
         "/v1/draws?dates=2026-09-08,&order_by=date,DESC&limit=36"},
    };
    qunsetenv("BOLVERA_FUENTES_URL");
    for (const auto& c : casos)
        EXPECT_EQ(c.direccion().toString(QUrl::FullyEncoded), c.real);
    qputenv("BOLVERA_FUENTES_URL", "http://127.0.0.1:8080/");
    for (const auto& c : casos)
        EXPECT_EQ(c.direccion().toString(QUrl::FullyEncoded),
                  c.ruta.isEmpty() ? QString() : "http://127.0.0.1:8080" + c.ruta);
    qunsetenv("BOLVERA_FUENTES_URL");
}

} // namespace
