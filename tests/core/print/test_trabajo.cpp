#include "core/print/trabajo.h"
#include "support/datos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace bolvera;

namespace {

using T = Operacion::Tipo;

RegPena sencillas(int n, const QString& dia = QStringLiteral("Todos"))
{
    RegPena p = datos::pena(QStringLiteral("LA PEÑA"), dia, {2020, 1, 1});
    p.tipo = static_cast<std::int16_t>(n);
    for (int b = 0; b < n; ++b) {
        p.numeros[static_cast<std::size_t>(b)] = {10, 20, 30, 40, 50};
        p.estrellas[static_cast<std::size_t>(b)] = {1, 12};
    }
    return p;
}

std::vector<Operacion> marcas(const std::vector<Operacion>& ops)
{
    std::vector<Operacion> x;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(x),
                 [](const Operacion& o) { return o.tipo == T::Texto && o.texto == u"X"; });
    return x;
}

int cuenta(const std::vector<Operacion>& ops, T tipo)
{
    return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const Operacion& o) { return o.tipo == tipo; }));
}

bool hay(const std::vector<Operacion>& ops, double x, double y)
{
    return std::any_of(ops.begin(), ops.end(), [&](const Operacion& o) {
        return o.texto == u"X" && std::abs(o.x - x) < 1e-4 && std::abs(o.y - y) < 1e-4;
    });
}

const auto no = [] { return false; };

TEST(Trabajo, slipsAndPages)
{
    struct Caso
    {
        int apuestas;
        Papel papel;
        int boletos;
        int paginas;
    };
    const Caso casos[] = {
        {7, Papel::Oficial, 2, 2}, {24, Papel::Oficial, 5, 5}, {24, Papel::Normal, 5, 3},
        {5, Papel::Normal, 1, 1},  {10, Papel::Normal, 2, 1},
    };
    for (const Caso& c : casos) {
        const RegPena p = sencillas(c.apuestas);
        EXPECT_EQ(boletosNecesarios(p), c.boletos);
        const auto ops = trabajoImpresion(p, c.papel, 10, 20, no);
        EXPECT_EQ(cuenta(ops, T::NuevaPagina) + 1, c.paginas) << c.apuestas;
        // Seven marks a bet, one day mark a slip.
        EXPECT_EQ(static_cast<int>(marcas(ops).size()), 7 * c.apuestas + c.boletos) << c.apuestas;
    }
}

TEST(Trabajo, boxPositions)
{
    const float x = 10, y = 20;
    const auto ops = trabajoImpresion(sencillas(7), Papel::Oficial, x, y, no);
    // Block 1 of slip 1: number 10, number 50, star 12.
    EXPECT_TRUE(hay(ops, x + 3.75, y));
    EXPECT_TRUE(hay(ops, x + 18.75, y + 20));
    EXPECT_TRUE(hay(ops, x + 15, y + 65));
    // Bet 6 goes in block 1 of the second slip, bet 7 in block 2.
    const auto primeraPagina = std::find_if(ops.begin(), ops.end(), [](const Operacion& o) { return o.tipo == T::NuevaPagina; });
    const std::vector<Operacion> segunda(primeraPagina, ops.end());
    EXPECT_TRUE(hay(segunda, x + 3.75, y));
    EXPECT_TRUE(hay(segunda, x + 26.2 + 3.75, y));
    EXPECT_FALSE(hay(segunda, x + 2 * 26.2 + 3.75, y));

    // Plain paper: block 1's number 1 at (33, 45), the lower form 104 mm
    // down; slip 1 (number 10) on the upper form, slip 2 (number 1) below.
    RegPena diez = sencillas(10);
    diez.numeros[5] = {1, 20, 30, 40, 50};
    const auto normal = trabajoImpresion(diez, Papel::Normal, x, y, no);
    EXPECT_TRUE(hay(normal, 33 + 3.75, 45));
    EXPECT_TRUE(hay(normal, 33, 45 + 104));
    EXPECT_FALSE(hay(normal, 33, 45));
    EXPECT_FALSE(hay(normal, 33 + 3.75, 45 + 104));
    EXPECT_EQ(cuenta(normal, T::Rectangulo), 2);
    EXPECT_EQ(cuenta(normal, T::Relleno), 2 * 7);
}

