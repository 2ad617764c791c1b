#include "platform/qt/dialogosqt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

QWidget* DialogosQt::padre() const
{
    QWidget* activa = QApplication::activeWindow();
    return activa && activa->isVisible() ? activa : m_padre.data();
}

void DialogosQt::mensaje(Icono icono, const QString& titulo, const QString& texto)
{
    const QMessageBox::Icon icon = icono == Icono::Informacion ? QMessageBox::Information
                                   : icono == Icono::Exclamacion ? QMessageBox::Warning
                                                                 : QMessageBox::Critical;
    QMessageBox caja(icon, titulo, texto, QMessageBox::Ok, padre());
    caja.exec();
}

bool DialogosQt::pregunta(const QString& titulo, const QString& texto)
{
    return QMessageBox::question(padre(), titulo, texto, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
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
    dialogo.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialogo.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialogo.exec() == QDialog::Accepted;
}
