#include "gui/main/pestanapenas.h"
#include "support/ventana.h"
#include "core/platform/plataforma.h"
#include "core/store/estado.h"
#include "core/store/ficheros.h"
#include "core/store/penas.h"
#include "support/datos.h"
#include "support/falsos.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <memory>

using namespace bolvera;

namespace {

const QString bienvenida = QStringLiteral(
    "Bienvenido a Bolvera. Vaya a la pestaña 'Gestor de Peñas' y cree una. La peña creada "
    "empezará a almacenar resultados a partir de hoy. Si quieres ver los resultados de la peña "
    "en sorteos anteriores, marque la casilla 'Histórico' de la pestaña 'General'.");

class VentanaPrincipal : public PruebaVentana
{
};

TEST_F(VentanaPrincipal, firstStartCreatesTheFilesAndShowsAnEmptyHistory)
{
    datos::escribeBytes(ruta("numeros.dat"), {}); // emptied by the user: stays empty
    abre();
    for (const char* nombre : {"apuestas.dat", "numeros.dat", "www.txt", "www2.txt"}) {
        EXPECT_TRUE(QFileInfo::exists(ruta(nombre))) << nombre;
        EXPECT_EQ(QFileInfo(ruta(nombre)).size(), 0) << nombre;
    }
    EXPECT_EQ(datos::leeBytes(ruta("nums.ini")), QByteArray(14, '\0'));

    EXPECT_EQ(texto("Label9_2"), QStringLiteral("0"));
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Fichero de datos vacío."));
    EXPECT_EQ(texto("Label9_5"), QStringLiteral("Martes, 8 de diciembre del 2026"));
    EXPECT_EQ(texto("Label9_6"), QStringLiteral("No se ha actualizado nunca"));
    EXPECT_TRUE(control<QTimer>("Timer2")->isActive());
    EXPECT_FALSE(control<QScrollBar>("HScroll1")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>("Check1")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>("Check2")->isEnabled());
    EXPECT_EQ(m_estado.proxsorteo, 1);
    EXPECT_EQ(m_estado.proxpena, 0);
}

TEST_F(VentanaPrincipal, aNewDataDirectoryStartsWithTheShippedHistory)
{
    abre();
    EXPECT_GE(m_estado.proxsorteo - 1, 1980);
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Viernes, 11 de septiembre del 2026"));
    // Its age shows as usual.
    EXPECT_EQ(texto("Label9_6"), QStringLiteral("Faltan 12 semanas por actualizar"));
}

TEST_F(VentanaPrincipal, startUpWithHistoryAndPenasFillsTheStatusBlock)
{
    const auto sorteos = datos::sorteosSeguidos(12, QDate(2026, 12, 4));
    datos::escribeSorteos(ruta("numeros.dat"), sorteos);
    datos::escribePenas(ruta("apuestas.dat"),
                        {datos::pena("UNO", "Todos", {2020, 1, 1}), datos::pena("DOS", "Martes", {2026, 1, 1})});
    datos::escribeBytes(ruta("apuestas.tmp"), QByteArray(100, 'x'));
    datos::escribeBytes(ruta("numeros.dat.bolvera-Ab12Cd"), QByteArray(10, 'x')); // a rewrite killed half-way
    datos::escribeBytes(ruta("apuestas.dat.bolvera-xY9zW1"), QByteArray(10, 'x'));
    // The user's own copies, however they are named, are never touched.
    const QStringList delUsuario = {"mis-notas.dat.txt", "numeros.dat.backup", "apuestas.dat.copia1",
                                    "numeros.dat.bolvera", "numeros.dat.bolvera-copia-de-enero",
                                    "notas.txt.bolvera-Ab12Cd"};
    for (const QString& nombre : delUsuario)
        datos::escribeBytes(ruta(nombre), "del usuario");

    Principal& v = abre();
    EXPECT_FALSE(QFileInfo::exists(ruta("apuestas.tmp")));
    EXPECT_FALSE(QFileInfo::exists(ruta("numeros.dat.bolvera-Ab12Cd")));
    EXPECT_FALSE(QFileInfo::exists(ruta("apuestas.dat.bolvera-xY9zW1")));
    for (const QString& nombre : delUsuario)
        EXPECT_TRUE(QFileInfo::exists(ruta(nombre))) << qPrintable(nombre);
    EXPECT_EQ(texto("Label9_2"), QStringLiteral("2"));
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Viernes, 4 de diciembre del 2026"));
    EXPECT_EQ(texto("Label9_5"), QStringLiteral("Martes, 8 de diciembre del 2026"));
    EXPECT_TRUE(control<QLabel>("Label9_6")->isHidden());
    EXPECT_FALSE(control<QTimer>("Timer2")->isActive());
    auto* scroll = control<QScrollBar>("HScroll1");
    EXPECT_TRUE(scroll->isEnabled());
    EXPECT_EQ(scroll->minimum(), 1);
    EXPECT_EQ(scroll->maximum(), 12);
    EXPECT_TRUE(control<QCheckBox>("Check1")->isEnabled());
    EXPECT_EQ(v.sorteo(), sorteos.back());
    EXPECT_EQ(v.sorteosjugados(), 12);
    EXPECT_EQ(m_estado.proxsorteo, 13);
    EXPECT_EQ(m_estado.proxpena, 3);
}

TEST_F(VentanaPrincipal, anOldHistoryBlinksItsWarning)
{
    datos::escribeSorteos(ruta("numeros.dat"), datos::sorteosSeguidos(3, QDate(2026, 11, 27)));
    abre();
    EXPECT_EQ(texto("Label9_6"), QStringLiteral("Falta 1 semana por actualizar"));
    auto* timer = control<QTimer>("Timer2");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    auto* aviso = control<QLabel>("Label9_6");
    const bool antes = aviso->isHidden();
    EXPECT_TRUE(QTest::qWaitFor([&] { return aviso->isHidden() != antes; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return aviso->isHidden() == antes; }, 2000));
}

TEST_F(VentanaPrincipal, startUpSurvivesFilesItCannotOpen)
{
    // Directories in place of the files: nothing can open them, even as root.
    for (const char* nombre : {"apuestas.dat", "numeros.dat", "nums.ini", "www.txt"})
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QString::fromLatin1(nombre)));
    abre();
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Fichero de datos vacío."));
    EXPECT_EQ(texto("Label9_2"), QStringLiteral("0"));
    EXPECT_TRUE(QFileInfo::exists(ruta("www2.txt")));
}

