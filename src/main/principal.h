#pragma once

#include "main/controles.h"
#include "store/regsorteo.h"

#include <QMainWindow>

struct Estado;
struct Plataforma;
class QTimer;

// The main window: opens the data files, shows the status block and hosts
// every view in its four tabs.
class Principal final : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window and runs the start-up (`Form_Load`).
    Principal(Estado& estado, Plataforma& plataforma, QWidget* padre = nullptr);

    // Recounts the draw file, refreshes the status block and the peña count.
    void cargasorteos();
    // Rechecks the newest draws and refills the draw list.
    void refresca();
    // Runs every time the window becomes the active window again.
    void Form_Activate();

    const RegSorteo& sorteo() const { return m_sorteo; }
    int sorteosjugados() const { return m_sorteosjugados; }
    int focos() const { return m_focos; }
    const Controles& controles() const { return m_c; }

protected:
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load();
    void construyeMenus();
    void conecta();
    void HScroll1_Change(int valor);
    void Timer2_Timer();
    void descargaSecundarias();
    void muestraAcercade();

    Estado& m_estado;
    Plataforma& m_plataforma;
    Controles m_c;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    QTimer* m_timer3 = nullptr;

    RegSorteo m_sorteo;
    int m_sorteosjugados = 0;
    int m_penasel = 0;
    int m_focos = 0;
    bool m_activacionPendiente = false;
};
