// The statistics tab on the largest history (32,766 draws): the pass that
// builds the frequency tables, and that pass with the draw list's model reset
// and first paint.
#include "gui/main/modelosorteos.h"
#include "core/store/fechas.h"
#include "core/store/listado.h"

#include <QTableView>

#include <benchmark/benchmark.h>

using namespace bolvera;

namespace {

std::vector<RegSorteo> historia()
{
    std::vector<RegSorteo> sorteos;
    QDate d(1700, 1, 1);
    while (sorteos.size() < 32766) {
        if (d.dayOfWeek() == Qt::Tuesday || d.dayOfWeek() == Qt::Friday) {
            const auto k = static_cast<std::int16_t>(sorteos.size() % 40);
            RegSorteo s;
            s.num = {static_cast<std::int16_t>(k + 1), static_cast<std::int16_t>(k + 3),
                     static_cast<std::int16_t>(k + 5), static_cast<std::int16_t>(k + 7),
                     static_cast<std::int16_t>(k + 11), static_cast<std::int16_t>(1 + k % 11), 12};
            s.fecha = fechas::diaNumero(d);
            sorteos.push_back(s);
        }
        d = d.addDays(1);
    }
    return sorteos;
}

void BM_listasorteos(benchmark::State& state)
{
    const auto sorteos = historia();
    for (auto _ : state)
        benchmark::DoNotOptimize(listado::calcula(sorteos));
}
BENCHMARK(BM_listasorteos)->Unit(benchmark::kMillisecond);

void BM_listasorteosConLista(benchmark::State& state)
{
    const auto sorteos = historia();
    QTableView vista;
    auto* modelo = new ModeloSorteos(&vista);
    vista.setModel(modelo);
    vista.resize(460, 520);
    vista.show();
    for (auto _ : state) {
        benchmark::DoNotOptimize(listado::calcula(sorteos));
        modelo->pon(sorteos);
        benchmark::DoNotOptimize(vista.grab());
    }
}
BENCHMARK(BM_listasorteosConLista)->Unit(benchmark::kMillisecond);

} // namespace
