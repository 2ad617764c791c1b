// bolvera-cli: the program's core from a terminal, one subcommand per view.
#include "app/argumentos.h"
#include "core/store/directorio.h"
#include "app/ordenes.h"
#include "core/platform/cerrojo.h"
#include "core/platform/reloj.h"
#include "core/programa/version.h"
#include "core/store/historia.h"

#include <QCoreApplication>
#include <QFile>
#ifdef BOLVERA_ESCRITORIO
#include <QGuiApplication>
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <map>
#include <utility>
#include <vector>

#include <cerrno>
#include <unistd.h>

using namespace bolvera;

namespace {

using namespace ordenes;
using argumentos::Argumento;
using Tipo = Argumento::Tipo;
using Cuantos = Argumento::Cuantos;
using TipoOpcion = argumentos::Opcion::Tipo;

// Whether a command changes the data, and so must hold the folder's lock.
enum class Escribe { No, Si, ConArgumentos };

// Each command once: what it takes, what it does, whether it writes.
struct Orden
{
    QString nombre;
    std::vector<Argumento> forma;
    QStringList opciones; // its own, besides --dir, --hoy and --json; those ending in '!' must be given
    QString ayuda;
    int (*ejecuta)(const Contexto&); // none: the line runs in the desktop program
    Escribe escribe;
    // What it does when another program holds the folder, if anything.
    std::optional<int> (*siOcupada)(const Contexto&) = nullptr;
    // What of the line it checks before the folder is found, locked or
    // seeded: a status when the line makes no sense.
    std::optional<int> (*valida)(const Contexto&) = nullptr;
};

// The commands that need the desktop's libraries (the network, D-Bus,
// drawing) are built into bolvera-cli-escritorio only: this program, which
// every other command starts several times faster without them, hands
// their lines to it.
#ifdef BOLVERA_ESCRITORIO
#define DEL_ESCRITORIO(f) f
#else
#define DEL_ESCRITORIO(f) nullptr
#endif

const Argumento fichero{QStringLiteral("FICHERO")};
const Argumento penaR{QStringLiteral("R"), Tipo::Entero, Cuantos::Uno, 1};
const Argumento apuesta{QStringLiteral("\"1 2 3 4 5 + 1 2\""), Tipo::Texto, Cuantos::Varios};

const std::vector<Orden> tabla = {
    {"estado", {}, {}, "el bloque de estado", estado, Escribe::No},
    {"comprobar", {{"N", Tipo::Entero, Cuantos::Uno, 0}}, {"historico", "solo-premio"},
     "comprueba los N últimos sorteos", comprobar, Escribe::Si},
    {"recontar", {{"R", Tipo::Entero, Cuantos::Opcional, 1}}, {},
     "cuenta otra vez los premios de la peña R (o de todas)", recontar, Escribe::Si},
    {"penas", {}, {}, "la lista de peñas y sus totales", listaPenas, Escribe::No},
    {"pena", {penaR}, {}, "la peña número R", unaPena, Escribe::No},
    {"desglose", {{"TIPO", Tipo::Entero, Cuantos::Uno, 0}, {"H", Tipo::Entero, Cuantos::Uno, 0, 5},
                  {"K", Tipo::Entero, Cuantos::Uno, 0, 2}},
     {}, "premios de una apuesta múltiple", unDesglose, Escribe::No, nullptr, validaDesglose},
    {"sorteos", {}, {}, "la lista de sorteos", listaSorteos, Escribe::No},
    {"frecuencias", {}, {}, "veces que ha salido cada número y estrella", frecuencias, Escribe::No},
    {"importar", {fichero}, {}, "sustituye los sorteos por los de FICHERO", importar, Escribe::Si},
    {"importar-csv", {fichero}, {"otro-dia"}, "añade los sorteos de un CSV (fecha,n1..n5,e1,e2)", importarCsv, Escribe::Si},
    {"exportar-csv", {fichero}, {}, "guarda los sorteos en un CSV", exportarCsv, Escribe::No},
    {"anadir-sorteo", {{"AAAA-MM-DD"}, {apuesta.nombre}}, {"otro-dia"},
     "añade un sorteo (--otro-dia: celebrado otro día que martes o viernes)", anadirSorteo, Escribe::Si},
    {"huecos", {}, {}, "sorteos que faltan en el histórico", listaHuecos, Escribe::No},
    {"importar-premios", {fichero}, {}, "guarda los premios de un CSV en premios.dat", importarPremios, Escribe::Si},
    {"precio", {{"EUROS", Tipo::ImportePositivo, Cuantos::Opcional}}, {},
     "el precio de una apuesta (2,50 por defecto)", precio, Escribe::ConArgumentos},
    {"actualizar", {}, {"avisar"}, "baja los sorteos nuevos de internet (y avisa en el escritorio)",
     DEL_ESCRITORIO(actualizar), Escribe::Si, DEL_ESCRITORIO(actualizarEnLaVentana)},
    {"fuentes", {}, {}, "qué dice cada fuente de resultados", DEL_ESCRITORIO(listaFuentes), Escribe::No},
    {"analizar", {fichero}, {}, "añade los sorteos de una página guardada", analizar, Escribe::Si},
    {"informe", {fichero}, {}, "los premios de una página de sorteo guardada", informe, Escribe::No},
    {"nueva-pena", {apuesta}, {"nombre!", "dia"}, "añade una peña", nuevaPena, Escribe::Si, nullptr, validaNuevaPena},
    {"imprimir", {penaR}, {"papel", "pdf!", "dos-semanas"}, "imprime la peña R en un PDF", DEL_ESCRITORIO(imprimir),
     Escribe::No},
    {"socios", {penaR}, {}, "los socios de la peña R y sus cuentas", listaSocios, Escribe::No},
    {"socio-anadir", {penaR, {"NOMBRE"}, {"PARTICIPACIONES", Tipo::Entero, Cuantos::Uno, 1}}, {"nota"},
     "añade un socio a la peña R", anadeSocio, Escribe::Si, nullptr, validaSocio},
    {"socio-pago", {penaR, {"NOMBRE"}, {"EUROS", Tipo::ImportePositivo}}, {"fecha", "correccion"},
     "anota lo que ha puesto un socio (o lo corrige)", pagaSocio, Escribe::Si},
    {"socio-quitar", {penaR, {"NOMBRE"}}, {}, "quita un socio de la peña R", quitaSocio, Escribe::Si},
    {"socio-cambiar", {penaR, {"NOMBRE"}}, {"nombre", "participaciones"},
     "cambia el nombre o las participaciones de un socio", cambiaSocio, Escribe::Si, nullptr, validaCambioSocio},
    {"resumen", {penaR}, {"desde", "hasta", "pdf", "texto"},
     "el resumen de la peña R para sus socios, en texto o en PDF", DEL_ESCRITORIO(resumen), Escribe::No},
};

const std::vector<argumentos::Opcion> todasLasOpciones = {
    {"help", {}, {}},
    {"version", {}, {}},
    {"dir", "DIR", {}},
    {"hoy", "AAAA-MM-DD", {}, false, TipoOpcion::Fecha},
    {"json", {}, {}},
    {"historico", {}, {}},
    {"solo-premio", {}, {}},
    {"nombre", "NOMBRE", {}, true},
    {"dia", "DIA", {"Martes", "Viernes", "Todos"}},
    {"papel", "PAPEL", {"oficial", "normal"}},
    {"pdf", "FICHERO", {}},
    {"dos-semanas", "SI_NO", {"si", "no"}},
    {"nota", "NOTA", {}, true},
    {"fecha", "AAAA-MM-DD", {}, false, TipoOpcion::Fecha},
    {"correccion", {}, {}},
    {"desde", "AAAA-MM-DD", {}, false, TipoOpcion::Fecha},
    {"participaciones", "N", {}, false, TipoOpcion::Positivo},
    {"hasta", "AAAA-MM-DD", {}, false, TipoOpcion::Fecha},
    {"texto", {}, {}},
    {"avisar", {}, {}},
    {"otro-dia", {}, {}},
};
const QStringList comunes = {"help", "version", "dir", "hoy", "json"};

// "comprobar N [--historico] [--solo-premio]"
QString sintaxis(const Orden& o)
{
    QStringList partes = {o.nombre};
    // Arguments that repeat go last, after the options.
    const bool alFinal = !o.forma.empty() && o.forma.back().cuantos == Cuantos::Varios;
    if (!o.forma.empty() && !alFinal)
        partes << argumentos::textoForma(o.forma);
    for (QString nombre : o.opciones) {
        const bool obligada = nombre.endsWith(u'!');
        nombre.remove(u'!');
        const auto& op = *std::find_if(todasLasOpciones.begin(), todasLasOpciones.end(),
                                       [&](const argumentos::Opcion& x) { return x.nombre == nombre; });
        QString texto = QStringLiteral("--") + nombre;
        if (!op.valor.isEmpty())
            texto += u' ' + (op.permitidos.isEmpty() ? op.valor : op.permitidos.join(u'|'));
        partes << (obligada ? texto : u'[' + texto + u']');
    }
    if (alFinal)
        partes << argumentos::textoForma(o.forma);
    return partes.join(u' ');
}

QString uso()
{
    QString texto = QStringLiteral("Uso: bolvera-cli ORDEN [--dir DIR] [--hoy AAAA-MM-DD] [--json]");
    for (const Orden& o : tabla) {
        // A long line puts its description on the next one, in the same column.
        const QString linea = sintaxis(o);
        const QString columna(40, u' ');
        texto += QStringLiteral("\n  ") + linea +
                 (linea.size() < 38 ? QString(38 - linea.size(), u' ') : u'\n' + columna) + o.ayuda;
    }
    return texto;
}

QString usoDe(const Orden& o)
{
    return QStringLiteral("Uso: bolvera-cli ") + sintaxis(o);
}

const QString codigosSalida = QStringLiteral(
    "Opciones: --dir DIR (o BOLVERA_DIR) la carpeta de datos; --hoy AAAA-MM-DD; --json; --version; --help.\n"
    "Salida: 0 hecho, 1 operación rechazada, 2 argumentos no válidos.");

const QString verAyuda = QStringLiteral("bolvera-cli --help muestra las órdenes.");

// The message for options `o` does not take or lacks, else empty.
QString compruebaOpciones(const Orden& o, const std::map<QString, QString>& dadas)
{
    for (const auto& [nombre, valor] : dadas)
        if (!comunes.contains(nombre) && !o.opciones.contains(nombre) && !o.opciones.contains(nombre + u'!'))
            return QStringLiteral("La opción --%1 no vale para %2.").arg(nombre, o.nombre);
    for (const QString& nombre : o.opciones)
        if (nombre.endsWith(u'!') && !dadas.count(nombre.chopped(1)))
            return QStringLiteral("Falta --%1.").arg(nombre.chopped(1));
    return {};
}

// The line in bolvera-cli-escritorio, beside this program or where it is
// installed; this process becomes it.
int delega(char* argv[])
{
    const QString aqui = QCoreApplication::applicationDirPath();
    for (const QString& ruta : {aqui + QStringLiteral("/bolvera-cli-escritorio"),
                                aqui + QStringLiteral("/../libexec/bolvera/bolvera-cli-escritorio")}) {
        const QByteArray programa = QFile::encodeName(ruta);
        if (::access(programa.constData(), X_OK) != 0)
            continue;
        std::fflush(nullptr);
        ::execv(programa.constData(), argv);
        return falla(QStringLiteral("No se pudo ejecutar %1: %2").arg(ruta, QString::fromLocal8Bit(std::strerror(errno))));
    }
    return falla(QStringLiteral("Falta bolvera-cli-escritorio junto a bolvera-cli: reinstale Bolvera."));
}

std::unique_ptr<QCoreApplication> aplicacion(int& argc, char* argv[])
{
#ifdef BOLVERA_ESCRITORIO
    // Printing and PDFs draw text: they need a GUI application, on no screen
    // at all. Everything else stays a plain one, quiet on stderr.
    const bool imprime = std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::strcmp(a, "imprimir") == 0 || std::strcmp(a, "--pdf") == 0 || std::strncmp(a, "--pdf=", 6) == 0;
    });
    if (imprime && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (imprime)
        return std::make_unique<QGuiApplication>(argc, argv);
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const auto programa = aplicacion(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bolvera-cli"));

    // Everything is checked before anything is written or locked: a line
    // that makes no sense exits 2 and changes nothing.
    const argumentos::Linea linea = argumentos::lee(QCoreApplication::arguments().mid(1), todasLasOpciones);
    if (!linea.error.isEmpty())
        return fallaUso(linea.error + u'\n' + verAyuda);
    const auto opcion = [&](const QString& nombre) { return linea.opciones.count(nombre) ? linea.opciones.at(nombre) : QString(); };
    if (linea.opciones.count(QStringLiteral("version"))) {
        std::printf("Bolvera %s\n", qPrintable(versionPaquete));
        return 0;
    }
    if (linea.opciones.count(QStringLiteral("help"))) {
        std::printf("%s\n%s\n", qPrintable(uso()), qPrintable(codigosSalida));
        return 0;
    }
    QStringList posicionales = linea.posicionales;
    if (posicionales.isEmpty())
        return fallaUso(uso());
    const QString nombre = posicionales.takeFirst();
    const auto orden = std::find_if(tabla.begin(), tabla.end(), [&](const Orden& o) { return o.nombre == nombre; });
    if (orden == tabla.end())
        return fallaUso(QStringLiteral("Orden desconocida: %1\n").arg(nombre) + uso());
    if (const QString error = compruebaOpciones(*orden, linea.opciones); !error.isEmpty())
        return fallaUso(error + u'\n' + usoDe(*orden));
    if (const auto error = argumentos::compruebaPosicionales(posicionales, orden->forma))
        return fallaUso(*error + u'\n' + usoDe(*orden));
    if (!orden->ejecuta)
        return delega(argv);

    if (const auto error = argumentos::compruebaValores(linea, todasLasOpciones))
        return fallaUso(*error);
    Contexto c;
    c.hoy = linea.opciones.count(QStringLiteral("hoy")) ? QDate::fromString(opcion(QStringLiteral("hoy")), Qt::ISODate)
                                                         : RelojSistema().hoy();
    c.json = linea.opciones.count(QStringLiteral("json"));
    c.argumentos = posicionales;
    c.opciones = linea.opciones;

    if (orden->valida)
        if (const auto estado = orden->valida(c))
            return *estado;

    // The folder is found (and made, the first time) only for a line that makes sense.
    const DirectorioDatos datos = directorioDatos(opcion(QStringLiteral("dir")), QCoreApplication::applicationDirPath());
    if (!datos.error.isEmpty())
        return falla(datos.error);
    c.ruta = datos.ruta;

    // One writer at a time: a command that changes the data waits for no one.
    const bool escribe = orden->escribe == Escribe::Si || (orden->escribe == Escribe::ConArgumentos && !posicionales.isEmpty());
    Cerrojo cerrojo(c.ruta);
    if (escribe && !cerrojo.toma()) {
        if (orden->siOcupada && cerrojo.fallo() == Cerrojo::Fallo::Ocupado)
            if (const auto estado = orden->siOcupada(c))
                return *estado;
        return falla(cerrojo.motivo());
    }
    // A new data directory starts with the history the program ships; a
    // folder that cannot take it is said so by the command that needs it.
    (void)historia::preparaInicial(c.ruta);
    const int estado = orden->ejecuta(c);
    // What could not be written out (a full disk, a closed pipe) is no success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int numero = errno;
        return estado != 0 ? estado
                           : falla(QStringLiteral("No se pudo escribir la salida: %1.").arg(errorDeSalida(numero)));
    }
    return estado;
}
