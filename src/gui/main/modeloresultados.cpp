#include "gui/main/modeloresultados.h"

#include "core/checking/comprobacion.h"
#include "gui/comun/contraste.h"

#include <QColor>
#include <QFont>

namespace bolvera {

ModeloResultados::ModeloResultados(Lista lista, QStringList cabeceras, QObject* padre)
    : QAbstractTableModel(padre), m_lista(lista), m_cabeceras(std::move(cabeceras))
{
}

void ModeloResultados::pon(std::shared_ptr<const Instantanea> datos, FilasCompactas filas, int n,
                           const OpcionesPasada& opciones)
{
    beginResetModel();
    m_datos = std::move(datos);
    m_filas = std::move(filas);
    m_n = std::clamp(n, 0, static_cast<int>(m_datos->sorteos.size()));
    m_opciones = opciones;
    m_hechos = hechos();
    m_filasVistas = static_cast<int>(m_filas.size());
    endResetModel();
}

int ModeloResultados::hechos() const
{
    const int ultimo = static_cast<int>(m_datos->sorteos.size()) - 1;
    return m_filas.corte() ? ultimo - *m_filas.corte() : m_n;
}

bool ModeloResultados::canFetchMore(const QModelIndex& padre) const
{
    return !padre.isValid() && m_datos && m_hechos < m_n;
}

void ModeloResultados::fetchMore(const QModelIndex& padre)
{
    if (!canFetchMore(padre))
        return;
    // As many draws as make a piece, by the rows a draw has made so far.
    const std::size_t antes = m_filas.size();
    while (m_hechos < m_n && m_filas.size() < antes + trozo) {
        const double porSorteo = m_hechos > 0 ? static_cast<double>(m_filas.size()) / m_hechos : 1.0;
        const double faltan = static_cast<double>(antes + trozo - m_filas.size());
        const int cuantos = std::clamp(static_cast<int>(faltan / std::max(1.0, porSorteo)) + 1, 1, m_n - m_hechos);
        m_filas.limita(antes + trozo);
        filasDe(m_lista, *m_datos, m_hechos, cuantos, m_opciones, [&](const Bloque& b) { m_filas.anade(b); });
        const int ultimo = static_cast<int>(m_datos->sorteos.size()) - 1;
        m_hechos = m_filas.corte() ? ultimo - *m_filas.corte() : m_hechos + cuantos;
    }
    if (m_filas.size() == antes)
        return;
    beginInsertRows({}, m_filasVistas, static_cast<int>(m_filas.size()) - 1);
    m_filasVistas = static_cast<int>(m_filas.size());
    endInsertRows();
}

int ModeloResultados::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : m_filasVistas;
}

int ModeloResultados::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : columnas(m_lista);
}

QVariant ModeloResultados::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || !m_datos || indice.row() >= rowCount())
        return {};
    const Fila fila = m_filas[static_cast<std::size_t>(indice.row())];
    // A screen reader hears the whole row where the item column stands, and
    // the row's sentence as the description of each cell.
    if (rol == Qt::AccessibleDescriptionRole || (rol == Qt::AccessibleTextRole && indice.column() == 0))
        return frase(m_lista, fila, *m_datos);
    if (rol != Qt::DisplayRole && rol != Qt::ForegroundRole && rol != Qt::FontRole)
        return {};
    const Celda c = celda(m_lista, fila, indice.column(), *m_datos);
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
    // The base has put the cell's own colour, if any, in the Text role. On a
    // dark desktop it is lightened to read; a selected row keeps the colours
    // on a background of its own, pale or, on a dark desktop, dark.
    const bool seleccionada = opcion->state & QStyle::State_Selected;
    const bool oscuro = contraste::oscuro(opcion->palette.color(QPalette::Base));
    const QColor fondo = !seleccionada ? opcion->palette.color(QPalette::Base)
                         : oscuro      ? QColor(72, 62, 20)
                                       : QColor(255, 244, 196);
    opcion->palette.setColor(QPalette::Text, contraste::legible(opcion->palette.color(QPalette::Text), fondo));
    if (!seleccionada)
        return;
    opcion->palette.setColor(QPalette::Highlight, fondo);
    opcion->palette.setColor(QPalette::HighlightedText, opcion->palette.color(QPalette::Text));
}

} // namespace bolvera
