#include "core/store/listado.h"

#include "core/store/fechas.h"
#include "core/store/validacion.h"

#include <algorithm>
#include <cmath>

namespace bolvera {

namespace listado {
namespace {

Tabla tabla(int primero, int filas)
{
    // The labels 1–50, made once: the listing is made again on every change.
    static const std::vector<QString> numeros = [] {
        std::vector<QString> n;
        for (int i = 1; i <= 50; ++i)
            n.push_back(QString::number(i));
        return n;
    }();
    Tabla t;
    t.etiquetas.assign(numeros.begin() + (primero - 1), numeros.begin() + (primero - 1 + filas));
    t.cuentas.resize(static_cast<std::size_t>(filas));
    return t;
}

void suma(std::optional<int>& cuenta) { cuenta = cuenta.value_or(0) + 1; }

} // namespace

bool enRango(const RegSorteo& s)
{
    const QDate fecha = fechas::fechaDeDia(s.fecha);
    if (!fecha.isValid() || s.fecha != std::floor(s.fecha) || fecha < validacion::primerSorteo)
        return false;
    return std::all_of(s.num.begin(), s.num.begin() + 5, [](auto n) { return n >= 1 && n <= 50; }) &&
           std::all_of(s.num.begin() + 5, s.num.end(), [](auto e) { return e >= 1 && e <= 12; });
}

Resultado calcula(const std::vector<RegSorteo>& sorteos)
{
    Resultado r;
    r.tablanum1 = tabla(1, 25);
    r.tablanum2 = tabla(26, 25);
    r.tablaest = tabla(1, 12);
    if (sorteos.size() > static_cast<std::size_t>(RegSorteo::maximo)) {
        r.valido = false;
        return r;
    }
    double anterior = 0;
    for (const RegSorteo& s : sorteos) {
        if (!enRango(s) || s.fecha <= anterior) {
            r.valido = false;
            return r;
        }
        anterior = s.fecha;
        for (int i = 0; i < 5; ++i) {
            const int n = s.num[i];
            suma(n <= 25 ? r.tablanum1.cuentas[n - 1] : r.tablanum2.cuentas[n - 26]);
        }
        suma(r.tablaest.cuentas[s.num[5] - 1]);
        suma(r.tablaest.cuentas[s.num[6] - 1]);
    }
    r.total = static_cast<int>(sorteos.size());
    r.totalTexto = QStringLiteral("TOTAL: %1 sorteos.").arg(r.total);
    return r;
}

QString textoNumeros(const RegSorteo& s)
{
    QString texto;
    for (int i = 0; i < 4; ++i)
        texto += (s.num[i] < 10 ? QStringLiteral(" ") : QString()) + QString::number(s.num[i]) + u'-';
    return texto + QString::number(s.num[4]);
}

QString textoEstrellas(const RegSorteo& s)
{
    return QString::number(s.num[5]) + (s.num[6] > 9 ? QStringLiteral(" ") : QStringLiteral("  ")) +
           QString::number(s.num[6]);
}

QString textoFecha(const RegSorteo& s)
{
    return fechas::fechacorta(s.fecha) + QStringLiteral("  ") + fechas::diasemana(s.fecha);
}

} // namespace listado

} // namespace bolvera
