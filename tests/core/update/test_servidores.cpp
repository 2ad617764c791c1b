#include "core/platform/redqt.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "support/datos.h"
#include "support/paginas.h"
#include "support/pantalla.h"
#include "support/servidor.h"
#include "core/checking/comprobacion.h"
#include "core/store/fechas.h"
#include "core/store/premios.h"
#include "core/store/validacion.h"
#include "core/update/actualizacion.h"
#include "core/update/informe.h"
#include "core/update/servicio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

// The operator and the other sources on the test's own server; none after.
void sirveTodo(const ServidorPrueba& servidor)
{
    qputenv("BOLVERA_OPERADOR_URL", servidor.url().toUtf8());
    qputenv("BOLVERA_FUENTES_URL", servidor.url().toUtf8());
}
void sirveTodo()
{
    qunsetenv("BOLVERA_OPERADOR_URL");
    qunsetenv("BOLVERA_FUENTES_URL");
}

const QString noOnlae = QStringLiteral(
    "Error de conexión | No conectado: Compruebe la conexión a internet. Si es correcta, pruebe más tarde ya "
    "que no es posible conectar con el servidor de ONLAE.");
const QString corruptos = QStringLiteral(
    "Error crítico | ¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este mismo error, "
    "posiblemente se ha de actualizar el programa. Pruebe más tarde.");
const QString nadaNuevo = QStringLiteral("Pruebe más tarde | Todavía no hay sorteos nuevos.");
const QString tarda = QStringLiteral("Error de conexión | Problemas con el servidor. Tarda en responder. Pruebe más tarde...");
const QString ilegible = QStringLiteral(
    "Error de conexión | No se han podido leer los resultados: lo recibido no es la página de resultados. "
    "Pruebe más tarde.");

