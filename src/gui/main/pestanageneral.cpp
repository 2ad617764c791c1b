// The main window's "General" tab: the status block, the checking passes,
// the two results lists, their filters and the prize blink.
#include "gui/main/pestanageneral.h"

#include "core/checking/comprobacion.h"
#include "gui/comun/errorpermiso.h"
#include "gui/comun/nombra.h"
#include "gui/main/anfitrion.h"
#include "gui/main/modeloresultados.h"
#include "gui/main/piezas.h"
#include "core/platform/plataforma.h"
#include "core/store/cargasorteos.h"
#include "core/store/estado.h"
#include "core/store/ficheros.h"
#include "gui/comun/contraste.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace bolvera {

using namespace piezas;

namespace {

const QString captions[] = {QStringLiteral("S E N C I L L A"), QStringLiteral("M Ú L T I P L E")};

} // namespace

PestanaGeneral::PestanaGeneral(Estado& estado, Plataforma& plataforma, Anfitrion& anfitrion, QObject* padre)
    : QObject(padre), m_estado(estado), m_plataforma(plataforma), m_anfitrion(anfitrion)
{
    m_pagina = construye();
    m_temporizadorParpadeo = temporizador(this, QStringLiteral("Timer3"), 800);
    for (int i = 0; i < 2; ++i)
        connect(m_botonesLista[i], &QPushButton::clicked, this, [this, i] { muestraLista(i); });
    connect(m_temporizadorParpadeo, &QTimer::timeout, this, &PestanaGeneral::parpadea);
    connect(m_historico, &QCheckBox::toggled, this, &PestanaGeneral::cambiaHistorico);
    connect(m_soloPremio, &QCheckBox::toggled, this, &PestanaGeneral::cambiaSoloPremio);
    connect(m_barraSorteos, &QScrollBar::valueChanged, this, &PestanaGeneral::cambiaSorteos);
    connect(m_barraSorteos, &QScrollBar::sliderMoved, this, [this](int valor) { m_cuantosSorteos->setText(QString::number(valor)); });
}

