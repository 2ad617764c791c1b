#include "core/store/ajustes.h"

#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"
#include "core/store/premios.h"
#include "core/store/reescritura.h"

#include <QFile>
#include <QSettings>

#include <map>

namespace bolvera {

namespace ajustes {

namespace {

// A pipe or a device in ajustes.ini's place is never opened: it would wait
// for ever. The settings are then their defaults.
bool leible(const QString& ruta) { return ficheroregistros::normalOAusente(ruta + ficheros::ajustes); }

} // namespace

std::int64_t precioApuesta(const QString& ruta)
{
    if (!leible(ruta))
        return 250;
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
    if (!leible(ruta))
        return true;
    const QSettings ajustes(ruta + ficheros::ajustes, QSettings::IniFormat);
    return !apagado(ajustes.value(QStringLiteral("avisos/sinPremio")).toString());
}

namespace {

// The [fuentes] group, keys in lower case: the group and its keys may be
// written in any case.
std::map<QString, QString> grupoFuentes(const QString& ruta)
{
    std::map<QString, QString> r;
    if (!leible(ruta))
        return r;
    QSettings ajustes(ruta + ficheros::ajustes, QSettings::IniFormat);
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

// The text of ajustes.ini with `clave` of the general group set to `valor`,
// every other line as it was, even one QSettings cannot read. Keys before
// any [group] and those of [General] are the general ones.
QByteArray conClave(const QByteArray& texto, const QByteArray& clave, const QByteArray& valor)
{
    QList<QByteArray> lineas = texto.split('\n');
    if (lineas.back().isEmpty())
        lineas.removeLast();
    bool general = true;
    qsizetype cabecera = -1;
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        const QByteArray l = lineas[i].trimmed();
        if (l.startsWith('[') && l.endsWith(']')) {
            general = l == "[General]";
            cabecera = general ? i : cabecera;
            continue;
        }
        const qsizetype igual = l.indexOf('=');
        if (general && igual > 0 && l.left(igual).trimmed() == clave) {
            lineas[i] = clave + '=' + valor + (lineas[i].endsWith('\r') ? "\r" : "");
            return lineas.join('\n') + '\n';
        }
    }
    if (cabecera >= 0)
        lineas.insert(cabecera + 1, clave + '=' + valor);
    else
        lineas = QList<QByteArray>{"[General]", clave + '=' + valor} + lineas;
    return lineas.join('\n') + '\n';
}

// Sets one key of the general group: the new text replaces ajustes.ini whole,
// like every other data file, so that a full disk or a kill never leaves it
// half written. No copy is made elsewhere: a temporary folder that is full
// must not empty it.
int pon(const QString& ruta, const QByteArray& clave, const QByteArray& valor)
{
    const QString fichero = ruta + ficheros::ajustes;
    QByteArray actual;
    if (QFile::exists(fichero))
        if (const int error = ficheroregistros::leeTodo(fichero, actual))
            return error;
    return reescribe(fichero, conClave(actual, clave, valor));
}

} // namespace

int ponPrecioApuesta(const QString& ruta, std::int64_t centimos)
{
    return pon(ruta, "precioApuesta", QByteArray::number(static_cast<qint64>(centimos)));
}

} // namespace ajustes

} // namespace bolvera
