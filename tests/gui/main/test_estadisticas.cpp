#include "gui/main/pestanaestadisticas.h"
#include "support/ventana.h"
#include "gui/main/graficos.h"
#include "core/platform/plataforma.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "support/datos.h"
#include "support/falsos.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

using namespace bolvera;

namespace {

using datos::sorteo;

class Estadisticas : public PruebaVentana
{
protected:
    QString celda(int fila, int columna)
    {
        return control<QTableView>("ListView3")->model()->index(fila, columna).data().toString();
    }
    std::vector<RegSorteo> guardados() const
    {
        return ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.dat"));
    }
};

TEST_F(Estadisticas, listsEveryDrawNewestFirst)
{
    datos::escribeSorteos(ruta("numeros.dat"), {sorteo({2026, 12, 1}, {1, 2, 3, 4, 5, 1, 2}),
                                                sorteo({2026, 12, 4}, {3, 14, 25, 40, 47, 2, 11})});
    abre();
    EXPECT_EQ(control<QTableView>("ListView3")->model()->rowCount(), 2);
    EXPECT_EQ(celda(0, 0), QStringLiteral(" 3-14-25-40-47"));
    EXPECT_EQ(celda(0, 1), QStringLiteral("2 11"));
    EXPECT_EQ(celda(0, 2), QStringLiteral("04/12/2026  Viernes"));
    EXPECT_EQ(celda(1, 2), QStringLiteral("01/12/2026  Martes"));
    EXPECT_EQ(texto("Label7"), QStringLiteral("TOTAL: 2 sorteos."));
    const auto modelo = control<QTableView>("ListView3")->model();
    EXPECT_TRUE(modelo->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(modelo->index(0, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 192, 0));
}

TEST_F(Estadisticas, chartFollowsTheOptionsAndThePager)
{
    datos::escribeSorteos(ruta("numeros.dat"), datos::sorteosSeguidos(5, QDate(2026, 12, 4)));
    Principal& v = abre();
    auto* pager = control<QScrollBar>("HScroll2");
    EXPECT_EQ(v.estadisticas().tablaMostrada(), 1);

    control<QRadioButton>("Option1_1")->click();
    EXPECT_EQ(v.estadisticas().tablaMostrada(), 3);
    EXPECT_FALSE(pager->isEnabled());
    // A refresh shows the numbers again, as a click on "Números" would.
    v.refresca();
    EXPECT_EQ(v.estadisticas().tablaMostrada(), 1);
    EXPECT_TRUE(control<QRadioButton>("Option1_0")->isChecked());
    EXPECT_TRUE(pager->isEnabled());
    // A screen reader toggles the option without clicking it.
    QAccessible::queryAccessibleInterface(control<QRadioButton>("Option1_1"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(v.estadisticas().tablaMostrada(), 3);

    control<QRadioButton>("Option1_0")->click();
    pager->setValue(2);
    EXPECT_EQ(v.estadisticas().tablaMostrada(), 2);
    control<QRadioButton>("Option1_0")->click();
    EXPECT_EQ(v.estadisticas().tablaMostrada(), 1);
    EXPECT_EQ(pager->value(), 2);
}

TEST(EjeEntero, distinctWholeLabelsFromZero)
{
    struct Caso
    {
        int maximo, tope, marcas;
    };
    for (const Caso c : {Caso{0, 1, 2}, Caso{1, 1, 2}, Caso{3, 3, 4}, Caso{5, 5, 6}, Caso{7, 8, 5},
                         Caso{10, 10, 6}, Caso{11, 15, 4}, Caso{99, 100, 6}, Caso{1980, 2000, 5}}) {
        const EjeEntero e = ejeEntero(c.maximo);
        EXPECT_EQ(e.tope, c.tope) << c.maximo;
        EXPECT_EQ(e.marcas, c.marcas) << c.maximo;
        EXPECT_EQ(e.tope % (e.marcas - 1), 0) << c.maximo; // every label a whole number
    }
}

TEST_F(Estadisticas, aDamagedHistoryIsReportedKeptAndReset)
{
    const QByteArray danado =
        (sorteo({2026, 12, 1}).aBytes() + sorteo({2026, 12, 4}, {1, 2, 3, 4, 51, 1, 2}).aBytes());
    datos::escribeBytes(ruta("numeros.dat"), danado);
    // A peña that the damaged draw would pay: it is never counted.
    datos::escribePenas(ruta("apuestas.dat"), {datos::pena("A", "Todos", {2020, 1, 1}, {{1, 2, 3, 4, 5, 1, 2}})});
    const QByteArray apuestas = datos::leeBytes(ruta("apuestas.dat"));
    abre();
    EXPECT_EQ(datos::leeBytes(ruta("apuestas.dat")), apuestas);
    ASSERT_FALSE(m_dialogos.cajas.isEmpty());
    EXPECT_EQ(m_dialogos.caja(0).titulo, QStringLiteral("Error de lectura"));
    EXPECT_EQ(m_dialogos.caja(0).texto,
              QStringLiteral("Archivo de números ganadores no válido. ¡Se perderán los sorteos grabados!."));
    EXPECT_EQ(datos::leeBytes(ruta("numeros.err")), danado);
    EXPECT_EQ(QFileInfo(ruta("numeros.dat")).size(), 0);
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Fichero de datos vacío."));
    EXPECT_EQ(texto("Label7"), QStringLiteral("TOTAL: 0 sorteos."));
}

TEST_F(Estadisticas, deletingOneDrawNeedsArmingFirst)
{
    const auto sorteos = datos::sorteosSeguidos(4, QDate(2026, 12, 4));
    datos::escribeSorteos(ruta("numeros.dat"), sorteos);
    Principal& v = abre();

    m_dialogos.respuestas = {true};
    v.estadisticas().pulsaSorteo(0);
    EXPECT_TRUE(m_dialogos.cajas.isEmpty());
    EXPECT_EQ(guardados(), sorteos);

    // "Borrar todos los sorteos" answered No twice: nothing changes, but armed.
    m_dialogos.respuestas = {false, false};
    control<QPushButton>("Command5")->click();
    EXPECT_EQ(m_dialogos.cajas.size(), 2);
    EXPECT_TRUE(v.estadisticas().borradoarmado());
    EXPECT_EQ(guardados(), sorteos);

    m_dialogos.respuestas = {true};
    v.estadisticas().pulsaSorteo(0); // the newest
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("¿Seguro que quieres eliminar este sorteo?"));
    EXPECT_EQ(m_dialogos.ultima().porDefecto, Dialogos::PorDefecto::No);
    EXPECT_EQ(guardados(), (std::vector<RegSorteo>{sorteos[0], sorteos[1], sorteos[2]}));
    EXPECT_EQ(texto("Label9_3"), fechas::fechalarga(sorteos[2].fecha));
    EXPECT_EQ(control<QTableView>("ListView3")->model()->rowCount(), 3);

    m_dialogos.respuestas = {true};
    v.estadisticas().pulsaSorteo(1); // the middle one of three
    EXPECT_EQ(guardados(), (std::vector<RegSorteo>{sorteos[0], sorteos[2]}));
    EXPECT_EQ(m_estado.proxsorteo, 3);
}

TEST_F(Estadisticas, deletingEverythingAndResettingThePenas)
{
    datos::escribeSorteos(ruta("numeros.dat"), datos::sorteosSeguidos(4, QDate(2026, 12, 4)));
    RegPena p = datos::pena("A", "Todos", {2020, 1, 1});
    p.aciertos[12] = 9;
    datos::escribePenas(ruta("apuestas.dat"), {p});
    abre();
    const QByteArray historia = datos::leeBytes(ruta("numeros.dat"));
    m_dialogos.respuestas = {true, true};
    control<QAction>("borrar")->trigger();
    // Both questions destroy something: Enter answers No; the history is kept.
    ASSERT_EQ(m_dialogos.cajas.size(), 2);
    for (const auto& caja : m_dialogos.cajas)
        EXPECT_EQ(caja.porDefecto, Dialogos::PorDefecto::No) << qPrintable(caja.texto);
    EXPECT_EQ(datos::leeBytes(ruta("numeros.bak")), historia);
    EXPECT_EQ(QFileInfo(ruta("numeros.dat")).size(), 0);
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Fichero de datos vacío."));
    const auto penas = ficheroregistros::leeTodos<RegPena>(ruta("apuestas.dat"));
    ASSERT_EQ(penas.size(), 1u);
    EXPECT_EQ(penas[0].aciertos[12], 0);
    EXPECT_EQ(penas[0].creacion, fechas::diaNumero(m_reloj.hoy()));
}

TEST_F(Estadisticas, importingADrawFile)
{
    const auto antiguos = datos::sorteosSeguidos(2, QDate(2026, 11, 6));
    const auto nuevos = datos::sorteosSeguidos(7, QDate(2026, 12, 4));
    datos::escribeSorteos(ruta("numeros.dat"), antiguos);
    datos::escribePenas(ruta("apuestas.dat"), {datos::pena("A", "Todos", {2020, 1, 1}, {{47, 48, 49, 50, 1, 12, 11}})});
    QTemporaryDir otra;
    datos::escribeSorteos(otra.filePath("NUMEROS.DAT"), nuevos);
    Principal& v = abre();

    // Cancelled: the offer of the shop, which opens on Yes.
    m_dialogos.ficheroElegido.clear();
    m_dialogos.respuestas = {true};
    v.estadisticas().anadeTodos();
    EXPECT_TRUE(m_dialogos.ultima().pregunta);
    ASSERT_EQ(m_escritorio.abiertas.size(), 1);
    EXPECT_TRUE(datos::elemento(m_escritorio.abiertas, 0).toString().endsWith(QStringLiteral("/tienda.html#Sorteos")));

    m_dialogos.ficheroElegido = otra.filePath("NUMEROS.DAT");
    control<QToolButton>("Image1_4")->click();
    EXPECT_EQ(m_dialogos.ultima().titulo, QStringLiteral("Todos los sorteos"));
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("Archivo de sorteos importado con éxito"));
    EXPECT_EQ(guardados(), nuevos);
    EXPECT_EQ(ficheroregistros::leeTodos<RegSorteo>(ruta("numeros.bak")), antiguos);
    EXPECT_EQ(texto("Label7"), QStringLiteral("TOTAL: 7 sorteos."));
    // The new draws are counted, and the totals show it at once.
    const auto contadores = ficheroregistros::leeTodos<RegPena>(ruta("apuestas.dat")).at(0).aciertos;
    const int premios = std::accumulate(contadores.begin(), contadores.end(), 0);
    EXPECT_EQ(premios, 9); // every draw of both files: four numbers or more hit in each
    EXPECT_EQ(texto("Label13"), QString::number(premios));

    datos::escribeSorteos(otra.filePath("NUMEROS.DAT"), {sorteo({2026, 12, 2})}); // a Wednesday
    v.estadisticas().anadeTodos();
    EXPECT_EQ(m_dialogos.ultima().titulo, QStringLiteral("¡Vaya hombre!"));
    EXPECT_EQ(m_dialogos.ultima().texto,
              QStringLiteral("Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Bolvera."));
    EXPECT_EQ(guardados(), nuevos);
}

TEST_F(Estadisticas, csvFilesAndTypedDrawsFromTheGeneralMenu)
{
    datos::escribeSorteos(ruta("numeros.dat"), {sorteo({2026, 11, 27}), sorteo({2026, 12, 4})});
    abre();
    EXPECT_EQ(texto("LabelHuecos"), QStringLiteral("Falta 1 sorteo en el histórico"));
    EXPECT_FALSE(control<QLabel>("LabelHuecos")->isHidden());

    datos::escribeBytes(ruta("nuevos.csv"), "2026-12-01,5,4,3,2,1,2,1\n");
    m_dialogos.ficheroElegido = ruta("nuevos.csv");
    control<QAction>("importarcsv")->trigger();
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("Añadidos: 1. Ya estaban guardados: 0. Sorteos en el histórico: 3."));
    EXPECT_EQ(texto("Label7"), QStringLiteral("TOTAL: 3 sorteos."));
    EXPECT_TRUE(control<QLabel>("LabelHuecos")->isHidden());

    // A draw moved to a Thursday: asked, No by default; Yes takes it.
    datos::escribeBytes(ruta("jueves.csv"), "2026-11-26,6,7,8,9,10,3,4\n");
    m_dialogos.ficheroElegido = ruta("jueves.csv");
    for (const bool si : {false, true}) {
        m_dialogos.respuestas = {si};
        control<QAction>("importarcsv")->trigger();
        const auto pregunta = m_dialogos.caja(m_dialogos.cajas.size() - (si ? 2 : 1));
        EXPECT_TRUE(pregunta.pregunta && pregunta.porDefecto == Dialogos::PorDefecto::No) << si;
        EXPECT_TRUE(pregunta.texto.startsWith(QStringLiteral("26/11/2026 (jueves) no es martes ni viernes"))) << qPrintable(pregunta.texto);
        EXPECT_EQ(texto("Label7"), si ? QStringLiteral("TOTAL: 4 sorteos.") : QStringLiteral("TOTAL: 3 sorteos."));
    }

    // A typed draw on a Wednesday: asked, No by default, nothing added on No.
    m_dialogos.sorteoEscrito = Dialogos::SorteoEscrito{QDate(2026, 12, 2), QStringLiteral("1 2 3 4 5 + 1 2")};
    m_dialogos.respuestas = {false};
    control<QAction>("anadirsorteo")->trigger();
    EXPECT_TRUE(m_dialogos.ultima().pregunta && m_dialogos.ultima().porDefecto == Dialogos::PorDefecto::No);
    EXPECT_TRUE(m_dialogos.ultima().texto.startsWith(QStringLiteral("02/12/2026 (miércoles)")));
    EXPECT_EQ(texto("Label7"), QStringLiteral("TOTAL: 4 sorteos."));
    // A typed draw: refused on a stored date, then added.
    m_dialogos.sorteoEscrito = Dialogos::SorteoEscrito{QDate(2026, 12, 4), QStringLiteral("1 2 3 4 5 + 1 2")};
    control<QAction>("anadirsorteo")->trigger();
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("Ya hay un sorteo guardado el 04/12/2026."));
    m_dialogos.sorteoEscrito = Dialogos::SorteoEscrito{QDate(2026, 12, 8), QStringLiteral("1 2 3 4 5 + 1 13")};
    control<QAction>("anadirsorteo")->trigger();
    EXPECT_TRUE(m_dialogos.ultima().texto.startsWith(QStringLiteral("El sorteo del 08/12/2026 no tiene dos estrellas")));
    m_dialogos.sorteoEscrito = Dialogos::SorteoEscrito{QDate(2026, 12, 8), QStringLiteral("1 2 3 4 5 + 1 12")};
    control<QAction>("anadirsorteo")->trigger();
    EXPECT_EQ(texto("Label7"), QStringLiteral("TOTAL: 5 sorteos."));
    EXPECT_EQ(texto("Label9_3"), QStringLiteral("Martes, 8 de diciembre del 2026"));

