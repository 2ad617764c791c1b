#pragma once

#include <QList>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

namespace bolvera {

class BotonActualizar;

// The main window's own controls, by their names: the tab control and the
// update's bar above it. Each tab owns its controls.
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
};

// Builds the main window's body (transfer area, icon row and the empty tab
// control) into `cuerpo` and returns its controls.
Controles construyeControles(QWidget* cuerpo);

} // namespace bolvera
