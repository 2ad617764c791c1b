#include "core/update/fuentes.h"

#include "core/platform/sitios.h"

#include <algorithm>

namespace bolvera {

namespace fuentes {
namespace {

QUrl en(const char* anfitrion, const QString& ruta)
{
    return QUrl(sitios::fuente(QString::fromLatin1(anfitrion)) + ruta);
}

const char* const belgica = "https://prdlnboppreportsst.blob.core.windows.net";
const QString archivos = QStringLiteral("/jeux-de-tirage/euromillions-my-million/historique");

} // namespace

QUrl paginaFdj()
{
    return en("https://www.fdj.fr", archivos);
}

QUrl ultimoFdj()
{
    return en(
        "https://www.sto.api.fdj.fr",
        QStringLiteral(
            "/anonymous/service-draw-info/v3/documentations/1a2b3c4d-9876-4562-b3fc-2c963f66afe6"));
}

QUrl descargaFdj(const QString& enlace)
{
    // No link is no address: resolved, it would name the archives page itself.
    if (enlace.trimmed().isEmpty()) return {};
    const QUrl u = QUrl(QStringLiteral("https://www.fdj.fr") + archivos)
                       .resolved(QUrl(enlace.trimmed(), QUrl::StrictMode));
    const QString anfitrion = u.host().toLower();
    const bool suyo = anfitrion == u"fdj.fr" || anfitrion.endsWith(QStringLiteral(".fdj.fr"));
    if (!u.isValid() || (u.scheme() != u"https" && u.scheme() != u"http") ||
        !u.userInfo().isEmpty() || !suyo || u.port() != -1)
        return {};
    QString ruta = u.path(QUrl::FullyEncoded);
    if (u.hasQuery()) ruta += u'?' + u.query(QUrl::FullyEncoded);
    return QUrl(sitios::fuente(u.scheme() + QStringLiteral("://") + u.host()) + ruta);
}

QUrl sorteosBelgica(int anio)
{
    return en(belgica, QStringLiteral("/legal-reports/euromillions-gamedata-NL-%1.csv").arg(anio));
}

QUrl premiosBelgica(int anio)
{
    return en(belgica,
              QStringLiteral("/legal-reports/euromillions-financialdata-NL-%1.csv").arg(anio));
}

QUrl reinoUnido()
{
    return en("https://www.national-lottery.co.uk",
              QStringLiteral("/results/euromillions/draw-history/csv"));
}

QUrl austria(int anio)
{
    return en("https://statics.win2day.at",
              QStringLiteral("/media/NN_W2D_STAT_EUML_%1.csv").arg(anio));
}

QUrl api(QDate desde, QDate hoy)
{
    // At most two draws a week, and room to spare.
    const qint64 pagina = std::max<qint64>(desde.daysTo(hoy), 0) * 2 / 7 + 10;
    return en("https://euromillions.api.pedromealha.dev",
              QStringLiteral("/v1/draws?dates=%1,&order_by=date,DESC&limit=%2").arg(desde.toString(Qt::ISODate)).arg(pagina));
}

} // namespace fuentes

} // namespace bolvera
