// The update from the other operators' files, served by a local server in
// each source's own format: what is confirmed is appended and counted, what
// is not is said, and nothing is ever settled by one source alone.
#include "core/platform/redqt.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/paginas.h"
#include "core/store/premios.h"
#include "support/datos.h"
#include "support/pantalla.h"
#include "support/servidor.h"
#include "core/update/actualizacion.h"
#include "core/update/confirmacion.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

using Sorteos = std::vector<RegSorteo>;

RegSorteo s(QDate d, std::array<std::int16_t, 7> num) { return datos::sorteo(d, num); }

// Each format as fuentes.md describes it, newest first.
QByteArray reinoUnido(const Sorteos& v)
{
    QByteArray r = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Lucky Star 1,Lucky Star 2,UK Millionaire Maker,"
                   "European Millionaire Maker,DrawNumber\n";
    for (auto it = v.rbegin(); it != v.rend(); ++it) {
        const QDate d = fechas::fechaDeDia(it->fecha);
        r += QLocale(QLocale::English).toString(d, QStringLiteral("dd-MMM-yyyy")).toLatin1();
        for (std::int16_t n : it->num)
            r += ',' + QByteArray::number(n);
        r += ",\"ABCD1,ABCD2\",\"\",1992\n";
    }
    return r;
}

QByteArray belgica(const Sorteos& v)
{
    QByteArray r = "\xEF\xBB\xBF"
                   "Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Ster 1;Ster 2\r\n";
    for (auto it = v.rbegin(); it != v.rend(); ++it) {
        r += fechas::fechaDeDia(it->fecha).toString(Qt::ISODate).toLatin1() + " 00:00:00.0000000";
        for (std::int16_t n : it->num)
            r += ';' + QByteArray::number(n);
        r += "\r\n";
    }
    return r;
}

// Belgium's prizes: rank n pays n·1000 euros and 59 cents, rounded down to 0.10 €.
QByteArray premiosBelgica(const Sorteos& v)
{
    QByteArray r = "Datum;Spelers;Inzet";
    for (int n = 1; n <= 13; ++n)
        r += ";P-R" + QByteArray::number(n) + ";W-R" + QByteArray::number(n);
    r += "\r\n";
    for (const RegSorteo& x : v) {
        r += fechas::fechaDeDia(x.fecha).toString(Qt::ISODate).toLatin1() + ";1000;2500,00";
        for (int n = 1; n <= 13; ++n)
            r += ";2;" + QByteArray::number(n * 1000) + ",5";
        r += "\r\n";
    }
    return r;
}

QByteArray austria(const Sorteos& v)
{
    QByteArray r = "EuroMillionen Ziehungsergebnisse f\xFCr das Jahr\r\n";
    for (auto it = v.rbegin(); it != v.rend(); ++it) {
        const QDate d = fechas::fechaDeDia(it->fecha);
        static const char* const dias[] = {"Mo. ", "Di. ", "Mi. ", "Do. ", "Fr. ", "Sa. ", "So. "};
        r += dias[d.dayOfWeek() - 1] + d.toString(QStringLiteral("dd.MM.yyyy")).toLatin1();
        for (std::int16_t n : it->num)
            r += ';' + QByteArray::number(n);
        r += ";\r\n";
    }
    return r;
}

