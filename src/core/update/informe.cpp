#include "core/update/informe.h"

#include "core/checking/euros.h"
#include "core/store/categorias.h"
#include "core/store/ficheros.h"
#include "core/store/reescritura.h"
#include "core/update/direcciones.h"
#include "core/update/escaner.h"

#include <QFile>

namespace bolvera {

namespace {

// A link that arrived UTF-8 encoded and was read one byte per character.
QString reparaEnlace(QString enlace)
{
    enlace.remove(u'"');
    enlace.replace(QChar(195), QChar(u'Á'));
    enlace.replace(QStringLiteral("LOTERÁ") + QChar(141) + u'A', QStringLiteral("LOTERÍA"));
    enlace.remove(QChar(129));
    return enlace;
}

} // namespace

Informe leeInforme(const QString& pagina)
{
    Informe informe;
    Escaner e(pagina);
    e.busca2(QStringLiteral(">Acertantes"), QStringLiteral("/"));
    for (QString& premio : informe.premios) {
        e.busca2(QStringLiteral("<td>"), QStringLiteral("<"));
        premio = raros(e.busca2(QStringLiteral("<td>"), QStringLiteral("&")));
    }
    e.busca2(QStringLiteral("DOCUMENT"), QStringLiteral("S"));
    e.busca2(QStringLiteral("href"), QStringLiteral("="));
    const QString enlace = e.busca2(QStringLiteral("\""), QStringLiteral(".pdf"));
    if (enlace.isEmpty())
        return informe;
    informe.enlace = reparaEnlace(enlace);
    informe.urlpdf = direcciones::pdf(informe.enlace);
    return informe;
}

bool esPdf(const QByteArray& cuerpo) { return cuerpo.startsWith("%PDF"); }

Descarga* bajaPdf(Red& red, const QString& ruta, const QString& urlpdf, std::function<void()> fin)
{
    const QString ovk = ruta + ficheros::ovkPdf;
    QFile::remove(ovk);
    Descarga* descarga = red.trae(QUrl(urlpdf));
    QObject::connect(descarga, &Descarga::terminada, descarga,
                     [ovk, fin = std::move(fin)](Descarga::Fallo fallo, int, const QByteArray& cuerpo) {
                         // A report that cannot be kept is shown as not out yet,
                         // and fetched again by the next update.
                         if (fallo == Descarga::Fallo::Ninguno && esPdf(cuerpo))
                             (void)reescribe(ovk, cuerpo);
                         fin();
                     });
    return descarga;
}

const std::array<std::pair<int, int>, 13>& aciertosInforme()
{
    static constexpr std::array<std::pair<int, int>, 13> aciertos = {
        {{5, 2}, {5, 1}, {5, 0}, {4, 2}, {4, 1}, {4, 0}, {3, 2}, {3, 1}, {2, 2}, {3, 0}, {1, 2}, {2, 1}, {2, 0}}};
    return aciertos;
}

std::array<QString, 13> premiosGuardados(const RegPremios& premios)
{
    std::array<QString, 13> textos;
    for (std::size_t i = 0; i < 13; ++i) {
        const auto [numeros, estrellas] = aciertosInforme()[i];
        const std::int64_t c = premios.centimos[static_cast<std::size_t>(categorias::clasifica(numeros, estrellas) - 1)];
        if (c >= 0)
            textos[i] = euros::texto(c);
    }
    return textos;
}

namespace avisos {

QString soloImportes()
{
    return QStringLiteral("\nLos importes de los premios son los guardados del sorteo; su informe completo aún no "
                          "está disponible.");
}

QString noDisponible()
{
    return QStringLiteral("\nATENCIÓN:\nLos datos del sorteo aún no están disponibles. Intente más tarde.");
}

QString sinLector()
{
    return QStringLiteral("\nOPCIÓN NO DISPONIBLE\n\nSu ordenador no tiene instalado Adobe Reader para la "
                          "lectura de archivos PDF.\nSi quiere instalarlo y disfrutar de esta opción, "
                          "vaya a la web ") +
           direcciones::lectorPdf().toString() +
           QStringLiteral("\n(O haga click AQUÍ para instalarlo)\n\nEs totalmente gratuito. Una vez "
                          "instalado, ejecútelo y acepte el contrato de licencia. Después ya podrá "
                          "utilizar Bolvera con esta opción activada.");
}

QString sinConexion() { return QStringLiteral("No se encuentra conexión a internet.... :("); }

} // namespace avisos

} // namespace bolvera
