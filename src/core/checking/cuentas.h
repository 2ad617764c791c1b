#pragma once

#include "core/store/premios.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"
#include "core/store/socios.h"

#include <cstdint>
#include <map>
#include <vector>

namespace bolvera {

// The accounts of a peña's members: each one's part of the stake and of the
// prizes by shares, what each paid, and the balance. Money in whole cents.
namespace cuentas {

// One draw the peña played: what it staked and each winning bet's prize.
struct Jugada
{
    double fecha = 0;
    std::int64_t apostado = 0;          // bets × price per bet
    std::vector<std::int64_t> premios;  // one entry a winning bet of known amount
    int sinImporte = 0;                 // winning bets whose amount is not known
    std::vector<int> categorias;        // the category of every winning bet, known amount or not
};

// The draws the peña counted (from its creation to `contado`, on its days),
// oldest first, with `desde`/`hasta` (day numbers, 0 = open) narrowing them.
std::vector<Jugada> jugadas(const RegPena& pena, const std::vector<RegSorteo>& sorteos,
                            const std::map<double, RegPremios>& premios, std::int64_t precioApuesta,
                            double desde = 0, double hasta = 0);

// `total` split by shares so that the parts add up to it exactly: each gets
// the whole cents of its share, and the cents left over go one each to the
// largest remainders, ties to the member listed first. Empty for no shares.
std::vector<std::int64_t> reparte(std::int64_t total, const std::vector<int>& participaciones);

// The state's withholding on one bet's prize: 20 % of the part above 40.000 €.
constexpr std::int64_t exento = 4'000'000;
std::int64_t retencion(std::int64_t premio);

using socios::Pago;
using socios::Socio;

struct Cuenta
{
    std::int64_t pagado = 0;
    std::int64_t apostado = 0;
    std::int64_t ganado = 0; // before withholding
    std::int64_t neto = 0;   // after withholding
    std::int64_t balance() const { return pagado - apostado + ganado; }
};

struct Cuentas
{
    Cuenta pena;                // the peña's totals
    std::vector<Cuenta> socios; // in the order of the members
    int sinImporte = 0;
};

// Every member's account over `jugadas`: each draw's prizes are split on
// their own, the stake once over them all, so that every part adds up to the
// peña's exact total.
// Payments count when made from `desde` to `hasta` (day numbers, 0 = open):
// periods that follow each other count every payment once.
Cuentas calcula(const std::vector<Jugada>& jugadas, const std::vector<Socio>& socios, double desde = 0,
                double hasta = 0);

} // namespace cuentas

} // namespace bolvera
