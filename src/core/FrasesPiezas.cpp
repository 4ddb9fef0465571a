// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrasesPiezas.h"
#include <algorithm>

// Marks the texts kept in tables for lupdate; they are translated when said.
#define QT_TRANSLATE_NOOP(contexto, texto) texto

namespace {

// Panels have no number: the player knows them by their place.
const char* const nombresPanel[9] = {
    QT_TRANSLATE_NOOP("Frases", "superior izquierdo"), QT_TRANSLATE_NOOP("Frases", "superior central"), QT_TRANSLATE_NOOP("Frases", "superior derecho"),
    QT_TRANSLATE_NOOP("Frases", "central izquierdo"),  QT_TRANSLATE_NOOP("Frases", "central"),          QT_TRANSLATE_NOOP("Frases", "central derecho"),
    QT_TRANSLATE_NOOP("Frases", "inferior izquierdo"), QT_TRANSLATE_NOOP("Frases", "inferior central"), QT_TRANSLATE_NOOP("Frases", "inferior derecho"),
};

} // namespace

namespace FrasesPiezas {

std::string Tr(const char* texto) { return Traducir("Frases", texto); }

std::string N(int numero) { return std::to_string(numero); }

Piezas Tramo(const Piezas& piezas, size_t desde, size_t cuantas)
{
    if (desde >= piezas.size()) return {};
    const size_t hasta = desde + std::min(cuantas, piezas.size() - desde);
    return Piezas(piezas.begin() + static_cast<std::ptrdiff_t>(desde), piezas.begin() + static_cast<std::ptrdiff_t>(hasta));
}

void Anadir(Piezas& piezas, const Piezas& mas) { piezas.insert(piezas.end(), mas.begin(), mas.end()); }

std::string Unir(const Piezas& piezas, std::string_view entre)
{
    std::string texto;
    for (size_t k = 0; k < piezas.size(); ++k) {
        if (k > 0) texto += entre;
        texto += piezas[k];
    }
    return texto;
}

std::string Enumerar(const Piezas& piezas, const std::string& ultima)
{
    if (piezas.size() < 2) return Unir(piezas, "");
    return Unir(Tramo(piezas, 0, piezas.size() - 1), ", ") + ultima + piezas.back();
}

std::string Panel(int numero) { return Tr(nombresPanel[numero]); }

} // namespace FrasesPiezas
