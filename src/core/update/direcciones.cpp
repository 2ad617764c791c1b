#include "core/update/direcciones.h"

#include "core/platform/sitios.h"

namespace bolvera {

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

QUrl servicio(QDate desde, QDate hasta)
{
    const QString formato = QStringLiteral("yyyyMMdd");
    return QUrl(sitios::operador() +
                QStringLiteral("/servicios/buscadorSorteos?game_id=EMIL&celebrados=true&fechaInicioInclusiva=") +
                desde.toString(formato) + QStringLiteral("&fechaFinInclusiva=") + hasta.toString(formato));
}

QUrl noticias() { return QUrl(sitios::web() + QStringLiteral("/einforme.dat")); }

QString pdf(const QString& enlace)
{
    // An absolute address on the operator's own site stands for its path.
    const QString base = sitios::operador();
    const QString ruta = enlace.startsWith(base + u'/', Qt::CaseInsensitive) ? enlace.mid(base.size()) : enlace;
    const bool rutaSimple = ruta.startsWith(u'/') && !ruta.startsWith(QStringLiteral("//")) &&
                            !ruta.contains(u'@') && !ruta.contains(u':') && !ruta.contains(u'\\') &&
                            !ruta.contains(u'?') && !ruta.contains(u'#');
    if (!rutaSimple)
        return {};
    for (const QChar c : ruta)
        if (c.unicode() <= 32 || c.unicode() == 127)
            return {};
    return base + ruta + QStringLiteral(".pdf");
}

QUrl lectorPdf() { return QUrl(QStringLiteral("https://get.adobe.com/reader/")); }

} // namespace direcciones

} // namespace bolvera
