// The main window's peña tab: the list and totals, one peña's view, deleting
// and the print button's check.
#include "gui/main/pestanapenas.h"

#include "core/checking/euros.h"
#include "core/checking/totales.h"
#include "core/checking/vistapena.h"
#include "gui/comun/errorpermiso.h"
#include "gui/comun/nombra.h"
#include "gui/comun/twips.h"
#include "gui/main/anfitrion.h"
#include "gui/main/graficos.h"
#include "gui/main/piezas.h"
#include "core/platform/dialogos.h"
#include "core/platform/plataforma.h"
#include "gui/print/imprimir.h"
#include "core/store/errores.h"
#include "core/store/estado.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/penas.h"
#include "core/store/socios.h"

#include <QBoxLayout>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace bolvera {

using namespace piezas;

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

PestanaPenas::PestanaPenas(Estado& estado, Plataforma& plataforma, Anfitrion& anfitrion, QObject* padre)
    : QObject(padre), m_estado(estado), m_plataforma(plataforma), m_anfitrion(anfitrion)
{
    m_pagina = construye();
    // The peña shown follows the selected row, chosen by mouse or by the
    // arrows; the focus alone (which makes a row current) chooses none.
    connect(m_listaPenas->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& elegidas) {
                if (!m_resaltando && !elegidas.indexes().isEmpty())
                    eligePena(elegidas.indexes().front().row());
            });
    // Enter chooses the highlighted row too, the first one included.
    connect(m_listaPenas, &QAbstractItemView::activated, this, [this](const QModelIndex& i) { eligePena(i.row()); });
    // A click on the row already current (after a reload) shows it too.
    connect(m_listaPenas, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
        if (i.row() + 1 != m_penasel)
            eligePena(i.row());
    });
    connect(m_eliminar, &QPushButton::clicked, this, &PestanaPenas::eliminaPena);
    connect(m_imprimir, &QPushButton::clicked, this, &PestanaPenas::imprimePena);
    connect(m_crear, &QPushButton::clicked, this, &PestanaPenas::pideNuevaPena);
}

