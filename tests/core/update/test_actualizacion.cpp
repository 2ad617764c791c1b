#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "support/datos.h"
#include "support/falsos.h"
#include "support/paginas.h"
#include "support/pantalla.h"
#include "core/update/actualizacion.h"
#include "core/update/informe.h"
#include "core/update/notificacion.h"
#include "core/store/paginas.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

using paginas_prueba::Entrada;

class Actualizar : public ::testing::Test
{
protected:
    Actualizar() : m_ruta(ficheros::calculaRuta(m_dir.path()))
    {
        qputenv("BOLVERA_OPERADOR_URL", "https://operador.example");
        m_timer.setInterval(5); // the program's second, made short
        datos::escribeSorteos(ruta("numeros.dat"), {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})});
    }
    ~Actualizar() override { qunsetenv("BOLVERA_OPERADOR_URL"); }

    QString ruta(const QString& nombre) const { return m_dir.filePath(nombre); }

    void pagina(const std::vector<Entrada>& entradas)
    {
        m_red.respuestas["/es/buscador"] = {paginas_prueba::resultados(entradas)};
    }
    static Entrada entrada(QDate fecha, std::array<std::int16_t, 7> num = {40, 7, 23, 1, 50, 9, 3})
    {
        return {fecha, num, QStringLiteral("ID%1").arg(fecha.day()), {}, {}};
    }
    // Runs an update on Tuesday 8 December 2026 until it ends.
    void actualiza(double ultima = -1)
    {
        const int antes = m_pantalla.terminadas;
        m_actualizacion.empieza(QDate(2026, 12, 8), ultima < 0 ? fechas::diaNumero(QDate(2026, 11, 27)) : ultima);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_pantalla.terminadas > antes; }, 5000));
    }
    std::vector<RegSorteo> guardados() const
    {
        return ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.dat"));
    }

    QTemporaryDir m_dir;
    QString m_ruta;
    QTimer m_timer;
    RedFalsa m_red;
    PantallaGrabada m_pantalla;
    Actualizacion m_actualizacion{m_red, m_pantalla, m_ruta, &m_timer};
};

TEST_F(Actualizar, appendsTheNewDrawsAndFetchesTheNewestDrawPage)
{
    pagina({entrada({2026, 12, 4}), entrada({2026, 12, 1}), entrada({2026, 11, 27})});
    const QByteArray pagSorteo = paginas_prueba::sorteo({}, "/es/x/informe");
    m_red.respuestas["/es/euromillones/sorteos/2026/ID4"] = {pagSorteo};
    actualiza();

    // The results service is asked first, from the oldest stored draw of the
    // last 60 days without amounts; it is not there (404): the other
    // sources, none there either (the archives page, then the known file,
    // and four more): the pages.
    ASSERT_EQ(m_red.pedidas.size(), 9);
    EXPECT_EQ(datos::elemento(m_red.pedidas, 0).toString(),
              QStringLiteral("https://operador.example/servicios/buscadorSorteos?game_id=EMIL&celebrados=true"
                             "&fechaInicioInclusiva=20261124&fechaFinInclusiva=20261208"));
    QStringList otras;
    for (int i = 1; i <= 6; ++i)
        otras << m_red.pedidas[i].host();
    otras.sort();
    EXPECT_EQ(otras, (QStringList{"euromillions.api.pedromealha.dev", "prdlnboppreportsst.blob.core.windows.net",
                                  "statics.win2day.at", "www.fdj.fr", "www.national-lottery.co.uk", "www.sto.api.fdj.fr"}));
    EXPECT_EQ(datos::elemento(m_red.pedidas, 7).toString(),
              QStringLiteral("https://operador.example/es/buscador?startDate=19/10/2026&gameId=02&type=search&endDate=08/12/2026"));
    const auto s = guardados();
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(datos::elemento(s, 2).fecha, fechas::diaNumero(QDate(2026, 12, 1)));
    EXPECT_EQ(datos::elemento(s, 3).fecha, fechas::diaNumero(QDate(2026, 12, 4)));
    EXPECT_EQ(datos::elemento(s, 3).num, (std::array<std::int16_t, 7>{1, 7, 23, 40, 50, 3, 9}));
    EXPECT_TRUE(m_pantalla.mensajes.isEmpty()) << qPrintable(m_pantalla.mensajes.join('\n'));
    EXPECT_EQ(m_pantalla.textoNuevos, QStringLiteral("2 sorteos"));
    EXPECT_EQ(m_pantalla.comprobados, QList<int>{2});
    EXPECT_EQ(m_pantalla.refrescos, 1);
    EXPECT_EQ(datos::ultimo(m_pantalla.label6), QStringLiteral("TRANSFERENCIA FINALIZADA"));
    EXPECT_EQ(m_pantalla.progreso, (QList<int>{1, 2, 3, 2, 2, 3, 4, 5})); // checked as soon as appended
    const qint64 bytes = paginas_prueba::resultados({entrada({2026, 12, 4}), entrada({2026, 12, 1}),
                                                     entrada({2026, 11, 27})}).size() + pagSorteo.size();
    EXPECT_EQ(m_pantalla.label58, QStringLiteral("%1 Bytes").arg(bytes));
    EXPECT_EQ(datos::leeBytes(ruta("www2.txt")), paginas::guardada(pagSorteo));
    EXPECT_TRUE(datos::leeBytes(ruta("www.txt")).startsWith("\"<html>"));
    EXPECT_TRUE(datos::leeBytes(ruta("www.txt")).endsWith("\"\r\n"));

    // A second update of the run fetches the page of its own newest draw,
    // never the report of the draw before.
    m_red.pedidas.clear();
    pagina({entrada({2026, 12, 8}), entrada({2026, 12, 4})});
    actualiza(fechas::diaNumero(QDate(2026, 12, 4)));
    ASSERT_EQ(m_red.pedidas.size(), 9);
    EXPECT_TRUE(datos::elemento(m_red.pedidas, 8).path().endsWith(QStringLiteral("/2026/ID8")));
}

