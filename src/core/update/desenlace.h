#pragma once

#include "core/platform/dialogos.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace bolvera {

struct FinActualizacion;

// How an update ended, as the terminal reports it: what it said, and
// whether it did its work.
struct Desenlace
{
    bool exito = false;
    QString fuente;      // where the new draws came from; empty when none
    QStringList avisos;  // "Título: texto", for stdout
    QStringList errores; // the same, for stderr

    void anotaMensaje(Dialogos::Icono icono, const QString& titulo, const QString& texto);
    void anotaFin(const FinActualizacion& fin);

    // What the window sends back to the command that asked it to update.
    QJsonObject json() const;
    static Desenlace deJson(const QJsonObject& o);
};

} // namespace bolvera
