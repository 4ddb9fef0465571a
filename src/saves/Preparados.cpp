// SPDX-License-Identifier: GPL-3.0-or-later
#include "Preparados.h"
#include "Archivos.h"
#include "Carpetas.h"
#include <QThread>

QString RutaPreparados(const QString& directorio) { return RutaEn(directorio, NombrePreparados); }

Preparados::Preparados(QString ruta, uint64_t semilla, QThread::Priority prioridad)
    : ruta_(std::move(ruta)), semilla_(semilla), prioridad_(prioridad)
{
}

Preparados::~Preparados()
{
    if (!hilo_) return;
    {
        std::lock_guard bloqueo(mutex_);
        terminar_ = true;
        interrumpir_ = true;
    }
    cambio_.notify_all();
    hilo_->wait();
}

void Preparados::Empezar()
{
    if (hilo_) return;
    // Read here, not on the thread: at idle priority on a busy machine it might not
    // run for minutes, and a start must find what was kept at once.
    const Leido leido = LeerAcotado(ruta_, TamanoMaximoPreparados);
    if (leido.bytes) reservas_ = DecodificarPreparados(VerBytes(*leido.bytes));
    // A damaged or foreign file is written again with what was whole in it.
    escribir_ = leido.existe && (!leido.bytes || VerBytes(*leido.bytes) != CodificarPreparados(reservas_));
    hilo_.reset(QThread::create([this] { Trabajar(); }));
    // Idle: it runs only on a processor nothing else wants.
    hilo_->start(prioridad_);
}

void Preparados::Preferir(Dificultad d)
{
    {
        std::lock_guard bloqueo(mutex_);
        preferida_ = d;
        if (haciendo_ != Dificultad::PorNivel && haciendo_ != d && reservas_[static_cast<int>(d)].size() < PreparadosPorDificultad)
            interrumpir_ = true;
    }
    cambio_.notify_all();
}

std::optional<SudokuHecho> Preparados::Tomar(Dificultad d)
{
    std::optional<SudokuHecho> s;
    {
        std::lock_guard bloqueo(mutex_);
        auto& lista = reservas_[static_cast<int>(d)];
        if (lista.empty()) return s;
        s = lista.front();
        lista.erase(lista.begin());
        escribir_ = true;
    }
    cambio_.notify_all();
    return s;
}

void Preparados::EsperarLlenos()
{
    std::unique_lock bloqueo(mutex_);
    if (hilo_) cambio_.wait(bloqueo, [this] { return QueFalta() == Dificultad::PorNivel; });
}

size_t Preparados::Cuantos(Dificultad d) const
{
    std::lock_guard bloqueo(mutex_);
    return reservas_[static_cast<int>(d)].size();
}

Dificultad Preparados::QueFalta() const
{
    if (preferida_ != Dificultad::PorNivel && reservas_[static_cast<int>(preferida_)].size() < PreparadosPorDificultad)
        return preferida_;
    for (int d = 1; d < Dificultades; ++d)
        if (reservas_[d].size() < PreparadosPorDificultad) return static_cast<Dificultad>(d);
    return Dificultad::PorNivel;
}

void Preparados::Trabajar()
{
    Aleatorio azar(semilla_);
    std::unique_lock bloqueo(mutex_);
    while (!terminar_) {
        if (escribir_) {
            escribir_ = false;
            const QByteArray bytes = Bytes(CodificarPreparados(reservas_));
            bloqueo.unlock();
            EscribirEntero(ruta_, bytes);   // a folder we cannot write costs only the keeping
            bloqueo.lock();
            continue;
        }
        const Dificultad falta = QueFalta();
        if (falta == Dificultad::PorNivel) {
            cambio_.notify_all();
            cambio_.wait(bloqueo, [this] { return terminar_ || escribir_ || QueFalta() != Dificultad::PorNivel; });
            continue;
        }
        haciendo_ = falta;
        interrumpir_ = false;
        bloqueo.unlock();
        SudokuHecho s = HacerSudoku(falta, azar, &interrumpir_);
        bloqueo.lock();
        haciendo_ = Dificultad::PorNivel;
        if (interrumpir_ || !s.exacto) continue;
        reservas_[static_cast<int>(falta)].push_back(s);
        escribir_ = true;
        cambio_.notify_all();
    }
}