TEST_F(Actualizar, aComputerDateBeforeTheNewestDrawStopsAtOnce)
{
    m_actualizacion.empieza(QDate(2026, 11, 20), fechas::diaNumero(QDate(2026, 11, 27)));
    EXPECT_TRUE(m_red.pedidas.isEmpty());
    ASSERT_EQ(m_pantalla.mensajes.size(), 1);
    EXPECT_TRUE(datos::elemento(m_pantalla.mensajes, 0).startsWith(QStringLiteral("Error de fechas | La fecha de tu ordenador parece incorrecta.")));
}

TEST_F(Actualizar, connectionFailures)
{
    const RedFalsa::Respuesta rechazada{{}, Descarga::Fallo::Conexion, false};
    const RedFalsa::Respuesta error404{"no encontrado", Descarga::Fallo::Http, false};
    struct Caso
    {
        const char* que;
        RedFalsa::Respuesta respuesta; // of the results page
        RedFalsa::Respuesta otras;     // of the service and every other source
        const char* mensaje;
        std::optional<RedFalsa::Respuesta> servicio = {}; // when not as the others
    };
    const Caso casos[] = {
        {"refused everywhere", rechazada, rechazada,
         "Error de conexión | No conectado: Compruebe la conexión a internet..."},
        // Servers that answered are no missing connection: each is named with its answer.
        {"refused, the others 404", rechazada, error404,
         "Fuentes de resultados | Ninguna fuente ha dado los sorteos nuevos. Esto es lo que ha respondido cada una:\n\n"
         "Servicio de resultados: error 404 del servidor\nFrancia: error 404 del servidor\n"
         "Bélgica: no tiene todavía el fichero de 2026\nReino Unido: error 404 del servidor\n"
         "Austria: no tiene todavía el fichero de 2026\nServicio de terceros: error 404 del servidor\n"
         "Páginas de resultados: no se ha podido conectar\n\nPruebe más tarde."},
        {"server error", {"<html>500</html>", Descarga::Fallo::Http, false}, rechazada,
         "Fuentes de resultados | Ninguna fuente ha dado los sorteos nuevos. Esto es lo que ha respondido cada una:\n\n"
         "Servicio de resultados: no se ha podido conectar\nFrancia: no se ha podido conectar\n"
         "Bélgica: no se ha podido conectar\nReino Unido: no se ha podido conectar\n"
         "Austria: no se ha podido conectar\nServicio de terceros: no se ha podido conectar\n"
         "Páginas de resultados: error 404 del servidor\n\nPruebe más tarde."},
        // Whoever answered is named: the service alone, the other sources alone.
        {"only the service answered", rechazada, rechazada,
         "Fuentes de resultados | Ninguna fuente ha dado los sorteos nuevos. Esto es lo que ha respondido cada una:\n\n"
         "Servicio de resultados: lo recibido no es una lista de sorteos\nFrancia: no se ha podido conectar\n"
         "Bélgica: no se ha podido conectar\nReino Unido: no se ha podido conectar\n"
         "Austria: no se ha podido conectar\nServicio de terceros: no se ha podido conectar\n"
         "Páginas de resultados: no se ha podido conectar\n\nPruebe más tarde.",
         RedFalsa::Respuesta{"<html>bloqueado</html>", Descarga::Fallo::Ninguno, false}},
        {"only the other sources answered", rechazada, error404,
         "Fuentes de resultados | Ninguna fuente ha dado los sorteos nuevos. Esto es lo que ha respondido cada una:\n\n"
         "Servicio de resultados: no se ha podido conectar\nFrancia: error 404 del servidor\n"
         "Bélgica: no tiene todavía el fichero de 2026\nReino Unido: error 404 del servidor\n"
         "Austria: no tiene todavía el fichero de 2026\nServicio de terceros: error 404 del servidor\n"
         "Páginas de resultados: no se ha podido conectar\n\nPruebe más tarde.",
         rechazada},
        {"never answers", {{}, Descarga::Fallo::Ninguno, true}, error404,
         "Error de conexión | No conectado: Compruebe la conexión a internet. Si es correcta, pruebe "
         "más tarde ya que no es posible conectar con el servidor de ONLAE."},
        {"a page of 100 characters", {QByteArray(100, 'x'), Descarga::Fallo::Ninguno, false}, error404,
         "Error de conexión | No conectado: Compruebe la conexión a internet. Si es correcta, pruebe "
         "más tarde ya que no es posible conectar con el servidor de ONLAE."},
    };
    for (const Caso& c : casos) {
        m_pantalla.mensajes.clear();
        m_red.respuestas["/es/buscador"] = c.respuesta;
        m_red.otras = c.otras;
        m_red.respuestas.erase("/servicios/buscadorSorteos");
        if (c.servicio)
            m_red.respuestas["/servicios/buscadorSorteos"] = *c.servicio;
        actualiza();
        ASSERT_EQ(m_pantalla.mensajes.size(), 1) << c.que;
        EXPECT_EQ(datos::elemento(m_pantalla.mensajes, 0), QString::fromUtf8(c.mensaje)) << c.que;
        EXPECT_FALSE(m_pantalla.fin.exito) << c.que;
        EXPECT_EQ(datos::ultimo(m_pantalla.progreso), 0) << c.que;
        EXPECT_TRUE(datos::ultimo(m_pantalla.label6).isEmpty()) << c.que;
        EXPECT_EQ(guardados().size(), 2u);
        EXPECT_FALSE(m_timer.isActive());
    }
}

