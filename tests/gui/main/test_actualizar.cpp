#include "gui/main/pestanageneral.h"
#include "gui/main/pestanasorteos.h"
#include "gui/main/botonactualizar.h"
#include "gui/main/servidorventana.h"
#include "core/platform/cerrojo.h"
#include "gui/platform/qt/escritorioqt.h"
#include "gui/shell/infor.h"
#include "core/store/categorias.h"
#include "core/store/fechas.h"
#include "core/store/premios.h"
#include "core/store/ficheroregistros.h"
#include "support/datos.h"
#include "support/paginas.h"
#include "support/ventana.h"
#include "core/store/paginas.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QPdfView>
#include <QPdfWriter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

using namespace bolvera;

namespace {

using paginas_prueba::Entrada;

QByteArray pdfPequeno()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter escritor(&buffer);
        QPainter p(&escritor);
        p.drawText(100, 100, QStringLiteral("Informe"));
    }
    return buffer.data();
}

std::array<QByteArray, 13> premios()
{
    std::array<QByteArray, 13> p;
    for (int i = 0; i < 13; ++i)
        p[static_cast<std::size_t>(i)] = QByteArray::number(13 - i) + ".000,50&nbsp;";
    return p;
}

bool pidio(const QList<QUrl>& pedidas, const QString& trozo)
{
    return std::any_of(pedidas.begin(), pedidas.end(), [&](const QUrl& u) { return u.toString().contains(trozo); });
}

Infor* ventanaNoticias()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"Infor" && w->isVisible())
            return qobject_cast<Infor*>(w);
    return nullptr;
}

class Actualizar : public PruebaVentana
{
protected:
    Actualizar()
    {
        qputenv("BOLVERA_OPERADOR_URL", "https://operador.example");
        datos::escribeSorteos(ruta("numeros.dat"), {datos::sorteo({2026, 11, 24}), datos::sorteo({2026, 11, 27})});
        // Wins 2 + 0 on Friday 4 December.
        datos::escribePenas(ruta("apuestas.dat"), {datos::pena("A", "Todos", {2020, 1, 1}, {{1, 7, 44, 45, 46, 11, 12}})});
    }
    ~Actualizar() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"Infor")
                delete w;
        qunsetenv("BOLVERA_OPERADOR_URL");
    }
    void sirve()
    {
        m_red.respuestas["/es/buscador"] = {paginas_prueba::resultados(
            {Entrada{{2026, 12, 4}, {40, 7, 23, 1, 50, 9, 3}, "ID4", {}, {}},
             Entrada{{2026, 12, 1}, {2, 4, 6, 8, 10, 1, 2}, "ID1", {}, {}},
             Entrada{{2026, 11, 27}, {1, 2, 3, 4, 5, 1, 2}, "ID27", {}, {}}})};
        m_red.respuestas["/es/euromillones/sorteos/2026/ID4"] = {paginas_prueba::sorteo(premios(), "/es/x/informe")};
        m_red.respuestas["/es/x/informe.pdf"] = {pdfPequeno()};
    }
};

TEST_F(Actualizar, theUpdateButtonBringsTheNewDrawsAndTheReport)
{
    sirve();
    Principal& v = abre();
    auto* label6 = control<QLabel>("Label6");
    v.bajaSorteos();
    EXPECT_EQ(label6->text(), QStringLiteral("CONECTANDO AL SERVIDOR"));
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return label6->text() == u"TRANSFERENCIA FINALIZADA"; }, 5000));

    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 5);
    EXPECT_EQ(texto("Label19"), QStringLiteral("2 sorteos"));
    EXPECT_TRUE(texto("Label58").endsWith(QStringLiteral(" Bytes")));
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Viernes, 4 de diciembre del 2026"));
    EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 2);
    EXPECT_EQ(texto("Label7"), QStringLiteral("TOTAL: 4 sorteos."));
    // A prize after an update: the simple-bet button blinks.
    EXPECT_TRUE(control<QTimer>("Timer3")->isActive());
    EXPECT_TRUE(v.general().parpadeo().sencillas && !v.general().parpadeo().multiples);
    EXPECT_EQ(ficheroregistros::leeTodos<RegPena>(ruta("apuestas.dat")).at(0).aciertos[12], 1);
    // The report of the new draw.
    EXPECT_EQ(texto("Label8"), QStringLiteral("-Informe del Viernes, 4 de diciembre del 2026"));
    EXPECT_EQ(texto("Label10_0"), QStringLiteral("13.000,50"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !control<QPdfView>("WebBrowser1")->isHidden(); }, 3000));
    EXPECT_TRUE(control<QTextEdit>("Text1")->isHidden());
    EXPECT_TRUE(datos::leeBytes(ruta("ovk.pdf")).startsWith("%PDF"));
    EXPECT_TRUE(m_dialogos.cajas.isEmpty());
}

