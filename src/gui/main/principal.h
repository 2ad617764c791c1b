#pragma once

#include "gui/main/anfitrion.h"
#include "gui/main/controles.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"
#include "core/update/actualizacion.h"
#include "core/update/desenlace.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QTimer;

namespace bolvera {

struct Estado;
struct Plataforma;
class Descarga;
class Infor;
class PestanaEstadisticas;
class PestanaGeneral;
class PestanaPenas;
class PestanaSocios;
class PestanaSorteos;
class Secundarias;

// The main window: opens the data files, shows the status block and hosts
// every view in its four tabs.
class Principal final : public QMainWindow, private PantallaActualizacion, private Anfitrion
{
    Q_OBJECT

public:
    // Builds the window and runs the start-up.
    Principal(Estado& estado, Plataforma& plataforma, QWidget* padre = nullptr);

    // Recounts the draw file, refreshes the status block and the peña list.
    void cargasorteos() override;
    // Rechecks the newest draws and refills the draw list.
    void refresca() override;
    // Runs every time the window becomes the active window again; from an
    // activation event the welcome box is shown once the event is over.
    void alActivarse(bool avisoDiferido = false);

    // The status block and the results lists.
    PestanaGeneral& general() { return *m_general; }

    // The peña tab.
    PestanaPenas& gestor() { return *m_gestor; }
    PestanaSocios& pestanaSocios() { return *m_socios; }

    // The statistics tab, with the history's maintenance.
    PestanaEstadisticas& estadisticas() { return *m_estadisticas; }

    // The online update ("Bajar Sorteos nuevos").
    void bajaSorteos();
    // An update the scheduled command asked for while this window holds the
    // folder: it runs here (or the one running is joined), its messages go to
    // `listo` instead of boxes, and `listo` hears how it ended.
    void actualizaPorOrden(std::function<void(const Desenlace&)> listo);
    // "Actualizar automáticamente": the systemd timer on or off.
    void cambiaAutomatica(bool activa);

    // The "Sorteos" tab: the prize report of the working draw.
    PestanaSorteos& pestanaSorteos() { return *m_pestanaSorteos; }

    // The maker's news: fetched at start-up when due, shown on request.
    void noticias();
    void muestraInfor();
    void muestraFuentes();      // what each other source of results says

    // The count of draws the last update added, above the tabs ("2 sorteos");
    // empty once the lists have shown them.
    void ponNuevos(const QString& texto);

    const RegSorteo& sorteo() const { return m_sorteo; }
    int sorteosjugados() const { return m_sorteosjugados; }
    int focos() const { return m_focos; }

protected:
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void arranca();
    void construyeMenus();
    void conecta();
    void parpadeaAviso();
    void conectaActualizacion();
    void cambiaPestana(int nueva);
    void bajanoticias();

    // What the update shows.
    // The update's screen: the status line, the progress bar, the byte
    // count and the count of new draws above the tabs.
    void muestraEstado(const QString& texto) override;
    void muestraProgreso(int valor) override;
    void muestraBytes(const QString& texto) override;
    void muestraAnadidos(const QString& texto) override;
    void mensaje(Dialogos::Icono icono, const QString& titulo, const QString& texto) override;
    void avisoSorteos(const QString& texto) override;
    void muestraGeneral() override;
    bool pregunta(const QString& titulo, const QString& texto, const QString& siNo) override;
    void muestraNuevos(int nuevos) override;
    void refrescaTodo() override;
    void terminada(const FinActualizacion& fin) override;
    // At start-up: a draw went by unfetched and the automatic update is on,
    // but it did not run (no timer, or the machine was asleep).
    void actualizaSiToca();
    void recompruebaUltimo() override;
    void ponSorteo(const RegSorteo& sorteo) override { m_sorteo = sorteo; }
    bool hayNuevos() const override;
    void olvidaNuevos() override;
    bool anadiendo() const override;
    void descargaSecundarias();
    // The peña tab from the files as just read, and the count in the status block.
    void muestraPenas(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas) override;
    void creaPena() override;
    // Shows a secondary window, modeless, until the main window unloads it.
    void abreSecundaria(QWidget* ventana) override;
    void muestraAcercade();

    Estado& m_estado;
    Plataforma& m_plataforma;
    Controles m_c;
    Secundarias* m_secundarias = nullptr;
    QTimer* m_temporizadorActualizacion = nullptr;
    QTimer* m_temporizadorAviso = nullptr;
    QAction* m_accionFuentes = nullptr;    // off while a consultation runs
    QAction* m_accionAutomatica = nullptr; // ticked as the systemd timer is

    RegSorteo m_sorteo;
    int m_sorteosjugados = 0;
    int m_focos = 0;
    int m_premiosDanados = 0;
    bool m_hayNuevos = false; // the last update added draws the lists have not shown yet
    PestanaGeneral* m_general = nullptr;
    PestanaEstadisticas* m_estadisticas = nullptr;
    PestanaSorteos* m_pestanaSorteos = nullptr;
    PestanaPenas* m_gestor = nullptr;
    PestanaSocios* m_socios = nullptr;
    Actualizacion* m_actualizacion = nullptr;
    Desenlace m_desenlace; // of the update running, for whoever asked for it
    std::vector<std::function<void(const Desenlace&)>> m_esperan;
    QPointer<Infor> m_infor;
    QPointer<Descarga> m_descargaNoticias;
    int m_pestana = 0; // the tab shown before the last change
};

} // namespace bolvera
