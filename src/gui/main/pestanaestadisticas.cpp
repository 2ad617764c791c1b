// The main window's statistics tab: the draw list and the frequency chart.
#include "gui/main/pestanaestadisticas.h"

#include "gui/comun/errorpermiso.h"
#include "gui/comun/nombra.h"
#include "gui/comun/twips.h"
#include "gui/main/anfitrion.h"
#include "gui/main/graficos.h"
#include "gui/main/modelosorteos.h"
#include "gui/main/piezas.h"
#include "core/platform/dialogos.h"
#include "core/platform/plataforma.h"
#include "core/store/estado.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/historia.h"
#include "gui/comun/contraste.h"

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
        connect(m_numerosOEstrellas[i], &QRadioButton::clicked, this, [this, i] { eligeGrafico(i); });
        connect(m_numerosOEstrellas[i], &QRadioButton::toggled, this, [this, i](bool marcada) {
            if (marcada)
                eligeGrafico(i);
        });
    }
    connect(m_paginas, &QScrollBar::valueChanged, this, &PestanaEstadisticas::cambiaPagina);
    connect(m_borrarTodos, &QPushButton::clicked, this, &PestanaEstadisticas::borraTodos);
    connect(m_anadirTodos, &QPushButton::clicked, this, &PestanaEstadisticas::anadeTodos);
    connect(m_lista, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) { pulsaSorteo(i.row()); });
}

QWidget* PestanaEstadisticas::construye()
{
    auto* pestana = new QWidget;
    auto* fila = new QHBoxLayout(pestana);

    auto* izquierda = new QVBoxLayout;
    m_modelo = new ModeloSorteos;
    m_lista = listaInforme(QStringLiteral("ListView3"), m_modelo, {2600, 1300, 2500},
                             letra(QStringLiteral("Courier"), 10, QFont::Monospace));
    m_lista->setFixedWidth(px(6900));
    dice(m_lista, QStringLiteral("Sorteos guardados"));
    izquierda->addWidget(m_lista, 1);
    m_total = etiqueta(QStringLiteral("Label7"), QStringLiteral("TOTAL: 0 sorteos."));
    m_total->setFont(letra(QStringLiteral("Arial"), 10, QFont::SansSerif, true));
    m_huecos = etiqueta(QStringLiteral("LabelHuecos"), QString());
    m_huecos->setStyleSheet(contraste::css(QColor(192, 0, 0)) + QStringLiteral(" font-weight: bold;"));
    m_huecos->hide();
    // The missing draws go under the total, clear of the buttons beside it.
    izquierda->addWidget(m_total);
    izquierda->addWidget(m_huecos);
    fila->addLayout(izquierda);

    auto* derecha = new QVBoxLayout;
    // Its description is filled with the counts it shows.
    m_grafico = dice(grafico(QStringLiteral("MSChart1")), QStringLiteral("Gráfico de frecuencias"));
    derecha->addWidget(m_grafico, 1);
    auto* opciones = new QHBoxLayout;
    m_numerosOEstrellas = {nombra(new QRadioButton(QStringLiteral("Números")), QStringLiteral("Option1_0")),
               nombra(new QRadioButton(QStringLiteral("Estrellas")), QStringLiteral("Option1_1"))};
    m_numerosOEstrellas[0]->setChecked(true);
    opciones->addWidget(m_numerosOEstrellas[0]);
    opciones->addWidget(m_numerosOEstrellas[1]);
    m_paginas = dice(nombra(new QScrollBar(Qt::Horizontal), QStringLiteral("HScroll2")),
                    QStringLiteral("Página del gráfico"), QStringLiteral("Los números del 1 al 25 o del 26 al 50."));
    m_paginas->setRange(1, 2);
    m_paginas->setPageStep(1);
    m_paginas->setFixedWidth(120);
    opciones->addWidget(m_paginas);
    opciones->addStretch(1);
    derecha->addLayout(opciones);

    auto* mantenimiento = new QHBoxLayout;
    m_borrarTodos = boton(QStringLiteral("Command5"), QStringLiteral("Borrar todos los sorteos"));
    m_anadirTodos = boton(QStringLiteral("Command8"), QStringLiteral("Añadir todos los sorteos"));
    mantenimiento->addWidget(m_borrarTodos);
    mantenimiento->addWidget(m_anadirTodos);
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
    m_huecos->setText(faltan == 1 ? QStringLiteral("Falta 1 sorteo en el histórico")
                                     : QStringLiteral("Faltan %1 sorteos en el histórico").arg(faltan));
    m_huecos->setVisible(faltan > 0);
    m_modelo->pon(std::move(sorteos));
    m_total->setText(m_tablas.totalTexto);
    // Back to the numbers chart, as a click on "Números" does: the option
    // marked and the 26–50 scroll bar usable again.
    if (m_numerosOEstrellas[0]->isChecked())
        eligeGrafico(0);
    else
        m_numerosOEstrellas[0]->setChecked(true); // which shows its chart
    return true;
}

void PestanaEstadisticas::alPrincipio() { m_paginas->setValue(1); }

bool PestanaEstadisticas::puedeBorrarTodo() const { return m_borrarTodos->isEnabled(); }

void PestanaEstadisticas::muestraTabla(int tabla)
{
    m_tablaMostrada = tabla;
    const listado::Tabla& t = tabla == 1 ? m_tablas.tablanum1 : tabla == 2 ? m_tablas.tablanum2 : m_tablas.tablaest;
    muestraBarras(m_grafico, t.etiquetas, t.cuentas, tabla == 3 ? QColor(0, 192, 0) : QColor(30, 110, 200));
}

void PestanaEstadisticas::eligeGrafico(int indice)
{
    m_paginas->setEnabled(indice == 0);
    muestraTabla(indice == 0 ? 1 : 3);
}

void PestanaEstadisticas::cambiaPagina(int valor) { muestraTabla(valor == 1 ? 1 : 2); }

} // namespace bolvera
