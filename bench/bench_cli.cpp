// bolvera-cli on a whole history: 1,980 real draws (the shipped history) and
// 50 or 500 peñas of 24 simple bets created before the first draw, checked in
// JSON, in text and with --solo-premio. For each run: wall time with the
// output to /dev/null and to a file in memory, output bytes, nanoseconds an
// output byte, the child's peak memory (getrusage), and the ratio to `cat` of
// that file to /dev/null: the cost of moving the bytes alone. Writing into a
// file costs the kernel more than reading it back, so the ratio is taken on
// the /dev/null run.
#include "azar.h"
#include "core/store/fechas.h"
#include "core/store/historia.h"
#include "core/store/regpena.h"
#include "core/store/regsorteo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace bolvera;

extern char** environ;

namespace {

void escribePenas(const QString& fichero, int cuantas)
{
    Azar azar;
    QByteArray bytes;
    for (int p = 0; p < cuantas; ++p) {
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
};

// Runs `programa` with stdout into `salida` (or /dev/null), timing the whole process.
Medida ejecuta(const QByteArray& programa, const std::vector<QByteArray>& argumentos, const QByteArray& salida)
{
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, salida.isEmpty() ? "/dev/null" : salida.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv = {const_cast<char*>(programa.constData())};
    for (const QByteArray& a : argumentos)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    QElapsedTimer reloj;
    reloj.start();
    pid_t hijo = 0;
    Medida m;
    if (posix_spawn(&hijo, programa.constData(), &acciones, nullptr, argv.data(), environ) == 0) {
        int estado = 0;
        rusage uso{};
        wait4(hijo, &estado, 0, &uso);
        m.segundos = static_cast<double>(reloj.nsecsElapsed()) / 1e9;
        m.picoKb = uso.ru_maxrss;
    }
    posix_spawn_file_actions_destroy(&acciones);
    if (!salida.isEmpty())
        m.bytes = QFileInfo(QString::fromLocal8Bit(salida)).size();
    return m;
}

// The fastest of `veces` runs.
Medida mejor(int veces, const auto& corre)
{
    Medida m = corre();
    for (int i = 1; i < veces; ++i) {
        const Medida otra = corre();
        if (otra.segundos < m.segundos)
            m = otra;
    }
    return m;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray cli = QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/bolvera-cli"));
    // The output stays in memory, as the page cache holds it for `cat`.
    const QString memoria = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir salidas(memoria + QStringLiteral("/bolvera-bench-XXXXXX"));
    const QByteArray fichero = QFile::encodeName(salidas.filePath(QStringLiteral("salida")));
    // `make bench` passes Google Benchmark's options, which this one ignores.
    const int veces = argc > 1 && std::isdigit(static_cast<unsigned char>(argv[1][0])) ? std::max(1, std::atoi(argv[1])) : 3;
    std::printf("bolvera-cli comprobar 1980 --historico, 24 simple bets a peña, fastest of %d runs\n", veces);
    std::printf("%-6s %-12s %8s %8s %10s %8s %8s %8s %7s\n", "peñas", "mode", "wall s", "file s", "output MB",
                "ns/byte", "peak MB", "cat s", "x cat");
    for (const int cuantas : {50, 500}) {
        QTemporaryDir dir;
        if (historia::preparaInicial(dir.path() + u'/') != 0)
            return 1;
        const QString penas = dir.filePath(QStringLiteral("apuestas.dat"));
        escribePenas(penas, cuantas);
        QFile original(penas);
        original.open(QIODevice::ReadOnly);
        const QByteArray antes = original.readAll();
        original.close();
        const QByteArray ruta = QFile::encodeName(dir.path());
        struct Modo
        {
            const char* nombre;
            std::vector<QByteArray> argumentos;
        };
        const Modo modos[] = {
            {"json", {"comprobar", "1980", "--historico", "--json", "--dir", ruta}},
            {"texto", {"comprobar", "1980", "--historico", "--dir", ruta}},
            {"solo-premio", {"comprobar", "1980", "--historico", "--solo-premio", "--dir", ruta}},
        };
        for (const Modo& m : modos) {
            // Every run counts from the same counters.
            const auto corre = [&](const QByteArray& salida) {
                return mejor(veces, [&] {
                    escribeFichero(penas, antes);
                    return ejecuta(cli, m.argumentos, salida);
                });
            };
            const Medida nulo = corre({});
            const Medida aFichero = corre(fichero);
            const Medida gato = mejor(veces, [&] { return ejecuta("/bin/cat", {fichero}, {}); });
            const double bytes = static_cast<double>(std::max<qint64>(1, aFichero.bytes));
            std::printf("%-6d %-12s %8.3f %8.3f %10.1f %8.2f %8.1f %8.3f %7.1f\n", cuantas, m.nombre, nulo.segundos,
                        aFichero.segundos, bytes / 1e6, nulo.segundos * 1e9 / bytes,
                        static_cast<double>(std::max(nulo.picoKb, aFichero.picoKb)) / 1024.0, gato.segundos,
                        nulo.segundos / std::max(1e-9, gato.segundos));
            std::fflush(stdout);
        }
    }

    // The summary of one peña over the largest history, 32,766 draws back to
    // the peña's creation: it must not depend on the other peñas, and its PDF
    // takes seconds in the memory of the other commands.
    std::printf("\nbolvera-cli resumen 1, 32766 draws, fastest of %d runs\n", veces);
    std::printf("%-6s %-12s %8s %8s\n", "peñas", "mode", "wall s", "peak MB");
    QByteArray historia;
    Azar azar;
    for (QDate dia(2004, 2, 13); historia.size() < RegSorteo::maximo * RegSorteo::tamano; dia = dia.addDays(1)) {
        if (dia.dayOfWeek() != Qt::Friday && !(dia.dayOfWeek() == Qt::Tuesday && dia >= QDate(2011, 5, 10)))
            continue;
        RegSorteo s;
        const auto n = azar.distintos(5, 50);
        const auto e = azar.distintos(2, 9);
        std::copy(n.begin(), n.end(), s.num.begin());
        std::copy(e.begin(), e.end(), s.num.begin() + 5);
        s.fecha = fechas::diaNumero(dia);
        historia += s.aBytes();
    }
    for (const int cuantas : {1, 500}) {
        QTemporaryDir dir;
        escribeFichero(dir.filePath(QStringLiteral("numeros.dat")), historia);
        escribePenas(dir.filePath(QStringLiteral("apuestas.dat")), cuantas);
        const QByteArray ruta = QFile::encodeName(dir.path());
        const QByteArray pdf = QFile::encodeName(salidas.filePath(QStringLiteral("resumen.pdf")));
        for (const auto& [modo, argumentos] :
             {std::pair{"pdf", std::vector<QByteArray>{"resumen", "1", "--pdf", pdf, "--hoy", "2322-01-01", "--dir", ruta}},
              std::pair{"texto", std::vector<QByteArray>{"resumen", "1", "--texto", "--hoy", "2322-01-01", "--dir", ruta}}}) {
            const Medida m = mejor(veces, [&] { return ejecuta(cli, argumentos, {}); });
            std::printf("%-6d %-12s %8.3f %8.1f\n", cuantas, modo, m.segundos, static_cast<double>(m.picoKb) / 1024.0);
            std::fflush(stdout);
        }
    }
    return 0;
}
