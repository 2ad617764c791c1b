#include "core/checking/mascaras.h"

#include "core/store/categorias.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define BOLVERA_X86 1
#include <immintrin.h>
#endif

namespace bolvera {

std::uint64_t bits(const std::int16_t* valores, int n)
{
    std::uint64_t m = 0;
    for (int i = 0; i < n; ++i)
        if (valores[i] >= 0 && valores[i] < 63)
            m |= std::uint64_t{1} << valores[i];
    return m;
}

namespace {

// A draw holds five numbers and two stars, so the hits are within the table.
[[gnu::always_inline]] inline std::uint32_t unaAUna(const Mascara* apuestas, int n, const Mascara& s, std::uint8_t* r)
{
    std::uint32_t premiadas = 0;
    for (int b = 0; b < n; ++b) {
        r[b] = categorias::porAciertos[static_cast<std::size_t>(std::popcount(apuestas[b].numeros & s.numeros))]
                                      [static_cast<std::size_t>(std::popcount(apuestas[b].estrellas & s.estrellas))];
        premiadas |= static_cast<std::uint32_t>(r[b] != 0) << b;
    }
    return premiadas;
}

#ifdef BOLVERA_X86
[[gnu::target("popcnt")]] std::uint32_t conPopcnt(const Mascara* apuestas, int n, const Mascara& s, std::uint8_t* r)
{
    return unaAUna(apuestas, n, s, r);
}

// Eight bets a step: their masks and the draw's, four popcounts of 64 bits
// an instruction, h·3 + k − 3 (floored at 0: no prize below one number and
// two stars) as the index of a 15-entry table held in two registers.
[[gnu::target("avx512f,avx512vpopcntdq")]] std::uint32_t conAvx512(const Mascara* apuestas, int n, const Mascara& s,
                                                                    std::uint8_t* r)
{
    static const auto tabla = [] {
        std::array<long long, 16> t{};
        for (std::size_t h = 1; h <= 5; ++h)
            for (std::size_t k = 0; k <= 2; ++k)
                t[h * 3 + k - 3] = categorias::porAciertos[h][k];
        return t;
    }();
    const __m512i tablaBaja = _mm512_loadu_si512(tabla.data());
    const __m512i tablaAlta = _mm512_loadu_si512(tabla.data() + 8);
    const auto sn = static_cast<long long>(s.numeros);
    const auto se = static_cast<long long>(s.estrellas);
    const __m512i sorteo = _mm512_set_epi64(se, sn, se, sn, se, sn, se, sn);
    const __m512i pares = _mm512_set_epi64(14, 12, 10, 8, 6, 4, 2, 0);
    const __m512i impares = _mm512_set_epi64(15, 13, 11, 9, 7, 5, 3, 1);
    const auto* q = reinterpret_cast<const long long*>(apuestas);
    std::uint32_t premiadas = 0;
    for (int b = 0; b < n; b += 8) {
        // The masks of bets b..b+7, numbers and stars in turn; none past n.
        const int quedan = n - b;
        const auto primeras = static_cast<__mmask8>(quedan >= 4 ? 0xFF : (1u << (2 * quedan)) - 1);
        const auto segundas = static_cast<__mmask8>(quedan >= 8 ? 0xFF : quedan <= 4 ? 0 : (1u << (2 * (quedan - 4))) - 1);
        const __m512i a = _mm512_popcnt_epi64(_mm512_and_si512(_mm512_maskz_loadu_epi64(primeras, q + 2 * b), sorteo));
        const __m512i c = _mm512_popcnt_epi64(_mm512_and_si512(_mm512_maskz_loadu_epi64(segundas, q + 2 * b + 8), sorteo));
        const __m512i h = _mm512_permutex2var_epi64(a, pares, c);
        const __m512i k = _mm512_permutex2var_epi64(a, impares, c);
        // (The zero-masked forms: GCC 12 warns on its own headers' plain ones.)
        const __m512i indice = _mm512_maskz_max_epi64(
            0xFF, _mm512_sub_epi64(_mm512_add_epi64(_mm512_add_epi64(h, h), _mm512_add_epi64(h, k)), _mm512_set1_epi64(3)),
            _mm512_setzero_si512());
        const __m512i categoria = _mm512_permutex2var_epi64(tablaBaja, indice, tablaAlta);
        const __m128i bytes = _mm512_maskz_cvtepi64_epi8(0xFF, categoria);
        std::memcpy(r + b, &bytes, 8); // within the 24 bytes of r: b ≤ 16
        premiadas |= static_cast<std::uint32_t>(_mm512_test_epi64_mask(categoria, categoria)) << b;
    }
    return premiadas;
}

enum class Via { Portable, Popcnt, Avx512 };
const Via via = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vpopcntdq") ? Via::Avx512
                : __builtin_cpu_supports("popcnt")                                             ? Via::Popcnt
                                                                                               : Via::Portable;
#endif

} // namespace

std::uint32_t categoriasPortables(const Mascara* apuestas, int n, const Mascara& sorteo, std::uint8_t* r)
{
    return unaAUna(apuestas, n, sorteo, r);
}

std::uint32_t categoriasDe(const Mascara* apuestas, int n, const Mascara& sorteo, std::uint8_t* r)
{
#ifdef BOLVERA_X86
    if (via == Via::Avx512)
        return conAvx512(apuestas, n, sorteo, r);
    if (via == Via::Popcnt)
        return conPopcnt(apuestas, n, sorteo, r);
#endif
    return unaAUna(apuestas, n, sorteo, r);
}

} // namespace bolvera
