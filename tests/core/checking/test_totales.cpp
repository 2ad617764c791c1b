#include "core/checking/celdas.h"
#include "core/checking/cuentas.h"
#include "core/checking/efectividad.h"
#include "core/checking/euros.h"
#include "core/checking/pasadas.h"
#include "core/checking/totales.h"
#include "core/checking/vistapena.h"
#include "core/store/fechas.h"
#include "support/datos.h"

#include <QFile>
#include <QTemporaryDir>

#include <numeric>
#include <set>

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

using datos::pena;

RegPena conAciertos(const QString& nombre, std::initializer_list<int> valores)
{
    RegPena p = pena(nombre, "Todos", {2020, 1, 1});
    int i = 0;
    for (int v : valores)
        p.aciertos[static_cast<std::size_t>(i++)] = static_cast<std::int16_t>(v);
    return p;
}

TEST(UnDecimal, roundsHalvesToEvenWithAComma)
{
    const std::pair<double, const char*> casos[] = {
        {7.5, "7,5"}, {100.0 / 3, "33,3"}, {100, "100"}, {0, "0"}, {0.25, "0,2"},
        {0.75, "0,8"}, {12.04, "12"}, {99.96, "100"}, {213.67, "213,7"}};
    for (const auto& [valor, texto] : casos)
        EXPECT_EQ(unDecimal(valor), QString::fromLatin1(texto)) << valor;
}

TEST(Cargapenas, noPenas)
{
    const Totales t = totalesPenas({}, 10);
    EXPECT_TRUE(t.vacio);
    ASSERT_EQ(t.filas.size(), 1u);
    EXPECT_EQ(t.filas[0], QStringList{QStringLiteral("VACÍO")});
    EXPECT_EQ(t.proxpena, 0);
    EXPECT_EQ(t.premios, 0);
    EXPECT_EQ(t.efectividad, QStringLiteral("¡Nunca has acertado nada!"));
    EXPECT_TRUE(t.sorteos.isEmpty());
    EXPECT_EQ(t.sinPremio, 1);
    EXPECT_EQ(t.conPremio, 0);
}

TEST(Cargapenas, totalsAndEffectiveness)
{
    struct Caso
    {
        std::vector<RegPena> penas;
        int jugados;
        int premios;
        const char* efectividad;
        double sinPremio;
    };
    const Caso casos[] = {
        {{conAciertos("A", {1, 2, 2}), conAciertos("B", {0, 0, 0, 3})}, 16, 8, "50% de efectividad en premios", 8},
        {{conAciertos("A", {10, 10})}, 16, 20, "100% de efectividad en premios", 0},
        {{conAciertos("A", {1})}, 3, 1, "33,3% de efectividad en premios", 2},
        {{conAciertos("A", {3})}, 2, 3, "100% de efectividad en premios", 0},
        {{conAciertos("A", {})}, 40, 0, "0% de efectividad en premios", 40},
        {{conAciertos("A", {})}, 0, 0, "0% de efectividad en premios", 1},
    };
    for (const Caso& c : casos) {
        const Totales t = totalesPenas(c.penas, c.jugados);
        EXPECT_EQ(t.premios, c.premios);
        EXPECT_EQ(t.efectividad, QString::fromUtf8(c.efectividad));
        EXPECT_EQ(t.sinPremio, c.sinPremio) << c.efectividad;
        EXPECT_EQ(t.conPremio, c.premios);
        EXPECT_EQ(t.sorteos, QStringLiteral("en %1 sorteos").arg(c.jugados));
    }
}

TEST(Cargapenas, rowsShowTheStoredFields)
{
    RegPena m = pena("OCHO MAS TRES", "Viernes", {2026, 3, 5});
    m.tipo = 183;
    const Totales t = totalesPenas({pena("LA PEÑA", "Martes", {2026, 1, 2}, {{1, 2, 3, 4, 5, 1, 2}, {1, 2, 3, 4, 5, 1, 2}}), m}, 0);
    ASSERT_EQ(t.filas.size(), 2u);
    EXPECT_EQ(t.filas[0], (QStringList{"LA PEÑA             ", "2", "02/01/2026", "Martes         "}));
    EXPECT_EQ(t.filas[1][1], QStringLiteral("168"));
    EXPECT_EQ(t.proxpena, 3);
    EXPECT_EQ(t.penas, 2);
}

