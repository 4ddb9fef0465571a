// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include "Almacen.h"
#include "Azar.h"
#include "FormatoAjustes.h"
#include "FormatoPreparados.h"
#include "Juego.h"
#include "Tablero.h"

// The browser edition's game: what the terminal's and the window's front ends do around
// the core (settings, the kept game, slots, ready puzzles, new deals), with the browser's
// storage for files. The page itself only shows, takes keys and taps, and plays sounds.
class Pagina {
public:
    Pagina(Almacen& almacen, uint64_t semilla);

    // The settings, the kept game or the address's puzzle, else a deal; what the first
    // focus says instead of its silence (empty: nothing). dia (?dia=1): then the sudoku
    // of the day.
    std::string Empezar(const std::optional<std::string>& sudoku, bool dia = false);

    // Every action ends with the game kept; a new game a result asks for is dealt at once
    // and said with it.
    Resultado Tecla(int codigo, int digitoTeclado, const std::u16string& caracteres);
    Resultado Tocar(int indice);
    Resultado Cifra(int digito);
    Resultado Enfocado();
    Resultado Comprobar();
    Resultado Nuevo();
    Resultado VerSolucion();
    Resultado Guardar(int lugar);
    Resultado Cargar(int lugar);
    Resultado AbrirArchivo(const std::string& nombre, const std::string& bytes);
    // The Botonera popup opening, as the window announces it.
    Resultado Botonera(int opciones);
    // The sudoku of the day, the record of the days solved, the last result to share.
    Resultado SudokuDelDia();
    Resultado Estadisticas();
    Resultado CompartirResultado();
    // The page hidden, and shown again: the time played stops meanwhile.
    void Pausar();
    void Seguir();

    // The menus: silent, as the window's are, and kept.
    void PonerNivel(int indice);
    void PonerDificultad(int indice);
    void PonerTamano(int indice);
    int Tamano() const { return ajustes_.tamano; }

    // A slot's file as stored (empty when the slot holds nothing).
    std::string BytesDeRanura(int lugar);
    // Makes one puzzle ahead for the kind chosen; false once there is nothing to make.
    bool Preparar();

    // What a screen reader finds inside a cell: where it is, what it holds, its marks.
    std::string OidoDeCelda(int indice) const;

    Juego& Partida() { return juego_; }
    const Juego& Partida() const { return juego_; }
    const Tablero& Celdas() const { return tablero_; }
    std::string& Portapapeles() { return portapapeles_; }

private:
    Resultado Despues(Resultado r);
    Resultado Repartir();
    std::string Motivo(Guardado g) const;
    void Conservar(Resultado& r);
    // The record of the days solved; a damaged one is kept aside and the notice returned.
    std::string CargarMarcas();

    Almacen& almacen_;
    Tablero tablero_;
    Juego juego_{tablero_};
    Aleatorio azar_;
    Ajustes ajustes_;
    Reservas reservas_;
    std::string enCursoEscrito_, ajustesEscritos_, reservasEscritas_, marcasEscritas_;
    std::string portapapeles_;   // what I reads: the browser's clipboard or the paste box
    bool avisadoSinGuardar_ = false;
};
