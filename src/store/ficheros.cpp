#include "store/ficheros.h"

#include "store/reescritura.h"

#include <QDir>

namespace ficheros {

QString calculaRuta(const QString& directorio)
{
    const QString limpio = QDir::cleanPath(QDir::fromNativeSeparators(directorio));
    return limpio.endsWith(u'/') ? limpio : limpio + u'/';
}

void borraTemporales(const QString& ruta)
{
    QDir dir(ruta);
    QStringList filtros;
    for (const QString& nombre : {numeros, numerosBak, numerosErr, apuestas, numsIni, www, www2, ovkPdf, premios,
                                  QStringLiteral("informe.dat")})
        filtros << plantillaTemporal(nombre).replace(QStringLiteral("XXXXXX"), QStringLiteral("??????"));
    for (const QString& f : dir.entryList(filtros, QDir::Files | QDir::Hidden))
        dir.remove(f);
}

} // namespace ficheros
