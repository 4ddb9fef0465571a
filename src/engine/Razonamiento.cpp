// SPDX-License-Identifier: GPL-3.0-or-later
#include "Razonamiento.h"
#include <bit>

namespace {

uint16_t Bit(int digito) { return static_cast<uint16_t>(1u << (digito - 1)); }
int Indice(Grupo g) { return static_cast<int>(g.tipo) * 9 + g.numero; }
const std::array<int8_t, 9>& Celdas(Grupo g) { return GruposDeCasillas()[Indice(g)]; }
Grupo FilaDeCelda(int i) { return {TipoGrupo::Fila, static_cast<int8_t>(i / 9)}; }
Grupo ColumnaDeCelda(int i) { return {TipoGrupo::Columna, static_cast<int8_t>(i % 9)}; }
Grupo PanelDeCelda(int i) { return {TipoGrupo::Panel, static_cast<int8_t>(i / 27 * 3 + i % 9 / 3)}; }
bool Contiene(Grupo g, int i)
{
    switch (g.tipo) {
    case TipoGrupo::Fila: return i / 9 == g.numero;
    case TipoGrupo::Columna: return i % 9 == g.numero;
    case TipoGrupo::Panel: return PanelDeCelda(i).numero == g.numero;
    }
    return false;
}

// The only cell of the group where the digit can still go, or -1.
int UnicoLugar(const Mascaras& c, Grupo g, int digito)
{
    int donde = -1;
    for (int8_t i : Celdas(g))
        if (c[i] & Bit(digito)) {
            if (donde >= 0) return -1;
            donde = i;
        }
    return donde;
}

// The first cell of the group where the digit can still go, or -1.
int PrimerLugar(const Mascaras& c, Grupo g, int digito)
{
    for (int8_t i : Celdas(g))
        if (c[i] & Bit(digito)) return i;
    return -1;
}

bool SigueValiendo(const Mascaras& c, const Paso& p)
{
    if (p.tecnica == Tecnica::SoloCabe) return c[p.celda] == Bit(p.digito);
    return UnicoLugar(c, p.grupo, p.digito) == p.celda;
}

std::optional<Paso> BuscarSencillo(const Mascaras& c, int desde)
{
    for (int k = 0; k < 81; ++k) {
        const int i = (desde + k) % 81;
        if (std::has_single_bit(c[i]))
            return Paso{static_cast<int16_t>(i), static_cast<int16_t>(std::countr_zero(c[i]) + 1), Tecnica::SoloCabe, {}, {}};
    }
    for (Grupo (*grupoDe)(int) : {FilaDeCelda, ColumnaDeCelda, PanelDeCelda})
        for (int k = 0; k < 81; ++k) {
            const int i = (desde + k) % 81;
            for (uint16_t m = c[i]; m; m &= m - 1) {
                const int d = std::countr_zero(m) + 1;
                if (UnicoLugar(c, grupoDe(i), d) == i)
                    return Paso{static_cast<int16_t>(i), static_cast<int16_t>(d), Tecnica::SoloUnLugar, grupoDe(i), {}};
            }
        }
    return std::nullopt;
}

// Whether the elimination's premise holds on these candidates.
bool Vale(const Mascaras& c, const Eliminacion& e)
{
    if (e.tipo == TipoEliminacion::Pareja) {
        const uint16_t par = static_cast<uint16_t>(Bit(e.digitos[0]) | Bit(e.digitos[1]));
        return c[e.celdas[0]] == par && c[e.celdas[1]] == par;
    }
    bool alguna = false;
    for (int8_t i : Celdas(e.donde))
        if (c[i] & Bit(e.digito)) {
            if (!Contiene(e.hacia, i)) return false;
            alguna = true;
        }
    return alguna;
}

// Takes away what the elimination rules out; true when it took anything.
bool Aplicar(Mascaras& c, const Eliminacion& e)
{
    bool quito = false;
    auto quitar = [&](int i, uint16_t m) {
        if (c[i] & m) {
            c[i] = static_cast<uint16_t>(c[i] & ~m);
            quito = true;
        }
    };
    if (e.tipo == TipoEliminacion::Pareja) {
        const uint16_t par = static_cast<uint16_t>(Bit(e.digitos[0]) | Bit(e.digitos[1]));
        for (int8_t i : Celdas(e.donde))
            if (i != e.celdas[0] && i != e.celdas[1]) quitar(i, par);
    } else {
        for (int8_t i : Celdas(e.hacia))
            if (!Contiene(e.donde, i)) quitar(i, Bit(e.digito));
    }
    return quito;
}

// The first elimination that still takes something away: a digit held to one line
// of a panel, then to one panel of a line, then a pair.
std::optional<Eliminacion> BuscarEliminacion(const Mascaras& c)
{
    auto probar = [&](const Eliminacion& e) {
        Mascaras copia = c;
        return Vale(c, e) && Aplicar(copia, e);
    };
    for (int8_t p = 0; p < 9; ++p)
        for (int8_t d = 1; d <= 9; ++d) {
            const Grupo panel{TipoGrupo::Panel, p};
            const int primera = PrimerLugar(c, panel, d);
            if (primera < 0) continue;
            for (Grupo linea : {FilaDeCelda(primera), ColumnaDeCelda(primera)}) {
                const Eliminacion e{TipoEliminacion::EnUnaLinea, panel, linea, d, {}, {}};
                if (probar(e)) return e;
            }
        }
    for (TipoGrupo tipo : {TipoGrupo::Fila, TipoGrupo::Columna})
        for (int8_t n = 0; n < 9; ++n)
            for (int8_t d = 1; d <= 9; ++d) {
                const Grupo linea{tipo, n};
                const int primera = PrimerLugar(c, linea, d);
                if (primera < 0) continue;
                const Eliminacion e{TipoEliminacion::EnUnPanel, linea, PanelDeCelda(primera), d, {}, {}};
                if (probar(e)) return e;
            }
    for (int g = 0; g < 27; ++g) {
        const Grupo grupo{static_cast<TipoGrupo>(g / 9), static_cast<int8_t>(g % 9)};
        const auto& celdas = Celdas(grupo);
        for (int a = 0; a < 9; ++a) {
            const uint16_t m = c[celdas[a]];
            if (std::popcount(m) != 2) continue;
            for (int b = a + 1; b < 9; ++b) {
                if (c[celdas[b]] != m) continue;
                const int8_t d0 = static_cast<int8_t>(std::countr_zero(m) + 1);
                const int8_t d1 = static_cast<int8_t>(16 - std::countl_zero(m));
                const Eliminacion e{TipoEliminacion::Pareja, grupo, {}, 0, {celdas[a], celdas[b]}, {d0, d1}};
                if (probar(e)) return e;
            }
        }
    }
    return std::nullopt;
}

// The eliminations replayed from the start, each still holding; what the step needs
// of them, or none when one no longer holds or the step does not follow.
std::optional<std::vector<Eliminacion>> Reproducir(Mascaras c, const std::vector<Eliminacion>& cadena, const Paso& paso)
{
    std::vector<Eliminacion> utiles;
    for (const Eliminacion& e : cadena) {
        if (!Vale(c, e)) return std::nullopt;
        if (Aplicar(c, e)) utiles.push_back(e);
    }
    if (!SigueValiendo(c, paso)) return std::nullopt;
    return utiles;
}

// Drops, oldest first, every elimination the step can do without.
std::vector<Eliminacion> Necesarias(const Mascaras& base, std::vector<Eliminacion> cadena, const Paso& paso)
{
    for (size_t k = 0; k < cadena.size();) {
        std::vector<Eliminacion> sin = cadena;
        sin.erase(sin.begin() + static_cast<std::ptrdiff_t>(k));
        if (auto menos = Reproducir(base, sin, paso)) cadena = std::move(*menos);
        else ++k;
    }
    return cadena;
}

} // namespace

Mascaras MascarasDe(const Digitos& t)
{
    Mascaras c{};
    for (int i = 0; i < 81; ++i) {
        if (t[i]) continue;
        uint16_t usados = 0;
        for (int8_t v : Vecinas()[i])
            if (t[v]) usados |= Bit(t[v]);
        c[i] = static_cast<uint16_t>(0x1FF & ~usados);
    }
    return c;
}

std::optional<Paso> SiguientePaso(const Digitos& tablero, int16_t desde)
{
    if (desde < 0 || desde > 80) desde = 0;
    const Mascaras base = MascarasDe(tablero);
    Mascaras c = base;
    std::vector<Eliminacion> hechas;
    // Every elimination takes at least one candidate away, so this ends.
    while (true) {
        if (auto paso = BuscarSencillo(c, desde)) {
            paso->porque = Necesarias(base, std::move(hechas), *paso);
            return paso;
        }
        const std::optional<Eliminacion> e = BuscarEliminacion(c);
        if (!e) return std::nullopt;
        Aplicar(c, *e);
        hechas.push_back(*e);
    }
}
