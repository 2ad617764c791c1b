#include "core/create/editorpena.h"
#include "core/store/fechas.h"
#include "support/datos.h"
#include "support/imprime.h"

#include <gtest/gtest.h>

#include <deque>

using namespace bolvera;

namespace {

void apuesta(EditorPena& e, std::vector<int> numeros, std::vector<int> estrellas)
{
    e.marcaApuesta(numeros, estrellas);
}

TEST(EditorPena, modesAndInstructions)
{
    EXPECT_EQ(EditorPena(0).instrucciones(), QStringLiteral("INTRODUZCA EL NOMBRE, 5 NÚMEROS Y 2 ESTRELLAS:"));
    const EditorPena m(205);
    EXPECT_EQ(m.numeros(), 10);
    EXPECT_EQ(m.estrellas(), 5);
    EXPECT_EQ(m.maxApuestas(), 1);
    EXPECT_EQ(EditorPena(162).numeros(), 6);
    EXPECT_EQ(EditorPena(162).estrellas(), 2);
}

TEST(EditorPena, transitionHeights)
{
    for (const auto& [inicio, alturas] :
         std::vector<std::pair<int, std::vector<int>>>{{90, {150, 210, 263}}, {6, {36, 66, 96, 156, 216, 263}}}) {
        EditorPena e(0);
        if (inicio == 6)
            apuesta(e, {1, 2, 3, 4, 5}, {1, 2});
        ASSERT_EQ(e.altoBarra(), inicio);
        for (int n : {10, 11, 12, 13, 14})
            e.pulsa(n - 1);
        std::vector<int> vistas;
        while (e.transicion()) {
            e.tic();
            vistas.push_back(e.altoBarra());
        }
        EXPECT_EQ(vistas, alturas) << inicio;
        EXPECT_TRUE(e.avisoEstrellas());
        EXPECT_FALSE(e.tapaVisible());
        EXPECT_EQ(e.textoAvisoEstrellas(), QStringLiteral("MARQUE 2 ESTRELLAS"));
    }
}

TEST(EditorPena, numberCellsLockOnceTheBetHasItsNumbers)
{
    EditorPena e(0);
    for (int n : {1, 2, 3})
        e.pulsa(n - 1);
    e.pulsa(1); // unmark 2
    EXPECT_EQ(e.marcadas(), 2);
    for (int n : {2, 4, 5})
        e.pulsa(n - 1);
    ASSERT_TRUE(e.transicion());
    e.pulsa(5);  // a sixth number: nothing
    e.pulsa(0);  // unmarking during the transition: locked
    EXPECT_EQ(e.marcadas(), 5);
    EXPECT_TRUE(e.marcada(0));
    e.pulsa(50); // a star before the stars open: nothing
    EXPECT_FALSE(e.marcada(50));
    while (e.transicion())
        e.tic();
    e.pulsa(0); // a number in the star phase: ignored
    EXPECT_TRUE(e.marcada(0));
    e.pulsa(50);
    e.pulsa(51);
    EXPECT_EQ(e.apuestas(), 1);
    EXPECT_EQ(e.lista(), QStringLiteral(" 1- 2- 3- 4- 5 Estrellas:  1- 2 "));
    EXPECT_EQ(e.marcadas(), 0);
    EXPECT_EQ(e.altoBarra(), 6);
    EXPECT_TRUE(e.tapaVisible());
}

TEST(EditorPena, listLayoutColoursAndBorrar)
{
    EditorPena e(0);
    apuesta(e, {41, 3, 40, 22, 15}, {11, 3});
    EXPECT_EQ(e.lista(), QStringLiteral("  3-15-22-40-41 Estrellas:  3-11 ").mid(1));
    EXPECT_EQ(e.lista().size(), 32);
    apuesta(e, {1, 2, 3, 4, 5}, {1, 2});
    apuesta(e, {6, 7, 8, 9, 10}, {3, 4});
    EXPECT_EQ(e.lista().size(), 32 + 33 + 33);
    const auto tramos = e.colorea();
    ASSERT_EQ(tramos.size(), 6u);
    EXPECT_EQ(tramos[0].inicio, 15); // "Estrellas" of the first line
    EXPECT_EQ(tramos[0].largo, 9);
    EXPECT_EQ(tramos[0].color, 0xFF0000u);
    EXPECT_EQ(tramos[3].inicio, 25); // right after the first ":"
    EXPECT_EQ(tramos[3].largo, 6);
    EXPECT_EQ(tramos[3].color, 0x00C000u);
    EXPECT_EQ(e.numeroApuesta(), QStringLiteral("4"));

    e.borra();
    EXPECT_EQ(e.lista().size(), 65);
    EXPECT_EQ(e.numeroApuesta(), QStringLiteral("3"));
    e.borra();
    e.borra();
    EXPECT_TRUE(e.lista().isEmpty());
    EXPECT_FALSE(e.grabarActivo());
    EXPECT_FALSE(e.borrarActivo());
    EXPECT_EQ(e.numeroApuesta(), QStringLiteral("1"));
}

TEST(EditorPena, multipleBetLayoutAndLimit)
{
    EditorPena e(183);
    apuesta(e, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3});
    EXPECT_EQ(e.lista(), QStringLiteral(" 1- 2- 3- 4- 5- 6- 7- 8\n Estrellas:  1- 2- 3"));
    EXPECT_EQ(datos::ultimo(e.colorea()).largo, 12);
    const auto m = e.pulsa(10);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->texto, QStringLiteral("¡¡ Oficialmente sólo se admite una combinación por boleto cuando juegas a múltiples !! "));
    EXPECT_FALSE(m->exclamacion);
    EXPECT_EQ(e.marcadas(), 0);
}

