// SPDX-License-Identifier: GPL-3.0-or-later
// The engine alone: dealing a game and checking a board, over plain cells.
#include <benchmark/benchmark.h>
#include "Azar.h"
#include "Calificacion.h"
#include "CasillasPlano.h"
#include "Comprobador.h"
#include "Generador.h"
#include "Historial.h"
#include "Minimos.h"
#include "Notas.h"
#include "Partida.h"
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

void BM_NuevaPartida(benchmark::State& state)
{
    EstadoJuego e;
    e.Nivel = static_cast<int16_t>(state.range(0));
    CasillasPlano casillas;
    Aleatorio azar(12345);
    for (auto _ : state) {
        NuevaPartida(e, casillas, azar);
        benchmark::DoNotOptimize(e.Originales);
        benchmark::ClobberMemory();
    }
}
// 7 is the level the game starts with; 0 and 14 are the two ends (27 and 41 givens).
BENCHMARK(BM_NuevaPartida)->Arg(7)->Arg(0)->Arg(14);

// This thread's processor time: on a busy machine the wall clock also counts the
// time other programs ran.
double ProcesadorMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// One-solution deals: each deal timed alone, for the median, the 99th percentile
// and the worst (what a player could wait for after Nuevo), by the wall clock and
// by the processor time the deal used.
void BM_NuevaPartidaUnica(benchmark::State& state)
{
    EstadoJuego e;
    e.Nivel = static_cast<int16_t>(state.range(0));
    e.SolucionUnica = true;
    CasillasPlano casillas;
    Aleatorio azar(12345);
    std::vector<double> ms, cpu;
    for (auto _ : state) {
        const auto antes = std::chrono::steady_clock::now();
        const double antesCpu = ProcesadorMs();
        NuevaPartida(e, casillas, azar);
        benchmark::DoNotOptimize(e.Originales);
        benchmark::ClobberMemory();
        cpu.push_back(ProcesadorMs() - antesCpu);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - antes).count());
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    state.counters["mediana_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[ms.size() * 99 / 100];
    state.counters["peor_ms"] = ms.back();
    state.counters["p99_cpu_ms"] = cpu[cpu.size() * 99 / 100];
    state.counters["peor_cpu_ms"] = cpu.back();
}
BENCHMARK(BM_NuevaPartidaUnica)->Arg(0)->Arg(7)->Arg(14)->Iterations(2000);

// Of the grades in [desde, hasta], how many the count holds.
using CuentaGrados = std::array<int, static_cast<int>(Calificacion::SinSolucion) + 1>;
int Suma(const CuentaGrados& cuenta, Calificacion desde, Calificacion hasta)
{
    int n = 0;
    for (int k = static_cast<int>(desde); k <= static_cast<int>(hasta); ++k) n += cuenta[static_cast<size_t>(k)];
    return n;
}

double Percentil99(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() * 99 / 100];
}

// 1,000 random minimal puzzles, the hardest there are for their givens: how many the
// reasoning finishes without a guess, how many need each rung (a table on stderr),
// and the 99th percentile of the grade, of the first hint from the givens and of
// every hint on the way to the end, in processor time; and that no hint on the way
// names a digit other than the solution's.
// What each grade is called in the tables on stderr.
const char* NombreDeGrado(Calificacion c)
{
    static const char* const nombres[] = {
        "sencillos", "en una linea", "en un panel", "pareja", "pareja oculta", "trio", "trio oculto", "ala X",
        "pez espada", "ala XY", "ala XYZ", "rascacielos", "cometa", "cadena X", "coloreado simple",
        "rectangulo unico 1", "rectangulo unico 2", "rectangulo unico 4", "BUG+1", "pares remotos", "ala W",
        "cadena XY", "ALS-XZ", "cadena alterna", "cadena forzada", "cadenas de una casilla", "cadenas de un grupo",
        "cadena anidada", "probando", "varias soluciones", "sin solucion",
    };
    static_assert(std::size(nombres) == static_cast<size_t>(Calificacion::SinSolucion) + 1, "a name for every grade");
    return nombres[static_cast<size_t>(c)];
}

