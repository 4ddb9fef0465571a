// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include "Reproductor.h"

// Plays through winmm's PlaySound, which Windows always has. A missing or broken
// file only leaves the game silent: PlaySound refuses it and nothing is said.
class ReproductorWindows : public Reproductor {
public:
    ~ReproductorWindows() override;

    void PonerArchivo(const QString& ruta) override;
    void Detener() override;
    void Reproducir() override;
    void Pitar() override;
    void Sonar(const std::vector<SonidoJuego>& sonidos) override;

private:
    QString ruta_;
    QByteArray onda_;   // the game's sound playing from memory; kept until it is stopped
};

// The entry point the game looks up when it opens this library.
extern "C" Q_DECL_EXPORT Reproductor* NovaroCrearReproductor();
