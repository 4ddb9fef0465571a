// SPDX-License-Identifier: GPL-3.0-or-later
// Forcing chains of a cell and of a group: one of a cell's digits is right, and one
// of a digit's places in a group. Suppose each in turn and place the singles that
// follow: a candidate that every one of them takes away (or whose supposition
// cannot hold) is wrong. Cells of few digits and digits of few places come first,
// as their proofs are the shortest to hear.
#include "Suposicion.h"
#include <algorithm>

namespace tecnicas {

namespace {

// Of the candidates every supposition rules out, the few whose proofs are weighed.
constexpr int ConclusionesMaximas = 8;

// What each supposition leaves: for each digit of a cell or place of a digit, the
// candidates it takes away; none for one that cannot hold.
struct Ramas {
    std::vector<Candidato> supuestos;
    std::vector<std::optional<Mascaras>> quitados;
};

Ramas Suponer(const Mascaras& c, const std::vector<Candidato>& supuestos)
{
    Ramas r{supuestos, {}};
    const Propagacion desde(c);
    for (Candidato x : supuestos) {
        Propagacion p = desde;
        if (!p.Poner(x.celda, x.digito)) {
            r.quitados.emplace_back();
            continue;
        }
        Mascaras q;
        for (int i = 0; i < 81; ++i) q[i] = static_cast<uint16_t>(c[i] & ~p.Candidatos()[i]);
        r.quitados.emplace_back(q);
    }
    return r;
}

// What every supposition that can hold rules out; nothing when none can (a broken board).
std::vector<Candidato> EnTodas(const Ramas& r)
{
    Mascaras comun;
    comun.fill(0x1FF);
    bool alguna = false;
    for (const auto& q : r.quitados)
        if (q) {
            alguna = true;
            for (int i = 0; i < 81; ++i) comun[i] = static_cast<uint16_t>(comun[i] & (*q)[i]);
        }
    std::vector<Candidato> v;
    if (!alguna) return v;
    for (int i = 0; i < 81; ++i)
        for (uint16_t m = comun[i]; m; m &= m - 1) v.push_back({static_cast<int8_t>(i), DigitoDeBit(static_cast<uint16_t>(m & -m))});
    return v;
}

// The proof with the fewest links among the first conclusions: each supposition's
// chain to the candidate gone or to a contradiction.
std::optional<Eliminacion> Explicar(const Mascaras& c, Eliminacion e, const Ramas& r)
{
    std::optional<Eliminacion> mejor;
    const std::vector<Candidato> conclusiones = EnTodas(r);
    for (size_t k = 0; k < conclusiones.size() && static_cast<int>(k) < ConclusionesMaximas; ++k) {
        e.conclusion = conclusiones[k];
        e.cadena.clear();
        bool completa = true;
        for (Candidato x : r.supuestos) {
            int ondas = 0;
            const auto rama = Probar(c, x, OndasMaximas, ondas, e.conclusion);
            if (!rama) {
                completa = false;
                break;
            }
            e.cadena.insert(e.cadena.end(), rama->begin(), rama->end());
        }
        if (!completa || (mejor && e.cadena.size() >= mejor->cadena.size())) continue;
        if (auto hallada = SiQuita(c, e)) mejor = std::move(hallada);
    }
    return mejor;
}

} // namespace

std::optional<Eliminacion> BuscarCadenaDeCelda(const Mascaras& c, const std::atomic<bool>* parar)
{
    for (int cuantos = 2; cuantos <= 9; ++cuantos)
        for (int i = 0; i < 81; ++i) {
            if (std::popcount(c[i]) != cuantos) continue;
            if (Parar(parar)) return std::nullopt;
            std::vector<Candidato> supuestos;
            for (uint16_t m = c[i]; m; m &= m - 1) supuestos.push_back({static_cast<int8_t>(i), DigitoDeBit(static_cast<uint16_t>(m & -m))});
            const Ramas r = Suponer(c, supuestos);
            if (EnTodas(r).empty()) continue;
            Eliminacion e;
            e.tipo = TipoEliminacion::CadenaDeCelda;
            e.celdas[0] = static_cast<int8_t>(i);
            if (auto hallada = Explicar(c, std::move(e), r)) return hallada;
        }
    return std::nullopt;
}

std::optional<Eliminacion> BuscarCadenaDeGrupo(const Mascaras& c, const std::atomic<bool>* parar)
{
    for (int cuantos = 2; cuantos <= 9; ++cuantos)
        for (int g = 0; g < 27; ++g)
            for (int d = 1; d <= 9; ++d) {
                const Grupo grupo = GrupoNumero(g);
                const uint16_t lugares = Lugares(c, grupo, d);
                if (std::popcount(lugares) != cuantos) continue;
                if (Parar(parar)) return std::nullopt;
                std::vector<Candidato> supuestos;
                for (uint16_t m = lugares; m; m &= m - 1)
                    supuestos.push_back({Celdas(grupo)[static_cast<size_t>(std::countr_zero(m))], static_cast<int8_t>(d)});
                const Ramas r = Suponer(c, supuestos);
                if (EnTodas(r).empty()) continue;
                Eliminacion e;
                e.tipo = TipoEliminacion::CadenaDeGrupo;
                e.donde = grupo;
                e.digito = static_cast<int8_t>(d);
                if (auto hallada = Explicar(c, std::move(e), r)) return hallada;
            }
    return std::nullopt;
}

// Each supposition's chain replayed on its own, and together they try every digit
// of the cell or every place of the digit in the group, each once.
bool ConsecuenciasMultiple(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    std::vector<Candidato> esperados;
    if (e.tipo == TipoEliminacion::CadenaDeCelda) {
        const int i = e.celdas[0];
        if (i < 0 || i > 80) return false;
        for (uint16_t m = c[i]; m; m &= m - 1) esperados.push_back({static_cast<int8_t>(i), DigitoDeBit(static_cast<uint16_t>(m & -m))});
    } else {
        if (!EsGrupo(e.donde) || e.digito < 1 || e.digito > 9) return false;
        for (int8_t i : Celdas(e.donde))
            if (c[i] & Bit(e.digito)) esperados.push_back({i, e.digito});
    }
    const Candidato t = e.conclusion;
    if (esperados.size() < 2 || t.celda < 0 || t.celda > 80 || t.digito < 1 || t.digito > 9) return false;
    const auto& n = e.cadena;
    size_t probados = 0;
    for (size_t k = 0; k < n.size();) {
        const Eslabon& x = n[k];
        const Candidato supuesto{x.celdas[0], x.digito};
        const auto pos = std::find(esperados.begin(), esperados.end(), supuesto);
        if (x.motivo != Motivo::Supuesto || pos == esperados.end()) return false;
        esperados.erase(pos);
        ++probados;
        Supuesto s(c);
        s.Poner(x);
        const Eslabon* ultimo = &x;
        for (++k; k < n.size() && n[k].motivo != Motivo::Supuesto; ++k) {
            const bool final = k + 1 == n.size() || n[k + 1].motivo == Motivo::Supuesto;
            if (!Sigue(s, n[k], final)) return false;
            ultimo = &n[k];
            if (!EsFinal(n[k])) s.Poner(n[k]);
        }
        if (!EsFinal(*ultimo) && (s.c[t.celda] & Bit(t.digito))) return false;
    }
    if (!esperados.empty() || probados < 2) return false;
    Quitar(c, t.celda, Bit(t.digito), quitados);
    return true;
}

} // namespace tecnicas
