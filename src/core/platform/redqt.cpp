#include "core/platform/redqt.h"
#include "core/programa/version.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace bolvera {

namespace {

class DescargaQt final : public Descarga
{
public:
    DescargaQt(QNetworkReply* respuesta, qint64 tope, int plazoMs)
        : m_respuesta(respuesta), m_origen(respuesta->url()), m_tope(tope)
    {
        m_respuesta->setParent(this);
        connect(m_respuesta, &QNetworkReply::metaDataChanged, this, [this] { marcaRespuesta(); });
        connect(m_respuesta, &QNetworkReply::requestSent, this, [this] { marcaConexion(); });
        connect(m_respuesta, &QNetworkReply::readyRead, this, &DescargaQt::lee);
        connect(m_respuesta, &QNetworkReply::redirected, this, &DescargaQt::redirige);
        connect(m_respuesta, &QNetworkReply::finished, this, &DescargaQt::acaba);
        QTimer::singleShot(plazoMs, this, [this] {
            if (!enCurso())
                return;
            m_fallo = Fallo::Tiempo;
            m_respuesta->abort();
        });
    }

    void cancela() override
    {
        if (!enCurso())
            return;
        m_fallo = Fallo::Cancelada;
        m_respuesta->abort();
    }

private:
    void lee()
    {
        if (!m_respuesta->isOpen())
            return;
        m_cuerpo += m_respuesta->readAll();
        if (m_cuerpo.size() > m_tope) {
            // Over the cap is an error, never a cut-short success.
            m_fallo = Fallo::Demasiado;
            m_respuesta->abort();
        }
    }

    void redirige(const QUrl& destino)
    {
        // The reply already names the new address: the host is the one first asked.
        if (destino.scheme() == u"https" && destino.host() == m_origen.host()) {
            emit m_respuesta->redirectAllowed();
            return;
        }
        m_fallo = Fallo::Redirigida;
        m_respuesta->abort();
    }

    void acaba()
    {
        if (!enCurso())
            return;
        if (m_fallo == Fallo::Ninguno)
            lee();
        const int estado = m_respuesta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        Fallo fallo = m_fallo;
        if (fallo == Fallo::Ninguno) {
            switch (m_respuesta->error()) {
            case QNetworkReply::NoError:
                break;
            case QNetworkReply::OperationCanceledError:
            case QNetworkReply::TimeoutError:
                fallo = Fallo::Tiempo;
                break;
            default:
                // A document under way that broke off is cut short; anything
                // else never reached a document.
                fallo = estado >= 400                                       ? Fallo::Http
                        : respondio() && estado >= 200 && estado < 300 ? Fallo::Cortada
                                                                       : Fallo::Conexion;
                break;
            }
        }
        if (fallo == Fallo::Ninguno && estado >= 300)
            fallo = Fallo::Http; // a redirect that was not followed, or another odd answer
        // A body shorter than the server announced was cut short, however the
        // connection ended: never a whole document.
        const QVariant largo = m_respuesta->header(QNetworkRequest::ContentLengthHeader);
        if (fallo == Fallo::Ninguno && largo.isValid() && largo.toLongLong() != m_cuerpo.size())
            fallo = Fallo::Cortada;
        termina(fallo, estado, fallo == Fallo::Demasiado ? QByteArray() : m_cuerpo);
    }

    QNetworkReply* m_respuesta;
    QUrl m_origen;
    qint64 m_tope;
    QByteArray m_cuerpo;
    Fallo m_fallo = Fallo::Ninguno;
};

} // namespace

RedQt::RedQt(int silencioMs, qint64 tope, int plazoMs)
    : m_silencioMs(silencioMs), m_tope(tope), m_plazoMs(plazoMs)
{
}

Descarga* RedQt::trae(const QUrl& url)
{
    return trae(url, QStringLiteral("Bolvera/") + versionPaquete);
}

Descarga* RedQt::traeComoNavegador(const QUrl& url)
{
    return trae(url, QStringLiteral("Mozilla/5.0 (X11; Linux x86_64; rv:128.0) Gecko/20100101 Firefox/128.0"));
}

Descarga* RedQt::trae(const QUrl& url, const QString& agente)
{
    QNetworkRequest peticion(url);
    peticion.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    peticion.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    peticion.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                          QNetworkRequest::UserVerifiedRedirectPolicy);
    peticion.setTransferTimeout(m_silencioMs);
    peticion.setHeader(QNetworkRequest::UserAgentHeader, agente);
    // Bodies as sent, so that their length can be held against Content-Length.
    peticion.setRawHeader("Accept-Encoding", "identity");
    return new DescargaQt(m_red.get(peticion), m_tope, m_plazoMs);
}

} // namespace bolvera
