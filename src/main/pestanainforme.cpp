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
#include "update/paginas.h"

#include <QFile>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString ovkPdf = QStringLiteral("ovk.pdf");
const QString grisClaro = QStringLiteral("background-color: rgb(224, 224, 224); padding: 4px;");
const QString naranja = QStringLiteral("background-color: rgb(255, 128, 0); padding: 4px;");

} // namespace

void Principal::SSTab1_Click(int nueva)
{
    paraparpadeo();
    // The report cannot be opened while an update runs.
    if (nueva == 1 && m_timer1->isActive()) {
        const QSignalBlocker sinAviso(m_c.SSTab1);
        m_c.SSTab1->setCurrentIndex(m_pestana);
        return;
    }
    m_pestana = nueva;
    if (nueva == 1 && !m_c.Text1->isHidden()) {
        m_c.Label8->setText(QStringLiteral("Un momento. Actualizando información..."));
        m_c.Label8->setStyleSheet(naranja);
        m_c.Label8->repaint();
        cargainforme(1);
        m_c.Label8->setStyleSheet(grisClaro);
    }
}

void Principal::cargainforme(int local)
{
    m_c.Text1->show();
    m_c.WebBrowser1->hide();
    m_urlpdf.clear();
    m_c.Label8->setText(QStringLiteral("-Informe del ") + fechas::fechalarga(m_sorteo.fecha));

    const Informe informe = leeInforme(paginas::lee(m_estado.fichero(ficheros::www2)));
    for (int i = 0; i < 13; ++i)
        m_c.Label10[i]->setText(informe.premios[static_cast<std::size_t>(i)]);
    if (informe.urlpdf.isEmpty()) {
        m_c.Text1->setPlainText(avisos::noDisponible());
        return;
    }
    m_urlpdf = informe.urlpdf;
    if (local != 0)
        muestrapdf();
    else
        bajapdf(m_urlpdf);
}

void Principal::bajapdf(const QString& url)
{
    // The old report goes first: a failed download leaves none behind.
    QFile::remove(m_estado.fichero(ovkPdf));
    m_pdfbajado = true;
    delete m_descargaPdf;
    m_descargaPdf = m_plataforma.red.trae(QUrl(url));
    m_descargaPdf->setParent(this);
    connect(m_descargaPdf, &Descarga::terminada, this,
            [this](Descarga::Fallo fallo, int, const QByteArray& cuerpo) {
                if (fallo == Descarga::Fallo::Ninguno)
                    reescribe(m_estado.fichero(ovkPdf), cuerpo);
                muestrapdf();
            });
}

void Principal::muestrapdf()
{
    QFile fichero(m_estado.fichero(ovkPdf));
    const QByteArray cabecera = fichero.open(QIODevice::ReadOnly) ? fichero.read(4) : QByteArray();
    fichero.close();
    if (cabecera.toUpper() != "%PDF" || m_urlpdf.isEmpty()) {
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
    if (m_pdf->load(fichero.fileName()) != QPdfDocument::Error::None) {
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
