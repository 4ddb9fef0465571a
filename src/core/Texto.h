// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// The game's texts are UTF-8 inside the program; these read them as the window's
// fields count them, in UTF-16 units, so a rule about a text's length holds the same
// on every front end.

// Blanks off both ends; tabs are kept, as the game always has.
std::string SinBlancos(std::string_view t);
size_t UnidadesUtf16(std::string_view t);
// One character, by its Unicode code point.
void AnexarCaracter(std::string& t, char32_t c);
