#pragma once

#include "core/store/regpena.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace bolvera {

// What the peña tab shows of all peñas together (`cargapenas`).
struct Totales
{
    std::vector<QStringList> filas; // name, bets, creation date, day filter; "VACÍO" alone
    bool vacio = true;
    int penas = 0;
    int proxpena = 0;      // number of peñas + 1; 0 when there is none
    int premios = 0;       // P: every counter of every peña
    QString efectividad;   // Text4
    QString sorteos;       // Text5
    double sinPremio = 1;  // the chart: draws without prize…
    double conPremio = 0;  // …and prizes
};

// `sorteosjugados` is the number of draws that some peña played (cargasorteos).
Totales totalesPenas(const std::vector<RegPena>& penas, int sorteosjugados);

} // namespace bolvera
