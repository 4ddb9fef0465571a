// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palabras.h"
#include "Traducciones.h"
#include <algorithm>

namespace {
Idioma idioma_ = Idioma::Espanol;

bool Antes(const Traduccion& a, const Traduccion& b)
{
    return a.contexto != b.contexto ? a.contexto < b.contexto : a.fuente < b.fuente;
}
}

void PonerIdioma(Idioma idioma) { idioma_ = idioma; }
Idioma IdiomaDeJuego() { return idioma_; }

std::string Traducir(const char* contexto, const char* texto)
{
    if (!texto) return {};
    if (idioma_ == Idioma::Espanol || !contexto) return texto;
    const std::span<const Traduccion> tabla = TablaIngles();
    const Traduccion buscada{contexto, texto, {}};
    const auto hallada = std::lower_bound(tabla.begin(), tabla.end(), buscada, Antes);
    if (hallada == tabla.end() || Antes(buscada, *hallada)) return texto;   // untranslated: the Spanish
    return std::string(hallada->traduccion);
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
