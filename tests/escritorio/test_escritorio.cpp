// The windows on a real X server with a window manager, driven by real keys
// and clicks (xdotool): what the user does, with the focus and activation
// changes that only a window manager makes.
#include "gui/main/pestanapenas.h"
#include "gui/create/crea.h"
#include "gui/main/principal.h"
#include "core/platform/plataforma.h"
#include "gui/platform/qt/dialogosqt.h"
#include "core/store/estado.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/regpena.h"
#include "core/store/socios.h"
#include "support/datos.h"
#include "support/falsos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QFileInfo>
#include <QMenu>
#include <QPdfDocument>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace bolvera;

namespace {

// One call at a time: a click still on its way must not race the keys after it.
void xdotool(const QStringList& argumentos) { QProcess::execute(QStringLiteral("xdotool"), argumentos); }

// A real click at a point of a widget, by default its middle.
void pulsaEn(QWidget* w, std::optional<QPoint> punto = {})
{
    // xdotool speaks in the screen's pixels, Qt in scaled ones.
    const QPointF p = QPointF(w->mapToGlobal(punto.value_or(w->rect().center()))) * w->devicePixelRatioF();
    xdotool({"mousemove", QString::number(qRound(p.x())), QString::number(qRound(p.y())), "click", "1"});
}

// The window lies in the free screen area, its middle over the main window.
bool sobrePrincipal(QWidget* w)
{
    const QWidget* principal = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->objectName() == u"Principal" && t->isVisible())
            principal = t;
    if (!principal || !w)
        return false;
    const QRect libre = w->screen()->availableGeometry();
    return libre.contains(w->frameGeometry()) && principal->frameGeometry().contains(w->frameGeometry().center());
}

// Tab until `destino` has the focus, as a keyboard user would.
bool tabulaHasta(QWidget* destino)
{
    for (int i = 0; destino && i < 40; ++i) {
        if (QTest::qWaitFor([&] { return QApplication::focusWidget() == destino; }, 250))
            return true;
        xdotool({"key", "Tab"});
    }
    return false;
}

template <typename T>
QPointer<T> visible(const QString& nombre)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nombre && w->isVisible())
            return qobject_cast<T*>(w);
    return {};
}

class Escritorio : public ::testing::Test
{
protected:
    Escritorio()
    {
        m_estado.ruta = ficheros::calculaRuta(m_dir.path());
        datos::escribeSorteos(m_dir.filePath("numeros.dat"), datos::sorteosSeguidos(4, QDate(2026, 12, 4)));
        datos::escribePenas(m_dir.filePath("apuestas.dat"),
                            {datos::pena("UNA", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 1, 2}})});
        m_ventana = std::make_unique<Principal>(m_estado, m_plataforma);
        m_dialogos.setPadre(m_ventana.get());
        m_ventana->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_ventana.get(), 5000));
        // The user answers each box with Enter, as soon as it has the focus.
        m_respuesta.setInterval(100);
        QObject::connect(&m_respuesta, &QTimer::timeout, [this] {
            QWidget* caja = QApplication::activeModalWidget();
            if (caja && caja == QApplication::activeWindow() && caja != m_contestada) {
                m_contestada = caja;
                ++m_cajas;
                xdotool(m_siguientes.isEmpty() ? m_teclas : m_siguientes.takeFirst());
            }
        });
        m_respuesta.start();
    }
    ~Escritorio() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != m_ventana.get() && w->isWindow() && !w->parent())
                delete w;
    }
    // Waits for the boxes answered so far to be `n`, and for the focus to settle.
    bool esperaCajas(int n)
    {
        const bool ok = QTest::qWaitFor([&] { return m_cajas >= n && !QApplication::activeModalWidget(); }, 8000);
        QTest::qWait(700);
        if (!ok && !qEnvironmentVariableIsEmpty("BOLVERA_CAPTURA"))
            QProcess::execute("import", {"-window", "root", qEnvironmentVariable("BOLVERA_CAPTURA")});
        return ok;
    }

    QTemporaryDir m_dir;
    Estado m_estado;
    RelojFijo m_reloj{QDate(2026, 12, 8)};
    DialogosQt m_dialogos;
    EscritorioGrabado m_escritorio;
    RedFalsa m_red;
    Plataforma m_plataforma{m_reloj, m_dialogos, m_escritorio, m_red};
    std::unique_ptr<Principal> m_ventana;
    QTimer m_respuesta;
    QPointer<QWidget> m_contestada;
    QStringList m_teclas = {"key", "Return"};
    QList<QStringList> m_siguientes; // the keys for the next boxes, in order, before m_teclas
    int m_cajas = 0;
};