QWidget* PestanaPenas::construye()
{
    auto* pestana = new QWidget;
    auto* col = new QVBoxLayout(pestana);

    const QFont sans = letra(QStringLiteral("MS Sans Serif"), 9, QFont::SansSerif);
    m_modelo = modeloCabeceras({QStringLiteral("Nombre"), QStringLiteral("Apuestas"),
                                     QStringLiteral("Fecha creación"), QStringLiteral("Días a jugar")});
    m_listaPenas = listaInforme(QStringLiteral("ListView1"), m_modelo, {5998, 1764, 2823, 2999}, sans);
    dice(m_listaPenas, QStringLiteral("Peñas"), QStringLiteral("Elija una peña para ver sus apuestas y sus premios."));
    m_listaPenas->setMinimumHeight(90); // three rows: the lower half must fit a laptop too
    col->addWidget(m_listaPenas, 2);

    auto* abajo = new QHBoxLayout;
    const QFont courier = letra(QStringLiteral("Courier"), 10, QFont::Monospace, true);
    m_numeros = nombra(new QListWidget, QStringLiteral("List1"));
    m_numeros->setFont(courier);
    m_numeros->setFixedWidth(260);
    m_estrellas = nombra(new QListWidget, QStringLiteral("List2"));
    m_estrellas->setFont(courier);
    m_estrellas->setFixedWidth(110);
    dice(m_numeros, QStringLiteral("Números de las apuestas de la peña"));
    dice(m_estrellas, QStringLiteral("Estrellas de las apuestas de la peña"));
    for (QListWidget* lista : {m_numeros, m_estrellas}) {
        lista->setSelectionMode(QAbstractItemView::NoSelection);
        lista->setUniformItemSizes(true);
        lista->setFocusPolicy(Qt::NoFocus);
    }
    abajo->addWidget(m_numeros, 0, Qt::AlignTop);
    abajo->addWidget(m_estrellas, 0, Qt::AlignTop);

    auto* centro = new QVBoxLayout;
    auto* participacion = nombra(new QGroupBox, QStringLiteral("Frame4"));
    auto* rp = new QGridLayout(participacion);
    m_graficoPena = grafico(QStringLiteral("MSChart3"));
    m_graficoPena->setMinimumSize(150, 78);
    // A small chart: the pie takes the whole of it.
    m_graficoPena->chart()->setMargins({});
    m_graficoPena->chart()->layout()->setContentsMargins(0, 0, 0, 0);
    dice(m_graficoPena, QStringLiteral("Gráfico de sorteos participados y con premio"));
    rp->addWidget(m_graficoPena, 0, 0, 3, 1);
    auto* muestraAciertos = new QLabel;
    muestraAciertos->setFixedSize(14, 14);
    muestraAciertos->setStyleSheet(QStringLiteral("background-color: rgb(255, 0, 0);"));
    auto* muestraSorteos = new QLabel;
    muestraSorteos->setFixedSize(14, 14);
    muestraSorteos->setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 255);"));
    rp->addWidget(muestraAciertos, 0, 1);
    rp->addWidget(new QLabel(QStringLiteral("Aciertos")), 0, 2);
    rp->addWidget(muestraSorteos, 1, 1);
    rp->addWidget(new QLabel(QStringLiteral("Sorteos")), 1, 2);
    rp->addWidget(new QLabel(QStringLiteral("participados:")), 2, 1, 1, 2);
    m_jugados = etiqueta(QStringLiteral("Label17"), QStringLiteral("-"));
    m_efectividad = etiqueta(QStringLiteral("Label16"), QStringLiteral("-"));
    m_efectividad->setFont(letra(QStringLiteral("Arial"), 12, QFont::SansSerif, true));
    rp->addWidget(m_jugados, 2, 3);
    // Three rows: the panel keeps its height on a laptop and grows with the font.
    rp->addWidget(m_efectividad, 2, 4);
    rp->setColumnStretch(4, 1);
    centro->addWidget(participacion);

    auto* contadores = nombra(new QGroupBox(QStringLiteral("Desde la creación de la peña ")),
                              QStringLiteral("Frame1"));
    auto* rc = new QGridLayout(contadores);
    const QStringList categorias = {"2+0", "2+1", "1+2", "3+0", "3+1", "2+2", "3+2",
                                    "4+0", "4+1", "4+2", "5+0", "5+1", "5+2"};
    for (int k = 0; k < 13; ++k) {
        const int f = k % 7;
        const int col0 = (k / 7) * 2;
        rc->addWidget(etiqueta(QStringLiteral("Label1_%1").arg(k),
                               QStringLiteral("-Aciertos de %1: ").arg(categorias[k])),
                      f, col0);
        m_contadores.append(etiqueta(QStringLiteral("Label3_%1").arg(k), QStringLiteral("0")));
        rc->addWidget(m_contadores.back(), f, col0 + 1);
    }
    m_euros = etiqueta(QStringLiteral("LabelEuros"), QString());
    m_euros->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_euros->setWordWrap(true);
    rc->addWidget(m_euros, 7, 0, 1, 4);
    centro->addWidget(contadores);
    abajo->addLayout(centro, 1);

    auto* totales = new QVBoxLayout;
    auto* premios = new QHBoxLayout;
    premios->addWidget(new QLabel(QStringLiteral("Premios totales:")));
    m_premiosTotales = etiqueta(QStringLiteral("Label13"), QStringLiteral("0"));
    m_premiosTotales->setFont(letra(QStringLiteral("Arial"), 12, QFont::SansSerif, true));
    premios->addWidget(m_premiosTotales);
    premios->addStretch(1);
    totales->addLayout(premios);
    m_efectividadTotal = dice(nombra(new QLineEdit, QStringLiteral("Text4")), QStringLiteral("Efectividad de la peña"));
    m_sorteosTotales = dice(nombra(new QLineEdit, QStringLiteral("Text5")), QStringLiteral("Sorteos jugados por la peña"));
    for (QLineEdit* caja : {m_efectividadTotal, m_sorteosTotales}) {
        caja->setReadOnly(true);
        caja->setFrame(false);
        caja->setFont(letra(QStringLiteral("Arial"), 10, QFont::SansSerif, true));
    }
    totales->addWidget(m_efectividadTotal);
    totales->addWidget(m_sorteosTotales);
    m_graficoTotal = dice(grafico(QStringLiteral("MSChart2")), QStringLiteral("Gráfico de la efectividad de la peña"));
    totales->addWidget(m_graficoTotal, 1);

    m_eliminar = boton(QStringLiteral("Command3"), QStringLiteral("&Eliminar peña"));
    m_crear = boton(QStringLiteral("Command4"), QStringLiteral("Crear peña nueva"));
    m_imprimir = boton(QStringLiteral("Command2"), QStringLiteral("&Imprimir"));
    totales->addWidget(m_crear);
    totales->addWidget(m_eliminar);
    totales->addWidget(m_imprimir);
    abajo->addLayout(totales, 1);
    col->addLayout(abajo, 3);
    return pestana;
}

void PestanaPenas::ponImportes(std::map<double, RegPremios> premios, std::int64_t precioApuesta)
{
    m_premios = std::move(premios);
    m_precioApuesta = precioApuesta;
}

void PestanaPenas::pideNuevaPena() { m_anfitrion.creaPena(); }

