#include "main/graficos.h"

#include <QChartView>
#include <QPieSeries>
#include <QPieSlice>

void muestraTarta(QChartView* grafico, double sinPremio, double conPremio,
                  const QString& etiquetaSin, const QString& etiquetaCon)
{
    QChart* chart = grafico->chart();
    chart->removeAllSeries();
    auto* serie = new QPieSeries;
    QPieSlice* sin = serie->append(etiquetaSin, sinPremio);
    sin->setColor(QColor(0, 0, 255));
    QPieSlice* con = serie->append(etiquetaCon, conPremio);
    con->setColor(QColor(255, 0, 0));
    chart->addSeries(serie);
}
