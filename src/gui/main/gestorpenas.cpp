// The main window's peña tab: the list and totals, one peña's view, deleting
// and the print button's check.
#include "checking/euros.h"
#include "checking/totales.h"
#include "checking/vistapena.h"
#include "comun/errorpermiso.h"
#include "main/graficos.h"
#include "main/principal.h"
#include "comun/twips.h"
#include "platform/dialogos.h"
#include "platform/plataforma.h"
#include "print/imprimir.h"
#include "store/errores.h"
#include "store/estado.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"
#include "store/penas.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {

const QString nooo = QStringLiteral("¡Nooooo!");
const QString seleccione = QStringLiteral("Seleccione una peña primero...");

void ponFuente(QListWidget* lista, bool multiple)
{
    QFont f(multiple ? QStringLiteral("Courier New") : QStringLiteral("Courier"), multiple ? 9 : 10,
            multiple ? QFont::Normal : QFont::Bold);
    f.setStyleHint(QFont::Monospace);
    lista->setFont(f);
}

} // namespace

void Principal::cargapenas(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas)
{
    const Totales t = totalesPenas(penas, m_sorteosjugados);
    m_estado.proxpena = t.proxpena;

    m_c.modeloPenas->removeRows(0, m_c.modeloPenas->rowCount());
    for (const QStringList& fila : t.filas) {
        QList<QStandardItem*> celdas;
        for (qsizetype c = 0; c < fila.size(); ++c) {
            auto* item = new QStandardItem(fila[c]);
            if (c == 1 || c == 2)
                item->setTextAlignment(Qt::AlignCenter);
            celdas.append(item);
        }
        m_c.modeloPenas->appendRow(celdas);
    }
    // The list is new: no peña has been clicked in it yet, as at start-up.
    m_penasel = 0;
    m_c.Command2->setEnabled(!t.vacio);
    m_c.Command3->setEnabled(!t.vacio);
    m_c.Label9[2]->setText(QString::number(t.penas));
    if (t.vacio) {
        m_c.List1->clear();
        m_c.List2->clear();
        for (QLabel* contador : m_c.Label3)
            contador->setText(QStringLiteral("0"));
    } else {
        m_c.ListView1->selectRow(0);
    }
    m_c.Label13->setText(QString::number(t.premios));
    m_c.Text4->setText(t.efectividad);
    m_c.Text5->setText(t.sorteos);
    muestraTarta(m_c.MSChart2, t.sinPremio, t.conPremio, QStringLiteral("Sin premio"),
                 QStringLiteral("Premios"));
    verpena(1, sorteos, penas);
}

void Principal::verpena(int r)
{
    verpena(r, ficheroregistros::leeTodos<RegSorteo>(m_estado.fichero(ficheros::numeros)),
            ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas)));
}

void Principal::verpena(int r, const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas)
{
    if (r >= 1 && r <= static_cast<int>(penas.size()))
        m_estado.pena = penas[static_cast<std::size_t>(r - 1)];

    const auto v = vistaPena(penas, sorteos, r);
    if (!v) {
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("¡Vaya hombre!"),
                                      QStringLiteral("Error crítico: fichero apuestas.dat corrupto."));
        return;
    }
    if (v->hayPena) {
        for (QListWidget* lista : {m_c.List1, m_c.List2}) {
            ponFuente(lista, v->multiple);
            lista->clear();
            lista->setFixedHeight(px(v->altoListasTwips) + 2 * lista->frameWidth());
        }
        m_c.List1->addItems(v->numeros);
        m_c.List2->addItems(v->estrellas);
        // Every bet shows: the lines share the list's height evenly, and the
        // font never grows past a line.
        const int linea = std::max(1, px(v->altoListasTwips) / std::max<int>(1, static_cast<int>(v->numeros.size())));
        for (QListWidget* lista : {m_c.List1, m_c.List2}) {
            QFont f = lista->font();
            if (QFontMetrics(f).height() > linea) {
                f.setPixelSize(std::max(6, linea - 2));
                lista->setFont(f);
            }
            for (int i = 0; i < lista->count(); ++i)
                lista->item(i)->setSizeHint(QSize(0, linea));
        }
        for (int k = 0; k < 13; ++k)
            m_c.Label3[k]->setText(v->aciertos[static_cast<std::size_t>(k)]);
        const euros::Balance b =
            euros::balance(penas[static_cast<std::size_t>(r - 1)], sorteos, m_premios, m_precioApuesta);
        // Each phrase stays whole when the line wraps: no-break spaces inside.
        const auto entero = [](QString frase) { return frase.replace(u' ', QChar(0xA0)); };
        QString dinero = QStringList{entero(QStringLiteral("Ganado: ") + euros::texto(b.ganado)),
                                     entero(QStringLiteral("Jugado: ") + euros::texto(b.jugado)),
                                     entero(QStringLiteral("Balance: ") + euros::texto(b.balance()))}
                             .join(QStringLiteral(" · "));
        if (b.sinImporte > 0)
            dinero += u'\n' + entero(euros::sinImporte(b.sinImporte));
        m_c.LabelEuros->setText(dinero);
    } else {
        m_c.LabelEuros->clear();
    }
    m_c.Label17->setText(v->jugados);
    m_c.Label16->setText(v->efectividad);
    muestraTarta(m_c.MSChart3, v->sinPremio, v->conPremio, QStringLiteral("Sorteos"),
                 QStringLiteral("Aciertos"));
}

void Principal::ListView1_Click(int fila)
{
    verpena(fila + 1);
    m_penasel = fila + 1;
}

bool Principal::cargaSeleccionada()
{
    const auto penas = ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas));
    if (m_penasel < 1 || m_penasel > static_cast<int>(penas.size())) {
        m_penasel = 0;
        m_plataforma.dialogos.mensaje(Dialogos::Icono::Informacion, nooo, seleccione);
        return false;
    }
    m_estado.pena = penas[static_cast<std::size_t>(m_penasel - 1)];
    return true;
}

void Principal::Command3_Click()
{
    // The question names the very record the deletion removes.
    if (!cargaSeleccionada())
        return;
    if (!m_plataforma.dialogos.pregunta(
            QStringLiteral("Borrar..."),
            QStringLiteral("¿Seguro que quieres eliminar la Peña ") +
                m_estado.pena.nombreRecortado() + u'?',
            Dialogos::PorDefecto::No))
        return;
    const int error = borraPena(m_estado.fichero(ficheros::apuestas), m_penasel);
    if (errorEscritura(m_plataforma.dialogos, error, m_estado.fichero(ficheros::apuestas),
                       QStringLiteral("No se pudo borrar la peña.")))
        return;
    cargasorteos();
    recompruebaUltimo();
}

void Principal::Command2_Click()
{
    // The print window works on `pena`: the peña selected, never another.
    if (!cargaSeleccionada())
        return;
    abreSecundaria(new Imprimir(m_estado, m_plataforma));
}
