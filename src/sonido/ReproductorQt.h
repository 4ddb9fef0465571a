// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QtGlobal>
#include <memory>
#include "Reproductor.h"

class QAudioSink;
class QBuffer;
class QSoundEffect;
class QTemporaryFile;

// Plays through Qt Multimedia; the sound objects are made at the first sound. Every failure (no file, a
// broken file, no audio device) only leaves the game silent.
class ReproductorQt : public Reproductor {
public:
    ReproductorQt();
    ~ReproductorQt() override;

    void PonerArchivo(const QString& ruta) override;
    void Detener() override;
    void Reproducir() override;
    void Pitar() override;
    void Sonar(const std::vector<SonidoJuego>& sonidos) override;

    bool OndaLista() const;     // the named file is loaded and can play
    bool CargaFallida() const;  // the named file was refused or could not be decoded
    bool TonoListo() const;     // the beep's tone is loaded
    bool SalidaAbierta() const; // an audio device took the game's own sounds
    bool Sonando() const;       // one of them is playing now

private:
    QString ruta_;
    bool revisada_ = false;     // ruta_ has been checked and handed to onda_
    bool fallida_ = false;
    std::unique_ptr<QSoundEffect> onda_;
    std::unique_ptr<QTemporaryFile> archivoTono_;  // the tone until Qt has read it
    std::unique_ptr<QSoundEffect> tono_;
    // The game's own sounds: samples made at once, played from memory.
    bool sinSalida_ = false;    // no audio device: silent for the run
    std::unique_ptr<QBuffer> muestras_;
    std::unique_ptr<QAudioSink> salida_;
};

// The entry point the game looks up when it opens this library.
extern "C" Q_DECL_EXPORT Reproductor* NovaroCrearReproductor();
