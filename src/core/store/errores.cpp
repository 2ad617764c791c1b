#include "core/store/errores.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace bolvera {

namespace errores {

QString texto(int error, const QString& fichero)
{
    const QString nombre = fichero.isEmpty() ? QStringLiteral("el fichero") : QDir::toNativeSeparators(fichero);
    switch (error) {
    case accesoRuta:
        return textoPermiso;
    case discoLleno:
        return QStringLiteral("No queda espacio en el disco para guardar %1. Libere espacio y repita la "
                              "operación; no se ha cambiado nada.")
            .arg(nombre);
    case noEsFichero:
        return QStringLiteral("%1 no es un fichero sino una carpeta u otra cosa. Quítelo o cámbielo de "
                              "nombre y repita la operación.")
            .arg(nombre);
    case ficheroNoEncontrado:
        return QStringLiteral("%1 no existe.").arg(nombre);
    case rutaNoEncontrada:
        return QStringLiteral("La carpeta de %1 no existe.").arg(nombre);
    case demasiadoGrande:
        return QStringLiteral("%1 es demasiado grande (más de 16 MiB) para ser lo que se esperaba: no se ha "
                              "leído.")
            .arg(nombre);
    default:
        return {};
    }
}

QString explica(int error, const QString& fichero, const QString& generico)
{
    const QString propio = texto(error, fichero);
    return propio.isEmpty() ? generico + QStringLiteral(" Error %1").arg(error) : propio;
}

int de(const QFileDevice& fichero, bool escribiendo)
{
    if (fichero.error() != QFileDevice::NoError) {
        const QFileInfo info(fichero.fileName());
        if (info.exists() && !info.isFile())
            return noEsFichero;
    }
    switch (fichero.error()) {
    case QFileDevice::NoError:
        return ninguno;
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
    case QFileDevice::CopyError: {
        const QFileInfo info(fichero.fileName());
        if (!info.dir().exists())
            return rutaNoEncontrada;
        if (!escribiendo && !info.exists())
            return ficheroNoEncontrado;
        return accesoRuta;
    }
    default:
        return entradaSalida;
    }
}

int deFallo(const QFileDevice& fichero, bool escribiendo)
{
    const int error = de(fichero, escribiendo);
    return error != ninguno ? error : entradaSalida;
}

int deEscritura(const QFileDevice& fichero, int numeroSistema)
{
    if (numeroSistema == ENOSPC || numeroSistema == EDQUOT)
        return discoLleno;
    return deFallo(fichero, true);
}

} // namespace errores

} // namespace bolvera
