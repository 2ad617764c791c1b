#include "support/servidor.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>
#include <QUrl>

ServidorPrueba::ServidorPrueba()
{
    m_servidor.listen(QHostAddress::LocalHost, 0);
    connect(&m_servidor, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_servidor.nextPendingConnection()) {
            s->setParent(this);
            connect(s, &QTcpSocket::readyRead, this, [this, s] { atiende(s); });
        }
    });
}

QString ServidorPrueba::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_servidor.serverPort());
}

void ServidorPrueba::atiende(QTcpSocket* socket)
{
    QByteArray peticion = socket->property("peticion").toByteArray() + socket->readAll();
    socket->setProperty("peticion", peticion);
    if (!peticion.contains("\r\n\r\n") || socket->property("atendida").toBool())
        return;
    socket->setProperty("atendida", true);
    const QByteArray objetivo = peticion.left(peticion.indexOf("\r\n")).split(' ').value(1);
    pedidas.append(QString::fromLatin1(objetivo));
    QString agente;
    for (const QByteArray& linea : peticion.left(peticion.indexOf("\r\n\r\n")).split('\n'))
        if (linea.toLower().startsWith("user-agent:"))
            agente = QString::fromLatin1(linea.mid(11).trimmed());
    agentes.append(agente);
    const QString ruta = QUrl(QString::fromLatin1(objetivo)).path();

    auto it = m_rutas.find(QString::fromLatin1(objetivo)); // a path with its query first
    if (it == m_rutas.end())
        it = m_rutas.find(ruta);
    const Respuesta r = it != m_rutas.end() ? it->second : Respuesta{404, "no encontrado", {}, false, false};
    if (r.nunca)
        return;
    QByteArray cabecera = "HTTP/1.1 " + QByteArray::number(r.estado) + " X\r\n";
    cabecera += "Content-Type: text/html\r\nConnection: close\r\n";
    if (!r.ubicacion.isEmpty())
        cabecera += "Location: " + r.ubicacion + "\r\n";
    cabecera += "Content-Length: " + QByteArray::number(r.cuerpo.size() + (r.cortada ? 1000 : 0)) + "\r\n\r\n";
    socket->write(cabecera);
    if (r.goteoMs > 0) {
        auto* goteo = new QTimer(socket);
        auto enviados = std::make_shared<qsizetype>(0);
        connect(goteo, &QTimer::timeout, socket, [socket, goteo, enviados, cuerpo = r.cuerpo] {
            if (*enviados >= cuerpo.size() || socket->state() != QAbstractSocket::ConnectedState) {
                goteo->stop();
                socket->disconnectFromHost();
                return;
            }
            socket->write(cuerpo.mid((*enviados)++, 1));
        });
        goteo->start(r.goteoMs);
        return;
    }
    socket->write(r.cuerpo);
    socket->disconnectFromHost();
}
