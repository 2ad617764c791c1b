#pragma once

#include "core/checking/filas.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace bolvera {

// The rows of a results list kept as blocks, one a peña and draw, and made
// again when asked for: a full-history check of hundreds of peñas makes tens
// of millions of rows. A block of simple bets is kept as which bets it shows
// and their categories; any other block, row by row.
class FilasCompactas
{
public:
    // One block as a pass hands it.
    void anade(const Bloque& bloque);
    // Keeps blocks until it holds `filas` rows and a block of another draw
    // comes: that draw and the rest are left for later, from `corte`.
    void limita(std::size_t filas);
    std::optional<int> corte() const { return m_corte; }

    std::size_t size() const { return m_total; }
    bool empty() const { return m_total == 0; }
    Fila operator[](std::size_t fila) const;

private:
    struct Compacto
    {
        std::uint32_t primera = 0;    // its first row in the list
        std::uint32_t sueltas = 0;    // row by row: where its rows start in m_sueltas
        std::uint32_t apuestas = 0;   // kept as bets: those shown, a bit each (0: row by row)
        std::uint16_t sorteo = 0;
        std::uint16_t pena = 0;
        std::array<std::uint8_t, 12> categorias{}; // bet b's category in half-byte b
    };
    std::vector<Compacto> m_bloques;
    std::vector<Fila> m_sueltas;
    std::size_t m_total = 0;
    std::size_t m_limite = static_cast<std::size_t>(-1);
    std::optional<int> m_corte; // the draw of the first block left out
};

} // namespace bolvera
