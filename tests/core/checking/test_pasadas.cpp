#include "core/checking/celdas.h"
#include "core/checking/filascompactas.h"
#include "core/checking/mascaras.h"
#include "core/checking/pasadas.h"
#include "core/checking/recuento.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"
#include "support/datos.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <random>
#include <map>
#include <set>
#include <numeric>

using namespace bolvera;

namespace {

using datos::pena;
using datos::sorteo;

// Friday 4 December 2026: 3 14 25 36 47, stars 2 9.
const RegSorteo viernes = sorteo({2026, 12, 4}, {3, 14, 25, 36, 47, 2, 9});
// Tuesday 1 December 2026.
const RegSorteo martes = sorteo({2026, 12, 1}, {1, 2, 3, 4, 5, 1, 2});

RegPena multiple(const QString& nombre, int n, int s, std::array<std::int16_t, 10> numeros,
                 std::array<std::int16_t, 5> estrellas, QDate creacion = {2020, 1, 1})
{
    RegPena p = pena(nombre, "Todos", creacion, {});
    p.tipo = static_cast<std::int16_t>(100 + 10 * n + s);
    p.numeros[0] = numeros;
    p.estrellas[0] = estrellas;
    return p;
}

struct Resultado
{
    Pasada pasada;
    Instantanea datos;

