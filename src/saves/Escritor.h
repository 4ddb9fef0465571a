// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

// Writes whole files on a thread of its own, so a slow disk never holds up a key.
// Only the newest bytes for a path matter: older ones still waiting are dropped.
class Escritor {
public:
    Escritor();
    ~Escritor();   // writes what is still waiting
    Escritor(const Escritor&) = delete;
    Escritor& operator=(const Escritor&) = delete;

    void Escribir(const QString& ruta, QByteArray bytes);
    // Returns when everything handed in so far is on disk (or failed).
    void Vaciar();
    // Files that could not be written since the start.
    int Fallos() const;

private:
    void Trabajar();

    mutable std::mutex mutex_;
    std::condition_variable hayTrabajo_;
    std::condition_variable vacio_;
    std::map<QString, QByteArray> pendientes_;
    bool escribiendo_ = false;
    bool terminar_ = false;
    int fallos_ = 0;
    std::thread hilo_;
};
