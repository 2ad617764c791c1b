#include "core/store/categorias.h"
#include "core/checking/desglose.h"
#include "core/checking/formas.h"
#include "support/imprime.h"

#include <gtest/gtest.h>

#include <map>

using namespace bolvera;

namespace {

TEST(Categorias, classifyEveryHitCombination)
{
    // (h, k) -> index; every other pair wins nothing.
    const std::map<std::pair<int, int>, int> premios = {
        {{5, 2}, 1}, {{5, 1}, 2}, {{5, 0}, 3}, {{4, 2}, 4},  {{4, 1}, 5},  {{4, 0}, 6}, {{3, 2}, 7},
        {{2, 2}, 8}, {{3, 1}, 9}, {{3, 0}, 10}, {{1, 2}, 11}, {{2, 1}, 12}, {{2, 0}, 13}};
    for (int h = 0; h <= 5; ++h)
        for (int k = 0; k <= 2; ++k) {
            const auto it = premios.find({h, k});
            EXPECT_EQ(categorias::clasifica(h, k), it == premios.end() ? 0 : it->second)
                << h << "+" << k;
        }
}

TEST(Categorias, commentsAndColours)
{
    struct Caso
    {
        int indice;
        const char* comentario;
        std::uint32_t color;
    };
    const Caso casos[] = {
        {1, "¡¡ Premio !! Hay 5 + 2 estrellas.", 0xFF0000},
        {2, "¡¡ Premio !! Hay 5 + 1 estrellas.", 0xFF0000},
        {3, "¡¡ Premio !! Hay 5 + 0 estrellas.", 0xFF0000},
        {4, "¡¡ Premio !! Hay 4 + 2 estrellas.", 0x0000FF},
        {5, "¡¡ Premio !! Hay 4 + 1 estrellas.", 0x0000FF},
        {6, "¡¡ Premio !! Hay 4 + 0 estrellas.", 0x0000FF},
        {7, "¡¡ Premio !! Hay 3 + 2 estrellas.", 0xFF80FF},
        {8, "¡¡ Premio !! Hay 2 + 2 estrellas.", 0xFF80FF},
        {9, "¡¡ Premio !! Hay 3 + 1 estrellas.", 0xFF80FF},
        {10, "¡¡ Premio !! Hay 3 + 0 estrellas.", 0x00C000},
        {11, "¡¡ Premio !! Hay 1 + 2 estrellas.", 0x00C000},
        {12, "¡¡ Premio !! Hay 2 + 1 estrella.", 0x00C000},
        {13, "¡¡ Premio !! Hay 2 + 0 estrella.", 0x00C000},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(categorias::comentario(c.indice), QString::fromUtf8(c.comentario));
        EXPECT_EQ(categorias::de(c.indice).color, c.color) << c.indice;
    }
    EXPECT_EQ(categorias::comentarioMultiple(13, 1), QStringLiteral("¡¡ Premio !! Hay 1 apuestas de 2+0"));
    EXPECT_EQ(categorias::comentarioMultiple(8, 10), QStringLiteral("¡¡ Premio !! Hay 10 apuestas de 2+2"));
}

TEST(Desglose, tellingValues)
{
    struct Caso
    {
        int n, s, h, k;
        std::map<int, int> esperado; // index -> count
    };
    const Caso casos[] = {
        {5, 3, 2, 1, {{12, 2}, {13, 1}}},
        {5, 3, 5, 2, {{1, 1}, {2, 2}}},
        {6, 2, 3, 0, {{10, 3}, {13, 3}}},
        {7, 5, 2, 1, {{12, 40}, {13, 60}}},
        {8, 3, 5, 2, {{1, 1}, {2, 2}, {4, 15}, {5, 30}, {7, 30}, {8, 10}, {9, 60}, {12, 20}}},
        {9, 2, 5, 1, {{2, 1}, {5, 20}, {9, 60}, {12, 40}}},
        {10, 5, 5, 2, {{1, 1}, {2, 6}, {3, 3}, {4, 25}, {5, 150}, {6, 75}, {7, 100}, {8, 100},
                       {9, 600}, {10, 300}, {11, 25}, {12, 600}, {13, 300}}},
        {10, 5, 1, 2, {{11, 126}}},
        {7, 3, 2, 0, {{13, 30}}},
        {6, 2, 1, 1, {}},
    };
    for (const Caso& c : casos) {
        const Desglose d = desglose(c.n, c.s, c.h, c.k);
        for (int i = 1; i <= 13; ++i) {
            const auto it = c.esperado.find(i);
            EXPECT_EQ(d[i], it == c.esperado.end() ? 0 : it->second)
                << c.n << " numbers, " << c.s << " stars, " << c.h << "+" << c.k << ", index " << i;
        }
    }
}

TEST(Formas, cuantosTable)
{
    const int tabla[6][4] = {{0, 3, 6, 10},         {6, 18, 36, 60},        {21, 63, 126, 210},
                             {56, 168, 336, 560},   {126, 378, 756, 1260},  {252, 756, 1512, 2520}};
    for (int n = 5; n <= 10; ++n)
        for (int s = 2; s <= 5; ++s)
            EXPECT_EQ(cuantos(100 + 10 * n + s), tabla[n - 5][s - 2]) << n << " " << s;
    for (int otro : {0, 1, 24, 99, 100, 101, 151, 156, 160, 161, 166, 206, 211, 999, -5})
        EXPECT_EQ(cuantos(otro), 0) << otro;
}

TEST(Formas, onlyKnownShapesAreValid)
{
    for (int tipo : {1, 12, 24, 153, 162, 205})
        EXPECT_TRUE(forma(tipo).has_value()) << tipo;
    for (int tipo : {0, -1, 25, 99, 100, 152, 160, 166, 206, 210, 32767})
        EXPECT_FALSE(forma(tipo).has_value()) << tipo;
    EXPECT_EQ(forma(205)->numeros, 10);
    EXPECT_EQ(forma(205)->estrellas, 5);
    EXPECT_EQ(forma(205)->apuestas, 1);
}

} // namespace
