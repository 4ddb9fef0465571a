// SPDX-License-Identifier: GPL-3.0-or-later
// W and J: the place said on each move, and the game's own sounds, left as data for
// each front end to play its own way.
#include "Consultas.h"
#include "Contador.h"
#include "Coordenadas.h"
#include "Frases.h"
#include "Juego.h"

namespace {

// How many times each digit stands in the cells; element 0 unused.
std::array<int, 10> Cuenta(const Casillas& casillas, const std::array<int8_t, 9>& celdas)
{
    std::array<int, 10> veces{};
    for (const int8_t i : celdas) ++veces[static_cast<size_t>(DigitoDe(casillas.Texto(i)))];
    return veces;
}

bool ConRepetido(const std::array<int, 10>& veces)
{
    for (int d = 1; d <= 9; ++d)
        if (veces[static_cast<size_t>(d)] > 1) return true;
    return false;
}

// Every digit once, as the rules ask of a finished group.
bool Completo(const std::array<int, 10>& veces)
{
    for (int d = 1; d <= 9; ++d)
        if (veces[static_cast<size_t>(d)] != 1) return false;
    return true;
}

constexpr int16_t Centro = 4;   // the column of a sound that belongs to no cell

} // namespace

void Juego::CambiarLugarAlMoverse()
{
    lugarAlMoverse_ = !lugarAlMoverse_;
    Decir(Frases::LugarAlMoverse(lugarAlMoverse_));
}

void Juego::CambiarSonidos()
{
    modoSonidos_ = static_cast<ModoSonidos>((static_cast<int16_t>(modoSonidos_) + 1) % ModosSonidos);
    Decir(Frases::ModoDeSonidos(modoSonidos_));
}

void Juego::Sonar(const SonidoJuego& sonido)
{
    if (modoSonidos_ != ModoSonidos::No) r_.sonidos.push_back(sonido);
}

// Along a row the new column, along a column the new row, both after a jump.
void Juego::DecirLugar(int16_t filaAntes, int16_t columnaAntes, bool salto)
{
    if (!lugarAlMoverse_) return;
    const bool otraFila = salto || e_.FilaActual != filaAntes;
    const bool otraColumna = salto || e_.ColumnaActual != columnaAntes;
    const std::string lugar = Frases::LugarDelCursor(otraFila ? e_.FilaActual : -1, otraColumna ? e_.ColumnaActual : -1);
    dicho_ = dicho_.empty() ? lugar : lugar + ", " + dicho_;
}

void Juego::SonarCasilla()
{
    if (modoSonidos_ == ModoSonidos::No) return;
    const int16_t i = e_.CasillaActual, c = e_.ColumnaActual;
    Sonar(PasoA(e_.FilaActual, c));
    if (e_.Notas[i] != 0) {
        Sonar(SonidoEn(Sonido::ConNotas, c));
    } else if (e_.Originales[i]) {
        Sonar(SonidoEn(Sonido::Dada, c));
    } else if (Texto(i) == "-") {
        Sonar(SonidoEn(Sonido::Vacia, c));
        // The sound stands for the word, where the front end can play it.
        if (modoSonidos_ == ModoSonidos::EnLugarDePalabras && !sinSonidos_) dicho_.clear();
    }
}

// A repeat is worth hearing before a completion: a group that repeats is not complete anyway.
void Juego::SonarEscrita(int16_t indice)
{
    if (modoSonidos_ == ModoSonidos::No || DigitoDe(Texto(indice)) == 0) return;
    if (Repetido(casillas_, indice).Alguna()) {
        Sonar(SonidoEn(Sonido::Repetido, ColumnaDe(indice)));
        return;
    }
    const auto& grupos = GruposDeCasillas();
    bool tablero = true;
    for (const auto& g : grupos) tablero = tablero && Completo(Cuenta(casillas_, g));
    if (tablero) {
        Sonar(SonidoEn(Sonido::Completo, Centro));
        return;
    }
    for (const int g : {GrupoFilas + FilaDe(indice), GrupoColumnas + ColumnaDe(indice), GrupoPaneles + PanelDe(indice)}) {
        if (Completo(Cuenta(casillas_, grupos[static_cast<size_t>(g)]))) {
            Sonar(SonidoEn(Sonido::Correcto, Centro));
            return;
        }
    }
}

void Juego::SonarGrupo(int grupo)
{
    const bool repetido = ConRepetido(Cuenta(casillas_, GruposDeCasillas()[static_cast<size_t>(grupo)]));
    Sonar(SonidoEn(repetido ? Sonido::Repetido : Sonido::Correcto, Centro));
}
