#pragma once

#include "core/store/premios.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <QString>

#include <cstdint>
#include <map>
#include <vector>

namespace bolvera {

// What the desktop notification says after an update brought new draws:
// each draw with its numbers and stars, and every peña that won in them
// with its categories and euros ("PEÑA UNO: 4+1 — 212,34 €").
struct Notificacion
{
    QString titulo;
    QString cuerpo;
    bool premio = false; // some peña won: otherwise it is the quiet "Sin premio"
};

// `sorteos` is the whole history after the update, its last `nuevos` the new ones.
Notificacion notificacionDe(const std::vector<RegSorteo>& sorteos, std::size_t nuevos, const std::vector<RegPena>& penas,
              const std::map<double, RegPremios>& premios, std::int64_t precioApuesta);

} // namespace bolvera
