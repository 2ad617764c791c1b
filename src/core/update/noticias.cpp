#include "core/update/noticias.h"

#include "core/store/fechas.h"

namespace bolvera {

namespace noticias {

bool toca(double ultimaFecha, QDate hoy)
{
    return ultimaFecha != 0 && ultimaFecha + 3 <= fechas::diaNumero(hoy);
}

bool avisar(qsizetype antes, qsizetype despues) { return despues != antes && despues >= 301; }

} // namespace noticias

} // namespace bolvera
