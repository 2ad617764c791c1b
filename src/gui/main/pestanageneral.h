#pragma once

#include "core/checking/pasadas.h"

#include <QList>
#include <QObject>

#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableView;
class QTimer;
class QWidget;

namespace bolvera {

class Anfitrion;
class ModeloResultados;
struct Estado;
struct EstadoSorteos;
struct Plataforma;

// The "General" tab: the status block, and the results of the newest draws
// for the simple and the multiple peñas, their filters and the prize blink.
class PestanaGeneral final : public QObject
{
public:
    PestanaGeneral(Estado& estado, Plataforma& plataforma, Anfitrion& anfitrion, QObject* padre);
    QWidget* pagina() const { return m_pagina; }

    // The status block and what the history allows (`cargasorteos`).
    void muestraEstado(const EstadoSorteos& e);
    void muestraNumeroPenas(int penas);
    void alternaAviso(); // Timer2: the update-age warning blinks

    // Checks the n newest draws against every peña, simple then multiple,
    // fills both results lists and keeps the counters.
    // `contar` false: the rows alone, the counters being written already.
    void compsencillas(int n, bool contar = true);
    // As many draws as the scroll bar shows.
    void compruebaMostrados();
    // The newest draw again: at once, or by moving the scroll bar to 1 (true).
    bool recompruebaUltimo();
    // After an update added (and counted) `nuevos` draws: their rows, and the
    // scroll bar shows them, up to 8.
    void muestraNuevos(int nuevos);
    // The results list to show: 0 simple bets, 1 multiple bets.
    void muestraLista(int indice);
    void paraparpadeo();
    // The results menu items: a list, then "Ver sólo si hay premio" and
    // "Histórico" as given (unchanged when empty).
    void filtro(int lista, std::optional<bool> soloPremio, std::optional<bool> historico);
    // A new update starts: no button blinks.
    void olvidaParpadeo();

    const Parpadeo& parpadeo() const { return m_parpadeo; }
    int pasadas() const { return m_pasadas; }

private:
    QWidget* construye();
    void cambiaSorteos(int valor);
    void parpadea();
    void cambiaHistorico(bool historico);
    void cambiaSoloPremio(bool soloPremio);
    void pintaBoton(int indice, bool premio);

    Estado& m_estado;
    Plataforma& m_plataforma;
    Anfitrion& m_anfitrion;
    QWidget* m_pagina = nullptr;
    QTimer* m_temporizadorParpadeo = nullptr; // the view buttons blink after an update found a prize

    // The status block's values.
    QLabel* m_numeroPenas = nullptr;
    QLabel* m_ultimaActualizacion = nullptr;
    QLabel* m_proximoSorteo = nullptr;
    QLabel* m_avisoSorteos = nullptr; // blinks while a draw is missing
    QList<QPushButton*> m_botonesLista; // 0 simple, 1 multiple
    QScrollBar* m_barraSorteos = nullptr;
    QLineEdit* m_cuantosSorteos = nullptr;
    QCheckBox* m_historico = nullptr;
    QCheckBox* m_soloPremio = nullptr;
    QFrame* m_marco = nullptr;
    QTableView* m_listaSencillas = nullptr;
    QTableView* m_listaMultiples = nullptr;
    ModeloResultados* m_sencillas = nullptr;
    ModeloResultados* m_multiples = nullptr;

    Parpadeo m_parpadeo;
    OpcionesPasada m_filtros; // "Histórico" and "Ver sólo si hay premio", as the boxes show them
    int m_pasadas = 0; // checks run, for the tests of the filters
};

} // namespace bolvera
