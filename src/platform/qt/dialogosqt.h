#pragma once

#include "platform/dialogos.h"

#include <QPointer>

// Message boxes and common dialogs shown with Qt, over `padre`.
class DialogosQt final : public Dialogos
{
public:
    void setPadre(QWidget* padre) { m_padre = padre; }

    void mensaje(Icono icono, const QString& titulo, const QString& texto) override;
    bool pregunta(const QString& titulo, const QString& texto) override;
    QString abreFichero(const QString& carpeta, const QString& titulo,
                        const QString& filtro) override;
    bool eligeImpresora(QPrinter& impresora) override;

private:
    QPointer<QWidget> m_padre;
};
