#include "core/checking/filascompactas.h"

#include <algorithm>
#include <bit>

namespace bolvera {

void FilasCompactas::limita(std::size_t filas)
{
    m_limite = filas;
    m_corte.reset();
}

void FilasCompactas::anade(const Bloque& bloque)
{
    const std::size_t filas = bloque.size();
    if (filas == 0 || m_corte)
        return;
    if (m_total >= m_limite && !m_bloques.empty() && bloque.sorteo != m_bloques.back().sorteo) {
        m_corte = bloque.sorteo;
        return;
    }
    Compacto b;
    b.primera = static_cast<std::uint32_t>(m_total);
    b.sorteo = bloque.sorteo;
    b.pena = bloque.pena;
    b.apuestas = bloque.apuestas;
    if (bloque.apuestas != 0) {
        for (std::size_t a = 0; a < bloque.categorias.size(); ++a)
            b.categorias[a / 2] |= static_cast<std::uint8_t>((bloque.categorias[a] & 0xF) << (a % 2 * 4));
    } else {
        b.sueltas = static_cast<std::uint32_t>(m_sueltas.size());
        m_sueltas.insert(m_sueltas.end(), bloque.filas.begin(), bloque.filas.end());
    }
    m_bloques.push_back(b);
    m_total += filas;
}

Fila FilasCompactas::operator[](std::size_t fila) const
{
    // The block that holds the row: the last one starting at or before it.
    const auto siguiente = std::upper_bound(m_bloques.begin(), m_bloques.end(), fila,
                                            [](std::size_t f, const Compacto& b) { return f < b.primera; });
    const Compacto& b = *(siguiente - 1);
    const std::size_t k = fila - b.primera;
    if (b.apuestas == 0)
        return m_sueltas[b.sueltas + k];
    Bloque entero;
    entero.sorteo = b.sorteo;
    entero.pena = b.pena;
    entero.apuestas = b.apuestas;
    for (std::size_t a = 0; a < entero.categorias.size(); ++a)
        entero.categorias[a] = static_cast<std::uint8_t>((b.categorias[a / 2] >> (a % 2 * 4)) & 0xF);
    return entero[k];
}

} // namespace bolvera
