// The main window's statistics tab: the draw list and the frequency chart.
#include "main/pestanaestadisticas.h"

#include "comun/errorpermiso.h"
#include "comun/nombra.h"
#include "comun/twips.h"
#include "main/anfitrion.h"
#include "main/graficos.h"
#include "main/modelosorteos.h"
#include "main/piezas.h"
#include "platform/dialogos.h"
#include "platform/plataforma.h"
#include "store/estado.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"
#include "store/historia.h"
#include "comun/contraste.h"

#include <QBoxLayout>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>

namespace bolvera {

using namespace piezas;

PestanaEstadisticas::PestanaEstadisticas(Estado& estado, Plataforma& plataforma, Anfitrion& anfitrion,
                                         QObject* padre)
    : QObject(padre), m_estado(estado), m_plataforma(plataforma), m_anfitrion(anfitrion)
{
    m_pagina = construye();
    for (int i = 0; i < 2; ++i) {
        // A click on the marked option shows its chart again; a screen
        // reader's "toggle" does not click, so the toggle shows it too.
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool marcada) {
            if (marcada)
                Option1_Click(i);
        });
    }
    connect(HScroll2, &QScrollBar::valueChanged, this, &PestanaEstadisticas::HScroll2_Change);
    connect(Command5, &QPushButton::clicked, this, &PestanaEstadisticas::Command5_Click);
    connect(Command8, &QPushButton::clicked, this, &PestanaEstadisticas::Command8_Click);
    connect(ListView3, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) { ListView3_Click(i.row()); });
}

QWidget* PestanaEstadisticas::construye()
{
    auto* pestana = new QWidget;
    auto* fila = new QHBoxLayout(pestana);

    auto* izquierda = new QVBoxLayout;
    m_modelo = new ModeloSorteos;
    ListView3 = listaInforme(QStringLiteral("ListView3"), m_modelo, {2600, 1300, 2500},
                             letra(QStringLiteral("Courier"), 10, QFont::Monospace));
    ListView3->setFixedWidth(px(6900));
    dice(ListView3, QStringLiteral("Sorteos guardados"));
    izquierda->addWidget(ListView3, 1);
    Label7 = etiqueta(QStringLiteral("Label7"), QStringLiteral("TOTAL: 0 sorteos."));
    Label7->setFont(letra(QStringLiteral("Arial"), 10, QFont::SansSerif, true));
    LabelHuecos = etiqueta(QStringLiteral("LabelHuecos"), QString());
    LabelHuecos->setStyleSheet(contraste::css(QColor(192, 0, 0)) + QStringLiteral(" font-weight: bold;"));
    LabelHuecos->hide();
    // The missing draws go under the total, clear of the buttons beside it.
    izquierda->addWidget(Label7);
    izquierda->addWidget(LabelHuecos);
    fila->addLayout(izquierda);

    auto* derecha = new QVBoxLayout;
    // Its description is filled with the counts it shows.
    MSChart1 = dice(grafico(QStringLiteral("MSChart1")), QStringLiteral("Gráfico de frecuencias"));
    derecha->addWidget(MSChart1, 1);
    auto* opciones = new QHBoxLayout;
    Option1 = {nombra(new QRadioButton(QStringLiteral("Números")), QStringLiteral("Option1_0")),
               nombra(new QRadioButton(QStringLiteral("Estrellas")), QStringLiteral("Option1_1"))};
    Option1[0]->setChecked(true);
    opciones->addWidget(Option1[0]);
    opciones->addWidget(Option1[1]);
    HScroll2 = dice(nombra(new QScrollBar(Qt::Horizontal), QStringLiteral("HScroll2")),
                    QStringLiteral("Página del gráfico"), QStringLiteral("Los números del 1 al 25 o del 26 al 50."));
    HScroll2->setRange(1, 2);
    HScroll2->setPageStep(1);
    HScroll2->setFixedWidth(120);
    opciones->addWidget(HScroll2);
    opciones->addStretch(1);
    derecha->addLayout(opciones);

    auto* mantenimiento = new QHBoxLayout;
    Command5 = boton(QStringLiteral("Command5"), QStringLiteral("Borrar todos los sorteos"));
    Command8 = boton(QStringLiteral("Command8"), QStringLiteral("Añadir todos los sorteos"));
    mantenimiento->addWidget(Command5);
    mantenimiento->addWidget(Command8);
    mantenimiento->addStretch(1);
    derecha->addLayout(mantenimiento);
    fila->addLayout(derecha, 1);
    return pestana;
}

bool PestanaEstadisticas::listasorteos()
{
    auto sorteos = ficheroregistros::leeTodos<RegSorteo>(m_estado.fichero(ficheros::numeros));
    m_tablas = listado::calcula(sorteos);
    if (!m_tablas.valido) {
        m_modelo->pon({});
        m_plataforma.dialogos.mensaje(
            Dialogos::Icono::Exclamacion, QStringLiteral("Error de lectura"),
            QStringLiteral("Archivo de números ganadores no válido. ¡Se perderán los sorteos grabados!."));
        // The damaged file is kept as numeros.err; if that cannot be done
        // nothing is emptied, and the next refresh reports it again.
        const int error = historia::guardaDanadoYVacia(m_estado.ruta);
        if (errorEscritura(m_plataforma.dialogos, error, m_estado.fichero(ficheros::numeros),
                           QStringLiteral("No se pudo guardar la copia del histórico dañado.")))
            return false;
        m_anfitrion.cargasorteos();
        m_anfitrion.refresca();
        return false;
    }
    const auto faltan = historia::huecos(sorteos).size();
    LabelHuecos->setText(faltan == 1 ? QStringLiteral("Falta 1 sorteo en el histórico")
                                     : QStringLiteral("Faltan %1 sorteos en el histórico").arg(faltan));
    LabelHuecos->setVisible(faltan > 0);
    m_modelo->pon(std::move(sorteos));
    Label7->setText(m_tablas.totalTexto);
    // Back to the numbers chart, as a click on "Números" does: the option
    // marked and the 26–50 scroll bar usable again.
    if (Option1[0]->isChecked())
        Option1_Click(0);
    else
        Option1[0]->setChecked(true); // which shows its chart
    return true;
}

void PestanaEstadisticas::alPrincipio() { HScroll2->setValue(1); }

bool PestanaEstadisticas::puedeBorrarTodo() const { return Command5->isEnabled(); }

void PestanaEstadisticas::muestraTabla(int tabla)
{
    m_tablaMostrada = tabla;
    const listado::Tabla& t = tabla == 1 ? m_tablas.tablanum1 : tabla == 2 ? m_tablas.tablanum2 : m_tablas.tablaest;
    muestraBarras(MSChart1, t.etiquetas, t.cuentas, tabla == 3 ? QColor(0, 192, 0) : QColor(30, 110, 200));
}

void PestanaEstadisticas::Option1_Click(int indice)
{
    HScroll2->setEnabled(indice == 0);
    muestraTabla(indice == 0 ? 1 : 3);
}

void PestanaEstadisticas::HScroll2_Change(int valor) { muestraTabla(valor == 1 ? 1 : 2); }

} // namespace bolvera
