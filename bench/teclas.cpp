// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke through the real offscreen window: from the key event reaching
// the key detector to the utterance (Voz::Hablado), key by key, with percentiles.
#include <benchmark/benchmark.h>
#include <QKeyEvent>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <vector>
#include "Archivos.h"
#include "Carpetas.h"
#include "Medir.h"
#include "PartidaEnCurso.h"
#include "Preparados.h"
#include "VentanaBanco.h"
#include "ReproductorQt.h"
#include "Voz.h"

namespace {

struct Pulsacion {
    Qt::Key tecla;
    QString texto;   // what the key types; empty for a key that types nothing
};

// Times the press of pulsacion(k) for key k; entre(k) runs untimed after each one.
// The key's release and the repaint that follows (processEvents) go into "reposo",
// the whole keystroke until the window is idle again.
void MedirTeclas(benchmark::State& state, VentanaBanco& v, const std::function<Pulsacion(int64_t)>& pulsacion,
                 const std::function<void(int64_t)>& entre = {}, QWidget* destino = nullptr)
{
    Reloj::time_point oido;
    bool hablado = false;
    const auto conexion = QObject::connect(&v.f->Habla(), &Voz::Hablado, [&](const QString&) {
        oido = Reloj::now();
        hablado = true;
    });

    std::vector<double> voz, reposo;
    voz.reserve(static_cast<size_t>(state.max_iterations));
    reposo.reserve(static_cast<size_t>(state.max_iterations));
    QWidget* detector = destino ? destino : v.f->Picture1;
    int64_t k = 0;
    for (auto _ : state) {
        const Pulsacion p = pulsacion(k);
        hablado = false;
        const auto t0 = Reloj::now();
        QTest::sendKeyEvent(QTest::Press, detector, p.tecla, p.texto, Qt::NoModifier);
        // An utterance queued behind the key's own handler (a new game's) counts too.
        while (!hablado && Reloj::now() - t0 < std::chrono::seconds(1)) QCoreApplication::processEvents();
        if (!hablado) {
            state.SkipWithError("a key produced no utterance");
            break;
        }
        QTest::sendKeyEvent(QTest::Release, detector, p.tecla, p.texto, Qt::NoModifier);
        QCoreApplication::processEvents();
        const auto t1 = Reloj::now();
        voz.push_back(Microsegundos(oido - t0));
        reposo.push_back(Microsegundos(t1 - t0));
        state.SetIterationTime(std::chrono::duration<double>(oido - t0).count());
        if (entre) entre(k);
        ++k;
    }
    QObject::disconnect(conexion);

    state.counters["p50_us"] = Percentil(voz, 0.50);
    state.counters["p99_us"] = Percentil(voz, 0.99);
    state.counters["max_us"] = Percentil(voz, 1.0);
    state.counters["reposo_p50_us"] = Percentil(reposo, 0.50);
    state.counters["reposo_p99_us"] = Percentil(reposo, 0.99);
}

// Right from column 2 to 3, then Left back: every key crosses into another panel.
void FlechasEntrePaneles(benchmark::State& state, VentanaBanco& v)
{
    v.f->Estado.SonidoActivo = true;
    v.Cursor(4, 2);
    MedirTeclas(state, v, [](int64_t k) { return Pulsacion{k % 2 ? Qt::Key_Left : Qt::Key_Right, {}}; });
}

void BM_Tecla_Flecha(benchmark::State& state)
{
    VentanaBanco v;
    FlechasEntrePaneles(state, v);
}
BENCHMARK(BM_Tecla_Flecha)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// The same with the game's own Qt Multimedia player, as the real game runs it;
// onda_lista tells whether an audio device was there to play the sound at all.
void BM_Tecla_Flecha_ReproductorQt(benchmark::State& state)
{
    VentanaBanco v(std::make_unique<ReproductorQt>());
    FlechasEntrePaneles(state, v);
    const auto* qt = dynamic_cast<const ReproductorQt*>(&v.f->Sonido());
    state.counters["onda_lista"] = qt && qt->OndaLista() ? 1 : 0;
}
BENCHMARK(BM_Tecla_Flecha_ReproductorQt)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// J on, then Right and Left across a panel: from the key to the moment the sound layer
// has made the tick's and the cell's samples and handed them to the audio device.
// Argument 0: keys back to back, each cutting the last run; 1: each key after the last
// run has played out, as a player walks the board. salida tells whether a device was
// there to take them at all.
struct ReproductorCronometrado : ReproductorQt {
    Reloj::time_point sonado;
    bool sono = false;
    void Sonar(const std::vector<SonidoJuego>& sonidos) override
    {
        ReproductorQt::Sonar(sonidos);
        sonado = Reloj::now();
        sono = true;
    }
};

void BM_Tecla_SonidoDelJuego(benchmark::State& state)
{
    const bool esperar = state.range(0) == 1;
    auto propio = std::make_unique<ReproductorCronometrado>();
    ReproductorCronometrado* r = propio.get();
    VentanaBanco v(std::move(propio));
    QTest::keyClick(v.f->Picture1, Qt::Key_J);
    v.Cursor(4, 2);
    std::vector<double> sonido;
    int64_t k = 0;
    for (auto _ : state) {
        const Qt::Key tecla = k++ % 2 ? Qt::Key_Left : Qt::Key_Right;
        r->sono = false;
        const auto t0 = Reloj::now();
        QTest::sendKeyEvent(QTest::Press, v.f->Picture1, tecla, QString(), Qt::NoModifier);
        while (!r->sono && Reloj::now() - t0 < std::chrono::seconds(1)) QCoreApplication::processEvents();
        if (!r->sono) {
            state.SkipWithError("a move played no sound");
            break;
        }
        sonido.push_back(Microsegundos(r->sonado - t0));
        state.SetIterationTime(std::chrono::duration<double>(r->sonado - t0).count());
        QTest::sendKeyEvent(QTest::Release, v.f->Picture1, tecla, QString(), Qt::NoModifier);
        QCoreApplication::processEvents();
        const auto t1 = Reloj::now();
        while (esperar && r->Sonando() && Reloj::now() - t1 < std::chrono::seconds(1)) QCoreApplication::processEvents();
    }
    state.counters["p50_us"] = Percentil(sonido, 0.50);
    state.counters["p99_us"] = Percentil(sonido, 0.99);
    state.counters["salida"] = r->SalidaAbierta() ? 1 : 0;
}
BENCHMARK(BM_Tecla_SonidoDelJuego)->Arg(0)->Arg(1)->UseManualTime()->Iterations(Teclas() / 20)->Unit(benchmark::kMicrosecond);

// C reads the cursor's column into the message line.
void BM_Tecla_C(benchmark::State& state)
{
    VentanaBanco v;
    v.Cursor(4, 4);
    MedirTeclas(state, v, [](int64_t) { return Pulsacion{Qt::Key_C, QStringLiteral("c")}; });
}
BENCHMARK(BM_Tecla_C)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// The first cell of the dealt board that is not a given.
int PrimeraVacia(const VentanaBanco& v)
{
    int vacia = 0;
    while (v.f->Estado.Originales[vacia]) ++vacia;
    return vacia;
}

// N names the digits that fit an empty cell.
void BM_Tecla_N(benchmark::State& state)
{
    VentanaBanco v;
    const int vacia = PrimeraVacia(v);
    v.Cursor(vacia / 9, vacia % 9);
    MedirTeclas(state, v, [](int64_t) { return Pulsacion{Qt::Key_N, QStringLiteral("n")}; });
}
BENCHMARK(BM_Tecla_N)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// S jumps from empty cell to empty cell round the board, across panels with their sound.
void BM_Tecla_S(benchmark::State& state)
{
    VentanaBanco v;
    v.f->Estado.SonidoActivo = true;
    MedirTeclas(state, v, [](int64_t) { return Pulsacion{Qt::Key_S, QStringLiteral("s")}; });
}
BENCHMARK(BM_Tecla_S)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// A digit typed in write mode; Backspace (untimed, silent) empties the line again
// so every timed key sees the same short line.
void BM_Tecla_Escritura(benchmark::State& state)
{
    VentanaBanco v;
    const int vacia = PrimeraVacia(v);
    v.Cursor(vacia / 9, vacia % 9);
    QTest::keyClick(v.f->Picture1, Qt::Key_Return);
    if (!v.f->Estado.ModoEscritura) {
        state.SkipWithError("write mode did not start");
        return;
    }
    MedirTeclas(
        state, v, [](int64_t) { return Pulsacion{Qt::Key_7, QStringLiteral("7")}; },
        [&v](int64_t) {
            QTest::keyClick(v.f->Picture1, Qt::Key_Backspace);
            QCoreApplication::processEvents();
        });
}
BENCHMARK(BM_Tecla_Escritura)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// M fills the notes of every empty cell of a dealt board and says how many; Z
// (untimed) takes them away again, so every timed M fills them all.
void BM_Tecla_M(benchmark::State& state)
{
    VentanaBanco v;
    MedirTeclas(
        state, v, [](int64_t) { return Pulsacion{Qt::Key_M, QStringLiteral("m")}; },
        [&v](int64_t) {
            QTest::keyClick(v.f->Picture1, Qt::Key_Z);
            QCoreApplication::processEvents();
        });
}
BENCHMARK(BM_Tecla_M)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// With notes everywhere (M), the Enter that stores a digit typed in write mode: the
// cell's notes go and the digit leaves its row, column and panel, repainted. Untimed
// around it: Z brings the notes back, then Enter and the digit again.
void BM_Tecla_EscrituraConNotas(benchmark::State& state)
{
    VentanaBanco v;
    const int vacia = PrimeraVacia(v);
    v.Cursor(vacia / 9, vacia % 9);
    const auto digito = static_cast<Qt::Key>(Qt::Key_0 + v.f->Estado.Solucion[vacia / 9][vacia % 9]);
    const auto preparar = [&v, digito] {
        QTest::keyClick(v.f->Picture1, Qt::Key_Return);
        QTest::keyClick(v.f->Picture1, digito);
        QCoreApplication::processEvents();
    };
    QTest::keyClick(v.f->Picture1, Qt::Key_M);
    preparar();
    MedirTeclas(
        state, v, [](int64_t) { return Pulsacion{Qt::Key_Return, QStringLiteral("\r")}; },
        [&v, &preparar](int64_t) {
            QTest::keyClick(v.f->Picture1, Qt::Key_Z);
            preparar();
        });
}
BENCHMARK(BM_Tecla_EscrituraConNotas)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// K on: a digit key writes into an empty cell; Z (untimed) empties it again. The game
// in play is written after each one, on the writer's thread, while the next key comes.
void BM_Tecla_EscrituraDirecta(benchmark::State& state)
{
    VentanaBanco v;
    const int vacia = PrimeraVacia(v);
    v.Cursor(vacia / 9, vacia % 9);
    QTest::keyClick(v.f->Picture1, Qt::Key_K);
    if (!v.f->Estado.EscrituraDirecta) {
        state.SkipWithError("direct entry did not start");
        return;
    }
    MedirTeclas(
        state, v, [](int64_t) { return Pulsacion{Qt::Key_7, QStringLiteral("7")}; },
        [&v](int64_t) {
            QTest::keyClick(v.f->Picture1, Qt::Key_Z);
            QCoreApplication::processEvents();
        });
}
BENCHMARK(BM_Tecla_EscrituraDirecta)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

// What the writer's thread does after each change: the game in play encoded and put
// on disk whole (temporary file, flushed and synced, renamed over the old one).
void BM_EscribirEnCurso(benchmark::State& state)
{
    VentanaBanco v;
    QTest::keyClick(v.f->Picture1, Qt::Key_M);   // notes everywhere: the largest usual file
    const PartidaEnCurso partida{RegistroDe(v.f->Estado, *v.f), v.f->Estado.CasillaActual};
    const QString ruta = RutaPartidaEnCurso(v.carpeta.path());
    std::vector<double> tiempos;
    for (auto _ : state) {
        const auto t0 = Reloj::now();
        if (!EscribirEntero(ruta, Bytes(CodificarEnCurso(partida))).ok) {
            state.SkipWithError("the kept game was not written");
            break;
        }
        const auto t = Reloj::now() - t0;
        tiempos.push_back(Microsegundos(t));
        state.SetIterationTime(std::chrono::duration<double>(t).count());
    }
    state.counters["p50_us"] = Percentil(tiempos, 0.50);
    state.counters["p99_us"] = Percentil(tiempos, 0.99);
}
BENCHMARK(BM_EscribirEnCurso)->UseManualTime()->Iterations(1000)->Unit(benchmark::kMicrosecond);

// Enter on the focused "Nuevo" with a difficulty chosen and its puzzles ready:
// from the key to "Sudoku Experto, 24 números dados". Between keys (untimed) the
// focus goes back to the button and the taken puzzle is made again.
void NuevosConPreparados(benchmark::State& state, VentanaBanco& v, Dificultad dificultad)
{
    v.f->MnuD[static_cast<int>(dificultad)]->trigger();
    Preparados& p = v.f->SudokusPreparados();
    auto listos = [&] {
        while (p.Cuantos(dificultad) < PreparadosPorDificultad) QTest::qWait(5);
        v.f->Command2->setFocus();
        QCoreApplication::processEvents();
    };
    listos();
    MedirTeclas(
        state, v, [](int64_t) { return Pulsacion{Qt::Key_Return, QStringLiteral("\r")}; }, [&](int64_t) { listos(); },
        v.f->Command2);
}

void BM_Tecla_Nuevo(benchmark::State& state)
{
    VentanaBanco v;
    NuevosConPreparados(state, v, static_cast<Dificultad>(state.range(0)));
}
BENCHMARK(BM_Tecla_Nuevo)->DenseRange(1, 5)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

// The first Nuevo of a start that finds its difficulty and ready puzzles kept: each
// iteration a fresh window over the same folder, timed from the key alone.
void BM_Tecla_NuevoTrasArrancar(benchmark::State& state)
{
    QTemporaryDir guardados;
    const QString conservados[] = {DeUtf8(NombreAjustes), DeUtf8(NombrePreparados)};
    {
        VentanaBanco v;
        v.f->MnuD[static_cast<int>(Dificultad::Maestro)]->trigger();
        v.f->SudokusPreparados().EsperarLlenos();
        v.f->ConservarYa();
        for (const QString& nombre : conservados) QFile::copy(v.carpeta.filePath(nombre), guardados.filePath(nombre));
    }
    std::vector<double> voz;
    for (auto _ : state) {
        state.PauseTiming();
        VentanaBanco v([&](const QString& carpeta) {
            for (const QString& nombre : conservados) QFile::copy(guardados.filePath(nombre), carpeta + QLatin1Char('/') + nombre);
        });
        v.f->Command2->setFocus();
        QCoreApplication::processEvents();
        bool hablado = false;
        Reloj::time_point oido;
        QObject::connect(&v.f->Habla(), &Voz::Hablado, [&](const QString&) {
            oido = Reloj::now();
            hablado = true;
        });
        state.ResumeTiming();
        const auto t0 = Reloj::now();
        QTest::sendKeyEvent(QTest::Press, v.f->Command2, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
        while (!hablado && Reloj::now() - t0 < std::chrono::seconds(1)) QCoreApplication::processEvents();
        if (!hablado) {
            state.SkipWithError("Nuevo after a start was not heard at once");
            break;
        }
        voz.push_back(Microsegundos(oido - t0));
        state.SetIterationTime(std::chrono::duration<double>(oido - t0).count());
    }
    state.counters["p50_us"] = Percentil(voz, 0.50);
    state.counters["p99_us"] = Percentil(voz, 0.99);
    state.counters["max_us"] = Percentil(voz, 1.0);
}
BENCHMARK(BM_Tecla_NuevoTrasArrancar)->UseManualTime()->Iterations(50)->Unit(benchmark::kMicrosecond);

// Arrows while every difficulty's puzzles are being made from nothing, on the
// other core: the player should not notice.
void BM_Tecla_FlechaMientrasPrepara(benchmark::State& state)
{
    VentanaBanco v;
    v.f->MnuD[static_cast<int>(Dificultad::Maestro)]->trigger();
    FlechasEntrePaneles(state, v);
    size_t listos = 0;
    for (int d = 1; d < Dificultades; ++d) listos += v.f->SudokusPreparados().Cuantos(static_cast<Dificultad>(d));
    state.counters["preparados_al_acabar"] = static_cast<double>(listos);
}
BENCHMARK(BM_Tecla_FlechaMientrasPrepara)->UseManualTime()->Iterations(Teclas())->Unit(benchmark::kMicrosecond);

} // namespace
