#pragma once

#include "core/store/categorias.h"

#include <array>
#include <cstdint>

namespace bolvera {

// C(a, b); 0 when b < 0 or b > a.
std::int64_t combinaciones(int a, int b);

// Entry i (1–13, entry 0 unused): how many of the simple bets inside a
// multiple bet of n numbers and s stars win category i when h of its numbers
// and k of its stars are hit.
using Desglose = std::array<int, categorias::total + 1>;
Desglose desglose(int n, int s, int h, int k);

} // namespace bolvera