QWidget* PestanaGeneral::construye()
{
    auto* pestana = new QWidget;
    auto* col = new QVBoxLayout(pestana);

    auto* bloque = new QGroupBox;
    auto* rejilla = new QGridLayout(bloque);
    const QStringList fijos = {QStringLiteral("- Número de peñas almacenadas:"),
                               QStringLiteral("- Última actualización de números ganadores:"),
                               QString(), QString(), QStringLiteral("- Próximo sorteo:")};
    const QFont normal = letra(QStringLiteral("Arial"), 10, QFont::SansSerif);
    const QFont negrita = letra(QStringLiteral("Arial"), 10, QFont::SansSerif, true);
    // Captions on the left, the values they name on the right, the notice below.
    QList<QLabel*> textos;
    for (int i = 0; i < 7; ++i) {
        auto* l = etiqueta(QStringLiteral("Label9_%1").arg(i), i < 5 ? fijos[i] : QString());
        l->setFont(i == 2 || i == 3 || i == 5 || i == 6 ? negrita : normal);
        textos.append(l);
    }
    m_numeroPenas = textos[2];
    m_ultimaActualizacion = textos[3];
    m_proximoSorteo = textos[5];
    m_avisoSorteos = textos[6];
    m_avisoSorteos->setStyleSheet(contraste::css(QColor(192, 0, 0)));
    QSizePolicy fijo = m_avisoSorteos->sizePolicy();
    fijo.setRetainSizeWhenHidden(true); // the blink must not move the rows
    m_avisoSorteos->setSizePolicy(fijo);
    rejilla->addWidget(textos[0], 0, 0);
    rejilla->addWidget(m_numeroPenas, 0, 1);
    rejilla->addWidget(textos[1], 1, 0);
    rejilla->addWidget(m_ultimaActualizacion, 1, 1);
    rejilla->addWidget(textos[4], 2, 0);
    rejilla->addWidget(m_proximoSorteo, 2, 1);
    rejilla->addWidget(m_avisoSorteos, 3, 0, 1, 2);
    rejilla->setColumnStretch(1, 1);
    col->addWidget(bloque);

    auto* mandos = new QHBoxLayout;
    const QFont comic = letra(QStringLiteral("Comic Sans MS"), 10, QFont::SansSerif, true);
    for (int i = 0; i < 2; ++i) {
        auto* b = boton(QStringLiteral("Command1_%1").arg(i),
                        i == 0 ? QStringLiteral("S E N C I L L A")
                               : QStringLiteral("M Ú L T I P L E"));
        b->setFont(comic);
        b->setAutoFillBackground(true);
        b->setMinimumWidth(150);
        m_botonesLista.append(b);
        mandos->addWidget(b);
    }
    mandos->addSpacing(16);
    auto* sorteos = new QLabel(QStringLiteral("Sorteos:"));
    mandos->addWidget(sorteos);
    m_barraSorteos = dice(nombra(new QScrollBar(Qt::Horizontal), QStringLiteral("HScroll1")), QStringLiteral("Sorteos"),
                    QStringLiteral("Cuántos de los últimos sorteos se comprueban."));
    sorteos->setBuddy(m_barraSorteos);
    m_barraSorteos->setRange(1, 1);
    m_barraSorteos->setFixedWidth(140);
    // Scroll bars take no focus by default: this one is how a keyboard checks more draws.
    m_barraSorteos->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys run backwards by default; here Right is one draw more.
    m_barraSorteos->setInvertedControls(false);
    // A drag checks once, where it settles; keys and arrows check each step.
    m_barraSorteos->setTracking(false);
    mandos->addWidget(m_barraSorteos);
    m_cuantosSorteos = dice(nombra(new QLineEdit(QStringLiteral("1")), QStringLiteral("Text3")),
                 QStringLiteral("Sorteos comprobados"));
    m_cuantosSorteos->setReadOnly(true);
    // It shows the scroll bar's value and takes no typing: it must not look editable.
    m_cuantosSorteos->setFrame(false);
    m_cuantosSorteos->setFocusPolicy(Qt::NoFocus);
    m_cuantosSorteos->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    m_cuantosSorteos->setFixedWidth(48);
    m_cuantosSorteos->setAlignment(Qt::AlignCenter);
    mandos->addWidget(m_cuantosSorteos);
    mandos->addSpacing(16);
    m_historico = nombra(new QCheckBox(QStringLiteral("Histórico")), QStringLiteral("Check1"));
    m_historico->setToolTip(
        QStringLiteral("Resultados de una peña con sorteos anteriores a su creación"));
    m_soloPremio = nombra(new QCheckBox(QStringLiteral("Ver sólo si hay premio")),
                      QStringLiteral("Check2"));
    m_soloPremio->setToolTip(QStringLiteral("Pues eso..."));
    mandos->addWidget(m_historico);
    mandos->addWidget(m_soloPremio);
    mandos->addStretch(1);
    col->addLayout(mandos);

    auto* marco = nombra(new QFrame, QStringLiteral("Shape2"));
    marco->setFrameShape(QFrame::Box);
    m_marco = marco;
    auto* dentro = new QVBoxLayout(marco);
    const QFont arial = letra(QStringLiteral("Arial"), 9, QFont::SansSerif);
    QStringList cab2;
    for (int i = 1; i <= 8; ++i)
        cab2 << QString::number(i);
    cab2 << QStringLiteral("Comentario");
    m_sencillas = new ModeloResultados(Lista::Sencillas, cab2);
    m_listaSencillas = listaInforme(QStringLiteral("ListView2"), m_sencillas,
                               {441, 882, 882, 882, 882, 1147, 688, 688, 6174}, arial);
    QStringList cab4;
    for (int i = 1; i <= 13; ++i)
        cab4 << QString::number(i);
    cab4 << QString() << QString() << QString() << QStringLiteral("14");
    QList<int> anchos4 = {88};
    for (int i = 0; i < 10; ++i)
        anchos4 << 635;
    anchos4 << 529 << 635 << 635 << 635 << 635 << 5432;
    m_multiples = new ModeloResultados(Lista::Multiples, cab4);
    m_listaMultiples = listaInforme(QStringLiteral("Listview4"), m_multiples, anchos4, arial);
    m_listaMultiples->hide();
    dice(m_listaSencillas, QStringLiteral("Resultados de las apuestas sencillas"));
    dice(m_listaMultiples, QStringLiteral("Resultados de las apuestas múltiples"));
    dentro->addWidget(m_listaSencillas);
    dentro->addWidget(m_listaMultiples);
    for (QTableView* lista : {m_listaSencillas, m_listaMultiples}) {
        lista->horizontalHeader()->setStretchLastSection(true);
        lista->setItemDelegate(new DelegadoResultados(lista));
    }
    col->addWidget(marco, 1);
    return pestana;
}

void PestanaGeneral::compsencillas(int n, bool contar)
{
    ++m_pasadas;
    OpcionesPasada opciones = m_filtros;
    opciones.hayNuevos = m_anfitrion.hayNuevos();
    opciones.sinContar = !contar;
    Parpadeo parpadeo = m_parpadeo;
    parpadeo.activo = m_temporizadorParpadeo->isActive();
    Comprobacion c = comprueba(m_estado.ruta, n, opciones, parpadeo, ModeloResultados::trozo);
    errorEscritura(m_plataforma.dialogos, c.error, m_estado.fichero(ficheros::apuestas),
                   QStringLiteral("No se pudieron guardar los aciertos de las peñas."));

    // The working draw is left at the oldest draw of the pass.
    const auto& sorteos = c.datos->sorteos;
    const int revisados = std::clamp(n, 0, static_cast<int>(sorteos.size()));
    if (revisados > 0)
        m_anfitrion.ponSorteo(sorteos[sorteos.size() - static_cast<std::size_t>(revisados)]);

    // Counters that moved show in the peña list and its totals at once.
    if (!c.sencillas.cambiadas.empty() || !c.multiples.cambiadas.empty())
        m_anfitrion.muestraPenas(sorteos, c.datos->penas);

    m_sencillas->pon(c.datos, std::move(c.filasSencillas), n, opciones);
    m_multiples->pon(c.datos, std::move(c.filasMultiples), n, opciones);

    m_parpadeo = parpadeo;
    if (parpadeo.activo && !m_temporizadorParpadeo->isActive())
        m_temporizadorParpadeo->start();
}

