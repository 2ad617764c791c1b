// bolvera-cli: the program's core from a terminal, one subcommand per view.
#include "app/opciones.h"
#include "app/ordenes.h"
#include "platform/cerrojo.h"
#include "platform/reloj.h"
#include "shell/version.h"
#include "store/historia.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <map>

namespace {

const QString uso = QStringLiteral(
    "Uso: bolvera-cli ORDEN [--dir DIR] [--hoy AAAA-MM-DD] [--json]\n"
    "  estado                                el bloque de estado\n"
    "  comprobar N [--historico] [--solo-premio]  comprueba los N últimos sorteos\n"
    "  recontar [R]                          cuenta otra vez los premios de la peña R (o de todas)\n"
    "  penas                                 la lista de peñas y sus totales\n"
    "  pena R                                la peña número R\n"
    "  desglose TIPO H K                     premios de una apuesta múltiple\n"
    "  sorteos                               la lista de sorteos\n"
    "  frecuencias                           veces que ha salido cada número y estrella\n"
    "  importar FICHERO                      sustituye los sorteos por los de FICHERO\n"
    "  importar-csv FICHERO                  añade los sorteos de un CSV (fecha,n1..n5,e1,e2)\n"
    "  exportar-csv FICHERO                  guarda los sorteos en un CSV\n"
    "  anadir-sorteo AAAA-MM-DD \"1 2 3 4 5 + 1 2\"   añade un sorteo\n"
    "  huecos                                sorteos que faltan en el histórico\n"
    "  importar-premios FICHERO              guarda los premios de un CSV en premios.dat\n"
    "  precio [EUROS]                        el precio de una apuesta (2,50 por defecto)\n"
    "  actualizar                            baja los sorteos nuevos de internet\n"
    "  fuentes                               qué dice cada fuente de resultados\n"
    "  analizar FICHERO                      añade los sorteos de una página guardada\n"
    "  informe FICHERO                       los premios de una página de sorteo guardada\n"
    "  nueva-pena --nombre N [--dia D] \"1 2 3 4 5 + 1 2\"...   añade una peña\n"
    "  imprimir R --papel oficial|normal --pdf FICHERO [--dos-semanas si|no]");

const QString codigosSalida = QStringLiteral(
    "Opciones: --dir DIR (o BOLVERA_DIR) la carpeta de datos; --hoy AAAA-MM-DD; --json; --version; --help.\n"
    "Salida: 0 hecho, 1 operación rechazada, 2 argumentos no válidos.");

} // namespace