TEST_F(Escritorio, theEditorsOwnBoxesNeverCloseItButGoingBackToTheMainWindowDoes)
{
    m_ventana->gestor().pideNuevaPena();
    QPointer<QWidget> menu = visible<QWidget>(QStringLiteral("Creamenu"));
    ASSERT_TRUE(menu);
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu, 5000));
    pulsaEn(menu->findChild<QCheckBox*>(QStringLiteral("Check1_1"))); // "Sencilla"
    ASSERT_TRUE(QTest::qWaitFor([] { return visible<Crea>(QStringLiteral("Crea")); }, 5000));
    QPointer<Crea> crea = visible<Crea>(QStringLiteral("Crea"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(crea, 5000));

    // One bet marked, then a 21st letter in the name: the box, Enter.
    for (int celda : {2, 14, 21, 39, 40})
        QTest::mouseClick(crea->findChild<QWidget*>(QStringLiteral("Image1_%1").arg(celda)), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !crea->editor().transicion(); }, 3000));
    for (int celda : {52, 60})
        QTest::mouseClick(crea->findChild<QWidget*>(QStringLiteral("Image1_%1").arg(celda)), Qt::LeftButton);
    auto* lista = crea->findChild<QTextEdit*>(QStringLiteral("RichTextBox1"));
    const QString apuestas = lista->toPlainText();
    ASSERT_FALSE(apuestas.trimmed().isEmpty());
    pulsaEn(crea->findChild<QLineEdit*>(QStringLiteral("Text1")));
    xdotool({"type", "--delay", "30", "abcdefghijklmnopqrstu"});
    ASSERT_TRUE(esperaCajas(1));
    ASSERT_FALSE(crea.isNull());
    EXPECT_TRUE(crea->isVisible());
    EXPECT_EQ(lista->toPlainText(), apuestas);

    // "Grabar" without a name: the box, Enter; the bets stay.
    pulsaEn(crea->findChild<QLineEdit*>(QStringLiteral("Text1")));
    xdotool({"key", "--delay", "50", "ctrl+a", "BackSpace"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return crea->findChild<QLineEdit*>(QStringLiteral("Text1"))->text().isEmpty(); }, 3000));
    pulsaEn(crea->findChild<QPushButton*>(QStringLiteral("Command1")));
    ASSERT_TRUE(esperaCajas(2));
    ASSERT_FALSE(crea.isNull());
    EXPECT_TRUE(crea->isVisible());
    EXPECT_EQ(lista->toPlainText(), apuestas);

    // The user goes back to the main window with a bet not saved: asked
    // first, Enter answers No, and the editor stays with its bets.
    pulsaEn(m_ventana.get(), QPoint(30, 200)); // the status block, left of the editor
    ASSERT_TRUE(esperaCajas(3));
    ASSERT_FALSE(crea.isNull());
    EXPECT_TRUE(crea->isVisible());
    EXPECT_EQ(lista->toPlainText(), apuestas);

    // Without bets the editor is unloaded at once.
    // Again, answered Yes: the editor is unloaded.
    m_teclas = {"key", "--delay", "100", "shift+Tab", "Return"};
    pulsaEn(m_ventana.get(), QPoint(30, 200));
    ASSERT_TRUE(esperaCajas(4));
    EXPECT_TRUE(QTest::qWaitFor([&] { return crea.isNull() || !crea->isVisible(); }, 5000));
}

