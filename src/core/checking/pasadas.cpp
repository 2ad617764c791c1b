#include "checking/pasadas.h"

#include "store/categorias.h"
#include "checking/desglose.h"
#include "checking/formas.h"
#include "store/fechas.h"

#include <algorithm>
#include <limits>
#include <optional>

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
    Recorrido(const std::vector<RegSorteo>& sorteos, std::vector<RegPena>& penas, int n)
        : m_sorteos(sorteos), m_penas(penas), m_cambiadas(penas.size(), false),
          m_n(std::clamp(n, 0, static_cast<int>(sorteos.size())))
    {
        // Shapes and day filters do not change during a pass: worked out once.
        for (const RegPena& p : penas) {
            m_formas.push_back(formaValida(p));
            m_dias.push_back(p.diaRecortado());
        }
    }

    const std::optional<Forma>& forma(int p) const { return m_formas[static_cast<std::size_t>(p)]; }

    // Whether peña p is shown for draw d.
    bool muestra(int d, int p, bool historico)
    {
        const RegSorteo& s = m_sorteos[static_cast<std::size_t>(d)];
        const RegPena& pena = m_penas[static_cast<std::size_t>(p)];
        if (d != m_sorteoDia) {
            m_sorteoDia = d;
            m_diaSorteo = fechas::diasemana(s.fecha);
        }
        const QString& dia = m_dias[static_cast<std::size_t>(p)];
        return (pena.creacion <= s.fecha || historico) && (dia == u"Todos" || dia == m_diaSorteo);
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
                if (!porPena(d, static_cast<int>(p)) || !finPasada)
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
        const QString& dia = m_dias[static_cast<std::size_t>(p)];
        for (std::size_t d = 0; d < m_sorteos.size(); ++d) {
            const double fecha = m_sorteos[d].fecha;
            if (fecha > pena.contado && fecha >= pena.creacion &&
                (dia == u"Todos" || dia == fechas::diasemana(fecha)))
                premios(static_cast<int>(d), p);
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
    std::vector<bool> m_cambiadas;
    std::vector<std::optional<Forma>> m_formas;
    std::vector<QString> m_dias;
    int m_sorteoDia = -1;
    QString m_diaSorteo;
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
                     const OpcionesPasada& opciones, Parpadeo& parpadeo)
{
    Recorrido r(sorteos, penas, n);
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
        const RegSorteo& s = sorteos[static_cast<std::size_t>(d)];
        const auto& f = r.forma(p);
        if (!f || !r.muestra(d, p, opciones.historico))
            return true;

        r.cabecera(d, p);
        bool premioPena = false;
        for (int b = 0; b < f->apuestas; ++b) {
            const int h = aciertosNumeros(pena.numeros[b].data(), 5, s);
            const int k = aciertosEstrellas(pena.estrellas[b].data(), 2, s);
            const int categoria = categorias::clasifica(h, k);
            r.fila(ClaseFila::Apuesta, d, p, b, categoria);
            if (categoria == 0) {
                if (opciones.soloPremio)
                    r.quita(1);
                continue;
            }
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
        const RegSorteo& s = sorteos[static_cast<std::size_t>(d)];
        for (int b = 0; b < r.forma(p)->apuestas; ++b) {
            const int h = aciertosNumeros(pena.numeros[b].data(), 5, s);
            const int k = aciertosEstrellas(pena.estrellas[b].data(), 2, s);
            if (const int categoria = categorias::clasifica(h, k)) {
                suma(pena.aciertos[categoria - 1], 1);
                r.cambia(p);
            }
        }
    });
    return r.termina();
}

Pasada pasadaMultiples(const std::vector<RegSorteo>& sorteos, std::vector<RegPena>& penas, int n,
                     const OpcionesPasada& opciones, Parpadeo& parpadeo)
{
    Recorrido r(sorteos, penas, n);
    r.recorre([&](int d, int p) {
        RegPena& pena = penas[static_cast<std::size_t>(p)];
        const RegSorteo& s = sorteos[static_cast<std::size_t>(d)];
        const auto& f = r.forma(p);
        if (!f || !f->multiple || !r.muestra(d, p, opciones.historico))
            return true;

        r.cabecera(d, p);
        const int h = aciertosNumeros(pena.numeros[0].data(), f->numeros, s);
        const int k = aciertosEstrellas(pena.estrellas[0].data(), f->estrellas, s);
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
        const RegSorteo& s = sorteos[static_cast<std::size_t>(d)];
        const Forma& f = *r.forma(p);
        if (!f.multiple)
            return;
        const int h = aciertosNumeros(pena.numeros[0].data(), f.numeros, s);
        const int k = aciertosEstrellas(pena.estrellas[0].data(), f.estrellas, s);
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
