// What a screen reader meets: every interactive object has a name.
#include "create/crea.h"
#include "create/creamenu.h"
#include "main/dialogossocios.h"
#include "main/pestanageneral.h"
#include "main/pestanapenas.h"
#include "print/imprimir.h"
#include "shell/acercade.h"
#include "shell/infor.h"
#include "shell/presentacion.h"
#include "support/datos.h"
#include "support/ventana.h"

#include <QAccessible>
#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <fstream>
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

TEST_F(Accesible, everyInteractiveObjectOfEveryWindowHasAName)
{
    datos::escribeSorteos(ruta("numeros.dat"), datos::sorteosSeguidos(6, QDate(2026, 12, 4)));
    datos::escribePenas(ruta("apuestas.dat"), {datos::pena("UNA", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 1, 2}})});
    Principal& v = abre();
    v.show();
    auto* pestanas = v.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int t = 0; t < pestanas->count(); ++t) {
        pestanas->setCurrentIndex(t);
        QApplication::processEvents();
        EXPECT_EQ(sinNombre(&v), QStringList{}) << "pestaña " << t;
    }
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
    v.gestor().ListView1_Click(0);
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

} // namespace