// Every way a server can fail: each ends with the right message and leaves
// the user's files as they were.
TEST(ServidoresHostiles, eachEndsInItsMessageAndTouchesNoFile)
{
    QByteArray basura(50 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < basura.size(); ++i)
        basura[i] = static_cast<char>((i * 7919) % 251);
    QByteArray marcas = "<html>";
    for (int i = 0; i < 5000; ++i)
        marcas += "celebrado del x; <br>";
    marcas += QByteArray(4000, ' ') + "<!-- while -->";
    QByteArray utf8Roto = "<html>\xff\xfe\xc3(\x80\x80 do del \xe2\x28\xa1; 4 de \xf0\x28\x8c\xbc de 2026<" +
                          QByteArray(5000, '\xff') + "<!-- while -->";

    // The service and the other sources answer 404 on the same server: a
    // results page that fails too is named with the rest, each with its answer.
    const auto ningunaDa = [](const char* paginas) {
        return QStringLiteral("Fuentes de resultados | Ninguna fuente ha dado los sorteos nuevos. Esto es lo que ha "
                              "respondido cada una:\n\nServicio de resultados: error 404 del servidor\nFrancia: error "
                              "404 del servidor\nBélgica: no tiene todavía el fichero de 2026\nReino Unido: error 404 "
                              "del servidor\nAustria: no tiene todavía el fichero de 2026\nServicio de terceros: error "
                              "404 del servidor\nPáginas de resultados: %1\n\nPruebe más tarde.")
            .arg(QString::fromUtf8(paginas));
    };
    struct Caso
    {
        const char* que;
        ServidorPrueba::Respuesta respuesta;
        QString mensaje;
    };
    const Caso casos[] = {
        // Connected at once, then silent: slow, not unreachable.
        {"no answer", {200, {}, {}, true, false}, tarda},
        {"301 to another host", {301, {}, "https://otro.example/buscador", false, false},
         ningunaDa("remite a otra dirección, que no se sigue")},
        {"404", {404, "<html>no</html>", {}, false, false}, ningunaDa("error 404 del servidor")},
        {"500", {500, "<html>error interno del servidor</html>", {}, false, false}, ningunaDa("error 500 del servidor")},
        {"an HTML error page", {200, "<html><body>" + QByteArray(5000, 'e') + "</body></html>", {}, false, false}, ilegible},
        {"an empty body", {200, {}, {}, false, false}, noOnlae},
        {"a truncated body", {200, QByteArray(300, 'a'), {}, false, true}, tarda},
        {"50 MiB of garbage", {200, basura, {}, false, false}, ningunaDa("la respuesta es demasiado grande")},
        {"thousands of do del markers", {200, marcas, {}, false, false}, corruptos},
        {"invalid UTF-8", {200, utf8Roto, {}, false, false}, corruptos},
        {"a short page", {200, "<html>hola</html>", {}, false, false}, noOnlae},
        {"a page without draws", {200, "<html>" + QByteArray(2000, ' ') + "</html>", {}, false, false}, ilegible},
        {"a login page", {200, "<html><form>Inicie sesión</form>" + QByteArray(3000, ' ') + "</html>", {}, false, false}, ilegible},
    };
    for (const Caso& c : casos) {
        QTemporaryDir dir;
        const QString ruta = dir.path() + u'/';
        datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})});
        datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("A", "Todos", {2020, 1, 1})});
        datos::escribeBytes(dir.filePath("www.txt"), "\"anterior\"\r\n");
        datos::escribeBytes(dir.filePath("www2.txt"), "\"anterior\"\r\n");
        datos::escribeBytes(dir.filePath("ovk.pdf"), "%PDF anterior");
        datos::escribeBytes(dir.filePath("informe.dat"), "noticias anteriores");
        QMap<QString, QByteArray> antes;
        for (const char* f : {"numeros.dat", "apuestas.dat", "www.txt", "www2.txt", "ovk.pdf", "informe.dat"})
            antes[QString::fromLatin1(f)] = datos::leeBytes(dir.filePath(f));

        ServidorPrueba servidor;
        servidor.pon("/es/buscador", c.respuesta);
        sirveTodo(servidor);
        RedQt red(3000);
        QTimer timer;
        timer.setInterval(400); // the fifth tick, 2 s: long after any answer that comes
        PantallaGrabada pantalla;
        Actualizacion a(red, pantalla, ruta, &timer);
        a.empieza(QDate(2026, 12, 8), datos::sorteo({2026, 11, 27}).fecha);
        // The event loop keeps turning: the window would stay responsive.
        EXPECT_TRUE(QTest::qWaitFor([&] { return pantalla.terminadas > 0; }, 20000)) << c.que;
        sirveTodo();

        ASSERT_FALSE(pantalla.mensajes.isEmpty()) << c.que;
        EXPECT_EQ(datos::elemento(pantalla.mensajes, 0), c.mensaje) << c.que;
        for (auto it = antes.begin(); it != antes.end(); ++it) {
            EXPECT_EQ(datos::leeBytes(dir.filePath(it.key())), it.value()) << c.que << " " << qPrintable(it.key());
        }
    }
}

// A data directory with two stored draws, one peña and saved pages, and what
// each file held before the update.
struct Carpeta
{
    Carpeta()
    {
        datos::escribeSorteos(dir.filePath("numeros.dat"), {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})});
        datos::escribePenas(dir.filePath("apuestas.dat"), {datos::pena("A", "Todos", {2020, 1, 1}, {{1, 7, 23, 40, 50, 3, 9}})});
        datos::escribeBytes(dir.filePath("www.txt"), "\"anterior\"\r\n");
        datos::escribeBytes(dir.filePath("www2.txt"), "\"anterior\"\r\n");
        for (const char* f : {"numeros.dat", "apuestas.dat", "www.txt", "www2.txt"})
            antes[QString::fromLatin1(f)] = datos::leeBytes(dir.filePath(f));
    }
    QString ruta() const { return dir.path() + u'/'; }
    QTemporaryDir dir;
    QMap<QString, QByteArray> antes;
};

paginas_prueba::Entrada entrada(QDate fecha, std::array<std::int16_t, 7> num = {40, 7, 23, 1, 50, 9, 3})
{
    return {fecha, num, QStringLiteral("ID%1").arg(fecha.day()), {}, {}};
}

