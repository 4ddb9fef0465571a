// SPDX-License-Identifier: GPL-3.0-or-later
// The nine slots and the game kept between runs, as the player meets them.
#include "FormatoPartida.h"
#include "Juego.h"
#include "Palabras.h"
#include "RegistroPartida.h"
#include <utility>

namespace {

constexpr int64_t MilisegundosPorSegundo = 1000;

// The switches the game state owns, each beside its kept setting.
const std::pair<bool Ajustes::*, bool EstadoJuego::*> Interruptores[] = {
    {&Ajustes::sonido, &EstadoJuego::SonidoActivo},          {&Ajustes::avisoOriginal, &EstadoJuego::AvisoOriginal},
    {&Ajustes::avisoRepetido, &EstadoJuego::AvisoRepetido},  {&Ajustes::solucionUnica, &EstadoJuego::SolucionUnica},
    {&Ajustes::modoNotas, &EstadoJuego::ModoNotas},          {&Ajustes::escrituraDirecta, &EstadoJuego::EscrituraDirecta},
};

} // namespace

std::string Juego::BytesDeRanura() const
{
    return CodificarPartida(RegistroDe(e_, casillas_));
}

// A save that did not happen must never pass for one that did.
Resultado Juego::Guardada(int lugar, bool ok, const std::string& motivo)
{
    Resultado r;
    if (!ok) r.mensaje = Sustituir(Traducir("Form1", "No se ha podido guardar la partida en el lugar %1. %2"), {std::to_string(lugar), motivo});
    else r.dicho = Sustituir(Traducir("Form1", "Partida guardada en el lugar %1"), {std::to_string(lugar)});
    return r;
}

Resultado Juego::SinPartidaEn(int lugar)
{
    Resultado r;
    r.mensaje = Sustituir(Traducir("Form1", "No hay ninguna partida guardada en el lugar %1"), {std::to_string(lugar)});
    return r;
}

Resultado Juego::DanadaEn(const LecturaPartida& lectura)
{
    if (lectura.sonidoLeido) e_.SonidoActivo = lectura.sonido;
    Resultado r;
    r.mensaje = Traducir("Form1", "Error al cargar: se creará un nuevo novaro");
    r.nuevoJuego = true;
    return r;
}

Resultado Juego::CargadaDe(int lugar, const LecturaPartida& lectura)
{
    const std::string n = std::to_string(lugar);
    return Cargada(lectura, Sustituir(Traducir("Form1", "Partida cargada del lugar %1"), {n}),
                   Sustituir(Traducir("Form1", "Las notas de la partida del lugar %1 estaban dañadas. La partida se ha cargado sin notas."), {n}));
}

Resultado Juego::CargadaDeArchivo(const std::string& nombre, const LecturaPartida& lectura)
{
    return Cargada(lectura, Sustituir(Traducir("Juego", "Partida cargada del archivo %1"), {nombre}),
                   Sustituir(Traducir("Juego", "Las notas de la partida del archivo %1 estaban dañadas. La partida se ha cargado sin notas."), {nombre}));
}

Resultado Juego::Cargada(const LecturaPartida& lectura, std::string dicho, std::string notasDanadas)
{
    AplicarRegistro(lectura.registro, e_, casillas_);
    Abrir();
    EmpezarCuenta();   // a slot keeps no time
    Resultado r;
    // The board came back whole; only the notes were lost, and the player hears it once.
    if (lectura.notasDanadas) r.mensaje = std::move(notasDanadas);
    r.dicho = std::move(dicho);
    return r;
}

PartidaEnCurso Juego::EnCurso() const
{
    PartidaEnCurso p;
    p.registro = RegistroDe(e_, casillas_);
    p.cursor = e_.CasillaActual;
    // Whole seconds: the kept bytes change at most once a second, not at every key.
    p.milisegundos = Milisegundos() / MilisegundosPorSegundo * MilisegundosPorSegundo;
    p.pistas = pistas_;
    p.dia = dia_;
    return p;
}

void Juego::Recuperar(const PartidaEnCurso& partida)
{
    const bool sonido = e_.SonidoActivo;   // the switch is a setting: the kept one wins
    AplicarRegistro(partida.registro, e_, casillas_);
    e_.SonidoActivo = sonido;
    e_.CasillaActual = partida.cursor;
    e_.FilaActual = static_cast<int16_t>(partida.cursor / 9);
    e_.ColumnaActual = static_cast<int16_t>(partida.cursor % 9);
    EmpezarCuenta(partida.milisegundos, partida.pistas, partida.dia);
}

void Juego::AplicarAjustes(const Ajustes& a)
{
    e_.Nivel = a.nivel;
    e_.DificultadElegida = static_cast<Dificultad>(a.dificultad);
    lineaOculta_ = a.lineaOculta;
    lugarAlMoverse_ = a.lugarAlMoverse;
    modoSonidos_ = static_cast<ModoSonidos>(a.sonidos);
    for (const auto& [ajuste, estado] : Interruptores) e_.*estado = a.*ajuste;
}

Ajustes Juego::AjustesActuales(Ajustes a) const
{
    a.nivel = e_.Nivel;
    a.dificultad = static_cast<int16_t>(e_.DificultadElegida);
    a.lineaOculta = lineaOculta_;
    a.lugarAlMoverse = lugarAlMoverse_;
    a.sonidos = static_cast<int16_t>(modoSonidos_);
    for (const auto& [ajuste, estado] : Interruptores) a.*ajuste = e_.*estado;
    return a;
}
