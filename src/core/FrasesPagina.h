// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <utility>
#include <vector>

// The words of the browser edition's touch controls and gesture mode, in the game's
// language (UTF-8): the page names and says nothing of its own.
namespace FrasesPagina {

// Each label or phrase under the name the page looks it up by.
std::vector<std::pair<std::string, std::string>> Etiquetas();
// The gestures, one line each, as help lists them and gesture mode reads them.
std::vector<std::string> AyudaGestos();

} // namespace FrasesPagina