TEST_F(Actualizar, theCommandAsksTheWindowThatHoldsTheFolderToUpdate)
{
    sirve();
    Principal& v = abre();
    Cerrojo cerrojo(m_estado.ruta);
    ASSERT_TRUE(cerrojo.toma());
    ServidorVentana servidor(m_estado.ruta, [&] { return &v; });
    ASSERT_TRUE(servidor.escucha());
    const auto orden = [&] {
        QProcess cli;
        cli.start(QStringLiteral(BOLVERA_CLI), {"actualizar", "--dir", m_dir.path(), "--hoy", "2026-12-08"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return cli.state() == QProcess::NotRunning; }, 20000));
        return std::pair{cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError())};
    };
    // The window updates and shows it; the command reports what came, and
    // the draws are in the history once.
    const auto [estado, salida] = orden();
    EXPECT_EQ(estado, 0) << qPrintable(salida);
    EXPECT_EQ(salida, QStringLiteral(" 1- 7-23-40-50   3  9   04/12/2026  Viernes\n"
                                     " 2- 4- 6- 8-10   1  2   01/12/2026  Martes\n"));
    EXPECT_EQ(texto("Label19"), QStringLiteral("2 sorteos"));
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.dat")).size(), 4u);
    // Nothing new the second time: said to the command, no box in the window.
    const auto [otra, dicho] = orden();
    EXPECT_EQ(otra, 0) << qPrintable(dicho);
    EXPECT_TRUE(dicho.contains(QStringLiteral("Todavía no hay sorteos nuevos."))) << qPrintable(dicho);
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.dat")).size(), 4u);
    EXPECT_TRUE(m_dialogos.cajas.isEmpty());
}

TEST_F(Actualizar, aDrawOnAnotherDayIsAskedAndNoIsTheDefault)
{
    // The United Kingdom and Austria both moved Friday's draw to Thursday 3 December.
    m_red.respuestas["/results/euromillions/draw-history/csv"] = {
        "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Lucky Star 1,Lucky Star 2\n"
        "03-Dec-2026,11,22,33,44,45,5,6\n01-Dec-2026,2,4,6,8,10,1,2\n"};
    m_red.respuestas["/media/NN_W2D_STAT_EUML_2026.csv"] = {"Do. 03.12.2026;11;22;33;44;45;5;6\r\nDi. 01.12.2026;2;4;6;8;10;1;2\r\n"};
    Principal& v = abre();
    auto* label6 = control<QLabel>("Label6");
    // Declined, the draws before it go in; taken, it goes in too.
    for (const bool si : {false, true}) {
        m_dialogos.cajas.clear();
        m_dialogos.respuestas = {si};
        label6->clear();
        v.bajaSorteos();
        ASSERT_TRUE(QTest::qWaitFor([&] { return label6->text().startsWith(u"TRANSFERENCIA FINALIZADA"); }, 5000));
        const auto pregunta = m_dialogos.caja(0);
        EXPECT_TRUE(pregunta.pregunta) << si;
        EXPECT_EQ(pregunta.titulo, QStringLiteral("Sorteo en otro día")) << si;
        EXPECT_EQ(pregunta.porDefecto, Dialogos::PorDefecto::No) << si;
        EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.dat")).size(), si ? 4u : 3u);
    }
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Jueves, 3 de diciembre del 2026"));
}

