#include "main/controles.h"

#include "main/botonactualizar.h"
#include "main/iconos.h"
#include "main/modeloresultados.h"
#include "main/modelosorteos.h"
#include "main/piezas.h"
#include "comun/nombra.h"
#include "comun/twips.h"

#include <QChartView>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using namespace piezas;

QWidget* construyeTransferencia(Controles& c)
{
    auto* zona = new QWidget;
    auto* fila = new QHBoxLayout(zona);
    fila->setContentsMargins(0, 0, 0, 0);

    c.Picture2 = new BotonActualizar;
    fila->addWidget(c.Picture2);

    auto* estado = new QGridLayout;
    c.Label6 = etiqueta(QStringLiteral("Label6"), QString());
    c.Label6->setFont(letra(QStringLiteral("Arial"), 10, QFont::SansSerif, true));
    c.Label6->setMinimumWidth(230);
    c.ProgressBar1 = nombra(new QProgressBar, QStringLiteral("ProgressBar1"));
    c.ProgressBar1->setRange(0, 5);
    c.ProgressBar1->setValue(0);
    c.ProgressBar1->setTextVisible(false);
    c.ProgressBar1->setFixedWidth(230);
    c.Label58 = etiqueta(QStringLiteral("Label58"), QStringLiteral("0 Bytes"));
    c.Label19 = etiqueta(QStringLiteral("Label19"), QString());
    c.Label19->setStyleSheet(QStringLiteral("color: rgb(0, 128, 0); font-weight: bold;"));
    estado->addWidget(c.Label6, 0, 0, 1, 2);
    estado->addWidget(c.ProgressBar1, 1, 0, 1, 2);
    estado->addWidget(c.Label58, 2, 0);
    estado->addWidget(c.Label19, 2, 1);
    fila->addLayout(estado);
    fila->addStretch(1);

    auto* iconosFila = new QHBoxLayout;
    const QStringList ayudas = {
        QStringLiteral("Eliminar peña"), QStringLiteral("Crear peña nueva"),
        QStringLiteral("Borrar todos los sorteos"), QStringLiteral("Imprimir"),
        QStringLiteral("Añadir todos los sorteos")};
    for (int i = 0; i < 5; ++i) {
        auto* icono = nombra(new QToolButton, QStringLiteral("Image1_%1").arg(i));
        icono->setIcon(iconos::imagen1(i));
        icono->setIconSize(QSize(32, 32));
        icono->setAutoRaise(true);
        icono->setToolTip(ayudas[i]);
        iconosFila->addWidget(icono);
        c.Image1.append(icono);
    }
    fila->addLayout(iconosFila);
    fila->addSpacing(12);

    c.Command6 = boton(QStringLiteral("Command6"), QStringLiteral("Ver mensaje"));
    fila->addWidget(c.Command6, 0, Qt::AlignVCenter);
    return zona;
}

