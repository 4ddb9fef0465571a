// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include "Juego.h"

class QLineEdit;
class Reproductor;
class Voz;

// The message line's two colour pairs: the selection colours, and black on white while typing.
void PintarLineaNormal(QLineEdit& linea);
void PintarLineaEntrada(QLineEdit& linea);

// The window's side of the key detector: the focus, key-down and character events
// go to the game, and what each leaves is carried out here: the sounds, the message
// line's field, the popup, the clipboard, then the one utterance.
class DetectorTeclas {
public:
    // PartidaEmpezada: a puzzle from outside has replaced the game; the window lifts
    // the bar on checking and saving, as a new game does.
    DetectorTeclas(Juego& juego, QLineEdit& TbPorta, Reproductor& reproductor, Voz& voz,
                   std::function<void()> MostrarBotonera, std::function<void()> PartidaEmpezada);

    ~DetectorTeclas();
    DetectorTeclas(const DetectorTeclas&) = delete;
    DetectorTeclas& operator=(const DetectorTeclas&) = delete;

    void Picture1_GotFocus();
    // Said when the key detector first gets the focus, in place of its silence.
    void AvisarAlEnfocar(const QString& aviso) { avisoInicial_ = aviso; }
    // B changed the kind of puzzle a new game deals.
    void AlCambiarDificultad(std::function<void()> avisar) { DificultadCambiada_ = std::move(avisar); }
    // The record of the days solved changed: the window writes it.
    void AlCambiarMarcas(std::function<void()> avisar) { MarcasCambiadas_ = std::move(avisar); }
    void Picture1_KeyDown(int codigo, int digitoTeclado = 0);
    void Picture1_KeyPress(int caracter);
    // Speaks what this keystroke left for the player, once.
    void Publicar();
    // Carries out what a game action left, the utterance last.
    void Aplicar(const Resultado& r);
    // The line's field shows the game's message line as it is now.
    void MostrarLinea();

    // How long a key waits on H or G before the player hears it is thinking and the
    // window answers keys again. Tests with fixed words wait longer on slow builds.
    void EsperarAlPensar(std::chrono::milliseconds espera) { esperaPensar_ = espera; }

    // The popup the Applications key opens is heard by its name and size as it opens.
    void AnunciarMenu(const QString& nombre, qsizetype opciones);

private:
    Juego& juego_;
    QLineEdit& TbPorta_;
    Reproductor& reproductor_;
    Voz& voz_;
    std::function<void()> MostrarBotonera_;
    std::function<void()> PartidaEmpezada_;
    std::function<void()> DificultadCambiada_;
    std::function<void()> MarcasCambiadas_;

    bool reflejando_ = false;      // the field is being set from the game: not the player's edit
    bool pintadaEntrada_ = false;
    QString avisoInicial_;
    // H or G thinking on a thread of its own, dropped by any key.
    void Pensar(std::shared_ptr<Pensamiento> pensamiento);
    void Pensado();
    void DejarDePensar();
    std::chrono::milliseconds esperaPensar_{150};
    std::shared_ptr<Pensamiento> pensamiento_;
    std::shared_ptr<std::atomic<bool>> parar_;
    std::future<void> pensando_;
    QTimer vigia_;

    class EsperaLector;
    std::unique_ptr<EsperaLector> espera_;
    void DecirAvisoInicial();
};