TEST(Verpena, listsAndHeights)
{
    RegPena veinticuatro = pena("24", "Todos", {2020, 1, 1}, {});
    veinticuatro.tipo = 24;
    for (auto& b : veinticuatro.numeros)
        b = {3, 14, 25, 40, 47};
    for (auto& e : veinticuatro.estrellas)
        e = {2, 11};
    RegPena nueve = veinticuatro;
    nueve.tipo = 9;
    RegPena diez = pena("DIEZ", "Todos", {2020, 1, 1}, {});
    diez.tipo = 205;
    diez.numeros[0] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    diez.estrellas[0] = {1, 2, 3, 4, 5};

    const auto v24 = vistaPena({veinticuatro}, {}, 1);
    ASSERT_TRUE(v24);
    EXPECT_EQ(v24->numeros.size(), 24);
    EXPECT_EQ(v24->numeros[0], QStringLiteral(" 3-14-25-40-47"));
    EXPECT_EQ(v24->estrellas[0], QStringLiteral("2-11"));
    EXPECT_EQ(v24->altoListasTwips, 5000);
    EXPECT_FALSE(v24->multiple);
    EXPECT_EQ(vistaPena({nueve}, {}, 1)->altoListasTwips, 1825);

    const auto v10 = vistaPena({diez}, {}, 1);
    ASSERT_TRUE(v10);
    EXPECT_TRUE(v10->multiple);
    EXPECT_EQ(v10->numeros, QStringList{QStringLiteral(" 1- 2- 3- 4- 5- 6- 7- 8- 9-10")});
    EXPECT_EQ(v10->estrellas, QStringList{QStringLiteral("1-2-3-4-5")});
}

TEST(Verpena, participationAndEffectiveness)
{
    const auto sorteos = datos::sorteosSeguidos(80, QDate(2026, 12, 4)); // 40 Tuesdays, 40 Fridays
    RegPena p = conAciertos("A", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2});
    p.creacion = sorteos.front().fecha;

    auto v = vistaPena({p}, sorteos, 1);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->jugados, QStringLiteral("80"));
    EXPECT_EQ(v->efectividad, QStringLiteral("3,8 %"));
    EXPECT_EQ(v->aciertos[0], QStringLiteral("2")); // Label3_0 is 2+0
    EXPECT_EQ(v->aciertos[1], QStringLiteral("1"));
    EXPECT_EQ(v->aciertos[12], QStringLiteral("0"));

    p.dia = QStringLiteral("Martes");
    v = vistaPena({p}, sorteos, 1);
    EXPECT_EQ(v->jugados, QStringLiteral("40"));
    EXPECT_EQ(v->efectividad, QStringLiteral("7,5 %"));
    EXPECT_EQ(v->sinPremio, 37);
    EXPECT_EQ(v->conPremio, 3);

    // Created after the newest draw: nothing played yet.
    p.creacion = sorteos.back().fecha + 1;
    v = vistaPena({p}, sorteos, 1);
    EXPECT_EQ(v->jugados, QStringLiteral("0"));
    EXPECT_EQ(v->efectividad, QStringLiteral("0 %"));
    EXPECT_EQ(v->sinPremio, 0);
}

TEST(Verpena, emptyHistoryAndNoPenas)
{
    EXPECT_EQ(vistaPena({conAciertos("A", {1})}, {}, 1)->efectividad, QStringLiteral("100 %"));
    EXPECT_EQ(vistaPena({conAciertos("A", {})}, {}, 1)->efectividad, QStringLiteral("-"));
    EXPECT_EQ(vistaPena({conAciertos("A", {})}, {}, 1)->jugados, QStringLiteral("0"));
    const auto vacia = vistaPena({}, {}, 1);
    ASSERT_TRUE(vacia);
    EXPECT_FALSE(vacia->hayPena);
    EXPECT_EQ(vacia->jugados, QStringLiteral("-"));
    EXPECT_EQ(vacia->efectividad, QStringLiteral("-"));
}