TEST_F(VentanaPrincipal, aDataDirectoryThatIsGoneStillOpens)
{
    m_estado.ruta = ficheros::calculaRuta(m_dir.filePath("borrado"));
    abre();
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Fichero de datos vacío."));
}

TEST_F(VentanaPrincipal, welcomeBoxShowsOnceOnAnEmptyPenaFile)
{
    Principal& v = abre();
    v.alActivarse();
    v.alActivarse();
    ASSERT_EQ(m_dialogos.cajas.size(), 1);
    EXPECT_EQ(m_dialogos.caja(0).icono, Dialogos::Icono::Informacion);
    EXPECT_EQ(m_dialogos.caja(0).titulo, QStringLiteral("Fichero de peñas vacío"));
    EXPECT_EQ(m_dialogos.caja(0).texto, bienvenida);
    EXPECT_EQ(v.focos(), 2);
}

TEST_F(VentanaPrincipal, noWelcomeWhenPenasExist)
{
    datos::escribePenas(ruta("apuestas.dat"), {datos::pena("UNO", "Todos", {2020, 1, 1})});
    abre().alActivarse();
    EXPECT_TRUE(m_dialogos.cajas.isEmpty());
}

TEST_F(VentanaPrincipal, activationAfterANewPenaReloadsTheStatus)
{
    datos::escribeSorteos(ruta("numeros.dat"), datos::sorteosSeguidos(6, QDate(2026, 12, 4)));
    Principal& v = abre();
    v.alActivarse();
    auto* scroll = control<QScrollBar>("HScroll1");
    scroll->setValue(4);
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), QStringLiteral("4"));

    ASSERT_EQ(anadePena(m_estado, datos::pena("NUEVA", "Todos", {}), m_reloj.hoy()), 0);
    ASSERT_TRUE(m_estado.penanueva);
    v.alActivarse();
    EXPECT_FALSE(m_estado.penanueva);
    EXPECT_EQ(texto("Label9_2"), QStringLiteral("1"));
    EXPECT_EQ(scroll->value(), 1);
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), QStringLiteral("1"));
}

