// SPDX-License-Identifier: GPL-3.0-or-later
// What outlives a run: the player's settings and the game in play.
#include "Casilla.h"
#include "Form1.h"
#include "Frases.h"
#include "Archivos.h"
#include "PartidaEnCurso.h"
#include <QAction>
#include <QLineEdit>
#include <QTimer>
#include <utility>

Ajustes Form1::AjustesActuales() const
{
    Ajustes a;
    a.tamano = static_cast<int16_t>(tamano_);
    return juego_.AjustesActuales(a);
}

void Form1::AplicarAjustes(const Ajustes& a)
{
    PonerNivel(a.nivel);
    // The cells start in their own font; a size is set only once the player chose another.
    if (a.tamano != Ajustes{}.tamano) PonerTamano(a.tamano);
    PonerDificultad(static_cast<Dificultad>(a.dificultad));
    juego_.AplicarAjustes(a);
    detector_->MostrarLinea();
}

// True when the last run's game is back on the board. A damaged one has been set
// aside, and the player hears so once.
bool Form1::EmpezarConservado(bool nueva)
{
    if (!nueva) AplicarAjustes(CargarAjustes(rutaAjustes_));
    ajustesEscritos_ = CodificarAjustes(AjustesActuales());
    if (nueva || sudokuInicial_) return false;
    const LecturaEnCurso lectura = CargarEnCurso(RutaPartidaEnCurso(lugares_.partidas));
    if (lectura.estado == EstadoEnCurso::Danada) detector_->AvisarAlEnfocar(QString::fromStdString(Frases::PartidaNoRecuperada()));
    if (lectura.estado != EstadoEnCurso::Recuperada) return false;

    juego_.Recuperar(lectura.partida);
    const int16_t cursor = lectura.partida.cursor;
    seleccionadas_.fill(false);
    seleccionadas_[cursor] = true;
    RepintarCasillas();
    partidaEscrita_ = CodificarEnCurso(juego_.EnCurso());
    detector_->AvisarAlEnfocar(QString::fromStdString(Frases::PartidaRecuperada()));
    return true;
}

void Form1::PartidaCambiada()
{
    if (conservarYa_ && !conservarYa_->isActive()) conservarYa_->start();
}

void Form1::ConservarLuego()
{
    if (conservarLuego_ && !conservarLuego_->isActive()) conservarLuego_->start();
}

// Only what changed since the last write goes to the writer's thread.
void Form1::Conservar()
{
    if (!escritor_) return;
    std::string partida = CodificarEnCurso(juego_.EnCurso());
    if (partida != partidaEscrita_) {
        escritor_->Escribir(RutaPartidaEnCurso(lugares_.partidas), Bytes(partida));
        partidaEscrita_ = std::move(partida);
    }
    std::string ajustes = CodificarAjustes(AjustesActuales());
    if (ajustes != ajustesEscritos_) {
        escritor_->Escribir(rutaAjustes_, Bytes(ajustes));
        ajustesEscritos_ = std::move(ajustes);
    }
}

void Form1::ConservarYa()
{
    Conservar();
    if (escritor_) escritor_->Vaciar();
}

void Form1::closeEvent(QCloseEvent* evento)
{
    ConservarYa();
    QMainWindow::closeEvent(evento);
}