QWidget* construyeGeneral(Controles& c)
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
        c.Label9.append(l);
    }
    c.Label9[6]->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    QSizePolicy fijo = c.Label9[6]->sizePolicy();
    fijo.setRetainSizeWhenHidden(true); // the blink must not move the rows
    c.Label9[6]->setSizePolicy(fijo);
    rejilla->addWidget(c.Label9[0], 0, 0);
    rejilla->addWidget(c.Label9[2], 0, 1);
    rejilla->addWidget(c.Label9[1], 1, 0);
    rejilla->addWidget(c.Label9[3], 1, 1);
    rejilla->addWidget(c.Label9[4], 2, 0);
    rejilla->addWidget(c.Label9[5], 2, 1);
    rejilla->addWidget(c.Label9[6], 3, 0, 1, 2);
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
        c.Command1.append(b);
        mandos->addWidget(b);
    }
    mandos->addSpacing(16);
    mandos->addWidget(new QLabel(QStringLiteral("Sorteos:")));
    c.HScroll1 = nombra(new QScrollBar(Qt::Horizontal), QStringLiteral("HScroll1"));
    c.HScroll1->setRange(1, 1);
    c.HScroll1->setFixedWidth(140);
    // A drag checks once, where it settles; keys and arrows check each step.
    c.HScroll1->setTracking(false);
    mandos->addWidget(c.HScroll1);
    c.Text3 = nombra(new QLineEdit(QStringLiteral("1")), QStringLiteral("Text3"));
    c.Text3->setReadOnly(true);
    // It shows the scroll bar's value and takes no typing: it must not look editable.
    c.Text3->setFrame(false);
    c.Text3->setFocusPolicy(Qt::NoFocus);
    c.Text3->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    c.Text3->setFixedWidth(48);
    c.Text3->setAlignment(Qt::AlignCenter);
    mandos->addWidget(c.Text3);
    mandos->addSpacing(16);
    c.Check1 = nombra(new QCheckBox(QStringLiteral("Histórico")), QStringLiteral("Check1"));
    c.Check1->setToolTip(
        QStringLiteral("Resultados de una peña con sorteos anteriores a su creación"));
    c.Check2 = nombra(new QCheckBox(QStringLiteral("Ver sólo si hay premio")),
                      QStringLiteral("Check2"));
    c.Check2->setToolTip(QStringLiteral("Pues eso..."));
    mandos->addWidget(c.Check1);
    mandos->addWidget(c.Check2);
    mandos->addStretch(1);
    col->addLayout(mandos);

    auto* marco = nombra(new QFrame, QStringLiteral("Shape2"));
    marco->setFrameShape(QFrame::Box);
    c.Shape2 = marco;
    auto* dentro = new QVBoxLayout(marco);
    const QFont arial = letra(QStringLiteral("Arial"), 9, QFont::SansSerif);
    QStringList cab2;
    for (int i = 1; i <= 8; ++i)
        cab2 << QString::number(i);
    cab2 << QStringLiteral("Comentario");
    c.modeloSencillas = new ModeloResultados(Lista::Sencillas, cab2);
    c.ListView2 = listaInforme(QStringLiteral("ListView2"), c.modeloSencillas,
                               {441, 882, 882, 882, 882, 1147, 688, 688, 6174}, arial);
    QStringList cab4;
    for (int i = 1; i <= 13; ++i)
        cab4 << QString::number(i);
    cab4 << QString() << QString() << QString() << QStringLiteral("14");
    QList<int> anchos4 = {88};
    for (int i = 0; i < 10; ++i)
        anchos4 << 635;
    anchos4 << 529 << 635 << 635 << 635 << 635 << 5432;
    c.modeloMultiples = new ModeloResultados(Lista::Multiples, cab4);
    c.Listview4 = listaInforme(QStringLiteral("Listview4"), c.modeloMultiples, anchos4, arial);
    c.Listview4->hide();
    dentro->addWidget(c.ListView2);
    dentro->addWidget(c.Listview4);
    for (QTableView* lista : {c.ListView2, c.Listview4}) {
        lista->horizontalHeader()->setStretchLastSection(true);
        lista->setItemDelegate(new DelegadoResultados(lista));
    }
    col->addWidget(marco, 1);
    return pestana;
}

