// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke through the core alone, on a plain board: Juego::Pulsar from the key
// code to the utterance it hands back. The same keys as bench/teclas.cpp times through
// the window, so the difference is what the window and Qt add.
#include <benchmark/benchmark.h>
#include <functional>
#include <string_view>
#include <vector>
#include "Azar.h"
#include "Juego.h"
#include "Medir.h"
#include "Partida.h"
#include "Tablero.h"
#include "Teclas.h"

namespace {

// The board the window's benchmarks deal, the cursor shown and the first arrival had.
struct MesaBanco {
    Tablero tablero;
    Juego juego{tablero};

    MesaBanco()
    {
        Aleatorio azar(SemillaBanco);
        NuevaPartida(juego.Estado(), tablero, azar);
        tablero.SeleccionarCasilla(juego.Estado().CasillaActual, true);
        juego.Enfocado();
    }

    void Cursor(int fila, int columna)
    {
        EstadoJuego& e = juego.Estado();
        tablero.SeleccionarCasilla(e.CasillaActual, false);
        e.FilaActual = static_cast<int16_t>(fila);
        e.ColumnaActual = static_cast<int16_t>(columna);
        e.CasillaActual = static_cast<int16_t>(fila * 9 + columna);
        tablero.SeleccionarCasilla(e.CasillaActual, true);
    }

    // The first cell of the dealt board that is not a given.
    void CursorEnVacia()
    {
        int vacia = 0;
        while (juego.Estado().Originales[vacia]) ++vacia;
        Cursor(vacia / 9, vacia % 9);
    }

    Resultado Pulsar(int codigo, std::u16string_view caracteres = {}) { return juego.Pulsar(codigo, 0, caracteres); }
};

struct Tecla {
    int codigo;
    std::u16string_view caracteres;   // what the key types; empty for a key that types nothing
};

// Times tecla(k) for key k; entre(k) runs untimed after each one.
void MedirTeclas(benchmark::State& state, MesaBanco& m, const std::function<Tecla(int64_t)>& tecla,
                 const std::function<void(int64_t)>& entre = {})
{
    std::vector<double> voz;
    voz.reserve(static_cast<size_t>(state.max_iterations));
    int64_t k = 0;
    for (auto _ : state) {
        const Tecla t = tecla(k);
        const auto t0 = Reloj::now();
        const Resultado r = m.Pulsar(t.codigo, t.caracteres);
        const auto oido = Reloj::now();
        if (r.dicho.empty()) {
            state.SkipWithError("a key produced no utterance");
            break;
        }
        voz.push_back(Microsegundos(oido - t0));
        state.SetIterationTime(std::chrono::duration<double>(oido - t0).count());
        if (entre) entre(k);
        ++k;
    }
    state.counters["p50_us"] = Percentil(voz, 0.50);
    state.counters["p99_us"] = Percentil(voz, 0.99);
    state.counters["max_us"] = Percentil(voz, 1.0);
}

// Right from column 2 to 3, then Left back: every key crosses into another panel.
void BM_Nucleo_Flecha(benchmark::State& state)
{
    MesaBanco m;
    m.juego.Estado().SonidoActivo = true;
    m.Cursor(4, 2);
    MedirTeclas(state, m, [](int64_t k) { return Tecla{k % 2 ? VK_LEFT : VK_RIGHT, {}}; });
}
BENCHMARK(BM_Nucleo_Flecha)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

void BM_Nucleo_C(benchmark::State& state)
{
    MesaBanco m;
    m.Cursor(4, 4);
    MedirTeclas(state, m, [](int64_t) { return Tecla{VK_C, u"c"}; });
}
BENCHMARK(BM_Nucleo_C)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

void BM_Nucleo_N(benchmark::State& state)
{
    MesaBanco m;
    m.CursorEnVacia();
    MedirTeclas(state, m, [](int64_t) { return Tecla{VK_N, u"n"}; });
}
BENCHMARK(BM_Nucleo_N)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

void BM_Nucleo_S(benchmark::State& state)
{
    MesaBanco m;
    m.juego.Estado().SonidoActivo = true;
    MedirTeclas(state, m, [](int64_t) { return Tecla{VK_S, u"s"}; });
}
BENCHMARK(BM_Nucleo_S)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// The hint from the dealt board, worked out afresh each time: C (untimed) between
// keys ends the hint, so H does not go on with the parts of the last one.
void BM_Nucleo_H(benchmark::State& state)
{
    MesaBanco m;
    MedirTeclas(
        state, m, [](int64_t) { return Tecla{VK_H, u"h"}; }, [&m](int64_t) { m.Pulsar(VK_C, u"c"); });
}
BENCHMARK(BM_Nucleo_H)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// A digit typed in write mode; Backspace (untimed) empties the line again.
void BM_Nucleo_Escritura(benchmark::State& state)
{
    MesaBanco m;
    m.CursorEnVacia();
    m.Pulsar(VK_RETURN, u"\r");
    if (!m.juego.Estado().ModoEscritura) {
        state.SkipWithError("write mode did not start");
        return;
    }
    MedirTeclas(
        state, m, [](int64_t) { return Tecla{VK_0 + 7, u"7"}; }, [&m](int64_t) { m.Pulsar(VK_BACK, u"\b"); });
}
BENCHMARK(BM_Nucleo_Escritura)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// K on: a digit key writes into an empty cell; Z (untimed) empties it again.
void BM_Nucleo_EscrituraDirecta(benchmark::State& state)
{
    MesaBanco m;
    m.CursorEnVacia();
    m.Pulsar(VK_K, u"k");
    if (!m.juego.Estado().EscrituraDirecta) {
        state.SkipWithError("direct entry did not start");
        return;
    }
    MedirTeclas(
        state, m, [](int64_t) { return Tecla{VK_0 + 7, u"7"}; }, [&m](int64_t) { m.Pulsar(VK_Z, u"z"); });
}
BENCHMARK(BM_Nucleo_EscrituraDirecta)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

} // namespace