TEST_F(Escritorio, thePrintWindowsOwnBoxDoesNotCloseIt)
{
    m_ventana->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    m_ventana->gestor().eligePena(0);
    QTest::qWait(300); // the tab is laid out, as it is before a user can click
    pulsaEn(m_ventana->findChild<QPushButton*>(QStringLiteral("Command2")));
    ASSERT_TRUE(QTest::qWaitFor([] { return visible<QWidget>(QStringLiteral("Imprimir")); }, 5000));
    QPointer<QWidget> imprimir = visible<QWidget>(QStringLiteral("Imprimir"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(imprimir, 5000));

    // A coordinate left blank: the "EHEHEHH" box when the field loses the focus.
    auto* x = imprimir->findChild<QLineEdit*>(QStringLiteral("Text1_0"));
    pulsaEn(x);
    QTest::qWait(300);
    xdotool({"key", "--delay", "50", "ctrl+a", "BackSpace", "Tab"});
    ASSERT_TRUE(esperaCajas(1));
    ASSERT_FALSE(imprimir.isNull());
    EXPECT_TRUE(imprimir->isVisible());
}

} // namespace

namespace {

TEST_F(Escritorio, theKeyboardReachesTheMenusAndEscClosesWindows)
{
    // Alt+G opens "General", Alt+Y "Ayuda"; Esc closes each.
    const auto abierto = [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu ? QString(menu->title()).remove(u'&') : QString();
    };
    xdotool({"key", "alt+g"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return abierto() == u"General"; }, 3000)) << qPrintable(abierto());
    xdotool({"key", "Escape", "Escape"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return abierto().isEmpty(); }, 3000));
    xdotool({"key", "alt+y"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return abierto() == u"Ayuda"; }, 3000)) << qPrintable(abierto());
    xdotool({"key", "Escape", "Escape"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return abierto().isEmpty(); }, 3000));

    xdotool({"key", "alt+v"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return abierto() == u"Ver"; }, 3000)) << qPrintable(abierto());
    xdotool({"key", "Escape", "Escape"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return abierto().isEmpty(); }, 3000));

    // F1 opens "Acerca de...", Ctrl+N the bet type menu, Alt+Y L the news; the
    // print window opens from the peña tab. Each opens over the main window,
    // and Esc closes it.
    m_ventana->gestor().eligePena(0);
    const std::pair<QStringList, const char*> ventanas[] = {{{"F1"}, "Acercade"},
                                                            {{"ctrl+n"}, "Creamenu"},
                                                            {{"alt+y", "l"}, "Infor"},
                                                            {{}, "Imprimir"}};
    for (const auto& [teclas, nombre] : ventanas) {
        QTest::qWait(500);
        if (teclas.isEmpty())
            m_ventana->gestor().imprimePena();
        for (const QString& tecla : teclas) {
            xdotool({"key", tecla});
            QTest::qWait(400);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return visible<QWidget>(QString::fromLatin1(nombre)); }, 5000)) << nombre;
        QPointer<QWidget> w = visible<QWidget>(QString::fromLatin1(nombre));
        ASSERT_TRUE(QTest::qWaitForWindowActive(w, 5000)) << nombre;
        EXPECT_TRUE(sobrePrincipal(w)) << nombre;
        xdotool({"key", "Escape"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.isNull() || !w->isVisible(); }, 5000)) << nombre;
    }
}

