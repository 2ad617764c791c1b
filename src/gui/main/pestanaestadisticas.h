#pragma once

#include "core/store/listado.h"
#include "core/store/regsorteo.h"

#include <QList>
#include <QObject>

#include <vector>

class QChartView;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableView;
class QWidget;

namespace bolvera {

class Anfitrion;
class ModeloSorteos;
struct Estado;
struct Plataforma;

// The "Estadísticas" tab: the draw list, the frequency chart and the
// maintenance of the draw history.
class PestanaEstadisticas final : public QObject
{
public:
    PestanaEstadisticas(Estado& estado, Plataforma& plataforma, Anfitrion& anfitrion, QObject* padre);
    QWidget* pagina() const { return m_pagina; }

    // The draw list and the chart; false when the history was damaged (it is
    // then kept aside and emptied).
    bool listasorteos();
    void eligeGrafico(int indice);
    // The table the chart shows: 1 numbers 1–25, 2 numbers 26–50, 3 stars.
    int tablaMostrada() const { return m_tablaMostrada; }
    // Back to the numbers 1–25, as after a new peña.
    void alPrincipio();

    // The history's maintenance.
    void anadeTodos();          // import a numeros.dat
    void borraTodos();          // delete every draw, then offer the peña reset
    bool puedeBorrarTodo() const;   // "Borrar todos los sorteos" is enabled
    void pulsaSorteo(int fila); // delete one draw, once armed
    void importaCsv();              // merge the draws of a CSV file
    void exportaCsv();              // write the history as a CSV file
    void anadeSorteo();             // one draw typed by the user
    void recuentaPremios();         // every peña's counters again from its creation
    bool borradoarmado() const { return m_borradoarmado; }

private:
    QWidget* construye();
    void cambiaPagina(int valor);
    void muestraTabla(int tabla);
    // Merges draws into the history, says what happened and reloads.
    // `otrosDias`: draws on another day the user took.
    void fusionaSorteos(const std::vector<RegSorteo>& lote, const std::vector<int>& lineas, bool copia,
                        const std::vector<double>& otrosDias = {});
    // Whether the user takes draws held on another day than Tuesday or Friday.
    bool tomaOtrosDias(const std::vector<RegSorteo>& sorteos);

    Estado& m_estado;
    Plataforma& m_plataforma;
    Anfitrion& m_anfitrion;
    QWidget* m_pagina = nullptr;

    QTableView* m_lista = nullptr;
    ModeloSorteos* m_modelo = nullptr;
    QLabel* m_total = nullptr;       // "TOTAL: N sorteos."
    QLabel* m_huecos = nullptr;  // "Faltan N sorteos en el histórico"
    QChartView* m_grafico = nullptr; // frequency of numbers or stars
    QList<QRadioButton*> m_numerosOEstrellas;   // 0 "Números", 1 "Estrellas"
    QScrollBar* m_paginas = nullptr;
    QPushButton* m_borrarTodos = nullptr; // Borrar todos los sorteos
    QPushButton* m_anadirTodos = nullptr; // Añadir todos los sorteos

    listado::Resultado m_tablas;
    int m_tablaMostrada = 1;
    bool m_borradoarmado = false;
};

} // namespace bolvera