QWidget* construyePenas(Controles& c)
{
    auto* pestana = new QWidget;
    auto* col = new QVBoxLayout(pestana);

    const QFont sans = letra(QStringLiteral("MS Sans Serif"), 9, QFont::SansSerif);
    c.modeloPenas = modeloCabeceras({QStringLiteral("Nombre"), QStringLiteral("Apuestas"),
                                     QStringLiteral("Fecha creación"), QStringLiteral("Días a jugar")});
    c.ListView1 = listaInforme(QStringLiteral("ListView1"), c.modeloPenas, {5998, 1764, 2823, 2999}, sans);
    c.ListView1->setMinimumHeight(90); // three rows: the lower half must fit a laptop too
    col->addWidget(c.ListView1, 2);

    auto* abajo = new QHBoxLayout;
    const QFont courier = letra(QStringLiteral("Courier"), 10, QFont::Monospace, true);
    c.List1 = nombra(new QListWidget, QStringLiteral("List1"));
    c.List1->setFont(courier);
    c.List1->setFixedWidth(260);
    c.List2 = nombra(new QListWidget, QStringLiteral("List2"));
    c.List2->setFont(courier);
    c.List2->setFixedWidth(110);
    for (QListWidget* lista : {c.List1, c.List2}) {
        lista->setSelectionMode(QAbstractItemView::NoSelection);
        lista->setUniformItemSizes(true);
        lista->setFocusPolicy(Qt::NoFocus);
    }
    abajo->addWidget(c.List1, 0, Qt::AlignTop);
    abajo->addWidget(c.List2, 0, Qt::AlignTop);

    auto* centro = new QVBoxLayout;
    auto* participacion = nombra(new QGroupBox, QStringLiteral("Frame4"));
    auto* rp = new QGridLayout(participacion);
    c.MSChart3 = grafico(QStringLiteral("MSChart3"));
    c.MSChart3->setMinimumSize(150, 100);
    rp->addWidget(c.MSChart3, 0, 0, 4, 1);
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
    c.Label17 = etiqueta(QStringLiteral("Label17"), QStringLiteral("-"));
    c.Label16 = etiqueta(QStringLiteral("Label16"), QStringLiteral("-"));
    c.Label16->setFont(letra(QStringLiteral("Arial"), 12, QFont::SansSerif, true));
    rp->addWidget(c.Label17, 2, 3);
    rp->addWidget(c.Label16, 3, 1, 1, 3);
    participacion->setMinimumHeight(110);
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
        c.Label3.append(etiqueta(QStringLiteral("Label3_%1").arg(k), QStringLiteral("0")));
        rc->addWidget(c.Label3.back(), f, col0 + 1);
    }
    c.LabelEuros = etiqueta(QStringLiteral("LabelEuros"), QString());
    c.LabelEuros->setStyleSheet(QStringLiteral("font-weight: bold;"));
    c.LabelEuros->setWordWrap(true);
    rc->addWidget(c.LabelEuros, 7, 0, 1, 4);
    centro->addWidget(contadores);
    abajo->addLayout(centro, 1);

    auto* totales = new QVBoxLayout;
    auto* premios = new QHBoxLayout;
    premios->addWidget(new QLabel(QStringLiteral("Premios totales:")));
    c.Label13 = etiqueta(QStringLiteral("Label13"), QStringLiteral("0"));
    c.Label13->setFont(letra(QStringLiteral("Arial"), 12, QFont::SansSerif, true));
    premios->addWidget(c.Label13);
    premios->addStretch(1);
    totales->addLayout(premios);
    c.Text4 = nombra(new QLineEdit, QStringLiteral("Text4"));
    c.Text5 = nombra(new QLineEdit, QStringLiteral("Text5"));
    for (QLineEdit* caja : {c.Text4, c.Text5}) {
        caja->setReadOnly(true);
        caja->setFrame(false);
        caja->setFont(letra(QStringLiteral("Arial"), 10, QFont::SansSerif, true));
    }
    totales->addWidget(c.Text4);
    totales->addWidget(c.Text5);
    c.MSChart2 = grafico(QStringLiteral("MSChart2"));
    totales->addWidget(c.MSChart2, 1);

    c.Command3 = boton(QStringLiteral("Command3"), QStringLiteral("Eliminar peña"));
    c.Command4 = boton(QStringLiteral("Command4"), QStringLiteral("Crear peña nueva"));
    c.Command2 = boton(QStringLiteral("Command2"), QStringLiteral("Imprimir"));
    totales->addWidget(c.Command4);
    totales->addWidget(c.Command3);
    totales->addWidget(c.Command2);
    abajo->addLayout(totales, 1);
    col->addLayout(abajo, 3);
    return pestana;
}

} // namespace

Controles construyeControles(QWidget* cuerpo)
{
    Controles c;
    auto* col = new QVBoxLayout(cuerpo);
    col->addWidget(construyeTransferencia(c));

    c.SSTab1 = nombra(new QTabWidget, QStringLiteral("SSTab1"));
    c.SSTab1->addTab(construyeGeneral(c), QStringLiteral("General"));
    c.SSTab1->addTab(construyePenas(c), QStringLiteral("Gestor de peñas"));
    col->addWidget(c.SSTab1, 1);
    return c;
}
