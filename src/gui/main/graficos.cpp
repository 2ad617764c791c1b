#include "gui/main/graficos.h"

#include <QLocale>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QValueAxis>
#include <QPieSeries>
#include <QPieSlice>

namespace bolvera {

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
    // A chart is a picture to a screen reader: its values are said in words.
    grafico->setAccessibleDescription(QStringLiteral("%1: %2; %3: %4")
                                          .arg(etiquetaSin, QLocale().toString(sinPremio), etiquetaCon,
                                               QLocale().toString(conPremio)));
}

EjeEntero ejeEntero(int maximo)
{
    const int alto = std::max(1, maximo);
    // Steps of 1, 2, 5, 10, 20, 50 … : the first that needs at most five.
    for (int base = 1;; base *= 10)
        for (int m : {1, 2, 5}) {
            const int paso = base * m;
            const int pasos = (alto + paso - 1) / paso;
            if (pasos <= 5)
                return {pasos * paso, pasos + 1};
        }
}

void muestraBarras(QChartView* grafico, const std::vector<QString>& etiquetas,
                   const std::vector<std::optional<int>>& cuentas, const QColor& color)
{
    QChart* chart = grafico->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* eje : chart->axes())
        chart->removeAxis(eje);

    auto* barras = new QBarSet(QString());
    barras->setColor(color);
    int maximo = 0;
    QStringList dichas;
    for (std::size_t i = 0; i < cuentas.size(); ++i) {
        const int cuenta = cuentas[i].value_or(0);
        barras->append(cuenta);
        maximo = std::max(maximo, cuenta);
        if (i < etiquetas.size())
            dichas << QStringLiteral("%1: %2").arg(etiquetas[i]).arg(cuenta);
    }
    // A chart is a picture to a screen reader: its values are said in words.
    grafico->setAccessibleDescription(dichas.join(QStringLiteral("; ")));
    auto* serie = new QBarSeries;
    serie->append(barras);
    serie->setBarWidth(0.8);
    chart->addSeries(serie);

    auto* ejeX = new QBarCategoryAxis;
    ejeX->append(QStringList(etiquetas.begin(), etiquetas.end()));
    QFont pequena = ejeX->labelsFont();
    pequena.setPointSize(7);
    ejeX->setLabelsFont(pequena);
    ejeX->setTruncateLabels(false);
    chart->addAxis(ejeX, Qt::AlignBottom);
    serie->attachAxis(ejeX);
    auto* ejeY = new QValueAxis;
    const EjeEntero eje = ejeEntero(maximo);
    ejeY->setRange(0, eje.tope);
    ejeY->setTickCount(eje.marcas);
    ejeY->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(ejeY, Qt::AlignLeft);
    serie->attachAxis(ejeY);
}

} // namespace bolvera
