#include "gui/main/piezas.h"

#include "gui/comun/nombra.h"
#include "gui/comun/twips.h"

#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>

namespace bolvera {

namespace piezas {

QLabel* etiqueta(const QString& nombre, const QString& texto, QWidget* padre)
{
    return nombra(new QLabel(texto, padre), nombre);
}

QFont letra(const QString& familia, int puntos, QFont::StyleHint pista, bool negrita)
{
    QFont f(familia, puntos, negrita ? QFont::Bold : QFont::Normal);
    f.setStyleHint(pista);
    return f;
}

QTableView* listaInforme(const QString& nombre, QAbstractItemModel* modelo,
                         const QList<int>& anchosTwips, const QFont& fuente)
{
    auto* vista = nombra(new QTableView, nombre);
    modelo->setParent(vista);
    vista->setModel(modelo);
    vista->setFont(fuente);
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->setSelectionMode(QAbstractItemView::SingleSelection);
    vista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista->setShowGrid(false);
    // Tab leaves the list; the arrows move inside it.
    vista->setTabKeyNavigation(false);
    vista->verticalHeader()->hide();
    vista->verticalHeader()->setDefaultSectionSize(QFontMetrics(fuente).height() + 4);
    for (int c = 0; c < anchosTwips.size(); ++c)
        vista->setColumnWidth(c, px(anchosTwips[c]));
    return vista;
}

QStandardItemModel* modeloCabeceras(const QStringList& cabeceras)
{
    auto* modelo = new QStandardItemModel(0, static_cast<int>(cabeceras.size()));
    modelo->setHorizontalHeaderLabels(cabeceras);
    return modelo;
}

QChartView* grafico(const QString& nombre)
{
    auto* vista = nombra(new QChartView(new QChart), nombre);
    vista->setRenderHint(QPainter::Antialiasing);
    vista->chart()->legend()->hide();
    return vista;
}

QPushButton* boton(const QString& nombre, const QString& texto)
{
    return nombra(new QPushButton(texto), nombre);
}

QTimer* temporizador(QObject* padre, const QString& nombre, int intervalo)
{
    auto* t = new QTimer(padre);
    t->setObjectName(nombre);
    t->setInterval(intervalo);
    return t;
}

} // namespace piezas

} // namespace bolvera
