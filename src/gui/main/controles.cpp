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

} // namespace

Controles construyeControles(QWidget* cuerpo)
{
    Controles c;
    auto* col = new QVBoxLayout(cuerpo);
    col->addWidget(construyeTransferencia(c));

    c.SSTab1 = nombra(new QTabWidget, QStringLiteral("SSTab1"));
    c.SSTab1->addTab(construyeGeneral(c), QStringLiteral("General"));
    col->addWidget(c.SSTab1, 1);
    return c;
}
