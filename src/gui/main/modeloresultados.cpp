#include "main/modeloresultados.h"

#include <QColor>
#include <QFont>

namespace bolvera {

ModeloResultados::ModeloResultados(Lista lista, QStringList cabeceras, QObject* padre)
    : QAbstractTableModel(padre), m_lista(lista), m_cabeceras(std::move(cabeceras))
{
}

void ModeloResultados::pon(std::shared_ptr<const Instantanea> datos, FilasCompactas filas)
{
    beginResetModel();
    m_datos = std::move(datos);
    m_filas = std::move(filas);
    endResetModel();
}

int ModeloResultados::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(m_filas.size());
}

int ModeloResultados::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : columnas(m_lista);
}

QVariant ModeloResultados::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || !m_datos || indice.row() >= rowCount())
        return {};
    if (rol != Qt::DisplayRole && rol != Qt::ForegroundRole && rol != Qt::FontRole)
        return {};
    const Celda c = celda(m_lista, m_filas[static_cast<std::size_t>(indice.row())], indice.column(), *m_datos);
    switch (rol) {
    case Qt::DisplayRole:
        return c.texto;
    case Qt::ForegroundRole:
        return c.conColor ? QVariant(QColor(QRgb(c.color))) : QVariant();
    default:
        if (!c.negrita)
            return {};
        QFont negrita;
        negrita.setBold(true);
        return negrita;
    }
}

QVariant ModeloResultados::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion == Qt::Horizontal && rol == Qt::DisplayRole && seccion < m_cabeceras.size())
        return m_cabeceras[seccion];
    return {};
}

void DelegadoResultados::initStyleOption(QStyleOptionViewItem* opcion, const QModelIndex& indice) const
{
    QStyledItemDelegate::initStyleOption(opcion, indice);
    if (!(opcion->state & QStyle::State_Selected))
        return;
    // The base has put the cell's own colour, if any, in the Text role.
    opcion->palette.setColor(QPalette::Highlight, QColor(255, 244, 196));
    opcion->palette.setColor(QPalette::HighlightedText, opcion->palette.color(QPalette::Text));
}

} // namespace bolvera
