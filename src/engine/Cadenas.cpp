// SPDX-License-Identifier: GPL-3.0-or-later
// Chains. A strong link: if one node is not its digit, the next is (the only two
// places of a digit in a group, or the two digits of a cell). A weak link: if one
// is, the next is not (one digit in places that see each other, or two digits of
// one cell). A chain starts from a node that is not its digit and, alternating
// strong and weak links, reaches one that is: so one of its two ends holds, and
// what both ends rule out is ruled out.
#include "Tecnicas.h"
#include <algorithm>

namespace tecnicas {

namespace {

using Conjunto = ConjuntoDeCeldas;

// Longer chains are hard to follow by ear, and slow to search.
constexpr int NodosMaximos = 12;
// The shortest chain worth its name: two strong links.
constexpr int NodosMinimos = 4;

// The places of the digit in the group.
Conjunto LugaresEn(const Mascaras& c, Grupo g, int digito)
{
    Conjunto s;
    for (int8_t i : Celdas(g))
        if (c[i] & Bit(digito)) s.set(static_cast<size_t>(i));
    return s;
}

Conjunto CeldasDe(const Eslabon& n)
{
    Conjunto s;
    for (int k = 0; k < n.cuantas; ++k) s.set(static_cast<size_t>(n.celdas[k]));
    return s;
}

// The cells that see every cell of the node.
Conjunto VistasDe(const Eslabon& n)
{
    Conjunto s;
    s.set();
    for (int k = 0; k < n.cuantas; ++k) s &= VecinasComoConjunto()[n.celdas[k]];
    return s;
}

Eslabon Nodo(int celda, int digito)
{
    Eslabon n;
    n.celdas[0] = static_cast<int8_t>(celda);
    n.digito = static_cast<int8_t>(digito);
    return n;
}

// One cell, or 2..3 different cells of one line within one panel; each holds the digit.
bool BienFormado(const Mascaras& c, const Eslabon& n)
{
    if (n.cuantas < 1 || n.cuantas > 3 || n.digito < 1 || n.digito > 9) return false;
    for (int k = 0; k < n.cuantas; ++k) {
        if (n.celdas[k] < 0 || n.celdas[k] > 80 || !(c[n.celdas[k]] & Bit(n.digito))) return false;
        for (int j = 0; j < k; ++j)
            if (n.celdas[j] == n.celdas[k]) return false;
    }
    if (n.cuantas == 1) return true;
    const Conjunto s = CeldasDe(n);
    const int primera = n.celdas[0];
    const bool enPanel = (s & ~DeGrupo(PanelDeCelda(primera))).none();
    const bool enLinea = (s & ~DeGrupo(FilaDeCelda(primera))).none() || (s & ~DeGrupo(ColumnaDeCelda(primera))).none();
    return enPanel && enLinea;
}

} // namespace

const std::array<Conjunto, 81>& VecinasComoConjunto()
{
    static const std::array<Conjunto, 81> vecinas = [] {
        std::array<Conjunto, 81> v{};
        for (int i = 0; i < 81; ++i)
            for (int8_t j : Vecinas()[i]) v[i].set(static_cast<size_t>(j));
        return v;
    }();
    return vecinas;
}

const Conjunto& DeGrupo(Grupo g)
{
    static const std::array<Conjunto, 27> grupos = [] {
        std::array<Conjunto, 27> v{};
        for (int k = 0; k < 27; ++k)
            for (int8_t i : GruposDeCasillas()[static_cast<size_t>(k)]) v[static_cast<size_t>(k)].set(static_cast<size_t>(i));
        return v;
    }();
    return grupos[static_cast<size_t>(static_cast<int>(g.tipo) * 9 + g.numero)];
}

bool EnlaceFuerte(const Mascaras& c, const Eslabon& a, const Eslabon& b)
{
    if (a.digito != b.digito)
        return a.cuantas == 1 && b.cuantas == 1 && a.celdas[0] == b.celdas[0]
            && c[a.celdas[0]] == (Bit(a.digito) | Bit(b.digito));
    const Conjunto sa = CeldasDe(a), sb = CeldasDe(b);
    if ((sa & sb).any()) return false;
    const Conjunto juntas = sa | sb;
    const int primera = a.celdas[0];
    for (Grupo g : {FilaDeCelda(primera), ColumnaDeCelda(primera), PanelDeCelda(primera)})
        if ((juntas & ~DeGrupo(g)).none() && LugaresEn(c, g, a.digito) == juntas) return true;
    return false;
}

bool EnlaceDebil(const Eslabon& a, const Eslabon& b)
{
    if (a.digito != b.digito) return a.cuantas == 1 && b.cuantas == 1 && a.celdas[0] == b.celdas[0];
    const Conjunto sa = CeldasDe(a), sb = CeldasDe(b);
    return (sa & sb).none() && (sb & ~VistasDe(a)).none();
}

namespace {

// One of the two ends holds: what both rule out goes.
void QuitarDeLosExtremos(const Mascaras& c, const Eslabon& a, const Eslabon& b, std::vector<Candidato>& quitados)
{
    if (a.digito == b.digito) {
        const Conjunto objetivo = VistasDe(a) & VistasDe(b) & ~CeldasDe(a) & ~CeldasDe(b);
        for (int i = 0; i < 81; ++i)
            if (objetivo.test(static_cast<size_t>(i))) Quitar(c, i, Bit(a.digito), quitados);
        return;
    }
    if (a.cuantas != 1 || b.cuantas != 1) return;
    const int x = a.celdas[0], y = b.celdas[0];
    if (x == y) Quitar(c, x, static_cast<uint16_t>(0x1FF & ~(Bit(a.digito) | Bit(b.digito))), quitados);
    else if (SeVen(x, y)) {
        Quitar(c, x, Bit(b.digito), quitados);
        Quitar(c, y, Bit(a.digito), quitados);
    }
}

// Which nodes and links a kind of chain may use.
struct Opciones {
    bool enCelda = false;       // the two digits of a cell: strong when it has only them, else weak
    bool conjugados = false;    // the only two places of a digit in a group
    bool agrupados = false;     // a digit's places in a line within a panel, as one node
    bool soloBivalores = false; // nodes only in cells of two digits
    uint16_t mascara = 0;       // when set, nodes only in cells of exactly these digits
};

struct Grafo {
    std::vector<Eslabon> nodos;
    std::vector<Conjunto> celdas, vistas;
    std::vector<std::vector<int16_t>> fuertes, debiles;
};

Grafo Construir(const Mascaras& c, const Opciones& o)
{
    Grafo g;
    for (int i = 0; i < 81; ++i) {
        if (o.soloBivalores && std::popcount(c[i]) != 2) continue;
        if (o.mascara && c[i] != o.mascara) continue;
        for (uint16_t m = c[i]; m; m &= m - 1) g.nodos.push_back(Nodo(i, DigitoDeBit(static_cast<uint16_t>(m & -m))));
    }
    if (o.agrupados)
        for (int8_t p = 0; p < 9; ++p) {
            const Grupo panel{TipoGrupo::Panel, p};
            const int esquina = Celdas(panel)[0];
            for (int k = 0; k < 3; ++k)
                for (Grupo linea : {FilaDeCelda(esquina + 9 * k), ColumnaDeCelda(esquina + k)})
                    for (int d = 1; d <= 9; ++d) {
                        Eslabon n;
                        n.digito = static_cast<int8_t>(d);
                        n.cuantas = 0;
                        for (int8_t i : Celdas(linea))
                            if (Contiene(panel, i) && (c[i] & Bit(d))) n.celdas[static_cast<size_t>(n.cuantas++)] = i;
                        if (n.cuantas >= 2) g.nodos.push_back(n);
                    }
        }
    const size_t n = g.nodos.size();
    g.fuertes.resize(n);
    g.debiles.resize(n);
    for (const Eslabon& e : g.nodos) {
        g.celdas.push_back(CeldasDe(e));
        g.vistas.push_back(VistasDe(e));
    }
    for (size_t a = 0; a < n; ++a)
        for (size_t b = a + 1; b < n; ++b) {
            const Eslabon &x = g.nodos[a], &y = g.nodos[b];
            bool fuerte = false, debil = false;
            if (x.digito != y.digito) {
                if (!o.enCelda || x.cuantas != 1 || y.cuantas != 1 || x.celdas[0] != y.celdas[0]) continue;
                debil = true;
                fuerte = std::popcount(c[x.celdas[0]]) == 2;
            } else {
                if ((g.celdas[a] & g.celdas[b]).any()) continue;
                debil = (g.celdas[b] & ~g.vistas[a]).none();
                fuerte = debil && o.conjugados && EnlaceFuerte(c, x, y);   // a group holds both only if they see each other
            }
            if (fuerte) {
                g.fuertes[a].push_back(static_cast<int16_t>(b));
                g.fuertes[b].push_back(static_cast<int16_t>(a));
            }
            if (debil) {
                g.debiles[a].push_back(static_cast<int16_t>(b));
                g.debiles[b].push_back(static_cast<int16_t>(a));
            }
        }
    return g;
}

// Whether a chain from a to b would rule anything out.
bool Sirve(const Mascaras& c, const Grafo& g, int a, int b)
{
    const Eslabon &x = g.nodos[static_cast<size_t>(a)], &y = g.nodos[static_cast<size_t>(b)];
    if (x.digito == y.digito) {
        const Conjunto objetivo = g.vistas[static_cast<size_t>(a)] & g.vistas[static_cast<size_t>(b)]
                                & ~g.celdas[static_cast<size_t>(a)] & ~g.celdas[static_cast<size_t>(b)];
        for (int i = 0; i < 81; ++i)
            if (objetivo.test(static_cast<size_t>(i)) && (c[i] & Bit(x.digito))) return true;
        return false;
    }
    if (x.cuantas != 1 || y.cuantas != 1) return false;
    const int p = x.celdas[0], q = y.celdas[0];
    if (p == q) return (c[p] & ~(Bit(x.digito) | Bit(y.digito))) != 0;
    return SeVen(p, q) && ((c[p] & Bit(y.digito)) || (c[q] & Bit(x.digito)));
}

// Breadth first from every node that is not its digit, so each start gives its
// shortest chain; a state is a node with whether the chain makes it its digit.
std::optional<Eliminacion> BuscarEnGrafo(const Mascaras& c, const Grafo& g, TipoEliminacion tipo)
{
    const int n = static_cast<int>(g.nodos.size());
    std::vector<int> padre(static_cast<size_t>(2 * n)), largo(static_cast<size_t>(2 * n)), visto(static_cast<size_t>(2 * n), -1);
    std::vector<int> cola;
    for (int s = 0; s < n; ++s) {
        if (g.fuertes[static_cast<size_t>(s)].empty()) continue;
        cola.assign(1, 2 * s);
        visto[static_cast<size_t>(2 * s)] = s;
        padre[static_cast<size_t>(2 * s)] = -1;
        largo[static_cast<size_t>(2 * s)] = 1;
        for (size_t k = 0; k < cola.size(); ++k) {
            const int estado = cola[k], nodo = estado / 2;
            const bool es = estado % 2;
            if (es && largo[static_cast<size_t>(estado)] >= NodosMinimos && Sirve(c, g, s, nodo)) {
                Eliminacion e;
                e.tipo = tipo;
                e.digito = g.nodos[static_cast<size_t>(s)].digito;
                for (int v = estado; v >= 0; v = padre[static_cast<size_t>(v)]) {
                    e.cadena.push_back(g.nodos[static_cast<size_t>(v / 2)]);
                    e.cadena.back().es = v % 2;
                }
                std::reverse(e.cadena.begin(), e.cadena.end());
                if (auto hallada = SiQuita(c, std::move(e))) return hallada;
            }
            if (largo[static_cast<size_t>(estado)] >= NodosMaximos) continue;
            for (int16_t v : (es ? g.debiles : g.fuertes)[static_cast<size_t>(nodo)]) {
                const int siguiente = 2 * v + (es ? 0 : 1);
                if (visto[static_cast<size_t>(siguiente)] == s) continue;
                visto[static_cast<size_t>(siguiente)] = s;
                padre[static_cast<size_t>(siguiente)] = estado;
                largo[static_cast<size_t>(siguiente)] = largo[static_cast<size_t>(estado)] + 1;
                cola.push_back(siguiente);
            }
        }
    }
    return std::nullopt;
}

std::optional<Eliminacion> DosEnlaces(const Mascaras& c, TipoEliminacion tipo, bool (*vale)(const Conjugado&, const Conjugado&, int, int))
{
    const std::vector<Conjugado> enlaces = Conjugados(c);
    for (size_t i = 0; i < enlaces.size(); ++i)
        for (size_t j = i + 1; j < enlaces.size(); ++j) {
            const Conjugado &p = enlaces[i], &q = enlaces[j];
            if (p.digito != q.digito || p.grupo.tipo == TipoGrupo::Panel || q.grupo.tipo == TipoGrupo::Panel) continue;
            for (int lado = 0; lado < 4; ++lado) {
                // The ends of p and q that meet; the other two end the chain.
                const int pm = lado & 1 ? p.a : p.b, pe = lado & 1 ? p.b : p.a;
                const int qm = lado & 2 ? q.a : q.b, qe = lado & 2 ? q.b : q.a;
                if (pm == qm || pm == qe || pe == qm || pe == qe || !SeVen(pm, qm) || !vale(p, q, pm, qm)) continue;
                Eliminacion e;
                e.tipo = tipo;
                e.digito = static_cast<int8_t>(p.digito);
                e.cadena = {Nodo(pe, p.digito), Nodo(pm, p.digito), Nodo(qm, p.digito), Nodo(qe, p.digito)};
                e.cadena[0].es = e.cadena[2].es = false;
                if (auto hallada = SiQuita(c, std::move(e))) return hallada;
            }
        }
    return std::nullopt;
}

} // namespace

std::vector<Conjugado> Conjugados(const Mascaras& c)
{
    std::vector<Conjugado> v;
    for (int d = 1; d <= 9; ++d)
        for (int g = 0; g < 27; ++g) {
            const Grupo grupo = GrupoNumero(g);
            const uint16_t m = Lugares(c, grupo, d);
            if (std::popcount(m) != 2) continue;
            const auto& celdas = Celdas(grupo);
            v.push_back({d, celdas[static_cast<size_t>(std::countr_zero(m))], celdas[static_cast<size_t>(15 - std::countl_zero(m))], grupo});
        }
    return v;
}

// Two parallel lines; the ends that meet share a crossing line.
std::optional<Eliminacion> BuscarRascacielos(const Mascaras& c)
{
    return DosEnlaces(c, TipoEliminacion::Rascacielos, [](const Conjugado& p, const Conjugado& q, int pm, int qm) {
        if (p.grupo.tipo != q.grupo.tipo) return false;
        return p.grupo.tipo == TipoGrupo::Fila ? pm % 9 == qm % 9 : pm / 9 == qm / 9;
    });
}

// A row and a column; the ends that meet share a panel.
std::optional<Eliminacion> BuscarCometa(const Mascaras& c)
{
    return DosEnlaces(c, TipoEliminacion::Cometa, [](const Conjugado& p, const Conjugado& q, int pm, int qm) {
        return p.grupo.tipo != q.grupo.tipo && PanelDeCelda(pm) == PanelDeCelda(qm);
    });
}

std::optional<Eliminacion> BuscarCadenaX(const Mascaras& c)
{
    Opciones o;
    o.conjugados = true;
    return BuscarEnGrafo(c, Construir(c, o), TipoEliminacion::CadenaX);
}

std::optional<Eliminacion> BuscarParesRemotos(const Mascaras& c)
{
    uint16_t hechas[81]{};
    int n = 0;
    for (int i = 0; i < 81; ++i) {
        if (std::popcount(c[i]) != 2 || std::find(hechas, hechas + n, c[i]) != hechas + n) continue;
        hechas[n++] = c[i];
        Opciones o;
        o.enCelda = true;
        o.mascara = c[i];
        if (auto e = BuscarEnGrafo(c, Construir(c, o), TipoEliminacion::ParesRemotos)) return e;
    }
    return std::nullopt;
}

// Two cells of x and y that do not see each other; the only two places of y in a
// group, one seeing each cell. If the first is not x it is y, so the place it sees
// is not, the other place is y, and the second cell is x.
std::optional<Eliminacion> BuscarAlaW(const Mascaras& c)
{
    const std::vector<Conjugado> enlaces = Conjugados(c);
    for (int a = 0; a < 81; ++a) {
        if (std::popcount(c[a]) != 2) continue;
        for (int b = a + 1; b < 81; ++b) {
            if (c[b] != c[a] || SeVen(a, b)) continue;
            for (const Conjugado& q : enlaces) {
                if (!(c[a] & Bit(q.digito))) continue;
                const int x = DigitoDeBit(static_cast<uint16_t>(c[a] & ~Bit(q.digito)));
                for (int lado = 0; lado < 2; ++lado) {
                    const int p1 = lado ? q.b : q.a, p2 = lado ? q.a : q.b;
                    if (!SeVen(a, p1) || !SeVen(b, p2) || p1 == b || p2 == a) continue;
                    Eliminacion e;
                    e.tipo = TipoEliminacion::AlaW;
                    e.digito = static_cast<int8_t>(x);
                    e.cadena = {Nodo(a, x), Nodo(a, q.digito), Nodo(p1, q.digito), Nodo(p2, q.digito), Nodo(b, q.digito), Nodo(b, x)};
                    for (size_t k = 0; k < e.cadena.size(); k += 2) e.cadena[k].es = false;
                    if (auto hallada = SiQuita(c, std::move(e))) return hallada;
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Eliminacion> BuscarCadenaXY(const Mascaras& c)
{
    Opciones o;
    o.enCelda = true;
    o.soloBivalores = true;
    return BuscarEnGrafo(c, Construir(c, o), TipoEliminacion::CadenaXY);
}

std::optional<Eliminacion> BuscarCadenaAlterna(const Mascaras& c)
{
    Opciones o;
    o.enCelda = o.conjugados = o.agrupados = true;
    return BuscarEnGrafo(c, Construir(c, o), TipoEliminacion::CadenaAlterna);
}

// Every node still holds its digit and every link still holds: one end is its digit.
bool ConsecuenciasCadena(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    const auto& n = e.cadena;
    if (n.size() < NodosMinimos || n.size() % 2) return false;
    for (size_t k = 0; k < n.size(); ++k) {
        if (!BienFormado(c, n[k]) || n[k].es != (k % 2 == 1)) return false;
        if (k + 1 < n.size() && !(k % 2 == 0 ? EnlaceFuerte(c, n[k], n[k + 1]) : EnlaceDebil(n[k], n[k + 1]))) return false;
    }
    QuitarDeLosExtremos(c, n.front(), n.back(), quitados);
    return true;
}

} // namespace tecnicas
