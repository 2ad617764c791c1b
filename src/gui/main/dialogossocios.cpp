// The members tab's dialogs: a member's card, a payment and the summary.
#include "gui/main/dialogossocios.h"

#include "gui/comun/errorpermiso.h"

#include "gui/comun/nombra.h"
#include "core/platform/dialogos.h"
#include "gui/print/resumenpdf.h"
#include "core/store/ficheros.h"
#include "core/store/reescritura.h"
#include "core/store/premios.h"
#include "gui/comun/contraste.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace bolvera {

namespace {

QDialogButtonBox* aceptarCancelar(QDialog* dialogo)
{
    auto* botones = nombra(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), QStringLiteral("Botones"));
    QObject::connect(botones, &QDialogButtonBox::accepted, dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, dialogo, &QDialog::reject);
    return botones;
}

QDateEdit* fecha(const QString& nombre, QDate dia)
{
    auto* caja = nombra(new QDateEdit(dia), nombre);
    caja->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    caja->setCalendarPopup(true);
    return caja;
}

} // namespace

FichaSocio::FichaSocio(const QString& titulo, std::vector<socios::Socio> lista, std::optional<std::size_t> i,
                       QWidget* padre)
    : QDialog(padre), m_lista(std::move(lista)), m_indice(i)
{
    const socios::Socio socio = i ? m_lista.at(*i) : socios::Socio{};
    setObjectName(QStringLiteral("FichaSocio"));
    setWindowTitle(titulo);
    auto* forma = new QFormLayout(this);
    m_nombre = nombra(new QLineEdit(socio.nombre), QStringLiteral("TextNombre"));
    m_nombre->setMaxLength(60);
    m_participaciones = nombra(new QSpinBox, QStringLiteral("SpinParticipaciones"));
    m_participaciones->setRange(1, 9999);
    m_participaciones->setValue(socio.participaciones);
    m_nota = nombra(new QLineEdit(socio.nota), QStringLiteral("TextNota"));
    m_nota->setPlaceholderText(QStringLiteral("teléfono o correo"));
    m_nota->setMinimumWidth(260);
    m_aviso = nombra(new QLabel, QStringLiteral("LabelAviso"));
    m_aviso->setStyleSheet(contraste::css(QColor(192, 0, 0)));
    forma->addRow(QStringLiteral("&Nombre:"), m_nombre);
    forma->addRow(QStringLiteral("&Participaciones:"), m_participaciones);
    forma->addRow(QStringLiteral("N&ota:"), m_nota);
    forma->addRow(m_aviso);
    m_botones = aceptarCancelar(this);
    forma->addRow(m_botones);
    connect(m_nombre, &QLineEdit::textChanged, this, &FichaSocio::valida);
    valida();
}

void FichaSocio::valida()
{
    const auto motivo = socios::nombreValido(m_lista, m_nombre->text(), m_indice);
    m_aviso->setText(motivo == socios::Motivo::NombreRepetido ? QStringLiteral("Ya hay un socio con ese nombre.")
                                                              : QString());
    m_botones->button(QDialogButtonBox::Ok)->setEnabled(!motivo);
}

socios::Socio FichaSocio::socio() const
{
    socios::Socio s = m_indice ? m_lista.at(*m_indice) : socios::Socio{};
    s.nombre = m_nombre->text().trimmed();
    s.participaciones = m_participaciones->value();
    s.nota = m_nota->text().trimmed();
    return s;
}

PagoSocio::PagoSocio(const QString& nombre, QDate hoy, QWidget* padre) : QDialog(padre)
{
    setObjectName(QStringLiteral("PagoSocio"));
    setWindowTitle(QStringLiteral("Pago de ") + nombre);
    auto* forma = new QFormLayout(this);
    m_importe = nombra(new QLineEdit, QStringLiteral("TextImporte"));
    m_importe->setPlaceholderText(QStringLiteral("por ejemplo 10,00"));
    m_fecha = fecha(QStringLiteral("FechaPago"), hoy);
    m_correccion = nombra(new QCheckBox(QStringLiteral("Es una &corrección: resta el importe")),
                          QStringLiteral("CheckCorreccion"));
    forma->addRow(QStringLiteral("&Importe (€):"), m_importe);
    forma->addRow(QStringLiteral("&Fecha:"), m_fecha);
    forma->addRow(m_correccion);
    m_botones = aceptarCancelar(this);
    forma->addRow(m_botones);
    const auto valida = [this] {
        const auto c = premios::centimosDe(m_importe->text());
        m_botones->button(QDialogButtonBox::Ok)->setEnabled(c && socios::importeValido(*c));
    };
    connect(m_importe, &QLineEdit::textChanged, this, valida);
    valida();
}

