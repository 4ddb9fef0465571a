// SPDX-License-Identifier: GPL-3.0-or-later
// Nested forcing chains: suppose a digit, place the singles that follow, and when
// they run out, rule out under the supposition every digit whose own forcing
// chain ends in a contradiction; then singles again. When that leaves a cell or a
// group empty, the supposition was wrong. One level of chains within the chain
// finishes every puzzle of bench/dificiles.txt, the hardest known.
#include "Suposicion.h"
#include <algorithm>

namespace tecnicas {

namespace {

// Proofs differ tenfold in length from one supposition to another: of the first
// suppositions that fail, the shortest proof is kept.
constexpr int SuposicionesComparadas = 24;

// How many links the player may hear, the chains within included.
size_t Eslabones(const Eliminacion& e)
{
    size_t n = e.cadena.size();
    for (const auto& interna : e.internas) n += interna.size();
    return n;
}

// Whether the digit gone leaves a single: its cell with one digit, or the digit
// with one place in a group. Then the hint needs no other chain to give a step.
bool DejaSencillo(const Mascaras& c, Candidato x)
{
    if (std::popcount(c[x.celda]) == 2) return true;
    for (Grupo g : {FilaDeCelda(x.celda), ColumnaDeCelda(x.celda), PanelDeCelda(x.celda)})
        if (std::popcount(Lugares(c, g, x.digito)) == 2) return true;
    return false;
}

// A proof that leaves a single first, then the shorter.
using Peso = std::pair<bool, size_t>;

// Whether the supposition leads to a contradiction by singles and, under it,
// forcing chains. False too once parar is raised.
bool ContradiceAnidada(const Mascaras& base, Candidato x, const std::atomic<bool>* parar)
{
    Propagacion p(base);
    if (!p.Poner(x.celda, x.digito)) return true;
    for (bool cambio = true; cambio;) {
        cambio = false;
        for (int i = 0; i < 81; ++i) {
            if (p.Puesta(i)) continue;
            for (uint16_t m = p.Candidatos()[i]; m; m &= m - 1) {
                const int d = DigitoDeBit(static_cast<uint16_t>(m & -m));
                if (!(p.Candidatos()[i] & Bit(d))) continue;
                if (Parar(parar)) return false;
                Propagacion q = p;
                if (q.Poner(i, d)) continue;
                if (!p.Quitar(i, d)) return true;
                cambio = true;
            }
        }
    }
    return false;
}

// Hands each digit whose supposition a nested chain proves wrong to usar, until
// usar says enough or parar is raised. Cells of two digits first: one ruled out
// places the other at once.
template <typename Usar>
void Fallidas(const Mascaras& c, const std::atomic<bool>* parar, Usar usar)
{
    for (int cuantos = 2; cuantos <= 9; ++cuantos)
        for (int i = 0; i < 81; ++i) {
            if (std::popcount(c[i]) != cuantos) continue;
            for (uint16_t m = c[i]; m; m &= m - 1) {
                const Candidato x{static_cast<int8_t>(i), DigitoDeBit(static_cast<uint16_t>(m & -m))};
                if (ContradiceAnidada(c, x, parar) ? usar(x) : Parar(parar)) return;
            }
        }
}

// The chain of a digit that leads by singles to a contradiction.
std::optional<std::vector<Eslabon>> CadenaDe(const Mascaras& c, Candidato y)
{
    int ondas = 0;
    return Probar(c, y, OndasMaximas, ondas);
}

// The proof of a supposition known to fail. Singles wave after wave; when they run
// out, every digit whose own forcing chain ends in a contradiction is ruled out at
// once, so the contradiction comes in the fewest rounds. Then only the links it
// needs, each chain within made again on the board those links leave.
std::optional<Eliminacion> Explicar(const Mascaras& base, Candidato x)
{
    Supuesto s(base);
    s.Poner(Enlace(x.celda, x.digito, Motivo::Supuesto));
    // The board each round of chains within started from; each such link's round.
    std::vector<Mascaras> vistas;
    std::vector<int> rondaDe;
    std::optional<Eslabon> fin;
    // Each round places a digit or takes one away, so this ends.
    while (!(fin = Contradiccion(s))) {
        const std::vector<Eslabon> nuevos = Sencillos(s);
        for (const Eslabon& n : nuevos)
            if (!s.puesta[n.celdas[0]] && (s.c[n.celdas[0]] & Bit(n.digito))) s.Poner(n);
        if (!nuevos.empty()) continue;
        vistas.push_back(s.Vista());
        const Mascaras vista = vistas.back();
        const Propagacion desde(vista);
        std::vector<Eslabon> ronda;
        for (int i = 0; i < 81; ++i)
            for (uint16_t m = vista[i]; m; m &= m - 1) {
                const int d = DigitoDeBit(static_cast<uint16_t>(m & -m));
                if (!Contradice(desde, {static_cast<int8_t>(i), static_cast<int8_t>(d)})) continue;
                Eslabon n = Enlace(i, d, Motivo::PorCadena);
                n.es = false;
                ronda.push_back(n);
            }
        if (ronda.empty()) return std::nullopt;
        rondaDe.resize(s.eslabones.size(), -1);
        for (const Eslabon& n : ronda) {
            rondaDe.push_back(static_cast<int>(vistas.size()) - 1);
            s.Poner(n);
        }
    }
    // Back from the contradiction, the links that took away what it rests on; a
    // chain within rests on what the links before its round took away.
    std::vector<bool> usado(s.eslabones.size(), false);
    usado[0] = true;
    std::vector<int> pendientes;
    int antesDe = static_cast<int>(s.eslabones.size());
    auto marcar = [&](int i, int d) {
        const int k = s.quien[static_cast<size_t>(i * 9 + d - 1)];
        if (k >= 0 && k < antesDe && !usado[static_cast<size_t>(k)]) {
            usado[static_cast<size_t>(k)] = true;
            pendientes.push_back(k);
        }
    };
    Apoyos(base, *fin, marcar);
    while (!pendientes.empty()) {
        const int k = pendientes.back();
        pendientes.pop_back();
        const Eslabon& n = s.eslabones[static_cast<size_t>(k)];
        antesDe = k;
        if (n.motivo != Motivo::PorCadena) Apoyos(base, n, marcar);
        else if (auto interna = CadenaDe(vistas[static_cast<size_t>(rondaDe[static_cast<size_t>(k)])], {n.celdas[0], n.digito}))
            for (const Eslabon& m : *interna) Apoyos(base, m, marcar);
        else return std::nullopt;
        antesDe = static_cast<int>(s.eslabones.size());
    }
    Eliminacion e;
    e.tipo = TipoEliminacion::CadenaAnidada;
    e.digito = x.digito;
    Supuesto r(base);
    for (size_t k = 0; k < s.eslabones.size(); ++k) {
        if (!usado[k]) continue;
        Eslabon n = s.eslabones[k];
        if (n.motivo == Motivo::PorCadena) {
            // Others of its round may have gone before it: its chain as the board now stands.
            const Mascaras vista = r.Vista();
            const Candidato y{n.celdas[0], n.digito};
            if (!(vista[y.celda] & Bit(y.digito))) continue;
            std::optional<std::vector<Eslabon>> interna = CadenaDe(vista, y);
            if (!interna) return std::nullopt;
            e.internas.push_back(std::move(*interna));
            n.interna = static_cast<int16_t>(e.internas.size() - 1);
        }
        r.Poner(n);
        e.cadena.push_back(n);
    }
    e.cadena.push_back(*fin);
    return SiQuita(base, std::move(e));
}

} // namespace

std::optional<Eliminacion> BuscarCadenaAnidada(const Mascaras& c, const std::atomic<bool>* parar)
{
    std::optional<Eliminacion> mejor;
    Peso menos;
    int comparadas = 0;
    Fallidas(c, parar, [&](Candidato x) {
        std::optional<Eliminacion> e = Explicar(c, x);
        if (!e) return false;
        const Peso peso{!DejaSencillo(c, x), Eslabones(*e)};
        if (!mejor || peso < menos) {
            menos = peso;
            mejor = std::move(e);
        }
        return ++comparadas == SuposicionesComparadas;
    });
    if (Parar(parar)) return std::nullopt;
    return mejor;
}

std::optional<Candidato> DescartarAnidada(const Mascaras& c, const std::atomic<bool>* parar)
{
    std::optional<Candidato> primera;
    Fallidas(c, parar, [&](Candidato x) {
        primera = x;
        return true;
    });
    if (Parar(parar)) return std::nullopt;
    return primera;
}

// Replayed link by link as a forcing chain; a link by a chain within holds when
// that chain, replayed on the board the links before it leave, ends in a contradiction.
bool ConsecuenciasAnidada(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    const auto& n = e.cadena;
    if (n.size() < 2 || n.front().motivo != Motivo::Supuesto || !EsFinal(n.back())) return false;
    const Eslabon& x = n.front();
    if (x.celdas[0] < 0 || x.celdas[0] > 80 || x.digito != e.digito || x.digito < 1 || x.digito > 9 || !(c[x.celdas[0]] & Bit(x.digito)))
        return false;
    Supuesto s(c);
    s.Poner(x);
    std::vector<Candidato> dentro;
    for (size_t k = 1; k < n.size(); ++k) {
        const Eslabon& y = n[k];
        const bool ultimo = k + 1 == n.size();
        if (y.motivo != Motivo::PorCadena) {
            if (!Sigue(s, y, ultimo)) return false;
            if (!ultimo) s.Poner(y);
            continue;
        }
        const int i = y.celdas[0];
        if (ultimo || y.interna < 0 || static_cast<size_t>(y.interna) >= e.internas.size() || i < 0 || i > 80 || y.digito < 1
            || y.digito > 9 || s.puesta[i])
            return false;
        Eliminacion interna;
        interna.tipo = TipoEliminacion::CadenaForzada;
        interna.digito = y.digito;
        interna.cadena = e.internas[static_cast<size_t>(y.interna)];
        if (interna.cadena.empty() || interna.cadena.front().celdas[0] != i) return false;
        if (!ConsecuenciasForzada(s.Vista(), interna, dentro) || dentro.empty()) return false;
        s.Poner(y);
    }
    Quitar(c, x.celdas[0], Bit(e.digito), quitados);
    return true;
}

} // namespace tecnicas