int main(int argc, char* argv[])
{
    // Printing draws text: it needs a GUI application, on no screen at all.
    // Everything else stays a plain one, quiet on stderr.
    const bool imprime = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "imprimir") == 0; });
    if (imprime && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> aplicacion(imprime ? new QGuiApplication(argc, argv)
                                                         : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("bolvera-cli"));

    QCommandLineParser opciones;
    const QCommandLineOption ayuda({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Muestra esta ayuda."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Muestra la versión."));
    const QCommandLineOption dir(QStringLiteral("dir"), QStringLiteral("Directorio de datos."), QStringLiteral("DIR"));
    const QCommandLineOption hoy(QStringLiteral("hoy"), QStringLiteral("Fecha de hoy (AAAA-MM-DD)."),
                                 QStringLiteral("AAAA-MM-DD"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Salida en JSON."));
    const QCommandLineOption historico(QStringLiteral("historico"), QStringLiteral("Con sorteos anteriores a la creación."));
    const QCommandLineOption soloPremio(QStringLiteral("solo-premio"), QStringLiteral("Sólo filas con premio."));
    const QCommandLineOption nombre(QStringLiteral("nombre"), QStringLiteral("Nombre de la peña."),
                                    QStringLiteral("NOMBRE"));
    const QCommandLineOption dia(QStringLiteral("dia"), QStringLiteral("Martes, Viernes o Todos."),
                                 QStringLiteral("DIA"), QStringLiteral("Todos"));
    const QCommandLineOption papel(QStringLiteral("papel"), QStringLiteral("oficial o normal."),
                                   QStringLiteral("PAPEL"), QStringLiteral("oficial"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Fichero PDF."), QStringLiteral("FICHERO"));
    const QCommandLineOption dosSemanas(QStringLiteral("dos-semanas"), QStringLiteral("si o no."),
                                        QStringLiteral("SI_NO"), QStringLiteral("no"));
    opciones.addOptions({ayuda, version, dir, hoy, json, historico, soloPremio, nombre, dia, papel, pdf, dosSemanas});
    if (!opciones.parse(QCoreApplication::arguments()))
        return fallaUso(opciones.errorText() + u'\n' + uso);
    if (opciones.isSet(version)) {
        std::printf("Bolvera %s\n", qPrintable(versionPaquete));
        return 0;
    }
    if (opciones.isSet(ayuda)) {
        std::printf("%s\n%s\n", qPrintable(uso), qPrintable(codigosSalida));
        return 0;
    }

    QStringList argumentos = opciones.positionalArguments();
    if (argumentos.isEmpty())
        return fallaUso(uso);
    const QString orden = argumentos.takeFirst();

    const DirectorioDatos datos = directorioDatos(opciones.value(dir), QCoreApplication::applicationDirPath());
    if (!datos.error.isEmpty())
        return falla(datos.error);

    Contexto c;
    c.ruta = datos.ruta;
    c.hoy = RelojSistema().hoy();
    if (opciones.isSet(hoy)) {
        c.hoy = QDate::fromString(opciones.value(hoy), Qt::ISODate);
        if (!c.hoy.isValid())
            return fallaUso(QStringLiteral("Fecha no válida: %1").arg(opciones.value(hoy)));
    }
    c.json = opciones.isSet(json);
    c.historico = opciones.isSet(historico);
    c.soloPremio = opciones.isSet(soloPremio);
    c.argumentos = argumentos;
    c.nombre = opciones.value(nombre);
    c.dia = opciones.value(dia);
    c.papel = opciones.value(papel);
    c.pdf = opciones.value(pdf);
    c.dosSemanas = opciones.value(dosSemanas);

    // Each command, and whether it changes the data.
    struct Orden
    {
        std::function<int(const Contexto&)> ejecuta;
        bool escribe;
    };
    const std::map<QString, Orden> ordenes = {
        {QStringLiteral("estado"), {estado, false}},
        {QStringLiteral("sorteos"), {listaSorteos, false}},
        {QStringLiteral("frecuencias"), {frecuencias, false}},
        {QStringLiteral("penas"), {listaPenas, false}},
        {QStringLiteral("pena"), {unaPena, false}},
        {QStringLiteral("desglose"), {unDesglose, false}},
        {QStringLiteral("informe"), {informe, false}},
        {QStringLiteral("imprimir"), {imprimir, false}},
        {QStringLiteral("exportar-csv"), {exportarCsv, false}},
        {QStringLiteral("huecos"), {listaHuecos, false}},
        {QStringLiteral("fuentes"), {listaFuentes, false}},
        {QStringLiteral("importar"), {importar, true}},
        {QStringLiteral("comprobar"), {comprobar, true}},
        {QStringLiteral("recontar"), {recontar, true}},
        {QStringLiteral("actualizar"), {actualizar, true}},
        {QStringLiteral("analizar"), {analizar, true}},
        {QStringLiteral("nueva-pena"), {nuevaPena, true}},
        {QStringLiteral("importar-csv"), {importarCsv, true}},
        {QStringLiteral("anadir-sorteo"), {anadirSorteo, true}},
        {QStringLiteral("importar-premios"), {importarPremios, true}},
        {QStringLiteral("precio"), {precio, !argumentos.isEmpty()}}, // only setting it writes
    };
    const auto it = ordenes.find(orden);
    if (it == ordenes.end())
        return fallaUso(uso);
    // One writer at a time: a command that changes the data waits for no one.
    Cerrojo cerrojo(c.ruta);
    if (it->second.escribe && !cerrojo.toma())
        return falla(cerrojo.motivo());
    // A new data directory starts with the history the program ships.
    historia::preparaInicial(c.ruta);
    return it->second.ejecuta(c);
}
