#pragma once

#include <QList>
#include <QString>

class BotonActualizar;
class ModeloResultados;
class ModeloSorteos;
class QRadioButton;
class QChartView;
class QCheckBox;
class QFrame;
class QListWidget;
class QStandardItemModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTableView;
class QTextEdit;
class QPdfView;
class QToolButton;
class QWidget;

// The main window's controls that its routines read and set, by their names.
struct Controles
{
    QTabWidget* SSTab1 = nullptr;

    // Outside the tabs: the update, its status, the news and the icon row.
    BotonActualizar* Picture2 = nullptr;
    QLabel* Label6 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label58 = nullptr;
    QLabel* Label19 = nullptr;
    QPushButton* Command6 = nullptr;
    QList<QToolButton*> Image1; // 0–4

    // "General"
    QList<QLabel*> Label9; // 0–6, the status block
    QList<QPushButton*> Command1; // 0 simple, 1 multiple
    QScrollBar* HScroll1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QFrame* Shape2 = nullptr;
    QTableView* ListView2 = nullptr;
    QTableView* Listview4 = nullptr;
    ModeloResultados* modeloSencillas = nullptr;
    ModeloResultados* modeloMultiples = nullptr;
};

// Builds the main window's body (transfer area, icon row and the "General"
// tab) into `cuerpo` and returns its controls.
Controles construyeControles(QWidget* cuerpo);
