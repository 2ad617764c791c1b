#include "core/store/ficheroregistros.h"

#include "core/store/errores.h"
#include "core/store/reescritura.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace bolvera {

namespace ficheroregistros {

bool normalOAusente(const QString& ruta)
{
    std::error_code error;
    const auto estado = std::filesystem::status(ruta.toStdU16String(), error);
    return !std::filesystem::exists(estado) || std::filesystem::is_regular_file(estado);
}

int leeTodo(const QString& ruta, QByteArray& bytes)
{
    if (!normalOAusente(ruta))
        return errores::noEsFichero;
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return errores::deFallo(f, false);
    bytes = f.readAll();
    return errores::de(f, false);
}

int leeEntrada(const QString& ruta, QByteArray& bytes)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return errores::deFallo(f, false);
    if (f.size() > maximoEntrada)
        return errores::demasiadoGrande;
    // Read with the cap too: a device or a pipe has no size.
    bytes = f.read(maximoEntrada + 1);
    if (bytes.size() > maximoEntrada) {
        bytes.clear();
        return errores::demasiadoGrande;
    }
    return errores::de(f, false);
}

int leeEnteros(const QString& ruta, qsizetype tamano, QByteArray& bytes)
{
    if (const int error = leeTodo(ruta, bytes))
        return error;
    bytes.truncate(bytes.size() - bytes.size() % tamano);
    return errores::ninguno;
}

QByteArray leeEnteros(const QString& ruta, qsizetype tamano)
{
    QByteArray bytes;
    return leeEnteros(ruta, tamano, bytes) == errores::ninguno ? bytes : QByteArray();
}

int escribe(const QString& ruta, qsizetype tamano, int k, const QByteArray& bytes)
{
    Q_ASSERT(k >= 1 && bytes.size() == tamano);
    QFile f(ruta);
    if (!f.open(QIODevice::ReadWrite))
        return errores::deFallo(f, true);
    if (!f.seek(tamano * (k - 1)) || f.write(bytes) != tamano || !f.flush())
        return errores::deFallo(f, true);
    return errores::ninguno;
}

int actualiza(const QString& ruta, qsizetype tamano, const std::vector<std::pair<int, QByteArray>>& cambios)
{
    if (cambios.empty())
        return errores::ninguno;
    QByteArray contenido;
    if (const int error = leeTodo(ruta, contenido))
        return error;
    for (const auto& [k, bytes] : cambios) {
        Q_ASSERT(k >= 1 && bytes.size() == tamano);
        const qsizetype offset = tamano * (k - 1);
        if (contenido.size() < offset + tamano)
            contenido.resize(offset + tamano, '\0');
        std::copy(bytes.begin(), bytes.end(), contenido.begin() + offset);
    }
    return reescribe(ruta, contenido);
}

int asegura(const QString& ruta)
{
    QFile f(ruta);
    if (f.exists())
        return errores::ninguno;
    if (!f.open(QIODevice::WriteOnly))
        return errores::deFallo(f, true);
    return errores::ninguno;
}

} // namespace ficheroregistros

} // namespace bolvera
