#include "platform/cerrojo.h"

#include <QDir>

Cerrojo::Cerrojo(const QString& ruta) : m_fichero(ruta + QStringLiteral("bolvera.lock"))
{
    // Only a dead holder makes a lock stale, never its age: an update may take minutes.
    m_fichero.setStaleLockTime(0);
}

bool Cerrojo::toma() { return m_fichero.tryLock(0); }

QString Cerrojo::ocupado(const QString& ruta)
{
    return QStringLiteral("La carpeta de datos %1 está en uso por otro Bolvera (la ventana u otra orden). "
                          "Ciérrelo o espere a que termine; no se ha cambiado nada.")
        .arg(QDir::toNativeSeparators(ruta));
}
