#include "core/checking/pasadas.h"

#include "core/store/categorias.h"
#include "core/checking/desglose.h"
#include "core/checking/formas.h"
#include "core/checking/mascaras.h"
#include "core/store/fechas.h"

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
        m_primeraApuesta.reserve(penas.size());
        m_todos.reserve(penas.size());
        m_apuestas.reserve(penas.size() * RegPena::maxApuestas);
        m_sorteosBits.reserve(sorteos.size());
        m_diasSorteo.reserve(sorteos.size());
        for (const RegPena& p : penas) {
            m_formas.push_back(formaValida(p));
            m_dias.push_back(p.diaRecortado());
            m_todos.push_back(m_dias.back() == u"Todos");
            const std::size_t primera = m_apuestas.size();
            bool distintos = true;
            for (int b = 0; m_formas.back() && b < m_formas.back()->apuestas; ++b) {
                const Forma& f = *m_formas.back();
                const Mascara m{bits(p.numeros[b].data(), f.numeros), bits(p.estrellas[b].data(), f.estrellas)};
                // A number twice in a bet counts twice, as it always has: such a
                // record is checked one number at a time.
                distintos = distintos && std::popcount(m.numeros) == f.numeros &&
                            std::popcount(m.estrellas) == f.estrellas;
                m_apuestas.push_back(m);
            }
            if (!distintos || m_apuestas.size() == primera)
                m_apuestas.resize(primera);
            m_primeraApuesta.push_back(m_apuestas.size() == primera ? sinMascaras : primera);
        }
        for (const RegSorteo& s : sorteos) {
            m_sorteosBits.push_back({bits(s.num.data(), 5), bits(s.num.data() + 5, 2)});
            m_diasSorteo.push_back(fechas::diasemana(s.fecha));
        }
    }

    // Numbers and stars of bet b of peña p that draw d holds.
    std::pair<int, int> aciertos(int d, int p, int b) const
    {
        if (const std::size_t primera = m_primeraApuesta[static_cast<std::size_t>(p)]; primera != sinMascaras) {
            const Mascara& a = m_apuestas[primera + static_cast<std::size_t>(b)];
            const Mascara& s = m_sorteosBits[static_cast<std::size_t>(d)];
            return {std::popcount(a.numeros & s.numeros), std::popcount(a.estrellas & s.estrellas)};
        }
        const RegPena& pena = m_penas[static_cast<std::size_t>(p)];
        const RegSorteo& s = m_sorteos[static_cast<std::size_t>(d)];
        const Forma& f = *forma(p);
        return {aciertosNumeros(pena.numeros[b].data(), f.numeros, s),
                aciertosEstrellas(pena.estrellas[b].data(), f.estrellas, s)};
    }

    // The prize category of each bet of peña p in draw d, and which won, into
    // `b`: the hot loop of a check, everything it reads loaded once.
    void categoriasDe(int d, int p, Bloque& b) const
    {
        const int apuestas = forma(p)->apuestas;
        const std::size_t primera = m_primeraApuesta[static_cast<std::size_t>(p)];
        if (primera == sinMascaras) {
            b.premiadas = 0;
            for (int a = 0; a < apuestas; ++a) {
                const auto [h, k] = aciertos(d, p, a);
                b.categorias[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(categorias::clasifica(h, k));
                b.premiadas |= static_cast<std::uint32_t>(b.categorias[static_cast<std::size_t>(a)] != 0) << a;
            }
            return;
        }
        b.premiadas = bolvera::categoriasDe(m_apuestas.data() + primera, apuestas,
                                            m_sorteosBits[static_cast<std::size_t>(d)], b.categorias.data());
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
    // once, because `contado` never moves back. With `enFilas`, the draws of
    // the pass are counted by `porPena` from the rows it makes (`cuenta`
    // says which), and `premios` counts the older ones.
    template <typename PorPena, typename Premios>
    void recorre(bool enFilas, PorPena porPena, Premios premios)
    {
        if (m_n == 0)
            return;
        const int ultimo = static_cast<int>(m_sorteos.size()) - 1;
        const double masReciente = m_sorteos.back().fecha;
        for (int d = ultimo; d > ultimo - m_n; --d) {
            const bool finPasada = d == ultimo - m_n + 1;
            for (std::size_t p = 0; p < m_penas.size(); ++p) {
                const bool propia = porPena(d, static_cast<int>(p));
                if (!propia || !finPasada)
                    continue;
                cuentaPendientes(static_cast<int>(p), enFilas ? ultimo - m_n + 1 : ultimo + 1, premios);
                RegPena& pena = m_penas[p];
                if (pena.contado < masReciente) {
                    pena.contado = masReciente;
                    m_cambiadas[p] = true;
                }
            }
        }
    }

    // Whether the counters of peña p take draw d, which it plays.
    bool cuenta(int d, int p) const
    {
        const RegPena& pena = m_penas[static_cast<std::size_t>(p)];
        const double fecha = m_sorteos[static_cast<std::size_t>(d)].fecha;
        return fecha > pena.contado && fecha >= pena.creacion;
    }

    // The draws older than `hasta` that the counters of peña p take.
    template <typename Premios>
    void cuentaPendientes(int p, int hasta, Premios premios)
    {
        if (!forma(p))
            return;
        for (int d = 0; d < hasta; ++d)
            if (cuenta(d, p) && juegaDia(d, p))
                premios(d, p);
    }

    // A peña's block for a draw, handed out or kept as rows.
    void entrega(const Bloque& b)
    {
        if (m_destino) {
            m_destino(b);
            return;
        }
        b.anadeA(m_pasada.filas);
    }

    void cambia(int p) { m_cambiadas[static_cast<std::size_t>(p)] = true; }

    // A block made row by row: its rows gathered, then handed out whole.
    void fila(ClaseFila clase, int d, int p, int apuesta = 0, int categoria = 0, int cuenta = 0)
    {
        m_filas.push_back({static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(p),
                           static_cast<std::uint16_t>(std::min(cuenta, 65535)), clase,
                           static_cast<std::uint8_t>(apuesta), static_cast<std::uint8_t>(categoria)});
    }
    void cabecera(int d, int p)
    {
        m_filas.clear();
        fila(ClaseFila::Separador, d, p);
        fila(ClaseFila::Nombre, d, p);
        fila(ClaseFila::Fecha, d, p);
    }
    Fila& ultima() { return m_filas.back(); }
    void entregaFilas()
    {
        Bloque b;
        b.sorteo = m_filas.front().sorteo;
        b.pena = m_filas.front().pena;
        b.filas = m_filas;
        entrega(b);
    }

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
    // Every peña's bets one after another, read in that order draw by draw.
    static constexpr std::size_t sinMascaras = static_cast<std::size_t>(-1); // checked number by number
    std::vector<Mascara> m_apuestas;
    std::vector<std::size_t> m_primeraApuesta; // [peña]
    std::vector<Mascara> m_sorteosBits;
    std::vector<QString> m_diasSorteo;
    int m_n;
    Pasada m_pasada;
    std::vector<Fila> m_filas; // the block being made row by row
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
    const auto anota = [&](int p, const Bloque& b) {
        RegPena& pena = penas[static_cast<std::size_t>(p)];
        for (std::uint32_t ganadoras = b.premiadas; ganadoras != 0; ganadoras &= ganadoras - 1)
            suma(pena.aciertos[b.categorias[static_cast<std::size_t>(std::countr_zero(ganadoras))] - 1], 1);
        if (b.premiadas != 0)
            r.cambia(p);
    };
    int sorteoActual = -1;
    bool premioSorteo = false;
    r.recorre(!opciones.sinFilas, [&](int d, int p) {
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

        Bloque bloque;
        bloque.sorteo = static_cast<std::uint16_t>(d);
        bloque.pena = static_cast<std::uint16_t>(p);
        r.categoriasDe(d, p, bloque);
        if (r.cuenta(d, p))
            anota(p, bloque);
        bloque.apuestas = opciones.soloPremio ? bloque.premiadas : (std::uint32_t{1} << f->apuestas) - 1;
        if (bloque.apuestas != 0)
            r.entrega(bloque);
        premioSorteo = premioSorteo || bloque.premiadas != 0;
        if (premioSorteo && !parpadeo.activo && opciones.hayNuevos) {
            parpadeo.sencillas = true;
            parpadeo.multiples = false;
            parpadeo.activo = true;
        }
        return true;
    }, [&](int d, int p) {
        Bloque b;
        r.categoriasDe(d, p, b);
        anota(p, b);
    });
    return r.termina();
}

Pasada pasadaMultiples(const std::vector<RegSorteo>& sorteos, std::vector<RegPena>& penas, int n,
                     const OpcionesPasada& opciones, Parpadeo& parpadeo, const DestinoFilas& destino)
{
    Recorrido r(sorteos, penas, n, destino);
    // What a breakdown adds to the counters of peña p.
    const auto anota = [&](int p, const Desglose& desg) {
        RegPena& pena = penas[static_cast<std::size_t>(p)];
        for (int i = 1; i <= categorias::total; ++i)
            if (desg[i] != 0) {
                suma(pena.aciertos[i - 1], desg[i]);
                r.cambia(p);
            }
    };
    r.recorre(!opciones.sinFilas, [&](int d, int p) {
        if (penas[static_cast<std::size_t>(p)].tipo < 101)
            return false; // simple bets are the other pass's
        if (opciones.sinFilas)
            return true;
        const auto& f = r.forma(p);
        if (!f || !f->multiple || !r.muestra(d, p, opciones.historico))
            return true;

        r.cabecera(d, p);
        const auto [h, k] = r.aciertos(d, p, 0);
        r.fila(ClaseFila::Apuesta, d, p);
        if (categorias::clasifica(h, k) == 0) {
            if (!opciones.soloPremio)
                r.entregaFilas();
            return true;
        }
        if (opciones.hayNuevos) {
            if (!parpadeo.sencillas && !parpadeo.multiples)
                parpadeo.activo = true;
            parpadeo.multiples = true;
        }
        const Desglose desg = desglose(f->numeros, f->estrellas, h, k);
        if (r.cuenta(d, p))
            anota(p, desg);
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
        r.entregaFilas();
        return true;
    }, [&](int d, int p) {
        const Forma& f = *r.forma(p);
        if (!f.multiple)
            return;
        const auto [h, k] = r.aciertos(d, p, 0);
        if (categorias::clasifica(h, k) != 0)
            anota(p, desglose(f.numeros, f.estrellas, h, k));
    });
    return r.termina();
}

} // namespace bolvera
