// The main window's "Sorteos" tab: the prize report of a draw and its PDF.
#include "main/pestanasorteos.h"

#include "comun/nombra.h"
#include "main/piezas.h"
#include "platform/escritorio.h"
#include "platform/plataforma.h"
#include "platform/red.h"
#include "store/estado.h"
#include "store/fechas.h"
#include "store/ficheros.h"
#include "store/paginas.h"
#include "store/regsorteo.h"
#include "update/direcciones.h"
#include "update/informe.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QTextEdit>

namespace bolvera {

using namespace piezas;

namespace {

// Dark text on the light boxes, whatever the desktop's text colour.
const QString grisClaro = QStringLiteral("background-color: rgb(224, 224, 224); color: black; padding: 4px;");
const QString naranja = QStringLiteral("background-color: rgb(255, 128, 0); color: black; padding: 4px;");

} // namespace

PestanaSorteos::PestanaSorteos(Estado& estado, Plataforma& plataforma, QObject* padre)
    : QObject(padre), m_estado(estado), m_plataforma(plataforma)
{
    m_pagina = construye();
    Text1->viewport()->installEventFilter(this);
}

QWidget* PestanaSorteos::construye()
{
    auto* pestana = new QWidget;
    auto* fila = new QHBoxLayout(pestana);
    auto* izquierda = new QVBoxLayout;

    Label8 = etiqueta(QStringLiteral("Label8"), QStringLiteral("Informe"));
    Label8->setFont(letra(QStringLiteral("Arial"), 11, QFont::SansSerif, true));
    Label8->setStyleSheet(grisClaro);
    izquierda->addWidget(Label8);

    auto* premios = nombra(new QGroupBox(QStringLiteral("Premios en Euros ")), QStringLiteral("Frame2"));
    auto* rejilla = new QGridLayout(premios);
    const QStringList categorias = {
        QStringLiteral("- 1ª Categoría (5 aciertos + 2 estrellas): "),
        QStringLiteral("- 2ª Categoría (5 aciertos + 1 estrella): "),
        QStringLiteral("- 3ª Categoría (5 aciertos + 0 estrellas): "),
        QStringLiteral("- 4ª Categoría (4 aciertos + 2 estrellas): "),
        QStringLiteral("- 5ª Categoría (4 aciertos + 1 estrella): "),
        QStringLiteral("- 6ª Categoría (4 aciertos + 0 estrellas): "),
        QStringLiteral("- 7ª Categoría (3 aciertos + 2 estrellas): "),
        QStringLiteral("- 8ª Categoría (3 aciertos + 1 estrella): "),
        QStringLiteral("- 9ª Categoría (2 aciertos + 2 estrellas): "),
        QStringLiteral("- 10ª Categoría (3 aciertos + 0 estrellas): "),
        QStringLiteral("- 11ª Categoría (1 acierto + 2 estrellas): "),
        QStringLiteral("- 12ª Categoría (2 aciertos + 1 estrella): "),
        QStringLiteral("- 13ª Categoría (2 aciertos + 0 estrella): ")};
    for (int i = 0; i < 13; ++i) {
        rejilla->addWidget(etiqueta(QStringLiteral("Label11_%1").arg(i), categorias[i]), i, 0);
        auto* valor = etiqueta(QStringLiteral("Label10_%1").arg(i), QStringLiteral("0"));
        valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valor->setFont(letra(QStringLiteral("Arial"), 9, QFont::SansSerif, true));
        rejilla->addWidget(valor, i, 1);
        Label10.append(valor);
    }
    izquierda->addWidget(premios);
    izquierda->addStretch(1);
    fila->addLayout(izquierda);

    WebBrowser1 = dice(nombra(new QPdfView, QStringLiteral("WebBrowser1")), QStringLiteral("Informe del sorteo en PDF"));
    WebBrowser1->setPageMode(QPdfView::PageMode::MultiPage);
    WebBrowser1->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    WebBrowser1->hide();
    Text1 = dice(nombra(new QTextEdit, QStringLiteral("Text1")), QStringLiteral("Informe del sorteo"));
    Text1->setReadOnly(true);
    Text1->setFont(letra(QStringLiteral("Arial"), 11, QFont::SansSerif, true));
    fila->addWidget(WebBrowser1, 1);
    fila->addWidget(Text1, 1);
    return pestana;
}

void PestanaSorteos::alMostrar(const RegSorteo& sorteo)
{
    if (Text1->isHidden())
        return;
    Label8->setText(QStringLiteral("Un momento. Actualizando información..."));
    Label8->setStyleSheet(naranja);
    Label8->repaint();
    cargainforme(sorteo, Pdf::Guardado);
    Label8->setStyleSheet(grisClaro);
}

void PestanaSorteos::aviso(const QString& texto) { Text1->setPlainText(texto); }

bool PestanaSorteos::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == Text1->viewport() && evento->type() == QEvent::MouseButtonRelease)
        Text1_Click();
    return QObject::eventFilter(objeto, evento);
}

void PestanaSorteos::cargainforme(const RegSorteo& sorteo, Pdf pdf)
{
    Text1->show();
    WebBrowser1->hide();
    m_urlpdf.clear();
    // Without a draw there is no date to give.
    Label8->setText(sorteo.fecha > 0 ? QStringLiteral("-Informe del ") + fechas::fechalarga(sorteo.fecha)
                                           : QStringLiteral("-Informe"));

    const Informe informe = leeInforme(paginas::lee(m_estado.fichero(ficheros::www2)));
    for (int i = 0; i < 13; ++i)
        Label10[i]->setText(informe.premios[static_cast<std::size_t>(i)]);
    if (informe.urlpdf.isEmpty()) {
        Text1->setPlainText(avisos::noDisponible());
        return;
    }
    m_urlpdf = informe.urlpdf;
    if (pdf == Pdf::Guardado)
        muestrapdf();
    else
        bajapdf(m_urlpdf);
}

void PestanaSorteos::bajapdf(const QString& url)
{
    delete m_descargaPdf;
    m_descargaPdf = bajaPdf(m_plataforma.red, m_estado.ruta, url, [this] { muestrapdf(); });
    m_descargaPdf->setParent(this);
}

void PestanaSorteos::muestrapdf()
{
    // Shown from memory: the file stays free for the next update to replace.
    QFile fichero(m_estado.fichero(ficheros::ovkPdf));
    const QByteArray contenido = fichero.open(QIODevice::ReadOnly) ? fichero.readAll() : QByteArray();
    fichero.close();
    if (!esPdf(contenido) || m_urlpdf.isEmpty()) {
        Text1->setPlainText(avisos::noDisponible());
        return;
    }
    if (!m_plataforma.escritorio.hayLectorPdf()) {
        Text1->setPlainText(avisos::sinLector());
        m_sinlector = true;
        return;
    }
    if (!m_pdf) {
        m_pdf = new QPdfDocument(this);
        WebBrowser1->setDocument(m_pdf);
    }
    m_pdf->close();
    m_pdfBytes.close();
    m_pdfBytes.setData(contenido);
    m_pdfBytes.open(QIODevice::ReadOnly);
    m_pdf->load(&m_pdfBytes);
    if (m_pdf->status() == QPdfDocument::Status::Error) {
        WebBrowser1->hide();
        Text1->show();
        Text1->setPlainText(avisos::sinConexion());
        return;
    }
    WebBrowser1->show();
    Text1->hide();
}

void PestanaSorteos::Text1_Click()
{
    if (m_sinlector)
        m_plataforma.escritorio.abre(direcciones::lectorPdf());
}

} // namespace bolvera
