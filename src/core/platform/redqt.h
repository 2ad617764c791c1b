#pragma once

#include "core/platform/red.h"

#include <QNetworkAccessManager>

namespace bolvera {

// The web through QNetworkAccessManager: a time-out for a server that falls
// silent, a deadline for the whole document (a server that trickles a byte now
// and then must not hold an update for ever), redirects only to https on the
// same host, bodies capped.
class RedQt final : public Red
{
public:
    static constexpr qint64 topePorDefecto = 16 * 1024 * 1024;

    explicit RedQt(int silencioMs = 30000, qint64 tope = topePorDefecto, int plazoMs = 60000);
    Descarga* trae(const QUrl& url) override;
    Descarga* traeComoNavegador(const QUrl& url) override;

private:
    Descarga* trae(const QUrl& url, const QString& agente);

    QNetworkAccessManager m_red;
    int m_silencioMs;
    qint64 m_tope;
    int m_plazoMs;
};

} // namespace bolvera
