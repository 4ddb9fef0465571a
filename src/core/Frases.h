// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "Calificacion.h"
#include "Comprobador.h"
#include "Consultas.h"
#include "Dificultad.h"
#include "Importar.h"
#include "Pista.h"
#include "Sonidos.h"

// Every text of the quick keys (D, Q, N, S, Z, R, E, U, H, G, I, X, L, M, W, J, the digits
// of notes mode), the popup's announcement
// and their lines of help, composed here and nowhere else, in the game's language (UTF-8).
// How H says a step and its chains lives in FrasesPasos.cpp, the rest in Frases.cpp.
namespace Frases {

// D: "Fila 3, columna 5, panel superior central".
std::string Posicion(int16_t indice);
// S lands on a cell: where it is, then the cell as heard.
std::string EnCasilla(int16_t indice, const std::string& celda);
// Z: what was put back, and where.
std::string Deshecho(int16_t indice, const std::string& celda);
// Q.
std::string Pendientes(const Vacias& vacias);
// N.
std::string Caben(const std::vector<int16_t>& digitos);
std::string NumeroOriginal();
// R.
std::string QuedanPorPoner(const std::array<int16_t, 10>& faltan);
// E, and what a stored digit adds when it repeats.
std::string AvisoRepetido(bool activado);
std::string Repeticiones(const Repeticion& donde);
// U.
std::string SolucionUnica(bool activado);
// H: the hint in words, one utterance. A chain is said with its first links.
std::string Explicacion(const Pista& pista);
// H again on the same board: the next links of the hint's chains, part 1 first;
// empty when every link has been said.
std::string Continuacion(const Pista& pista, int parte);
// G: how hard the puzzle is, one utterance.
std::string Dificultad(Calificacion calificacion);
// G once a kind of puzzle is chosen: the kind this one is of, then the grade.
std::string DificultadConTipo(Calificacion calificacion);
// The kinds of puzzle, as the menu and B name them.
std::string NombreDificultad(::Dificultad dificultad);
// B: "Dificultad: Experto".
std::string DificultadElegida(::Dificultad dificultad);
// A new game of a chosen kind: "Sudoku Experto, 24 números dados".
std::string SudokuDeDificultad(::Dificultad dificultad, int dados);
// A new game of a chosen kind not ready after a second.
std::string PreparandoSudoku();
// H or G still thinking on a hard puzzle.
std::string Pensando();
// I: a puzzle taken, with its number of givens and how hard it is (a phrase of
// its own, which may be empty).
std::string SudokuImportado(int dados, const std::string& dificultad);
// I and --sudoku: why a puzzle is not taken.
std::string SudokuRechazado(const SudokuLeido& leido);
// X.
std::string TableroCopiado();
// A cell's notes, as they follow what is heard of it: "notas 3 y 5", "nota 3", "sin notas".
std::string Notas(const std::vector<int16_t>& digitos);
// L.
std::string ModoNotas(bool activado);
// A digit in notes mode: what it did and the notes now.
std::string NotaCambiada(bool puesta, int16_t digito, const std::vector<int16_t>& notas);
std::string CasillaOcupada();
// K.
std::string EscrituraDirecta(bool activada);
// W.
std::string LugarAlMoverse(bool activado);
// A move with W on: "columna 4", "fila 5" or "fila 2, columna 4"; -1 for the one not said.
std::string LugarDelCursor(int16_t fila, int16_t columna);
// J.
std::string ModoDeSonidos(ModoSonidos modo);
// The first focus after a start that found the last game kept, or found it damaged.
std::string PartidaRecuperada();
std::string PartidaNoRecuperada();
// M: how many cells hold notes now.
std::string NotasLlenas(int16_t casillas);
// The Applications key's popup, as it opens.
std::string Menu(const std::string& nombre, std::ptrdiff_t opciones);
// The help section for these keys and the licence, lines ending in CR LF.
std::string Ayuda();
// The licence notice, as --version prints it and the help ends with it.
std::vector<std::string> Licencia();

// The word said for an empty cell.
std::string Vacia();
// A line of cells as it is spoken: the "-" of an empty cell becomes that word.
std::string Pronunciar(std::string_view linea);
// The checker's words in the game's language.
TextosComprobador TextosDelComprobador();

} // namespace Frases
