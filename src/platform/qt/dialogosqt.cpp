#include "platform/qt/dialogosqt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

void DialogosQt::mensaje(Icono icono, const QString& titulo, const QString& texto)
{
    const QMessageBox::Icon icon = icono == Icono::Informacion ? QMessageBox::Information
                                   : icono == Icono::Exclamacion ? QMessageBox::Warning
                                                                 : QMessageBox::Critical;
    QMessageBox caja(icon, titulo, texto, QMessageBox::Ok, m_padre);
    caja.exec();
}

bool DialogosQt::pregunta(const QString& titulo, const QString& texto)
{
    return QMessageBox::question(m_padre, titulo, texto, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

QString DialogosQt::abreFichero(const QString& carpeta, const QString& titulo,
                                const QString& filtro)
{
    return QFileDialog::getOpenFileName(m_padre, titulo, carpeta, filtro);
}

bool DialogosQt::eligeImpresora(QPrinter& impresora)
{
    QPrintDialog dialogo(&impresora, m_padre);
    return dialogo.exec() == QDialog::Accepted;
}