// The third-party service: rank n pays n·1000 euros and 59 cents.
QByteArray api(const Sorteos& v)
{
    static constexpr std::array<std::pair<int, int>, 13> rangos = {
        {{5, 2}, {5, 1}, {5, 0}, {4, 2}, {4, 1}, {3, 2}, {4, 0}, {2, 2}, {3, 1}, {3, 0}, {1, 2}, {2, 1}, {2, 0}}};
    QByteArrayList sorteos;
    for (const RegSorteo& x : v) {
        QByteArray o = "{\"id\": 1, \"date\": \"" + fechas::fechaDeDia(x.fecha).toString(Qt::ISODate).toLatin1() + "\", \"numbers\": [";
        for (int i = 0; i < 5; ++i)
            o += (i ? ", \"" : "\"") + QByteArray::number(x.num[static_cast<std::size_t>(i)]) + '"';
        o += "], \"stars\": [\"" + QByteArray::number(x.num[5]) + "\", \"" + QByteArray::number(x.num[6]) + "\"], \"prizes\": [";
        for (std::size_t n = 0; n < rangos.size(); ++n)
            o += (n ? ", " : "") + QByteArray("{\"matched_numbers\": ") + QByteArray::number(rangos[n].first) +
                 ", \"matched_stars\": " + QByteArray::number(rangos[n].second) + ", \"prize\": " +
                 QByteArray::number(static_cast<int>(n + 1) * 1000) + ".59, \"winners\": 3}";
        sorteos << o + "]}";
    }
    return "[" + sorteos.join(", ") + "]";
}

const QDate hoy(2026, 12, 8);
const RegSorteo martes = s({2026, 12, 1}, {2, 4, 6, 8, 10, 1, 2});
const RegSorteo viernes = s({2026, 12, 4}, {1, 7, 23, 40, 50, 3, 9});
const RegSorteo otroViernes = s({2026, 12, 4}, {1, 7, 23, 40, 49, 3, 9});
const RegSorteo miercoles = s({2026, 12, 2}, {1, 2, 3, 4, 5, 1, 2});
const RegSorteo jueves = s({2026, 12, 3}, {11, 22, 33, 44, 45, 5, 6}); // Friday's draw, moved
const RegSorteo esta = s({2026, 12, 8}, {3, 13, 23, 33, 43, 7, 8});    // tonight's

constexpr const char* pathUk = "/results/euromillions/draw-history/csv";
constexpr const char* pathAt = "/media/NN_W2D_STAT_EUML_2026.csv";
constexpr const char* pathBe = "/legal-reports/euromillions-gamedata-NL-2026.csv";
constexpr const char* pathBeP = "/legal-reports/euromillions-financialdata-NL-2026.csv";
constexpr const char* pathApi = "/v1/draws";
constexpr const char* pathFdj = "/anonymous/service-draw-info/v3/documentations/1a2b3c4d-9876-4562-b3fc-2c963f66afe6";

ServidorPrueba::Respuesta bien(const QByteArray& cuerpo) { return {200, cuerpo, {}, false, false}; }
const ServidorPrueba::Respuesta mudo{200, {}, {}, true, false};

// One update of `ruta` on `hoy`, every source served by `servidor` with
// `rutas` (Spain's service refusing it).
void actualizaCon(ServidorPrueba& servidor, const std::map<QString, ServidorPrueba::Respuesta>& rutas,
                  const QString& ruta, PantallaGrabada& pantalla)
{
    servidor.pon("/servicios/buscadorSorteos", {403, "<html>Access denied</html>", {}, false, false});
    for (const auto& [r, respuesta] : rutas)
        servidor.pon(r, respuesta);
    qputenv("BOLVERA_OPERADOR_URL", servidor.url().toUtf8());
    qputenv("BOLVERA_FUENTES_URL", servidor.url().toUtf8());
    RedQt red(1500, RedQt::topePorDefecto, 3000);
    QTimer timer;
    timer.setInterval(100);
    Actualizacion a(red, pantalla, ruta, &timer);
    a.ponPlazoFuentes(2500);
    const auto guardados = ficheroregistros::leeTodos<RegSorteo>(ruta + "numeros.dat");
    const int antes = pantalla.terminadas;
    a.empieza(hoy, guardados.back().fecha);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pantalla.terminadas > antes; }, 20000));
    qunsetenv("BOLVERA_OPERADOR_URL");
    qunsetenv("BOLVERA_FUENTES_URL");
}

