#include "gui/main/pestanapenas.h"
#include "gui/create/boleto.h"
#include "gui/comun/contraste.h"
#include "gui/create/crea.h"
#include "gui/create/creamenu.h"
#include "support/datos.h"
#include "support/ventana.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <map>

using namespace bolvera;

namespace {

template <typename T>
T* ventana(const QString& nombre)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nombre && w->isVisible())
            return qobject_cast<T*>(w);
    return nullptr;
}

void pulsa(QWidget* editor, int celda)
{
    QWidget* casilla = editor->findChild<QWidget*>(QStringLiteral("Image1_%1").arg(celda));
    ASSERT_NE(casilla, nullptr) << celda;
    QTest::mouseClick(casilla, Qt::LeftButton);
}

// Marks a bet on the slip, waiting for the stars to open.
void marca(Crea* editor, std::vector<int> numeros, std::vector<int> estrellas)
{
    for (int n : numeros)
        pulsa(editor, n - 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !editor->editor().transicion(); }, 3000));
    for (int s : estrellas)
        pulsa(editor, 49 + s);
}

class CrearPena : public PruebaVentana
{
protected:
    ~CrearPena() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"Crea" || w->objectName() == u"Creamenu")
                delete w;
    }
};

TEST_F(CrearPena, simpleAndMultiplePenasByClickingTheSlip)
{
    Principal& v = abre();
    control<QAction>("crear")->trigger();
    auto* menu = ventana<Creamenu>("Creamenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Menú creación"));
    menu->findChild<QCheckBox*>(QStringLiteral("Check1_1"))->click(); // "Sencilla"
    QApplication::processEvents();
    auto* crea = ventana<Crea>("Crea");
    ASSERT_NE(crea, nullptr);
    EXPECT_EQ(crea->windowTitle(), QStringLiteral("Crear peña nueva..."));

    QTest::keyClicks(crea->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("tres apuestas"));
    marca(crea, {3, 15, 22, 40, 41}, {3, 11});
    marca(crea, {1, 2, 3, 4, 5}, {1, 2});
    marca(crea, {46, 47, 48, 49, 50}, {11, 12});
    EXPECT_EQ(crea->findChild<QTextEdit*>(QStringLiteral("RichTextBox1"))->toPlainText().count(u'\n'), 2);
    crea->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(m_estado.penanueva);
    EXPECT_TRUE(crea->findChild<QLineEdit*>(QStringLiteral("Text1"))->text().isEmpty());

    // Back in the main window: the editor closes and the list shows the peña.
    v.alActivarse();
    QApplication::processEvents();
    EXPECT_EQ(ventana<Crea>("Crea"), nullptr);
    EXPECT_FALSE(m_estado.penanueva);

    v.gestor().pideNuevaPena();
    menu = ventana<Creamenu>("Creamenu");
    ASSERT_NE(menu, nullptr);
    menu->findChild<QCheckBox*>(QStringLiteral("Check1_0"))->click(); // "Múltiple"
    menu->findChild<QRadioButton*>(QStringLiteral("Option1_8"))->click();
    EXPECT_FALSE(menu->findChild<QRadioButton*>(QStringLiteral("Option1_8"))->isVisible());
    menu->findChild<QRadioButton*>(QStringLiteral("Option2_3"))->click();
    QApplication::processEvents();
    EXPECT_EQ(m_estado.modoApuesta, 183);
    crea = ventana<Crea>("Crea");
    ASSERT_NE(crea, nullptr);
    QTest::keyClicks(crea->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("ocho"));
    marca(crea, {1, 7, 15, 20, 32, 41, 44, 50}, {1, 6, 9});
    crea->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    v.alActivarse();

    auto* lista = control<QTableView>("ListView1");
    ASSERT_EQ(lista->model()->rowCount(), 2);
    EXPECT_EQ(lista->model()->index(0, 0).data().toString().trimmed(), QStringLiteral("TRES APUESTAS"));
    EXPECT_EQ(lista->model()->index(0, 1).data().toString(), QStringLiteral("3"));
    EXPECT_EQ(lista->model()->index(1, 1).data().toString(), QStringLiteral("168"));
}

