// SPDX-License-Identifier: GPL-3.0-or-later
// New games dealt by the reasoning they need: the Dificultad menu, B's choice and
// the deal, from the puzzles made ahead or, when none is ready, made on the spot.
#include "Calificacion.h"
#include "Form1.h"
#include "Frases.h"
#include "Partida.h"
#include "Voz.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace {

// Past this a player waiting on a new game is told it is on its way.
constexpr int AvisoPreparandoMs = 1000;
constexpr int VigilarMs = 20;

} // namespace

void Form1::ConstruirMenuDificultad()
{
    MnuDificultad = menuBar()->addMenu(tr("Dificultad"));
    for (int i = 0; i < Dificultades; ++i) {
        QAction* a = MnuDificultad->addAction(QString::fromStdString(Frases::NombreDificultad(static_cast<Dificultad>(i))));
        a->setCheckable(true);
        a->setChecked(i == static_cast<int>(Dificultad::PorNivel));
        connect(a, &QAction::triggered, this, [this, i] { MnuD_Click(i); });
        MnuD.append(a);
    }
    esperaSudoku_ = new QTimer(this);
    esperaSudoku_->setInterval(VigilarMs);
    connect(esperaSudoku_, &QTimer::timeout, this, &Form1::EsperarSudoku);
}

void Form1::MnuD_Click(int indice)
{
    PonerDificultad(static_cast<Dificultad>(indice));
    ConservarLuego();
}

void Form1::PonerDificultad(Dificultad dificultad)
{
    for (QAction* a : MnuD) a->setChecked(false);
    MnuD[static_cast<int>(dificultad)]->setChecked(true);
    Estado.DificultadElegida = dificultad;
    if (dificultad == Dificultad::PorNivel) return;
    // Made ahead only for a player who asked for a kind once.
    preparados_->Preferir(dificultad);
    preparados_->Empezar();
}

bool Form1::NuevoPorDificultad(bool decir)
{
    if (enCamino_.valid()) return false;   // the one asked for is still being made
    const Dificultad dificultad = Estado.DificultadElegida;
    if (std::optional<SudokuHecho> hecho = preparados_->Tomar(dificultad)) {
        EmpezarHecho(*hecho, dificultad, decir);
        return true;
    }
    // On a thread, so the window goes on answering and can say it is coming.
    const auto semilla = static_cast<uint64_t>(Azar(*azar_, INT16_MAX)) << 16 | static_cast<uint64_t>(Azar(*azar_, INT16_MAX));
    pararEnCamino_ = false;
    descartarEnCamino_ = false;
    enCaminoDe_ = dificultad;
    enCamino_ = std::async(std::launch::async, [this, dificultad, semilla] {
        Aleatorio azar(semilla);
        return HacerSudoku(dificultad, azar, &pararEnCamino_);
    });
    avisadoPreparando_ = false;
    desdeNuevo_.start();
    esperaSudoku_->start();
    return false;
}

void Form1::EsperarSudoku()
{
    if (!enCamino_.valid()) {
        esperaSudoku_->stop();
        return;
    }
    if (enCamino_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        esperaSudoku_->stop();
        const SudokuHecho hecho = enCamino_.get();
        if (!descartarEnCamino_) EmpezarHecho(hecho, enCaminoDe_, true);
        return;
    }
    if (!avisadoPreparando_ && !descartarEnCamino_ && desdeNuevo_.elapsed() >= AvisoPreparandoMs) {
        avisadoPreparando_ = true;
        voz_->Hablar(QString::fromStdString(Frases::PreparandoSudoku()));
    }
}

void Form1::OlvidarEnCamino()
{
    if (!enCamino_.valid()) return;
    descartarEnCamino_ = true;
    pararEnCamino_ = true;
}

void Form1::EmpezarHecho(const SudokuHecho& hecho, Dificultad dificultad, bool decir)
{
    const Resultado r = juego_.EmpezarHecho(hecho, dificultad);
    MostrarBotones();
    PartidaCambiada();
    if (!decir) return;
    // After the handler hands the focus back to the key detector: a screen reader
    // that announces the new focus cuts short whatever it was saying.
    // A menu that chose it may still have the focus: the voice waits for the window.
    QMetaObject::invokeMethod(this, [this, r] { Atender(r); }, Qt::QueuedConnection);
}
