#include "update/desenlace.h"

#include <QJsonArray>

namespace bolvera {

void Desenlace::anotaEstado(const QString& texto)
{
    if (texto.startsWith(QStringLiteral("TRANSFERENCIA FINALIZADA")))
        finalizada = true;
}

void Desenlace::anotaAnadidos(const QString& texto) { anadidos = anadidos || !texto.isEmpty(); }

void Desenlace::anotaMensaje(Dialogos::Icono icono, const QString& titulo, const QString& texto)
{
    (icono == Dialogos::Icono::Informacion ? avisos : errores) << titulo + QStringLiteral(": ") + texto;
    // Nothing new yet is the one message that is no failure.
    if (texto != QStringLiteral("Todavía no hay sorteos nuevos."))
        fallo = true;
}

QJsonObject Desenlace::json() const
{
    return {{QStringLiteral("exito"), exito()},
            {QStringLiteral("avisos"), QJsonArray::fromStringList(avisos)},
            {QStringLiteral("errores"), QJsonArray::fromStringList(errores)}};
}

Desenlace Desenlace::deJson(const QJsonObject& o)
{
    Desenlace d;
    d.finalizada = o.value(QStringLiteral("exito")).toBool(); // with no failure noted, exito() is just that
    for (const QJsonValue& v : o.value(QStringLiteral("avisos")).toArray())
        d.avisos << v.toString();
    for (const QJsonValue& v : o.value(QStringLiteral("errores")).toArray())
        d.errores << v.toString();
    return d;
}

} // namespace bolvera
