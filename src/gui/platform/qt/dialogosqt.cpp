#include "gui/platform/qt/dialogosqt.h"

#include "core/store/validacion.h"

#include <QApplication>
#include <QRegularExpression>
#include <QPrinterInfo>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace bolvera {

QWidget* DialogosQt::padre() const
{
    QWidget* activa = QApplication::activeWindow();
    if (activa && activa->isVisible()) {
        if (!qobject_cast<QDialog*>(activa))
            m_enUso = activa;
        return activa;
    }
    // Right after a box closes nothing may be active yet: the window that
    // raised it is still the one in use, and the next box belongs to it.
    return m_enUso && m_enUso->isVisible() ? m_enUso.data() : m_padre.data();
}

void DialogosQt::mensaje(Icono icono, const QString& titulo, const QString& texto)
{
    const QMessageBox::Icon icon = icono == Icono::Informacion ? QMessageBox::Information
                                   : icono == Icono::Exclamacion ? QMessageBox::Warning
                                                                 : QMessageBox::Critical;
    QMessageBox caja(icon, titulo, texto, QMessageBox::Ok, padre());
    caja.exec();
}

bool DialogosQt::pregunta(const QString& titulo, const QString& texto, PorDefecto porDefecto)
{
    return QMessageBox::question(padre(), titulo, texto, QMessageBox::Yes | QMessageBox::No,
                                 porDefecto == PorDefecto::Si ? QMessageBox::Yes : QMessageBox::No) ==
           QMessageBox::Yes;
}

namespace {

// "Texto (numeros.dat)" matching any case, as on Windows: each letter of the
// patterns becomes a class such as [nN].
QString sinMayusculas(const QString& filtro)
{
    const qsizetype abre = filtro.lastIndexOf(u'(');
    if (abre < 0)
        return filtro;
    QString resultado = filtro.left(abre + 1);
    for (qsizetype i = abre + 1; i < filtro.size(); ++i) {
        const QChar c = filtro[i];
        resultado += c.isLetter() && c.toLower() != c.toUpper()
                         ? QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper())
                         : QString(c);
    }
    return resultado;
}

} // namespace

QString DialogosQt::abreFichero(const QString& carpeta, const QString& titulo,
                                const QString& filtro)
{
    QFileDialog dialogo(padre(), titulo, carpeta, sinMayusculas(filtro));
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setOption(QFileDialog::HideNameFilterDetails);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().front();
}

bool DialogosQt::eligeImpresora(QPrinter& impresora)
{
    QPrintDialog dialogo(&impresora, padre());
    // "Print to File (PDF)" stays: a user without a printer prints later.
    dialogo.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialogo.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialogo.exec() == QDialog::Accepted;
}

bool DialogosQt::hayImpresoras() { return !QPrinterInfo::availablePrinters().isEmpty(); }

QString DialogosQt::guardaFichero(const QString& carpeta, const QString& titulo, const QString& filtro)
{
    QFileDialog dialogo(padre(), titulo, carpeta, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix of the filter's first pattern: "Archivos CSV (*.csv)" gives "csv".
    const qsizetype punto = filtro.indexOf(QStringLiteral("(*."));
    dialogo.setDefaultSuffix(punto >= 0 ? filtro.mid(punto + 3).section(QRegularExpression(QStringLiteral("[ )]")), 0, 0)
                                        : QString());
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().front();
}

std::optional<Dialogos::SorteoEscrito> DialogosQt::pideSorteo(const SorteoEscrito& propuesta)
{
    QDialog dialogo(padre());
    dialogo.setObjectName(QStringLiteral("AnadirSorteo"));
    dialogo.setWindowTitle(QStringLiteral("Añadir sorteo"));
    auto* formulario = new QFormLayout(&dialogo);
    auto* dia = new QDateEdit(propuesta.fecha);
    dia->setObjectName(QStringLiteral("Fecha"));
    dia->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    // Nothing before the first draw of all can be typed.
    dia->setMinimumDate(validacion::primerSorteo);
    dia->setCalendarPopup(true);
    auto* combinacion = new QLineEdit(propuesta.combinacion);
    combinacion->setObjectName(QStringLiteral("Combinacion"));
    combinacion->setMinimumWidth(220);
    combinacion->setPlaceholderText(QStringLiteral("1 2 3 4 5 + 1 2"));
    formulario->addRow(QStringLiteral("Fecha del sorteo:"), dia);
    formulario->addRow(QStringLiteral("Números + estrellas:"), combinacion);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(botones, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    formulario->addRow(botones);
    (propuesta.fecha.isValid() && propuesta.combinacion.isEmpty() ? static_cast<QWidget*>(combinacion) : dia)->setFocus();
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return SorteoEscrito{dia->date(), combinacion->text()};
}

} // namespace bolvera