TEST(EditorPena, twentyFourSimpleBetsAtMost)
{
    EditorPena e(0);
    for (int b = 0; b < 24; ++b)
        apuesta(e, {1, 2, 3, 4, 5}, {1, 2});
    ASSERT_EQ(e.lista().count(u'\n'), 23); // all 24 taken
    const auto m = e.pulsa(10);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->texto, QStringLiteral("Máximo de apuestas sencillas por peña : 24."));
    EXPECT_EQ(e.marcadas(), 0);
    const auto a = e.aleatorio([](int) { return 0; });
    ASSERT_TRUE(a);
    EXPECT_FALSE(e.aleatorioActivo());
    // Exactly 24 is a peña.
    e.ponNombre(QStringLiteral("x"));
    const auto g = e.grabar(0, 0, fechas::diaNumero(QDate(2026, 12, 8)), QStringLiteral("Todos"));
    ASSERT_TRUE(g.grabar);
    EXPECT_EQ(g.registro.tipo, 24);

    // A star clicked twice is not two stars: no bet comes of it.
    EditorPena repetida(0);
    apuesta(repetida, {1, 2, 3, 4, 5}, {1, 1});
    EXPECT_TRUE(repetida.lista().isEmpty());
}

TEST(EditorPena, randomBetsAreDistinctAndComplete)
{
    EditorPena e(205);
    std::deque<int> guion = {3, 3, 9, 9, 9, 0, 49, 20, 21, 22, 23, 24, 25, 5, 5, 11, 0, 1, 2};
    auto azar = [&](int k) {
        const int r = guion.front() % k;
        guion.pop_front();
        return r;
    };
    e.pulsa(30);
    e.pulsa(31); // marked by hand first: cleared by "Aleatorio"
    e.aleatorio(azar);
    EXPECT_EQ(e.marcadas(), 10);
    EXPECT_FALSE(e.marcada(30));
    EXPECT_TRUE(e.transicion());
    EXPECT_FALSE(e.aleatorioActivo());
    while (e.transicion())
        e.tic();
    EXPECT_TRUE(e.aleatorioActivo());
    e.aleatorio(azar);
    EXPECT_EQ(e.apuestas(), 1);
    EXPECT_EQ(e.lista(), QStringLiteral(" 1- 4-10-21-22-23-24-25-26-50\n Estrellas:  1- 2- 3- 6-12"));
}

