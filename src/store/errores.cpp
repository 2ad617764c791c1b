#include "store/errores.h"

#include <QDir>
#include <QFileInfo>

namespace errores {

int de(const QFileDevice& fichero, bool escribiendo)
{
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

} // namespace errores
