#include "core/store/reescritura.h"

#include "core/store/errores.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace bolvera {

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Pushes the written bytes to the disk before the rename makes them the file.
bool sincroniza(QFile& f)
{
    if (!f.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(f.handle()) == 0;
#else
    return true;
#endif
}

} // namespace

QString plantillaTemporal(const QString& ruta) { return ruta + QStringLiteral(".bolvera-XXXXXX"); }

int reescribible(const QString& ruta)
{
    const QFileInfo destino(ruta);
    if (!destino.dir().exists())
        return errores::rutaNoEncontrada;
    if (destino.exists() && !destino.isFile())
        return errores::noEsFichero;
    // A file the user made read-only stays as it is, as any editor would.
    if (destino.exists() && !destino.isWritable())
        return errores::accesoRuta;
    return errores::ninguno;
}

int reescribe(const QString& ruta, const QByteArray& contenido)
{
    if (const int error = reescribible(ruta))
        return error;
    const QFileInfo destino(ruta);
    QTemporaryFile f(plantillaTemporal(ruta));
    if (!f.open())
        return errores::deFallo(f, true);
    errno = 0;
    if (f.write(contenido) != contenido.size() || !sincroniza(f))
        return errores::deEscritura(f, errno);
    f.setPermissions(destino.exists() ? destino.permissions()
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    f.close();

    std::error_code error;
    std::filesystem::rename(std::filesystem::path(f.fileName().toStdU16String()),
                            std::filesystem::path(ruta.toStdU16String()), error);
    if (error)
        return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
                       error == std::errc::read_only_file_system
                   ? errores::accesoRuta
               : error == std::errc::no_space_on_device ? errores::discoLleno
                                                        : errores::entradaSalida;
    f.setAutoRemove(false);
    return errores::ninguno;
}

} // namespace bolvera