TEST(Verpena, damagedOrMissingRecords)
{
    RegPena rara = pena("RARA", "Todos", {2020, 1, 1});
    for (int tipo : {0, 25, 99, 152, 206})
    {
        rara.tipo = static_cast<std::int16_t>(tipo);
        EXPECT_FALSE(vistaPena({rara}, {}, 1)) << tipo;
    }
    EXPECT_FALSE(vistaPena({pena("A", "Todos", {})}, {}, 2));
    EXPECT_FALSE(vistaPena({pena("A", "Todos", {})}, {}, 0));
}

} // namespace

namespace {

TEST(Euros, amountsReadWrittenAndKept)
{
    // Thousands dots only between groups: never a leading dot.
    const std::pair<std::int64_t, const char*> textos[] = {
        {0, "0,00 €"}, {5, "0,05 €"}, {15000, "150,00 €"}, {100000, "1.000,00 €"}, {15000000, "150.000,00 €"},
        {15000000000, "150.000.000,00 €"}, {-123456, "-1.234,56 €"}};
    for (const auto& [centimos, texto] : textos)
        EXPECT_EQ(euros::texto(centimos), QString::fromUtf8(texto)) << centimos;
    EXPECT_EQ(euros::sinImporte(1), QStringLiteral("1 premio sin importe conocido"));
    EXPECT_EQ(euros::sinImporte(2), QStringLiteral("2 premios sin importe conocido"));

    // Amounts beyond 1,000,000,000 € are not amounts: no overflow, no wrap.
    const std::pair<const char*, std::optional<std::int64_t>> importes[] = {
        {"1.234,56", 123456}, {"1234.5", 123450}, {"1000000000", premios::maximoCentimos},
        {"1000000000,01", std::nullopt}, {"99999999999999999999", std::nullopt}, {"-5", std::nullopt},
        {"1e300", std::nullopt}, {"0,00", 0}};
    for (const auto& [texto, centimos] : importes)
        EXPECT_EQ(premios::centimosDe(QString::fromLatin1(texto)), centimos) << texto;

    // A prize CSV refuses a row that cannot be true, naming it.
    const std::pair<const char*, const char*> malos[] = {
        {"2026-09-11,1,1,5+2,-5.0,0\n", "Línea 1: el importe -5.0 no es un premio"},
        {"2026-09-11,1,1,5+2,1.0,0\n2026-09-11,1,2,5+1,100000000000000000000,0\n", "Línea 2: el importe"},
        {"2026-09-11,1,1,5+2,1.0,-5\n", "Línea 1: -5 acertantes"}};
    for (const auto& [csv, error] : malos) {
        const premios::LecturaCsv l = premios::leeCsv(csv);
        ASSERT_TRUE(l.error.has_value()) << csv;
        EXPECT_TRUE(l.error->startsWith(QString::fromUtf8(error))) << qPrintable(*l.error);
        EXPECT_TRUE(l.registros.empty());
    }

    // The results service's amounts are never replaced by a CSV's or a page's.
    QTemporaryDir dir;
    const QString ruta = dir.path() + u'/';
    RegPremios servicio;
    servicio.fecha = datos::sorteo({2026, 12, 4}).fecha;
    servicio.fuente = RegPremios::Fuente::Servicio;
    servicio.centimos[0] = 100;
    ASSERT_EQ(premios::guarda(ruta, {servicio}), 0);
    for (const auto fuente : {RegPremios::Fuente::Csv, RegPremios::Fuente::PaginaSorteo}) {
        RegPremios otro = servicio;
        otro.fuente = fuente;
        otro.centimos[0] = 999;
        ASSERT_EQ(premios::guarda(ruta, {otro}), 0);
        EXPECT_EQ(premios::lee(ruta).porFecha.at(servicio.fecha), servicio);
    }
}

TEST(Euros, aMultipleBetsLineShowsTheSumOfItsBets)
{
    // 6 numbers and 2 stars, 4 + 2 hit: "Hay 2 apuestas de 4+2" is two prizes.
    RegPena m = pena("SEIS", "Todos", {2020, 1, 1}, {});
    m.tipo = 162;
    m.numeros[0] = {3, 14, 25, 36, 40, 41};
    m.estrellas[0] = {2, 9};
    Instantanea datos;
    datos.sorteos = {datos::sorteo({2026, 12, 4}, {3, 14, 25, 36, 47, 2, 9})};
    datos.penas = {m};
    RegPremios r;
    r.fecha = datos.sorteos[0].fecha;
    r.centimos[3] = 123456; // 4+2
    datos.premios[r.fecha] = r;
    Parpadeo p;
    const Pasada pasada = pasadaMultiples(datos.sorteos, datos.penas, 1, {}, p);
    bool vista = false;
    for (const Fila& f : pasada.filas) {
        const Celda c = celda(Lista::Multiples, f, 16, datos);
        if (c.texto.startsWith(QStringLiteral("¡¡ Premio !! Hay 2 apuestas de 4+2"))) {
            vista = true;
            EXPECT_EQ(c.centimos, 2 * 123456);
            EXPECT_TRUE(c.texto.endsWith(QStringLiteral("2.469,12 €"))) << qPrintable(c.texto);
            EXPECT_TRUE(frase(Lista::Multiples, f, datos).endsWith(QStringLiteral(", 2 apuestas de 4 + 2, 2.469,12 €")));
        }
    }
    EXPECT_TRUE(vista);
}

TEST(Cuentas, sharesAddUpToTheCentAndTheWithholding)
{
    // Whole cents of each share; the cents left go to the largest remainders,
    // ties to the member listed first.
    const std::tuple<std::int64_t, std::vector<int>, std::vector<std::int64_t>> partes[] = {
        {100, {1, 2, 3}, {17, 33, 50}}, {1, {1, 1, 1}, {1, 0, 0}}, {2, {1, 1, 1}, {1, 1, 0}},
        {0, {1, 2}, {0, 0}}, {-100, {1, 2, 3}, {-17, -33, -50}}, {7, {}, {}}, {5, {5}, {5}},
        // The largest prize over the most shares: beyond 64 bits on the way, never a hang.
        {100'000'000'000, {2147483647, 1}, {99'999'999'953, 47}},
        {-100'000'000'000, {2147483647, 1}, {-99'999'999'953, -47}},
        {100'000'000'000, {100000000, 1}, {99'999'999'000, 1000}}};
    for (const auto& [total, participaciones, esperadas] : partes)
        EXPECT_EQ(cuentas::reparte(total, participaciones), esperadas) << total;
    for (std::int64_t total : {0LL, 1LL, 99LL, 12345LL, 987654321LL})
        for (const std::vector<int>& p : {std::vector<int>{1, 2, 3}, {7, 7}, {1, 1, 1, 1, 1, 1, 1}, {3, 100}}) {
            const auto r = cuentas::reparte(total, p);
            const int suma = std::accumulate(p.begin(), p.end(), 0);
            EXPECT_EQ(std::accumulate(r.begin(), r.end(), std::int64_t{0}), total);
            for (std::size_t i = 0; i < p.size(); ++i)
                EXPECT_LT(std::abs(static_cast<double>(r[i]) - static_cast<double>(total) * p[i] / suma), 1.0);
        }

    // 20 % of what a bet's prize has above 40.000 €.
    const std::pair<std::int64_t, std::int64_t> retenciones[] = {
        {100, 0}, {4'000'000, 0}, {4'000'002, 0}, {4'000'003, 1}, {5'000'000, 200'000}, {18'112'733, 2'822'547}};
    for (const auto& [premio, retenido] : retenciones)
        EXPECT_EQ(cuentas::retencion(premio), retenido) << premio;

    // Three members with 1, 2 and 3 shares; a 50.000 € prize and a small one.
    const double d1 = fechas::diaNumero({2026, 12, 1}), d2 = fechas::diaNumero({2026, 12, 4});
    const std::vector<cuentas::Jugada> jugadas = {{d1, 6000, {5'000'000, 1001}, 0, {2, 12}}, {d2, 6000, {}, 1, {13}}};
    const std::vector<cuentas::Socio> socios = {
        {"ANA", 1, {}, {{{2026, 11, 30}, 2000}}},
        {"BEA", 2, {}, {{{2026, 11, 30}, 4000}, {{2026, 12, 5}, 4000}}},
        {"CAR", 3, {}, {{{2026, 11, 30}, 6000}, {{2026, 12, 2}, -100}}}};
    const cuentas::Cuentas c = cuentas::calcula(jugadas, socios, 0, d2);
    EXPECT_EQ(c.pena.apostado, 12000);
    EXPECT_EQ(c.pena.ganado, 5'001'001);
    EXPECT_EQ(c.pena.neto, 5'001'001 - 200'000);
    EXPECT_EQ(c.pena.pagado, 2000 + 4000 + 6000 - 100); // the payment after the period does not count
    EXPECT_EQ(c.sinImporte, 1);
    ASSERT_EQ(c.socios.size(), 3u);
    EXPECT_EQ(datos::elemento(c.socios, 0).apostado, 2000);
    EXPECT_EQ(datos::elemento(c.socios, 1).ganado, 1'667'000); // 5.001.001 · 2/6 rounded down: the cent left goes to CAR
    for (auto campo : {&cuentas::Cuenta::apostado, &cuentas::Cuenta::ganado, &cuentas::Cuenta::neto, &cuentas::Cuenta::pagado}) {
        std::int64_t suma = 0;
        for (const cuentas::Cuenta& s : c.socios)
            suma += s.*campo;
        EXPECT_EQ(suma, c.pena.*campo);
    }
    EXPECT_EQ(datos::elemento(c.socios, 2).balance(), 5900 - 6000 + datos::elemento(c.socios, 2).ganado);
    // The next period counts only its own payments.
    EXPECT_EQ(cuentas::calcula({}, socios, d2 + 1, 0).pena.pagado, 4000);

    // 74 draws of 7,50 € over 1+2+3+2 shares: 555 € is 69,375 € a share.
    // Split draw by draw, the first member would pay 69,56 €.
    const std::vector<cuentas::Jugada> semanas(74, cuentas::Jugada{d1, 750, {}, 0, {}});
    const cuentas::Cuentas s = cuentas::calcula(semanas, {{"A", 1, {}, {}}, {"B", 2, {}, {}}, {"C", 3, {}, {}}, {"D", 2, {}, {}}});
    EXPECT_EQ(datos::elemento(s.socios, 0).apostado, 6938);
    EXPECT_EQ(datos::elemento(s.socios, 1).apostado + datos::elemento(s.socios, 3).apostado, 2 * 13875);
}

TEST(Cuentas, theDrawsPlayedAreThoseTheCountersTook)
{
    // Four draws; a peña created on 2 Dec, playing one bet that wins 5+2 on 4 Dec.
    const std::vector<RegSorteo> sorteos = {datos::sorteo({2026, 12, 1}, {3, 14, 25, 36, 47, 2, 9}),
                                            datos::sorteo({2026, 12, 4}, {1, 2, 3, 4, 5, 1, 2}),
                                            datos::sorteo({2026, 12, 8}, {6, 7, 8, 9, 10, 3, 4}),
                                            datos::sorteo({2026, 12, 11}, {11, 12, 13, 14, 15, 5, 6})};
    RegPremios importes;
    importes.fecha = sorteos[1].fecha;
    importes.centimos[0] = 100000;
    const struct
    {
        const char* que;
        QDate contado;   // how far its counters went
        const char* dia;
        std::vector<QDate> jugadas;
    } casos[] = {
        {"counted to the newest", {2026, 12, 11}, "Todos", {{2026, 12, 4}, {2026, 12, 8}, {2026, 12, 11}}},
        // Counters behind the history: what was not counted is neither staked nor won.
        {"counted to 8 Dec", {2026, 12, 8}, "Todos", {{2026, 12, 4}, {2026, 12, 8}}},
        {"never counted", {}, "Todos", {}},
        {"Fridays only", {2026, 12, 11}, "Viernes", {{2026, 12, 4}, {2026, 12, 11}}},
    };
    for (const auto& c : casos) {
        RegPena p = pena("UNA", QString::fromLatin1(c.dia), {2026, 12, 2}, {{1, 2, 3, 4, 5, 1, 2}});
        p.tipo = 1;
        p.contado = c.contado.isValid() ? fechas::diaNumero(c.contado) : 0;
        const auto j = cuentas::jugadas(p, sorteos, {{importes.fecha, importes}}, 250);
        std::vector<QDate> dias;
        for (const cuentas::Jugada& x : j)
            dias.push_back(fechas::fechaDeDia(x.fecha));
        EXPECT_EQ(dias, c.jugadas) << c.que;
        const cuentas::Cuentas t = cuentas::calcula(j, {{"ANA", 1, {}, {}}});
        EXPECT_EQ(t.pena.apostado, 250 * static_cast<std::int64_t>(c.jugadas.size())) << c.que;
        EXPECT_EQ(t.pena.ganado, c.jugadas.empty() ? 0 : 100000) << c.que;
    }
}

TEST(Cuentas, aRealPenaOverTheRealDrawsWithRealSpanishPrizes)
{
    const auto historia = datos::historiaReal();
    QFile csv(QStringLiteral(BOLVERA_DATOS_COMPARTIDOS "/premios-es.csv"));
    if (!historia || !csv.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "sin ../shared/data";
    const premios::LecturaCsv l = premios::leeCsv(csv.readAll());
    ASSERT_FALSE(l.error.has_value()) << qPrintable(*l.error);
    std::map<double, RegPremios> porFecha;
    for (const RegPremios& r : l.registros)
        porFecha[r.fecha] = r;

    // 24 bets from 2026 on, counted up to the newest draw.
    RegPena p = pena("VEINTICUATRO", "Todos", {2026, 1, 1});
    p.tipo = 24;
    for (int b = 0; b < 24; ++b) {
        for (int i = 0; i < 5; ++i)
            p.numeros[b][i] = static_cast<std::int16_t>(1 + (b * 7 + i * 11) % 50);
        std::sort(p.numeros[b].begin(), p.numeros[b].begin() + 5);
        p.estrellas[b][0] = static_cast<std::int16_t>(1 + b % 12);
        p.estrellas[b][1] = static_cast<std::int16_t>(1 + (b + 5) % 12);
        if (p.estrellas[b][0] > p.estrellas[b][1])
            std::swap(p.estrellas[b][0], p.estrellas[b][1]);
    }
    p.contado = historia->back().fecha;

    // The independent sum: hits by sets, the category by its (numbers, stars).
    const std::map<std::pair<int, int>, int> categoria = {
        {{5, 2}, 1}, {{5, 1}, 2}, {{5, 0}, 3}, {{4, 2}, 4}, {{4, 1}, 5}, {{4, 0}, 6}, {{3, 2}, 7},
        {{2, 2}, 8}, {{3, 1}, 9}, {{3, 0}, 10}, {{1, 2}, 11}, {{2, 1}, 12}, {{2, 0}, 13}};
    std::int64_t ganado = 0, apostado = 0;
    for (const RegSorteo& s : *historia) {
        if (s.fecha < p.creacion)
            continue;
        apostado += 24 * 250;
        const std::set<int> n(s.num.begin(), s.num.begin() + 5), e(s.num.begin() + 5, s.num.end());
        for (int b = 0; b < 24; ++b) {
            const int h = static_cast<int>(std::count_if(p.numeros[b].begin(), p.numeros[b].begin() + 5,
                                                         [&](int x) { return n.count(x) > 0; }));
            const int k = static_cast<int>(e.count(p.estrellas[b][0]) + e.count(p.estrellas[b][1]));
            const auto c = categoria.find({h, k});
            const auto r = porFecha.find(s.fecha);
            if (c != categoria.end() && r != porFecha.end() && r->second.centimos[c->second - 1] >= 0)
                ganado += r->second.centimos[c->second - 1];
        }
    }
    ASSERT_GT(ganado, 0);

    const std::vector<cuentas::Socio> socios = {
        {"ANA", 1, {}, {{{2026, 1, 5}, 10000}}}, {"BEA", 2, {}, {{{2026, 2, 1}, 20000}}}, {"CAR", 3, {}, {}}};
    const cuentas::Cuentas c = cuentas::calcula(cuentas::jugadas(p, *historia, porFecha, 250), socios);
    EXPECT_EQ(c.pena.ganado, ganado);
    EXPECT_EQ(c.pena.apostado, apostado);
    std::int64_t suma = 0;
    for (const cuentas::Cuenta& s : c.socios)
        suma += s.ganado;
    EXPECT_EQ(suma, ganado);
    EXPECT_EQ(datos::elemento(c.socios, 0).pagado + datos::elemento(c.socios, 1).pagado + datos::elemento(c.socios, 2).pagado, 30000);
}

} // namespace
