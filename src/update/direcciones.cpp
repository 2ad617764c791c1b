#include "update/direcciones.h"

#include "platform/sitios.h"

namespace direcciones {

QUrl buscador(QDate hoy)
{
    const QString formato = QStringLiteral("dd/MM/yyyy");
    return QUrl(sitios::operador() + QStringLiteral("/es/buscador?startDate=") +
                    hoy.addDays(-50).toString(formato) +
                    QStringLiteral("&gameId=02&type=search&endDate=") + hoy.toString(formato),
                QUrl::TolerantMode);
}

QUrl sorteo(const QString& rutasorteo)
{
    return QUrl(sitios::operador() + QStringLiteral("/es/euromillones/sorteos/") + rutasorteo,
                QUrl::TolerantMode);
}

QUrl noticias() { return QUrl(sitios::web() + QStringLiteral("/einforme.dat")); }

QString pdf(const QString& enlace)
{
    const bool rutaSimple = enlace.startsWith(u'/') && !enlace.startsWith(QStringLiteral("//")) &&
                            !enlace.contains(u'@') && !enlace.contains(u':') &&
                            !enlace.contains(u'\\');
    if (!rutaSimple)
        return {};
    for (const QChar c : enlace)
        if (c.unicode() <= 32 || c.unicode() == 127)
            return {};
    return sitios::operador() + enlace + QStringLiteral(".pdf");
}

QUrl lectorPdf() { return QUrl(QStringLiteral("https://get.adobe.com/reader/")); }

} // namespace direcciones
