// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
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

// Whole decimal digits alone (no sign, no blanks) that fit an int64_t.
std::optional<int64_t> LeerLargo(std::string_view texto);

struct Fecha;
// "2026-12-09", and back; none for anything that is not a real day written so.
std::string FechaIso(const Fecha& fecha);
std::optional<Fecha> LeerFechaIso(std::string_view texto);