    std::vector<ClaseFila> clases() const
    {
        std::vector<ClaseFila> r;
        for (const Fila& f : pasada.filas)
            r.push_back(f.clase);
        return r;
    }
    Celda celda(Lista lista, int fila, int columna) const
    {
        return ::celda(lista, pasada.filas.at(static_cast<std::size_t>(fila)), columna, datos);
    }
};

using Pase = Pasada (*)(const std::vector<RegSorteo>&, std::vector<RegPena>&, int,
                       const OpcionesPasada&, Parpadeo&, const DestinoFilas&);

Resultado pasa(Pase pase, std::vector<RegSorteo> sorteos, std::vector<RegPena> penas, int n,
               OpcionesPasada opciones)
{
    Parpadeo p;
    Resultado r;
    r.datos.sorteos = std::move(sorteos);
    r.datos.penas = std::move(penas);
    // Handed out as they are made, the rows are the ones kept, with the same counters.
    std::vector<RegPena> copia = r.datos.penas;
    std::vector<Fila> entregadas;
    FilasCompactas compactas; // and kept compact, they come back the same
    Parpadeo otro;
    const Pasada sinFilas = pase(r.datos.sorteos, copia, n, opciones, otro, [&](const Bloque& b) {
        // Row by row, as the window asks for them, the same as all at once.
        const std::size_t antes = entregadas.size();
        b.anadeA(entregadas);
        EXPECT_EQ(entregadas.size() - antes, b.size());
        for (std::size_t k = 0; k < b.size(); ++k)
            EXPECT_EQ(b[k], entregadas[antes + k]);
        compactas.anade(b);
    });
    r.pasada = pase(r.datos.sorteos, r.datos.penas, n, opciones, p, {});
    EXPECT_TRUE(sinFilas.filas.empty());
    EXPECT_EQ(entregadas, r.pasada.filas);
    std::vector<Fila> devueltas;
    for (std::size_t i = 0; i < compactas.size(); ++i)
        devueltas.push_back(compactas[i]);
    EXPECT_EQ(devueltas, r.pasada.filas);
    EXPECT_EQ(sinFilas.cambiadas, r.pasada.cambiadas);
    return r;
}

Resultado sencillas(std::vector<RegSorteo> sorteos, std::vector<RegPena> penas, int n,
                    OpcionesPasada opciones = {})
{
    return pasa(pasadaSencillas, std::move(sorteos), std::move(penas), n, opciones);
}

Resultado multiples(std::vector<RegSorteo> sorteos, std::vector<RegPena> penas, int n,
                    OpcionesPasada opciones = {})
{
    return pasa(pasadaMultiples, std::move(sorteos), std::move(penas), n, opciones);
}

TEST(Compsencillas, betsAgainstADraw)
{
    const Resultado r = sencillas({viernes}, {pena("LA PEÑA", "Todos", {2020, 1, 1},
                                                   {{3, 14, 40, 41, 42, 5, 9},
                                                    {3, 40, 41, 42, 43, 2, 9},
                                                    {3, 40, 41, 42, 43, 2, 5},
                                                    {40, 41, 42, 43, 44, 2, 9}})},
                                  1);
    using C = ClaseFila;
    EXPECT_EQ(r.clases(), (std::vector<C>{C::Separador, C::Nombre, C::Fecha, C::Apuesta, C::Apuesta,
                                          C::Apuesta, C::Apuesta}));
    const Lista l = Lista::Sencillas;
    EXPECT_EQ(r.celda(l, 1, 8).texto, QStringLiteral("PEÑA ") + QStringLiteral("LA PEÑA").leftJustified(20));
    EXPECT_EQ(r.celda(l, 1, 8).color, 0x800000u);
    EXPECT_EQ(r.celda(l, 2, 8).texto, QStringLiteral("04/12/2026 Viernes"));
    EXPECT_EQ(r.celda(l, 2, 8).color, 0x008000u);

    // Bet 1: 2 + 1, hits in red, the missed star grey, the unmatched numbers plain.
    EXPECT_EQ(r.celda(l, 3, 1).texto, QStringLiteral("3"));
    EXPECT_EQ(r.celda(l, 3, 1).color, 0xFF0000u);
    EXPECT_FALSE(r.celda(l, 3, 3).conColor);
    EXPECT_EQ(r.celda(l, 3, 6).color, 0x808080u);
    EXPECT_EQ(r.celda(l, 3, 7).color, 0xFF0000u);
    EXPECT_EQ(r.celda(l, 3, 8).texto, QStringLiteral("¡¡ Premio !! Hay 2 + 1 estrella."));
    EXPECT_EQ(r.celda(l, 3, 8).color, 0x00C000u);
    EXPECT_EQ(r.celda(l, 4, 8).texto, QStringLiteral("¡¡ Premio !! Hay 1 + 2 estrellas."));
    EXPECT_TRUE(r.celda(l, 5, 8).texto.isEmpty());
    EXPECT_TRUE(r.celda(l, 6, 8).texto.isEmpty());
    EXPECT_TRUE(r.celda(l, 3, 0).texto.isEmpty());
    // The same rows as a listener hears them.
    const std::vector<std::pair<int, QString>> frases = {
        {0, ""},
        {1, "Peña LA PEÑA"},
        {2, "Sorteo del 04/12/2026 Viernes"},
        {3, "Peña LA PEÑA, 04/12/2026 Viernes, apuesta 3 14 40 41 42 estrellas 5 9, acierta 3 14 estrella 9, 2 + 1 estrella"},
        {6, "Peña LA PEÑA, 04/12/2026 Viernes, apuesta 40 41 42 43 44 estrellas 2 9, acierta estrella 2 estrella 9"},
    };
    for (const auto& [fila, frase] : frases)
        EXPECT_EQ(::frase(l, r.pasada.filas.at(static_cast<std::size_t>(fila)), r.datos), frase) << fila;

    const RegPena& p = datos::elemento(r.datos.penas, 0);
    EXPECT_EQ(p.aciertos[11], 1); // 2+1
    EXPECT_EQ(p.aciertos[10], 1); // 1+2
    EXPECT_EQ(std::accumulate(p.aciertos.begin(), p.aciertos.end(), 0), 2);
    EXPECT_EQ(p.contado, viernes.fecha);
    EXPECT_EQ(r.pasada.cambiadas, std::vector<int>{0});
}

// The vector and popcount ways of matching, where this processor has them,
// give what the portable one gives, for every count of bets.
TEST(Compsencillas, everyWayOfMatchingGivesTheSameCategories)
{
    std::mt19937 azar(7);
    const auto mascara = [&](int cuantos, int hasta) {
        std::uint64_t m = 0;
        while (std::popcount(m) < cuantos)
            m |= std::uint64_t{1} << (1 + azar() % static_cast<unsigned>(hasta));
        return m;
    };
    for (int n = 0; n <= 24; ++n)
        for (int vez = 0; vez < 200; ++vez) {
            std::vector<Mascara> apuestas;
            for (int b = 0; b < n; ++b)
                apuestas.push_back({mascara(5 + vez % 6, 50), mascara(2 + vez % 4, 12)});
            const Mascara sorteo{mascara(5, 50), mascara(2, 12)};
            std::array<std::uint8_t, 24> r{}, esperadas{};
            EXPECT_EQ(categoriasDe(apuestas.data(), n, sorteo, r.data()),
                      categoriasPortables(apuestas.data(), n, sorteo, esperadas.data())) << n;
            ASSERT_EQ(r, esperadas) << n;
        }
}

TEST(Compsencillas, aNumberOrStarTwiceInABetCountsTwiceAsItAlwaysHas)
{
    // Old records may repeat one: each copy counts, for numbers and for stars alike.
    const struct
    {
        std::array<std::int16_t, 7> apuesta;
        const char* comentario;
        std::size_t indice; // of the category's counter
    } casos[] = {
        {{3, 3, 40, 41, 42, 5, 9}, "¡¡ Premio !! Hay 2 + 1 estrella.", 11},  // 2+1
        {{3, 14, 40, 41, 42, 9, 9}, "¡¡ Premio !! Hay 2 + 2 estrellas.", 7}, // 2+2
    };
    for (const auto& c : casos) {
        const Resultado r = sencillas({viernes}, {pena("DOBLE", "Todos", {2020, 1, 1}, {c.apuesta})}, 1);
        EXPECT_EQ(r.celda(Lista::Sencillas, 3, 8).texto, QString::fromUtf8(c.comentario));
        EXPECT_EQ(r.datos.penas.at(0).aciertos[c.indice], 1) << c.comentario;
    }
}

TEST(Compsencillas, countsOnceOnly)
{
    std::vector<RegPena> penas = {pena("A", "Todos", {2020, 1, 1}, {{3, 14, 25, 1, 2, 2, 9}})};
    Parpadeo p;
    const std::vector<RegSorteo> sorteos = {martes, viernes};
    const Pasada primera = pasadaSencillas(sorteos, penas, 2, {}, p);
    EXPECT_EQ(penas[0].aciertos[6], 1); // 3+2 on Friday
    EXPECT_EQ(penas[0].aciertos[8], 1); // 3+1 on Tuesday: 3, 1, 2 and the star 2
    const Pasada segunda = pasadaSencillas(sorteos, penas, 2, {}, p);
    EXPECT_EQ(penas[0].aciertos[6], 1);
    EXPECT_EQ(penas[0].aciertos[8], 1);
    EXPECT_TRUE(segunda.cambiadas.empty());
    EXPECT_EQ(primera.filas.size(), segunda.filas.size());
}

TEST(Compsencillas, historicoShowsButNeverCounts)
{
    const std::vector<RegPena> penas = {pena("NUEVA", "Todos", {2026, 12, 5}, {{3, 14, 25, 36, 47, 2, 9}})};
    EXPECT_TRUE(sencillas({viernes}, penas, 1).pasada.filas.empty());
    const Resultado r = sencillas({viernes}, penas, 1, {.historico = true});
    EXPECT_EQ(r.pasada.filas.size(), 4u);
    EXPECT_EQ(r.celda(Lista::Sencillas, 3, 8).texto, QStringLiteral("¡¡ Premio !! Hay 5 + 2 estrellas."));
    for (auto a : datos::elemento(r.datos.penas, 0).aciertos)
        EXPECT_EQ(a, 0);
    EXPECT_EQ(datos::elemento(r.datos.penas, 0).contado, viernes.fecha);

    // Created on the draw's own day: that draw counts ("on or after creation").
    const Resultado mismoDia = sencillas({viernes}, {pena("HOY", "Todos", {2026, 12, 4}, {{3, 14, 25, 36, 47, 2, 9}})}, 1);
    EXPECT_EQ(datos::elemento(mismoDia.datos.penas, 0).aciertos[0], 1);
}

TEST(Compsencillas, dayFilter)
{
    const std::vector<RegPena> penas = {pena("M", "Martes", {2020, 1, 1}), pena("T", "Todos", {2020, 1, 1}),
                                        pena("X", "Domingos", {2020, 1, 1})};
    const Resultado r = sencillas({martes, viernes}, penas, 2);
    // Friday: only T. Tuesday: M and T.
    std::vector<int> nombres;
    for (const Fila& f : r.pasada.filas)
        if (f.clase == ClaseFila::Nombre)
            nombres.push_back(f.pena);
    EXPECT_EQ(nombres, (std::vector<int>{1, 0, 1}));
    // A peña that is never shown still has its contado moved on.
    EXPECT_EQ(datos::elemento(r.datos.penas, 2).contado, viernes.fecha);
}

TEST(Compsencillas, soloPremioDropsRowsWithoutPrize)
{
    const std::vector<RegPena> penas = {
        pena("NADA", "Todos", {2020, 1, 1}, {{40, 41, 42, 43, 44, 5, 6}}),
        pena("TERCERA", "Todos", {2020, 1, 1},
             {{40, 41, 42, 43, 44, 5, 6}, {40, 41, 42, 43, 44, 5, 6}, {3, 14, 1, 2, 4, 5, 6},
              {40, 41, 42, 43, 44, 5, 6}, {40, 41, 42, 43, 44, 5, 6}})};
    const Resultado r = sencillas({viernes}, penas, 1, {.soloPremio = true});
    using C = ClaseFila;
    ASSERT_EQ(r.clases(), (std::vector<C>{C::Separador, C::Nombre, C::Fecha, C::Apuesta}));
    EXPECT_EQ(datos::elemento(r.pasada.filas, 3).pena, 1);
    EXPECT_EQ(datos::elemento(r.pasada.filas, 3).apuesta, 2);
    EXPECT_EQ(datos::elemento(r.pasada.filas, 3).categoria, 13);
}

// The counters as counted here, on their own: every draw from the creation
// on, each bet's hits looked up in the category order.
std::array<int, 13> cuentaAparte(const std::vector<RegSorteo>& sorteos, const RegPena& p)
{
    const std::map<std::pair<int, int>, int> indice = {
        {{5, 2}, 0}, {{5, 1}, 1}, {{5, 0}, 2}, {{4, 2}, 3}, {{4, 1}, 4}, {{4, 0}, 5}, {{3, 2}, 6},
        {{2, 2}, 7}, {{3, 1}, 8}, {{3, 0}, 9}, {{1, 2}, 10}, {{2, 1}, 11}, {{2, 0}, 12}};
    std::array<int, 13> r{};
    std::set<double> vistas;
    for (const RegSorteo& s : sorteos) {
        if (s.fecha < p.creacion || !vistas.insert(s.fecha).second)
            continue;
        for (int b = 0; b < p.tipo; ++b) {
            int h = 0, k = 0;
            for (int i = 0; i < 5; ++i)
                h += std::count(s.num.begin(), s.num.begin() + 5, p.numeros[b][i]) > 0;
            for (int j = 0; j < 2; ++j)
                k += p.estrellas[b][j] == s.num[5] || p.estrellas[b][j] == s.num[6];
            if (const auto it = indice.find({h, k}); it != indice.end())
                ++r[static_cast<std::size_t>(it->second)];
        }
    }
    return r;
}

TEST(Compsencillas, everyDrawNewerThanContadoCountsOnce)
{
    // Each row is a sequence of histories the peña is checked against, with
    // the number of newest draws shown: the counters must end as an
    // independent count of every draw the peña ever saw, each once.
    const auto todos = datos::sorteosSeguidos(8, QDate(2026, 12, 4));
    const auto hasta = [&](std::size_t n) { return std::vector<RegSorteo>(todos.begin(), todos.begin() + n); };
    auto sinEl = [&](std::size_t k) { auto v = todos; v.erase(v.begin() + k); return v; };
    struct Paso
    {
        std::vector<RegSorteo> sorteos;
        int n;
    };
    const std::pair<const char*, std::vector<Paso>> casos[] = {
        {"three merged at once, only the newest shown", {{hasta(3), 1}, {hasta(8), 1}}},
        {"typed one by one", {{hasta(5), 1}, {hasta(6), 1}, {hasta(7), 1}, {hasta(8), 2}}},
        {"the newest deleted, then added back", {{hasta(8), 1}, {hasta(7), 1}, {hasta(8), 1}}},
        {"an older history imported, then the current one", {{hasta(8), 3}, {hasta(4), 1}, {hasta(8), 8}}},
        {"a middle draw deleted and added back", {{hasta(8), 1}, {sinEl(5), 1}, {hasta(8), 1}}},
    };
    for (const auto& [caso, pasos] : casos) {
        std::vector<RegPena> penas = {
            pena("A", "Todos", {2020, 1, 1}, {{47, 48, 49, 50, 1, 12, 11}, {3, 14, 25, 2, 9, 1, 2}}),
            multiple("M", 7, 3, {47, 48, 49, 50, 1, 2, 3}, {11, 12, 1})};
        Parpadeo parpadeo;
        std::vector<RegSorteo> vistos;
        for (const Paso& paso : pasos) {
            pasadaSencillas(paso.sorteos, penas, paso.n, {}, parpadeo);
            pasadaMultiples(paso.sorteos, penas, paso.n, {}, parpadeo);
            vistos.insert(vistos.end(), paso.sorteos.begin(), paso.sorteos.end());
        }
        const auto esperado = cuentaAparte(vistos, penas[0]);
        EXPECT_EQ(std::vector<int>(penas[0].aciertos.begin(), penas[0].aciertos.end()),
                  std::vector<int>(esperado.begin(), esperado.end()))
            << caso;
        EXPECT_GT(std::accumulate(esperado.begin(), esperado.end(), 0), 0) << caso;
        EXPECT_EQ(penas[0].contado, todos.back().fecha) << caso;
        EXPECT_EQ(penas[1].contado, todos.back().fecha) << caso;
        // The multiple bet ends as one check of the whole history in one pass.
        std::vector<RegPena> unaVez = {penas[1]};
        unaVez[0].aciertos.fill(0);
        unaVez[0].contado = 0;
        pasadaMultiples(todos, unaVez, static_cast<int>(todos.size()), {}, parpadeo);
        EXPECT_EQ(penas[1].aciertos, unaVez[0].aciertos) << caso;
        EXPECT_GT(std::accumulate(unaVez[0].aciertos.begin(), unaVez[0].aciertos.end(), 0), 0);
    }
}

TEST(Recuento, everyDrawFromTheCreationOnceForOnePenaOrAll)
{
    const auto todos = datos::sorteosSeguidos(8, QDate(2026, 12, 4));
    // Stale counters, and a `contado` above draws that were never counted.
    const auto rancia = [&](RegPena p) {
        p.aciertos.fill(3);
        p.contado = todos[5].fecha;
        return p;
    };
    const std::vector<RegPena> penas = {
        rancia(pena("A", "Todos", {2020, 1, 1}, {{47, 48, 49, 50, 1, 12, 11}, {3, 14, 25, 2, 9, 1, 2}})),
        rancia(pena("B", "Martes", fechas::fechaDeDia(todos[3].fecha), {{47, 48, 1, 2, 3, 12, 11}})),
        rancia(multiple("M", 7, 3, {47, 48, 49, 50, 1, 2, 3}, {11, 12, 1}))};
    // Worked out apart: the simple bets by hand on their days, the multiple
    // one draw by draw, each on its own.
    std::vector<std::array<int, 13>> esperado;
    for (const RegPena& p : penas) {
        std::vector<RegSorteo> suyos;
        std::array<int, 13> cuenta{};
        for (const RegSorteo& s : todos) {
            if (p.diaRecortado() == u"Martes" && fechas::fechaDeDia(s.fecha).dayOfWeek() != Qt::Tuesday)
                continue;
            suyos.push_back(s);
            std::vector<RegPena> sola = {p};
            sola[0].aciertos.fill(0);
            sola[0].contado = 0;
            Parpadeo parpadeo;
            pasadaMultiples({s}, sola, 1, {}, parpadeo);
            for (std::size_t i = 0; i < cuenta.size(); ++i)
                cuenta[i] += sola[0].aciertos[i];
        }
        esperado.push_back(p.esMultiple() ? cuenta : cuentaAparte(suyos, p));
        ASSERT_GT(std::accumulate(esperado.back().begin(), esperado.back().end(), 0), 0) << qPrintable(p.nombre);
    }
    auto desordenada = todos;
    std::swap(desordenada[6], desordenada[7]);
    struct Caso
    {
        const char* que;
        std::optional<int> r;
        std::vector<RegSorteo> historia;
        std::vector<std::size_t> recontadas; // none: refused
    };
    const Caso casos[] = {
        {"every peña", std::nullopt, todos, {0, 1, 2}},
        {"peña 2 alone", 2, todos, {1}},
        {"no peña 4", 4, todos, {}},
        {"a damaged history", std::nullopt, desordenada, {}},
        {"no history", std::nullopt, {}, {}},
    };
    for (const Caso& c : casos) {
        QTemporaryDir dir;
        const QString ruta = dir.path() + u'/';
        datos::escribeSorteos(ruta + "numeros.dat", c.historia);
        datos::escribePenas(ruta + "apuestas.dat", penas);
        const QByteArray antes = datos::leeBytes(ruta + "apuestas.dat");
        const Recuento hecho = recuenta(ruta, c.r);
        EXPECT_EQ(hecho.error, 0) << c.que;
        EXPECT_EQ(hecho.rechazo.has_value(), c.recontadas.empty()) << c.que;
        EXPECT_EQ(hecho.recontadas.size(), c.recontadas.size()) << c.que;
        if (c.recontadas.empty()) {
            EXPECT_EQ(datos::leeBytes(ruta + "apuestas.dat"), antes) << c.que;
            EXPECT_FALSE(QFileInfo::exists(ruta + "apuestas.bak")) << c.que;
            continue;
        }
        EXPECT_EQ(datos::leeBytes(ruta + "apuestas.bak"), antes) << c.que;
        const auto despues = ficheroregistros::leeTodos<RegPena>(ruta + "apuestas.dat");
        ASSERT_EQ(despues.size(), penas.size()) << c.que;
        for (std::size_t p = 0; p < penas.size(); ++p) {
            const bool recontada = std::count(c.recontadas.begin(), c.recontadas.end(), p) > 0;
            if (!recontada) {
                EXPECT_EQ(despues[p], penas[p]) << c.que << " " << p;
                continue;
            }
            EXPECT_EQ(std::vector<int>(despues[p].aciertos.begin(), despues[p].aciertos.end()),
                      std::vector<int>(esperado[p].begin(), esperado[p].end()))
                << c.que << " " << p;
            EXPECT_EQ(despues[p].contado, todos.back().fecha) << c.que << " " << p;
        }
    }
}

TEST(Compsencillas, noDrawsNoRowsNoWrites)
{
    std::vector<RegPena> penas = {pena("A", "Todos", {2020, 1, 1})};
    Parpadeo p;
    EXPECT_TRUE(pasadaSencillas({}, penas, 1, {}, p).filas.empty());
    EXPECT_TRUE(pasadaSencillas({viernes}, penas, 0, {}, p).cambiadas.empty());
    EXPECT_EQ(penas[0].contado, 0.0);
}

TEST(Compsencillas, countersStopAtTheTop)
{
    std::vector<RegPena> penas = {pena("A", "Todos", {2020, 1, 1}, {{3, 14, 40, 41, 42, 5, 9}})};
    penas[0].aciertos[11] = std::numeric_limits<std::int16_t>::max();
    Parpadeo p;
    pasadaSencillas({viernes}, penas, 1, {}, p);
    EXPECT_EQ(penas[0].aciertos[11], std::numeric_limits<std::int16_t>::max());
}

TEST(Compsencillas, damagedRecordsAreSkipped)
{
    RegPena tipoRaro = pena("RARO", "Todos", {2020, 1, 1}, {{3, 14, 25, 36, 47, 2, 9}});
    tipoRaro.tipo = 60; // names bets the record does not have
    RegPena numeroRaro = pena("CERO", "Todos", {2020, 1, 1}, {{0, 14, 25, 36, 47, 2, 9}});
    RegPena estrellaRara = pena("TRECE", "Todos", {2020, 1, 1}, {{3, 14, 25, 36, 47, 13, 9}});
    RegPena sinApuestas = pena("VACIA", "Todos", {2020, 1, 1}, {});
    const Resultado r = sencillas({viernes}, {tipoRaro, numeroRaro, estrellaRara, sinApuestas}, 1);
    EXPECT_TRUE(r.pasada.filas.empty());
    for (const RegPena& p : r.datos.penas) {
        for (auto a : p.aciertos)
            EXPECT_EQ(a, 0);
        EXPECT_EQ(p.contado, viernes.fecha);
    }
}

TEST(Parpadeo, startsOnlyAfterAnUpdateAddedDraws)
{
    struct Caso
    {
        bool hayNuevos;
        bool sencilla;
        bool multiple;
        int modo;
        bool dosMultiples = false;
    };
    const Caso casos[] = {
        {false, true, true, 0}, {true, true, false, 1}, {true, false, true, 2}, {true, true, true, 3},
        {true, false, false, 0}, {true, true, true, 3, true}, {true, false, true, 2, true}};
    for (const Caso& c : casos) {
        std::vector<RegPena> penas;
        penas.push_back(pena("S", "Todos", {2020, 1, 1},
                             {c.sencilla ? std::array<std::int16_t, 7>{3, 14, 1, 2, 4, 5, 6}
                                         : std::array<std::int16_t, 7>{40, 41, 42, 43, 44, 5, 6}}));
        penas.push_back(multiple("M", 6, 2, {c.multiple ? std::int16_t(3) : std::int16_t(40), 14, 41, 42, 43, 44},
                                 {5, 6}));
        if (c.dosMultiples)
            penas.push_back(multiple("M2", 7, 2, {3, 14, 25, 41, 42, 43, 44}, {5, 6}));
        Parpadeo p;
        const OpcionesPasada o{.hayNuevos = c.hayNuevos};
        pasadaSencillas({viernes}, penas, 1, o, p);
        pasadaMultiples({viernes}, penas, 1, o, p);
        // modo: 0 none, 1 the simple button, 2 the multiple one, 3 both
        EXPECT_EQ(p.sencillas, c.modo == 1 || c.modo == 3) << c.hayNuevos << c.sencilla << c.multiple << c.dosMultiples;
        EXPECT_EQ(p.multiples, c.modo >= 2) << c.hayNuevos << c.sencilla << c.multiple << c.dosMultiples;
        EXPECT_EQ(p.activo, c.modo != 0);
    }
}

TEST(Compmultiples, breakdownLinesAndCounters)
{
    // 6 numbers, 2 stars; 3 numbers hit, no star: 3+0 three times, 2+0 three times.
    const Resultado r = multiples({viernes}, {multiple("SEIS", 6, 2, {3, 14, 25, 40, 41, 42}, {5, 6})}, 1);
    using C = ClaseFila;
    ASSERT_EQ(r.clases(), (std::vector<C>{C::Separador, C::Nombre, C::Fecha, C::Apuesta, C::Linea}));
    const Lista l = Lista::Multiples;
    EXPECT_EQ(r.celda(l, 3, 16).texto, QStringLiteral("¡¡ Premio !! Hay 3 apuestas de 3+0"));
    EXPECT_EQ(r.celda(l, 3, 16).color, 0x00C000u);
    EXPECT_EQ(r.celda(l, 4, 16).texto, QStringLiteral("¡¡ Premio !! Hay 3 apuestas de 2+0"));
    EXPECT_EQ(frase(l, r.pasada.filas.at(3), r.datos),
              QStringLiteral("Peña SEIS, 04/12/2026 Viernes, apuesta 3 14 25 40 41 42 estrellas 5 6, acierta 3 14 25, "
                             "3 apuestas de 3 + 0"));
    EXPECT_EQ(frase(l, r.pasada.filas.at(4), r.datos), QStringLiteral("Peña SEIS, 04/12/2026 Viernes, 3 apuestas de 2 + 0"));
    EXPECT_TRUE(r.celda(l, 4, 1).texto.isEmpty());
    EXPECT_EQ(datos::elemento(r.datos.penas, 0).aciertos[9], 3);
    EXPECT_EQ(datos::elemento(r.datos.penas, 0).aciertos[12], 3);
}

TEST(Compmultiples, cellsOfAFiveNumberFourStarBet)
{
    const Resultado r = multiples({viernes}, {multiple("CINCO", 5, 4, {3, 14, 25, 36, 40}, {1, 2, 3, 9})}, 1);
    const Lista l = Lista::Multiples;
    for (int col = 1; col <= 5; ++col)
        EXPECT_FALSE(r.celda(l, 3, col).texto.isEmpty()) << col;
    for (int col = 6; col <= 10; ++col)
        EXPECT_TRUE(r.celda(l, 3, col).texto.isEmpty()) << col;
    for (int col = 11; col <= 14; ++col)
        EXPECT_FALSE(r.celda(l, 3, col).texto.isEmpty()) << col;
    EXPECT_TRUE(r.celda(l, 3, 15).texto.isEmpty());
    EXPECT_EQ(r.celda(l, 3, 12).color, 0xFF0000u); // star 2 hit
    EXPECT_EQ(r.celda(l, 3, 11).color, 0x808080u);
}

TEST(Compmultiples, noPrizeAndSoloPremioLeavesNoRows)
{
    const std::vector<RegPena> penas = {multiple("UNO", 6, 2, {3, 40, 41, 42, 43, 44}, {2, 5})};
    EXPECT_EQ(multiples({viernes}, penas, 1).pasada.filas.size(), 4u);
    EXPECT_TRUE(multiples({viernes}, penas, 1, {.soloPremio = true}).pasada.filas.empty());
}

TEST(Compmultiples, countsOnceAndSaturates)
{
    std::vector<RegPena> penas = {multiple("DIEZ", 10, 5, {3, 14, 25, 36, 47, 1, 4, 5, 6, 7}, {2, 9, 1, 3, 4})};
    penas[0].aciertos[8] = 32500; // 3+1 gets 600 more
    Parpadeo p;
    pasadaMultiples({viernes}, penas, 1, {}, p);
    EXPECT_EQ(penas[0].aciertos[8], 32767);
    EXPECT_EQ(penas[0].aciertos[0], 1);
    pasadaMultiples({viernes}, penas, 1, {}, p);
    EXPECT_EQ(penas[0].aciertos[0], 1);
}

TEST(Compmultiples, simplePassLeavesMultiplePenasAlone)
{
    std::vector<RegPena> penas = {multiple("M", 6, 2, {3, 14, 25, 40, 41, 42}, {5, 6})};
    Parpadeo p;
    const Pasada s = pasadaSencillas({viernes}, penas, 1, {}, p);
    EXPECT_TRUE(s.filas.empty());
    EXPECT_TRUE(s.cambiadas.empty());
    EXPECT_EQ(penas[0].contado, 0.0);
}

} // namespace