void BM_MinimosSinAdivinar(benchmark::State& state)
{
    constexpr int Sudokus = 1000;

    for (auto _ : state) {
        Aleatorio azar(12345);
        CuentaGrados cuenta{};
        std::vector<double> calificar, pista, camino;
        int erroneas = 0;
        for (int k = 0; k < Sudokus; ++k) {
            const Digitos solucion = SolucionAlAzar(azar);
            const Digitos dados = Cavar(solucion, azar);   // as SudokuMinimo, keeping the solution
            double antes = ProcesadorMs();
            const Calificacion c = Calificar(dados);
            calificar.push_back(ProcesadorMs() - antes);
            antes = ProcesadorMs();
            benchmark::DoNotOptimize(SiguientePaso(dados, 0, true));
            pista.push_back(ProcesadorMs() - antes);
            ++cuenta[static_cast<size_t>(c)];
            // The hints followed to the end, each timed: never a digit but the solution's.
            for (Digitos t = dados; std::count(t.begin(), t.end(), 0) > 0;) {
                antes = ProcesadorMs();
                const std::optional<Paso> p = SiguientePaso(t, 0, true);
                camino.push_back(ProcesadorMs() - antes);
                if (!p) break;
                erroneas += p->digito != solucion[p->celda];
                t[p->celda] = static_cast<int8_t>(solucion[p->celda]);
            }
        }
        const int sinAdivinar = Suma(cuenta, Calificacion::Sencillos, Calificacion::CadenaAnidada);
        state.counters["sin_adivinar_pct"] = 100.0 * sinAdivinar / Sudokus;
        state.counters["calificar_p99_ms"] = Percentil99(calificar);
        state.counters["pista_p99_ms"] = Percentil99(pista);
        state.counters["calificar_peor_ms"] = *std::max_element(calificar.begin(), calificar.end());
        state.counters["pista_peor_ms"] = *std::max_element(pista.begin(), pista.end());
        state.counters["pista_en_el_camino_p99_ms"] = Percentil99(camino);
        state.counters["pista_en_el_camino_peor_ms"] = *std::max_element(camino.begin(), camino.end());
        state.counters["pistas_erroneas"] = erroneas;
        std::fprintf(stderr, "%d minimal puzzles, by the hardest rung they need:\n", Sudokus);
        for (size_t k = 0; k < cuenta.size(); ++k)
            std::fprintf(stderr, "  %-22s %5d\n", NombreDeGrado(static_cast<Calificacion>(k)), cuenta[k]);
    }
}
BENCHMARK(BM_MinimosSinAdivinar)->Iterations(1)->Unit(benchmark::kMillisecond);

// The hardest known puzzles (bench/dificiles.txt), each with its published
// solution, which the counter must find alone: how many the reasoning finishes
// without a guess, the grade of each (a table on stderr), and the 99th percentile
// and worst of the grade, of the first hint from the givens and of every hint on
// the way to the end, in processor time and by the wall clock; that no hint on
// the way names a digit other than the published solution's; and how soon a hint
// or a grade returns once another thread raises its stop flag.
void BM_Dificiles(benchmark::State& state)
{
    struct Dificil {
        Digitos dados, solucion;
        std::string nombre;
    };
    std::vector<Dificil> lista;
    std::ifstream archivo(NOVARO_DIFICILES);
    for (std::string linea; std::getline(archivo, linea);) {
        constexpr size_t Casillas = 81;
        if (linea.empty() || linea[0] == '#') continue;
        if (linea.size() < 2 * Casillas + 2) {
            state.SkipWithError(("malformed line in " NOVARO_DIFICILES ": " + linea).c_str());
            return;
        }
        Dificil d{{}, {}, linea.substr(2 * Casillas + 2)};
        for (size_t i = 0; i < Casillas; ++i) {
            const char dado = linea[i], sol = linea[Casillas + 1 + i];
            d.dados[i] = static_cast<int8_t>(dado >= '1' && dado <= '9' ? dado - '0' : 0);
            d.solucion[i] = static_cast<int8_t>(sol - '0');
        }
        lista.push_back(std::move(d));
    }
    if (lista.empty()) {
        state.SkipWithError("no puzzles in " NOVARO_DIFICILES);
        return;
    }
    for (auto _ : state) {
        std::vector<double> calificar, pista, camino, calificarReloj, pistaReloj, caminoReloj;
        int sinAdivinar = 0, erroneas = 0, solucionesMal = 0;
        auto reloj = [] { return std::chrono::steady_clock::now(); };
        auto ms = [](auto desde) { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - desde).count(); };
        for (const Dificil& d : lista) {
            Digitos halladas[2];
            solucionesMal += ContarSoluciones(d.dados, 2, halladas) != 1 || halladas[0] != d.solucion;
            double antes = ProcesadorMs();
            auto antesReloj = reloj();
            const Calificacion c = Calificar(d.dados);
            calificar.push_back(ProcesadorMs() - antes);
            calificarReloj.push_back(ms(antesReloj));
            sinAdivinar += c < Calificacion::Probando;
            std::fprintf(stderr, "  %-24s %s\n", d.nombre.c_str(), NombreDeGrado(c));
            bool primera = true;
            for (Digitos t = d.dados; std::count(t.begin(), t.end(), 0) > 0;) {
                antes = ProcesadorMs();
                antesReloj = reloj();
                const std::optional<Paso> p = SiguientePaso(t, 0, true);
                camino.push_back(ProcesadorMs() - antes);
                caminoReloj.push_back(ms(antesReloj));
                if (primera) {
                    pista.push_back(camino.back());
                    pistaReloj.push_back(caminoReloj.back());
                    primera = false;
                }
                if (!p) break;
                erroneas += p->digito != d.solucion[p->celda];
                t[p->celda] = d.solucion[p->celda];
            }
        }
        // Stopped from another thread: how long after the flag the hint and the grade return.
        constexpr auto Espera = std::chrono::milliseconds(20);
        std::vector<double> parada;
        for (const Dificil& d : lista)
            for (bool calificando : {false, true}) {
                std::atomic<bool> alto{false};
                std::chrono::steady_clock::time_point fin;
                std::thread busqueda([&] {
                    if (calificando) Calificar(d.dados, &alto);
                    else SiguientePaso(d.dados, 0, true, &alto);
                    fin = std::chrono::steady_clock::now();
                });
                std::this_thread::sleep_for(Espera);
                const auto alzada = reloj();
                alto = true;
                busqueda.join();
                parada.push_back(std::max(0.0, std::chrono::duration<double, std::milli>(fin - alzada).count()));
            }
        auto peor = [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); };
        state.counters["parada_reloj_peor_ms"] = peor(parada);
        state.counters["sudokus"] = static_cast<double>(lista.size());
        state.counters["soluciones_distintas"] = solucionesMal;
        state.counters["sin_adivinar"] = sinAdivinar;
        state.counters["calificar_p99_ms"] = Percentil99(calificar);
        state.counters["calificar_peor_ms"] = peor(calificar);
        state.counters["calificar_reloj_peor_ms"] = peor(calificarReloj);
        state.counters["pista_p99_ms"] = Percentil99(pista);
        state.counters["pista_peor_ms"] = peor(pista);
        state.counters["pista_reloj_peor_ms"] = peor(pistaReloj);
        state.counters["pista_en_el_camino_p99_ms"] = Percentil99(camino);
        state.counters["pista_en_el_camino_peor_ms"] = peor(camino);
        state.counters["pista_en_el_camino_reloj_p99_ms"] = Percentil99(caminoReloj);
        state.counters["pista_en_el_camino_reloj_peor_ms"] = peor(caminoReloj);
        state.counters["pistas_erroneas"] = erroneas;
    }
}
BENCHMARK(BM_Dificiles)->Iterations(1)->Unit(benchmark::kMillisecond);

