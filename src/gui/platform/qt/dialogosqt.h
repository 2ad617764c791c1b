#pragma once

#include "core/platform/dialogos.h"

#include <QPointer>

namespace bolvera {

// Message boxes and common dialogs shown with Qt over the window the user is
// working in (the one that raises them), else over `padre`: closing a box
// gives the focus back to the window that raised it.
class DialogosQt final : public Dialogos
{
public:
    void setPadre(QWidget* padre) { m_padre = padre; }

    void mensaje(Icono icono, const QString& titulo, const QString& texto) override;
    bool pregunta(const QString& titulo, const QString& texto, PorDefecto porDefecto) override;
    QString abreFichero(const QString& carpeta, const QString& titulo,
                        const QString& filtro) override;
    QString guardaFichero(const QString& carpeta, const QString& titulo,
                          const QString& filtro) override;
    bool eligeImpresora(QPrinter& impresora) override;
    bool hayImpresoras() override;
    std::optional<SorteoEscrito> pideSorteo(const SorteoEscrito& propuesta) override;

private:
    QWidget* padre() const;

    QPointer<QWidget> m_padre;
    mutable QPointer<QWidget> m_enUso; // the last window that raised a box
};

} // namespace bolvera