TEST_F(Actualizar, atStartUpAMissedDrawIsFetchedWhenTheAutomaticUpdateIsOn)
{
    // The newest draw is of 27 November; today is 8 December.
    for (const std::optional<bool> automatica : {std::optional<bool>{}, std::optional<bool>{false}, std::optional<bool>{true}}) {
        m_escritorio.automatica = automatica;
        m_red.pedidas.clear();
        abre();
        EXPECT_EQ(pidio(m_red.pedidas, QStringLiteral("buscador")), automatica == true) << automatica.value_or(false);
    }
}

TEST_F(Actualizar, theAutomaticUpdateMenuItemSwitchesTheTimer)
{
    struct Caso
    {
        std::optional<bool> antes;
        std::optional<QString> fallo;
        bool marcado; // the item after the click
        const char* caja;
    };
    const Caso casos[] = {
        {false, {}, true, "Bolvera bajará los sorteos nuevos"},
        {true, {}, false, nullptr},
        {false, QStringLiteral("Access denied"), false, "No se pudo activar la actualización automática: Access denied"},
        {{}, {}, false, "No se pudo activar la actualización automática: Este sistema no tiene"},
    };
    for (const Caso& c : casos) {
        m_escritorio.automatica = c.antes;
        m_escritorio.falloAutomatica = c.fallo;
        m_dialogos.cajas.clear();
        Principal& v = abre();
        auto* item = control<QAction>("automatica");
        ASSERT_TRUE(item->isCheckable());
        // Opening the menu reads the timer's state.
        auto* menu = qobject_cast<QMenu*>(item->associatedObjects().value(0));
        ASSERT_NE(menu, nullptr);
        Q_EMIT menu->aboutToShow();
        EXPECT_EQ(item->isChecked(), c.antes.value_or(false));
        item->trigger();
        EXPECT_EQ(item->isChecked(), c.marcado);
        EXPECT_EQ(m_escritorio.automatica, c.fallo || !c.antes ? c.antes : std::optional<bool>{c.marcado});
        if (c.caja) {
            ASSERT_EQ(m_dialogos.cajas.size(), 1);
            EXPECT_TRUE(m_dialogos.caja(0).texto.startsWith(QString::fromUtf8(c.caja))) << qPrintable(m_dialogos.caja(0).texto);
        } else {
            EXPECT_TRUE(m_dialogos.cajas.isEmpty());
        }
        (void)v;
    }
}

