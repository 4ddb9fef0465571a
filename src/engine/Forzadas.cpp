// SPDX-License-Identifier: GPL-3.0-or-later
// Forcing chains: suppose a cell takes a digit and place, wave after wave, every
// single that follows (the only digit of a cell, the only place of a digit in a
// group) until a cell is left with no digit or a digit with no place in a group.
// Then the supposition was wrong. Of all the digits tried, the one whose
// contradiction comes in the fewest waves is kept, and of its chain only the links
// the contradiction needs.
#include "Tecnicas.h"

namespace tecnicas {

namespace {

// The board under the supposition. A placed cell keeps only its digit.
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

    explicit Supuesto(const Mascaras& base) : c(base)
    {
        quien.fill(-1);
        for (int i = 0; i < 81; ++i) vacia[i] = base[i] != 0;
        for (int g = 0; g < 27; ++g)
            for (int8_t i : Celdas(GrupoNumero(g))) antes[static_cast<size_t>(g)] |= base[i];
    }

    void Quitar(int i, int digito, int causa)
    {
        if (!(c[i] & Bit(digito))) return;
        c[i] = static_cast<uint16_t>(c[i] & ~Bit(digito));
        quien[static_cast<size_t>(i * 9 + digito - 1)] = static_cast<int16_t>(causa);
    }

    void Poner(const Eslabon& n)
    {
        const int i = n.celdas[0], d = n.digito, causa = static_cast<int>(eslabones.size());
        eslabones.push_back(n);
        puesta[i] = true;
        for (uint16_t m = static_cast<uint16_t>(c[i] & ~Bit(d)); m; m &= m - 1) Quitar(i, DigitoDeBit(static_cast<uint16_t>(m & -m)), causa);
        for (int8_t v : Vecinas()[i]) Quitar(v, d, causa);
    }

