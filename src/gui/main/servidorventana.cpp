#include "gui/main/servidorventana.h"

#include "gui/main/principal.h"
#include "core/platform/canal.h"
#include "core/update/desenlace.h"

#include <QJsonDocument>
#include <QLocalSocket>
#include <QPointer>

namespace bolvera {

ServidorVentana::ServidorVentana(const QString& ruta, std::function<Principal*()> ventana, QObject* padre)
    : QObject(padre), m_canal(canalVentana(ruta)), m_ventana(std::move(ventana))
{
    connect(&m_servidor, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* otro = m_servidor.nextPendingConnection()) {
            connect(otro, &QLocalSocket::disconnected, otro, &QObject::deleteLater);
            connect(otro, &QLocalSocket::readyRead, this, [this, otro] { atiende(otro); });
        }
    });
}

bool ServidorVentana::escucha()
{
    // A channel left by a window that was killed is taken over.
    QLocalServer::removeServer(m_canal);
    return m_servidor.listen(m_canal);
}

void ServidorVentana::atiende(QLocalSocket* otro)
{
    if (!otro->canReadLine())
        return; // the rest of the line is on its way
    const QByteArray pedido = otro->readLine().trimmed();
    disconnect(otro, &QLocalSocket::readyRead, this, nullptr);
    Principal* principal = m_ventana();
    if (pedido == "actualiza") {
        QPointer<QLocalSocket> quien(otro);
        const auto responde = [quien](const Desenlace& d) {
            if (!quien)
                return; // the command gave up waiting
            quien->write(QJsonDocument(d.json()).toJson(QJsonDocument::Compact) + '\n');
            quien->flush();
            quien->disconnectFromServer();
        };
        if (principal) {
            principal->actualizaPorOrden(responde);
        } else {
            Desenlace d;
            d.errores << QStringLiteral("Bolvera: la ventana está en la presentación; pulse «Entrar» para actualizar.");
            responde(d);
        }
        return;
    }
    otro->disconnectFromServer();
    if (!principal)
        return;
    // Up from the taskbar, maximized or not as the user left it.
    principal->setWindowState(principal->windowState() & ~Qt::WindowMinimized);
    principal->show();
    principal->raise();
    principal->activateWindow();
}

} // namespace bolvera
