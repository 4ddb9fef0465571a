// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palabras.h"

namespace {
Idioma idioma_ = Idioma::Espanol;
}

void PonerIdioma(Idioma idioma) { idioma_ = idioma; }
Idioma IdiomaDeJuego() { return idioma_; }

std::string Traducir(const char*, const char* texto)
{
    return texto;
}

std::string Sustituir(std::string_view plantilla, std::initializer_list<std::string_view> valores)
{
    std::string r;
    for (size_t i = 0; i < plantilla.size(); ++i) {
        if (plantilla[i] == '%' && i + 1 < plantilla.size() && plantilla[i + 1] >= '1' && plantilla[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(plantilla[i + 1] - '1');
            if (n < valores.size()) {
                r += *(valores.begin() + n);
                ++i;
                continue;
            }
        }
        r += plantilla[i];
    }
    return r;
}
