#pragma once

#include "store/premios.h"
#include "store/regpena.h"
#include "store/regsorteo.h"
#include "store/socios.h"

#include <QString>

#include <cstdint>
#include <map>
#include <vector>

namespace bolvera {

// What the organiser hands the members after a stretch of draws, as plain
// text for a message: the peña and its bets, each draw with what it won, the
// totals and every member's account. `desde`/`hasta` are day numbers, 0 open.
QString resumenTexto(const RegPena& pena, const std::vector<RegSorteo>& sorteos,
                     const std::map<double, RegPremios>& premios, std::int64_t precioApuesta,
                     const std::vector<socios::Socio>& socios, double desde, double hasta);

} // namespace bolvera
