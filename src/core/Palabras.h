// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// The languages the game speaks. Its texts are written in Spanish; the translators'
// file gives the others, turned into a table at build time.
enum class Idioma { Espanol, Ingles };

void PonerIdioma(Idioma idioma);
Idioma IdiomaDeJuego();

// A text of the game in the language being spoken (UTF-8). lupdate reads these calls
// as it reads translate(context, text), so the translators' file keeps every one.
std::string Traducir(const char* contexto, const char* texto);

// "%1" … "%9" replaced by the values, as the translators' placeholders are.
std::string Sustituir(std::string_view plantilla, std::initializer_list<std::string_view> valores);
