#pragma once

#include "core/store/premios.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"
#include "core/store/socios.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QWidget;

namespace bolvera {

class Anfitrion;
struct Estado;
struct Plataforma;

// The "Socios" tab: the people of one peña, their shares, what each paid,
// staked and won, their payments, and the summary to hand them.
class PestanaSocios final : public QObject
{
public:
    PestanaSocios(Estado& estado, Plataforma& plataforma, Anfitrion& anfitrion, QObject* padre);
    QWidget* pagina() const { return m_pagina; }

    void ponImportes(std::map<double, RegPremios> premios, std::int64_t precioApuesta);
    // The peñas and draws as just read; the peña shown stays when it is still there.
    void cargapenas(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas);
    // Shows peña number `r` (1-based), as the peña tab selected it.
    void eligePena(int r);

    void anadeSocio();
    void modificaSocio();
    void quitaSocio();
    void anotaPago();
    void resumen();
    // "Recuperar socios...": the members a deletion kept in socios.bak, into the peña shown.
    void recuperaSocios();
    void cambiaPrecio();

private:
    QWidget* construye();
    // Shows `dialogo` over the window; `alAceptar` runs when it is accepted.
    void abre(QDialog* dialogo, std::function<void()> alAceptar);
    // Reads socios.json again and refills the members, the accounts and the buttons.
    void muestra();
    void muestraPagos();
    // The selected member's row, or -1 (with a message when `avisa`).
    int socioElegido(bool avisa);
    int indiceDe(const QString& nombre) const;
    // Writes the peña's new members; false (after saying why) when it could not.
    bool guarda(std::vector<socios::Socio> lista);
    const RegPena* pena() const;
    // How socios.json knows the peña chosen; call only with one chosen.
    socios::Clave clave() const;

    Estado& m_estado;
    Plataforma& m_plataforma;
    Anfitrion& m_anfitrion;
    QWidget* m_pagina = nullptr;

    QComboBox* m_elegirPena = nullptr;
    QLineEdit* m_precio = nullptr;
    QTableView* m_listaSocios = nullptr;
    QStandardItemModel* m_modelo = nullptr;
    QTableView* m_listaPagos = nullptr;
    QStandardItemModel* m_pagos = nullptr;
    QLabel* m_cuentas = nullptr;
    QPushButton* m_anadir = nullptr;
    QPushButton* m_modificar = nullptr;
    QPushButton* m_quitar = nullptr;
    QPushButton* m_pagar = nullptr;
    QPushButton* m_hacerResumen = nullptr;
    QPushButton* m_recuperar = nullptr;

    std::vector<RegSorteo> m_sorteos;
    std::vector<RegPena> m_penas;
    std::vector<socios::Grupo> m_grupos;
    std::vector<socios::Socio> m_socios; // the shown peña's
    bool m_danado = false;               // socios.json could not be read: nothing is written over it
    std::map<double, RegPremios> m_premios;
    std::int64_t m_precioApuesta = 0;
};

} // namespace bolvera
