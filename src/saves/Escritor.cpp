// SPDX-License-Identifier: GPL-3.0-or-later
#include "Escritor.h"
#include "Archivos.h"

Escritor::Escritor() : hilo_([this] { Trabajar(); }) {}

Escritor::~Escritor()
{
    {
        const std::lock_guard<std::mutex> cerrojo(mutex_);
        terminar_ = true;
    }
    hayTrabajo_.notify_one();
    hilo_.join();
}

void Escritor::Escribir(const QString& ruta, QByteArray bytes)
{
    {
        const std::lock_guard<std::mutex> cerrojo(mutex_);
        pendientes_[ruta] = std::move(bytes);
    }
    hayTrabajo_.notify_one();
}

void Escritor::Vaciar()
{
    std::unique_lock<std::mutex> cerrojo(mutex_);
    vacio_.wait(cerrojo, [this] { return pendientes_.empty() && !escribiendo_; });
}

int Escritor::Fallos() const
{
    const std::lock_guard<std::mutex> cerrojo(mutex_);
    return fallos_;
}

void Escritor::Trabajar()
{
    std::unique_lock<std::mutex> cerrojo(mutex_);
    for (;;) {
        hayTrabajo_.wait(cerrojo, [this] { return terminar_ || !pendientes_.empty(); });
        if (pendientes_.empty()) return;   // told to end, and nothing is left
        auto nodo = pendientes_.extract(pendientes_.begin());
        escribiendo_ = true;
        cerrojo.unlock();
        const bool ok = EscribirEntero(nodo.key(), nodo.mapped()).ok;
        cerrojo.lock();
        escribiendo_ = false;
        if (!ok) ++fallos_;
        if (pendientes_.empty()) vacio_.notify_all();
    }
}
