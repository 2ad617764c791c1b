#pragma once

#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <QDate>
#include <QString>

#include <vector>

namespace bolvera {

// What the status block shows after the draw file and the peña file were
// counted: the core of the main window's `cargasorteos`.
struct EstadoSorteos
{
    int sorteosjugados = 0; // draws from peña 1's creation on that some peña plays
    int proxsorteo = 1;     // number of draws + 1
    RegSorteo sorteo;       // the newest draw; fecha 0 when there is none
    int penas = 0;          // number of peñas
    int proxpena = 0;       // number of peñas + 1; 0 when there is none

    bool hayDatos = false; // the newest draw has a date: check boxes enabled
    QString ultima;        // last update, or "Fichero de datos vacío."
    QDate proximoSorteo;
    QString proximo; // next draw as a long date
    QString aviso;   // the update-age warning; empty when hidden
};

EstadoSorteos estadoSorteos(const std::vector<RegSorteo>& sorteos,
                           const std::vector<RegPena>& penas, QDate hoy);

// The draws counted from the first one not earlier than the creation of
// peña record 1, each once if at least one peña plays its weekday.
int cuentaSorteosJugados(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas);

// The first draw day (Tuesday or Friday) from today on, skipping today when
// today's draw is already stored.
QDate proximoSorteo(QDate hoy, double ultimaFecha);

// The update-age warning for a newest draw of `ultimaFecha`; empty when it is
// at most 7 days old.
QString avisoActualizacion(double ultimaFecha, QDate hoy);

} // namespace bolvera