TEST(ServidoresHostiles, aWrongDrawInTheBatchAppendsNothing)
{
    using E = std::vector<paginas_prueba::Entrada>;
    struct Caso
    {
        const char* que;
        E entradas;
    };
    const Caso casos[] = {
        {"oldest first", {entrada({2026, 12, 1}), entrada({2026, 12, 4}), entrada({2026, 11, 27})}},
        {"a repeated date", {entrada({2026, 12, 4}), entrada({2026, 12, 4}), entrada({2026, 11, 27})}},
        {"two draws on one date", {entrada({2026, 12, 4}), entrada({2026, 12, 4}, {1, 2, 3, 4, 5, 1, 2}), entrada({2026, 11, 27})}},
        {"a future date", {entrada({2026, 12, 11}), entrada({2026, 12, 4}), entrada({2026, 11, 27})}},
        {"a Wednesday", {entrada({2026, 12, 4}), entrada({2026, 12, 2}), entrada({2026, 11, 27})}},
        {"repeated stars", {entrada({2026, 12, 4}, {1, 2, 3, 4, 5, 5, 5}), entrada({2026, 11, 27})}},
        {"repeated numbers", {entrada({2026, 12, 4}, {7, 7, 20, 30, 40, 1, 2}), entrada({2026, 11, 27})}},
        {"star 13", {entrada({2026, 12, 4}, {1, 2, 3, 4, 5, 1, 13}), entrada({2026, 11, 27})}},
    };
    for (const Caso& c : casos) {
        Carpeta carpeta;
        ServidorPrueba servidor;
        servidor.pon("/es/buscador", {200, paginas_prueba::resultados(c.entradas), {}, false, false});
        sirveTodo(servidor);
        RedQt red(5000);
        QTimer timer;
        timer.setInterval(20);
        PantallaGrabada pantalla;
        Actualizacion a(red, pantalla, carpeta.ruta(), &timer);
        a.empieza(QDate(2026, 12, 8), datos::sorteo({2026, 11, 27}).fecha);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pantalla.terminadas > 0; }, 10000)) << c.que;
        sirveTodo();
        EXPECT_EQ(pantalla.mensajes, QStringList{corruptos}) << c.que;
        EXPECT_TRUE(pantalla.comprobados.isEmpty()) << c.que;
        EXPECT_TRUE(servidor.pedidas.filter(QStringLiteral("/es/euromillones/sorteos/")).isEmpty()) << c.que; // no draw page
        for (auto it = carpeta.antes.begin(); it != carpeta.antes.end(); ++it)
            EXPECT_EQ(datos::leeBytes(carpeta.dir.filePath(it.key())), it.value()) << c.que << " " << qPrintable(it.key());
    }

    // Star 12 is no star before 27 September 2016.
    EXPECT_TRUE(validacion::sorteo(datos::sorteo({2015, 11, 6}, {1, 2, 3, 4, 5, 1, 12})).has_value());
    EXPECT_TRUE(validacion::sorteo(datos::sorteo({2010, 11, 5}, {1, 2, 3, 4, 5, 1, 10})).has_value());
    EXPECT_TRUE(validacion::sorteo(datos::sorteo({2011, 5, 6}, {1, 2, 3, 4, 5, 1, 9})) == std::nullopt);
    EXPECT_TRUE(validacion::sorteo(datos::sorteo({2011, 5, 3}, {1, 2, 3, 4, 5, 1, 9})).has_value()); // a Tuesday too soon
    EXPECT_TRUE(validacion::sorteo(datos::sorteo({2016, 9, 27}, {1, 2, 3, 4, 5, 1, 12})) == std::nullopt);
}

