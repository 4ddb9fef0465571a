// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string_view>
#include <vector>

// Small readers shared by the text formats, so that each reads numbers and blanks alike.

// Without the ASCII blanks and line ends (space, \t, \n, \v, \f, \r) at either end.
std::string_view SinEspacios(std::string_view texto);

// A whole decimal int: blanks around it and one sign allowed, nothing else.
// None when anything else is there, or when the number does not fit an int.
std::optional<int> LeerEntero(std::string_view texto);

// The pieces between the separators, empty ones included: "a,,b" gives three.
std::vector<std::string_view> Partir(std::string_view texto, char separador);
