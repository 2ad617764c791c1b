#include "store/ficheros.h"

#include "store/reescritura.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace bolvera {

namespace ficheros {

QString calculaRuta(const QString& directorio)
{
    const QString limpio = QDir::cleanPath(QDir::fromNativeSeparators(directorio));
    return limpio.endsWith(u'/') ? limpio : limpio + u'/';
}

QStringList propios()
{
    return {numeros, numerosBak, numerosErr, apuestas, apuestasTmp, apuestasBak, numsIni, www, www2, ovkPdf,
            premios, ajustes, informe, cerrojo, socios, sociosBak};
}

bool esPropio(const QString& ruta, const QString& destino)
{
    const QFileInfo info(destino);
    const QString carpeta = QFileInfo(info.absolutePath()).canonicalFilePath();
    const QString datos = QFileInfo(ruta).canonicalFilePath();
    const QStringList nombres = propios();
    const bool temporal = info.fileName().contains(QStringLiteral(".bolvera-"));
    if (!carpeta.isEmpty() && carpeta == datos && (nombres.contains(info.fileName()) || temporal))
        return true;
    if (!info.exists())
        return false;
    // A link or another path to one of them.
    std::error_code error;
    const std::filesystem::path otro(destino.toStdU16String());
    for (const QString& nombre : nombres) {
        const std::filesystem::path propio((ruta + nombre).toStdU16String());
        if (std::filesystem::exists(propio, error) && std::filesystem::equivalent(otro, propio, error))
            return true;
    }
    return false;
}

QString textoPropio(const QString& destino)
{
    return QStringLiteral("%1 es uno de los ficheros de datos de Bolvera y no se puede sustituir: elija "
                          "otro nombre u otra carpeta.")
        .arg(QDir::toNativeSeparators(destino));
}

void borraTemporales(const QString& ruta)
{
    QDir dir(ruta);
    QStringList filtros;
    for (const QString& nombre : propios())
        filtros << plantillaTemporal(nombre).replace(QStringLiteral("XXXXXX"), QStringLiteral("??????"));
    for (const QString& f : dir.entryList(filtros, QDir::Files | QDir::Hidden))
        dir.remove(f);
}

} // namespace ficheros

} // namespace bolvera