// A server that sends a byte now and then: each download ends by its
// deadline, and the draws already appended are counted all the same.
TEST(ServidoresLentos, eachDownloadEndsWithinItsDeadline)
{
    const QByteArray resultados =
        paginas_prueba::resultados({entrada({2026, 12, 4}), entrada({2026, 12, 1}), entrada({2026, 11, 27})});
    std::array<QByteArray, 13> premios;
    premios.fill("7,50&nbsp;");
    const QByteArray sorteo = paginas_prueba::sorteo(premios, "/es/x/informe");
    constexpr int plazo = 1500;
    struct Caso
    {
        const char* que;
        bool resultadosLentos;
        bool sorteoLento;
        QString mensaje;
        std::size_t guardados;
    };
    const Caso casos[] = {
        {"results page", true, false, QStringLiteral("Error de conexión | Problemas con el servidor. Tarda en responder. Pruebe más tarde..."), 2},
        {"draw page", false, true, {}, 4},
    };
    for (const Caso& c : casos) {
        Carpeta carpeta;
        ServidorPrueba servidor;
        servidor.pon("/es/buscador", {200, resultados, {}, false, false, c.resultadosLentos ? 100 : 0});
        servidor.pon("/es/euromillones/sorteos/2026/ID4", {200, sorteo, {}, false, false, c.sorteoLento ? 100 : 0});
        sirveTodo(servidor);
        RedQt red(5000, RedQt::topePorDefecto, plazo);
        QTimer timer;
        timer.setInterval(20); // the fifth tick comes long before the deadline
        PantallaGrabada pantalla;
        Actualizacion a(red, pantalla, carpeta.ruta(), &timer);
        QElapsedTimer reloj;
        reloj.start();
        a.empieza(QDate(2026, 12, 8), datos::sorteo({2026, 11, 27}).fecha);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pantalla.terminadas > 0; }, 4 * plazo)) << c.que;
        EXPECT_LT(reloj.elapsed(), 3 * plazo) << c.que;
        sirveTodo();
        EXPECT_EQ(pantalla.mensajes.join(u'\n'), c.mensaje) << c.que;
        const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(carpeta.dir.filePath("numeros.dat"));
        EXPECT_EQ(sorteos.size(), c.guardados) << c.que;
        const auto penas = ficheroregistros::leeTodos<RegPena>(carpeta.dir.filePath("apuestas.dat"));
        EXPECT_EQ(datos::elemento(penas, 0).contado, sorteos.size() == 4 ? sorteos.back().fecha : 0) << c.que;
        if (sorteos.size() == 4) {
            EXPECT_EQ(datos::elemento(penas, 0).aciertos[0], 2) << c.que; // 5+2 on both new draws
        }
    }

    // The report's PDF.
    Carpeta carpeta;
    datos::escribeBytes(carpeta.dir.filePath("ovk.pdf"), "%PDF anterior");
    ServidorPrueba servidor;
    servidor.pon("/informe.pdf", {200, "%PDF-1.4 " + QByteArray(200, 'x'), {}, false, false, 100});
    RedQt red(5000, RedQt::topePorDefecto, plazo);
    bool acabada = false;
    QElapsedTimer reloj;
    reloj.start();
    std::unique_ptr<Descarga> d(bajaPdf(red, carpeta.ruta(), servidor.url() + "/informe.pdf", [&] { acabada = true; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return acabada; }, 4 * plazo));
    EXPECT_LT(reloj.elapsed(), 3 * plazo);
    EXPECT_FALSE(QFileInfo::exists(carpeta.dir.filePath("ovk.pdf")));
}

TEST(ServidoresHostiles, onlyAPdfIsStoredAsTheReport)
{
    for (const QByteArray& cuerpo : {QByteArray("<html>error</html>"), QByteArray("%PDF-1.4 informe")}) {
        Carpeta carpeta;
        ServidorPrueba servidor;
        servidor.pon("/informe.pdf", {200, cuerpo, {}, false, false});
        RedQt red(5000);
        bool acabada = false;
        std::unique_ptr<Descarga> d(bajaPdf(red, carpeta.ruta(), servidor.url() + "/x/../numeros.dat/../informe.pdf", [&] { acabada = true; }));
        ASSERT_TRUE(QTest::qWaitFor([&] { return acabada; }, 5000));
        EXPECT_EQ(QFileInfo::exists(carpeta.dir.filePath("ovk.pdf")), esPdf(cuerpo)) << cuerpo.constData();
        // Whatever the address names, only ovk.pdf is ever deleted or written.
        for (auto it = carpeta.antes.begin(); it != carpeta.antes.end(); ++it)
            EXPECT_EQ(datos::leeBytes(carpeta.dir.filePath(it.key())), it.value()) << qPrintable(it.key());
        EXPECT_EQ(QDir(carpeta.dir.path()).entryList(QDir::Files).size(), carpeta.antes.size() + (esPdf(cuerpo) ? 1 : 0));
    }
}

