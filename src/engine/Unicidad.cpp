// SPDX-License-Identifier: GPL-3.0-or-later
// What a board with one solution forbids. Four empty cells in two rows, two columns
// and two panels that could all end as x or y would let the two digits swap: a
// second solution. So the rectangle must be broken: by the extra digit of its only
// cell with more (type 1), by the extra digit the two cells with more share (type 2),
// or, when x has only those two places in a group, by x there, so neither is y
// (type 4). BUG+1: were every empty cell down to two digits, they could swap all
// round; the one cell with three takes the digit that fits three times in its groups.
#include "Tecnicas.h"

namespace tecnicas {

namespace {

Eslabon Esquina(int i)
{
    Eslabon n;
    n.celdas[0] = static_cast<int8_t>(i);
    return n;
}

std::array<int, 4> Esquinas(const Eliminacion& e)
{
    std::array<int, 4> v{};
    for (size_t k = 0; k < 4; ++k) v[k] = e.cadena[k].celdas[0];
    return v;
}

// Two rows, two columns, two panels, four empty cells that all hold both digits.
bool EsRectangulo(const Mascaras& c, const std::array<int, 4>& v, uint16_t xy)
{
    int filas = 0, columnas = 0, paneles = 0;
    for (int i : v) {
        if (i < 0 || i > 80 || (c[i] & xy) != xy) return false;
        filas |= 1 << (i / 9);
        columnas |= 1 << (i % 9);
        paneles |= 1 << PanelDeCelda(i).numero;
    }
    return std::popcount(static_cast<unsigned>(filas)) == 2 && std::popcount(static_cast<unsigned>(columnas)) == 2
        && std::popcount(static_cast<unsigned>(paneles)) == 2;
}

// The group that holds both cells, other than the one given.
std::optional<Grupo> Comun(int a, int b, TipoGrupo salvo)
{
    for (Grupo g : {FilaDeCelda(a), ColumnaDeCelda(a), PanelDeCelda(a)})
        if (g.tipo != salvo && Contiene(g, b)) return g;
    return std::nullopt;
}

} // namespace

// Corners in order: type 1, the three cells of only x and y, then the fourth; types
// 2 and 4, the two cells of only x and y, then the two with more.
std::optional<Eliminacion> BuscarRectangulo(const Mascaras& c, TipoEliminacion tipo)
{
    for (int f1 = 0; f1 < 9; ++f1)
        for (int f2 = f1 + 1; f2 < 9; ++f2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    const std::array<int, 4> v{f1 * 9 + c1, f1 * 9 + c2, f2 * 9 + c1, f2 * 9 + c2};
                    const uint16_t xy = c[v[0]] & c[v[1]] & c[v[2]] & c[v[3]];
                    for (uint16_t m = xy; m; m &= m - 1)
                        for (uint16_t n = static_cast<uint16_t>(m & (m - 1)); n; n &= n - 1) {
                            const auto par = static_cast<uint16_t>((m & -m) | (n & -n));
                            if (!EsRectangulo(c, v, par)) continue;
                            std::vector<int> solas, mas;
                            for (int i : v) (c[i] == par ? solas : mas).push_back(i);
                            if (tipo == TipoEliminacion::RectanguloUnico1 ? solas.size() != 3 : solas.size() != 2) continue;
                            Eliminacion e;
                            e.tipo = tipo;
                            e.digitos = {DigitoDeBit(static_cast<uint16_t>(m & -m)), DigitoDeBit(static_cast<uint16_t>(n & -n)), 0};
                            for (int i : solas) e.cadena.push_back(Esquina(i));
                            for (int i : mas) e.cadena.push_back(Esquina(i));
                            if (tipo == TipoEliminacion::RectanguloUnico2) {
                                const auto extra = static_cast<uint16_t>(c[mas[0]] & ~par);
                                if (std::popcount(extra) != 1 || c[mas[1]] != c[mas[0]]) continue;
                                e.digito = DigitoDeBit(extra);
                            }
                            if (tipo == TipoEliminacion::RectanguloUnico4) {
                                const std::optional<Grupo> linea = Comun(mas[0], mas[1], TipoGrupo::Panel);
                                if (!linea) continue;
                                for (int8_t d : {e.digitos[0], e.digitos[1]}) {
                                    e.digito = d;
                                    e.donde = *linea;
                                    if (auto hallada = SiQuita(c, e)) return hallada;
                                    if (auto panel = Comun(mas[0], mas[1], linea->tipo); panel && panel->tipo == TipoGrupo::Panel) {
                                        e.donde = *panel;
                                        if (auto hallada = SiQuita(c, e)) return hallada;
                                    }
                                }
                                continue;
                            }
                            if (auto hallada = SiQuita(c, std::move(e))) return hallada;
                        }
                }
    return std::nullopt;
}

bool ConsecuenciasRectangulo(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    if (e.cadena.size() != 4 || e.digitos[0] < 1 || e.digitos[0] > 9 || e.digitos[1] < 1 || e.digitos[1] > 9) return false;
    const auto par = static_cast<uint16_t>(Bit(e.digitos[0]) | Bit(e.digitos[1]));
    const std::array<int, 4> v = Esquinas(e);
    if (std::popcount(par) != 2 || !EsRectangulo(c, v, par)) return false;
    const int solas = e.tipo == TipoEliminacion::RectanguloUnico1 ? 3 : 2;
    for (int k = 0; k < solas; ++k)
        if (c[v[static_cast<size_t>(k)]] != par) return false;
    switch (e.tipo) {
    case TipoEliminacion::RectanguloUnico1:
        Quitar(c, v[3], par, quitados);
        return true;
    case TipoEliminacion::RectanguloUnico2: {
        if (e.digito < 1 || e.digito > 9 || (par & Bit(e.digito))) return false;
        const auto techo = static_cast<uint16_t>(par | Bit(e.digito));
        if (c[v[2]] != techo || c[v[3]] != techo) return false;
        for (int i = 0; i < 81; ++i)
            if (SeVen(i, v[2]) && SeVen(i, v[3])) Quitar(c, i, Bit(e.digito), quitados);
        return true;
    }
    case TipoEliminacion::RectanguloUnico4: {
        if (e.digito < 1 || e.digito > 9 || !(par & Bit(e.digito)) || !EsGrupo(e.donde)) return false;
        for (int8_t i : Celdas(e.donde))
            if ((c[i] & Bit(e.digito)) && i != v[2] && i != v[3]) return false;
        if (!Contiene(e.donde, v[2]) || !Contiene(e.donde, v[3])) return false;
        const auto otro = static_cast<uint16_t>(par & ~Bit(e.digito));
        Quitar(c, v[2], otro, quitados);
        Quitar(c, v[3], otro, quitados);
        return true;
    }
    default: return false;
    }
}

std::optional<Eliminacion> BuscarBug(const Mascaras& c)
{
    int tres = -1;
    for (int i = 0; i < 81; ++i) {
        const int n = std::popcount(c[i]);
        if (n == 0 || n == 2) continue;
        if (n != 3 || tres >= 0) return std::nullopt;
        tres = i;
    }
    if (tres < 0) return std::nullopt;
    for (uint16_t m = c[tres]; m; m &= m - 1) {
        Eliminacion e;
        e.tipo = TipoEliminacion::BugMasUno;
        e.celdas[0] = static_cast<int8_t>(tres);
        e.digito = DigitoDeBit(static_cast<uint16_t>(m & -m));
        if (auto hallada = SiQuita(c, std::move(e))) return hallada;
    }
    return std::nullopt;
}

// Every empty cell but one holds two digits; that one holds three, and its digit
// fits three times in each of its row, column and panel.
bool ConsecuenciasBug(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    const int x = e.celdas[0];
    if (x < 0 || x > 80 || e.digito < 1 || e.digito > 9 || std::popcount(c[x]) != 3 || !(c[x] & Bit(e.digito))) return false;
    for (int i = 0; i < 81; ++i)
        if (i != x && c[i] && std::popcount(c[i]) != 2) return false;
    constexpr int VecesEnGrupo = 3;
    for (Grupo g : {FilaDeCelda(x), ColumnaDeCelda(x), PanelDeCelda(x)})
        if (std::popcount(Lugares(c, g, e.digito)) != VecesEnGrupo) return false;
    Quitar(c, x, static_cast<uint16_t>(0x1FF & ~Bit(e.digito)), quitados);
    return true;
}

} // namespace tecnicas
