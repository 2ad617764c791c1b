#include "store/categorias.h"

namespace bolvera {

namespace categorias {
namespace {

constexpr std::array<Categoria, total + 1> tabla = {{
    {0, 0, 0},
    {5, 2, rojo}, {5, 1, rojo}, {5, 0, rojo},
    {4, 2, azul}, {4, 1, azul}, {4, 0, azul},
    {3, 2, rosa}, {2, 2, rosa}, {3, 1, rosa},
    {3, 0, verde}, {1, 2, verde}, {2, 1, verde}, {2, 0, verde},
}};

} // namespace

const Categoria& de(int indice) { return tabla.at(static_cast<std::size_t>(indice)); }

int clasifica(int h, int k)
{
    // By hits: the check asks once a bet and draw.
    static constexpr auto porAciertos = [] {
        std::array<std::array<int, 3>, 6> t{};
        for (int i = 1; i <= total; ++i)
            t[static_cast<std::size_t>(tabla[i].h)][static_cast<std::size_t>(tabla[i].k)] = i;
        return t;
    }();
    if (h < 0 || h > 5 || k < 0 || k > 2)
        return 0;
    return porAciertos[static_cast<std::size_t>(h)][static_cast<std::size_t>(k)];
}

QString comentario(int indice)
{
    const Categoria& c = de(indice);
    // Only 2+0 and 2+1 are singular, as the program always wrote them.
    const bool singular = indice == 12 || indice == 13;
    return QStringLiteral("¡¡ Premio !! Hay %1 + %2%3")
        .arg(c.h)
        .arg(c.k)
        .arg(singular ? QStringLiteral(" estrella.") : QStringLiteral(" estrellas."));
}

QString comentarioMultiple(int indice, int cuenta)
{
    const Categoria& c = de(indice);
    return QStringLiteral("¡¡ Premio !! Hay %1 apuestas de %2+%3").arg(cuenta).arg(c.h).arg(c.k);
}

} // namespace categorias

} // namespace bolvera
