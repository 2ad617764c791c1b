#include "core/store/ficheros.h"

#include "core/store/reescritura.h"

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

namespace {

// Where writing `destino` lands: every symbolic link followed, also one that
// points at a file not made yet, and its folder as the system names it.
QFileInfo destinoFinal(const QString& destino)
{
    QString r = QFileInfo(destino).absoluteFilePath();
    for (int saltos = 0; saltos < 40; ++saltos) {
        const QFileInfo info(r);
        if (!info.isSymLink())
            break;
        r = info.symLinkTarget();
    }
    const QFileInfo info(r);
    const QString carpeta = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QFileInfo(carpeta.isEmpty() ? info.absoluteFilePath() : carpeta + u'/' + info.fileName());
}

} // namespace

bool esPropio(const QString& ruta, const QString& destino)
{
    const QFileInfo final = destinoFinal(destino);
    const QString datos = QFileInfo(ruta).canonicalFilePath();
    const bool temporal = final.fileName().contains(QStringLiteral(".bolvera-"));
    if (!datos.isEmpty() && final.absolutePath() == datos && (propios().contains(final.fileName()) || temporal))
        return true;
    if (!final.exists())
        return false;
    // The very same file by another name (a hard link, a bind mount).
    std::error_code error;
    const std::filesystem::path otro(final.absoluteFilePath().toStdU16String());
    for (const QString& nombre : propios()) {
        const std::filesystem::path propio((ruta + nombre).toStdU16String());
        if (std::filesystem::exists(propio, error) && std::filesystem::equivalent(otro, propio, error))
            return true;
    }
    return false;
}

std::optional<QString> motivoSalida(const QString& ruta, const QString& destino)
{
    if (esPropio(ruta, destino))
        return textoPropio(destino);
    std::error_code error;
    const auto estado = std::filesystem::status(destinoFinal(destino).absoluteFilePath().toStdU16String(), error);
    if (std::filesystem::exists(estado) && !std::filesystem::is_regular_file(estado))
        return QStringLiteral("%1 no es un fichero normal (es una carpeta, una tubería o un dispositivo): elija otro "
                              "nombre.")
            .arg(destino);
    return std::nullopt;
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