TEST(Trabajo, everyRowColumnAndStarHasItsBox)
{
    // Offsets from the block's corner, in mm: a number of every row and
    // column (the bottom of each column included) and every star.
    const std::map<int, std::pair<double, double>> numeros = {
        {1, {0, 0}},      {11, {3.75, 5}},  {21, {7.5, 10}}, {31, {11.25, 15}}, {41, {15, 20}},
        {6, {0, 25}},     {16, {3.75, 30}}, {26, {7.5, 35}}, {46, {18.75, 0}},  {50, {18.75, 20}},
        {9, {0, 40}},     {18, {3.75, 40}}, {27, {7.5, 40}}, {36, {11.25, 40}}, {45, {15, 40}}};
    const std::map<int, std::pair<double, double>> estrellas = {
        {1, {0, 50}},   {2, {0, 55}},   {3, {0, 60}},   {4, {0, 65}},    {5, {7.5, 50}},  {6, {7.5, 55}},
        {7, {7.5, 60}}, {8, {7.5, 65}}, {9, {15, 50}},  {10, {15, 55}},  {11, {15, 60}},  {12, {15, 65}}};
    const std::vector<std::array<int, 7>> apuestas = {{1, 11, 21, 31, 41, 1, 5},  {6, 16, 26, 46, 50, 2, 6},
                                                      {9, 18, 27, 36, 45, 3, 7},  {1, 11, 21, 31, 41, 4, 8},
                                                      {6, 16, 26, 46, 50, 9, 12}, {9, 18, 27, 36, 45, 10, 11}};
    const float x = 10, y = 20;
    for (const auto& a : apuestas) {
        RegPena p = sencillas(1);
        std::copy_n(a.begin(), 5, p.numeros[0].begin());
        std::copy_n(a.begin() + 5, 2, p.estrellas[0].begin());
        std::set<std::pair<double, double>> esperadas = {{x + 97.5, y + 70}}; // the day: both, this week
        for (int k = 0; k < 7; ++k) {
            const auto& [dx, dy] = (k < 5 ? numeros : estrellas).at(a[static_cast<std::size_t>(k)]);
            esperadas.insert({x + dx, y + dy});
        }
        std::set<std::pair<double, double>> puestas;
        for (const Operacion& o : marcas(trabajoImpresion(p, Papel::Oficial, x, y, no)))
            puestas.insert({std::round(o.x * 100) / 100, std::round(o.y * 100) / 100});
        EXPECT_EQ(puestas, esperadas) << a[0] << " " << a[5];
    }
}

TEST(Trabajo, multipleBetBoxes)
{
    RegPena p = datos::pena(QStringLiteral("M"), QStringLiteral("Martes"), {2020, 1, 1}, {});
    p.tipo = 184;
    p.numeros[0] = {1, 2, 3, 4, 5, 6, 7, 8};
    p.estrellas[0] = {1, 2, 3, 4};
    const float x = 10, y = 20;
    const auto ops = trabajoImpresion(p, Papel::Oficial, x, y, no);
    EXPECT_EQ(marcas(ops).size(), 8u + 4u + 1u + 2u);
    const double b6 = x + 5 * 26.2;
    EXPECT_TRUE(hay(ops, b6, y + 20));          // number box 5: eight numbers
    EXPECT_TRUE(hay(ops, b6, y + 50 + 5));      // star box 2: four stars
    EXPECT_TRUE(hay(ops, x + 60, y + 70));      // one draw
}

TEST(Trabajo, footersAndTheTwoWeeksQuestion)
{
    int preguntas = 0;
    const auto si = [&] { ++preguntas; return true; };
    auto ops = trabajoImpresion(sencillas(12), Papel::Oficial, 10, 20, si);
    EXPECT_EQ(preguntas, 1); // once per job
    EXPECT_EQ(cuenta(ops, T::Texto) - static_cast<int>(marcas(ops).size()), 2 * 3);
    EXPECT_TRUE(hay(ops, 10 + 130.5, 20 + 70));
    const auto pie = std::find_if(ops.begin(), ops.end(), [](const Operacion& o) { return o.texto.startsWith(QStringLiteral("PEÑA")); });
    ASSERT_NE(pie, ops.end());
    EXPECT_EQ(pie->texto, QStringLiteral("PEÑA LA PEÑA (1/3)"));
    EXPECT_DOUBLE_EQ(pie->x, 10 + 102);
    EXPECT_DOUBLE_EQ(pie->puntos, 8);

    preguntas = 0;
    ops = trabajoImpresion(sencillas(3, QStringLiteral("Viernes")), Papel::Oficial, 3, 20, si);
    EXPECT_EQ(preguntas, 0);
    EXPECT_EQ(cuenta(ops, T::Texto), static_cast<int>(marcas(ops).size())); // X = 3: no footer

    ops = trabajoImpresion(sencillas(3, QStringLiteral("Martes")), Papel::Normal, 0, 0, si);
    std::vector<QString> textos;
    for (const Operacion& o : ops)
        if (o.tipo == T::Texto && o.texto != u"X")
            textos.push_back(o.texto);
    EXPECT_EQ(textos, (std::vector<QString>{QStringLiteral("PEÑA LA PEÑA (1/1)"), QStringLiteral("Participación para:"),
                                            QStringLiteral("MARTES"), QStringLiteral("BOLVERA V.1.2.")}));

    // A name holding place markers prints as typed.
    RegPena marcadores = sencillas(6);
    marcadores.nombre = QStringLiteral("50%1 A%2");
    ops = trabajoImpresion(marcadores, Papel::Normal, 0, 0, si);
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const Operacion& o) { return o.texto == u"PEÑA 50%1 A%2 (2/2)"; }));
}

TEST(Trabajo, aDamagedRecordPrintsNothing)
{
    RegPena p = sencillas(3);
    p.tipo = 60;
    EXPECT_TRUE(trabajoImpresion(p, Papel::Oficial, 10, 20, no).empty());
}

} // namespace
