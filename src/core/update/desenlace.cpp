#include "core/update/desenlace.h"

#include "core/update/actualizacion.h"

#include <QJsonArray>

namespace bolvera {

void Desenlace::anotaMensaje(Dialogos::Icono icono, const QString& titulo, const QString& texto)
{
    (icono == Dialogos::Icono::Informacion ? avisos : errores) << titulo + QStringLiteral(": ") + texto;
}

void Desenlace::anotaFin(const FinActualizacion& fin)
{
    exito = fin.exito;
    fuente = fin.fuente;
}

QJsonObject Desenlace::json() const
{
    return {{QStringLiteral("exito"), exito},
            {QStringLiteral("fuente"), fuente},
            {QStringLiteral("avisos"), QJsonArray::fromStringList(avisos)},
            {QStringLiteral("errores"), QJsonArray::fromStringList(errores)}};
}

Desenlace Desenlace::deJson(const QJsonObject& o)
{
    Desenlace d;
    d.exito = o.value(QStringLiteral("exito")).toBool();
    d.fuente = o.value(QStringLiteral("fuente")).toString();
    for (const QJsonValue& v : o.value(QStringLiteral("avisos")).toArray())
        d.avisos << v.toString();
    for (const QJsonValue& v : o.value(QStringLiteral("errores")).toArray())
        d.errores << v.toString();
    return d;
}

} // namespace bolvera
