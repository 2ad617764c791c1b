// The main window's "General" tab: the status block, the checking passes,
// the two results lists, their filters and the prize blink.
#include "main/pestanageneral.h"

#include "checking/comprobacion.h"
#include "comun/errorpermiso.h"
#include "comun/nombra.h"
#include "main/anfitrion.h"
#include "main/modeloresultados.h"
#include "main/piezas.h"
#include "platform/plataforma.h"
#include "store/cargasorteos.h"
#include "store/estado.h"
#include "store/ficheros.h"
#include "comun/contraste.h"

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
    m_timer3 = temporizador(this, QStringLiteral("Timer3"), 800);
    for (int i = 0; i < 2; ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    connect(m_timer3, &QTimer::timeout, this, &PestanaGeneral::Timer3_Timer);
    connect(Check1, &QCheckBox::toggled, this, &PestanaGeneral::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &PestanaGeneral::Check2_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &PestanaGeneral::HScroll1_Change);
    connect(HScroll1, &QScrollBar::sliderMoved, this, [this](int valor) { Text3->setText(QString::number(valor)); });
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
    for (int i = 0; i < 7; ++i) {
        auto* l = etiqueta(QStringLiteral("Label9_%1").arg(i), i < 5 ? fijos[i] : QString());
        l->setFont(i == 2 || i == 3 || i == 5 || i == 6 ? negrita : normal);
        Label9.append(l);
    }
    Label9[6]->setStyleSheet(contraste::css(QColor(192, 0, 0)));
    QSizePolicy fijo = Label9[6]->sizePolicy();
    fijo.setRetainSizeWhenHidden(true); // the blink must not move the rows
    Label9[6]->setSizePolicy(fijo);
    rejilla->addWidget(Label9[0], 0, 0);
    rejilla->addWidget(Label9[2], 0, 1);
    rejilla->addWidget(Label9[1], 1, 0);
    rejilla->addWidget(Label9[3], 1, 1);
    rejilla->addWidget(Label9[4], 2, 0);
    rejilla->addWidget(Label9[5], 2, 1);
    rejilla->addWidget(Label9[6], 3, 0, 1, 2);
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
        Command1.append(b);
        mandos->addWidget(b);
    }
    mandos->addSpacing(16);
    auto* sorteos = new QLabel(QStringLiteral("Sorteos:"));
    mandos->addWidget(sorteos);
    HScroll1 = dice(nombra(new QScrollBar(Qt::Horizontal), QStringLiteral("HScroll1")), QStringLiteral("Sorteos"),
                    QStringLiteral("Cuántos de los últimos sorteos se comprueban."));
    sorteos->setBuddy(HScroll1);
    HScroll1->setRange(1, 1);
    HScroll1->setFixedWidth(140);
    // A drag checks once, where it settles; keys and arrows check each step.
    HScroll1->setTracking(false);
    mandos->addWidget(HScroll1);
    Text3 = dice(nombra(new QLineEdit(QStringLiteral("1")), QStringLiteral("Text3")),
                 QStringLiteral("Sorteos comprobados"));
    Text3->setReadOnly(true);
    // It shows the scroll bar's value and takes no typing: it must not look editable.
    Text3->setFrame(false);
    Text3->setFocusPolicy(Qt::NoFocus);
    Text3->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    Text3->setFixedWidth(48);
    Text3->setAlignment(Qt::AlignCenter);
    mandos->addWidget(Text3);
    mandos->addSpacing(16);
    Check1 = nombra(new QCheckBox(QStringLiteral("Histórico")), QStringLiteral("Check1"));
    Check1->setToolTip(
        QStringLiteral("Resultados de una peña con sorteos anteriores a su creación"));
    Check2 = nombra(new QCheckBox(QStringLiteral("Ver sólo si hay premio")),
                      QStringLiteral("Check2"));
    Check2->setToolTip(QStringLiteral("Pues eso..."));
    mandos->addWidget(Check1);
    mandos->addWidget(Check2);
    mandos->addStretch(1);
    col->addLayout(mandos);

    auto* marco = nombra(new QFrame, QStringLiteral("Shape2"));
    marco->setFrameShape(QFrame::Box);
    Shape2 = marco;
    auto* dentro = new QVBoxLayout(marco);
    const QFont arial = letra(QStringLiteral("Arial"), 9, QFont::SansSerif);
    QStringList cab2;
    for (int i = 1; i <= 8; ++i)
        cab2 << QString::number(i);
    cab2 << QStringLiteral("Comentario");
    m_sencillas = new ModeloResultados(Lista::Sencillas, cab2);
    ListView2 = listaInforme(QStringLiteral("ListView2"), m_sencillas,
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
    Listview4 = listaInforme(QStringLiteral("Listview4"), m_multiples, anchos4, arial);
    Listview4->hide();
    dice(ListView2, QStringLiteral("Resultados de las apuestas sencillas"));
    dice(Listview4, QStringLiteral("Resultados de las apuestas múltiples"));
    dentro->addWidget(ListView2);
    dentro->addWidget(Listview4);
    for (QTableView* lista : {ListView2, Listview4}) {
        lista->horizontalHeader()->setStretchLastSection(true);
        lista->setItemDelegate(new DelegadoResultados(lista));
    }
    col->addWidget(marco, 1);
    return pestana;
}

