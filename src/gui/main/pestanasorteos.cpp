// The main window's "Sorteos" tab: the prize report of a draw and its PDF.
#include "gui/main/pestanasorteos.h"

#include "gui/comun/nombra.h"
#include "gui/main/piezas.h"
#include "core/platform/escritorio.h"
#include "core/platform/plataforma.h"
#include "core/platform/red.h"
#include "core/store/estado.h"
#include "core/store/fechas.h"
#include "core/store/ficheros.h"
#include "core/store/premios.h"
#include "core/store/paginas.h"
#include "core/store/regsorteo.h"
#include "core/update/direcciones.h"
#include "core/update/informe.h"

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
    m_aviso->viewport()->installEventFilter(this);
}

QWidget* PestanaSorteos::construye()
{
    auto* pestana = new QWidget;
    auto* fila = new QHBoxLayout(pestana);
    auto* izquierda = new QVBoxLayout;

    m_cabecera = etiqueta(QStringLiteral("Label8"), QStringLiteral("Informe"));
    m_cabecera->setFont(letra(QStringLiteral("Arial"), 11, QFont::SansSerif, true));
    m_cabecera->setStyleSheet(grisClaro);
    izquierda->addWidget(m_cabecera);

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
        m_premios.append(valor);
    }
    izquierda->addWidget(premios);
    izquierda->addStretch(1);
    fila->addLayout(izquierda);

    m_visor = dice(nombra(new QPdfView, QStringLiteral("WebBrowser1")), QStringLiteral("Informe del sorteo en PDF"));
    m_visor->setPageMode(QPdfView::PageMode::MultiPage);
    m_visor->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_visor->hide();
    m_aviso = dice(nombra(new QTextEdit, QStringLiteral("Text1")), QStringLiteral("Informe del sorteo"));
    m_aviso->setReadOnly(true);
    m_aviso->setFont(letra(QStringLiteral("Arial"), 11, QFont::SansSerif, true));
    fila->addWidget(m_visor, 1);
    fila->addWidget(m_aviso, 1);
    return pestana;
}

void PestanaSorteos::alMostrar(const RegSorteo& sorteo)
{
    if (m_aviso->isHidden())
        return;
    m_cabecera->setText(QStringLiteral("Un momento. Actualizando información..."));
    m_cabecera->setStyleSheet(naranja);
    m_cabecera->repaint();
    cargainforme(sorteo, Pdf::Guardado);
    m_cabecera->setStyleSheet(grisClaro);
}

void PestanaSorteos::aviso(const QString& texto) { m_aviso->setPlainText(texto); }

bool PestanaSorteos::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_aviso->viewport() && evento->type() == QEvent::MouseButtonRelease)
        pulsaAviso();
    return QObject::eventFilter(objeto, evento);
}

void PestanaSorteos::cargainforme(const RegSorteo& sorteo, Pdf pdf)
{
    m_aviso->show();
    m_visor->hide();
    m_urlpdf.clear();
    // Without a draw there is no date to give.
    m_cabecera->setText(sorteo.fecha > 0 ? QStringLiteral("-Informe del ") + fechas::fechalarga(sorteo.fecha)
                                           : QStringLiteral("-Informe"));

    Informe informe = leeInforme(paginas::lee(m_estado.fichero(ficheros::www2)));
    // Draws that came from the results service or another operator have no
    // page: their stored amounts stand in for the page's.
    bool guardados = false;
    if (std::all_of(informe.premios.begin(), informe.premios.end(), [](const QString& p) { return p.isEmpty(); })) {
        const auto premios = premios::lee(m_estado.ruta).porFecha;
        if (const auto r = premios.find(sorteo.fecha); r != premios.end()) {
            informe.premios = premiosGuardados(r->second);
            guardados = std::any_of(informe.premios.begin(), informe.premios.end(), [](const QString& p) { return !p.isEmpty(); });
        }
    }
    for (int i = 0; i < 13; ++i)
        m_premios[i]->setText(informe.premios[static_cast<std::size_t>(i)]);
    if (informe.urlpdf.isEmpty()) {
        m_aviso->setPlainText(guardados ? avisos::soloImportes() : avisos::noDisponible());
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
        m_aviso->setPlainText(avisos::noDisponible());
        return;
    }
    if (!m_plataforma.escritorio.hayLectorPdf()) {
        m_aviso->setPlainText(avisos::sinLector());
        m_sinlector = true;
        return;
    }
    if (!m_pdf) {
        m_pdf = new QPdfDocument(this);
        m_visor->setDocument(m_pdf);
    }
    m_pdf->close();
    m_pdfBytes.close();
    m_pdfBytes.setData(contenido);
    m_pdfBytes.open(QIODevice::ReadOnly);
    m_pdf->load(&m_pdfBytes);
    if (m_pdf->status() == QPdfDocument::Status::Error) {
        m_visor->hide();
        m_aviso->show();
        m_aviso->setPlainText(avisos::sinConexion());
        return;
    }
    m_visor->show();
    m_aviso->hide();
}

void PestanaSorteos::pulsaAviso()
{
    if (m_sinlector)
        m_plataforma.escritorio.abre(direcciones::lectorPdf());
}

} // namespace bolvera
