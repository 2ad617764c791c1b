#pragma once

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
    QTabWidget* pestanas = nullptr;

    // Outside the tabs: the update, its status, the news and the icon row.
    BotonActualizar* bajar = nullptr;
    QLabel* estado = nullptr;
    QProgressBar* progreso = nullptr;
    QLabel* bytes = nullptr;
    QLabel* nuevos = nullptr;
    QPushButton* verMensaje = nullptr;
    // The icon row.
    QToolButton* eliminarPena = nullptr;
    QToolButton* crearPena = nullptr;
    QToolButton* borrarSorteos = nullptr;
    QToolButton* imprimir = nullptr;
    QToolButton* anadirSorteos = nullptr;
};

// Builds the main window's body (transfer area, icon row and the empty tab
// control) into `cuerpo` and returns its controls.
Controles construyeControles(QWidget* cuerpo);

} // namespace bolvera
