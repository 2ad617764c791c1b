#include "store/ficheros.h"

#include <QDir>

namespace ficheros {

QString calculaRuta(const QString& directorio)
{
    const QString limpio = QDir::cleanPath(QDir::fromNativeSeparators(directorio));
    return limpio.endsWith(u'/') ? limpio : limpio + u'/';
}

} // namespace ficheros
