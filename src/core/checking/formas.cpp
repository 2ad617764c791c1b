#include "core/checking/formas.h"

#include "core/checking/desglose.h"
#include "core/store/regpena.h"

namespace bolvera {

std::optional<Forma> forma(int tipo)
{
    if (tipo >= 1 && tipo <= RegPena::maxApuestas)
        return Forma{tipo, 5, 2, false};
    const int n = (tipo - codigoMultiple(0, 0)) / 10;
    const int s = tipo - codigoMultiple(n, 0);
    if (tipo > codigoMultiple(0, 0) && n >= 5 && n <= 10 && s >= 2 && s <= 5 && !(n == 5 && s == 2))
        return Forma{1, n, s, true};
    return std::nullopt;
}

int cuantos(int tipo)
{
    const auto f = forma(tipo);
    if (!f || !f->multiple)
        return 0;
    return static_cast<int>(combinaciones(f->numeros, 5) * combinaciones(f->estrellas, 2));
}

std::optional<Forma> formaValida(const RegPena& pena)
{
    const auto f = forma(pena.tipo);
    if (!f)
        return std::nullopt;
    for (int b = 0; b < f->apuestas; ++b) {
        for (int i = 0; i < f->numeros; ++i)
            if (pena.numeros[b][i] < 1 || pena.numeros[b][i] > 50)
                return std::nullopt;
        for (int j = 0; j < f->estrellas; ++j)
            if (pena.estrellas[b][j] < 1 || pena.estrellas[b][j] > 12)
                return std::nullopt;
    }
    return f;
}

} // namespace bolvera
