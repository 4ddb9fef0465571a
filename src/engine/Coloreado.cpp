// SPDX-License-Identifier: GPL-3.0-or-later
// Simple colouring: the places of a digit joined two by two, where each pair is the
// only two places of the digit in a group, take two colours in turn; one colour
// holds the digit in all its cells, the other in none. Two cells of one colour that
// see each other rule that colour out (wrap); a cell that sees both colours cannot
// take the digit (trap).
#include "Tecnicas.h"

namespace tecnicas {

namespace {

Eslabon Celda(int i, int digito, bool color)
{
    Eslabon n;
    n.celdas[0] = static_cast<int8_t>(i);
    n.digito = static_cast<int8_t>(digito);
    n.es = color;
    return n;
}

// The colour of each cell the chain names: 1 or 2, 0 for none.
using Colores = std::array<int8_t, 81>;

void QuitarPorColores(const Mascaras& c, int digito, const Colores& color, std::vector<Candidato>& quitados)
{
    for (int8_t tono = 1; tono <= 2; ++tono)
        for (int i = 0; i < 81; ++i)
            for (int j = i + 1; j < 81; ++j)
                if (color[i] == tono && color[j] == tono && SeVen(i, j)) {
                    for (int k = 0; k < 81; ++k)
                        if (color[k] == tono) Quitar(c, k, Bit(digito), quitados);
                    return;
                }
    for (int i = 0; i < 81; ++i) {
        if (color[i] || !(c[i] & Bit(digito))) continue;
        bool ve[3] = {};
        for (int8_t v : Vecinas()[i]) ve[color[v]] = true;
        if (ve[1] && ve[2]) Quitar(c, i, Bit(digito), quitados);
    }
}

} // namespace

std::optional<Eliminacion> BuscarColoreado(const Mascaras& c)
{
    const std::vector<Conjugado> enlaces = Conjugados(c);
    for (int d = 1; d <= 9; ++d) {
        std::array<std::vector<int>, 81> pareja;
        for (const Conjugado& q : enlaces)
            if (q.digito == d) {
                pareja[q.a].push_back(q.b);
                pareja[q.b].push_back(q.a);
            }
        Colores hecho{};
        for (int s = 0; s < 81; ++s) {
            if (hecho[s] || pareja[s].empty()) continue;
            Colores color{};
            color[s] = 1;
            Eliminacion e;
            e.tipo = TipoEliminacion::ColoreadoSimple;
            e.digito = static_cast<int8_t>(d);
            std::vector<int> cola{s};
            for (size_t k = 0; k < cola.size(); ++k)
                for (int v : pareja[cola[k]]) {
                    if (color[v]) continue;
                    color[v] = static_cast<int8_t>(3 - color[cola[k]]);
                    e.cadena.push_back(Celda(cola[k], d, color[cola[k]] == 1));
                    e.cadena.push_back(Celda(v, d, color[v] == 1));
                    cola.push_back(v);
                }
            for (int v : cola) hecho[v] = 1;
            if (auto hallada = SiQuita(c, std::move(e))) return hallada;
        }
    }
    return std::nullopt;
}

// Each pair is still the only two places of the digit in a group, of two colours,
// and each pair after the first starts from a cell already coloured.
bool ConsecuenciasColoreado(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    const auto& n = e.cadena;
    if (n.empty() || n.size() % 2 || e.digito < 1 || e.digito > 9) return false;
    Colores color{};
    for (size_t k = 0; k < n.size(); k += 2) {
        const Eslabon &a = n[k], &b = n[k + 1];
        for (const Eslabon* x : {&a, &b})
            if (x->cuantas != 1 || x->digito != e.digito || x->celdas[0] < 0 || x->celdas[0] > 80) return false;
        if (a.es == b.es || !EnlaceFuerte(c, a, b)) return false;
        if (k > 0 && !color[a.celdas[0]]) return false;
        for (const Eslabon* x : {&a, &b}) {
            const int8_t tono = x->es ? 1 : 2;
            if (color[x->celdas[0]] && color[x->celdas[0]] != tono) return false;
            color[x->celdas[0]] = tono;
        }
    }
    QuitarPorColores(c, e.digito, color, quitados);
    return true;
}

} // namespace tecnicas