socios::Pago PagoSocio::pago() const { return {m_fecha->date(), premios::centimosDe(m_importe->text()).value_or(0)}; }

bool PagoSocio::correccion() const { return m_correccion->isChecked(); }

ResumenSocios::ResumenSocios(Dialogos& dialogos, const QString& ruta, QDate desde, QDate hasta, Calcula calcula,
                             std::function<void(QDate)> hecho, QWidget* padre)
    : QDialog(padre), m_dialogos(dialogos), m_ruta(ruta), m_calcula(std::move(calcula)), m_hecho(std::move(hecho))
{
    setObjectName(QStringLiteral("ResumenSocios"));
    setWindowTitle(QStringLiteral("Resumen para los socios"));
    auto* col = new QVBoxLayout(this);
    auto* periodo = new QHBoxLayout;
    m_desde = fecha(QStringLiteral("FechaDesde"), desde);
    m_hasta = fecha(QStringLiteral("FechaHasta"), hasta);
    auto* etiquetaDesde = new QLabel(QStringLiteral("&Desde:"));
    etiquetaDesde->setBuddy(m_desde);
    auto* etiquetaHasta = new QLabel(QStringLiteral("&Hasta:"));
    etiquetaHasta->setBuddy(m_hasta);
    periodo->addWidget(etiquetaDesde);
    periodo->addWidget(m_desde);
    periodo->addWidget(etiquetaHasta);
    periodo->addWidget(m_hasta);
    periodo->addStretch(1);
    col->addLayout(periodo);

    m_texto = dice(nombra(new QPlainTextEdit, QStringLiteral("TextoResumen")), QStringLiteral("Texto del resumen"),
                   QStringLiteral("El resumen tal como se copia para los socios."));
    m_texto->setReadOnly(true);
    m_texto->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_texto->setMinimumSize(520, 300);
    col->addWidget(m_texto, 1);
    m_estado = nombra(new QLabel, QStringLiteral("LabelEstado"));
    col->addWidget(m_estado);

    auto* botones = new QDialogButtonBox;
    auto* pdf = nombra(botones->addButton(QStringLiteral("Guardar &PDF..."), QDialogButtonBox::ActionRole),
                       QStringLiteral("CommandPdf"));
    auto* copiar = nombra(botones->addButton(QStringLiteral("&Copiar texto"), QDialogButtonBox::ActionRole),
                          QStringLiteral("CommandCopiar"));
    auto* cerrar = nombra(botones->addButton(QDialogButtonBox::Close), QStringLiteral("CommandCerrar"));
    col->addWidget(botones);
    // Enter in a date must not close the dialog.
    for (QPushButton* b : {pdf, copiar, cerrar})
        b->setAutoDefault(false);
    connect(pdf, &QPushButton::clicked, this, &ResumenSocios::guardaPdf);
    connect(copiar, &QPushButton::clicked, this, &ResumenSocios::copia);
    connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_desde, &QDateEdit::dateChanged, this, &ResumenSocios::actualiza);
    connect(m_hasta, &QDateEdit::dateChanged, this, &ResumenSocios::actualiza);
    actualiza();
}

void ResumenSocios::actualiza()
{
    m_resumen = m_calcula(m_desde->date(), m_hasta->date());
    m_texto->setPlainText(resumenTexto(m_resumen));
    m_estado->clear();
}

void ResumenSocios::guardaPdf()
{
    // A '/' in the peña's name must not make a folder of the proposed file.
    QString nombre = QStringLiteral("Resumen %1.pdf").arg(m_resumen.pena);
    nombre.replace(u'/', u'-');
    const QString destino = m_dialogos.guardaFichero(
        QDir::homePath() + u'/' + nombre,
        QStringLiteral("Guardar el resumen en un PDF"), QStringLiteral("Documentos PDF (*.pdf)"));
    if (destino.isEmpty())
        return;
    if (const auto motivo = ficheros::motivoSalida(m_ruta, destino)) {
        m_dialogos.mensaje(Dialogos::Icono::Exclamacion, QStringLiteral("¡Vaya hombre!"), *motivo);
        return;
    }
    if (errorEscritura(m_dialogos, reescribe(destino, resumenPdf(m_resumen)), destino,
                       QStringLiteral("No se pudo escribir %1.").arg(destino)))
        return;
    m_estado->setText(QStringLiteral("Resumen guardado en %1.").arg(destino));
    m_hecho(m_hasta->date());
}

void ResumenSocios::copia()
{
    QGuiApplication::clipboard()->setText(resumenTexto(m_resumen));
    m_estado->setText(QStringLiteral("Texto copiado: ya puede pegarlo en un mensaje."));
    m_hecho(m_hasta->date());
}

} // namespace bolvera
