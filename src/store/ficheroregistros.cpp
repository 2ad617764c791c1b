#include "store/ficheroregistros.h"

#include "store/errores.h"

#include <QFile>

namespace ficheroregistros {

QByteArray leeEnteros(const QString& ruta, qsizetype tamano)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    bytes.truncate(bytes.size() - bytes.size() % tamano);
    return bytes;
}

int escribe(const QString& ruta, qsizetype tamano, int k, const QByteArray& bytes)
{
    Q_ASSERT(k >= 1 && bytes.size() == tamano);
    QFile f(ruta);
    if (!f.open(QIODevice::ReadWrite))
        return errores::de(f, true);
    if (!f.seek(tamano * (k - 1)) || f.write(bytes) != tamano || !f.flush())
        return errores::de(f, true);
    return errores::ninguno;
}

int asegura(const QString& ruta)
{
    QFile f(ruta);
    if (f.exists())
        return errores::ninguno;
    if (!f.open(QIODevice::WriteOnly))
        return errores::de(f, true);
    return errores::ninguno;
}

} // namespace ficheroregistros
