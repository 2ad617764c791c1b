#include "app/opciones.h"

#include "store/ficheros.h"

#include <QDir>
#include <QFileInfo>

DirectorioDatos directorioDatos(const QString& dirOpcion, const QString& dirEjecutable)
{
    const QString dir = dirOpcion.isEmpty() ? dirEjecutable : dirOpcion;
    if (!QFileInfo(dir).isDir())
        return {{}, QStringLiteral("No existe el directorio de datos: %1").arg(dir)};
    return {ficheros::calculaRuta(QDir(dir).absolutePath()), {}};
}