// One draw as the results service lists it: fields as strings, or as numbers
// where a number fits.
QByteArray sorteoJson(QDate fecha, const char* combinacion, bool numeros = false)
{
    const QByteArray id = numeros ? "1322202073" : "\"1322202073\"";
    const QByteArray premio = numeros ? "181127.33" : "\"181127.33\"";
    return "{\"id_sorteo\": " + id + ", \"fecha_sorteo\": \"" + fecha.toString(Qt::ISODate).toLatin1() +
           " 00:00:00\", \"dia_semana\": \"viernes\", \"combinacion\": \"" + combinacion +
           "\", \"escrutinio\": [{\"categoria\": 2, \"tipo\": \"2\u00aa       5      +      1\", \"premio\": " + premio +
           ", \"ganadores\": \"1\", \"ganadores_eu\": \"4\"}]}";
}

QString consulta(QDate desde, QDate hasta)
{
    return QStringLiteral("/servicios/buscadorSorteos?game_id=EMIL&celebrados=true&fechaInicioInclusiva=%1&fechaFinInclusiva=%2")
        .arg(desde.toString(QStringLiteral("yyyyMMdd")), hasta.toString(QStringLiteral("yyyyMMdd")));
}

TEST(Servicio, eachAnswerOfTheResultsServiceEndsAsItShould)
{
    const QByteArray dosNuevos = "[" + sorteoJson({2026, 12, 4}, "01 - 07 - 23 - 40 - 50 - 03 - 09") + ", " +
                                 sorteoJson({2026, 12, 1}, "02 - 04 - 06 - 08 - 10 - 01 - 02") + "]";
    // From the oldest stored draw of the last 60 days without amounts.
    const QString ventana = consulta({2026, 11, 24}, {2026, 12, 8});
    const QString fin = QStringLiteral("TRANSFERENCIA FINALIZADA (servicio de resultados)");
    struct Caso
    {
        const char* que;
        std::map<QString, ServidorPrueba::Respuesta> respuestas;
        QString mensaje;
        std::size_t guardados;
        QString label6;
        bool importe = true; // 4 Dec's 5+1 kept in premios.dat
    };
    QByteArray ceros = dosNuevos;
    ceros.replace("\"181127.33\"", "\"0.00\"");
    const Caso casos[] = {
        {"new draws in one answer", {{ventana, {200, dosNuevos, {}, false, false}}}, {}, 4, fin},
        // Zeros everywhere: published before the count, not "nobody won".
        {"a breakdown of zeros", {{ventana, {200, ceros, {}, false, false}}}, {}, 4, fin, false},
        // Answered at once, its list taking more than the 5 s: still the service.
        {"a list sent slowly", {{ventana, {200, dosNuevos, {}, false, false, 9}}}, {}, 4, fin},
        {"fields as numbers, in a data object",
         {{ventana, {200, "{\"data\": [" + sorteoJson({2026, 12, 4}, "1 7 23 40 50 3 9", true) + ", " +
                             sorteoJson({2026, 12, 1}, "2 4 6 8 10 1 2", true) + "]}", {}, false, false}}}, {}, 4, fin},
        {"no new draws: []", {{ventana, {200, "[]", {}, false, false}}}, nadaNuevo, 2, fin},
        {"no new draws: a string", {{ventana, {200, "\"No hay resultados\"", {}, false, false}}}, nadaNuevo, 2, fin},
        {"a malformed draw", {{ventana, {200, "[" + sorteoJson({2026, 12, 4}, "01 - 07 - 23 - 40 - 03 - 09") + "]", {}, false, false}}},
         corruptos, 2, QStringLiteral("TRANSFERENCIA FINALIZADA")},
        {"a draw inside the history that breaks the rule",
         {{ventana, {200, "[" + sorteoJson({2026, 11, 25}, "01 - 01 - 23 - 40 - 50 - 03 - 09") + "]", {}, false, false}}},
         corruptos, 2, QStringLiteral("TRANSFERENCIA FINALIZADA"), false},
        // Only the window asked is taken: a draw outside it is no answer to it.
        {"a draw dated after today", {{ventana, {200, "[" + sorteoJson({2026, 12, 11}, "01 - 07 - 23 - 40 - 50 - 03 - 09") + "]", {}, false, false}}},
         nadaNuevo, 2, fin},
        {"a draw before the first Euromillones", {{ventana, {200, "[" + sorteoJson({1999, 1, 1}, "01 - 07 - 23 - 40 - 50 - 03 - 09") + "]", {}, false, false}}},
         nadaNuevo, 2, fin},
        {"a stored draw's date outside the window", {{ventana, {200, "[" + sorteoJson({2026, 11, 24}, "01 - 07 - 23 - 40 - 50 - 03 - 09") + "]", {}, false, false}}},
         nadaNuevo, 2, fin},
        // A draw day the service lacks: nothing after it, so no prize is passed over.
        {"the newest without the one before", {{ventana, {200, "[" + sorteoJson({2026, 12, 4}, "01 - 07 - 23 - 40 - 50 - 03 - 09") + "]", {}, false, false}}},
         QStringLiteral("Faltan sorteos | Falta el sorteo del 01/12/2026 y no se ha encontrado en internet, así que no se "
                        "añaden los posteriores (sus premios no se contarían). Añádalo con «Añadir sorteo...» o «Importar "
                        "sorteos de un CSV...» del menú General y vuelva a bajar los sorteos."),
         2, fin},
        {"a bot block: the pages", {{ventana, {403, "<html>Access denied</html>", {}, false, false}},
                                    {"/es/buscador", {200, paginas_prueba::resultados({entrada({2026, 12, 4}), entrada({2026, 12, 1}), entrada({2026, 11, 27})}), {}, false, false}}},
         {}, 4, QStringLiteral("TRANSFERENCIA FINALIZADA"), false},
    };
    for (const Caso& c : casos) {
        Carpeta carpeta;
        ServidorPrueba servidor;
        for (const auto& [ruta, respuesta] : c.respuestas)
            servidor.pon(ruta, respuesta);
        sirveTodo(servidor);
        RedQt red(5000);
        QTimer timer;
        timer.setInterval(20);
        PantallaGrabada pantalla;
        Actualizacion a(red, pantalla, carpeta.ruta(), &timer);
        a.empieza(QDate(2026, 12, 8), datos::sorteo({2026, 11, 27}).fecha);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pantalla.terminadas > 0; }, 10000)) << c.que;
        sirveTodo();
        QTest::qWait(50);
        EXPECT_EQ(pantalla.terminadas, 1) << c.que; // however it ends, it ends once
        EXPECT_EQ(pantalla.mensajes.join(u'\n'), c.mensaje) << c.que;
        EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(carpeta.dir.filePath("numeros.dat")).size(), c.guardados) << c.que;
        ASSERT_FALSE(pantalla.label6.isEmpty()) << c.que;
        EXPECT_EQ(datos::ultimo(pantalla.label6), c.label6) << c.que;
        if (c.mensaje == corruptos) {
            EXPECT_EQ(datos::leeBytes(carpeta.dir.filePath("apuestas.dat")), carpeta.antes["apuestas.dat"]) << c.que;
        }
        // The breakdown of each new draw is kept in premios.dat: 5+1 known, the rest unknown.
        EXPECT_EQ(premios::lee(carpeta.ruta()).porFecha.contains(datos::sorteo({2026, 12, 4}).fecha),
                  c.guardados > 2 && c.importe) << c.que;
        if (c.guardados > 2 && c.importe) {
            const auto kept = premios::lee(carpeta.ruta()).porFecha;
            ASSERT_TRUE(kept.contains(datos::sorteo({2026, 12, 4}).fecha)) << c.que;
            const RegPremios& r = kept.at(datos::sorteo({2026, 12, 4}).fecha);
            EXPECT_EQ(r.centimos[1], 18112733) << c.que;
            EXPECT_EQ(r.ganadores[1], 1) << c.que;
            EXPECT_EQ(r.centimos[0], -1) << c.que;
            EXPECT_EQ(r.fuente, RegPremios::Fuente::Servicio) << c.que;
        }
    }
}