int PestanaPenas::cargapenas(const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas,
                             int sorteosjugados)
{
    const Totales t = totalesPenas(penas, sorteosjugados);
    m_estado.proxpena = t.proxpena;

    m_modelo->removeRows(0, m_modelo->rowCount());
    for (const QStringList& fila : t.filas) {
        QList<QStandardItem*> celdas;
        for (qsizetype c = 0; c < fila.size(); ++c) {
            auto* item = new QStandardItem(fila[c]);
            if (c == 1 || c == 2)
                item->setTextAlignment(Qt::AlignCenter);
            celdas.append(item);
        }
        m_modelo->appendRow(celdas);
    }
    // The list is new: no peña has been clicked in it yet, as at start-up.
    m_penasel = 0;
    m_imprimir->setEnabled(!t.vacio);
    m_eliminar->setEnabled(!t.vacio);
    if (t.vacio) {
        m_numeros->clear();
        m_estrellas->clear();
        for (QLabel* contador : m_contadores)
            contador->setText(QStringLiteral("0"));
    } else {
        // Highlighted as it is shown, not chosen: the user has not picked it.
        m_resaltando = true;
        m_listaPenas->selectRow(0);
        m_resaltando = false;
    }
    m_premiosTotales->setText(QString::number(t.premios));
    m_efectividadTotal->setText(t.efectividad);
    m_sorteosTotales->setText(t.sorteos);
    muestraTarta(m_graficoTotal, t.sinPremio, t.conPremio, QStringLiteral("Sin premio"),
                 QStringLiteral("Premios"));
    verpena(1, sorteos, penas);
    return t.penas;
}

void PestanaPenas::verpena(int r)
{
    verpena(r, ficheroregistros::leeTodos<RegSorteo>(m_estado.fichero(ficheros::numeros)),
            ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas)));
}

void PestanaPenas::verpena(int r, const std::vector<RegSorteo>& sorteos, const std::vector<RegPena>& penas)
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
        for (QListWidget* lista : {m_numeros, m_estrellas}) {
            ponFuente(lista, v->multiple);
            lista->clear();
            lista->setFixedHeight(px(v->altoListasTwips) + 2 * lista->frameWidth());
        }
        m_numeros->addItems(v->numeros);
        m_estrellas->addItems(v->estrellas);
        // Every bet shows: the lines share the list's height evenly, and the
        // font never grows past a line.
        const int linea = std::max(1, px(v->altoListasTwips) / std::max<int>(1, static_cast<int>(v->numeros.size())));
        for (QListWidget* lista : {m_numeros, m_estrellas}) {
            QFont f = lista->font();
            if (QFontMetrics(f).height() > linea) {
                f.setPixelSize(std::max(6, linea - 2));
                lista->setFont(f);
            }
            for (int i = 0; i < lista->count(); ++i)
                lista->item(i)->setSizeHint(QSize(0, linea));
        }
        for (int k = 0; k < 13; ++k)
            m_contadores[k]->setText(v->aciertos[static_cast<std::size_t>(k)]);
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
        m_euros->setText(dinero);
    } else {
        m_euros->clear();
    }
    m_jugados->setText(v->jugados);
    m_efectividad->setText(v->efectividad);
    muestraTarta(m_graficoPena, v->sinPremio, v->conPremio, QStringLiteral("Sorteos"),
                 QStringLiteral("Aciertos"));
}

void PestanaPenas::eligePena(int fila)
{
    verpena(fila + 1);
    m_penasel = fila + 1;
}

bool PestanaPenas::cargaSeleccionada()
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

void PestanaPenas::eliminaPena()
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
    // Its members go with it, or into socios.bak: the user says which first.
    const auto todas = ficheroregistros::leeTodos<RegPena>(m_estado.fichero(ficheros::apuestas));
    const auto borrada = static_cast<std::size_t>(m_penasel - 1);
    const auto miembros = borrada < todas.size() ? socios::de(socios::lee(m_estado.ruta).grupos, socios::claveDe(todas, borrada))
                                                 : std::vector<socios::Socio>{};
    const bool quitarSocios =
        !miembros.empty() &&
        m_plataforma.dialogos.pregunta(
            QStringLiteral("Borrar..."),
            (miembros.size() == 1 ? QStringLiteral("La peña tiene un socio. ¿Borrarlo también? Si responde No, se "
                                                   "guarda en socios.bak y puede traerlo a otra peña con «Recuperar "
                                                   "socios...» en la pestaña Socios.")
                                  : QStringLiteral("La peña tiene %1 socios. ¿Borrarlos también? Si responde No, se "
                                                   "guardan en socios.bak y puede traerlos a otra peña con «Recuperar "
                                                   "socios...» en la pestaña Socios.")
                                        .arg(miembros.size())),
            Dialogos::PorDefecto::No);
    const int error = borraPena(m_estado.fichero(ficheros::apuestas), m_penasel);
    if (errorEscritura(m_plataforma.dialogos, error, m_estado.fichero(ficheros::apuestas),
                       QStringLiteral("No se pudo borrar la peña.")))
        return;
    // Its group leaves socios.json even without members: the last summary's day went with it.
    if (borrada < todas.size())
        errorEscritura(m_plataforma.dialogos, socios::apartaDe(m_estado.ruta, todas, borrada, !quitarSocios),
                       m_estado.fichero(ficheros::socios), QStringLiteral("No se pudieron apartar los socios de la peña."));
    m_anfitrion.cargasorteos();
    m_anfitrion.recompruebaUltimo();
}

void PestanaPenas::imprimePena()
{
    // The print window works on `pena`: the peña selected, never another.
    if (!cargaSeleccionada())
        return;
    m_anfitrion.abreSecundaria(new Imprimir(m_estado, m_plataforma));
}

} // namespace bolvera
