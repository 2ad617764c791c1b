#include "gui/platform/qt/escritorioqt.h"

#include "core/programa/versiones.h"

#include <QDesktopServices>
#include <QProcess>
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

namespace {

const QString temporizador = QStringLiteral("bolvera-actualizar.timer");

struct Respuesta
{
    bool corrio = false; // systemctl ran and answered
    int estado = -1;
    QString salida, error;
};

Respuesta systemctl(const QStringList& argumentos)
{
    QProcess p;
    p.start(QStringLiteral("systemctl"), QStringList{QStringLiteral("--user")} + argumentos);
    if (!p.waitForFinished(15000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {true, p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed(),
            QString::fromLocal8Bit(p.readAllStandardError()).trimmed()};
}

} // namespace

std::optional<bool> EscritorioQt::actualizacionAutomatica()
{
    // "enabled" or "disabled"; no manager, no systemctl or no unit is no timer at all.
    const Respuesta r = systemctl({QStringLiteral("is-enabled"), temporizador});
    if (r.salida == u"enabled")
        return true;
    if (r.salida == u"disabled")
        return false;
    return std::nullopt;
}

std::optional<QString> EscritorioQt::ponActualizacionAutomatica(bool activa)
{
    const Respuesta r = systemctl({activa ? QStringLiteral("enable") : QStringLiteral("disable"), QStringLiteral("--now"),
                                   temporizador});
    if (!r.corrio)
        return QStringLiteral("no se pudo ejecutar systemctl");
    if (r.estado != 0)
        return r.error.isEmpty() ? QStringLiteral("systemctl terminó con el código %1").arg(r.estado) : r.error;
    return std::nullopt;
}

} // namespace bolvera
