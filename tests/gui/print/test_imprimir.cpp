#include "gui/main/pestanapenas.h"
#include "gui/print/imprimir.h"
#include "gui/print/pintor.h"
#include "core/store/numsini.h"
#include "support/datos.h"
#include "support/ventana.h"

#include <QApplication>
#include <QLineEdit>
#include <QPdfDocument>
#include <QProcess>
#include <QPushButton>

using namespace bolvera;

namespace {

class Imprimir_ : public PruebaVentana
{
protected:
    Imprimir_()
    {
        datos::escribePenas(ruta("apuestas.dat"),
                            {datos::pena("SIETE", "Todos", {2020, 1, 1},
                                         {{1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2},
                                          {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2},
                                          {1, 2, 3, 4, 5, 1, 2}})});
    }
    ::Imprimir* ventana()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"Imprimir" && w->isVisible())
                return qobject_cast<::Imprimir*>(w);
        return nullptr;
    }
    ~Imprimir_() override
    {
        if (auto* v = ventana())
            delete v;
    }
};

TEST_F(Imprimir_, opensForTheSelectedPenaAndPrintsItsSlips)
{
    Principal& v = abre();
    v.gestor().eligePena(0);
    v.gestor().imprimePena();
    ::Imprimir* imp = ventana();
    ASSERT_NE(imp, nullptr);
    EXPECT_EQ(imp->windowTitle(), QStringLiteral("Imprimir Boletos"));
    EXPECT_EQ(imp->findChild<QLabel*>(QStringLiteral("Label10"))->text(), QStringLiteral("SIETE"));
    EXPECT_EQ(imp->findChild<QLabel*>(QStringLiteral("Label2_0"))->text(), QStringLiteral("7"));
    EXPECT_EQ(imp->findChild<QLabel*>(QStringLiteral("Label2_1"))->text(), QStringLiteral("2"));
    EXPECT_EQ(imp->findChild<QLabel*>(QStringLiteral("Label2_2"))->text(), QStringLiteral("Todos"));

    // Cancelling the printer dialog prints nothing.
    imp->imprimeOficial();
    const QString pdf = ruta("boletos.pdf");
    EXPECT_FALSE(QFileInfo::exists(pdf));

    m_dialogos.alElegirImpresora = [&](QPrinter& impresora) {
        preparaPdf(impresora, pdf);
        return true;
    };
    m_dialogos.respuestas = {true};
    imp->imprimeNormal();
    QPdfDocument documento;
    ASSERT_EQ(documento.load(pdf), QPdfDocument::Error::None);
    EXPECT_EQ(documento.pageCount(), 1); // two plain forms on one sheet
    ASSERT_EQ(m_dialogos.cajas.size(), 1);
    EXPECT_EQ(m_dialogos.caja(0).titulo, QStringLiteral("Opción Dos semanas"));

    // No printer at all: said so, and the slips go into the PDF the user names,
    // the very pages bolvera-cli imprimir --pdf makes.
    m_dialogos.impresoras = false;
    m_dialogos.cajas.clear();
    m_dialogos.respuestas = {false};
    m_dialogos.ficheroGuardado = ruta("sin-impresora.pdf");
    imp->imprimeOficial();
    ASSERT_EQ(documento.load(ruta("sin-impresora.pdf")), QPdfDocument::Error::None);
    const int paginas = documento.pageCount();
    QProcess cli;
    cli.start(QStringLiteral(BOLVERA_CLI), {"imprimir", "1", "--papel", "oficial", "--pdf", ruta("cli.pdf"), "--dir", m_dir.path()});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(documento.load(ruta("cli.pdf")), QPdfDocument::Error::None);
    EXPECT_EQ(paginas, documento.pageCount());
    EXPECT_EQ(paginas, 2); // seven bets: two official slips
    ASSERT_EQ(m_dialogos.cajas.size(), 3);
    EXPECT_TRUE(m_dialogos.caja(0).texto.startsWith(QStringLiteral("No hay ninguna impresora instalada")));
    EXPECT_TRUE(m_dialogos.caja(2).texto.contains(QStringLiteral("100 %"))) << qPrintable(m_dialogos.caja(2).texto);
    // Never onto one of the data files.
    datos::escribeBytes(ruta("socios.json"), "{}");
    datos::escribeBytes(ruta("socios.bak"), "{}");
    for (const char* fichero : {"apuestas.dat", "socios.json", "socios.bak"}) {
        const QByteArray antes = datos::leeBytes(ruta(fichero));
        m_dialogos.ficheroGuardado = ruta(fichero);
        imp->imprimeOficial();
        EXPECT_EQ(datos::leeBytes(ruta(fichero)), antes) << fichero;
    }
}

TEST_F(Imprimir_, calibrationBoxes)
{
    datos::escribeBytes(ruta("nums.ini"), QByteArray::fromHex("aabbccdd") + QByteArray(8, '\0') + QByteArray::fromHex("eeff"));
    ASSERT_EQ(numsini::escribe(ruta("nums.ini"), {2.5f, 12}), 0);
    Principal& v = abre();
    v.gestor().eligePena(0);
    v.gestor().imprimePena();
    ::Imprimir* imp = ventana();
    ASSERT_NE(imp, nullptr);
    auto* x = imp->findChild<QLineEdit*>(QStringLiteral("Text1_0"));
    auto* y = imp->findChild<QLineEdit*>(QStringLiteral("Text1_1"));
    EXPECT_EQ(x->text(), QStringLiteral("2,5"));
    EXPECT_EQ(y->text(), QStringLiteral("12"));

    x->setText(QStringLiteral("7,25"));
    imp->cambiaCalibracion(0);
    EXPECT_EQ(numsini::lee(ruta("nums.ini")).x, 7.25f);
    EXPECT_EQ(datos::leeBytes(ruta("nums.ini")).left(4), QByteArray::fromHex("aabbccdd"));

    // Either decimal mark; anything else puts both boxes back to the stored values.
    for (const char* punto : {"3.5", "3,5"}) {
        y->setText(QString::fromLatin1(punto));
        imp->cambiaCalibracion(1);
        EXPECT_EQ(numsini::lee(ruta("nums.ini")).y, 3.5f) << punto;
    }
    y->setText(QStringLiteral("12"));
    imp->cambiaCalibracion(1);
    for (const char* malo : {"doce", "1.000,5", "3..5"}) {
        y->setText(QString::fromLatin1(malo));
        imp->cambiaCalibracion(1);
        EXPECT_EQ(x->text(), QStringLiteral("7,25")) << malo;
        EXPECT_EQ(y->text(), QStringLiteral("12")) << malo;
    }

    y->clear();
    imp->cambiaCalibracion(1);
    imp->dejaCalibracion(1);
    ASSERT_FALSE(m_dialogos.cajas.isEmpty());
    EXPECT_EQ(m_dialogos.ultima().titulo, QStringLiteral("EHEHEHH"));
    EXPECT_EQ(m_dialogos.ultima().icono, Dialogos::Icono::Critico);
    EXPECT_EQ(numsini::lee(ruta("nums.ini")).y, 12.0f);
}

} // namespace
