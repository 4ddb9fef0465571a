// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading one slot through the main window, and the file format alone.
#include <benchmark/benchmark.h>
#include "FormatoPartida.h"
#include "Ranuras.h"
#include "RegistroPartida.h"
#include "VentanaBanco.h"

namespace {

void BM_GuardarPartida(benchmark::State& state)
{
    VentanaBanco v;
    for (auto _ : state) v.f->GuardarPartida(1);
    if (!QFile::exists(RutaRanura(v.f->Lugar().partidas, 1))) state.SkipWithError("no slot file was written");
}
BENCHMARK(BM_GuardarPartida)->Unit(benchmark::kMicrosecond);

void BM_CargarPartida(benchmark::State& state)
{
    VentanaBanco v;
    v.f->GuardarPartida(1);
    if (CargarRanura(RutaRanura(v.f->Lugar().partidas, 1)).estado != EstadoCarga::Cargada) {
        state.SkipWithError("the saved slot does not load");
        return;
    }
    for (auto _ : state) {
        v.f->CargarPartida(1);
        QCoreApplication::processEvents();   // the repaint of the loaded board
    }
}
BENCHMARK(BM_CargarPartida)->Unit(benchmark::kMicrosecond);

// Without the window and the disk: what the slot format itself costs.
void BM_CodificarPartida(benchmark::State& state)
{
    VentanaBanco v;
    const RegistroPartida r = RegistroDe(v.f->Estado, *v.f);
    for (auto _ : state) benchmark::DoNotOptimize(CodificarPartida(r));
}
BENCHMARK(BM_CodificarPartida)->Unit(benchmark::kMicrosecond);

void BM_DecodificarPartida(benchmark::State& state)
{
    VentanaBanco v;
    const std::string bytes = CodificarPartida(RegistroDe(v.f->Estado, *v.f));
    if (!DecodificarPartida(bytes).ok) {
        state.SkipWithError("the encoded slot does not decode");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(DecodificarPartida(bytes));
}
BENCHMARK(BM_DecodificarPartida)->Unit(benchmark::kMicrosecond);

} // namespace
