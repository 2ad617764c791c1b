#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace bolvera {

// The thirteen prize categories, index 1 (5+2) to 13 (2+0): they order the
// counters `aciertos`, the breakdown and the comment colours.
namespace categorias {

constexpr int total = 13;

struct Categoria
{
    int h; // numbers hit
    int k; // stars hit
    std::uint32_t color; // 0xRRGGBB of the comment
};

constexpr std::uint32_t rojo = 0xFF0000;
constexpr std::uint32_t azul = 0x0000FF;
constexpr std::uint32_t rosa = 0xFF80FF;
constexpr std::uint32_t verde = 0x00C000;
constexpr std::uint32_t granate = 0x800000;   // peña name rows
constexpr std::uint32_t verdeOscuro = 0x008000; // draw date rows
constexpr std::uint32_t gris = 0x808080;      // missed stars

constexpr std::array<Categoria, total + 1> tabla = {{
    {0, 0, 0},
    {5, 2, rojo}, {5, 1, rojo}, {5, 0, rojo},
    {4, 2, azul}, {4, 1, azul}, {4, 0, azul},
    {3, 2, rosa}, {2, 2, rosa}, {3, 1, rosa},
    {3, 0, verde}, {1, 2, verde}, {2, 1, verde}, {2, 0, verde},
}};

// Index 1–13; entry 0 is unused.
const Categoria& de(int indice);

// The category by hits, [h 0–5][k 0–2]; 0 when no prize. The check reads it
// once a bet and draw.
constexpr auto porAciertos = [] {
    std::array<std::array<std::uint8_t, 3>, 6> t{};
    for (std::size_t i = 1; i <= total; ++i)
        t[static_cast<std::size_t>(tabla[i].h)][static_cast<std::size_t>(tabla[i].k)] = static_cast<std::uint8_t>(i);
    return t;
}();

// The category won with h numbers and k stars hit; 0 when no prize.
constexpr int clasifica(int h, int k)
{
    if (h < 0 || h > 5 || k < 0 || k > 2)
        return 0;
    return porAciertos[static_cast<std::size_t>(h)][static_cast<std::size_t>(k)];
}

// "¡¡ Premio !! Hay 2 + 1 estrella." — the simple-bet comment.
QString comentario(int indice);
// "¡¡ Premio !! Hay 3 apuestas de 2+0" — one line of a multiple bet's breakdown.
QString comentarioMultiple(int indice, int cuenta);

} // namespace categorias

} // namespace bolvera