TEST(Fuentes, theUpdateTakesWhatTwoSourcesConfirm)
{
    struct Caso
    {
        const char* que;
        std::map<QString, ServidorPrueba::Respuesta> rutas;
        Sorteos guardados; // after the two stored ones
        QString mensaje;    // the start of the first box; empty for none
        QString label6;     // the status line's end
        bool exito = true;
        bool otroDia = false; // "Sorteo en otro día" asked…
        bool acepta = false;  // …and answered
        QString pedida = {};  // a path that must have been asked
    };
    const QString fin = QStringLiteral("TRANSFERENCIA FINALIZADA (confirmados por ");
    const Caso casos[] = {
        {"two agree on both new draws",
         {{pathUk, bien(reinoUnido({martes, viernes}))}, {pathAt, bien(austria({martes, viernes}))}},
         {martes, viernes}, {}, fin + "Reino Unido y Austria)"},
        {"Belgium, with BOM and CRLF, and the service: amounts kept",
         {{pathBe, bien(belgica({martes, viernes}))}, {pathBeP, bien(premiosBelgica({martes, viernes}))},
          {pathApi, bien(api({martes, viernes}))}},
         {martes, viernes}, {}, fin + "Bélgica y servicio de terceros)"},
        {"only one has the newest",
         {{pathUk, bien(reinoUnido({martes, viernes}))}, {pathAt, bien(austria({martes}))}},
         {martes}, "Sorteo sin confirmar | El sorteo del 04/12/2026", fin + "Reino Unido y Austria)"},
        {"two disagree: nothing from that date on",
         {{pathUk, bien(reinoUnido({martes, viernes}))}, {pathAt, bien(austria({martes, otroViernes}))},
          {pathApi, bien(api({martes, viernes}))}},
         {martes}, "Sorteo sin confirmar | El sorteo del 04/12/2026", fin + "Reino Unido, Austria y servicio de terceros)"},
        // One odd row is that row's problem, never its source's.
        {"a Wednesday draw in one source alone",
         {{pathUk, bien(reinoUnido({martes, viernes}))}, {pathAt, bien(austria({martes, miercoles, viernes}))},
          {pathApi, bien(api({martes, viernes}))}},
         {martes, viernes}, {}, fin + "Reino Unido, Austria y servicio de terceros)"},
        {"a draw dated after today in one source",
         {{pathUk, bien(reinoUnido({martes, viernes, s({2026, 12, 11}, {1, 2, 3, 4, 5, 6, 7})}))},
          {pathAt, bien(austria({martes, viernes}))}},
         {martes, viernes}, {}, fin + "Reino Unido y Austria)"},
        {"a hole: nobody has the first new draw",
         {{pathUk, bien(reinoUnido({viernes}))}, {pathAt, bien(austria({viernes}))}},
         {}, "Sorteo sin confirmar | El sorteo del 01/12/2026", "TRANSFERENCIA FINALIZADA", false},
        {"a damaged ZIP and a 404 year leave the others",
         {{pathFdj, bien("PK\x03\x04 esto no es un zip")}, {pathBe, {404, "no", {}, false, false}},
          {pathUk, bien(reinoUnido({martes, viernes}))}, {pathApi, bien(api({martes, viernes}))}},
         {martes, viernes}, {}, fin + "Reino Unido y servicio de terceros)"},
        {"a 429 from the service", {{pathApi, {429, "despacio", {}, false, false}}, {pathUk, bien(reinoUnido({martes, viernes}))}},
         {}, "Sorteo sin confirmar | El sorteo del 01/12/2026", "TRANSFERENCIA FINALIZADA", false},
        {"every source silent: the old pages, silent too",
         {{pathUk, mudo}, {pathAt, mudo}, {pathBe, mudo}, {pathApi, mudo}, {pathFdj, mudo},
          {"/jeux-de-tirage/euromillions-my-million/historique", mudo}, {"/es/buscador", mudo}},
         {}, "Error de conexión | Problemas con el servidor", {}, false},
        // The night of the draw one source is first: try later, no failure.
        {"tonight's draw in one source only",
         {{pathUk, bien(reinoUnido({martes, viernes}))}, {pathAt, bien(austria({martes, viernes}))},
          {pathApi, bien(api({martes, viernes, esta}))}},
         {martes, viernes}, "Pruebe más tarde | Sólo una fuente (servicio de terceros) tiene todavía el sorteo del 08/12/2026",
         fin + "Reino Unido, Austria y servicio de terceros)"},
        // A draw moved to another day, in every source: the user decides, and
        // the draws before it go in either way.
        {"a moved draw, not taken",
         {{pathUk, bien(reinoUnido({martes, jueves}))}, {pathAt, bien(austria({martes, jueves}))}},
         {martes}, {}, fin + "Reino Unido y Austria)", false, true, false},
        {"a moved draw, taken",
         {{pathUk, bien(reinoUnido({martes, jueves}))}, {pathAt, bien(austria({martes, jueves}))}},
         {martes, jueves}, {}, fin + "Reino Unido y Austria)", true, true, true},
        // France's archives page without the link, or with one that fails:
        // the file known when this was written.
        {"France's page without a link",
         {{"/jeux-de-tirage/euromillions-my-million/historique", bien("<html><a href=\"/x\">x</a></html>")},
          {pathUk, bien(reinoUnido({martes, viernes}))}, {pathAt, bien(austria({martes, viernes}))}},
         {martes, viernes}, {}, fin + "Reino Unido y Austria)", true, false, false, pathFdj},
        {"France's link broken",
         {{"/jeux-de-tirage/euromillions-my-million/historique",
           bien("<a download=\"euromillions_202612\" href=\"/d/roto\">zip</a>")},
          {pathUk, bien(reinoUnido({martes, viernes}))}, {pathAt, bien(austria({martes, viernes}))}},
         {martes, viernes}, {}, fin + "Reino Unido y Austria)", true, false, false, pathFdj},
    };
    for (const Caso& c : casos) {
        QTemporaryDir dir;
        const QString ruta = dir.path() + u'/';
        const Sorteos antes = {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})};
        datos::escribeSorteos(dir.filePath("numeros.dat"), antes);
        datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("A", "Todos", {2020, 1, 1}, {{1, 7, 23, 40, 50, 3, 9}})});
        datos::escribeBytes(dir.filePath("www2.txt"), "\"el informe de antes\"\r\n");
        ServidorPrueba servidor;
        PantallaGrabada pantalla;
        pantalla.respuesta = c.acepta;
        actualizaCon(servidor, c.rutas, ruta, pantalla);
        // The saved report goes only when newer draws came without it.
        EXPECT_EQ(datos::leeBytes(dir.filePath("www2.txt")) == paginas::guardada({}), !c.guardados.empty()) << c.que;

        Sorteos esperados = antes;
        esperados.insert(esperados.end(), c.guardados.begin(), c.guardados.end());
        EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(dir.filePath("numeros.dat")), esperados) << c.que;
        // numeros.bak is the history before an import: an update never replaces it.
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("numeros.bak"))) << c.que;
        if (c.mensaje.isEmpty())
            EXPECT_TRUE(pantalla.mensajes.isEmpty()) << c.que << ": " << qPrintable(pantalla.mensajes.join(u'\n'));
        else
            EXPECT_TRUE(pantalla.mensajes.value(0).startsWith(c.mensaje))
                << c.que << ": " << qPrintable(pantalla.mensajes.join(u'\n'));
        ASSERT_FALSE(pantalla.label6.isEmpty()) << c.que;
        EXPECT_EQ(datos::ultimo(pantalla.label6), c.label6) << c.que;
        EXPECT_EQ(pantalla.fin.exito, c.exito) << c.que;
        EXPECT_EQ(pantalla.preguntas.size(), c.otroDia ? 1 : 0) << c.que;
        if (c.otroDia) {
            EXPECT_TRUE(pantalla.preguntas.value(0).startsWith(QStringLiteral(
                "Sorteo en otro día | Según Reino Unido y Austria, hubo sorteo el 03/12/2026 (jueves, no martes ni viernes)")))
                << qPrintable(pantalla.preguntas.value(0));
        }
        if (!c.pedida.isEmpty()) {
            EXPECT_FALSE(servidor.pedidas.filter(c.pedida).isEmpty()) << c.que;
        }
        // Whatever was stored is counted by the update itself, when it got
        // that far: the peña plays Friday's draw, 5+2.
        const auto penas = ficheroregistros::leeTodos<RegPena>(dir.filePath("apuestas.dat"));
        EXPECT_EQ(penas.at(0).contado, c.label6.isEmpty() ? 0 : esperados.back().fecha) << c.que;
        EXPECT_EQ(penas.at(0).aciertos[0], std::count(c.guardados.begin(), c.guardados.end(), viernes)) << c.que;
        if (QByteArray(c.que).startsWith("Belgium")) {
            // The service's cents, backed by Belgium's figure rounded down: 1000,59 € is 1000,50 €.
            const RegPremios r = premios::lee(ruta).porFecha[viernes.fecha];
            EXPECT_EQ(r.fuente, RegPremios::Fuente::Europea);
            EXPECT_EQ(r.centimos[0], 100059); // 5+2, rank 1
            EXPECT_EQ(r.centimos[5], 700059); // 4+0 is rank 7
            EXPECT_EQ(r.ganadores[0], -1);
        }
        if (QByteArray(c.que).startsWith("two disagree")) {
            EXPECT_TRUE(pantalla.mensajes.value(0).contains(QStringLiteral("Reino Unido: 1 7 23 40 50 + 3 9")));
            EXPECT_TRUE(pantalla.mensajes.value(0).contains(QStringLiteral("Austria: 1 7 23 40 49 + 3 9")));
        }
    }
}

