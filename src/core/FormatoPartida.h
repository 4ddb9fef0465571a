// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include "RegistroPartida.h"

// A slot file: 82 CRLF lines in Windows-1252. Line 1 is #TRUE# or #FALSE#
// (panel sound); line k + 2 is the record of cell k:
//   "<letter>",<given>,<provisional>,"<text>"
// where the letter is 'A' + the solution digit of the cell mirrored across the
// main diagonal (row k % 9, column k / 9), so the solution runs column by column.
// A double quote inside a text is written doubled; a file whose texts hold no
// quote is byte for byte what the game has always written.
// A game with notes has ten more lines after those 82, which a reader of the 82
// alone never looks at: "#NOTAS#", then one line per row, top to bottom, of nine
// items separated by commas, each the digits noted in a cell in increasing order,
// nothing for a cell without notes ("35,,,,1289,,,,").
std::string CodificarPartida(const RegistroPartida& registro);

// A file our writer can make from real cell fields (81 texts of up to 32767
// characters, quotes doubled) stays below this; anything larger is refused unread.
inline constexpr std::size_t TamanoMaximoRanura = 8 * 1024 * 1024;

struct LecturaPartida {
    bool ok = false;
    bool sonidoLeido = false;   // line 1 was a proper flag, even if a later item was not
    bool sonido = false;
    bool notasDanadas = false;  // the board was read, its notes could not be: dropped
    RegistroPartida registro;   // only meaningful when ok
};

// Reads the 325 items in order; a comma and a line end (CRLF, LF or CR) both end an item.
// Refused as damaged: a letter that is not exactly one of B to J, a flag other than
// #TRUE#/#FALSE#, a text without its quotes or with a stray quote, fewer items,
// and after the last item anything but blanks and line ends, unless it starts with
// the notes' "#". The notes never cost the board: read leniently (any line ends,
// blanks around an item, digits in any order), and when they are cut or hold anything
// else the game is read without them and notasDanadas says so.
// The solution is taken as written: it need not be a solved board.
LecturaPartida DecodificarPartida(std::string_view bytes);
