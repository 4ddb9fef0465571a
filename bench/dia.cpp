// SPDX-License-Identifier: GPL-3.0-or-later
// The sudoku of the day, made at once from the date, as a player asking for it waits on
// it: the days of one kind over two years, one deal each.
#include <benchmark/benchmark.h>
#include <ctime>
#include <vector>
#include "DelDia.h"
#include "Medir.h"

namespace {

constexpr int DiasMedidos = 2 * 364;   // two whole years of weeks
constexpr Fecha PrimerLunes{2026, 1, 5};

void BM_SudokuDelDia(benchmark::State& state)
{
    const auto dificultad = static_cast<Dificultad>(state.range(0));
    std::vector<Fecha> dias;
    for (int k = 0; k < DiasMedidos; ++k) {
        const Fecha f = FechaDeDias(DiasDesdeEpoca(PrimerLunes) + k);
        if (DificultadDelDia(f) == dificultad) dias.push_back(f);
    }
    // Wall clock, and processor time: on a shared machine the second says what a player's
    // desktop would take.
    std::vector<double> ms, cpuMs;
    size_t siguiente = 0;
    int exactos = 0;
    for (auto _ : state) {
        const Fecha dia = dias[siguiente++ % dias.size()];
        const auto t0 = Reloj::now();
        const std::clock_t c0 = std::clock();
        const SudokuHecho hecho = SudokuDelDia(dia);
        cpuMs.push_back(1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC);
        ms.push_back(Microsegundos(Reloj::now() - t0) / 1000.0);
        exactos += hecho.exacto;
    }
    state.counters["dias"] = static_cast<double>(ms.size());
    state.counters["mediana_ms"] = Percentil(ms, 0.5);
    state.counters["p99_ms"] = Percentil(ms, 0.99);
    state.counters["peor_ms"] = Percentil(ms, 1.0);
    state.counters["cpu_mediana_ms"] = Percentil(cpuMs, 0.5);
    state.counters["cpu_p99_ms"] = Percentil(cpuMs, 0.99);
    state.counters["cpu_peor_ms"] = Percentil(cpuMs, 1.0);
    if (exactos != static_cast<int>(ms.size())) state.SkipWithError("a day's sudoku was not of its kind");
}
// Every day of the kind in the two years: 104 Mondays, Saturdays and Sundays; 208 of the others.
BENCHMARK(BM_SudokuDelDia)->Arg(1)->Iterations(104)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SudokuDelDia)->DenseRange(2, 3)->Iterations(208)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SudokuDelDia)->DenseRange(4, 5)->Iterations(104)->Unit(benchmark::kMillisecond);

} // namespace