// Amounts the third-party service could not give with the draws (it asked
// to wait) are taken by a later update, for the stored draws that lack them.
TEST(Fuentes, amountsMissedWithTheDrawsComeWithALaterUpdate)
{
    QTemporaryDir dir;
    const QString ruta = dir.path() + u'/';
    datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})});
    ServidorPrueba servidor;
    PantallaGrabada pantalla;
    std::map<QString, ServidorPrueba::Respuesta> rutas = {
        {pathBe, bien(belgica({martes, viernes}))}, {pathBeP, bien(premiosBelgica({martes, viernes}))},
        {pathUk, bien(reinoUnido({martes, viernes}))}, {pathApi, {429, "despacio", {}, false, false}}};
    actualizaCon(servidor, rutas, ruta, pantalla);
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(dir.filePath("numeros.dat")).size(), 4u);
    EXPECT_TRUE(premios::lee(ruta).porFecha.empty());

    // Spain's service answers now, without a breakdown yet: the others give it.
    rutas[pathApi] = bien(api({martes, viernes}));
    rutas["/servicios/buscadorSorteos"] = bien("[{\"fecha_sorteo\": \"2026-12-04\", \"combinacion\": \"1 7 23 40 50 3 9\"}, "
                                               "{\"fecha_sorteo\": \"2026-12-01\", \"combinacion\": \"2 4 6 8 10 1 2\"}]");
    actualizaCon(servidor, rutas, ruta, pantalla);
    EXPECT_EQ(pantalla.label6.value(pantalla.label6.size() - 1), QStringLiteral("TRANSFERENCIA FINALIZADA (servicio de resultados)"));
    const auto importes = premios::lee(ruta).porFecha;
    ASSERT_TRUE(importes.contains(viernes.fecha)) << qPrintable(pantalla.mensajes.join(u'\n'));
    EXPECT_EQ(importes.at(viernes.fecha).centimos[0], 100059);
    EXPECT_TRUE(importes.contains(martes.fecha));
    EXPECT_TRUE(pantalla.fin.exito);
}

