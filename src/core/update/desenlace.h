#pragma once

#include "platform/dialogos.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace bolvera {

// How an update ended, as the terminal reports it: what it said, and
// whether it counts as a success. Draws added make it one whatever came after.
struct Desenlace
{
    bool finalizada = false;
    bool fallo = false;
    bool anadidos = false;
    QStringList avisos;  // "Título: texto", for stdout
    QStringList errores; // the same, for stderr

    void anotaEstado(const QString& texto);
    void anotaAnadidos(const QString& texto);
    void anotaMensaje(Dialogos::Icono icono, const QString& titulo, const QString& texto);
    bool exito() const { return finalizada && (!fallo || anadidos); }

    // What the window sends back to the command that asked it to update.
    QJsonObject json() const;
    static Desenlace deJson(const QJsonObject& o);
};

} // namespace bolvera