TEST_F(Actualizar, aMessageBoxLeftOpenReportsTheFailureOnce)
{
    for (const auto fallo : {Descarga::Fallo::Conexion, Descarga::Fallo::Ninguno}) {
        m_pantalla.mensajes.clear();
        m_pantalla.esperaEnMensaje = 200; // forty ticks while the box is open
        m_red.respuestas["/es/buscador"] = {fallo == Descarga::Fallo::Ninguno ? QByteArray(10, 'x') : QByteArray(), fallo, false};
        actualiza();
        QTest::qWait(100);
        EXPECT_EQ(m_pantalla.mensajes.size(), 1) << qPrintable(m_pantalla.mensajes.join('\n'));
    }
    // Nothing new: the box is shown while the steps go on, each once.
    m_pantalla.mensajes.clear();
    pagina({entrada({2026, 11, 27}), entrada({2026, 11, 24})});
    actualiza();
    EXPECT_EQ(m_pantalla.mensajes, QStringList{QStringLiteral("Pruebe más tarde | Todavía no hay sorteos nuevos.")});
    EXPECT_EQ(m_pantalla.comprobados, QList<int>{1});
}

TEST_F(Actualizar, nothingNewRechecksTheNewestDraw)
{
    pagina({entrada({2026, 11, 27}), entrada({2026, 11, 24})});
    actualiza();
    EXPECT_EQ(m_pantalla.mensajes, QStringList{QStringLiteral("Pruebe más tarde | Todavía no hay sorteos nuevos.")});
    EXPECT_EQ(m_pantalla.comprobados, QList<int>{1});
    EXPECT_EQ(guardados().size(), 2u);
    // The stored newest draw names the draw page.
    EXPECT_TRUE(datos::ultimo(m_red.pedidas).path().endsWith(QStringLiteral("/2026/ID27")));
}

TEST_F(Actualizar, anUnreadablePageEndsWithoutACheck)
{
    std::vector<Entrada> muchas;
    for (QDate d(2026, 12, 8); muchas.size() < 51; d = d.addDays(-1))
        muchas.push_back(entrada(d));
    pagina(muchas);
    datos::escribeBytes(ruta("numeros.dat"), {}); // every listed date is new
    actualiza(0);
    ASSERT_FALSE(m_pantalla.mensajes.isEmpty());
    EXPECT_TRUE(datos::elemento(m_pantalla.mensajes, 0).startsWith(QStringLiteral("Error crítico | ¡¡Datos corruptos o inválidos!!")));
    EXPECT_TRUE(m_pantalla.aviso.contains(QStringLiteral("ERROR DE INTERPRETACIÓN DE DATOS:")));
    EXPECT_TRUE(m_pantalla.comprobados.isEmpty());
    EXPECT_EQ(datos::ultimo(m_pantalla.label6), QStringLiteral("TRANSFERENCIA FINALIZADA"));
    EXPECT_TRUE(guardados().empty());
}

