#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

class QChartView;

// The two-slice charts of the peña tab: draws without prize against prizes.
void muestraTarta(QChartView* grafico, double sinPremio, double conPremio,
                  const QString& etiquetaSin, const QString& etiquetaCon);

// A bar chart of one frequency table: a bar per label, empty counts as none.
void muestraBarras(QChartView* grafico, const std::vector<QString>& etiquetas,
                   const std::vector<std::optional<int>>& cuentas, const QColor& color);
