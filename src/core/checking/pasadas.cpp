#include "checking/pasadas.h"

#include "store/categorias.h"
#include "checking/desglose.h"
#include "checking/formas.h"
#include "store/fechas.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <optional>
#include <utility>

namespace bolvera {

namespace {

// Counters are 16-bit on disk: they stop at the top instead of wrapping.
void suma(std::int16_t& contador, int cuanto)
{
    constexpr int tope = std::numeric_limits<std::int16_t>::max();
    contador = static_cast<std::int16_t>(std::min(tope, contador + cuanto));
}

// Numbers and stars as bits: the hits of a bet in a draw are two popcounts.
// A draw's values out of range are left out; no bet holds them.
struct Mascara
{
    std::uint64_t numeros = 0;
    std::uint64_t estrellas = 0;
};

std::uint64_t bits(const std::int16_t* valores, int n)
{
    std::uint64_t m = 0;
    for (int i = 0; i < n; ++i)
        if (valores[i] >= 0 && valores[i] < 63)
            m |= std::uint64_t{1} << valores[i];
    return m;
}

// The categories of `n` bets against one draw, in `r`; with the processor's
// popcount instruction where it has one (every x86-64 of the last fifteen
// years), which the portable build may not assume: the same loop, built twice.
// A draw holds five numbers and two stars, so the hits are within the table.
[[gnu::always_inline]] inline void categoriasDeBits(const Mascara* apuestas, int n, const Mascara& s, std::uint8_t* r)
{
    for (int b = 0; b < n; ++b)
        r[b] = categorias::porAciertos[static_cast<std::size_t>(std::popcount(apuestas[b].numeros & s.numeros))]
                                      [static_cast<std::size_t>(std::popcount(apuestas[b].estrellas & s.estrellas))];
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
[[gnu::target("popcnt")]] void categoriasPorPopcnt(const Mascara* apuestas, int n, const Mascara& s, std::uint8_t* r)
{
    categoriasDeBits(apuestas, n, s, r);
}
const bool hayPopcnt = __builtin_cpu_supports("popcnt");
#endif

// The walk shared by both passes: newest draw first, every peña per draw.
class Recorrido
{
public:
    Recorrido(const std::vector<RegSorteo>& sorteos, std::vector<RegPena>& penas, int n, const DestinoFilas& destino)
        : m_sorteos(sorteos), m_penas(penas), m_destino(destino), m_cambiadas(penas.size(), false),
          m_n(std::clamp(n, 0, static_cast<int>(sorteos.size())))
    {
        // Shapes and day filters do not change during a pass: worked out once.
        m_formas.reserve(penas.size());
        m_dias.reserve(penas.size());
        m_apuestas.reserve(penas.size());
        m_sorteosBits.reserve(sorteos.size());
        m_diasSorteo.reserve(sorteos.size());
        for (const RegPena& p : penas) {
            m_formas.push_back(formaValida(p));
            m_dias.push_back(p.diaRecortado());
            m_todos.push_back(m_dias.back() == u"Todos");
            std::vector<Mascara> apuestas;
            bool distintos = true;
            for (int b = 0; m_formas.back() && b < m_formas.back()->apuestas; ++b) {
                const Forma& f = *m_formas.back();
                const Mascara m{bits(p.numeros[b].data(), f.numeros), bits(p.estrellas[b].data(), f.estrellas)};
                // A number twice in a bet counts twice, as it always has: such a
                // record is checked one number at a time.
                distintos = distintos && std::popcount(m.numeros) == f.numeros &&
                            std::popcount(m.estrellas) == f.estrellas;
                apuestas.push_back(m);
            }
            m_apuestas.push_back(distintos ? std::move(apuestas) : std::vector<Mascara>{});
        }
        for (const RegSorteo& s : sorteos) {
            m_sorteosBits.push_back({bits(s.num.data(), 5), bits(s.num.data() + 5, 2)});
            m_diasSorteo.push_back(fechas::diasemana(s.fecha));
        }
    }

    // Numbers and stars of bet b of peña p that draw d holds.
    std::pair<int, int> aciertos(int d, int p, int b) const
    {
        const std::vector<Mascara>& apuestas = m_apuestas[static_cast<std::size_t>(p)];
        if (!apuestas.empty()) {
            const Mascara& a = apuestas[static_cast<std::size_t>(b)];
            const Mascara& s = m_sorteosBits[static_cast<std::size_t>(d)];
            return {std::popcount(a.numeros & s.numeros), std::popcount(a.estrellas & s.estrellas)};
        }
        const RegPena& pena = m_penas[static_cast<std::size_t>(p)];
        const RegSorteo& s = m_sorteos[static_cast<std::size_t>(d)];
        const Forma& f = *forma(p);
        return {aciertosNumeros(pena.numeros[b].data(), f.numeros, s),
                aciertosEstrellas(pena.estrellas[b].data(), f.estrellas, s)};
    }

    // The prize category of each bet of peña p in draw d, the hot loop of a
    // check: everything it reads is loaded once.
    std::array<std::uint8_t, 24> categoriasDe(int d, int p) const
    {
        std::array<std::uint8_t, 24> r{};
        const int apuestas = forma(p)->apuestas;
        const std::vector<Mascara>& bits = m_apuestas[static_cast<std::size_t>(p)];
        if (bits.empty()) {
            for (int b = 0; b < apuestas; ++b) {
                const auto [h, k] = aciertos(d, p, b);
                r[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(categorias::clasifica(h, k));
            }
            return r;
        }
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
        if (hayPopcnt) {
            categoriasPorPopcnt(bits.data(), apuestas, m_sorteosBits[static_cast<std::size_t>(d)], r.data());
            return r;
        }
#endif
        categoriasDeBits(bits.data(), apuestas, m_sorteosBits[static_cast<std::size_t>(d)], r.data());
        return r;
    }

    // Whether peña p plays draw d by its day filter.
    bool juegaDia(int d, int p) const
    {
        return m_todos[static_cast<std::size_t>(p)] ||
               m_dias[static_cast<std::size_t>(p)] == m_diasSorteo[static_cast<std::size_t>(d)];
    }

    const std::optional<Forma>& forma(int p) const { return m_formas[static_cast<std::size_t>(p)]; }

    // Whether peña p is shown for draw d.
    bool muestra(int d, int p, bool historico) const
    {
        const RegSorteo& s = m_sorteos[static_cast<std::size_t>(d)];
        const RegPena& pena = m_penas[static_cast<std::size_t>(p)];
        return (pena.creacion <= s.fecha || historico) && juegaDia(d, p);
    }

    // `porPena(d, p)` makes the rows of peña p for draw d and says whether the
    // pass owns the peña; `premios(d, p)` adds what draw d won to its counters.
    // The counters take every draw newer than `contado`, not only the draws
    // shown: draws merged or typed in below the newest count as well, each
    // once, because `contado` never moves back.
    template <typename PorPena, typename Premios>
    void recorre(PorPena porPena, Premios premios)
    {
        if (m_n == 0)
            return;
        const int ultimo = static_cast<int>(m_sorteos.size()) - 1;
        const double masReciente = m_sorteos.back().fecha;
        for (int d = ultimo; d > ultimo - m_n; --d) {
            const bool finPasada = d == ultimo - m_n + 1;
            for (std::size_t p = 0; p < m_penas.size(); ++p) {
                const bool propia = porPena(d, static_cast<int>(p));
                entrega();
                if (!propia || !finPasada)
                    continue;
                cuentaPendientes(static_cast<int>(p), premios);
                RegPena& pena = m_penas[p];
                if (pena.contado < masReciente) {
                    pena.contado = masReciente;
                    m_cambiadas[p] = true;
                }
            }
        }
    }

    template <typename Premios>
    void cuentaPendientes(int p, Premios premios)
    {
        const RegPena& pena = m_penas[static_cast<std::size_t>(p)];
        if (!forma(p))
            return;
        for (std::size_t d = 0; d < m_sorteos.size(); ++d) {
            const double fecha = m_sorteos[d].fecha;
            if (fecha > pena.contado && fecha >= pena.creacion && juegaDia(static_cast<int>(d), p))
                premios(static_cast<int>(d), p);
        }
    }

    // A peña's block is complete once its rows for the draw are made.
    void entrega()
    {
        if (m_destino && !m_pasada.filas.empty()) {
            m_destino(m_pasada.filas);
            m_pasada.filas.clear();
        }
    }

    void cambia(int p) { m_cambiadas[static_cast<std::size_t>(p)] = true; }

    void fila(ClaseFila clase, int d, int p, int apuesta = 0, int categoria = 0, int cuenta = 0)
    {
        m_pasada.filas.push_back({static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(p),
                                  static_cast<std::uint16_t>(std::min(cuenta, 65535)), clase,
                                  static_cast<std::uint8_t>(apuesta),
                                  static_cast<std::uint8_t>(categoria)});
    }
    void quita(int filas) { m_pasada.filas.resize(m_pasada.filas.size() - filas); }
    void cabecera(int d, int p)
    {
        fila(ClaseFila::Separador, d, p);
        fila(ClaseFila::Nombre, d, p);
        fila(ClaseFila::Fecha, d, p);
    }
    Fila& ultima() { return m_pasada.filas.back(); }

    Pasada termina()
    {
        for (std::size_t p = 0; p < m_cambiadas.size(); ++p)
            if (m_cambiadas[p])
                m_pasada.cambiadas.push_back(static_cast<int>(p));
        return std::move(m_pasada);
    }

private:
    const std::vector<RegSorteo>& m_sorteos;
    std::vector<RegPena>& m_penas;
    const DestinoFilas& m_destino;
    std::vector<bool> m_cambiadas;
    std::vector<std::optional<Forma>> m_formas;
    std::vector<QString> m_dias;
    std::vector<bool> m_todos;
    std::vector<std::vector<Mascara>> m_apuestas; // empty for a peña checked number by number
    std::vector<Mascara> m_sorteosBits;
    std::vector<QString> m_diasSorteo;
    int m_n;
    Pasada m_pasada;
};

} // namespace

int aciertosNumeros(const std::int16_t* numeros, int n, const RegSorteo& s)
{
    int h = 0;
    for (int i = 0; i < n; ++i)
        h += static_cast<int>(std::count(s.num.begin(), s.num.begin() + 5, numeros[i]) > 0);
    return h;
}

int aciertosEstrellas(const std::int16_t* estrellas, int n, const RegSorteo& s)
{
    int k = 0;
    for (int j = 0; j < n; ++j)
        k += static_cast<int>(estrellas[j] == s.num[5] || estrellas[j] == s.num[6]);
    return k;
}

bool juega(const RegPena& pena, double fecha)
{
    const QString dia = pena.diaRecortado();
    return dia == u"Todos" || dia == fechas::diasemana(fecha);
}

Pasada pasadaSencillas(const std::vector<RegSorteo>& sorteos, std::vector<RegPena>& penas, int n,
                     const OpcionesPasada& opciones, Parpadeo& parpadeo, const DestinoFilas& destino)
{
    Recorrido r(sorteos, penas, n, destino);
    int sorteoActual = -1;
    bool premioSorteo = false;
    r.recorre([&](int d, int p) {
        if (d != sorteoActual) {
            sorteoActual = d;
            premioSorteo = false;
        }
        RegPena& pena = penas[static_cast<std::size_t>(p)];
        if (pena.tipo >= 101)
            return false; // multiple bets are the other pass's
        if (opciones.sinFilas)
            return true;
        const auto& f = r.forma(p);
        if (!f || !r.muestra(d, p, opciones.historico))
            return true;

        r.cabecera(d, p);
        bool premioPena = false;
        const auto categorias = r.categoriasDe(d, p);
        for (int b = 0; b < f->apuestas; ++b) {
            const int categoria = categorias[static_cast<std::size_t>(b)];
            if (categoria == 0 && opciones.soloPremio)
                continue;
            r.fila(ClaseFila::Apuesta, d, p, b, categoria);
            if (categoria != 0)
                premioSorteo = premioPena = true;
        }
        if (opciones.soloPremio && !premioPena)
            r.quita(3);
        if (premioSorteo && !parpadeo.activo && opciones.hayNuevos) {
            parpadeo.sencillas = true;
            parpadeo.multiples = false;
            parpadeo.activo = true;
        }
        return true;
    }, [&](int d, int p) {
        RegPena& pena = penas[static_cast<std::size_t>(p)];
        const auto categorias = r.categoriasDe(d, p);
        for (int b = 0; b < r.forma(p)->apuestas; ++b) {
            if (const int categoria = categorias[static_cast<std::size_t>(b)]) {
                suma(pena.aciertos[categoria - 1], 1);
                r.cambia(p);
            }
        }
    });
    return r.termina();
}

Pasada pasadaMultiples(const std::vector<RegSorteo>& sorteos, std::vector<RegPena>& penas, int n,
                     const OpcionesPasada& opciones, Parpadeo& parpadeo, const DestinoFilas& destino)
{
    Recorrido r(sorteos, penas, n, destino);
    r.recorre([&](int d, int p) {
        if (opciones.sinFilas)
            return true;
        const auto& f = r.forma(p);
        if (!f || !f->multiple || !r.muestra(d, p, opciones.historico))
            return true;

        r.cabecera(d, p);
        const auto [h, k] = r.aciertos(d, p, 0);
        r.fila(ClaseFila::Apuesta, d, p);
        if (categorias::clasifica(h, k) == 0) {
            if (opciones.soloPremio)
                r.quita(4);
            return true;
        }
        if (opciones.hayNuevos) {
            if (!parpadeo.sencillas && !parpadeo.multiples)
                parpadeo.activo = true;
            parpadeo.multiples = true;
        }
        const Desglose desg = desglose(f->numeros, f->estrellas, h, k);
        bool primera = true;
        for (int i = 1; i <= categorias::total; ++i) {
            if (desg[i] == 0)
                continue;
            if (primera) {
                r.ultima().categoria = static_cast<std::uint8_t>(i);
                r.ultima().cuenta = static_cast<std::uint16_t>(desg[i]);
                primera = false;
            } else {
                r.fila(ClaseFila::Linea, d, p, 0, i, desg[i]);
            }
        }
        return true;
    }, [&](int d, int p) {
        RegPena& pena = penas[static_cast<std::size_t>(p)];
        const Forma& f = *r.forma(p);
        if (!f.multiple)
            return;
        const auto [h, k] = r.aciertos(d, p, 0);
        if (categorias::clasifica(h, k) == 0)
            return;
        const Desglose desg = desglose(f.numeros, f.estrellas, h, k);
        for (int i = 1; i <= categorias::total; ++i)
            if (desg[i] != 0) {
                suma(pena.aciertos[i - 1], desg[i]);
                r.cambia(p);
            }
    });
    return r.termina();
}

} // namespace bolvera
