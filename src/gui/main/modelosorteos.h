#pragma once

#include "core/store/regsorteo.h"

#include <QAbstractTableModel>

#include <vector>

namespace bolvera {

// The draw list, newest first: texts are made only for the rows on screen.
class ModeloSorteos final : public QAbstractTableModel
{
public:
    explicit ModeloSorteos(QObject* padre = nullptr);

    // `sorteos` oldest first, as stored.
    void pon(std::vector<RegSorteo> sorteos);
    // Takes out the draw shown at `fila` (0 = newest).
    void quita(int fila);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

private:
    std::vector<RegSorteo> m_sorteos;
};

} // namespace bolvera
