// The main window's "Sorteos" tab: the prize report of a draw and its PDF.
#include "main/principal.h"
#include "platform/escritorio.h"
#include "platform/plataforma.h"
#include "platform/red.h"
#include "store/estado.h"
#include "store/fechas.h"
#include "store/ficheros.h"
#include "store/reescritura.h"
#include "update/direcciones.h"
#include "update/informe.h"
#include "store/paginas.h"

#include <QFile>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString grisClaro = QStringLiteral("background-color: rgb(224, 224, 224); padding: 4px;");
const QString naranja = QStringLiteral("background-color: rgb(255, 128, 0); padding: 4px;");

} // namespace

void Principal::SSTab1_Click(int nueva)
{
    paraparpadeo();
    // The report cannot be opened while an update runs.
    if (nueva == 1 && m_actualizacion && m_actualizacion->enCurso()) {
        const QSignalBlocker sinAviso(m_c.SSTab1);
        m_c.SSTab1->setCurrentIndex(m_pestana);
        return;
    }
    m_pestana = nueva;
    if (nueva == 1 && !m_c.Text1->isHidden()) {
        m_c.Label8->setText(QStringLiteral("Un momento. Actualizando información..."));
        m_c.Label8->setStyleSheet(naranja);
        m_c.Label8->repaint();
        cargainforme(Pdf::Guardado);
        m_c.Label8->setStyleSheet(grisClaro);
    }
}

void Principal::cargainforme(Pdf pdf)
{
    m_c.Text1->show();
    m_c.WebBrowser1->hide();
    m_urlpdf.clear();
    // Without a draw there is no date to give.
    m_c.Label8->setText(m_sorteo.fecha > 0 ? QStringLiteral("-Informe del ") + fechas::fechalarga(m_sorteo.fecha)
                                           : QStringLiteral("-Informe"));

    const Informe informe = leeInforme(paginas::lee(m_estado.fichero(ficheros::www2)));
    for (int i = 0; i < 13; ++i)
        m_c.Label10[i]->setText(informe.premios[static_cast<std::size_t>(i)]);
    if (informe.urlpdf.isEmpty()) {
        m_c.Text1->setPlainText(avisos::noDisponible());
        return;
    }
    m_urlpdf = informe.urlpdf;
    if (pdf == Pdf::Guardado)
        muestrapdf();
    else
        bajapdf(m_urlpdf);
}

void Principal::bajapdf(const QString& url)
{
    m_pdfbajado = true;
    delete m_descargaPdf;
    m_descargaPdf = bajaPdf(m_plataforma.red, m_estado.ruta, url, [this] { muestrapdf(); });
    m_descargaPdf->setParent(this);
}

void Principal::muestrapdf()
{
    // Shown from memory: the file stays free for the next update to replace.
    QFile fichero(m_estado.fichero(ficheros::ovkPdf));
    const QByteArray contenido = fichero.open(QIODevice::ReadOnly) ? fichero.readAll() : QByteArray();
    fichero.close();
    if (!esPdf(contenido) || m_urlpdf.isEmpty()) {
        m_c.Text1->setPlainText(avisos::noDisponible());
        return;
    }
    if (!m_plataforma.escritorio.hayLectorPdf()) {
        m_c.Text1->setPlainText(avisos::sinLector());
        m_sinlector = 1;
        return;
    }
    if (!m_pdf) {
        m_pdf = new QPdfDocument(this);
        m_c.WebBrowser1->setDocument(m_pdf);
    }
    m_pdf->close();
    m_pdfBytes.close();
    m_pdfBytes.setData(contenido);
    m_pdfBytes.open(QIODevice::ReadOnly);
    m_pdf->load(&m_pdfBytes);
    if (m_pdf->status() == QPdfDocument::Status::Error) {
        m_c.WebBrowser1->hide();
        m_c.Text1->show();
        m_c.Text1->setPlainText(avisos::sinConexion());
        return;
    }
    m_c.WebBrowser1->show();
    m_c.Text1->hide();
}

void Principal::Text1_Click()
{
    if (m_sinlector == 1)
        m_plataforma.escritorio.abre(direcciones::lectorPdf());
}
