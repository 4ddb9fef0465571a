// SPDX-License-Identifier: GPL-3.0-or-later
// Pairs and triples inside one group: n cells holding only n digits between them
// (those digits go nowhere else in the group), or n digits that fit only n cells
// (those cells take nothing else).
#include "Tecnicas.h"

namespace tecnicas {

namespace {

// Calls hallar with every choice of cuantos of the positions 0..8 in elegibles,
// in reading order (0 1, 0 2, ... then 1 2 ...), until it answers something.
template <typename Hallar>
std::optional<Eliminacion> Combinaciones(uint16_t elegibles, int cuantos, Hallar hallar)
{
    int pos[9], n = 0;
    for (int k = 0; k < 9; ++k)
        if (elegibles & (1u << k)) pos[n++] = k;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            if (cuantos == 2) {
                if (auto e = hallar(std::array<int, 3>{pos[a], pos[b], -1})) return e;
                continue;
            }
            for (int k = b + 1; k < n; ++k)
                if (auto e = hallar(std::array<int, 3>{pos[a], pos[b], pos[k]})) return e;
        }
    return std::nullopt;
}

uint16_t DigitosDe(const Eliminacion& e)
{
    uint16_t m = 0;
    for (int k = 0; k < e.cuantos; ++k) m = static_cast<uint16_t>(m | Bit(e.digitos[k]));
    return m;
}

bool EsDelConjunto(const Eliminacion& e, int i)
{
    for (int k = 0; k < e.cuantos; ++k)
        if (e.celdas[k] == i) return true;
    return false;
}

// The group and its cells as the instance names them: cells of the group, all different.
bool BienFormado(const Eliminacion& e)
{
    if (e.cuantos < 2 || e.cuantos > 3) return false;
    for (int k = 0; k < e.cuantos; ++k) {
        if (e.celdas[k] < 0 || e.celdas[k] > 80 || !Contiene(e.donde, e.celdas[k])) return false;
        if (e.digitos[k] < 1 || e.digitos[k] > 9) return false;
        for (int j = 0; j < k; ++j)
            if (e.celdas[j] == e.celdas[k] || e.digitos[j] == e.digitos[k]) return false;
    }
    return true;
}

} // namespace

std::optional<Eliminacion> BuscarDesnudo(const Mascaras& c, int cuantos)
{
    for (int g = 0; g < 27; ++g) {
        const Grupo grupo = GrupoNumero(g);
        const auto& celdas = Celdas(grupo);
        uint16_t elegibles = 0;
        for (int k = 0; k < 9; ++k) {
            const int n = std::popcount(c[celdas[k]]);
            if (n >= 2 && n <= cuantos) elegibles = static_cast<uint16_t>(elegibles | 1u << k);
        }
        auto hallada = Combinaciones(elegibles, cuantos, [&](std::array<int, 3> pos) -> std::optional<Eliminacion> {
            uint16_t juntos = 0;
            for (int k = 0; k < cuantos; ++k) juntos = static_cast<uint16_t>(juntos | c[celdas[pos[k]]]);
            if (std::popcount(juntos) != cuantos) return std::nullopt;
            Eliminacion e;
            e.tipo = cuantos == 2 ? TipoEliminacion::Pareja : TipoEliminacion::Trio;
            e.donde = grupo;
            e.cuantos = static_cast<int8_t>(cuantos);
            for (int k = 0; k < cuantos; ++k) {
                e.celdas[k] = celdas[pos[k]];
                e.digitos[k] = DigitoDeBit(juntos);
                juntos &= juntos - 1;
            }
            return SiQuita(c, std::move(e));
        });
        if (hallada) return hallada;
    }
    return std::nullopt;
}

std::optional<Eliminacion> BuscarOculto(const Mascaras& c, int cuantos)
{
    for (int g = 0; g < 27; ++g) {
        const Grupo grupo = GrupoNumero(g);
        const auto& celdas = Celdas(grupo);
        std::array<uint16_t, 9> lugares{};   // by digit - 1
        uint16_t elegibles = 0;
        for (int d = 1; d <= 9; ++d) {
            lugares[d - 1] = Lugares(c, grupo, d);
            const int n = std::popcount(lugares[d - 1]);
            if (n >= 2 && n <= cuantos) elegibles = static_cast<uint16_t>(elegibles | 1u << (d - 1));
        }
        auto hallada = Combinaciones(elegibles, cuantos, [&](std::array<int, 3> pos) -> std::optional<Eliminacion> {
            uint16_t juntos = 0;
            for (int k = 0; k < cuantos; ++k) juntos = static_cast<uint16_t>(juntos | lugares[pos[k]]);
            if (std::popcount(juntos) != cuantos) return std::nullopt;
            Eliminacion e;
            e.tipo = cuantos == 2 ? TipoEliminacion::ParejaOculta : TipoEliminacion::TrioOculto;
            e.donde = grupo;
            e.cuantos = static_cast<int8_t>(cuantos);
            for (int k = 0; k < cuantos; ++k) {
                e.digitos[k] = static_cast<int8_t>(pos[k] + 1);
                e.celdas[k] = celdas[std::countr_zero(juntos)];
                juntos &= juntos - 1;
            }
            return SiQuita(c, std::move(e));
        });
        if (hallada) return hallada;
    }
    return std::nullopt;
}

// The cells hold nothing but the digits: the rest of the group cannot take them.
bool ConsecuenciasDesnudo(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    if (!BienFormado(e)) return false;
    const uint16_t digitos = DigitosDe(e);
    for (int k = 0; k < e.cuantos; ++k)
        if (c[e.celdas[k]] == 0 || (c[e.celdas[k]] & ~digitos)) return false;
    for (int8_t i : Celdas(e.donde))
        if (!EsDelConjunto(e, i)) Quitar(c, i, digitos, quitados);
    return true;
}

// The digits fit nowhere else in the group: the cells take nothing but them.
bool ConsecuenciasOculto(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    if (!BienFormado(e)) return false;
    const uint16_t digitos = DigitosDe(e);
    for (int k = 0; k < e.cuantos; ++k) {
        bool alguno = false;
        for (int8_t i : Celdas(e.donde))
            if (c[i] & Bit(e.digitos[k])) {
                if (!EsDelConjunto(e, i)) return false;
                alguno = true;
            }
        if (!alguno) return false;
    }
    for (int k = 0; k < e.cuantos; ++k) Quitar(c, e.celdas[k], static_cast<uint16_t>(~digitos & 0x1FF), quitados);
    return true;
}

} // namespace tecnicas