TEST(Servicio, thePrizeBreakdownIsKeptByHitsNotByPosition)
{
    // The operator's category 6 is 3+2, the program's 7; "tipo" wins over "categoria".
    const servicio::Respuesta r = servicio::lee(
        "[{\"id_sorteo\": 1322202073, \"fecha_sorteo\": \"2026-12-04 00:00:00\", \"combinacion\": \"1 7 23 40 50 9 3\","
        " \"escrutinio\": [{\"categoria\": 6, \"premio\": \"1.234,56\", \"ganadores\": 3},"
        " {\"categoria\": 1, \"tipo\": \"2\u00aa 5 + 1\", \"premio\": 181127.33, \"ganadores\": \"1\"},"
        " {\"categoria\": 1, \"tipo\": \"1\u00aa 5 + 2\", \"premio\": \"0.00\", \"ganadores\": \"0\"},"
        " {\"categoria\": 4, \"premio\": -5.0, \"ganadores\": 1}, {\"categoria\": 5, \"premio\": 1e300, \"ganadores\": 1},"
        " {\"categoria\": 7, \"premio\": \"100000000000000000000\", \"ganadores\": 1}]}]");
    ASSERT_EQ(r.estado, servicio::Respuesta::Estado::Sorteos);
    ASSERT_EQ(r.sorteos.size(), 1u);
    const servicio::SorteoServicio& s = r.sorteos[0];
    EXPECT_EQ(s.id, QStringLiteral("1322202073"));
    EXPECT_EQ(s.sorteo.num, (std::array<std::int16_t, 7>{1, 7, 23, 40, 50, 3, 9}));
    EXPECT_EQ(s.premios[6].centimos, 123456);
    EXPECT_EQ(s.premios[6].ganadores, 3);
    EXPECT_EQ(s.premios[1].centimos, 18112733);
    EXPECT_EQ(s.premios[0].centimos, 0); // nobody won: known, not unknown
    EXPECT_EQ(s.premios[12].centimos, -1);
    // Amounts that cannot be true are unknown, the others stay.
    EXPECT_EQ(s.premios[3].centimos, -1);
    EXPECT_EQ(s.premios[4].centimos, -1);
    EXPECT_EQ(s.premios[5].centimos, -1);
    EXPECT_EQ(servicio::lee("<html>403</html>").estado, servicio::Respuesta::Estado::NoDisponible);
    EXPECT_EQ(servicio::lee("{\"error\": 1}").estado, servicio::Respuesta::Estado::NoDisponible);
}