TEST(EditorPena, nameRules)
{
    EditorPena e(0);
    EXPECT_FALSE(e.ponNombre(QStringLiteral("peña ñoño")));
    EXPECT_EQ(e.nombre(), QStringLiteral("PEÑA ÑOÑO"));
    // A letter the file cannot hold is dropped, and said once.
    const auto letra = e.ponNombre(QStringLiteral("los del 漢 bar"));
    ASSERT_TRUE(letra);
    EXPECT_EQ(letra->texto, QStringLiteral("Letra no admitida"));
    EXPECT_EQ(e.nombre(), QStringLiteral("LOS DEL  BAR"));
    EXPECT_FALSE(e.ponNombre(QStringLiteral("łódź €ñ")));
    EXPECT_EQ(e.nombre(), QStringLiteral("ÓD €Ñ"));
    EXPECT_FALSE(e.ponNombre(QStringLiteral("ÁÉÍÓÚÜÑÇÀÈÌÒÙÂÊÎÔÛÄË"))); // 20, accents included
    const auto m = e.ponNombre(QStringLiteral("ABCDEFGHIJKLMNOPQRSTU"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->texto, QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!"));
    EXPECT_TRUE(m->exclamacion);
    EXPECT_EQ(e.nombre(), QStringLiteral("AYYYYYY!!"));
}

TEST(EditorPena, saveChecksInOrder)
{
    const double hoy = fechas::diaNumero(QDate(2026, 12, 8));
    EditorPena e(0);
    EXPECT_FALSE(e.grabar(0, 0, hoy, QStringLiteral("Todos")).mensaje); // no bet: nothing at all
    apuesta(e, {1, 2, 3, 4, 5}, {1, 2});

    auto g = e.grabar(hoy + 1, hoy + 1, hoy, QStringLiteral("Todos"));
    ASSERT_TRUE(g.mensaje);
    EXPECT_TRUE(g.mensaje->texto.startsWith(QStringLiteral("¡¡¡No puede crear una peña con fecha anterior")));
    g = e.grabar(hoy, hoy + 1, hoy, QStringLiteral("Todos"));
    ASSERT_TRUE(g.mensaje);
    EXPECT_TRUE(g.mensaje->texto.startsWith(QStringLiteral("Hay sorteos con fecha posterior")));
    g = e.grabar(hoy, hoy, hoy, QStringLiteral("Todos"));
    ASSERT_TRUE(g.mensaje);
    EXPECT_EQ(g.mensaje->texto, QStringLiteral("¡¡¡No ha escrito el nombre de la peña!!!"));
    EXPECT_FALSE(g.grabar);
    // The slip is blocked until "Grabar" is pressed again.
    const auto m = e.pulsa(7);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->texto, QStringLiteral("Sólo tienes que poner un nombre. No puedes añadir más números."));
    EXPECT_FALSE(e.borrarActivo());

    e.ponNombre(QStringLiteral("mi peña"));
    g = e.grabar(0, hoy - 4, hoy, QStringLiteral("Viernes"));
    ASSERT_TRUE(g.grabar);
    EXPECT_EQ(g.registro.nombre, QStringLiteral("MI PEÑA"));
    EXPECT_EQ(g.registro.dia, QStringLiteral("Viernes"));
    EXPECT_EQ(g.registro.tipo, 1);
    EXPECT_EQ(g.registro.numeros[0][4], 5);
}

TEST(EditorPena, aSecondPenaInTheSameOpeningKeepsStaleSlots)
{
    EditorPena e(0);
    apuesta(e, {1, 2, 3, 4, 5}, {1, 2});
    apuesta(e, {6, 7, 8, 9, 10}, {3, 4});
    e.ponNombre(QStringLiteral("UNA"));
    ASSERT_TRUE(e.grabar(0, 0, 1, QStringLiteral("Todos")).grabar);
    e.carga();
    EXPECT_TRUE(e.lista().isEmpty());
    EXPECT_EQ(e.numeroApuesta(), QStringLiteral("1"));
    apuesta(e, {11, 12, 13, 14, 15}, {5, 6});
    e.ponNombre(QStringLiteral("OTRA"));
    const auto g = e.grabar(0, 0, 1, QStringLiteral("Todos"));
    ASSERT_TRUE(g.grabar);
    EXPECT_EQ(g.registro.tipo, 1);
    EXPECT_EQ(g.registro.numeros[0][0], 11);
    EXPECT_EQ(g.registro.numeros[1][0], 6); // no longer part of the peña; never read
}

} // namespace
