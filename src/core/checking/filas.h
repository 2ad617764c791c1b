#pragma once

#include <cstdint>

namespace bolvera {

// One row of a results list, kept small: a full-history check can make
// millions. Texts and colours are worked out when the row is shown (celdas.h).
enum class ClaseFila : std::uint8_t
{
    Separador, // empty row before each peña block
    Nombre,    // "PEÑA " and the name
    Fecha,     // the draw's date and weekday
    Apuesta,   // a bet with its hits, and the first comment
    Linea,     // a further comment line of a multiple bet's breakdown
};

struct Fila
{
    std::uint16_t sorteo = 0; // draw index in the history, 0 = oldest
    std::uint16_t pena = 0;   // peña index in the file, 0 = record 1
    std::uint16_t cuenta = 0; // winning simple bets of the comment (multiple bets)
    ClaseFila clase = ClaseFila::Separador;
    std::uint8_t apuesta = 0;   // bet index, 0 = bet 1
    std::uint8_t categoria = 0; // prize category of the comment; 0 = none
    bool operator==(const Fila&) const = default;
};
static_assert(sizeof(Fila) <= 10);

} // namespace bolvera
