#pragma once
#include <QString>
#include <memory>

class QSoundEffect;
class QTemporaryFile;

// The player of the panel-change sound and the beep. An interface so the
// keyboard tests can record the calls instead of making noise.
class Reproductor {
public:
    virtual ~Reproductor() = default;
    virtual void PonerArchivo(const QString& ruta) = 0;  // names the file; plays nothing
    virtual void Detener() = 0;                          // harmless whether or not a sound plays
    virtual void Reproducir() = 0;                       // plays the named file once, without waiting
    virtual void Pitar() = 0;                            // the system beep
};

// Plays through Qt Multimedia. Nothing of it is loaded until the first sound,
// so start-up never waits for an audio back end. Every failure (no file, a
// broken file, no audio device) only leaves the game silent.
class ReproductorQt : public Reproductor {
public:
    ReproductorQt();
    ~ReproductorQt() override;

    void PonerArchivo(const QString& ruta) override;
    void Detener() override;
    void Reproducir() override;
    void Pitar() override;

    bool OndaLista() const;     // the named file is loaded and can play
    bool CargaFallida() const;  // the named file was refused or could not be decoded
    bool TonoListo() const;     // the beep's tone is loaded

private:
    QString ruta_;
    bool revisada_ = false;     // ruta_ has been checked and handed to onda_
    bool fallida_ = false;
    std::unique_ptr<QSoundEffect> onda_;
    std::unique_ptr<QTemporaryFile> archivoTono_;  // the tone until Qt has read it
    std::unique_ptr<QSoundEffect> tono_;
};