// The real desktop switches systemd's user timer on and off at once
// (--now), here through a stand-in systemctl that records what it is told.
TEST(EscritorioQt, theTimerIsSwitchedOnAndOffAtOnce)
{
    QTemporaryDir dir;
    datos::escribeBytes(dir.filePath("systemctl"),
                        "#!/bin/sh\n"
                        "echo \"$*\" >> \"$(dirname \"$0\")/ordenes\"\n"
                        "estado=\"$(dirname \"$0\")/estado\"\n"
                        "case \"$2\" in\n"
                        "  is-enabled) cat \"$estado\" ;;\n"
                        "  enable) echo enabled > \"$estado\" ;;\n"
                        "  disable) echo disabled > \"$estado\" ;;\n"
                        "esac\n");
    QFile::setPermissions(dir.filePath("systemctl"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    datos::escribeBytes(dir.filePath("estado"), "disabled\n");
    const QByteArray camino = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ':' + camino);
    EscritorioQt escritorio;
    EXPECT_EQ(escritorio.actualizacionAutomatica(), std::optional<bool>(false));
    EXPECT_EQ(escritorio.ponActualizacionAutomatica(true), std::nullopt);
    EXPECT_EQ(escritorio.actualizacionAutomatica(), std::optional<bool>(true));
    EXPECT_EQ(escritorio.ponActualizacionAutomatica(false), std::nullopt);
    qputenv("PATH", camino);
    EXPECT_EQ(datos::leeBytes(dir.filePath("ordenes")),
              QByteArray("--user is-enabled bolvera-actualizar.timer\n"
                         "--user enable --now bolvera-actualizar.timer\n"
                         "--user is-enabled bolvera-actualizar.timer\n"
                         "--user disable --now bolvera-actualizar.timer\n"));
}

TEST_F(Actualizar, aDrawPageThatFailsNeverShowsTheOldReportUnderTheNewDate)
{
    // The report of 27 November is saved; the update brings 4 December but
    // its draw page fails.
    datos::escribeBytes(ruta("www2.txt"), paginas::guardada(paginas_prueba::sorteo(premios(), "/es/x/informe")));
    datos::escribeBytes(ruta("ovk.pdf"), pdfPequeno());
    sirve();
    m_red.respuestas.erase("/es/euromillones/sorteos/2026/ID4");
    Principal& v = abre();
    v.bajaSorteos();
    ASSERT_TRUE(QTest::qWaitFor([&] { return texto("Label6") == u"TRANSFERENCIA FINALIZADA"; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(texto("Label8"), QStringLiteral("-Informe del Viernes, 4 de diciembre del 2026"));
    EXPECT_TRUE(texto("Label10_0").isEmpty());
    EXPECT_TRUE(control<QPdfView>("WebBrowser1")->isHidden());
    EXPECT_TRUE(control<QTextEdit>("Text1")->toPlainText().contains(QStringLiteral("aún no están disponibles")));
    // The same after a restart.
    Principal& w = abre();
    EXPECT_TRUE(texto("Label10_0").isEmpty());
    EXPECT_TRUE(control<QPdfView>("WebBrowser1")->isHidden());
    (void)w;

    // Its amounts stored since (imported, or from another source): the tab shows them, in the report's order.
    RegPremios r;
    r.fecha = fechas::diaNumero({2026, 12, 4});
    r.centimos[categorias::clasifica(4, 2) - 1] = 123456;
    r.centimos[categorias::clasifica(2, 0) - 1] = 380;
    ASSERT_EQ(premios::guarda(m_estado.ruta, {r}), 0);
    abre();
    EXPECT_EQ(texto("Label10_3"), QStringLiteral("1.234,56 €"));
    EXPECT_EQ(texto("Label10_12"), QStringLiteral("3,80 €"));
    EXPECT_TRUE(texto("Label10_0").isEmpty());
    EXPECT_TRUE(control<QTextEdit>("Text1")->toPlainText().contains(QStringLiteral("son los guardados")));
}

TEST_F(Actualizar, theReportTabWaitsForTheUpdate)
{
    m_red.respuestas["/es/buscador"] = {{}, Descarga::Fallo::Ninguno, true}; // never answers
    Principal& v = abre();
    auto* pestanas = control<QTabWidget>("SSTab1");
    pestanas->setCurrentIndex(2);
    v.bajaSorteos();
    EXPECT_EQ(pestanas->currentIndex(), 0);
    pestanas->setCurrentIndex(1);
    EXPECT_EQ(pestanas->currentIndex(), 0);
}

TEST_F(Actualizar, theReportAtStartUpUsesTheSavedPages)
{
    datos::escribeBytes(ruta("www2.txt"), paginas::guardada(paginas_prueba::sorteo(premios(), "/es/x/informe")));
    struct Caso
    {
        const char* que;
        QByteArray pdf;
        bool lector;
        bool visor;
        const char* aviso;
    };
    const Caso casos[] = {
        {"a saved PDF", pdfPequeno(), true, true, ""},
        {"no PDF", {}, true, false, "ATENCIÓN:"},
        {"not a PDF", "<html>error</html>", true, false, "ATENCIÓN:"},
        {"no reader", pdfPequeno(), false, false, "OPCIÓN NO DISPONIBLE"},
    };
    for (const Caso& c : casos) {
        QFile::remove(ruta("ovk.pdf"));
        if (!c.pdf.isEmpty())
            datos::escribeBytes(ruta("ovk.pdf"), c.pdf);
        m_escritorio.lectorPdf = c.lector;
        abre();
        EXPECT_EQ(!control<QPdfView>("WebBrowser1")->isHidden(), c.visor) << c.que;
        EXPECT_TRUE(control<QTextEdit>("Text1")->toPlainText().contains(QString::fromUtf8(c.aviso))) << c.que;
        EXPECT_EQ(texto("Label10_12"), QStringLiteral("1.000,50")) << c.que;
        EXPECT_FALSE(pidio(m_red.pedidas, QStringLiteral(".pdf"))) << c.que; // nothing downloaded
    }
    // The reader notice opens the reader's page when clicked.
    m_ventana->pestanaSorteos().pulsaAviso();
    ASSERT_FALSE(m_escritorio.abiertas.isEmpty());
    EXPECT_TRUE(datos::ultimo(m_escritorio.abiertas).toString().contains(QStringLiteral("reader")));
}

TEST_F(Actualizar, newsThatChangedOpensItsWindowAtStartUp)
{
    for (int largo : {300, 301}) {
        datos::escribeBytes(ruta("informe.dat"), "corto");
        m_red.respuestas["/einforme.dat"] = {QByteArray(largo, 'n')};
        abre();
        QTest::qWait(50);
        EXPECT_EQ(ventanaNoticias() != nullptr, largo == 301) << largo;
        EXPECT_EQ(datos::leeBytes(ruta("informe.dat")).size(), largo);
    }
    Infor* infor = ventanaNoticias();
    ASSERT_NE(infor, nullptr);
    // Over the main window, never at the corner over its menu and update button.
    EXPECT_NE(infor->pos(), QPoint(0, 0));
    EXPECT_TRUE(m_ventana->frameGeometry().contains(infor->frameGeometry().center()));
    EXPECT_TRUE(infor->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(infor->windowTitle(), QStringLiteral("Noticias del jefe..."));

    // While it is open the update button does nothing.
    m_red.pedidas.clear();
    m_ventana->bajaSorteos();
    EXPECT_TRUE(m_red.pedidas.isEmpty());
}

TEST_F(Actualizar, noNewsIsFetchedTooSoonOrWithoutPenas)
{
    m_red.respuestas["/einforme.dat"] = {QByteArray(500, 'n')};
    m_reloj.fija(QDate(2026, 11, 29)); // the newest draw is 2 days old
    abre();
    EXPECT_FALSE(pidio(m_red.pedidas, QStringLiteral("einforme")));
    datos::escribePenas(ruta("apuestas.dat"), {});
    m_reloj.fija(QDate(2026, 11, 30));
    abre();
    EXPECT_FALSE(pidio(m_red.pedidas, QStringLiteral("einforme")));
}

TEST(Infor, theAddressSlidesToAndFroAndMailsOnClick)
{
    QTemporaryDir dir;
    datos::escribeBytes(dir.filePath("informe.dat"), "hola");
    EscritorioGrabado escritorio;
    Infor infor(escritorio, dir.filePath("informe.dat"));
    EXPECT_TRUE(infor.findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"))->isHidden());
    int pasos = 0;
    while (infor.paso() > 0 && pasos < 100) {
        infor.desliza();
        ++pasos;
    }
    EXPECT_EQ(infor.izquierdaTwips(), 3760); // turned as soon as it passed 3700
    while (infor.paso() < 0)
        infor.desliza();
    EXPECT_EQ(infor.izquierdaTwips(), 260);
    infor.abreDireccion();
    ASSERT_EQ(escritorio.abiertas.size(), 1);
    EXPECT_EQ(datos::elemento(escritorio.abiertas, 0).scheme(), QStringLiteral("mailto"));
}

} // namespace
