// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <memory>
#include <vector>
#include "Sonidos.h"


// The player of the panel-change sound, the beep and the game's own sounds. An interface so the
// keyboard tests can record the calls instead of making noise.
class Reproductor {
public:
    virtual ~Reproductor() = default;
    virtual void PonerArchivo(const QString& ruta) = 0;  // names the file; plays nothing
    virtual void Detener() = 0;                          // harmless whether or not a sound plays
    virtual void Reproducir() = 0;                       // plays the named file once, without waiting
    virtual void Pitar() = 0;                            // the system beep
    // The game's own sounds, one after another, in stereo, without waiting; a new run
    // cuts the one still playing, as newer speech cuts older.
    virtual void Sonar(const std::vector<SonidoJuego>& sonidos) = 0;
};

// The game's player. Qt Multimedia and its audio back ends live in a library of
// their own, opened at the first sound, so start-up never pays for them. Without
// that library the game stays silent but for the platform beep.
class ReproductorDiferido : public Reproductor {
public:
    explicit ReproductorDiferido(const QString& carpeta);   // the folder that holds the library
    ~ReproductorDiferido() override;

    void PonerArchivo(const QString& ruta) override;
    void Detener() override;
    void Reproducir() override;
    void Pitar() override;
    void Sonar(const std::vector<SonidoJuego>& sonidos) override;

private:
    bool Cargar();

    QString biblioteca_;
    QString ruta_;
    bool intentado_ = false;
    std::unique_ptr<Reproductor> real_;
};
