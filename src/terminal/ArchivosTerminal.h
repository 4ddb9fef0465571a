// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

// The terminal edition's files: the same folders and the same whole-or-nothing writes as
// the installed desktop game, so either can open what the other kept.
struct LeidoTerminal {
    bool existe = false;
    std::optional<std::string> bytes;   // none: not a regular file, unreadable or too large
};
LeidoTerminal LeerAcotado(const std::string& ruta, size_t maximo);

// Through a temporary file in the same folder (made when missing), synced and renamed
// into place; the reason is empty when it worked.
std::string EscribirEntero(const std::string& ruta, const std::string& bytes);

// Slots, the kept game, the ready puzzles: where the window keeps them when started from the
// same folder (beside a portable copy, the build folder among them), else
// $XDG_DATA_HOME/novaro or ~/.local/share/novaro.
std::string CarpetaPartidas();
// The same rule for a program in the folder programa.
std::string CarpetaPartidasDe(const std::string& programa);
// $XDG_CONFIG_HOME/novaro/novaro.ini or ~/.config/novaro/novaro.ini.
std::string RutaAjustes();
