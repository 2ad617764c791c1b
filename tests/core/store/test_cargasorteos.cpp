#include "core/store/cargasorteos.h"
#include "core/store/fechas.h"
#include "support/datos.h"

#include <gtest/gtest.h>

using namespace bolvera;

namespace {

using datos::pena;
using datos::sorteo;

TEST(ProximoSorteo, isTheFirstDrawDayNotYetStored)
{
    struct Caso
    {
        QDate hoy;
        QDate ultima;
        QDate esperado;
    };
    const Caso casos[] = {
        // Saturday after a stored Friday: the coming Tuesday.
        {QDate(2026, 12, 5), QDate(2026, 12, 4), QDate(2026, 12, 8)},
        // Tuesday with today's draw stored: Friday.
        {QDate(2026, 12, 8), QDate(2026, 12, 8), QDate(2026, 12, 11)},
        // Tuesday, last stored the Friday before: today.
        {QDate(2026, 12, 8), QDate(2026, 12, 4), QDate(2026, 12, 8)},
        // Empty history.
        {QDate(2026, 12, 9), QDate(), QDate(2026, 12, 11)},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(proximoSorteo(c.hoy, fechas::diaNumero(c.ultima)), c.esperado)
            << qPrintable(c.hoy.toString());
}

TEST(AvisoActualizacion, growsWithTheAgeOfTheNewestDraw)
{
    const QDate hoy(2026, 12, 8);
    struct Caso
    {
        int dias;
        const char* aviso;
    };
    const Caso casos[] = {
        {0, ""},
        {7, ""},
        {8, "Falta 1 semana por actualizar"},
        {15, "Falta 1 semana por actualizar"},
        {16, "Faltan 2 semanas por actualizar"},
        {22, "Faltan 3 semanas por actualizar"},
        {-3, ""}, // a computer date in the past warns of nothing here
    };
    for (const Caso& c : casos)
        EXPECT_EQ(avisoActualizacion(fechas::diaNumero(hoy.addDays(-c.dias)), hoy),
                  QString::fromUtf8(c.aviso))
            << c.dias << " days";
    EXPECT_EQ(avisoActualizacion(0, hoy), QStringLiteral("No se ha actualizado nunca"));
}

TEST(SorteosJugados, countsFromTheFirstPenasCreation)
{
    // Draws on Tuesday 1 and Friday 4, Tuesday 8 and Friday 11 of December 2026.
    const std::vector<RegSorteo> sorteos = {sorteo({2026, 12, 1}), sorteo({2026, 12, 4}),
                                            sorteo({2026, 12, 8}), sorteo({2026, 12, 11})};
    struct Caso
    {
        const char* que;
        std::vector<RegPena> penas;
        int esperado;
    };
    const Caso casos[] = {
        {"no peñas", {}, 0},
        {"created before every draw, Todos", {pena("A", "Todos", {2026, 11, 1})}, 4},
        {"created after every draw", {pena("A", "Todos", {2026, 12, 12})}, 0},
        {"created on a draw day counts that draw", {pena("A", "Todos", {2026, 12, 8})}, 2},
        {"Martes ignores Fridays", {pena("A", "Martes", {2026, 11, 1})}, 2},
        {"a later peña's day counts too",
         {pena("A", "Martes", {2026, 11, 1}), pena("B", "Viernes", {2026, 12, 10})}, 4},
        {"only peña 1's creation skips", {pena("A", "Viernes", {2026, 12, 5}), pena("B", "Todos", {2020, 1, 1})}, 2},
        {"a day nobody plays", {pena("A", "Lunes", {2026, 11, 1})}, 0},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(cuentaSorteosJugados(sorteos, c.penas), c.esperado) << c.que;
}

TEST(Cargasorteos, emptyFilesShowTheEmptyStatus)
{
    const EstadoSorteos e = estadoSorteos({}, {}, QDate(2026, 12, 8));
    EXPECT_EQ(e.proxsorteo, 1);
    EXPECT_EQ(e.sorteo.fecha, 0.0);
    EXPECT_FALSE(e.hayDatos);
    EXPECT_EQ(e.ultima, QStringLiteral("Fichero de datos vacío."));
    EXPECT_EQ(e.proximo, QStringLiteral("Martes, 8 de diciembre del 2026"));
    EXPECT_EQ(e.aviso, QStringLiteral("No se ha actualizado nunca"));
    EXPECT_EQ(e.penas, 0);
    EXPECT_EQ(e.proxpena, 0);
}

TEST(Cargasorteos, onlyTheNewestDateDecidesWhetherTheHistoryIsEmpty)
{
    std::vector<RegSorteo> sorteos = datos::sorteosSeguidos(3, QDate(2026, 12, 4));
    sorteos[1].fecha = 0; // still a draw for counting
    EstadoSorteos e = estadoSorteos(sorteos, {pena("A", "Todos", {2020, 1, 1})}, QDate(2026, 12, 8));
    EXPECT_EQ(e.proxsorteo, 4);
    EXPECT_EQ(e.sorteo, sorteos.back());
    EXPECT_TRUE(e.hayDatos);
    EXPECT_EQ(e.ultima, QStringLiteral("Viernes, 4 de diciembre del 2026"));
    EXPECT_EQ(e.aviso, QString());
    EXPECT_EQ(e.penas, 1);
    EXPECT_EQ(e.proxpena, 2);

    sorteos.back().fecha = 0;
    e = estadoSorteos(sorteos, {}, QDate(2026, 12, 8));
    EXPECT_EQ(e.proxsorteo, 4);
    EXPECT_FALSE(e.hayDatos);
    EXPECT_EQ(e.ultima, QStringLiteral("Fichero de datos vacío."));
}

TEST(Cargasorteos, realHistory)
{
    const auto historia = datos::historiaReal();
    if (!historia)
        GTEST_SKIP() << "shared data folder absent";
    const QDate desde(2020, 1, 1);
    const auto jugados = std::count_if(historia->begin(), historia->end(), [&](const RegSorteo& s) {
        return s.fecha >= fechas::diaNumero(desde);
    });
    const EstadoSorteos e =
        estadoSorteos(*historia, {pena("A", "Todos", desde)}, QDate(2026, 9, 14));
    EXPECT_EQ(e.proxsorteo, static_cast<int>(historia->size()) + 1);
    EXPECT_EQ(e.ultima, QStringLiteral("Viernes, 11 de septiembre del 2026"));
    EXPECT_EQ(e.proximo, QStringLiteral("Martes, 15 de septiembre del 2026"));
    EXPECT_EQ(e.sorteosjugados, jugados);
    // Every stored draw is on a Tuesday or a Friday: a Martes peña plays the Tuesdays.
    const auto martes = std::count_if(historia->begin(), historia->end(), [&](const RegSorteo& s) {
        return s.fecha >= fechas::diaNumero(desde) && fechas::diasemana(s.fecha) == u"Martes";
    });
    EXPECT_EQ(cuentaSorteosJugados(*historia, {pena("A", "Martes", desde)}), martes);
}

} // namespace
