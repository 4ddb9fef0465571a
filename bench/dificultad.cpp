// SPDX-License-Identifier: GPL-3.0-or-later
// Deals by difficulty: what one costs to make, and what the deals are like.
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
#include "Calificacion.h"
#include "PorDificultad.h"

namespace {

template <typename T>
T Rango(std::vector<T> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}

// One deal per iteration (1,000 per difficulty): the time each took, the carvings
// it needed, its givens, and how many were graded exactly the difficulty asked for
// (all of them, or the generator is wrong).
void BM_HacerSudoku(benchmark::State& state)
{
    const auto dificultad = static_cast<Dificultad>(state.range(0));
    Aleatorio azar(2026);
    std::vector<double> ms;
    std::vector<int> intentos, dados;
    int exactos = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const SudokuHecho h = HacerSudoku(dificultad, azar);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        state.PauseTiming();
        intentos.push_back(h.intentos + 1);
        dados.push_back(static_cast<int>(std::count_if(h.dados.begin(), h.dados.end(), [](int8_t d) { return d != 0; })));
        exactos += DificultadDe(Calificar(h.dados)) == dificultad;
        state.ResumeTiming();
    }
    state.counters["mediana_ms"] = Rango(ms, 0.5);
    state.counters["p99_ms"] = Rango(ms, 0.99);
    state.counters["peor_ms"] = Rango(ms, 1.0);
    state.counters["intentos_mediana"] = Rango(intentos, 0.5);
    state.counters["intentos_p99"] = Rango(intentos, 0.99);
    state.counters["dados_min"] = Rango(dados, 0.0);
    state.counters["dados_mediana"] = Rango(dados, 0.5);
    state.counters["dados_max"] = Rango(dados, 1.0);
    state.counters["exactos"] = exactos;
    if (exactos != static_cast<int>(ms.size())) state.SkipWithError("a deal was not of the difficulty asked for");
}
BENCHMARK(BM_HacerSudoku)->DenseRange(1, 5)->Iterations(1000)->Unit(benchmark::kMillisecond);

} // namespace
