#pragma once

#include "checking/celdas.h"
#include "checking/filascompactas.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QStringList>

#include <memory>
#include <vector>

namespace bolvera {

// A results list (simple or multiple bets): the rows of a checking pass,
// kept compact; texts and colours are made only for the cells on screen.
class ModeloResultados final : public QAbstractTableModel
{
public:
    ModeloResultados(Lista lista, QStringList cabeceras, QObject* padre = nullptr);

    void pon(std::shared_ptr<const Instantanea> datos, FilasCompactas filas);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

private:
    Lista m_lista;
    QStringList m_cabeceras;
    std::shared_ptr<const Instantanea> m_datos;
    FilasCompactas m_filas;
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
