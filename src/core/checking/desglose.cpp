#include "core/checking/desglose.h"

namespace bolvera {

std::int64_t combinaciones(int a, int b)
{
    if (b < 0 || a < 0 || b > a)
        return 0;
    std::int64_t c = 1;
    for (int i = 1; i <= b; ++i)
        c = c * (a - b + i) / i;
    return c;
}

Desglose desglose(int n, int s, int h, int k)
{
    Desglose desg{};
    for (int i = 1; i <= categorias::total; ++i) {
        const auto& c = categorias::de(i);
        desg[i] = static_cast<int>(combinaciones(h, c.h) * combinaciones(n - h, 5 - c.h) *
                                   combinaciones(k, c.k) * combinaciones(s - k, 2 - c.k));
    }
    return desg;
}

} // namespace bolvera