TEST(Servicio, yearlyWindowsFromTheNewestDrawAndTheMissingOnes)
{
    // Stored: 29 Nov 2024 and 6 Dec 2024 with 3 Dec 2024 missing; today 8 Dec 2026.
    Carpeta carpeta;
    datos::escribeSorteos(carpeta.dir.filePath("numeros.dat"), {datos::sorteo({2024, 11, 29}), datos::sorteo({2024, 12, 6})});
    ServidorPrueba servidor;
    const auto lista = [](QDate d, const char* c) { return ServidorPrueba::Respuesta{200, "[" + sorteoJson(d, c) + "]", {}, false, false}; };
    servidor.pon(consulta({2024, 12, 7}, {2025, 12, 6}), lista({2025, 6, 6}, "1 2 3 4 5 1 2"));
    servidor.pon(consulta({2025, 12, 7}, {2026, 12, 6}), lista({2026, 6, 5}, "1 2 3 4 5 1 2"));
    servidor.pon(consulta({2026, 12, 7}, {2026, 12, 8}), lista({2026, 12, 8}, "1 2 3 4 5 1 2"));
    servidor.pon(consulta({2024, 12, 3}, {2024, 12, 3}), lista({2024, 12, 3}, "6 7 8 9 10 1 2"));
    sirveTodo(servidor);
    RedQt red(5000);
    QTimer timer;
    PantallaGrabada pantalla;
    Actualizacion a(red, pantalla, carpeta.ruta(), &timer);
    a.empieza(QDate(2026, 12, 8), datos::sorteo({2024, 12, 6}).fecha);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pantalla.terminadas > 0; }, 10000));
    sirveTodo();
    EXPECT_EQ(servidor.pedidas.size(), 4);
    const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(carpeta.dir.filePath("numeros.dat"));
    std::vector<QDate> fechas;
    for (const RegSorteo& s : sorteos)
        fechas.push_back(fechas::fechaDeDia(s.fecha));
    // The missing draw is filled; the new ones would leave 10 Dec 2024 out,
    // so none of them is taken.
    EXPECT_EQ(fechas, (std::vector<QDate>{{2024, 11, 29}, {2024, 12, 3}, {2024, 12, 6}}));
    ASSERT_FALSE(pantalla.mensajes.isEmpty());
    EXPECT_TRUE(datos::elemento(pantalla.mensajes, 0).startsWith(QStringLiteral("Faltan sorteos | Falta el sorteo del 10/12/2024")));
}

} // namespace
