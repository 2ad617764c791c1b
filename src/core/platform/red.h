#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

namespace bolvera {

// One request for a whole document. It reports once, with `terminada`.
class Descarga : public QObject
{
    Q_OBJECT

public:
    enum class Fallo
    {
        Ninguno,
        Conexion,   // refused, unknown host, TLS
        Redirigida, // the server sent us elsewhere: not followed
        Cortada,    // the server answered, then the body broke off or came short
        Tiempo,     // no answer in time
        Http,       // the server answered with an error status
        Demasiado,  // the body passed the size cap
        Cancelada,
    };

    using QObject::QObject;
    virtual void cancela() = 0;
    bool enCurso() const { return m_enCurso; }
    // The server has answered (its status line came): slow, not unreachable.
    bool respondio() const { return m_respondio; }
    // The connection was made and the request sent: a server that keeps
    // silent after it is slow, not unreachable.
    bool conecto() const { return m_conecto || m_respondio; }

signals:
    // `cuerpo` is the whole document; on a failure it is what the server sent, if anything.
    void terminada(Descarga::Fallo fallo, int estadoHttp, const QByteArray& cuerpo);

protected:
    void marcaRespuesta() { m_respondio = true; }
    void marcaConexion() { m_conecto = true; }
    void termina(Fallo fallo, int estadoHttp, const QByteArray& cuerpo)
    {
        m_enCurso = false;
        emit terminada(fallo, estadoHttp, cuerpo);
    }

private:
    bool m_enCurso = true;
    bool m_respondio = false;
    bool m_conecto = false;
};

// Why a request brought no document, short and lower-case ("error 403 del
// servidor"), for the messages that say what each server answered.
inline QString motivoFallo(Descarga::Fallo fallo, int estadoHttp)
{
    switch (fallo) {
    case Descarga::Fallo::Http:
        return estadoHttp == 429 ? QStringLiteral("pide esperar (429)") : QStringLiteral("error %1 del servidor").arg(estadoHttp);
    case Descarga::Fallo::Tiempo:
        return QStringLiteral("no ha contestado a tiempo");
    case Descarga::Fallo::Demasiado:
        return QStringLiteral("la respuesta es demasiado grande");
    case Descarga::Fallo::Cortada:
        return QStringLiteral("la respuesta llegó cortada");
    case Descarga::Fallo::Redirigida:
        return QStringLiteral("remite a otra dirección, que no se sigue");
    case Descarga::Fallo::Ninguno:
    case Descarga::Fallo::Cancelada:
    case Descarga::Fallo::Conexion:
        break;
    }
    return QStringLiteral("no se ha podido conectar");
}

// The web, as the program reaches it: always the network, never a cache.
class Red
{
public:
    virtual ~Red() = default;
    // Starts fetching `url`; the caller owns the returned request.
    virtual Descarga* trae(const QUrl& url) = 0;
    // The same for a server that answers only what looks like a browser.
    virtual Descarga* traeComoNavegador(const QUrl& url) { return trae(url); }
};

} // namespace bolvera