    m_dialogos.ficheroGuardado = ruta("todos.csv");
    control<QAction>("exportarcsv")->trigger();
    EXPECT_EQ(datos::leeBytes(ruta("todos.csv")).count('\n'), 6);
    // Never onto the members' file.
    datos::escribeBytes(ruta("socios.json"), "{}");
    m_dialogos.ficheroGuardado = ruta("socios.json");
    control<QAction>("exportarcsv")->trigger();
    EXPECT_EQ(datos::leeBytes(ruta("socios.json")), QByteArray("{}"));
}

TEST_F(Estadisticas, recountingThePenasFromTheGeneralMenu)
{
    // Counted up to the newest draw with nothing in the counters, as after
    // draws came in below it; the bet wins once every one of these draws.
    const auto sorteos = datos::sorteosSeguidos(6, QDate(2026, 12, 4));
    datos::escribeSorteos(ruta("numeros.dat"), sorteos);
    std::vector<RegPena> penas = {datos::pena("UNA", "Todos", {2020, 1, 1}, {{47, 48, 49, 50, 1, 12, 11}}),
                                  datos::pena("DOS", "Todos", {2020, 1, 1}, {{47, 48, 49, 50, 2, 12, 10}})};
    for (RegPena& p : penas)
        p.contado = sorteos.back().fecha;
    datos::escribePenas(ruta("apuestas.dat"), penas);
    abre();
    const QByteArray antes = datos::leeBytes(ruta("apuestas.dat"));
    EXPECT_EQ(texto("Label13"), QStringLiteral("0"));

    for (const bool si : {false, true}) {
        m_dialogos.cajas.clear();
        m_dialogos.respuestas = {si};
        control<QAction>("Recontar")->trigger();
        ASSERT_FALSE(m_dialogos.cajas.isEmpty());
        const auto& pregunta = m_dialogos.caja(0);
        EXPECT_EQ(pregunta.titulo, QStringLiteral("Recontar premios"));
        EXPECT_EQ(pregunta.texto, QStringLiteral("¿Recontar desde su creación los premios de las peñas UNA, DOS? "
                                                 "Se guardará una copia de las peñas en apuestas.bak."));
        EXPECT_EQ(pregunta.porDefecto, Dialogos::PorDefecto::No);
        EXPECT_EQ(m_dialogos.cajas.size(), si ? 2 : 1);
        EXPECT_EQ(datos::leeBytes(ruta(si ? "apuestas.bak" : "apuestas.dat")), antes) << si;
    }
    EXPECT_EQ(m_dialogos.ultima().texto, QStringLiteral("Recontados los premios de 2 peñas."));
    for (const RegPena& p : ficheroregistros::leeTodos<RegPena>(ruta("apuestas.dat")))
        EXPECT_EQ(std::accumulate(p.aciertos.begin(), p.aciertos.end(), 0), 6) << qPrintable(p.nombre);
    EXPECT_EQ(texto("Label13"), QStringLiteral("12"));

    // No peñas: said so, nothing asked.
    datos::escribeBytes(ruta("apuestas.dat"), {});
    m_dialogos.cajas.clear();
    control<QAction>("Recontar")->trigger();
    ASSERT_EQ(m_dialogos.cajas.size(), 1);
    EXPECT_FALSE(m_dialogos.caja(0).pregunta);
    EXPECT_EQ(m_dialogos.caja(0).texto, QStringLiteral("No hay peñas que recontar."));
}

TEST_F(Estadisticas, aDirectoryThatRefusesWritesShowsThePermissionMessage)
{
    // /proc takes no new files, whoever asks.
    m_estado.ruta = QStringLiteral("/proc/");
    abre();
    m_dialogos.cajas.clear();
    m_dialogos.respuestas = {true};
    control<QPushButton>("Command5")->click();
    ASSERT_FALSE(m_dialogos.cajas.isEmpty());
    const auto& caja = m_dialogos.ultima();
    EXPECT_EQ(caja.titulo, QStringLiteral("Error de permiso"));
    EXPECT_EQ(caja.texto,
              QStringLiteral("Para modificar el archivo necesita permiso de Administrador.\r\n"
                             "Cierre el programa y ejecútelo en modo Administrador y repita la operación.\r\n"
                             "(Encima del icono, botón derecho y elija \"Ejecutar como administrador\")"));
}

} // namespace