TEST_F(VentanaPrincipal, menusHoldEveryItem)
{
    abre();
    const std::pair<const char*, const char*> items[] = {
        {"Baja", "Bajar Sorteos nuevos"},
        {"crear", "Crear peña nueva"},
        {"borrar", "Borrar sorteos almacenados/Reset aciertos peñas"},
        {"sencillas", "Todos los resultados"},
        {"verpremio", "Sólo si hay premio"},
        {"verhisto", "Histórico (resultados sorteos anteriores a la fecha de creación de las peñas)"},
        {"verprehi", "Sólo si hay premios + histórico"},
        {"Multiples", "Todos los resultados"},
        {"verpremiom", "Sólo si hay premio"},
        {"verhistom", "Histórico (resultados sorteos anteriores a la fecha de creacón de las peñas)"},
        {"verpreim", "Sólo si hay premios + histórico"},
        {"salir", "Salir"},
        {"general", "Pestaña General"},
        {"ultimo", "Pestaña Último sorteo"},
        {"gestor", "Pestaña Gestor de peñas"},
        {"estadisticas", "Pestaña Estadísticas"},
        {"Leer", "Leer mensaje del Jefe"},
        {"web", "Web del programa"},
        {"acerca", "Acerca de..."},
    };
    for (const auto& [nombre, texto] : items) {
        auto* a = control<QAction>(QString::fromLatin1(nombre));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(QString(a->text()).remove(u'&'), QString::fromUtf8(texto)) << nombre;
    }
    // Every menu and item has its own letter within its menu, and the usual keys.
    const auto letras = [](QMenu* menu) {
        QStringList vistas;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            const qsizetype i = a->text().indexOf(u'&');
            EXPECT_GE(i, 0) << qPrintable(a->text());
            if (i >= 0) {
                EXPECT_FALSE(vistas.contains(a->text().mid(i + 1, 1).toLower())) << qPrintable(a->text());
                vistas << a->text().mid(i + 1, 1).toLower();
            }
        }
    };
    auto* barra = m_ventana->menuBar();
    for (QAction* m : barra->actions()) {
        EXPECT_TRUE(m->text().contains(u'&')) << qPrintable(m->text());
        letras(m->menu());
        for (QAction* a : m->menu()->actions())
            if (a->menu())
                letras(a->menu());
    }
    const std::pair<const char*, QKeySequence> atajos[] = {
        {"salir", QKeySequence(Qt::CTRL | Qt::Key_Q)}, {"acerca", QKeySequence(Qt::Key_F1)}, {"Baja", QKeySequence(Qt::Key_F5)},
        {"socios", QKeySequence(Qt::CTRL | Qt::Key_5)}};
    for (const auto& [nombre, tecla] : atajos)
        EXPECT_EQ(control<QAction>(QString::fromLatin1(nombre))->shortcut(), tecla) << nombre;
}

TEST_F(VentanaPrincipal, tabsAndTheirMenuItems)
{
    abre();
    auto* tabs = control<QTabWidget>("SSTab1");
    const char* titulos[] = {"General", "Sorteos", "Gestor de peñas", "Estadísticas", "Socios"};
    const char* items[] = {"general", "ultimo", "gestor", "estadisticas", "socios"};
    ASSERT_EQ(tabs->count(), 5);
    for (int i : {3, 4, 1, 2, 0}) {
        EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(titulos[i]));
        control<QAction>(QString::fromLatin1(items[i]))->trigger();
        EXPECT_EQ(tabs->currentIndex(), i);
    }
}

