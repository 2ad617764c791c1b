#pragma once

#include "platform/red.h"

#include <QNetworkAccessManager>

// The web through QNetworkAccessManager: a time-out for requests that get no
// answer, redirects only to https on the same host, bodies capped.
class RedQt final : public Red
{
public:
    static constexpr qint64 topePorDefecto = 16 * 1024 * 1024;

    explicit RedQt(int tiempoMs = 60000, qint64 tope = topePorDefecto);
    Descarga* trae(const QUrl& url) override;

private:
    QNetworkAccessManager m_red;
    int m_tiempoMs;
    qint64 m_tope;
};
