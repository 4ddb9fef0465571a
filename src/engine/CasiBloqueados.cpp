// SPDX-License-Identifier: GPL-3.0-or-later
// ALS-XZ. An almost locked set: n cells of one group that hold n + 1 digits between
// them; take one digit away and the rest are locked in. Two such sets share a
// digit x that cannot be in both (every x of one sees every x of the other), so one
// of them loses x and is locked: a second shared digit z is in one of them, and a
// cell that sees every z of both cannot be z. Sets of up to three cells, which the
// ear can follow.
#include "Tecnicas.h"
#include <algorithm>

namespace tecnicas {

namespace {

constexpr int CeldasMaximas = 3;

uint16_t DigitosDe(const Mascaras& c, const Eslabon& n)
{
    uint16_t m = 0;
    for (int k = 0; k < n.cuantas; ++k) m = static_cast<uint16_t>(m | c[n.celdas[k]]);
    return m;
}

bool EsDe(const Eslabon& n, int i)
{
    for (int k = 0; k < n.cuantas; ++k)
        if (n.celdas[k] == i) return true;
    return false;
}

// Every cell of the set that holds the digit sees every cell of the other that does.
bool SeVenEn(const Mascaras& c, const Eslabon& a, const Eslabon& b, int digito)
{
    for (int k = 0; k < a.cuantas; ++k)
        for (int j = 0; j < b.cuantas; ++j)
            if ((c[a.celdas[k]] & Bit(digito)) && (c[b.celdas[j]] & Bit(digito)) && !SeVen(a.celdas[k], b.celdas[j])) return false;
    return true;
}

// Empty cells of its group, all different, holding the digits it names, one more
// than their count.
bool EsCasiBloqueado(const Mascaras& c, const Eslabon& n)
{
    if (n.cuantas < 1 || n.cuantas > CeldasMaximas || !EsGrupo(n.grupo)) return false;
    for (int k = 0; k < n.cuantas; ++k) {
        if (n.celdas[k] < 0 || n.celdas[k] > 80 || c[n.celdas[k]] == 0 || !Contiene(n.grupo, n.celdas[k])) return false;
        for (int j = 0; j < k; ++j)
            if (n.celdas[j] == n.celdas[k]) return false;
    }
    return n.digitos == DigitosDe(c, n) && std::popcount(n.digitos) == n.cuantas + 1;
}

// Every almost locked set of up to three cells, each once.
std::vector<Eslabon> Conjuntos(const Mascaras& c)
{
    std::vector<Eslabon> v;
    std::vector<std::array<int8_t, 3>> vistos;
    for (int g = 0; g < 27; ++g) {
        const Grupo grupo = GrupoNumero(g);
        const auto& celdas = Celdas(grupo);
        for (unsigned elegidas = 1; elegidas < 1u << 9; ++elegidas) {
            if (std::popcount(elegidas) > CeldasMaximas) continue;
            Eslabon n;
            n.grupo = grupo;
            n.cuantas = 0;
            bool vacias = true;
            for (int k = 0; k < 9; ++k)
                if (elegidas & (1u << k)) {
                    vacias = vacias && c[celdas[static_cast<size_t>(k)]] != 0;
                    n.celdas[static_cast<size_t>(n.cuantas++)] = celdas[static_cast<size_t>(k)];
                }
            n.digitos = DigitosDe(c, n);
            if (!vacias || !EsCasiBloqueado(c, n)) continue;
            std::array<int8_t, 3> clave{-1, -1, -1};
            std::copy(n.celdas.begin(), n.celdas.begin() + n.cuantas, clave.begin());
            if (std::find(vistos.begin(), vistos.end(), clave) != vistos.end()) continue;
            vistos.push_back(clave);
            v.push_back(n);
        }
    }
    return v;
}

// A set with, for each digit, its cells holding it and the cells that see all of those.
struct Hallado {
    Eslabon n;
    ConjuntoDeCeldas propias;
    std::array<ConjuntoDeCeldas, 9> conDigito, vistas;
};

Hallado Preparar(const Mascaras& c, const Eslabon& n)
{
    Hallado h{n, {}, {}, {}};
    for (auto& v : h.vistas) v.set();
    for (int k = 0; k < n.cuantas; ++k) {
        const int i = n.celdas[static_cast<size_t>(k)];
        h.propias.set(static_cast<size_t>(i));
        for (uint16_t m = c[i]; m; m &= m - 1) {
            const auto d = static_cast<size_t>(std::countr_zero(m));
            h.conDigito[d].set(static_cast<size_t>(i));
            h.vistas[d] &= VecinasComoConjunto()[static_cast<size_t>(i)];
        }
    }
    return h;
}

} // namespace

std::optional<Eliminacion> BuscarCasiBloqueados(const Mascaras& c)
{
    std::vector<Hallado> conjuntos;
    for (const Eslabon& n : Conjuntos(c)) conjuntos.push_back(Preparar(c, n));
    std::array<ConjuntoDeCeldas, 9> conDigito{};
    for (int i = 0; i < 81; ++i)
        for (uint16_t m = c[i]; m; m &= m - 1) conDigito[static_cast<size_t>(std::countr_zero(m))].set(static_cast<size_t>(i));
    for (size_t i = 0; i < conjuntos.size(); ++i)
        for (size_t j = i + 1; j < conjuntos.size(); ++j) {
            const Hallado &a = conjuntos[i], &b = conjuntos[j];
            const auto comunes = static_cast<uint16_t>(a.n.digitos & b.n.digitos);
            if ((a.propias & b.propias).any() || std::popcount(comunes) < 2) continue;
            for (uint16_t xs = comunes; xs; xs &= xs - 1) {
                const auto x = static_cast<size_t>(std::countr_zero(xs));
                if ((b.conDigito[x] & ~a.vistas[x]).any()) continue;   // not every x of b sees every x of a
                for (uint16_t zs = static_cast<uint16_t>(comunes & ~(1u << x)); zs; zs &= zs - 1) {
                    const auto z = static_cast<size_t>(std::countr_zero(zs));
                    if ((a.vistas[z] & b.vistas[z] & conDigito[z] & ~a.propias & ~b.propias).none()) continue;
                    Eliminacion e;
                    e.tipo = TipoEliminacion::ConjuntoCasiBloqueado;
                    e.digito = static_cast<int8_t>(z + 1);
                    e.cadena = {a.n, b.n};
                    for (Eslabon& n : e.cadena) n.digito = static_cast<int8_t>(x + 1);
                    if (auto hallada = SiQuita(c, std::move(e))) return hallada;
                }
            }
        }
    return std::nullopt;
}

bool ConsecuenciasCasiBloqueados(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    if (e.cadena.size() != 2) return false;
    const Eslabon &a = e.cadena[0], &b = e.cadena[1];
    const int x = a.digito, z = e.digito;
    if (x < 1 || x > 9 || z < 1 || z > 9 || x == z || b.digito != x) return false;
    if (!EsCasiBloqueado(c, a) || !EsCasiBloqueado(c, b)) return false;
    for (int k = 0; k < a.cuantas; ++k)
        if (EsDe(b, a.celdas[k])) return false;
    const auto ambos = static_cast<uint16_t>(Bit(x) | Bit(z));
    if ((DigitosDe(c, a) & ambos) != ambos || (DigitosDe(c, b) & ambos) != ambos || !SeVenEn(c, a, b, x)) return false;
    // A cell that sees every z sees the first z of a: only its neighbours can go.
    int primera = 0;
    while (!(c[a.celdas[static_cast<size_t>(primera)]] & Bit(z))) ++primera;
    for (int8_t i : Vecinas()[a.celdas[static_cast<size_t>(primera)]]) {
        if (EsDe(a, i) || EsDe(b, i)) continue;
        bool veTodas = true;
        for (const Eslabon* n : {&a, &b})
            for (int k = 0; k < n->cuantas; ++k)
                if ((c[n->celdas[k]] & Bit(z)) && !SeVen(i, n->celdas[k])) veTodas = false;
        if (veTodas) Quitar(c, i, Bit(z), quitados);
    }
    return true;
}

} // namespace tecnicas
