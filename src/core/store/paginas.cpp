#include "core/store/paginas.h"

#include "core/store/ficheroregistros.h"
#include "core/store/reescritura.h"
#include "core/store/texto1252.h"

namespace bolvera {

namespace paginas {

QByteArray guardada(const QByteArray& documento)
{
    return '"' + documento + QByteArrayLiteral("\"\r\n");
}

int guarda(const QString& ruta, const QString& nombre, const QByteArray& documento)
{
    return reescribe(ruta + nombre, guardada(documento));
}

QString lee(const QString& fichero)
{
    QByteArray bytes;
    if (ficheroregistros::leeTodo(fichero, bytes) != 0)
        return {};
    return texto1252::decodifica(bytes);
}

} // namespace paginas

} // namespace bolvera
