#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QChartView;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QObject;
class QTimer;
class QWidget;

namespace bolvera {

// The controls the main window's tabs are built from, named as the window's
// routines find them.
namespace piezas {

QLabel* etiqueta(const QString& nombre, const QString& texto, QWidget* padre = nullptr);
QFont letra(const QString& familia, int puntos, QFont::StyleHint pista, bool negrita = false);
// A report-style list over `modelo`, with its column widths.
QTableView* listaInforme(const QString& nombre, QAbstractItemModel* modelo, const QList<int>& anchosTwips,
                         const QFont& fuente);
QStandardItemModel* modeloCabeceras(const QStringList& cabeceras);
QChartView* grafico(const QString& nombre);
QPushButton* boton(const QString& nombre, const QString& texto);
// An interval timer with its classic name ("Timer1"), not started.
QTimer* temporizador(QObject* padre, const QString& nombre, int intervalo);

} // namespace piezas

} // namespace bolvera