TEST_F(VentanaPrincipal, viewsForLaterFeaturesArePresentByName)
{
    abre();
    for (const char* nombre :
         {"ListView1", "ListView2", "Listview4", "ListView3", "List1", "List2", "MSChart1", "MSChart2",
          "MSChart3", "Label7", "Label8", "Label13", "Text4", "Text5", "Label16", "Label17", "Frame1",
          "Frame2", "Frame4", "WebBrowser1", "Text1", "Command1_0", "Command1_1", "Command2",
          "Command3", "Command4", "Command5", "Command6", "Command8", "Picture2", "Label6",
          "ProgressBar1", "Label58", "Label19", "Option1_0", "Option1_1", "HScroll2", "Shape2",
          "Timer1", "Timer3", "Image1_0", "Image1_4", "Label10_12", "Label11_0", "Label1_12",
          "Label3_0"})
        EXPECT_NE(m_ventana->findChild<QObject*>(QString::fromLatin1(nombre)), nullptr) << nombre;
    EXPECT_EQ(texto("Label11_12"), QStringLiteral("- 13ª Categoría (2 aciertos + 0 estrella): "));
    EXPECT_EQ(texto("Label1_0"), QStringLiteral("-Aciertos de 2+0: "));
    EXPECT_EQ(texto("Label1_12"), QStringLiteral("-Aciertos de 5+2: "));
    EXPECT_EQ(control<QTimer>("Timer1")->interval(), 1000);
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
    EXPECT_EQ(control<QTimer>("Timer3")->interval(), 800);
    // The icon row shows its five pictures.
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(control<QToolButton>(QStringLiteral("Image1_%1").arg(i))->icon().isNull()) << i;
}

TEST_F(VentanaPrincipal, webItemOpensTheMakersSite)
{
    abre();
    control<QAction>("web")->trigger();
    ASSERT_EQ(m_escritorio.abiertas.size(), 1);
    EXPECT_EQ(datos::elemento(m_escritorio.abiertas, 0).scheme(), QStringLiteral("https"));
}

TEST_F(VentanaPrincipal, activationUnloadsTheAboutWindow)
{
    Principal& v = abre();
    // Opened by a click on the inactive main window: the activation that this
    // same click brings leaves it open; the next one unloads it.
    control<QAction>("acerca")->trigger();
    QPointer<QWidget> acerca;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"Acercade" && w->isVisible())
            acerca = w;
    ASSERT_TRUE(acerca);
    v.alActivarse();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(acerca.isNull());
    EXPECT_TRUE(acerca->isVisible());
    v.alActivarse();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(acerca.isNull());
}

TEST_F(VentanaPrincipal, closingABoxNeverUnloadsTheWindowThatRaisedIt)
{
    Principal& v = abre();
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    v.gestor().pideNuevaPena();
    QPointer<QWidget> menu;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"Creamenu" && w->isVisible())
            menu = w;
    ASSERT_TRUE(menu);
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));

    // A box over the menu, answered; then the main window gets the focus, as
    // a window manager may give it when the box closes.
    auto* caja = new QMessageBox(QMessageBox::Warning, QStringLiteral("Error"), QStringLiteral("x"), QMessageBox::Ok, menu);
    QTimer contesta;
    QObject::connect(&contesta, &QTimer::timeout, [&] {
        if (QApplication::activeWindow() == caja)
            caja->accept();
    });
    contesta.start(10);
    caja->exec();
    delete caja;
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(menu.isNull());
    EXPECT_TRUE(menu->isVisible());

    // The user's own going back from the menu unloads it.
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
}

TEST_F(VentanaPrincipal, salirClosesTheWindow)
{
    Principal& v = abre();
    v.show();
    control<QAction>("salir")->trigger();
    EXPECT_FALSE(v.isVisible());
}

} // namespace
