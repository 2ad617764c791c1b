#pragma once

#include <cstdint>

namespace bolvera {

// Numbers and stars as bits: the hits of a bet in a draw are two popcounts.
struct Mascara
{
    std::uint64_t numeros = 0;
    std::uint64_t estrellas = 0;
};

// The bits of n values; values out of 0..62 are left out (no bet holds them).
std::uint64_t bits(const std::int16_t* valores, int n);

// The prize category of each of `n` bets (at most 24) against a draw, into
// `r`, and which bets won, a bit each. `r` holds 24 bytes; those past n are
// left 0. The hot loop of a check: with the processor's vector or popcount
// instructions where it has them, which a portable build may not assume.
std::uint32_t categoriasDe(const Mascara* apuestas, int n, const Mascara& sorteo, std::uint8_t* r);

// The same, one bet at a time on any processor: what the others must match.
std::uint32_t categoriasPortables(const Mascara* apuestas, int n, const Mascara& sorteo, std::uint8_t* r);

} // namespace bolvera
