// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <span>
#include <string_view>

// One finished translation of the translators' file: the text of a context in Spanish,
// and in the other language (UTF-8).
struct Traduccion {
    std::string_view contexto, fuente, traduccion;
};

// The English translations, sorted by context and then source, byte by byte. Made at
// build time from translations/novaro_en.ts by cmake/tabla_traducciones.py.
std::span<const Traduccion> TablaIngles();
