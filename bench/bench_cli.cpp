// bolvera-cli on a whole history: 1,980 real draws (the shipped history) and
// 50 peñas of 24 simple bets created before the first draw, checked in JSON,
// in text and with --solo-premio. Prints wall time, rows a second and the
// child's peak memory (getrusage), so that runs can be compared.
#include "azar.h"
#include "store/fechas.h"
#include "store/historia.h"
#include "store/regpena.h"


#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace bolvera;

extern char** environ;

namespace {

void escribePenas(const QString& fichero)
{
    Azar azar;
    QByteArray bytes;
    for (int p = 0; p < 50; ++p) {
        RegPena pena;
        pena.nombre = QStringLiteral("PEÑA %1").arg(p).leftJustified(RegPena::largoNombre);
        pena.dia = QStringLiteral("Todos").leftJustified(RegPena::largoDia);
        pena.tipo = 24;
        pena.creacion = fechas::diaNumero(QDate(2004, 1, 1));
        for (std::size_t b = 0; b < 24; ++b) {
            const auto n = azar.distintos(5, 50);
            const auto e = azar.distintos(2, 12);
            std::copy(n.begin(), n.end(), pena.numeros[b].begin());
            std::copy(e.begin(), e.end(), pena.estrellas[b].begin());
        }
        bytes += pena.aBytes();
    }
    escribeFichero(fichero, bytes);
}

struct Medida
{
    double segundos = 0;
    long picoKb = 0;
    qint64 bytes = 0;
    qint64 lineas = 0;
};

// Runs the program with stdout into a pipe, counting what it writes.
Medida ejecuta(const QByteArray& programa, const std::vector<QByteArray>& argumentos)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        return {};
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&acciones, tubo[0]);
    std::vector<char*> argv = {const_cast<char*>(programa.constData())};
    for (const QByteArray& a : argumentos)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    QElapsedTimer reloj;
    reloj.start();
    pid_t hijo = 0;
    if (posix_spawn(&hijo, programa.constData(), &acciones, nullptr, argv.data(), environ) != 0)
        return {};
    close(tubo[1]);
    Medida m;
    char buffer[1 << 16];
    for (ssize_t n; (n = read(tubo[0], buffer, sizeof buffer)) > 0;) {
        m.bytes += n;
        m.lineas += std::count(buffer, buffer + n, '\n');
    }
    close(tubo[0]);
    int estado = 0;
    rusage uso{};
    wait4(hijo, &estado, 0, &uso);
    m.segundos = static_cast<double>(reloj.nsecsElapsed()) / 1e9;
    m.picoKb = uso.ru_maxrss;
    posix_spawn_file_actions_destroy(&acciones);
    return m;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    historia::preparaInicial(dir.path() + u'/');
    escribePenas(dir.filePath(QStringLiteral("apuestas.dat")));
    const QByteArray cli = QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/bolvera-cli"));
    const QByteArray ruta = QFile::encodeName(dir.path());
    QFile original(dir.filePath(QStringLiteral("apuestas.dat")));
    original.open(QIODevice::ReadOnly);
    const QByteArray antes = original.readAll();
    original.close();

    // The rows: one line each in text mode, less the two titles.
    const Medida texto = ejecuta(cli, {"comprobar", "1980", "--dir", ruta});
    const qint64 filas = texto.lineas - 2;
    struct Modo
    {
        const char* nombre;
        std::vector<QByteArray> argumentos;
    };
    const Modo modos[] = {
        {"json", {"comprobar", "1980", "--json", "--dir", ruta}},
        {"texto", {"comprobar", "1980", "--dir", ruta}},
        {"solo-premio", {"comprobar", "1980", "--solo-premio", "--dir", ruta}},
    };
    std::printf("bolvera-cli comprobar 1980: %lld rows (50 peñas x 24 bets, 1,980 draws)\n", static_cast<long long>(filas));
    std::printf("%-16s %10s %14s %12s %12s\n", "mode", "wall s", "rows/s", "peak MB", "output MB");
    for (const Modo& m : modos) {
        // Every run counts from the same counters.
        escribeFichero(dir.filePath(QStringLiteral("apuestas.dat")), antes);
        const Medida r = ejecuta(cli, m.argumentos);
        std::printf("%-16s %10.2f %14.0f %12.1f %12.1f\n", m.nombre, r.segundos,
                    static_cast<double>(filas) / r.segundos, static_cast<double>(r.picoKb) / 1024.0,
                    static_cast<double>(r.bytes) / 1e6);
    }
    return 0;
}
