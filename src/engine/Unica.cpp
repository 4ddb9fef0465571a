// SPDX-License-Identifier: GPL-3.0-or-later
// From the full board, cells are taken away one at a time while the puzzle keeps
// one solution: first the cells the designed carving left empty, then its givens,
// until the designed number is reached. If the designed givens alone have one
// solution, they are what is left. The counter decides each cell; the reasoning
// solver then judges the whole puzzle, and one it cannot finish is carved again.
#include "Unica.h"
#include "Calificacion.h"
#include "Coordenadas.h"
#include <algorithm>
#include <vector>

namespace {

// Fresh orders until one reaches the designed count with a puzzle reasoning
// finishes. At 27 givens an attempt stops short of the count about one time in a
// hundred, and since the forcing chains hardly ever needs a guess (none of 1,000
// minimal puzzles does), so this bound is never reached in practice.
constexpr int IntentosMaximos = 100;
constexpr size_t DesignadosPorIntento = 3;

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
    // Should every attempt fail: the one-solution puzzle closest to the count,
    // one that needs a guess before one that misses the count.
    Dados mejor{};
    int menos = 82;
    bool conConteo = false;
    // Designed givens that may go as early as any other cell: none at first, a few
    // more after each puzzle that needed a guess, since the designed givens may have
    // one solution that only a guess reaches, and every attempt would end on them.
    size_t adelantados = 0;
    for (int intento = 0; intento < IntentosMaximos; ++intento) {
        std::vector<int> orden, designados;
        for (int i = 0; i < 81; ++i) (dados[i] ? designados : orden).push_back(i);
        Desordenar(orden, azar);
        Desordenar(designados, azar);
        if (adelantados > 0) {
            const auto hasta = designados.begin() + static_cast<std::ptrdiff_t>(std::min(adelantados, designados.size()));
            orden.insert(orden.end(), designados.begin(), hasta);
            designados.erase(designados.begin(), hasta);
            Desordenar(orden, azar);
        }
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
        if (cuantos == objetivo) {
            if (SeResuelveRazonando(tablero, true)) return quedan;   // carved keeping one solution
            adelantados += DesignadosPorIntento;
            if (!conConteo) {
                conConteo = true;
                mejor = quedan;
            }
            continue;
        }
        if (!conConteo && cuantos < menos) {
            menos = cuantos;
            mejor = quedan;
        }
    }
    return mejor;
}
