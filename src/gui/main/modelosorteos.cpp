#include "gui/main/modelosorteos.h"

#include "gui/comun/contraste.h"

#include "core/store/listado.h"

#include <QColor>
#include <QFont>

namespace bolvera {

ModeloSorteos::ModeloSorteos(QObject* padre) : QAbstractTableModel(padre) {}

void ModeloSorteos::pon(std::vector<RegSorteo> sorteos)
{
    beginResetModel();
    m_sorteos = std::move(sorteos);
    endResetModel();
}

void ModeloSorteos::quita(int fila)
{
    if (fila < 0 || fila >= rowCount())
        return;
    beginRemoveRows({}, fila, fila);
    m_sorteos.erase(m_sorteos.end() - 1 - fila);
    endRemoveRows();
}

int ModeloSorteos::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(m_sorteos.size());
}

int ModeloSorteos::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : 3; }

QVariant ModeloSorteos::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= rowCount())
        return {};
    const RegSorteo& s = m_sorteos[m_sorteos.size() - 1 - static_cast<std::size_t>(indice.row())];
    const int columna = indice.column();
    switch (rol) {
    case Qt::DisplayRole:
        return columna == 0   ? listado::textoNumeros(s)
               : columna == 1 ? listado::textoEstrellas(s)
                              : listado::textoFecha(s);
    case Qt::ForegroundRole:
        return columna == 1 ? QVariant(contraste::tinta(QColor(0, 192, 0), QPalette::Base)) : QVariant();
    case Qt::FontRole: {
        if (columna == 2)
            return {};
        QFont negrita(QStringLiteral("Courier"), 10, QFont::Bold);
        negrita.setStyleHint(QFont::Monospace);
        return negrita;
    }
    default:
        return {};
    }
}

QVariant ModeloSorteos::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    static const QString cabeceras[] = {QStringLiteral("Números ganadores"),
                                        QStringLiteral("Estrellas"), QStringLiteral("Fecha")};
    if (orientacion == Qt::Horizontal && rol == Qt::DisplayRole && seccion >= 0 && seccion < 3)
        return cabeceras[seccion];
    return {};
}

} // namespace bolvera
