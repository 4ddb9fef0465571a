// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside the engine: what the techniques share, and each technique as a pair of
// functions, one that finds its first instance taking something away and one that
// says what an instance rules out (false when its premise fails on the candidates).
#include <bit>
#include <bitset>
#include "Razonamiento.h"

namespace tecnicas {

// A set of cells, bit i for cell i.
using ConjuntoDeCeldas = std::bitset<81>;
// Cadenas.cpp: each cell's 20 neighbours, and each group's cells, as sets.
const std::array<ConjuntoDeCeldas, 81>& VecinasComoConjunto();
const ConjuntoDeCeldas& DeGrupo(Grupo g);

// One bit set: std::has_single_bit counts them, slowly where the processor cannot.
inline bool UnoSolo(uint16_t m) { return m && !(m & (m - 1)); }
inline uint16_t Bit(int digito) { return static_cast<uint16_t>(1u << (digito - 1)); }
inline int8_t DigitoDeBit(uint16_t bit) { return static_cast<int8_t>(std::countr_zero(bit) + 1); }
inline const std::array<int8_t, 9>& Celdas(Grupo g) { return GruposDeCasillas()[static_cast<int>(g.tipo) * 9 + g.numero]; }
// Group g of the 27: rows, then columns, then panels.
inline Grupo GrupoNumero(int g) { return {static_cast<TipoGrupo>(g / 9), static_cast<int8_t>(g % 9)}; }
inline Grupo FilaDeCelda(int i) { return {TipoGrupo::Fila, static_cast<int8_t>(i / 9)}; }
inline Grupo ColumnaDeCelda(int i) { return {TipoGrupo::Columna, static_cast<int8_t>(i % 9)}; }
inline Grupo PanelDeCelda(int i) { return {TipoGrupo::Panel, static_cast<int8_t>(i / 27 * 3 + i % 9 / 3)}; }
inline bool Contiene(Grupo g, int i)
{
    switch (g.tipo) {
    case TipoGrupo::Fila: return i / 9 == g.numero;
    case TipoGrupo::Columna: return i % 9 == g.numero;
    case TipoGrupo::Panel: return PanelDeCelda(i).numero == g.numero;
    }
    return false;
}
// A group an instance names: a row, column or panel numbered 0..8.
inline bool EsGrupo(Grupo g) { return static_cast<int>(g.tipo) <= static_cast<int>(TipoGrupo::Panel) && g.numero >= 0 && g.numero <= 8; }
// Two different cells that share a row, a column or a panel.
inline bool SeVen(int a, int b)
{
    return a != b && (a / 9 == b / 9 || a % 9 == b % 9 || PanelDeCelda(a) == PanelDeCelda(b));
}
// The places of the digit in the group, bit k for the group's k-th cell.
inline uint16_t Lugares(const Mascaras& c, Grupo g, int digito)
{
    uint16_t m = 0;
    const auto& celdas = Celdas(g);
    for (int k = 0; k < 9; ++k)
        if (c[celdas[k]] & Bit(digito)) m = static_cast<uint16_t>(m | 1u << k);
    return m;
}
// Adds to quitados the digits of mascara that cell i still holds.
inline void Quitar(const Mascaras& c, int i, uint16_t mascara, std::vector<Candidato>& quitados)
{
    for (uint16_t m = c[i] & mascara; m; m &= m - 1)
        quitados.push_back({static_cast<int8_t>(i), DigitoDeBit(static_cast<uint16_t>(m & -m))});
}
// Whether the search was asked to stop (never, without a flag).
inline bool Parar(const std::atomic<bool>* parar) { return parar && parar->load(std::memory_order_relaxed); }

// The instance if its premise holds and it takes something away.
inline std::optional<Eliminacion> SiQuita(const Mascaras& c, Eliminacion e)
{
    if (!Consecuencias(c, e, e.quitados) || e.quitados.empty()) return std::nullopt;
    return e;
}

// Razonamiento.cpp: a digit held to one line of a panel, or to one panel of a line.
std::optional<Eliminacion> BuscarEnUnaLinea(const Mascaras& c);
std::optional<Eliminacion> BuscarEnUnPanel(const Mascaras& c);
bool ConsecuenciasEncierro(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

// Conjuntos.cpp: pairs and triples, of cells (Pareja, Trio) or of digits (ocultos).
std::optional<Eliminacion> BuscarDesnudo(const Mascaras& c, int cuantos);
std::optional<Eliminacion> BuscarOculto(const Mascaras& c, int cuantos);
bool ConsecuenciasDesnudo(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);
bool ConsecuenciasOculto(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

// Peces.cpp: X-Wing (two lines) and Swordfish (three).
std::optional<Eliminacion> BuscarPez(const Mascaras& c, int cuantos);
bool ConsecuenciasPez(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

// Alas.cpp: XY-Wing and XYZ-Wing.
std::optional<Eliminacion> BuscarAlaXY(const Mascaras& c);
std::optional<Eliminacion> BuscarAlaXYZ(const Mascaras& c);
bool ConsecuenciasAla(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

// Cadenas.cpp: chains of strong and weak links, from the skyscraper to the
// alternating chain with grouped nodes.
std::optional<Eliminacion> BuscarRascacielos(const Mascaras& c);
std::optional<Eliminacion> BuscarCometa(const Mascaras& c);
std::optional<Eliminacion> BuscarCadenaX(const Mascaras& c);
std::optional<Eliminacion> BuscarParesRemotos(const Mascaras& c);
std::optional<Eliminacion> BuscarAlaW(const Mascaras& c);
std::optional<Eliminacion> BuscarCadenaXY(const Mascaras& c);
std::optional<Eliminacion> BuscarCadenaAlterna(const Mascaras& c);
bool ConsecuenciasCadena(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);
// The only two places of a digit in a group.
struct Conjugado {
    int digito, a, b;
    Grupo grupo;
};
std::vector<Conjugado> Conjugados(const Mascaras& c);
// If a is not its digit, b is; if a is its digit, b is not.
bool EnlaceFuerte(const Mascaras& c, const Eslabon& a, const Eslabon& b);
bool EnlaceDebil(const Eslabon& a, const Eslabon& b);

// Coloreado.cpp: simple colouring.
std::optional<Eliminacion> BuscarColoreado(const Mascaras& c);
bool ConsecuenciasColoreado(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

// Unicidad.cpp: what one solution forbids: unique rectangles, BUG+1.
std::optional<Eliminacion> BuscarRectangulo(const Mascaras& c, TipoEliminacion tipo);
std::optional<Eliminacion> BuscarBug(const Mascaras& c);
bool ConsecuenciasRectangulo(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);
bool ConsecuenciasBug(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

// CasiBloqueados.cpp: ALS-XZ.
std::optional<Eliminacion> BuscarCasiBloqueados(const Mascaras& c);
bool ConsecuenciasCasiBloqueados(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

// Forzadas.cpp: a digit supposed that leads by singles to a contradiction.
std::optional<Eliminacion> BuscarCadenaForzada(const Mascaras& c, const std::atomic<bool>* parar);
bool ConsecuenciasForzada(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

// Multiples.cpp: every digit of a cell, or every place of a digit in a group,
// supposed in turn; what all of them rule out is ruled out.
std::optional<Eliminacion> BuscarCadenaDeCelda(const Mascaras& c, const std::atomic<bool>* parar);
std::optional<Eliminacion> BuscarCadenaDeGrupo(const Mascaras& c, const std::atomic<bool>* parar);
bool ConsecuenciasMultiple(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

// Anidadas.cpp: a digit supposed that leads to a contradiction by singles and by
// forcing chains under the supposition.
std::optional<Eliminacion> BuscarCadenaAnidada(const Mascaras& c, const std::atomic<bool>* parar);
// The first digit a nested chain rules out, without its proof: for the grade,
// which needs only what goes.
std::optional<Candidato> DescartarAnidada(const Mascaras& c, const std::atomic<bool>* parar);
bool ConsecuenciasAnidada(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados);

} // namespace tecnicas
