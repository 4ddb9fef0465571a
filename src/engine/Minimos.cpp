// SPDX-License-Identifier: GPL-3.0-or-later
#include "Minimos.h"
#include <numeric>
#include <utility>

namespace {

template <size_t N>
void Desordenar(std::array<int8_t, N>& v, FuenteAzar& azar)
{
    for (size_t k = N; k > 1; --k) std::swap(v[k - 1], v[static_cast<size_t>(Azar(azar, static_cast<int16_t>(k)))]);
}

} // namespace

Digitos SolucionAlAzar(FuenteAzar& azar)
{
    Digitos t{};
    for (int panel : {0, 4, 8}) {
        std::array<int8_t, 9> digitos;
        std::iota(digitos.begin(), digitos.end(), int8_t{1});
        Desordenar(digitos, azar);
        const int primera = panel / 3 * 27 + panel % 3 * 3;
        for (int k = 0; k < 9; ++k) t[primera + k / 3 * 9 + k % 3] = digitos[k];
    }
    Digitos hallada{};
    ContarSoluciones(t, 1, &hallada);   // three free panels always complete, and quickly
    return hallada;
}

Digitos Cavar(const Digitos& solucion, FuenteAzar& azar, const std::function<bool(const Digitos&)>& admite)
{
    std::array<int8_t, 81> orden;
    std::iota(orden.begin(), orden.end(), int8_t{0});
    Desordenar(orden, azar);
    Digitos t = solucion;
    for (int8_t i : orden) {
        t[i] = 0;
        // Another digit there that also leads to a solution means two.
        const bool unica = ContarSoluciones(t, 1, nullptr, {i, solucion[i]}) == 0;
        if (!unica || (admite && !admite(t))) t[i] = solucion[i];
    }
    return t;
}
