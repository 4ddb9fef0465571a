// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>
#include "Calificacion.h"
#include "Consultas.h"
#include "Dificultad.h"
#include "Importar.h"
#include "Pista.h"

// Every text of the quick keys (D, Q, N, S, Z, R, E, U, H, G, I, X, L, M, the digits of
// notes mode), the popup's announcement
// and their lines of help, composed here and nowhere else.
namespace Frases {

// D: "Fila 3, columna 5, panel superior central".
QString Posicion(int16_t indice);
// S lands on a cell: where it is, then the cell as heard.
QString EnCasilla(int16_t indice, const QString& celda);
// Z: what was put back, and where.
QString Deshecho(int16_t indice, const QString& celda);
// Q.
QString Pendientes(const Vacias& vacias);
// N.
QString Caben(const std::vector<int16_t>& digitos);
QString NumeroOriginal();
// R.
QString QuedanPorPoner(const std::array<int16_t, 10>& faltan);
// E, and what a stored digit adds when it repeats.
QString AvisoRepetido(bool activado);
QString Repeticiones(const Repeticion& donde);
// U.
QString SolucionUnica(bool activado);
// H: the hint in words, one utterance. A chain is said with its first links.
QString Explicacion(const Pista& pista);
// H again on the same board: the next links of the hint's chains, part 1 first;
// empty when every link has been said.
QString Continuacion(const Pista& pista, int parte);
// G: how hard the puzzle is, one utterance.
QString Dificultad(Calificacion calificacion);
// G once a kind of puzzle is chosen: the kind this one is of, then the grade.
QString DificultadConTipo(Calificacion calificacion);
// The kinds of puzzle, as the menu and B name them.
QString NombreDificultad(::Dificultad dificultad);
// B: "Dificultad: Experto".
QString DificultadElegida(::Dificultad dificultad);
// A new game of a chosen kind: "Sudoku Experto, 24 números dados".
QString SudokuDeDificultad(::Dificultad dificultad, int dados);
// A new game of a chosen kind not ready after a second.
QString PreparandoSudoku();
// I: a puzzle taken, with its number of givens and how hard it is (a phrase of
// its own, which may be empty).
QString SudokuImportado(int dados, const QString& dificultad);
// I and --sudoku: why a puzzle is not taken.
QString SudokuRechazado(const SudokuLeido& leido);
// X.
QString TableroCopiado();
// A cell's notes, as they follow what is heard of it: "notas 3 y 5", "nota 3", "sin notas".
QString Notas(const std::vector<int16_t>& digitos);
// L.
QString ModoNotas(bool activado);
// A digit in notes mode: what it did and the notes now.
QString NotaCambiada(bool puesta, int16_t digito, const std::vector<int16_t>& notas);
QString CasillaOcupada();
// K.
QString EscrituraDirecta(bool activada);
// The first focus after a start that found the last game kept, or found it damaged.
QString PartidaRecuperada();
QString PartidaNoRecuperada();
// M: how many cells hold notes now.
QString NotasLlenas(int16_t casillas);
// The Applications key's popup, as it opens.
QString Menu(const QString& nombre, qsizetype opciones);
// The help section for these keys and the licence, lines ending in CR LF.
QString Ayuda();
// The licence notice, as --version prints it and the help ends with it.
QStringList Licencia();

} // namespace Frases
