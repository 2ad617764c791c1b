// The status block reload on the largest files the program takes: 32,766 draws
// and 500 peñas, read from disk and counted, as every data change does.
#include "core/store/cargasorteos.h"
#include "core/store/fechas.h"
#include "core/store/ficheroregistros.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace bolvera;

namespace {

constexpr int maxSorteos = 32766;
constexpr int numPenas = 500;

void escribe(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(ruta));
}

// Draws on every Tuesday and Friday backwards from December 2026.
QByteArray sorteos()
{
    QByteArray bytes;
    QDate d(2026, 12, 4);
    std::vector<RegSorteo> todos;
    while (static_cast<int>(todos.size()) < maxSorteos) {
        if (d.dayOfWeek() == Qt::Tuesday || d.dayOfWeek() == Qt::Friday) {
            RegSorteo s;
            const auto k = static_cast<std::int16_t>(todos.size());
            s.num = {static_cast<std::int16_t>(1 + k % 46), 47, 48, 49, 50,
                     static_cast<std::int16_t>(1 + k % 11), 12};
            s.fecha = fechas::diaNumero(d);
            todos.push_back(s);
        }
        d = d.addDays(-1);
    }
    for (auto it = todos.rbegin(); it != todos.rend(); ++it)
        bytes += it->aBytes();
    return bytes;
}

// Peñas that play on Mondays, but for the last one: every draw's weekday is
// looked up against all of them.
QByteArray penas()
{
    QByteArray bytes;
    for (int i = 0; i < numPenas; ++i) {
        RegPena p;
        p.nombre = QStringLiteral("PEÑA %1").arg(i);
        p.dia = i == numPenas - 1 ? QStringLiteral("Viernes") : QStringLiteral("Lunes");
        p.tipo = 24;
        p.creacion = fechas::diaNumero(QDate(1700, 1, 1)); // before the oldest draw
        bytes += p.aBytes();
    }
    return bytes;
}

void BM_cargasorteos(benchmark::State& state)
{
    QTemporaryDir dir;
    escribe(dir.filePath("numeros.dat"), sorteos());
    escribe(dir.filePath("apuestas.dat"), penas());
    for (auto _ : state) {
        const auto s = ficheroregistros::leeTodos<RegSorteo>(dir.filePath("numeros.dat"));
        const auto p = ficheroregistros::leeTodos<RegPena>(dir.filePath("apuestas.dat"));
        const EstadoSorteos e = estadoSorteos(s, p, QDate(2026, 12, 8));
        if (e.proxsorteo != maxSorteos + 1 || e.sorteosjugados != maxSorteos / 2)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_cargasorteos)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