// Where no step is sure and every rung is tried in vain: the hint and the grade
// on an empty board, on one with a single given, and on Easter Monster less a
// given (several solutions), in processor time.
void BM_SinPasoSeguro(benchmark::State& state)
{
    static const char* const tableros[] = {
        "---------------------------------------------------------------------------------",
        "-6-------------------------------------------------------------------------------",
        "1-------2-9-4---5---6---7---5-9-3-------7-------85--4-7-----6---3---9-8---2------",
    };
    const char* const tablero = tableros[state.range(0)];
    Digitos t{};
    for (int i = 0; i < 81; ++i) t[i] = static_cast<int8_t>(tablero[i] == '-' ? 0 : tablero[i] - '0');
    for (auto _ : state) {
        double antes = ProcesadorMs();
        benchmark::DoNotOptimize(SiguientePaso(t, 0, false));
        state.counters["pista_ms"] = ProcesadorMs() - antes;
        antes = ProcesadorMs();
        benchmark::DoNotOptimize(Calificar(t));
        state.counters["calificar_ms"] = ProcesadorMs() - antes;
    }
}
BENCHMARK(BM_SinPasoSeguro)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);

// How hard one-solution deals are: of 200 deals, how many need only singles, a digit
// held to a line or a panel, pairs and triples, fish (X-Wing, Swordfish), wings
// (XY, XYZ), the simple chains (skyscraper to colouring), uniqueness, the longer
// chains, forcing chains of any kind, or a guess. Levels 15, 8 and 1 of the menu.
void BM_DificultadUnica(benchmark::State& state)
{
    EstadoJuego e;
    e.Nivel = static_cast<int16_t>(state.range(0));
    e.SolucionUnica = true;
    CasillasPlano casillas;
    Aleatorio azar(12345);
    CuentaGrados cuenta{};
    for (auto _ : state) {
        NuevaPartida(e, casillas, azar);
        const Calificacion c = Calificar(DadosDe(e));
        benchmark::DoNotOptimize(c);
        ++cuenta[static_cast<size_t>(c)];
    }
    auto suma = [&](Calificacion desde, Calificacion hasta) { return Suma(cuenta, desde, hasta); };
    state.counters["sencillos"] = suma(Calificacion::Sencillos, Calificacion::Sencillos);
    state.counters["encierros"] = suma(Calificacion::EnUnaLinea, Calificacion::EnUnPanel);
    state.counters["parejas_trios"] = suma(Calificacion::Pareja, Calificacion::TrioOculto);
    state.counters["peces"] = suma(Calificacion::AlaX, Calificacion::PezEspada);
    state.counters["alas"] = suma(Calificacion::AlaXY, Calificacion::AlaXYZ);
    state.counters["cadenas_simples"] = suma(Calificacion::Rascacielos, Calificacion::ColoreadoSimple);
    state.counters["unicidad"] = suma(Calificacion::RectanguloUnico1, Calificacion::BugMasUno);
    state.counters["cadenas"] = suma(Calificacion::ParesRemotos, Calificacion::CadenaAlterna);
    state.counters["forzadas"] = suma(Calificacion::CadenaForzada, Calificacion::CadenaAnidada);
    state.counters["adivinar"] = suma(Calificacion::Probando, Calificacion::SinSolucion);
}
BENCHMARK(BM_DificultadUnica)->Arg(14)->Arg(7)->Arg(0)->Iterations(200);

