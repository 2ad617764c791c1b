#include "core/platform/notificaciones.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>

namespace bolvera {

namespace {

const QString servicio = QStringLiteral("org.freedesktop.Notifications");

} // namespace

std::optional<QString> notifica(const QString& titulo, const QString& cuerpo)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return QStringLiteral("no hay sesión de D-Bus");
    QDBusMessage llamada = QDBusMessage::createMethodCall(servicio, QStringLiteral("/org/freedesktop/Notifications"),
                                                          servicio, QStringLiteral("Notify"));
    // The default action and the menu entry's name: the desktop opens the
    // program when the notification is clicked, even after this process ended.
    const QVariantMap pistas{{QStringLiteral("desktop-entry"), QStringLiteral("es.bolvera.Bolvera")}};
    llamada << QStringLiteral("Bolvera") << 0U << QStringLiteral("es.bolvera.Bolvera") << titulo << cuerpo
            << QStringList{QStringLiteral("default"), QStringLiteral("Abrir Bolvera")} << pistas << -1;
    // A service the bus can start on demand is started by the call itself.
    const QDBusReply<uint> respuesta = bus.call(llamada, QDBus::Block, 5000);
    if (respuesta.error().type() == QDBusError::ServiceUnknown)
        return QStringLiteral("no hay servicio de notificaciones");
    // A service the bus knows of but could not start (a desktop's daemon
    // with no display) says so in its own words: ours are the user's.
    if (respuesta.error().name().startsWith(QStringLiteral("org.freedesktop.DBus.Error.Spawn.")))
        return QStringLiteral("el servicio de notificaciones no ha podido arrancar");
    if (respuesta.error().type() == QDBusError::NoReply || respuesta.error().type() == QDBusError::Timeout)
        return QStringLiteral("el servicio de notificaciones no ha contestado");
    if (!respuesta.isValid())
        return respuesta.error().message();
    return std::nullopt;
}

} // namespace bolvera