void PestanaGeneral::compsencillas(int n, bool contar)
{
    ++m_pasadas;
    OpcionesPasada opciones{Check1->isChecked(), Check2->isChecked(), m_anfitrion.hayNuevos()};
    opciones.sinContar = !contar;
    Parpadeo parpadeo = m_parpadeo;
    parpadeo.activo = m_timer3->isActive();
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
    if (parpadeo.activo && !m_timer3->isActive())
        m_timer3->start();
}

void PestanaGeneral::Command1_Click(int indice)
{
    paraparpadeo();
    QTableView* mostrar = indice == 1 ? Listview4 : ListView2;
    QTableView* ocultar = indice == 1 ? ListView2 : Listview4;
    if (!mostrar->isHidden())
        return;
    mostrar->show();
    ocultar->hide();
}

void PestanaGeneral::pintaBoton(int indice, bool premio)
{
    QPushButton* boton = Command1[indice];
    boton->setProperty("premio", premio);
    // Black on the red, whatever the desktop's button text: white on red does not read.
    boton->setStyleSheet(premio ? QStringLiteral("background-color: rgb(255, 0, 0); color: black;") : QString());
    boton->setText(premio ? QStringLiteral("P R E M I O") : captions[indice]);
}

void PestanaGeneral::paraparpadeo()
{
    if (!m_timer3->isActive())
        return;
    m_timer3->stop();
    m_anfitrion.olvidaNuevos();
    pintaBoton(0, false);
    pintaBoton(1, false);
}

void PestanaGeneral::Timer3_Timer()
{
    if (m_parpadeo.sencillas && m_parpadeo.multiples) {
        const bool rojo = Command1[0]->property("premio").toBool();
        pintaBoton(0, !rojo);
        pintaBoton(1, !rojo);
    } else if (m_parpadeo.sencillas || m_parpadeo.multiples) {
        const int i = m_parpadeo.sencillas ? 0 : 1;
        pintaBoton(i, !Command1[i]->property("premio").toBool());
    }
}

void PestanaGeneral::Check1_Click()
{
    m_anfitrion.olvidaNuevos();
    m_anfitrion.refresca();
}

void PestanaGeneral::Check2_Click() { m_anfitrion.refresca(); }

void PestanaGeneral::filtro(int lista, std::optional<bool> soloPremio, std::optional<bool> historico)
{
    m_anfitrion.muestraGeneral();
    Command1_Click(lista);
    // A box that changes reruns the check through its own handler.
    if (soloPremio)
        Check2->setChecked(*soloPremio);
    if (historico)
        Check1->setChecked(*historico);
}

bool PestanaGeneral::recompruebaUltimo()
{
    if (HScroll1->value() == 1) {
        compsencillas(1);
        return false;
    }
    HScroll1->setValue(1);
    return true;
}

void PestanaGeneral::compruebaMostrados() { compsencillas(HScroll1->value()); }

void PestanaGeneral::muestraNuevos(int nuevos)
{
    compsencillas(nuevos, false);
    // The progress bar stands at 3: moving the scroll bar does not check again.
    if (nuevos != 0)
        HScroll1->setValue(std::min(nuevos, 8));
}

void PestanaGeneral::olvidaParpadeo()
{
    paraparpadeo();
    m_parpadeo = {};
}

void PestanaGeneral::muestraEstado(const EstadoSorteos& e)
{
    Label9[3]->setText(e.ultima);
    Check1->setEnabled(e.hayDatos);
    Check2->setEnabled(e.hayDatos);
    const int numSorteos = e.proxsorteo - 1;
    HScroll1->setEnabled(numSorteos > 0);
    if (numSorteos > 0)
        HScroll1->setMaximum(numSorteos);
    Label9[5]->setText(e.proximo);
    if (e.aviso.isEmpty()) {
        Label9[6]->hide();
    } else {
        Label9[6]->setText(e.aviso);
    }
}

void PestanaGeneral::muestraNumeroPenas(int penas) { Label9[2]->setText(QString::number(penas)); }

void PestanaGeneral::alternaAviso() { Label9[6]->setHidden(!Label9[6]->isHidden()); }

void PestanaGeneral::HScroll1_Change(int valor)
{
    Text3->setText(QString::number(valor));
    if (!m_anfitrion.anadiendo())
        m_anfitrion.refresca();
}

} // namespace bolvera
