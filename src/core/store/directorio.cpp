#include "core/store/directorio.h"

#include "core/store/ficheros.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace bolvera {

DirectorioDatos directorioDatos(const QString& dirOpcion, const QString& dirEjecutable)
{
    // The user's choice: --dir, else BOLVERA_DIR. It must exist.
    const QString elegido = dirOpcion.isEmpty() ? qEnvironmentVariable("BOLVERA_DIR") : dirOpcion;
    if (!elegido.isEmpty()) {
        if (!QFileInfo(elegido).isDir())
            return {{}, QStringLiteral("No existe el directorio de datos: %1").arg(elegido)};
        return {ficheros::calculaRuta(QDir(elegido).absolutePath()), {}};
    }
    // A folder that already holds the data beside the program (the build
    // tree, a portable copy) stays in use.
    for (const QString& f : {ficheros::numeros, ficheros::apuestas})
        if (QFileInfo::exists(QDir(dirEjecutable).filePath(f)))
            return {ficheros::calculaRuta(QDir(dirEjecutable).absolutePath()), {}};
    // Otherwise the user's own data folder ($XDG_DATA_HOME/Bolvera), made on first start.
    const QString propio = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Bolvera");
    if (!QDir().mkpath(propio))
        return {{}, QStringLiteral("No se puede crear la carpeta de datos: %1").arg(propio)};
    return {ficheros::calculaRuta(propio), {}};
}

} // namespace bolvera