TEST_F(Escritorio, aBetMarkedOnTheSlipWithTheKeyboardAlone)
{
    xdotool({"key", "ctrl+n"});
    ASSERT_TRUE(QTest::qWaitFor([] { return visible<QWidget>(QStringLiteral("Creamenu")); }, 5000));
    QPointer<QWidget> menu = visible<QWidget>(QStringLiteral("Creamenu"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu, 5000));
    ASSERT_TRUE(tabulaHasta(menu->findChild<QCheckBox*>(QStringLiteral("Check1_1")))); // "Sencilla"
    xdotool({"key", "space"});
    ASSERT_TRUE(QTest::qWaitFor([] { return visible<Crea>(QStringLiteral("Crea")); }, 5000));
    QPointer<Crea> crea = visible<Crea>(QStringLiteral("Crea"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(crea, 5000));
    EXPECT_TRUE(sobrePrincipal(crea));

    // The name first, then the slip: numbers 1 to 5 down the first column, stars 1 and 2.
    ASSERT_TRUE(tabulaHasta(crea->findChild<QLineEdit*>(QStringLiteral("Text1"))));
    xdotool({"type", "--delay", "30", "teclado"});
    ASSERT_TRUE(tabulaHasta(crea->findChild<QWidget*>(QStringLiteral("Picture1"))));
    xdotool({"key", "--delay", "60", "space", "Down", "space", "Down", "space", "Down", "space", "Down", "space"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return crea->editor().faseEstrellas() && !crea->editor().tapaVisible(); }, 5000));
    xdotool({"key", "--delay", "60", "space", "Down", "space"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return crea->editor().apuestas() == 1; }, 3000));
    ASSERT_TRUE(tabulaHasta(crea->findChild<QPushButton*>(QStringLiteral("Command1")))); // "Grabar"
    xdotool({"key", "space"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_estado.penanueva; }, 3000));
    const auto penas = ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas));
    ASSERT_EQ(penas.size(), 2u);
    EXPECT_EQ(penas[1].nombreRecortado(), QStringLiteral("TECLADO"));
    EXPECT_EQ((std::vector<int>(penas[1].numeros[0].begin(), penas[1].numeros[0].begin() + 5)),
              (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(penas[1].estrellas[0][0], 1);
    EXPECT_EQ(penas[1].estrellas[0][1], 2);

    // Saved, the editor is empty: Esc closes it without a question.
    xdotool({"key", "Escape"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return crea.isNull() || !crea->isVisible(); }, 5000));
    EXPECT_EQ(m_cajas, 0);
}