    int Lugares(Grupo g, int digito) const { return std::popcount(tecnicas::Lugares(c, g, digito)); }
};

Eslabon Enlace(int celda, int digito, Motivo motivo, Grupo grupo = {})
{
    Eslabon n;
    n.celdas[0] = static_cast<int8_t>(celda);
    n.digito = static_cast<int8_t>(digito);
    n.motivo = motivo;
    n.grupo = grupo;
    return n;
}

// The first contradiction on the board as it stands, if any.
std::optional<Eslabon> Contradiccion(const Supuesto& s)
{
    for (int i = 0; i < 81; ++i)
        if (s.vacia[i] && !s.puesta[i] && s.c[i] == 0) return Enlace(i, 0, Motivo::SinDigito);
    for (int g = 0; g < 27; ++g) {
        const Grupo grupo = GrupoNumero(g);
        uint16_t hay = 0;
        for (int8_t i : Celdas(grupo)) hay = static_cast<uint16_t>(hay | s.c[i]);
        if (const auto falta = static_cast<uint16_t>(s.antes[static_cast<size_t>(g)] & ~hay))
            return Enlace(Celdas(grupo)[0], DigitoDeBit(static_cast<uint16_t>(falta & -falta)), Motivo::SinLugar, grupo);
    }
    return std::nullopt;
}

// The singles the board shows now, in reading order, cells first.
std::vector<Eslabon> Sencillos(const Supuesto& s)
{
    std::vector<Eslabon> v;
    for (int i = 0; i < 81; ++i)
        if (!s.puesta[i] && std::has_single_bit(s.c[i])) v.push_back(Enlace(i, DigitoDeBit(s.c[i]), Motivo::SoloCabe));
    for (int g = 0; g < 27; ++g) {
        const Grupo grupo = GrupoNumero(g);
        for (int d = 1; d <= 9; ++d) {
            const uint16_t m = tecnicas::Lugares(s.c, grupo, d);
            if (!std::has_single_bit(m)) continue;
            const int i = Celdas(grupo)[static_cast<size_t>(std::countr_zero(m))];
            if (!s.puesta[i] && !std::has_single_bit(s.c[i])) v.push_back(Enlace(i, d, Motivo::SoloUnLugar, grupo));
        }
    }
    return v;
}

// The candidates whose loss the link rests on, of the board before the supposition.
template <typename Usar>
void Apoyos(const Mascaras& base, const Eslabon& n, Usar usar)
{
    const int i = n.celdas[0];
    switch (n.motivo) {
    case Motivo::Supuesto: return;
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

// Runs the supposition until a contradiction or no more singles, or past the waves
// allowed; the links the contradiction needs, in order, ending with it.
std::optional<std::vector<Eslabon>> Probar(const Mascaras& base, int celda, int digito, int ondasMaximas, int& ondas)
{
    Supuesto s(base);
    s.Poner(Enlace(celda, digito, Motivo::Supuesto));
    std::optional<Eslabon> fin;
    for (ondas = 1; ondas <= ondasMaximas; ++ondas) {
        if ((fin = Contradiccion(s))) break;
        const std::vector<Eslabon> nuevos = Sencillos(s);
        if (nuevos.empty()) return std::nullopt;
        for (const Eslabon& n : nuevos)
            if (!s.puesta[n.celdas[0]] && (s.c[n.celdas[0]] & Bit(n.digito))) s.Poner(n);
    }
    if (!fin) return std::nullopt;
    // Back from the contradiction, the links that took away what it rests on.
    std::vector<bool> usado(s.eslabones.size(), false);
    usado[0] = true;
    std::vector<int> pendientes;
    auto marcar = [&](int i, int d) {
        const int k = s.quien[static_cast<size_t>(i * 9 + d - 1)];
        if (k >= 0 && !usado[static_cast<size_t>(k)]) {
            usado[static_cast<size_t>(k)] = true;
            pendientes.push_back(k);
        }
    };
    Apoyos(base, *fin, marcar);
    while (!pendientes.empty()) {
        const int k = pendientes.back();
        pendientes.pop_back();
        Apoyos(base, s.eslabones[static_cast<size_t>(k)], marcar);
    }
    std::vector<Eslabon> cadena;
    for (size_t k = 0; k < s.eslabones.size(); ++k)
        if (usado[k]) cadena.push_back(s.eslabones[k]);
    cadena.push_back(*fin);
    return cadena;
}

} // namespace

std::optional<Eliminacion> BuscarCadenaForzada(const Mascaras& c)
{
    // Enough for any board: each wave places at least one of at most 81 cells.
    constexpr int OndasMaximas = 81;
    std::optional<Eliminacion> mejor;
    int menos = OndasMaximas;
    for (int i = 0; i < 81; ++i)
        for (uint16_t m = c[i]; m; m &= m - 1) {
            const int d = DigitoDeBit(static_cast<uint16_t>(m & -m));
            int ondas = 0;
            std::optional<std::vector<Eslabon>> cadena = Probar(c, i, d, menos, ondas);
            if (!cadena) continue;
            if (mejor && ondas == menos && cadena->size() >= mejor->cadena.size()) continue;
            Eliminacion e;
            e.tipo = TipoEliminacion::CadenaForzada;
            e.digito = static_cast<int8_t>(d);
            e.cadena = std::move(*cadena);
            if (auto hallada = SiQuita(c, std::move(e))) {
                mejor = std::move(hallada);
                menos = ondas;
            }
        }
    return mejor;
}

// Replayed link by link: each still follows from the supposition and the links before.
bool ConsecuenciasForzada(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    const auto& n = e.cadena;
    if (n.size() < 2 || n.front().motivo != Motivo::Supuesto) return false;
    Supuesto s(c);
    for (size_t k = 0; k < n.size(); ++k) {
        const Eslabon& x = n[k];
        const int i = x.celdas[0];
        if (i < 0 || i > 80 || x.digito < 0 || x.digito > 9 || !EsGrupo(x.grupo)) return false;
        const bool ultimo = k + 1 == n.size();
        switch (x.motivo) {
        case Motivo::Supuesto:
            if (k != 0 || x.digito != e.digito || !(c[i] & Bit(x.digito))) return false;
            break;
        case Motivo::SoloCabe:
            if (ultimo || s.puesta[i] || x.digito < 1 || s.c[i] != Bit(x.digito)) return false;
            break;
        case Motivo::SoloUnLugar:
            if (ultimo || s.puesta[i] || x.digito < 1 || !Contiene(x.grupo, i) || s.Lugares(x.grupo, x.digito) != 1
                || !(s.c[i] & Bit(x.digito)))
                return false;
            break;
        case Motivo::SinDigito:
            if (!ultimo || !s.vacia[i] || s.puesta[i] || s.c[i] != 0) return false;
            break;
        case Motivo::SinLugar:
            if (!ultimo || x.digito < 1 || s.Lugares(x.grupo, x.digito) != 0 || !Lugares(c, x.grupo, x.digito)) return false;
            break;
        }
        if (!ultimo) s.Poner(x);
    }
    if (n.back().motivo != Motivo::SinDigito && n.back().motivo != Motivo::SinLugar) return false;
    tecnicas::Quitar(c, n.front().celdas[0], Bit(e.digito), quitados);
    return true;
}

} // namespace tecnicas
