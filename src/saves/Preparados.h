// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QThread>
#include <array>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>
#include "PorDificultad.h"

// Puzzles of each kind made ahead, so a new game of a hard kind is there at once.
inline constexpr size_t PreparadosPorDificultad = 4;
using Reservas = std::array<std::vector<SudokuHecho>, Dificultades>;   // PorNivel stays empty

// dir + "/NovaroPreparados.txt"
QString RutaPreparados(const QString& directorio);

// A line naming the format, then a line per puzzle: its kind's number, its givens
// and its solution, 81 digits each ('0' for an empty cell).
QByteArray CodificarPreparados(const Reservas& reservas);
// Only puzzles that are whole: a solution that keeps the rules, givens taken from it,
// one solution, and no more per kind than are kept. A file of someone else gives none.
Reservas DecodificarPreparados(QByteArrayView bytes);

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