// A multiple peña made, chosen and checked further back with keys alone: the
// star options are reachable, "Aleatorio" hands the focus to the slip (never to
// "Borrar"), Tab leaves the peña list and the arrows choose in it, and the
// draw-count bar takes the focus.
TEST_F(Escritorio, aMultiplePenaMadeChosenAndCheckedWithTheKeyboardAlone)
{
    // The focus starts on the tabs, not on a button that deletes.
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_TRUE(qobject_cast<QTabBar*>(QApplication::focusWidget())) << QApplication::focusWidget()->objectName().toStdString();
    xdotool({"key", "ctrl+n"});
    ASSERT_TRUE(QTest::qWaitFor([] { return visible<QWidget>(QStringLiteral("Creamenu")); }, 5000));
    QPointer<QWidget> menu = visible<QWidget>(QStringLiteral("Creamenu"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu, 5000));
    ASSERT_TRUE(tabulaHasta(menu->findChild<QCheckBox*>(QStringLiteral("Check1_0")))); // "Múltiple"
    xdotool({"key", "space"});
    ASSERT_TRUE(tabulaHasta(menu->findChild<QRadioButton*>(QStringLiteral("Option1_5"))));
    xdotool({"key", "Down", "space"}); // "6 números": the stars come, with the focus
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() &&
                                             QApplication::focusWidget()->objectName() == u"Option2_2"; }, 3000))
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "nada");
    xdotool({"key", "Down", "space"}); // "3 estrellas"
    ASSERT_TRUE(QTest::qWaitFor([] { return visible<Crea>(QStringLiteral("Crea")); }, 5000));
    QPointer<Crea> crea = visible<Crea>(QStringLiteral("Crea"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(crea, 5000));
    EXPECT_EQ(crea->editor().modo(), 163);

    ASSERT_TRUE(tabulaHasta(crea->findChild<QLineEdit*>(QStringLiteral("Text1"))));
    xdotool({"type", "--delay", "30", "varias"});
    // "Aleatorio" twice, numbers then stars: when it goes off, the slip takes the focus.
    auto* aleatorio = crea->findChild<QPushButton*>(QStringLiteral("Command3"));
    for (int vez = 0; vez < 2; ++vez) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return aleatorio->isEnabled(); }, 5000)) << vez;
        ASSERT_TRUE(tabulaHasta(aleatorio)) << vez;
        xdotool({"key", "space"});
        QTest::qWait(400);
        ASSERT_TRUE(QApplication::focusWidget()) << vez;
        const QString foco = QApplication::focusWidget()->objectName();
        EXPECT_NE(foco, QStringLiteral("Command2")) << vez; // never "Borrar"
        if (vez == 0) { // it went off while the stars opened
            EXPECT_EQ(foco, QStringLiteral("Picture1"));
        }
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return crea->editor().apuestas() == 1; }, 3000));
    xdotool({"key", "space"}); // a second Space deletes nothing: the slip says why it takes no more
    QTest::qWait(300);
    EXPECT_EQ(crea->editor().apuestas(), 1);
    ASSERT_TRUE(tabulaHasta(crea->findChild<QPushButton*>(QStringLiteral("Command1")))); // "Grabar"
    xdotool({"key", "space"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_estado.penanueva; }, 3000));
    xdotool({"key", "Escape"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return crea.isNull() || !crea->isVisible(); }, 5000));
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_ventana.get(), 5000));

    // The peña list: the arrows choose, Tab leaves.
    xdotool({"key", "ctrl+3"});
    auto* lista = m_ventana->findChild<QTableView*>(QStringLiteral("ListView1"));
    ASSERT_TRUE(tabulaHasta(lista));
    xdotool({"key", "Down"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_ventana->gestor().penasel() == 2; }, 3000));
    xdotool({"key", "Tab"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() != lista; }, 2000));
    // The chosen peña deleted with Alt+E, its member kept: Yes, then No.
    {
        std::vector<socios::Grupo> grupos;
        const auto penas = ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas));
        socios::pon(grupos, socios::claveDe(penas, 1), {{"EVA", 1, {}, {}}});
        ASSERT_EQ(socios::guarda(m_estado.ruta, grupos), 0);
    }
    m_siguientes = {{"key", "--delay", "100", "shift+Tab", "Return"}, {"key", "Return"}};
    xdotool({"key", "alt+e"});
    ASSERT_TRUE(esperaCajas(3)); // after the slip's one
    EXPECT_EQ(ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas)).size(), 1u);
    ASSERT_EQ(socios::apartados(m_estado.ruta).grupos.size(), 1u);
    EXPECT_EQ(datos::elemento(datos::elemento(socios::apartados(m_estado.ruta).grupos, 0).socios, 0).nombre,
              QStringLiteral("EVA"));

    // The draw-count bar: one more draw checked with an arrow.
    xdotool({"key", "ctrl+1"});
    auto* barra = m_ventana->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    ASSERT_TRUE(tabulaHasta(barra));
    xdotool({"key", "Right"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return barra->value() == 2; }, 3000))
        << barra->minimum() << "-" << barra->maximum() << " " << barra->value() << " "
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "");
    EXPECT_EQ(m_cajas, 3); // the second Space on the slip (one combination per multiple slip), the deletion's two

    xdotool({"key", "ctrl+q"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_ventana->isVisible(); }, 3000));
}

