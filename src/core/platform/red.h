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
        Conexion,   // refused, unknown host, TLS, a redirect not allowed
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

// The web, as the program reaches it: always the network, never a cache.
class Red
{
public:
    virtual ~Red() = default;
    // Starts fetching `url`; the caller owns the returned request.
    virtual Descarga* trae(const QUrl& url) = 0;
};

} // namespace bolvera
