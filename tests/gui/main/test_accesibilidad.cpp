// What a screen reader meets: every interactive object has a name.
#include "gui/comun/contraste.h"
#include "gui/create/boleto.h"
#include "gui/create/crea.h"
#include "gui/create/creamenu.h"
#include "gui/main/dialogossocios.h"
#include "gui/main/modeloresultados.h"
#include "gui/main/pestanageneral.h"
#include "gui/main/pestanapenas.h"
#include "gui/print/imprimir.h"
#include "gui/shell/acercade.h"
#include "gui/shell/infor.h"
#include "gui/shell/presentacion.h"
#include "support/datos.h"
#include "support/ventana.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTabWidget>
#include <QTest>

#include <fstream>
#include <functional>
#include <map>
#include <memory>

using namespace bolvera;

namespace {

bool interactivo(QAccessible::Role rol)
{
    switch (rol) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ScrollBar:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Link:
    case QAccessible::Chart:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

// Every visible interactive object under `raiz` without a name, as "role objectName".
void sinNombre(QAccessibleInterface* i, QStringList& faltan, int hondo = 0)
{
    if (!i || !i->isValid() || hondo > 40 || i->state().invisible)
        return;
    if (interactivo(i->role()) && i->text(QAccessible::Name).trimmed().isEmpty()) {
        QString camino;
        for (QObject* o = i->object(); o; o = o->parent())
            camino += QStringLiteral("/%1:%2").arg(QString::fromLatin1(o->metaObject()->className()), o->objectName());
        faltan << QStringLiteral("%1 %2").arg(i->role()).arg(camino);
    }
    for (int c = 0; c < i->childCount(); ++c)
        sinNombre(i->child(c), faltan, hondo + 1);
}

QStringList sinNombre(QWidget* ventana)
{
    QStringList faltan;
    sinNombre(QAccessible::queryAccessibleInterface(ventana), faltan);
    return faltan;
}

class Accesible : public PruebaVentana
{
};

// Shows the main window and runs `mira` with each of its tabs in front.
void enCadaPestana(Principal& v, const std::function<void(int)>& mira)
{
    v.show();
    auto* pestanas = v.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int t = 0; t < pestanas->count(); ++t) {
        pestanas->setCurrentIndex(t);
        QApplication::processEvents();
        mira(t);
    }
}

TEST_F(Accesible, everyInteractiveObjectOfEveryWindowHasAName)
{
    datos::escribeSorteos(ruta("numeros.dat"), datos::sorteosSeguidos(6, QDate(2026, 12, 4)));
    datos::escribePenas(ruta("apuestas.dat"), {datos::pena("UNA", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 1, 2}})});
    Principal& v = abre();
    enCadaPestana(v, [&](int t) { EXPECT_EQ(sinNombre(&v), QStringList{}) << "pestaña " << t; });
    // A chart is a picture: its values are said in words.
    const QString frecuencias = v.findChild<QWidget*>(QStringLiteral("MSChart1"))->accessibleDescription();
    EXPECT_TRUE(frecuencias.startsWith(QStringLiteral("1: "))) << frecuencias.toStdString();
    EXPECT_EQ(frecuencias.count(u';'), 24);
    EXPECT_EQ(v.findChild<QWidget*>(QStringLiteral("MSChart2"))->accessibleDescription(),
              QStringLiteral("Sin premio: 6; Premios: 0"));
    // A results row is heard as one sentence where the item column stands.
    QAccessibleTableInterface* tabla =
        QAccessible::queryAccessibleInterface(v.findChild<QWidget*>(QStringLiteral("ListView2")))->tableInterface();
    ASSERT_NE(tabla, nullptr);
    ASSERT_GT(tabla->rowCount(), 3);
    EXPECT_EQ(tabla->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("Peña UNA"));
    EXPECT_TRUE(tabla->cellAt(3, 0)->text(QAccessible::Name).startsWith(QStringLiteral("Peña UNA, ")));
    EXPECT_EQ(tabla->cellAt(3, 4)->text(QAccessible::Name), QStringLiteral("4"));
    EXPECT_EQ(tabla->cellAt(3, 4)->text(QAccessible::Description), tabla->cellAt(3, 0)->text(QAccessible::Name));
    m_estado.modoApuesta = 0;
    Crea crea(m_estado, m_plataforma);
    crea.show();
    EXPECT_EQ(sinNombre(&crea), QStringList{}) << "Crea";
    std::unique_ptr<QWidget> abierto;
    Creamenu menu(m_estado, m_plataforma, [&](QWidget* w) { abierto.reset(w); });
    menu.show();
    EXPECT_EQ(sinNombre(&menu), QStringList{}) << "Creamenu";
    // A reader's "toggle" does not click: it must still open the editor.
    QAccessible::queryAccessibleInterface(menu.findChild<QWidget*>(QStringLiteral("Check1_1")))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_NE(abierto, nullptr);
    Acercade acerca(m_escritorio);
    acerca.show();
    EXPECT_EQ(sinNombre(&acerca), QStringList{}) << "Acercade";
    v.gestor().eligePena(0);
    Imprimir imprimir(m_estado, m_plataforma);
    imprimir.show();
    EXPECT_EQ(sinNombre(&imprimir), QStringList{}) << "Imprimir";

    FichaSocio ficha(QStringLiteral("Añadir socio"), {}, {}, nullptr);
    PagoSocio pago(QStringLiteral("Ana"), QDate(2026, 12, 10), nullptr);
    ResumenSocios resumen(m_plataforma.dialogos, m_estado.ruta, QDate(2026, 11, 1), QDate(2026, 12, 10),
                          [](QDate, QDate) { return Resumen{}; }, [](QDate) {}, nullptr);
    std::ofstream(ruta("informe.htm").toStdString()) << "<p>Noticias</p>";
    Infor noticias(m_escritorio, ruta("informe.htm"));
    Presentacion presentacion;
    for (QWidget* w : std::initializer_list<QWidget*>{&ficha, &pago, &resumen, &noticias, &presentacion}) {
        w->show();
        EXPECT_EQ(sinNombre(w), QStringList{}) << w->metaObject()->className();
    }
}

