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

namespace {

// The switches the game state owns, each beside its kept setting.
const std::pair<bool Ajustes::*, bool EstadoJuego::*> Interruptores[] = {
    {&Ajustes::sonido, &EstadoJuego::SonidoActivo},          {&Ajustes::avisoOriginal, &EstadoJuego::AvisoOriginal},
    {&Ajustes::avisoRepetido, &EstadoJuego::AvisoRepetido},  {&Ajustes::solucionUnica, &EstadoJuego::SolucionUnica},
    {&Ajustes::modoNotas, &EstadoJuego::ModoNotas},          {&Ajustes::escrituraDirecta, &EstadoJuego::EscrituraDirecta},
};

} // namespace

Ajustes Form1::AjustesActuales() const
{
    Ajustes a;
    a.nivel = Estado.Nivel;
    a.tamano = static_cast<int16_t>(tamano_);
    a.dificultad = static_cast<int16_t>(Estado.DificultadElegida);
    a.lineaOculta = TbPorta->isHidden();
    for (const auto& [ajuste, estado] : Interruptores) a.*ajuste = Estado.*estado;
    return a;
}

void Form1::AplicarAjustes(const Ajustes& a)
{
    PonerNivel(a.nivel);
    // The cells start in their own font; a size is set only once the player chose another.
    if (a.tamano != Ajustes{}.tamano) PonerTamano(a.tamano);
    PonerDificultad(static_cast<Dificultad>(a.dificultad));
    TbPorta->setHidden(a.lineaOculta);
    for (const auto& [ajuste, estado] : Interruptores) Estado.*estado = a.*ajuste;
}

// True when the last run's game is back on the board. A damaged one has been set
// aside, and the player hears so once.
bool Form1::EmpezarConservado(bool nueva)
{
    if (!nueva) AplicarAjustes(CargarAjustes(rutaAjustes_));
    ajustesEscritos_ = CodificarAjustes(AjustesActuales());
    if (nueva || sudokuInicial_) return false;
    const LecturaEnCurso lectura = CargarEnCurso(RutaPartidaEnCurso(lugares_.partidas));
    if (lectura.estado == EstadoEnCurso::Danada) detector_->AvisarAlEnfocar(Frases::PartidaNoRecuperada());
    if (lectura.estado != EstadoEnCurso::Recuperada) return false;

    const bool sonido = Estado.SonidoActivo;   // the switch is a setting: the kept one wins
    AplicarRegistro(lectura.partida.registro, Estado, *this);
    Estado.SonidoActivo = sonido;
    const int16_t cursor = lectura.partida.cursor;
    Estado.CasillaActual = cursor;
    Estado.FilaActual = static_cast<int16_t>(cursor / 9);
    Estado.ColumnaActual = static_cast<int16_t>(cursor % 9);
    seleccionadas_.fill(false);
    seleccionadas_[cursor] = true;
    RepintarCasillas();
    partidaEscrita_ = CodificarEnCurso({RegistroDe(Estado, *this), cursor});
    detector_->AvisarAlEnfocar(Frases::PartidaRecuperada());
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
    std::string partida = CodificarEnCurso({RegistroDe(Estado, *this), Estado.CasillaActual});
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
