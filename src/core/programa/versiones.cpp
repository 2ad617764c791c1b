#include "core/programa/versiones.h"

#include <array>
#include <utility>

namespace bolvera {

QString VersionToName(const QString& version)
{
    static const std::array<std::pair<QString, QString>, 12> nombres = {{
        {QStringLiteral("1.0.0"), QStringLiteral("Windows 95")},
        {QStringLiteral("1.1.0"), QStringLiteral("Windows 98")},
        {QStringLiteral("1.9.0"), QStringLiteral("Windows Millenium")},
        {QStringLiteral("2.3.0"), QStringLiteral("Windows NT 3.51")},
        {QStringLiteral("2.4.0"), QStringLiteral("Windows NT 4.0")},
        {QStringLiteral("2.5.0"), QStringLiteral("Windows 2000")},
        {QStringLiteral("2.5.1"), QStringLiteral("Windows XP")},
        {QStringLiteral("2.5.3"), QStringLiteral("Windows 2003")},
        {QStringLiteral("2.6.0"), QStringLiteral("Windows Vista")},
        {QStringLiteral("2.6.1"), QStringLiteral("Windows 7")},
        {QStringLiteral("2.6.2"), QStringLiteral("Windows 8")},
        {QStringLiteral("2.10.0"), QStringLiteral("Windows 10")},
    }};
    for (const auto& [clave, nombre] : nombres)
        if (clave == version)
            return nombre;
    return version;
}

} // namespace bolvera
