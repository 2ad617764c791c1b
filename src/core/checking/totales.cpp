#include "core/checking/totales.h"

#include "core/checking/efectividad.h"
#include "core/checking/formas.h"
#include "core/store/fechas.h"

#include <numeric>

namespace bolvera {

Totales totalesPenas(const std::vector<RegPena>& penas, int sorteosjugados)
{
    Totales t;
    if (penas.empty()) {
        t.filas.push_back({QStringLiteral("VACÍO")});
        t.efectividad = QStringLiteral("¡Nunca has acertado nada!");
        return t;
    }
    t.vacio = false;
    t.penas = static_cast<int>(penas.size());
    t.proxpena = t.penas + 1;
    for (const RegPena& p : penas) {
        const int apuestas = p.esMultiple() ? cuantos(p.tipo) : p.tipo;
        t.filas.push_back({p.nombre, QString::number(apuestas), fechas::fechacorta(p.creacion), p.dia});
        t.premios = std::accumulate(p.aciertos.begin(), p.aciertos.end(), t.premios);
    }

    const int n = sorteosjugados;
    const int p = t.premios;
    float e = 0;
    if (p < n) {
        t.sinPremio = n - p;
        e = static_cast<float>(p) / static_cast<float>(n) * 100.0f;
    } else if (p != 0) {
        t.sinPremio = 0;
        e = 100;
    } else {
        t.sinPremio = 1;
    }
    t.conPremio = p;
    t.efectividad = unDecimal(e) + QStringLiteral("% de efectividad en premios");
    t.sorteos = QStringLiteral("en %1 sorteos").arg(n);
    return t;
}

} // namespace bolvera