void PestanaGeneral::muestraLista(int indice)
{
    paraparpadeo();
    QTableView* mostrar = indice == 1 ? m_listaMultiples : m_listaSencillas;
    QTableView* ocultar = indice == 1 ? m_listaSencillas : m_listaMultiples;
    if (!mostrar->isHidden())
        return;
    mostrar->show();
    ocultar->hide();
}

void PestanaGeneral::pintaBoton(int indice, bool premio)
{
    QPushButton* boton = m_botonesLista[indice];
    boton->setProperty("premio", premio);
    // Black on the red, whatever the desktop's button text: white on red does not read.
    boton->setStyleSheet(premio ? QStringLiteral("background-color: rgb(255, 0, 0); color: black;") : QString());
    boton->setText(premio ? QStringLiteral("P R E M I O") : captions[indice]);
}

void PestanaGeneral::paraparpadeo()
{
    if (!m_temporizadorParpadeo->isActive())
        return;
    m_temporizadorParpadeo->stop();
    m_anfitrion.olvidaNuevos();
    pintaBoton(0, false);
    pintaBoton(1, false);
}

void PestanaGeneral::parpadea()
{
    if (m_parpadeo.sencillas && m_parpadeo.multiples) {
        const bool rojo = m_botonesLista[0]->property("premio").toBool();
        pintaBoton(0, !rojo);
        pintaBoton(1, !rojo);
    } else if (m_parpadeo.sencillas || m_parpadeo.multiples) {
        const int i = m_parpadeo.sencillas ? 0 : 1;
        pintaBoton(i, !m_botonesLista[i]->property("premio").toBool());
    }
}

void PestanaGeneral::cambiaHistorico(bool historico)
{
    m_filtros.historico = historico;
    m_anfitrion.olvidaNuevos();
    m_anfitrion.refresca();
}

void PestanaGeneral::cambiaSoloPremio(bool soloPremio)
{
    m_filtros.soloPremio = soloPremio;
    m_anfitrion.refresca();
}

void PestanaGeneral::filtro(int lista, std::optional<bool> soloPremio, std::optional<bool> historico)
{
    m_anfitrion.muestraGeneral();
    muestraLista(lista);
    // A box that changes reruns the check through its own handler.
    if (soloPremio)
        m_soloPremio->setChecked(*soloPremio);
    if (historico)
        m_historico->setChecked(*historico);
}

bool PestanaGeneral::recompruebaUltimo()
{
    if (m_barraSorteos->value() == 1) {
        compsencillas(1);
        return false;
    }
    m_barraSorteos->setValue(1);
    return true;
}

void PestanaGeneral::compruebaMostrados() { compsencillas(m_barraSorteos->value()); }

void PestanaGeneral::muestraNuevos(int nuevos)
{
    compsencillas(nuevos, false);
    // The progress bar stands at 3: moving the scroll bar does not check again.
    if (nuevos != 0)
        m_barraSorteos->setValue(std::min(nuevos, 8));
}

void PestanaGeneral::olvidaParpadeo()
{
    paraparpadeo();
    m_parpadeo = {};
}

void PestanaGeneral::muestraEstado(const EstadoSorteos& e)
{
    m_ultimaActualizacion->setText(e.ultima);
    m_historico->setEnabled(e.hayDatos);
    m_soloPremio->setEnabled(e.hayDatos);
    const int numSorteos = e.proxsorteo - 1;
    m_barraSorteos->setEnabled(numSorteos > 0);
    if (numSorteos > 0)
        m_barraSorteos->setMaximum(numSorteos);
    m_proximoSorteo->setText(e.proximo);
    if (e.aviso.isEmpty()) {
        m_avisoSorteos->hide();
    } else {
        m_avisoSorteos->setText(e.aviso);
    }
}

void PestanaGeneral::muestraNumeroPenas(int penas) { m_numeroPenas->setText(QString::number(penas)); }

void PestanaGeneral::alternaAviso() { m_avisoSorteos->setHidden(!m_avisoSorteos->isHidden()); }

void PestanaGeneral::cambiaSorteos(int valor)
{
    m_cuantosSorteos->setText(QString::number(valor));
    if (!m_anfitrion.anadiendo())
        m_anfitrion.refresca();
}

} // namespace bolvera
