#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

#include <map>

// A small HTTP server on 127.0.0.1 for the tests: each path answers as told.
class ServidorPrueba final : public QObject
{
public:
    struct Respuesta
    {
        int estado = 200;
        QByteArray cuerpo;
        QByteArray ubicacion;  // Location header, for redirects
        bool nunca = false;    // reads the request and never answers
        bool cortada = false;  // announces more than it sends, then closes
        int goteoMs = 0;       // sends the body a byte at a time, this often
    };

    ServidorPrueba();
    // `ruta` is a path, or a path and its query for that request alone.
    void pon(const QString& ruta, const Respuesta& respuesta) { m_rutas[ruta] = respuesta; }
    // "http://127.0.0.1:PORT"
    QString url() const;
    // Every request line's target, in order, and the User-Agent it came with.
    QStringList pedidas;
    QStringList agentes;

private:
    void atiende(QTcpSocket* socket);

    QTcpServer m_servidor;
    std::map<QString, Respuesta> m_rutas;
};