TEST_F(CrearPena, fiveNumbersCannotTakeTwoStars)
{
    abre().gestor().pideNuevaPena();
    auto* menu = ventana<Creamenu>("Creamenu");
    ASSERT_NE(menu, nullptr);
    menu->findChild<QCheckBox*>(QStringLiteral("Check1_0"))->click();
    menu->findChild<QRadioButton*>(QStringLiteral("Option1_5"))->click();
    EXPECT_FALSE(menu->findChild<QRadioButton*>(QStringLiteral("Option2_2"))->isEnabled());
    EXPECT_TRUE(menu->findChild<QRadioButton*>(QStringLiteral("Option2_3"))->isEnabled());
    // Unchecking "Múltiple" after all 14 marks leaves the animation stopped.
    for (int i = 0; i < 14; ++i)
        menu->dibujaMarca();
    EXPECT_EQ(menu->marcas(), 14);
}

TEST_F(CrearPena, aNameOverTwentyLettersBecomesAyyy)
{
    abre();
    m_estado.modoApuesta = 0;
    Crea crea(m_estado, m_plataforma);
    crea.show();
    auto* nombre = crea.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClicks(nombre, QStringLiteral("abcdefghijklmnopqrstu"));
    EXPECT_EQ(nombre->text(), QStringLiteral("AYYYYYY!!"));
    ASSERT_FALSE(m_dialogos.cajas.isEmpty());
    EXPECT_EQ(m_dialogos.ultima().titulo, QStringLiteral("Error"));
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!"));

    // Typing in the middle of the name keeps the cursor there.
    nombre->clear();
    QTest::keyClicks(nombre, QStringLiteral("abcd"));
    nombre->setCursorPosition(2);
    QTest::keyClicks(nombre, QStringLiteral("xy"));
    EXPECT_EQ(nombre->text(), QStringLiteral("ABXYCD"));
    EXPECT_EQ(nombre->cursorPosition(), 4);
}

TEST_F(CrearPena, aBetMarkedWithTheKeyboardAlone)
{
    abre();
    m_estado.modoApuesta = 0;
    Crea crea(m_estado, m_plataforma);
    crea.show();
    auto* boleto = crea.findChild<Boleto*>(QStringLiteral("Picture1"));
    ASSERT_NE(boleto, nullptr);
    EXPECT_EQ(boleto->focusPolicy(), Qt::StrongFocus);
    // Each row: the keys pressed, then the cell the focus must be on.
    const std::vector<std::pair<std::vector<Qt::Key>, int>> pasos = {
        {{Qt::Key_Space}, 0},                                        // number 1
        {{Qt::Key_Up, Qt::Key_Left}, 0},                             // nothing above or left
        {{Qt::Key_Right, Qt::Key_Space}, 9},                         // number 10
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, 11},          // 12
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, 47}, // last column
        {{Qt::Key_Space, Qt::Key_Up, Qt::Key_Space}, 46},             // 48, 47
    };
    for (const auto& [teclas, celda] : pasos) {
        for (Qt::Key tecla : teclas)
            QTest::keyClick(boleto, tecla);
        EXPECT_EQ(boleto->foco(), celda);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return crea.editor().faseEstrellas() && !crea.editor().tapaVisible(); }, 3000));
    QApplication::processEvents();
    EXPECT_EQ(boleto->foco(), 50); // the stars opened: the focus is on star 1
    for (Qt::Key tecla : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Right, Qt::Key_Enter})
        QTest::keyClick(boleto, tecla);
    EXPECT_EQ(crea.editor().apuestas(), 1);
    EXPECT_EQ(crea.findChild<QTextEdit*>(QStringLiteral("RichTextBox1"))->toPlainText().simplified(),
              QStringLiteral("1-10-12-47-48 Estrellas: 1- 6"));
    EXPECT_EQ(boleto->foco(), 0); // and back on the numbers for the next bet
}

