#pragma once

#include "core/checking/celdas.h"
#include "core/checking/filascompactas.h"
#include "core/checking/pasadas.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QStringList>

#include <memory>
#include <vector>

namespace bolvera {

// A results list (simple or multiple bets): the rows of a checking pass,
// kept compact; texts and colours are made only for the cells on screen.
// A long check shows its newest rows first and makes the rest in pieces as
// the view scrolls down to them (Qt's fetchMore): a list of tens of
// millions of rows is never held whole, by us or by the view.
class ModeloResultados final : public QAbstractTableModel
{
public:
    // The rows a piece adds, about.
    static constexpr std::size_t trozo = 20000;

    ModeloResultados(Lista lista, QStringList cabeceras, QObject* padre = nullptr);

    // The rows a check of the n newest draws kept (cut after about `trozo`).
    void pon(std::shared_ptr<const Instantanea> datos, FilasCompactas filas, int n, const OpcionesPasada& opciones);

    bool canFetchMore(const QModelIndex& padre) const override;
    void fetchMore(const QModelIndex& padre) override;
    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

private:
    Lista m_lista;
    QStringList m_cabeceras;
    // The draws whose rows are made: the `m_hechos` newest of the n of the check.
    int hechos() const;

    std::shared_ptr<const Instantanea> m_datos;
    FilasCompactas m_filas;
    int m_filasVistas = 0; // rows the view has been told of
    int m_n = 0;
    int m_hechos = 0;
    OpcionesPasada m_opciones;
};

// Paints a selected row on a pale background in the cells' own colours, so
// that the hits stay readable while the row is selected.
class DelegadoResultados final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void initStyleOption(QStyleOptionViewItem* opcion, const QModelIndex& indice) const override;
};

} // namespace bolvera
