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

// Index 1–13; entry 0 is unused.
const Categoria& de(int indice);

// The category won with h numbers and k stars hit; 0 when no prize.
int clasifica(int h, int k);

// "¡¡ Premio !! Hay 2 + 1 estrella." — the simple-bet comment.
QString comentario(int indice);
// "¡¡ Premio !! Hay 3 apuestas de 2+0" — one line of a multiple bet's breakdown.
QString comentarioMultiple(int indice, int cuenta);

} // namespace categorias

} // namespace bolvera
