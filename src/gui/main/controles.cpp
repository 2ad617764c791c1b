#include "gui/main/controles.h"

#include "gui/comun/nombra.h"
#include "gui/main/botonactualizar.h"
#include "gui/main/iconos.h"
#include "gui/main/piezas.h"
#include "gui/comun/contraste.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace bolvera {

namespace {

using namespace piezas;

QWidget* construyeTransferencia(Controles& c)
{
    auto* zona = new QWidget;
    auto* fila = new QHBoxLayout(zona);
    fila->setContentsMargins(0, 0, 0, 0);

    c.bajar = dice(new BotonActualizar, QStringLiteral("Bajar sorteos nuevos"),
                      QStringLiteral("Baja de internet los sorteos nuevos y comprueba con ellos las peñas."));
    fila->addWidget(c.bajar);

    auto* estado = new QGridLayout;
    c.estado = dice(etiqueta(QStringLiteral("Label6"), QString()), QStringLiteral("Estado de la transferencia"));
    c.estado->setFont(letra(QStringLiteral("Arial"), 10, QFont::SansSerif, true));
    c.estado->setMinimumWidth(230);
    // "TRANSFERENCIA FINALIZADA (confirmados por …)" may name five sources:
    // a second line, never a cut.
    c.estado->setWordWrap(true);
    c.progreso = dice(nombra(new QProgressBar, QStringLiteral("ProgressBar1")), QStringLiteral("Progreso de la transferencia"));
    c.progreso->setRange(0, 5);
    c.progreso->setValue(0);
    c.progreso->setTextVisible(false);
    c.progreso->setFixedWidth(230);
    c.bytes = etiqueta(QStringLiteral("Label58"), QStringLiteral("0 Bytes"));
    c.nuevos = etiqueta(QStringLiteral("Label19"), QString());
    c.nuevos->setStyleSheet(contraste::css(QColor(0, 110, 0)) + QStringLiteral(" font-weight: bold;"));
    // The status takes the free width up to the icons, the bar keeps its own.
    estado->addWidget(c.estado, 0, 0, 1, 3);
    estado->addWidget(c.progreso, 1, 0, 1, 2);
    estado->addWidget(c.bytes, 2, 0);
    estado->addWidget(c.nuevos, 2, 1);
    estado->setColumnStretch(2, 1);
    fila->addLayout(estado, 1);

    auto* iconosFila = new QHBoxLayout;
    const struct
    {
        iconos::Fila dibujo;
        QString ayuda;
        QToolButton* Controles::*boton;
    } iconosDeLaFila[] = {
        {iconos::Fila::EliminarPena, QStringLiteral("Eliminar peña"), &Controles::eliminarPena},
        {iconos::Fila::CrearPena, QStringLiteral("Crear peña nueva"), &Controles::crearPena},
        {iconos::Fila::BorrarSorteos, QStringLiteral("Borrar todos los sorteos"), &Controles::borrarSorteos},
        {iconos::Fila::Imprimir, QStringLiteral("Imprimir"), &Controles::imprimir},
        {iconos::Fila::AnadirSorteos, QStringLiteral("Añadir todos los sorteos"), &Controles::anadirSorteos},
    };
    for (int i = 0; i < 5; ++i) {
        auto* icono = nombra(new QToolButton, QStringLiteral("Image1_%1").arg(i));
        icono->setIcon(iconos::fila(iconosDeLaFila[i].dibujo));
        icono->setIconSize(QSize(32, 32));
        icono->setAutoRaise(true);
        // A raised-on-hover button shows almost no focus of its own: a keyboard user needs to see it.
        icono->setStyleSheet(QStringLiteral("QToolButton:focus { border: 2px solid palette(highlight); border-radius: 4px; }"));
        icono->setToolTip(iconosDeLaFila[i].ayuda);
        dice(icono, iconosDeLaFila[i].ayuda);
        iconosFila->addWidget(icono);
        c.*iconosDeLaFila[i].boton = icono;
    }
    fila->addLayout(iconosFila);
    fila->addSpacing(12);

    c.verMensaje = boton(QStringLiteral("Command6"), QStringLiteral("Ver mensaje"));
    fila->addWidget(c.verMensaje, 0, Qt::AlignVCenter);
    return zona;
}

} // namespace

Controles construyeControles(QWidget* cuerpo)
{
    Controles c;
    auto* col = new QVBoxLayout(cuerpo);
    col->addWidget(construyeTransferencia(c));

    c.pestanas = nombra(new QTabWidget, QStringLiteral("SSTab1"));
    col->addWidget(c.pestanas, 1);
    return c;
}

} // namespace bolvera
