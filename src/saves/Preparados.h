// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include "FormatoPreparados.h"

// dir + "/NovaroPreparados.txt"
QString RutaPreparados(const QString& directorio);

// Fills every kind up to PreparadosPorDificultad on a thread of its own at idle
// priority, the kind asked for most recently first, and writes the file after every
// change. It touches nothing but its puzzles, so the game in play never waits on it.
class Preparados {
public:
    // Tests ask for a normal priority: on a busy machine an idle thread may wait for minutes.
    Preparados(QString ruta, uint64_t semilla, QThread::Priority prioridad = QThread::IdlePriority);
    ~Preparados();   // the puzzle being made is dropped; what is ready is on disk already
    Preparados(const Preparados&) = delete;
    Preparados& operator=(const Preparados&) = delete;

    // Reads the file, then fills in the background. Does nothing the second time.
    void Empezar();
    // The kind the player is on: filled first.
    void Preferir(Dificultad dificultad);
    // A ready puzzle of the kind, taken out; none while that kind is empty.
    std::optional<SudokuHecho> Tomar(Dificultad dificultad);
    // Tests and benchmarks: waits until every kind is full.
    void EsperarLlenos();
    size_t Cuantos(Dificultad dificultad) const;

private:
    void Trabajar();
    Dificultad QueFalta() const;   // PorNivel: nothing

    const QString ruta_;
    uint64_t semilla_;
    QThread::Priority prioridad_;
    mutable std::mutex mutex_;
    std::condition_variable cambio_;
    Reservas reservas_;
    Dificultad preferida_ = Dificultad::PorNivel;
    bool escribir_ = false;   // a puzzle was taken since the last write
    std::atomic<bool> terminar_{false};
    // The puzzle being made is of a kind the player has just left, or the end came.
    std::atomic<bool> interrumpir_{false};
    Dificultad haciendo_ = Dificultad::PorNivel;
    std::unique_ptr<QThread> hilo_;
};
