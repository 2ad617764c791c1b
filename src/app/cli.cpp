#include "app/opciones.h"
#include "platform/reloj.h"
#include "store/cargasorteos.h"
#include "store/ficheroregistros.h"
#include "store/ficheros.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

int estado(const QString& ruta, QDate hoy, bool json)
{
    const auto sorteos = ficheroregistros::leeTodos<RegSorteo>(ruta + ficheros::numeros);
    const auto penas = ficheroregistros::leeTodos<RegPena>(ruta + ficheros::apuestas);
    const EstadoSorteos e = cargasorteos(sorteos, penas, hoy);

    QTextStream salida(stdout);
    if (json) {
        const QJsonObject objeto{{QStringLiteral("penas"), e.penas},
                                 {QStringLiteral("ultima"), e.ultima},
                                 {QStringLiteral("proximo"), e.proximo},
                                 {QStringLiteral("aviso"), e.aviso},
                                 {QStringLiteral("sorteosjugados"), e.sorteosjugados},
                                 {QStringLiteral("proxsorteo"), e.proxsorteo},
                                 {QStringLiteral("proxpena"), e.proxpena}};
        salida << QJsonDocument(objeto).toJson(QJsonDocument::Compact) << '\n';
        return 0;
    }
    salida << "Peñas: " << e.penas << '\n'
           << "Última actualización de números ganadores: " << e.ultima << '\n'
           << "Próximo sorteo: " << e.proximo << '\n'
           << "Aviso: " << e.aviso << '\n'
           << "Sorteos jugados: " << e.sorteosjugados << '\n'
           << "proxsorteo: " << e.proxsorteo << '\n'
           << "proxpena: " << e.proxpena << '\n';
    return 0;
}

int falla(const QString& mensaje)
{
    QTextStream(stderr) << mensaje << '\n';
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bolvera-cli"));

    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral("Bolvera desde el terminal."));
    opciones.addHelpOption();
    opciones.addPositionalArgument(QStringLiteral("orden"), QStringLiteral("estado"));
    const QCommandLineOption dir(QStringLiteral("dir"), QStringLiteral("Directorio de datos."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption hoy(QStringLiteral("hoy"), QStringLiteral("Fecha de hoy (AAAA-MM-DD)."),
                                 QStringLiteral("AAAA-MM-DD"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Salida en JSON."));
    opciones.addOptions({dir, hoy, json});
    opciones.process(app);

    const QStringList ordenes = opciones.positionalArguments();
    if (ordenes.size() != 1 || ordenes.front() != u"estado")
        return falla(QStringLiteral("Uso: bolvera-cli estado [--dir DIR] [--hoy AAAA-MM-DD] [--json]"));

    const DirectorioDatos datos =
        directorioDatos(opciones.value(dir), QCoreApplication::applicationDirPath());
    if (!datos.error.isEmpty())
        return falla(datos.error);

    RelojSistema reloj;
    QDate fecha = reloj.hoy();
    if (opciones.isSet(hoy)) {
        fecha = QDate::fromString(opciones.value(hoy), Qt::ISODate);
        if (!fecha.isValid())
            return falla(QStringLiteral("Fecha no válida: %1").arg(opciones.value(hoy)));
    }
    return estado(datos.ruta, fecha, opciones.isSet(json));
}
