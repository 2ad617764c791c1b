#include "core/platform/cerrojo.h"

#include "core/store/errores.h"
#include "core/store/ficheros.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace bolvera {

Cerrojo::Cerrojo(const QString& ruta) : m_ruta(ruta), m_fichero(ruta + ficheros::cerrojo)
{
    // Only a dead holder makes a lock stale, never its age: an update may take minutes.
    m_fichero.setStaleLockTime(0);
}

bool Cerrojo::sinDueno() const
{
    qint64 pid = 0;
    QString maquina;
    QString programa;
    if (m_fichero.getLockInfo(&pid, &maquina, &programa) && pid > 0)
        return false;
    const QFileInfo info(m_ruta + ficheros::cerrojo);
    if (!info.exists())
        return false;
    const QDateTime ahora = QDateTime::currentDateTime();
    if (info.lastModified() > ahora.addSecs(1)) {
        // Dated in the future (a clock that went back, a copied folder): its
        // age is unknown, so it counts from now and goes stale as any other.
        std::error_code error;
        std::filesystem::last_write_time(std::filesystem::path(info.filePath().toStdU16String()),
                                         std::filesystem::file_time_type::clock::now(), error);
        return false;
    }
    return info.lastModified().secsTo(ahora) >= segundosSinDueno;
}

bool Cerrojo::toma()
{
    m_fallo = Fallo::Ninguno;
    if (m_fichero.tryLock(0))
        return true;
    if (m_fichero.error() == QLockFile::LockFailedError && sinDueno()) {
        // Two programs that both found it so must not both remove it: the
        // second would remove the lock the first has just made.
        QLockFile quita(m_ruta + ficheros::cerrojo + QStringLiteral(".rmlock"));
        if (quita.tryLock(0) && sinDueno()) {
            m_fichero.removeStaleLockFile();
            if (m_fichero.tryLock(0))
                return true;
        }
    }
    switch (m_fichero.error()) {
    case QLockFile::LockFailedError:
        m_fallo = Fallo::Ocupado;
        break;
    case QLockFile::PermissionError:
        m_fallo = Fallo::SinPermiso;
        break;
    default:
        m_fallo = Fallo::Otro;
        break;
    }
    return false;
}

QString Cerrojo::motivo() const
{
    switch (m_fallo) {
    case Fallo::Ninguno:
        return {};
    case Fallo::Ocupado:
        return ocupado(m_ruta);
    case Fallo::SinPermiso:
        return QStringLiteral("No se puede escribir en la carpeta de datos %1: no se ha cambiado nada.\n")
                   .arg(QDir::toNativeSeparators(m_ruta)) +
               QString(errores::textoPermiso).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    case Fallo::Otro:
        break;
    }
    return QStringLiteral("No se puede usar la carpeta de datos %1 (¿está llena o no es una carpeta?): no se ha "
                          "cambiado nada.")
        .arg(QDir::toNativeSeparators(m_ruta));
}

QString Cerrojo::ocupado(const QString& ruta)
{
    return QStringLiteral("La carpeta de datos %1 está en uso por otro Bolvera (la ventana u otra orden). "
                          "Ciérrelo o espere a que termine; no se ha cambiado nada.")
        .arg(QDir::toNativeSeparators(ruta));
}

} // namespace bolvera
