#pragma once

#include <QDate>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace bolvera {

// The modal boxes and common dialogs, so that tests can answer them.
class Dialogos
{
public:
    enum class Icono { Informacion, Exclamacion, Critico };
    // What Enter answers: No for a question whose Yes destroys something.
    enum class PorDefecto { Si, No };

    virtual ~Dialogos() = default;
    virtual void mensaje(Icono icono, const QString& titulo, const QString& texto) = 0;
    // A Yes/No question; true for Yes.
    virtual bool pregunta(const QString& titulo, const QString& texto, PorDefecto porDefecto = PorDefecto::Si) = 0;
    // The chosen file, or an empty text when the user cancels.
    virtual QString abreFichero(const QString& carpeta, const QString& titulo,
                                const QString& filtro) = 0;
    // The file to write, or an empty text when the user cancels.
    virtual QString guardaFichero(const QString& carpeta, const QString& titulo,
                                  const QString& filtro) = 0;
    // Lets the user choose and set up `impresora` (a printer, or a PDF file);
    // false when cancelled.
    virtual bool eligeImpresora(QPrinter& impresora) = 0;
    // Whether the system has any printer at all.
    virtual bool hayImpresoras() = 0;

    // A draw typed by the user: its date and "n1 n2 n3 n4 n5 + e1 e2".
    struct SorteoEscrito
    {
        QDate fecha;
        QString combinacion;
    };
    // Asks for one draw, starting from `propuesta`; empty when cancelled.
    virtual std::optional<SorteoEscrito> pideSorteo(const SorteoEscrito& propuesta) = 0;
};

} // namespace bolvera
