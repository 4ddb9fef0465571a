// SPDX-License-Identifier: GPL-3.0-or-later
// From the full board, cells are taken away one at a time while the puzzle keeps
// one solution: first the cells the designed carving left empty, then its givens,
// until the designed number is reached. If the designed givens alone have one
// solution, they are what is left.
#include "Unica.h"
#include "Coordenadas.h"
#include <algorithm>
#include <vector>

namespace {

// Fresh orders until one reaches the designed count; each attempt fails about one
// time in a hundred at 27 givens, so this bound is never reached in practice.
constexpr int IntentosMaximos = 100;

struct Cobertura {
    std::array<int, 9> fila{}, columna{}, panel{};
    void Sumar(int i, int n)
    {
        fila[i / 9] += n;
        columna[i % 9] += n;
        panel[PanelDe(static_cast<int16_t>(i))] += n;
    }
    bool PuedeQuitar(int i) const
    {
        return fila[i / 9] > 1 && columna[i % 9] > 1 && panel[PanelDe(static_cast<int16_t>(i))] > 1;
    }
};

void Desordenar(std::vector<int>& v, FuenteAzar& azar)
{
    for (size_t k = v.size(); k > 1; --k)
        std::swap(v[k - 1], v[static_cast<size_t>(Azar(azar, static_cast<int16_t>(k)))]);
}

} // namespace

Dados UnaSolucion(const Digitos& solucion, const Dados& dados, FuenteAzar& azar)
{
    const int objetivo = static_cast<int>(std::count(dados.begin(), dados.end(), true));
    Dados mejor{};
    int menos = 82;
    for (int intento = 0; intento < IntentosMaximos; ++intento) {
        std::vector<int> orden, designados;
        for (int i = 0; i < 81; ++i) (dados[i] ? designados : orden).push_back(i);
        Desordenar(orden, azar);
        Desordenar(designados, azar);
        orden.insert(orden.end(), designados.begin(), designados.end());

        Digitos tablero = solucion;
        Dados quedan;
        quedan.fill(true);
        Cobertura cobertura;
        for (int i = 0; i < 81; ++i) cobertura.Sumar(i, 1);
        int cuantos = 81;
        for (int i : orden) {
            if (cuantos == objetivo) break;
            if (!cobertura.PuedeQuitar(i)) continue;
            // The puzzle has one solution now; without this cell it keeps it unless
            // another digit there also leads to a solution.
            tablero[i] = 0;
            if (ContarSoluciones(tablero, 1, nullptr, {static_cast<int16_t>(i), solucion[i]}) != 0) {
                tablero[i] = solucion[i];
                continue;
            }
            quedan[i] = false;
            cobertura.Sumar(i, -1);
            --cuantos;
        }
        if (cuantos == objetivo) return quedan;
        if (cuantos < menos) {
            menos = cuantos;
            mejor = quedan;
        }
    }
    return mejor;
}