void BM_GenerarSolucion(benchmark::State& state)
{
    EstadoJuego e;
    Aleatorio azar(12345);
    for (auto _ : state) {
        GenerarSolucion(e, azar);
        benchmark::DoNotOptimize(e.Solucion);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GenerarSolucion);

void BM_Barajar(benchmark::State& state)
{
    EstadoJuego e;
    Aleatorio azar(12345);
    GenerarSolucion(e, azar);
    for (auto _ : state) {
        Barajar(e, azar);
        benchmark::DoNotOptimize(e.Solucion);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Barajar);

void BM_CrearPartida(benchmark::State& state)
{
    EstadoJuego e;
    e.Nivel = 7;
    CasillasPlano casillas;
    Aleatorio azar(12345);
    GenerarSolucion(e, azar);
    Barajar(e, azar);
    for (auto _ : state) {
        CrearPartida(e, casillas, azar);
        benchmark::DoNotOptimize(e.Originales);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CrearPartida);

// A freshly dealt game, and the same game with every cell holding its solution digit.
struct Tableros {
    EstadoJuego e;
    CasillasPlano puzzle, lleno;
    Tableros()
    {
        e.Nivel = 7;
        Aleatorio azar(12345);
        NuevaPartida(e, puzzle, azar);
        for (int i = 0; i < 81; ++i)
            lleno.textos[i] = std::string(1, static_cast<char>('0' + e.Solucion[i / 9][i % 9]));
    }
};

void BM_Comprobar_Lleno(benchmark::State& state)
{
    Tableros t;
    if (Comprobar(t.e, t.lleno).rfind("Muchísimas", 0) != 0) {
        state.SkipWithError("the full board does not pass the check");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(Comprobar(t.e, t.lleno));
}
BENCHMARK(BM_Comprobar_Lleno);

void BM_Comprobar_Nuevo(benchmark::State& state)
{
    Tableros t;
    for (auto _ : state) benchmark::DoNotOptimize(Comprobar(t.e, t.puzzle));
}
BENCHMARK(BM_Comprobar_Nuevo);

// The per-cell parse Comprobar makes 243 times on a full board.
void BM_ValorCasilla(benchmark::State& state)
{
    const std::string texto = "7";
    for (auto _ : state) benchmark::DoNotOptimize(ValorCasilla(texto));
}
BENCHMARK(BM_ValorCasilla);

// M on a freshly dealt board: every empty cell gets its candidates, one change of the
// history. Each fill is timed alone; the notes and history are cleared untimed.
void BM_LlenarNotas(benchmark::State& state)
{
    Tableros t;
    for (auto _ : state) {
        const auto antes = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(LlenarNotas(t.e, t.puzzle, 0));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - antes).count());
        OlvidarNotas(t.e, t.puzzle);
        t.e.Cambios.Olvidar();
    }
}
BENCHMARK(BM_LlenarNotas)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A digit written into an empty cell whose row, column and panel hold notes (after M):
// the cell's notes cleared and the digit taken out of its 20 neighbours', one change.
// Undone untimed after each.
void BM_EscribirConNotas(benchmark::State& state)
{
    Tableros t;
    int16_t vacia = 0;
    while (t.e.Originales[vacia]) ++vacia;
    const std::string digito(1, static_cast<char>('0' + t.e.Solucion[vacia / 9][vacia % 9]));
    LlenarNotas(t.e, t.puzzle, vacia);
    for (auto _ : state) {
        const auto antes = std::chrono::steady_clock::now();
        CambiarCasilla(t.e, t.puzzle, vacia, digito, false);
        benchmark::ClobberMemory();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - antes).count());
        Deshacer(t.e, t.puzzle);
    }
}
BENCHMARK(BM_EscribirConNotas)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