TEST_F(Escritorio, withoutAPrinterThePrintWindowWritesTheCliPdf)
{
    if (m_dialogos.hayImpresoras())
        GTEST_SKIP() << "esta máquina tiene impresoras";
    QTemporaryDir casa;
    const QByteArray antes = qgetenv("HOME");
    qputenv("HOME", casa.path().toLocal8Bit());
    m_ventana->gestor().eligePena(0);
    m_ventana->gestor().imprimePena();
    ASSERT_TRUE(QTest::qWaitFor([] { return visible<QWidget>(QStringLiteral("Imprimir")); }, 5000));
    QPointer<QWidget> imprimir = visible<QWidget>(QStringLiteral("Imprimir"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(imprimir, 5000));
    // The boxes, each answered with Enter: no printer, the file (boletos.pdf
    // in the home folder), two weeks (yes), where it went.
    pulsaEn(imprimir->findChild<QPushButton*>(QStringLiteral("Command1")));
    const bool respondidas = esperaCajas(4);
    qputenv("HOME", antes);
    ASSERT_TRUE(respondidas) << m_cajas;
    const QString pdf = casa.filePath(QStringLiteral("boletos.pdf"));
    ASSERT_TRUE(QFileInfo::exists(pdf));

    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bolvera-cli"),
              {"imprimir", "1", "--papel", "oficial", "--dos-semanas", "si", "--pdf", casa.filePath("cli.pdf"),
               "--dir", m_dir.path()});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    // The marks sit where the CLI puts them: the pages render the same.
    QPdfDocument ventana, orden;
    ASSERT_EQ(ventana.load(pdf), QPdfDocument::Error::None);
    ASSERT_EQ(orden.load(casa.filePath("cli.pdf")), QPdfDocument::Error::None);
    ASSERT_EQ(ventana.pageCount(), orden.pageCount());
    for (int p = 0; p < ventana.pageCount(); ++p) {
        EXPECT_EQ(ventana.pagePointSize(p), orden.pagePointSize(p));
        const QSize tamano = (ventana.pagePointSize(p) * 2).toSize();
        EXPECT_EQ(ventana.render(p, tamano), orden.render(p, tamano)) << p;
    }
}

TEST_F(Escritorio, aMemberAddedPaidAndHandedTheSummaryWithTheKeyboard)
{
    // The member's dialogs are the test's own to answer.
    m_respuesta.stop();
    QTemporaryDir casa;
    const QByteArray antes = qgetenv("HOME");
    qputenv("HOME", casa.path().toLocal8Bit());
    const auto socios = [&] {
        return socios::de(socios::lee(m_estado.ruta).grupos,
                          socios::claveDe(ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas)), 0));
    };
    const auto abierto = [](const char* nombre) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return visible<QWidget>(QString::fromLatin1(nombre)); }, 5000)) << nombre;
        QPointer<QWidget> w = visible<QWidget>(QString::fromLatin1(nombre));
        EXPECT_TRUE(QTest::qWaitForWindowActive(w, 5000)) << nombre;
        EXPECT_TRUE(sobrePrincipal(w)) << nombre;
        return w;
    };

    xdotool({"key", "alt+v", "o"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_ventana->findChild<QWidget*>("CommandAnadir")->isVisible(); }, 3000));
    xdotool({"key", "alt+a"});
    QPointer<QWidget> ficha = abierto("FichaSocio");
    ASSERT_TRUE(ficha);
    xdotool({"type", "--delay", "30", "Dolores"});
    xdotool({"key", "Tab", "ctrl+a"});
    xdotool({"type", "2"});
    xdotool({"key", "Return"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return socios().size() == 1; }, 3000));
    EXPECT_EQ(datos::elemento(socios(), 0).nombre, QStringLiteral("Dolores"));
    EXPECT_EQ(datos::elemento(socios(), 0).participaciones, 2);

    xdotool({"key", "alt+p"});
    ASSERT_TRUE(abierto("PagoSocio"));
    xdotool({"type", "--delay", "30", "12,50"});
    xdotool({"key", "Return"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !socios().empty() && datos::elemento(socios(), 0).pagos.size() == 1; }, 3000));
    EXPECT_EQ(datos::elemento(socios(), 0).pagos[0].centimos, 1250);
    EXPECT_EQ(datos::elemento(socios(), 0).pagos[0].fecha, QDate(2026, 12, 8));

    // The summary: the text to paste, then the PDF through the real file dialog.
    xdotool({"key", "alt+s"});
    QPointer<QWidget> resumen = abierto("ResumenSocios");
    ASSERT_TRUE(resumen);
    pulsaEn(resumen->findChild<QPushButton*>(QStringLiteral("CommandCopiar")));
    EXPECT_TRUE(QTest::qWaitFor([] { return QGuiApplication::clipboard()->text().contains(QStringLiteral("  Dolores: 2; 12,50 €")); }, 3000))
        << qPrintable(QGuiApplication::clipboard()->text());
    // The file dialog runs its own loop: the box answerer gives it Enter (the proposed name).
    m_contestada = resumen;
    m_respuesta.start();
    pulsaEn(resumen->findChild<QPushButton*>(QStringLiteral("CommandPdf")));
    const QString pdf = casa.filePath(QStringLiteral("Resumen UNA.pdf"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_cajas == 1 && QFileInfo(pdf).size() > 0; }, 8000));
    m_respuesta.stop();
    qputenv("HOME", antes);
    xdotool({"key", "Escape"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return resumen.isNull() || !resumen->isVisible(); }, 3000));
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_ventana.get(), 3000));
}