// What a screen reader finds on the slip after each key: the focused cell,
// whether it is marked, and what stands in its way.
QString oido(Boleto* boleto)
{
    QAccessibleInterface* celda = QAccessible::queryAccessibleInterface(boleto)->focusChild();
    if (!celda)
        return QStringLiteral("nada");
    return QStringLiteral("%1 %2 %3")
        .arg(celda->text(QAccessible::Name), celda->state().checked ? QStringLiteral("marcada") : QString(),
             celda->text(QAccessible::Description))
        .simplified();
}

TEST_F(CrearPena, aBlindUserHearsEachCellAndItsMark)
{
    abre();
    m_estado.modoApuesta = 0;
    Crea crea(m_estado, m_plataforma);
    crea.show();
    QApplication::setActiveWindow(&crea);
    auto* boleto = crea.findChild<Boleto*>(QStringLiteral("Picture1"));
    EXPECT_EQ(oido(boleto), QStringLiteral("nada"));
    boleto->setFocus();
    EXPECT_EQ(oido(boleto), QStringLiteral("Número 1"));
    const std::vector<std::pair<Qt::Key, QString>> pasos = {
        {Qt::Key_Down, "Número 2"},          {Qt::Key_Space, "Número 2 marcada"}, {Qt::Key_Down, "Número 3"},
        {Qt::Key_Space, "Número 3 marcada"}, {Qt::Key_Space, "Número 3"},         {Qt::Key_Right, "Número 12"},
    };
    for (const auto& [tecla, dicho] : pasos) {
        QTest::keyClick(boleto, tecla);
        EXPECT_EQ(oido(boleto), dicho) << tecla;
    }
    QAccessibleInterface* estrella = QAccessible::queryAccessibleInterface(boleto->casilla(52));
    EXPECT_EQ(estrella->role(), QAccessible::CheckBox);
    EXPECT_EQ(estrella->text(QAccessible::Description), QStringLiteral("Marque primero los números"));
    for (int celda : {20, 30, 40, 49})
        boleto->pulsa(celda);
    ASSERT_TRUE(QTest::qWaitFor([&] { return crea.editor().faseEstrellas() && !crea.editor().tapaVisible(); }, 3000));
    QApplication::processEvents();
    EXPECT_EQ(oido(boleto), QStringLiteral("Estrella 1 MARQUE 2 ESTRELLAS"));
    // A reader's "press" marks the cell as a click would.
    estrella->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(oido(boleto), QStringLiteral("Estrella 3 marcada MARQUE 2 ESTRELLAS"));
    EXPECT_TRUE(estrella->state().focused && estrella->state().checkable);
}

TEST(Boleto_, starNumbersReadAtNormalSize)
{
    Boleto boleto;
    for (int estrella = 1; estrella <= 12; ++estrella) {
        const QImage imagen = boleto.findChild<QWidget*>(QStringLiteral("Image1_%1").arg(49 + estrella))->grab().toImage();
        // The star's fill is its commonest colour; the digits must stand out from it.
        std::map<QRgb, int> cuentas;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x)
                ++cuentas[imagen.pixel(x, y)];
        cuentas.erase(QColor(Qt::white).rgb());
        ASSERT_FALSE(cuentas.empty());
        const QColor fondo = std::max_element(cuentas.begin(), cuentas.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
        double mejor = 0;
        int arriba = imagen.height(), abajo = -1;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x) {
                const double c = contraste::entre(imagen.pixelColor(x, y), fondo);
                mejor = std::max(mejor, c);
                if (c >= 4.5) {
                    arriba = std::min(arriba, y);
                    abajo = std::max(abajo, y);
                }
            }
        EXPECT_GE(mejor, 4.5) << estrella;
        EXPECT_GE(abajo - arriba + 1, 7) << estrella; // digits tall enough to read
    }
}

} // namespace