// Every visible text label of `ventana` as drawn: its text colour against the
// commonest colour of the pixels under it, as "objectName contrast".
std::map<QString, double> etiquetas(QWidget* ventana)
{
    std::map<QString, double> r;
    const QImage imagen = ventana->grab().toImage();
    for (QLabel* l : ventana->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(ventana) || l->text().trimmed().isEmpty() || !l->isEnabled() || l->textFormat() == Qt::RichText)
            continue;
        const QRect zona(l->mapTo(ventana, QPoint(0, 0)), l->size());
        std::map<QRgb, int> cuentas;
        for (int y = zona.top(); y <= zona.bottom() && y < imagen.height(); ++y)
            for (int x = zona.left(); x <= zona.right() && x < imagen.width(); ++x)
                ++cuentas[imagen.pixel(x, y)];
        if (cuentas.empty())
            continue;
        const QColor fondo = std::max_element(cuentas.begin(), cuentas.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
        r[l->objectName().isEmpty() ? l->text().left(20) : l->objectName()] =
            contraste::entre(l->palette().color(QPalette::WindowText), fondo);
    }
    return r;
}

TEST_F(Accesible, everyTextReadsOnALightAndADarkDesktop)
{
    datos::escribeSorteos(ruta("numeros.dat"), {datos::sorteo({2026, 12, 4}, {3, 14, 25, 36, 47, 2, 9})});
    datos::escribePenas(ruta("apuestas.dat"),
                        {datos::pena("COLORES", "Todos", {2020, 1, 1},
                                     {{3, 14, 25, 36, 47, 2, 9}, {3, 14, 25, 36, 1, 2, 9}, {3, 14, 25, 1, 4, 2, 9},
                                      {3, 14, 25, 1, 4, 5, 6}, {1, 2, 4, 5, 6, 7, 8}})});
    const QPalette antes = QApplication::palette();
    for (const bool oscuro : {false, true}) {
        QApplication::setPalette(oscuro ? contraste::paletaOscura() : QApplication::style()->standardPalette());
        Principal& v = abre();
        v.show();
        QApplication::processEvents();
        // The results list: each cell's colour, unselected and selected, on its background.
        auto* lista = v.findChild<QTableView*>(QStringLiteral("ListView2"));
        ASSERT_GT(lista->model()->rowCount(), 7);
        DelegadoResultados delegado;
        int coloreadas = 0;
        for (int f = 0; f < lista->model()->rowCount(); ++f)
            for (int c = 0; c < lista->model()->columnCount(); ++c)
                for (const bool seleccionada : {false, true}) {
                    const QModelIndex i = lista->model()->index(f, c);
                    QStyleOptionViewItem o;
                    o.initFrom(lista);
                    o.state.setFlag(QStyle::State_Selected, seleccionada);
                    delegado.initStyleOption(&o, i);
                    const QColor tinta = o.palette.color(seleccionada ? QPalette::HighlightedText : QPalette::Text);
                    const QColor fondo = o.palette.color(seleccionada ? QPalette::Highlight : QPalette::Base);
                    const QVariant propio = i.data(Qt::ForegroundRole);
                    coloreadas += propio.isValid();
                    if (!oscuro && propio.isValid())
                        EXPECT_EQ(tinta, propio.value<QColor>()) << f << "," << c; // exactly as always
                    else
                        EXPECT_GE(contraste::entre(tinta, fondo), 4.5) << f << "," << c << " " << oscuro;
                }
        EXPECT_GT(coloreadas, 20);
        // The other lists draw a cell's own colour on their base.
        for (QTableView* otra : v.findChildren<QTableView*>()) {
            if (dynamic_cast<DelegadoResultados*>(otra->itemDelegate()))
                continue;
            for (int f = 0; f < std::min(otra->model()->rowCount(), 30); ++f)
                for (int c = 0; c < otra->model()->columnCount(); ++c) {
                    const QVariant propio = otra->model()->index(f, c).data(Qt::ForegroundRole);
                    if (oscuro && propio.isValid()) {
                        EXPECT_GE(contraste::entre(propio.value<QColor>(), otra->palette().color(QPalette::Base)), 4.5)
                            << otra->objectName().toStdString() << " " << f << "," << c;
                    }
                }
        }
        // The labels of every tab, the editor and its slip.
        auto* pestanas = v.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        m_estado.modoApuesta = 0;
        Crea crea(m_estado, m_plataforma);
        crea.show();
        v.gestor().eligePena(0);
        Imprimir imprimir(m_estado, m_plataforma);
        imprimir.show();
        FichaSocio ficha(QStringLiteral("Añadir socio"), {socios::Socio{QStringLiteral("Ana"), 1, {}, {}}}, {}, nullptr);
        ficha.show();
        ficha.findChild<QLineEdit*>()->setText(QStringLiteral("Ana")); // its warning, in red
        std::vector<std::map<QString, double>> vistas{etiquetas(&crea), etiquetas(&imprimir), etiquetas(&ficha)};
        EXPECT_TRUE(vistas.back().count(QStringLiteral("LabelAviso")));
        auto* boleto = crea.findChild<Boleto*>(QStringLiteral("Picture1"));
        for (int celda : {0, 1, 2, 3, 4})
            boleto->pulsa(celda);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !crea.editor().tapaVisible(); }, 3000));
        vistas.push_back(etiquetas(&crea)); // with the prompt of the stars
        EXPECT_TRUE(vistas.back().count(QStringLiteral("Label5")));
        // The labels the program fills only now and then, filled.
        for (const char* nombre : {"Label19", "Label9_6", "LabelHuecos"}) {
            auto* l = v.findChild<QLabel*>(QString::fromLatin1(nombre));
            l->setText(QStringLiteral("Texto de prueba"));
            l->show();
        }
        for (int t = 0; t < pestanas->count(); ++t) {
            pestanas->setCurrentIndex(t);
            QApplication::processEvents();
            vistas.push_back(etiquetas(&v));
        }
        for (const auto& vista : vistas)
            for (const auto& [nombre, c] : vista)
                EXPECT_GE(c, 4.5) << nombre.toStdString() << (oscuro ? " oscuro" : " claro");
    }
    QApplication::setPalette(antes);
}

