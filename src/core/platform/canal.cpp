#include "core/platform/canal.h"

#include <QCryptographicHash>

namespace bolvera {

QString canalVentana(const QString& ruta)
{
    return QStringLiteral("bolvera-") +
           QString::fromLatin1(QCryptographicHash::hash(ruta.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace bolvera
