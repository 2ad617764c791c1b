#include "platform/qt/escritorioqt.h"

#include "programa/versiones.h"

#include <QDesktopServices>
#include <QOperatingSystemVersion>
#include <QSysInfo>

namespace bolvera {

bool EscritorioQt::abre(const QUrl& direccion) { return QDesktopServices::openUrl(direccion); }

QString EscritorioQt::nombreSistema() const
{
    const auto so = QOperatingSystemVersion::current();
    if (so.type() == QOperatingSystemVersion::Windows) {
        // Platform 2 is the NT family, as the system's version record names it.
        return VersionToName(QStringLiteral("2.%1.%2").arg(so.majorVersion()).arg(so.minorVersion()));
    }
    return QSysInfo::prettyProductName();
}

} // namespace bolvera
