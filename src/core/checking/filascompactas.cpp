#include "checking/filascompactas.h"

#include <algorithm>
#include <bit>

namespace bolvera {

bool FilasCompactas::comoApuestas(std::span<const Fila> bloque)
{
    if (bloque.size() < 4 || bloque.size() > 3 + 24)
        return false;
    const Fila& primera = bloque[0];
    const auto cabecera = [&](std::size_t i, ClaseFila clase) {
        const Fila& f = bloque[i];
        return f.clase == clase && f.sorteo == primera.sorteo && f.pena == primera.pena && f.cuenta == 0 &&
               f.apuesta == 0 && f.categoria == 0;
    };
    if (!cabecera(0, ClaseFila::Separador) || !cabecera(1, ClaseFila::Nombre) || !cabecera(2, ClaseFila::Fecha))
        return false;
    int anterior = -1;
    for (std::size_t i = 3; i < bloque.size(); ++i) {
        const Fila& f = bloque[i];
        if (f.clase != ClaseFila::Apuesta || f.sorteo != primera.sorteo || f.pena != primera.pena || f.cuenta != 0 ||
            f.apuesta <= anterior || f.apuesta >= 24 || f.categoria > 15)
            return false;
        anterior = f.apuesta;
    }
    return true;
}

void FilasCompactas::anade(std::span<const Fila> bloque)
{
    if (bloque.empty())
        return;
    Bloque b;
    b.primera = static_cast<std::uint32_t>(m_total);
    b.sorteo = bloque[0].sorteo;
    b.pena = bloque[0].pena;
    if (comoApuestas(bloque)) {
        for (const Fila& f : bloque.subspan(3)) {
            b.apuestas |= std::uint32_t{1} << f.apuesta;
            b.categorias[f.apuesta / 2u] |= static_cast<std::uint8_t>(f.categoria << (f.apuesta % 2 * 4));
        }
    } else {
        b.sueltas = static_cast<std::uint32_t>(m_sueltas.size());
        m_sueltas.insert(m_sueltas.end(), bloque.begin(), bloque.end());
    }
    m_bloques.push_back(b);
    m_total += bloque.size();
}

Fila FilasCompactas::operator[](std::size_t fila) const
{
    // The block that holds the row: the last one starting at or before it.
    const auto siguiente = std::upper_bound(m_bloques.begin(), m_bloques.end(), fila,
                                            [](std::size_t f, const Bloque& b) { return f < b.primera; });
    const Bloque& b = *(siguiente - 1);
    const std::size_t k = fila - b.primera;
    if (b.apuestas == 0)
        return m_sueltas[b.sueltas + k];
    Fila f;
    f.sorteo = b.sorteo;
    f.pena = b.pena;
    if (k < 3) {
        f.clase = k == 0 ? ClaseFila::Separador : k == 1 ? ClaseFila::Nombre : ClaseFila::Fecha;
        return f;
    }
    // The (k - 3)th bet shown.
    std::uint32_t resto = b.apuestas;
    for (std::size_t i = 3; i < k; ++i)
        resto &= resto - 1;
    const int apuesta = std::countr_zero(resto);
    f.clase = ClaseFila::Apuesta;
    f.apuesta = static_cast<std::uint8_t>(apuesta);
    f.categoria = static_cast<std::uint8_t>((b.categorias[static_cast<std::size_t>(apuesta) / 2] >> (apuesta % 2 * 4)) & 0xF);
    return f;
}

} // namespace bolvera