// What the sources' answers confirm, without a server: the run, where it
// stops and why, and the amounts of stored draws.
TEST(Confirmacion, theRunStopsWhereTwoSourcesNoLongerAgree)
{
    const auto fuente = [](fuentes::Id id, Sorteos v, bool conImportes = false) {
        fuentes::Respuesta r;
        r.id = id;
        r.lectura.disponible = true;
        for (const RegSorteo& x : v) {
            fuentes::SorteoFuente sf{x};
            if (conImportes)
                sf.centimos[0] = 100059; // 5+2: the service's cents...
            if (conImportes && id != fuentes::Id::Api)
                sf.centimos[0] = 100050; // ...an official's rounded down
            r.lectura.sorteos.push_back(sf);
        }
        return r;
    };
    using fuentes::Id;
    const RegSorteo viejo = s({2026, 11, 27}, {1, 2, 3, 4, 5, 1, 2});
    const double ultima = viejo.fecha;
    struct Caso
    {
        const char* que;
        std::vector<fuentes::Respuesta> respuestas;
        std::vector<double> otrosDias; // taken by the user
        Sorteos nuevos;
        QDate sinConfirmar, pendiente, otroDia;
        std::size_t premios = 0;
    };
    const Caso casos[] = {
        {"two agree on both", {fuente(Id::ReinoUnido, {martes, viernes}), fuente(Id::Austria, {martes, viernes})}, {},
         {martes, viernes}, {}, {}, {}},
        // Tuesday's draw moved to Wednesday and taken: Friday is still a hole.
        {"a moved draw stands for its own day only", {fuente(Id::ReinoUnido, {miercoles}), fuente(Id::Austria, {miercoles})},
         {miercoles.fecha}, {miercoles}, {2026, 12, 4}, {}, {}},
        {"a moved draw not taken yet", {fuente(Id::ReinoUnido, {miercoles, viernes}), fuente(Id::Austria, {miercoles, viernes})},
         {}, {}, {}, {}, {2026, 12, 2}},
        {"tonight's in one source", {fuente(Id::ReinoUnido, {martes, viernes, esta}), fuente(Id::Austria, {martes, viernes})},
         {}, {martes, viernes}, {}, {2026, 12, 8}, {}},
        {"one source alone, days ago", {fuente(Id::ReinoUnido, {martes}), fuente(Id::Austria, {})}, {}, {}, {2026, 12, 1}, {}, {}},
        // The amounts of a stored draw, backed by an official; none for one the service lacks.
        {"amounts of the stored draw", {fuente(Id::Api, {viejo}, true), fuente(Id::Belgica, {viejo}, true)}, {}, {},
         {2026, 12, 1}, {}, {}, 1},
        {"no amounts the service lacks", {fuente(Id::Api, {s({2026, 11, 20}, {1, 2, 3, 4, 5, 1, 2})}, true), fuente(Id::Belgica, {viejo}, true)},
         {}, {}, {2026, 12, 1}, {}, {}, 0},
    };
    for (const Caso& c : casos) {
        const fuentes::Confirmacion r = fuentes::confirma(c.respuestas, ultima, hoy, {{viejo}, c.otrosDias});
        EXPECT_EQ(r.nuevos, c.nuevos) << c.que;
        EXPECT_EQ(r.sinConfirmar, c.sinConfirmar) << c.que;
        EXPECT_EQ(r.pendiente, c.pendiente) << c.que;
        EXPECT_EQ(r.otroDia ? fechas::fechaDeDia(r.otroDia->fecha) : QDate(), c.otroDia) << c.que;
        EXPECT_EQ(r.premios.size(), c.premios) << c.que;
    }
    EXPECT_EQ(fuentes::prevision(casos[0].respuestas, ultima, hoy),
              QStringLiteral("Una actualización añadiría ahora 2 sorteos (del 01/12/2026 al 04/12/2026), confirmados por "
                             "Reino Unido y Austria."));
}

} // namespace
