#pragma once

class QChartView;
class QString;

// The two-slice charts of the peña tab: draws without prize against prizes.
void muestraTarta(QChartView* grafico, double sinPremio, double conPremio,
                  const QString& etiquetaSin, const QString& etiquetaCon);
