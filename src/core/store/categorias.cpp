#include "core/store/categorias.h"

namespace bolvera {

namespace categorias {

const Categoria& de(int indice) { return tabla.at(static_cast<std::size_t>(indice)); }

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