// The texts of `ventana` cut short: labels and buttons smaller than their text.
QStringList recortados(QWidget* ventana)
{
    QStringList r;
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(ventana))
            continue;
        auto* etiqueta = qobject_cast<QLabel*>(w);
        auto* boton = qobject_cast<QAbstractButton*>(w);
        if (!(etiqueta && !etiqueta->text().isEmpty()) && !(boton && !boton->text().isEmpty()))
            continue;
        const QSize falta = etiqueta && etiqueta->wordWrap()
                                ? QSize(0, etiqueta->heightForWidth(w->width()) - w->height())
                                : w->minimumSizeHint() - w->size();
        if (falta.width() > 1 || falta.height() > 1)
            r << QStringLiteral("%1 (%2 %3)").arg(w->objectName().isEmpty() ? w->property("text").toString() : w->objectName())
                     .arg(falta.width()).arg(falta.height());
    }
    return r;
}

TEST_F(Accesible, aLargeDesktopFontCutsNoText)
{
    datos::escribeSorteos(ruta("numeros.dat"), datos::sorteosSeguidos(6, QDate(2026, 12, 4)));
    datos::escribePenas(ruta("apuestas.dat"), {datos::pena("UNA", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 1, 2}})});
    const QFont antes = QApplication::font();
    QFont grande = antes;
    grande.setPointSize(16);
    QApplication::setFont(grande);
    Principal& v = abre();
    enCadaPestana(v, [&](int t) { EXPECT_EQ(recortados(&v), QStringList{}) << "pestaña " << t; });
    m_estado.modoApuesta = 0;
    Crea crea(m_estado, m_plataforma);
    crea.show();
    v.gestor().eligePena(0);
    Imprimir imprimir(m_estado, m_plataforma);
    imprimir.show();
    QApplication::processEvents();
    EXPECT_EQ(recortados(&crea), QStringList{});
    EXPECT_EQ(recortados(&imprimir), QStringList{});
    QApplication::setFont(antes);
}

} // namespace
