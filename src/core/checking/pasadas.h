#pragma once

#include "core/checking/filas.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <functional>
#include <span>
#include <vector>

namespace bolvera {

// How the results tab asks for the check.
struct OpcionesPasada
{
    bool historico = false;  // "Histórico": also draws before a peña's creation
    bool soloPremio = false; // "Ver sólo si hay premio": drop rows without prize
    bool hayNuevos = false;  // the update just added draws: a prize starts the blink
    bool sinFilas = false;   // the counters alone: no rows and no blink
    bool sinContar = false;  // the rows alone: the counters were written already
};

// The blink of the view buttons after an update found a prize.
struct Parpadeo
{
    bool sencillas = false; // "S E N C I L L A" blinks
    bool multiples = false; // "M Ú L T I P L E" blinks
    bool activo = false;    // Timer3 running
};

struct Pasada
{
    std::vector<Fila> filas;
    std::vector<int> cambiadas; // indexes of the peñas whose record changed, ascending
};

// Where a pass hands its rows when they are not kept: one peña's block for
// one draw at a time, in the order of the list.
using DestinoFilas = std::function<void(const Bloque&)>;

// Checks the n newest draws against every simple-bet peña: the rows of the
// simple list, and the counters and `contado` of the peñas, updated in `penas`.
// A prize counts once: only draws newer than `contado` and not older than the
// creation date; `contado` then moves to the newest draw. With a `destino`
// the rows go there as they are made and `filas` stays empty.
Pasada pasadaSencillas(const std::vector<RegSorteo>& sorteos, std::vector<RegPena>& penas, int n,
                     const OpcionesPasada& opciones, Parpadeo& parpadeo, const DestinoFilas& destino = {});

// The same for the multiple-bet peñas, whose counters grow by the breakdown.
Pasada pasadaMultiples(const std::vector<RegSorteo>& sorteos, std::vector<RegPena>& penas, int n,
                     const OpcionesPasada& opciones, Parpadeo& parpadeo, const DestinoFilas& destino = {});

// How many of the first n numbers (stars) of a bet the draw holds.
int aciertosNumeros(const std::int16_t* numeros, int n, const RegSorteo& s);
int aciertosEstrellas(const std::int16_t* estrellas, int n, const RegSorteo& s);

// Whether the peña plays the draw of `fecha` by its day filter.
bool juega(const RegPena& pena, double fecha);

} // namespace bolvera
