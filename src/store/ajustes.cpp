#include "store/ajustes.h"

#include "store/errores.h"
#include "store/ficheros.h"

#include <QSettings>

namespace ajustes {

std::int64_t precioApuesta(const QString& ruta)
{
    const QSettings ajustes(ruta + ficheros::ajustes, QSettings::IniFormat);
    bool ok = false;
    const qint64 precio = ajustes.value(QStringLiteral("precioApuesta")).toLongLong(&ok);
    return ok && precio >= 0 ? precio : 250;
}

int ponPrecioApuesta(const QString& ruta, std::int64_t centimos)
{
    QSettings ajustes(ruta + ficheros::ajustes, QSettings::IniFormat);
    ajustes.setValue(QStringLiteral("precioApuesta"), static_cast<qint64>(centimos));
    ajustes.sync();
    return ajustes.status() == QSettings::NoError ? errores::ninguno : errores::accesoRuta;
}

} // namespace ajustes
