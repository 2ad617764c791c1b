#include "core/checking/filas.h"

#include <bit>

namespace bolvera {

std::size_t Bloque::size() const
{
    return apuestas == 0 ? filas.size() : 3 + static_cast<std::size_t>(std::popcount(apuestas));
}

Fila Bloque::operator[](std::size_t k) const
{
    if (apuestas == 0)
        return filas[k];
    Fila f;
    f.sorteo = sorteo;
    f.pena = pena;
    if (k < 3) {
        f.clase = k == 0 ? ClaseFila::Separador : k == 1 ? ClaseFila::Nombre : ClaseFila::Fecha;
        return f;
    }
    // The (k - 3)th bet shown.
    std::uint32_t resto = apuestas;
    for (std::size_t i = 3; i < k; ++i)
        resto &= resto - 1;
    const int apuesta = std::countr_zero(resto);
    f.clase = ClaseFila::Apuesta;
    f.apuesta = static_cast<std::uint8_t>(apuesta);
    f.categoria = categorias[static_cast<std::size_t>(apuesta)];
    return f;
}

void Bloque::anadeA(std::vector<Fila>& todas) const
{
    paraCadaFila([&](const Fila& f) { todas.push_back(f); });
}

} // namespace bolvera