TEST_F(Escritorio, everyButtonOfEveryTabCanBeReachedOnTheScreen)
{
    const QRect libre = m_ventana->screen()->availableGeometry();
    EXPECT_TRUE(libre.contains(m_ventana->frameGeometry()));
    m_ventana->gestor().eligePena(0);
    // The longest status an update writes, on two lines.
    m_ventana->findChild<QLabel*>(QStringLiteral("Label6"))
        ->setText(QStringLiteral("TRANSFERENCIA FINALIZADA (confirmados por Francia, Bélgica, Reino Unido, Austria y "
                                 "servicio de terceros)"));
    auto* pestanas = m_ventana->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int i = 0; i < pestanas->count(); ++i) {
        pestanas->setCurrentIndex(i);
        QTest::qWait(300);
        // However tall the tab, the whole window, title bar included, stays on the free screen.
        EXPECT_TRUE(libre.contains(m_ventana->frameGeometry()))
            << i << " " << qPrintable(QStringLiteral("%1,%2 %3x%4").arg(m_ventana->frameGeometry().x()).arg(m_ventana->frameGeometry().y()).arg(m_ventana->frameGeometry().width()).arg(m_ventana->frameGeometry().height()));
        auto* zona = qobject_cast<QScrollArea*>(pestanas->currentWidget());
        ASSERT_NE(zona, nullptr);
        const auto botones = m_ventana->findChildren<QAbstractButton*>();
        int vistos = 0;
        for (QAbstractButton* b : botones) {
            if (!b->isVisibleTo(m_ventana.get()) || qobject_cast<QTabBar*>(b->parentWidget()))
                continue;
            const bool enPestana = zona->widget()->isAncestorOf(b);
            if (enPestana) {
                zona->ensureWidgetVisible(b, 0, 0);
                QTest::qWait(50);
            }
            const QRect r(b->mapToGlobal(QPoint()), b->size());
            EXPECT_TRUE(libre.contains(r)) << i << " " << qPrintable(b->objectName() + u' ' + b->text());
            if (enPestana) {
                EXPECT_TRUE(QRect(zona->viewport()->mapToGlobal(QPoint()), zona->viewport()->size()).contains(r))
                    << i << " " << qPrintable(b->objectName() + u' ' + b->text());
            }
            ++vistos;
        }
        EXPECT_GE(vistos, 6) << i; // the icon row and "Ver mensaje" at least
    }
}

} // namespace
