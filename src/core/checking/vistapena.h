#pragma once

#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace bolvera {

// What the peña tab shows of one peña (`verpena`).
struct VistaPena
{
    bool hayPena = false;      // false: no peña stored, only the "-" figures
    bool multiple = false;     // the lists' style: "Courier New" 9 instead of "Courier" 10 bold
    int altoListasTwips = 0;
    QStringList numeros;       // List1, one line per bet
    QStringList estrellas;     // List2
    std::array<QString, 13> aciertos; // Label3_0 (2+0) … Label3_12 (5+2)
    QString jugados;           // Label17
    QString efectividad;       // Label16
    double sinPremio = 0;      // MSChart3: played draws without prize…
    double conPremio = 0;      // …and the total of the counters
};

// The view of peña record r (from 1); nothing when the record is missing or
// damaged ("Error crítico: fichero apuestas.dat corrupto.").
std::optional<VistaPena> vistaPena(const std::vector<RegPena>& penas,
                                 const std::vector<RegSorteo>& sorteos, int r);

} // namespace bolvera
