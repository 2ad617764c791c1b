#pragma once

#include "checking/celdas.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>
#include <vector>

// A results list (simple or multiple bets): compact rows from a checking
// pass; texts and colours are made only for the cells on screen.
class ModeloResultados final : public QAbstractTableModel
{
public:
    ModeloResultados(Lista lista, QStringList cabeceras, QObject* padre = nullptr);

    void pon(std::shared_ptr<const Instantanea> datos, std::vector<Fila> filas);
    const std::vector<Fila>& filas() const { return m_filas; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

private:
    Lista m_lista;
    QStringList m_cabeceras;
    std::shared_ptr<const Instantanea> m_datos;
    std::vector<Fila> m_filas;
};