TEST_F(Actualizar, aFailedDrawPageNeverLeavesAnOlderReportUnderTheNewDraw)
{
    // No new draw: the saved report is still the newest draw's, and stays.
    pagina({entrada({2026, 11, 27})});
    datos::escribeBytes(ruta("www2.txt"), paginas::guardada(paginas_prueba::sorteo({}, "/es/x/informe")));
    const QByteArray anterior = datos::leeBytes(ruta("www2.txt"));
    actualiza(); // the draw page is not served: 404
    EXPECT_EQ(datos::leeBytes(ruta("www2.txt")), anterior);

    // A new draw whose page fails: the old report would stand under the new
    // date, so it goes; the tab then says the data is not out yet.
    pagina({entrada({2026, 12, 4}), entrada({2026, 12, 1}), entrada({2026, 11, 27})});
    actualiza();
    EXPECT_EQ(guardados().size(), 4u);
    EXPECT_EQ(m_pantalla.comprobados, (QList<int>{1, 2}));
    EXPECT_EQ(datos::ultimo(m_pantalla.label6), QStringLiteral("TRANSFERENCIA FINALIZADA"));
    EXPECT_TRUE(leeInforme(paginas::lee(ruta("www2.txt"))).urlpdf.isEmpty());
    EXPECT_TRUE(leeInforme(paginas::lee(ruta("www2.txt"))).premios[0].isEmpty());
}

} // namespace

namespace {

TEST(Actualizar_, writesOnlyItsOwnFilesInsideTheDataDirectory)
{
    QTemporaryDir base;
    const QString ruta = base.filePath("datos") + u'/';
    QDir().mkpath(ruta);
    datos::escribeSorteos(ruta + "numeros.dat", {datos::sorteo({2026, 11, 27})});
    // A page whose draw link tries to climb out of the directory.
    RedFalsa red;
    red.respuestas["/es/buscador"] = {paginas_prueba::resultados(
        {{{2026, 12, 4}, {1, 2, 3, 4, 5, 1, 2}, "../../../../../tmp/bolvera-fuera", {}, {}},
         {{2026, 11, 27}, {1, 2, 3, 4, 5, 1, 2}, "X", {}, {}}})};
    QTimer timer;
    timer.setInterval(5);
    PantallaGrabada pantalla;
    Actualizacion a(red, pantalla, ruta, &timer);
    a.empieza(QDate(2026, 12, 8), datos::sorteo({2026, 11, 27}).fecha);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pantalla.terminadas > 0; }, 5000));
    EXPECT_EQ(QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"datos"});
    for (const QString& f : QDir(ruta).entryList(QDir::Files))
        EXPECT_TRUE(f == u"numeros.dat" || f == u"www.txt" || f == u"www2.txt") << qPrintable(f);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/bolvera-fuera")));
}

} // namespace

namespace {

// The desktop hears of the new draws only: a prize of an older draw is no news.
TEST(Notificacion, speaksOnlyOfTheNewDraws)
{
    const std::vector<RegSorteo> sorteos = {datos::sorteo({2026, 11, 27}, {1, 2, 3, 4, 5, 1, 2}),
                                            datos::sorteo({2026, 12, 1}, {6, 7, 8, 9, 10, 3, 4})};
    const struct
    {
        std::array<std::int16_t, 7> apuesta;
        QString titulo;
        QString cuerpo;
    } casos[] = {
        // 5+2 on 27 Nov, counted before: nothing on 1 Dec.
        {{1, 2, 3, 4, 5, 1, 2}, "Sin premio (1 sorteo nuevo)", "Martes 01/12/2026: 6 7 8 9 10 + 3 4"},
        {{6, 7, 40, 41, 42, 11, 12}, "¡Premio en Euromillones! (1 sorteo nuevo)",
         "Martes 01/12/2026: 6 7 8 9 10 + 3 4\nUNA: 2+0 — 1 premio sin importe conocido"},
    };
    for (const auto& c : casos) {
        RegPena p = datos::pena("UNA", "Todos", {2026, 11, 1}, {c.apuesta});
        p.contado = sorteos.back().fecha;
        const Notificacion n = notificacionDe(sorteos, 1, {p}, {}, 250);
        EXPECT_EQ(n.titulo, c.titulo);
        EXPECT_EQ(n.cuerpo, c.cuerpo);
    }
}

} // namespace
