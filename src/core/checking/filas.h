#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

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

// The rows of one peña for one draw, as a pass hands them out. A block of
// simple bets is which bets it shows and their categories, its rows made
// when asked; any other block is its rows.
struct Bloque
{
    std::uint16_t sorteo = 0;
    std::uint16_t pena = 0;
    std::uint32_t apuestas = 0;                // the simple bets shown, a bit each; 0: given as `filas`
    std::uint32_t premiadas = 0;               // the simple bets with a prize, shown or not
    std::array<std::uint8_t, 24> categorias{}; // of each simple bet, shown or not
    std::span<const Fila> filas;               // the rows of any other block

    // Its rows: three heading rows, then a row a bet shown.
    std::size_t size() const;
    Fila operator[](std::size_t k) const;
    // Each of them in turn, to `f`, walking the bets shown once.
    template <typename F>
    void paraCadaFila(F&& f) const
    {
        if (apuestas == 0) {
            for (const Fila& fila : filas)
                f(fila);
            return;
        }
        for (const ClaseFila cabecera : {ClaseFila::Separador, ClaseFila::Nombre, ClaseFila::Fecha})
            f(Fila{sorteo, pena, 0, cabecera});
        for (std::uint32_t resto = apuestas; resto != 0; resto &= resto - 1) {
            const auto apuesta = static_cast<std::size_t>(std::countr_zero(resto));
            f(Fila{sorteo, pena, 0, ClaseFila::Apuesta, static_cast<std::uint8_t>(apuesta), categorias[apuesta]});
        }
    }
    // All of them, after those of `filas`.
    void anadeA(std::vector<Fila>& filas) const;
};

} // namespace bolvera
