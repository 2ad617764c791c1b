#include "store/ajustes.h"

#include "store/errores.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"
#include "store/premios.h"
#include "store/reescritura.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryFile>

#include <map>

namespace bolvera {

namespace ajustes {

std::int64_t precioApuesta(const QString& ruta)
{
    const QSettings ajustes(ruta + ficheros::ajustes, QSettings::IniFormat);
    bool ok = false;
    const qint64 precio = ajustes.value(QStringLiteral("precioApuesta")).toLongLong(&ok);
    return ok && precio >= 0 && precio <= premios::maximoCentimos ? precio : 250;
}

std::optional<std::int64_t> leePrecio(const QString& texto)
{
    const auto centimos = premios::centimosDe(texto);
    return centimos && *centimos > 0 ? centimos : std::nullopt;
}

namespace {

bool apagado(const QString& valor)
{
    return QStringList{QStringLiteral("no"), QStringLiteral("false"), QStringLiteral("0"), QStringLiteral("off")}.contains(
        valor.trimmed().toLower());
}

} // namespace

bool avisoSinPremio(const QString& ruta)
{
    const QSettings ajustes(ruta + ficheros::ajustes, QSettings::IniFormat);
    return !apagado(ajustes.value(QStringLiteral("avisos/sinPremio")).toString());
}

namespace {

// The [fuentes] group, keys in lower case: the group and its keys may be
// written in any case.
std::map<QString, QString> grupoFuentes(const QString& ruta)
{
    QSettings ajustes(ruta + ficheros::ajustes, QSettings::IniFormat);
    std::map<QString, QString> r;
    for (const QString& grupo : ajustes.childGroups()) {
        if (grupo.compare(u"fuentes", Qt::CaseInsensitive) != 0)
            continue;
        ajustes.beginGroup(grupo);
        for (const QString& clave : ajustes.childKeys())
            r[clave.toLower()] = ajustes.value(clave).toString().trimmed();
        ajustes.endGroup();
    }
    return r;
}

} // namespace

Fuente fuente(const QString& ruta, const QString& clave)
{
    const auto grupo = grupoFuentes(ruta);
    const auto it = grupo.find(clave.toLower());
    const QString valor = it == grupo.end() ? QString() : it->second;
    Fuente f;
    if (valor.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) || valor.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive))
        f.anfitrion = valor;
    else if (!valor.isEmpty())
        f.activa = !apagado(valor);
    return f;
}

QStringList clavesDesconocidas(const QString& ruta, const QStringList& claves)
{
    QStringList r;
    for (const auto& [clave, valor] : grupoFuentes(ruta))
        if (!claves.contains(clave))
            r << clave;
    return r;
}

namespace {

// Sets one key: QSettings edits a copy away from the data folder, and the
// result replaces ajustes.ini whole, like every other data file, so that a
// full disk or a kill never leaves it half written.
int pon(const QString& ruta, const QString& clave, const QVariant& valor)
{
    const QString fichero = ruta + ficheros::ajustes;
    QByteArray actual;
    if (QFile::exists(fichero))
        if (const int error = ficheroregistros::leeTodo(fichero, actual))
            return error;
    QTemporaryFile copia(QDir::tempPath() + QStringLiteral("/bolvera-ajustes-XXXXXX.ini"));
    if (!copia.open() || copia.write(actual) != actual.size() || !copia.flush())
        return errores::entradaSalida;
    copia.close();
    {
        QSettings ajustes(copia.fileName(), QSettings::IniFormat);
        ajustes.setValue(clave, valor);
        ajustes.sync();
        // A line QSettings could not read is no failure to write: it is dropped.
        if (ajustes.status() == QSettings::AccessError)
            return errores::entradaSalida;
    }
    QByteArray nuevo;
    if (const int error = ficheroregistros::leeTodo(copia.fileName(), nuevo))
        return error;
    return reescribe(fichero, nuevo);
}

} // namespace

int ponPrecioApuesta(const QString& ruta, std::int64_t centimos)
{
    return pon(ruta, QStringLiteral("precioApuesta"), static_cast<qint64>(centimos));
}

} // namespace ajustes

} // namespace bolvera
