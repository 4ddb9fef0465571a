// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside the engine: a digit supposed and the singles that follow it, shared by
// every kind of forcing chain. Supuesto keeps why each candidate went, for the
// words; Propagacion keeps nothing but the board, for the search.
#include "Tecnicas.h"

namespace tecnicas {

// The board under a supposition. A placed cell keeps only its digit.
struct Supuesto {
    Mascaras c;
    std::array<bool, 81> puesta{};
    // Which link took each candidate away, by cell * 9 + digit - 1; -1 for none.
    std::array<int16_t, 729> quien;
    std::vector<Eslabon> eslabones;
    // The digits each group still had to place before the supposition, and the
    // cells still empty then.
    std::array<uint16_t, 27> antes{};
    std::array<bool, 81> vacia{};

    explicit Supuesto(const Mascaras& base);
    void Quitar(int i, int digito, int causa);
    // Adds the link and places its digit; a PorCadena link only takes its digit away.
    void Poner(const Eslabon& n);
    int Lugares(Grupo g, int digito) const { return std::popcount(tecnicas::Lugares(c, g, digito)); }
    // The board as a board of its own: placed cells filled, so empty of candidates.
    Mascaras Vista() const;
};

Eslabon Enlace(int celda, int digito, Motivo motivo, Grupo grupo = {});

// Whether the link follows from the supposition and the links before it: a single,
// or as the last a cell or group left empty.
bool Sigue(const Supuesto& s, const Eslabon& x, bool ultimo);
// A cell or group left empty: the end of a supposition that cannot hold.
inline bool EsFinal(const Eslabon& x) { return x.motivo == Motivo::SinDigito || x.motivo == Motivo::SinLugar; }

// The first contradiction on the board as it stands, if any.
std::optional<Eslabon> Contradiccion(const Supuesto& s);
// The singles the board shows now, in reading order, cells first.
std::vector<Eslabon> Sencillos(const Supuesto& s);

// The candidates whose loss the link rests on, of the board before the supposition.
template <typename Usar>
void Apoyos(const Mascaras& base, const Eslabon& n, Usar usar)
{
    const int i = n.celdas[0];
    switch (n.motivo) {
    case Motivo::Supuesto:
    case Motivo::PorCadena: return;
    case Motivo::SoloCabe:
    case Motivo::SinDigito:
        for (uint16_t m = static_cast<uint16_t>(base[i] & ~(n.motivo == Motivo::SoloCabe ? Bit(n.digito) : 0)); m; m &= m - 1)
            usar(i, DigitoDeBit(static_cast<uint16_t>(m & -m)));
        return;
    case Motivo::SoloUnLugar:
    case Motivo::SinLugar:
        for (int8_t j : Celdas(n.grupo))
            if (j != i || n.motivo == Motivo::SinLugar)
                if (base[j] & Bit(n.digito)) usar(j, n.digito);
        return;
    }
}

// Enough waves for any board: each places at least one of at most 81 cells.
inline constexpr int OndasMaximas = 81;

// Runs the supposition wave after wave until a contradiction or no more singles.
// The links the contradiction needs, in order and ending with it; or, given an
// objetivo, those that take it away, ending with the one that does, should that
// come first. None when neither comes within ondasMaximas waves (ondas tells how
// many it took).
std::optional<std::vector<Eslabon>> Probar(const Mascaras& base, Candidato supuesto, int ondasMaximas, int& ondas,
                                           std::optional<Candidato> objetivo = std::nullopt);

// The same as fast as it goes, keeping no record: a supposition placed and every
// single after it, in any order (the end is the same).
class Propagacion {
public:
    explicit Propagacion(const Mascaras& base);
    // false on a contradiction: a cell with no digit left, a digit with no place in a group.
    bool Poner(int celda, int digito);
    bool Quitar(int celda, int digito);
    // The candidates left; a placed cell keeps only its digit.
    const Mascaras& Candidatos() const { return c_; }
    bool Puesta(int celda) const { return puesta_[static_cast<size_t>(celda)]; }

private:
    bool Vaciar();
    bool Sacar(int celda, int digito);
    bool Revisar(int celda, int digito);
    bool Anotar(int celda, int digito);

    Mascaras c_;
    std::array<bool, 81> puesta_{};
    std::array<uint16_t, 27> falta_{};   // digits each group has yet to place
    // The places of each digit in each group, bit k for the group's k-th cell.
    std::array<std::array<uint16_t, 9>, 27> lugares_{};
    // The singles found and not yet placed: at most one a cell, or there is no way on.
    std::array<int8_t, 81> pendiente_{};
    std::array<int8_t, 81> cola_{};
    int enCola_ = 0;
};

// Whether the candidate supposed on that board leads by singles to a contradiction.
inline bool Contradice(const Propagacion& desde, Candidato x)
{
    Propagacion p = desde;
    return !p.Poner(x.celda, x.digito);
}

} // namespace tecnicas
