#pragma once

#include "core/store/premios.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <QList>
#include <QObject>

#include <cstdint>
#include <map>
#include <vector>

class QChartView;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QWidget;

namespace bolvera {

class Anfitrion;
struct Estado;
struct Plataforma;

// The "Gestor de peñas" tab: every peña with the totals, one peña's bets,
// counters and money, deleting, printing and creating.
class PestanaPenas final : public QObject
{
public:
    PestanaPenas(Estado& estado, Plataforma& plataforma, Anfitrion& anfitrion, QObject* padre);
    QWidget* pagina() const { return m_pagina; }

    // The amounts and the price the money line uses, as of the last reload.
    void ponImportes(std::map<double, RegPremios> premios, std::int64_t precioApuesta);
    // Every peña and the totals, then the first peña; the files as just read,
    // so that a reload reads each file once. Returns how many peñas there are.
    int cargapenas(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas, int sorteosjugados);
    void verpena(int r, const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas);
    void verpena(int r);
    void eligePena(int fila);
    void eliminaPena(); // "Eliminar peña"
    void imprimePena(); // "Imprimir"
    void pideNuevaPena(); // "Crear peña nueva"
    int penasel() const { return m_penasel; }

private:
    QWidget* construye();
    // `pena` = the record `penasel` names; false (and the box) when none.
    bool cargaSeleccionada();

    Estado& m_estado;
    Plataforma& m_plataforma;
    Anfitrion& m_anfitrion;
    QWidget* m_pagina = nullptr;

    QTableView* m_listaPenas = nullptr;
    QStandardItemModel* m_modelo = nullptr;
    QListWidget* m_numeros = nullptr;  // the bets' numbers
    QListWidget* m_estrellas = nullptr;  // the bets' stars
    QList<QLabel*> m_contadores;         // 0–12, the selected peña's counters, 2+0 first
    QLabel* m_efectividad = nullptr;     // its effectiveness
    QLabel* m_euros = nullptr;  // won, played and the balance, in euros
    QLabel* m_jugados = nullptr;     // the draws it played
    QChartView* m_graficoPena = nullptr;
    QLabel* m_premiosTotales = nullptr;     // prizes of all peñas
    QLineEdit* m_efectividadTotal = nullptr;    // effectiveness of all peñas
    QLineEdit* m_sorteosTotales = nullptr;    // draws played
    QChartView* m_graficoTotal = nullptr;
    QPushButton* m_imprimir = nullptr; // Imprimir
    QPushButton* m_eliminar = nullptr; // Eliminar peña
    QPushButton* m_crear = nullptr; // Crear peña nueva

    bool m_resaltando = false; // the first row is being highlighted by a reload, not chosen
    int m_penasel = 0;
    std::map<double, RegPremios> m_premios;
    std::int64_t m_precioApuesta = 0;
};

} // namespace bolvera
