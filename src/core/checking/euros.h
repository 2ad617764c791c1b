#pragma once

#include "core/store/premios.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <QString>

#include <cstdint>
#include <map>
#include <vector>

namespace bolvera {

// Money, always in whole euro cents.
namespace euros {

// "1.234,56 €": Spanish style, thousands dot and decimal comma.
QString texto(std::int64_t centimos);
// "1234.56": for the terminal's JSON.
QString decimal(std::int64_t centimos);
// "1 premio sin importe conocido", "3 premios sin importe conocido".
QString sinImporte(int premios);

// What a peña has won and played over the draws it has counted: from its
// creation to `contado`, on its days.
struct Balance
{
    std::int64_t ganado = 0;  // the prizes of known amount
    int sinImporte = 0;       // prizes whose amount is not known
    std::int64_t jugado = 0;  // bets × draws × price per bet
    std::int64_t balance() const { return ganado - jugado; }
};
Balance balance(const RegPena& pena, const std::vector<RegSorteo>& sorteos,
                const std::map<double, RegPremios>& premios, std::int64_t precioApuesta);

} // namespace euros

} // namespace bolvera
