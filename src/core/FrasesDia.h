// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include "Dificultad.h"
#include "Fecha.h"
#include "FormatoMarcas.h"

// The words of the sudoku of the day, of the time played and of the record, composed
// here and nowhere else, in the game's language (UTF-8).
namespace Frases {

// "9 de diciembre".
std::string DiaYMes(const Fecha& fecha);
// "9 de diciembre de 2026".
std::string FechaCompleta(const Fecha& fecha);
// "Sudoku del día, 9 de diciembre: Experto, 24 números dados".
std::string SudokuDelDia(const Fecha& fecha, ::Dificultad dificultad, int dados);
// The day's sudoku asked for again: it is already on the board, or already solved today.
std::string DiaEnJuego();
std::string DiaYaResuelto();
// "12 minutos 5 segundos".
std::string Duracion(int64_t segundos);
// "14 min 32 s".
std::string DuracionCorta(int64_t segundos);
// "Racha: 4 días".
std::string Racha(int dias);
// Y: the time so far, and the streak when the game is the day's sudoku.
std::string TiempoJugado(int64_t segundos, std::optional<int> racha);
// The day's sudoku finished and right.
std::string DiaResuelto(int64_t segundos, int pistas, int racha);
// The result in one line of plain text, to paste anywhere.
std::string LineaCompartir(const Fecha& dia, ::Dificultad dificultad, int64_t segundos, int pistas, int racha);
std::string ResultadoCopiado(const std::string& linea);
std::string SinResultado();
// The record in one utterance.
std::string Estadisticas(const Marcas& marcas, const Fecha& hoy);
// The record could not be read: set aside, a new one begun; or could not be written.
std::string MarcasDanadas();
std::string MarcasNoGuardadas(const std::string& motivo);

} // namespace Frases
