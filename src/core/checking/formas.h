#pragma once

#include <cstdint>
#include <optional>

namespace bolvera {

struct RegPena;

// The bet shape `tipo`: 1–24 simple bets, or 100 + 10·n + s for one multiple
// bet of n numbers (5–10) and s stars (2–5).
struct Forma
{
    int apuestas; // bets in the record: `tipo` for simple bets, 1 for a multiple one
    int numeros;  // numbers per bet
    int estrellas; // stars per bet
    bool multiple;
};

// The code of one multiple bet of n numbers and s stars: 100 + 10·n + s.
constexpr int codigoMultiple(int n, int s) { return 100 + 10 * n + s; }

// The shape of `tipo`; nothing for a code the program never writes.
std::optional<Forma> forma(int tipo);

// How many simple bets the multiple bet `tipo` stands for; 0 for any other code.
int cuantos(int tipo);

// The shape of the peña when its record is sound: a known `tipo` and every
// used slot holding a number 1–50 or a star 1–12.
std::optional<Forma> formaValida(const RegPena& pena);

} // namespace bolvera
