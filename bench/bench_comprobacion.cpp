// The check of a whole history: 2,000 draws with "Histórico" against 50 (or 500) peñas
// of 24 simple bets and 10 multiple peñas of 10 numbers and 5 stars — the
// passes alone, the passes with the list model and its first paint, and the
// breakdown of a multiple bet.
#include "azar.h"
#include "core/checking/desglose.h"
#include "core/checking/pasadas.h"
#include "gui/main/modeloresultados.h"
#include "core/store/fechas.h"


#include <QHeaderView>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <random>

using namespace bolvera;

namespace {

constexpr int numSorteos = 2000;

// `sencillas` peñas of 24 simple bets and 10 multiple ones.
Instantanea datos(int sencillas = 50)
{
    Azar azar;
    Instantanea d;
    QDate fecha(2007, 1, 2);
    while (static_cast<int>(d.sorteos.size()) < numSorteos) {
        if (fecha.dayOfWeek() == Qt::Tuesday || fecha.dayOfWeek() == Qt::Friday) {
            RegSorteo s;
            const auto n = azar.distintos(5, 50);
            const auto e = azar.distintos(2, 12);
            std::copy(n.begin(), n.end(), s.num.begin());
            std::copy(e.begin(), e.end(), s.num.begin() + 5);
            s.fecha = fechas::diaNumero(fecha);
            d.sorteos.push_back(s);
        }
        fecha = fecha.addDays(1);
    }
    const double creacion = fechas::diaNumero(QDate(2020, 1, 1));
    for (int p = 0; p < sencillas + 10; ++p) {
        RegPena pena;
        pena.nombre = QStringLiteral("PEÑA %1").arg(p).leftJustified(20);
        pena.dia = QStringLiteral("Todos").leftJustified(15);
        pena.creacion = creacion;
        const bool multiple = p >= sencillas;
        pena.tipo = multiple ? 205 : 24;
        for (int b = 0; b < (multiple ? 1 : 24); ++b) {
            const auto n = azar.distintos(multiple ? 10 : 5, 50);
            const auto e = azar.distintos(multiple ? 5 : 2, 12);
            std::copy(n.begin(), n.end(), pena.numeros[b].begin());
            std::copy(e.begin(), e.end(), pena.estrellas[b].begin());
        }
        d.penas.push_back(pena);
    }
    return d;
}

const OpcionesPasada historico{.historico = true};

void BM_pasadas(benchmark::State& state)
{
    const Instantanea original = datos();
    std::size_t filas = 0;
    for (auto _ : state) {
        Instantanea d = original;
        Parpadeo p;
        const Pasada s = pasadaSencillas(d.sorteos, d.penas, numSorteos, historico, p);
        const Pasada m = pasadaMultiples(d.sorteos, d.penas, numSorteos, historico, p);
        filas = s.filas.size() + m.filas.size();
        benchmark::DoNotOptimize(filas);
    }
    state.counters["filas"] = static_cast<double>(filas);
    state.counters["bytes_por_fila"] = sizeof(Fila);
}
BENCHMARK(BM_pasadas)->Unit(benchmark::kMillisecond);

void BM_pasadasModeloYPintado(benchmark::State& state)
{
    const Instantanea original = datos(static_cast<int>(state.range(0)));
    QTableView vista;
    auto* modelo = new ModeloResultados(Lista::Sencillas, {}, &vista);
    vista.setModel(modelo);
    vista.resize(900, 500);
    vista.show();
    for (auto _ : state) {
        auto d = std::make_shared<Instantanea>(original);
        Parpadeo p;
        // As the results tab keeps them: the newest rows, the rest when scrolled to.
        FilasCompactas filas;
        filas.limita(ModeloResultados::trozo);
        pasadaSencillas(d->sorteos, d->penas, numSorteos, historico, p,
                        [&](const Bloque& bloque) { filas.anade(bloque); });
        pasadaMultiples(d->sorteos, d->penas, numSorteos, historico, p);
        modelo->pon(d, std::move(filas), numSorteos, historico);
        benchmark::DoNotOptimize(vista.grab());
    }
    state.counters["filas_al_abrir"] = modelo->rowCount();
}
BENCHMARK(BM_pasadasModeloYPintado)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_desglose(benchmark::State& state)
{
    int suma = 0;
    for (auto _ : state)
        for (int h = 0; h <= 5; ++h)
            for (int k = 0; k <= 2; ++k)
                suma += desglose(10, 5, h, k)[9];
    benchmark::DoNotOptimize(suma);
}
BENCHMARK(BM_desglose);

} // namespace
