#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

class QChartView;

namespace bolvera {

// The two-slice charts of the peña tab: draws without prize against prizes.
void muestraTarta(QChartView* grafico, double sinPremio, double conPremio,
                  const QString& etiquetaSin, const QString& etiquetaCon);

// The value axis of a count chart: from 0 to `tope` with `marcas` labels, each
// a whole number and none repeated ("0 0 0 0 1" cannot happen).
struct EjeEntero
{
    int tope;
    int marcas;
};
EjeEntero ejeEntero(int maximo);

// A bar chart of one frequency table: a bar per label, empty counts as none.
void muestraBarras(QChartView* grafico, const std::vector<QString>& etiquetas,
                   const std::vector<std::optional<int>>& cuentas, const QColor& color);

} // namespace bolvera
