#include "core/store/numsini.h"

#include "core/store/binario.h"
#include "core/store/errores.h"
#include "core/store/ficheroregistros.h"

#include <QLocale>

namespace bolvera {

namespace numsini {
namespace {

constexpr int offX = 4;
constexpr int offY = 8;

} // namespace

int prepara(const QString& ruta)
{
    if (!ficheroregistros::leeEnteros(ruta, tamano).isEmpty())
        return errores::ninguno;
    return ficheroregistros::escribe(ruta, tamano, 1, QByteArray(tamano, '\0'));
}

Calibracion lee(const QString& ruta)
{
    const QByteArray bytes = ficheroregistros::leeEnteros(ruta, tamano);
    if (bytes.isEmpty())
        return {};
    return {binario::leeSimple(bytes.constData() + offX), binario::leeSimple(bytes.constData() + offY)};
}

int escribe(const QString& ruta, Calibracion calibracion)
{
    QByteArray bytes = ficheroregistros::leeEnteros(ruta, tamano).left(tamano);
    if (bytes.isEmpty())
        bytes = QByteArray(tamano, '\0');
    binario::escribeSimple(bytes.data() + offX, calibracion.x);
    binario::escribeSimple(bytes.data() + offY, calibracion.y);
    return ficheroregistros::escribe(ruta, tamano, 1, bytes);
}

std::optional<float> milimetros(const QString& texto)
{
    QString t = texto.trimmed();
    if (t.count(u',') + t.count(u'.') > 1)
        return std::nullopt;
    t.replace(u',', u'.');
    bool ok = false;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    const float valor = c.toFloat(t, &ok);
    return ok ? std::optional<float>(valor) : std::nullopt;
}

} // namespace numsini

} // namespace bolvera
