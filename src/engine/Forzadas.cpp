// SPDX-License-Identifier: GPL-3.0-or-later
// Forcing chains: suppose a cell takes a digit and place, wave after wave, every
// single that follows (the only digit of a cell, the only place of a digit in a
// group) until a cell is left with no digit or a digit with no place in a group.
// Then the supposition was wrong. Of all the digits tried, the one whose
// contradiction comes in the fewest waves is kept, and of its chain only the links
// the contradiction needs.
#include "Suposicion.h"
#include <utility>

namespace tecnicas {

namespace {

// The three groups of a cell, as numbers of the 27, and its place in each.
std::array<int, 3> GruposDe(int i) { return {i / 9, 9 + i % 9, 18 + i / 27 * 3 + i % 9 / 3}; }
std::array<int, 3> PosicionEn(int i) { return {i % 9, i / 9, i / 9 % 3 * 3 + i % 3}; }
int NumeroDe(Grupo g) { return static_cast<int>(g.tipo) * 9 + g.numero; }

} // namespace

Supuesto::Supuesto(const Mascaras& base) : c(base)
{
    quien.fill(-1);
    for (int i = 0; i < 81; ++i) vacia[i] = base[i] != 0;
    for (int g = 0; g < 27; ++g)
        for (int8_t i : Celdas(GrupoNumero(g))) antes[static_cast<size_t>(g)] |= base[i];
}

void Supuesto::Quitar(int i, int digito, int causa)
{
    if (!(c[i] & Bit(digito))) return;
    c[i] = static_cast<uint16_t>(c[i] & ~Bit(digito));
    quien[static_cast<size_t>(i * 9 + digito - 1)] = static_cast<int16_t>(causa);
}

void Supuesto::Poner(const Eslabon& n)
{
    const int i = n.celdas[0], d = n.digito, causa = static_cast<int>(eslabones.size());
    eslabones.push_back(n);
    if (n.motivo == Motivo::PorCadena) {
        Quitar(i, d, causa);
        return;
    }
    puesta[i] = true;
    for (uint16_t m = static_cast<uint16_t>(c[i] & ~Bit(d)); m; m &= m - 1) Quitar(i, DigitoDeBit(static_cast<uint16_t>(m & -m)), causa);
    for (int8_t v : Vecinas()[i]) Quitar(v, d, causa);
}

Mascaras Supuesto::Vista() const
{
    Mascaras v = c;
    for (int i = 0; i < 81; ++i)
        if (puesta[i]) v[i] = 0;
    return v;
}

Eslabon Enlace(int celda, int digito, Motivo motivo, Grupo grupo)
{
    Eslabon n;
    n.celdas[0] = static_cast<int8_t>(celda);
    n.digito = static_cast<int8_t>(digito);
    n.motivo = motivo;
    n.grupo = grupo;
    return n;
}

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

std::vector<Eslabon> Sencillos(const Supuesto& s)
{
    std::vector<Eslabon> v;
    for (int i = 0; i < 81; ++i)
        if (!s.puesta[i] && UnoSolo(s.c[i])) v.push_back(Enlace(i, DigitoDeBit(s.c[i]), Motivo::SoloCabe));
    for (int g = 0; g < 27; ++g) {
        const Grupo grupo = GrupoNumero(g);
        uint16_t una = 0, dos = 0;
        for (int8_t i : Celdas(grupo)) {
            dos = static_cast<uint16_t>(dos | (una & s.c[i]));
            una = static_cast<uint16_t>(una | s.c[i]);
        }
        for (uint16_t solas = static_cast<uint16_t>(una & ~dos); solas; solas &= solas - 1) {
            const int d = DigitoDeBit(static_cast<uint16_t>(solas & -solas));
            for (int8_t i : Celdas(grupo))
                if (s.c[i] & Bit(d)) {
                    if (!s.puesta[i] && !UnoSolo(s.c[i])) v.push_back(Enlace(i, d, Motivo::SoloUnLugar, grupo));
                    break;
                }
        }
    }
    return v;
}

bool Sigue(const Supuesto& s, const Eslabon& x, bool ultimo)
{
    const int i = x.celdas[0];
    if (i < 0 || i > 80 || x.digito < 0 || x.digito > 9 || !EsGrupo(x.grupo)) return false;
    switch (x.motivo) {
    case Motivo::SoloCabe: return !s.puesta[i] && x.digito >= 1 && s.c[i] == Bit(x.digito);
    case Motivo::SoloUnLugar:
        return !s.puesta[i] && x.digito >= 1 && Contiene(x.grupo, i) && s.Lugares(x.grupo, x.digito) == 1
            && (s.c[i] & Bit(x.digito));
    case Motivo::SinDigito: return ultimo && s.vacia[i] && !s.puesta[i] && s.c[i] == 0;
    case Motivo::SinLugar:
        return ultimo && x.digito >= 1 && s.Lugares(x.grupo, x.digito) == 0
            && (s.antes[static_cast<size_t>(NumeroDe(x.grupo))] & Bit(x.digito));
    case Motivo::Supuesto:
    case Motivo::PorCadena: break;
    }
    return false;
}

std::optional<std::vector<Eslabon>> Probar(const Mascaras& base, Candidato supuesto, int ondasMaximas, int& ondas,
                                           std::optional<Candidato> objetivo)
{
    Supuesto s(base);
    s.Poner(Enlace(supuesto.celda, supuesto.digito, Motivo::Supuesto));
    auto quitado = [&] { return objetivo && !(s.c[objetivo->celda] & Bit(objetivo->digito)); };
    std::optional<Eslabon> fin;
    for (ondas = 1; ondas <= ondasMaximas; ++ondas) {
        if (quitado() || (fin = Contradiccion(s))) break;
        const std::vector<Eslabon> nuevos = Sencillos(s);
        if (nuevos.empty()) return std::nullopt;
        for (const Eslabon& n : nuevos)
            if (!s.puesta[n.celdas[0]] && (s.c[n.celdas[0]] & Bit(n.digito))) s.Poner(n);
    }
    if (!fin && !quitado()) return std::nullopt;
    // Back from the end, the links that took away what it rests on.
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
    if (fin) Apoyos(base, *fin, marcar);
    else marcar(objetivo->celda, objetivo->digito);
    while (!pendientes.empty()) {
        const int k = pendientes.back();
        pendientes.pop_back();
        Apoyos(base, s.eslabones[static_cast<size_t>(k)], marcar);
    }
    std::vector<Eslabon> cadena;
    for (size_t k = 0; k < s.eslabones.size(); ++k)
        if (usado[k]) cadena.push_back(s.eslabones[k]);
    if (fin) cadena.push_back(*fin);
    return cadena;
}

Propagacion::Propagacion(const Mascaras& base) : c_(base)
{
    for (int g = 0; g < 27; ++g) {
        const auto& celdas = GruposDeCasillas()[static_cast<size_t>(g)];
        for (int k = 0; k < 9; ++k)
            for (uint16_t m = base[celdas[static_cast<size_t>(k)]]; m; m &= m - 1)
                lugares_[static_cast<size_t>(g)][static_cast<size_t>(std::countr_zero(m))] |= static_cast<uint16_t>(1u << k);
        for (int d = 0; d < 9; ++d)
            if (lugares_[static_cast<size_t>(g)][static_cast<size_t>(d)]) falta_[static_cast<size_t>(g)] |= static_cast<uint16_t>(1u << d);
    }
}

bool Propagacion::Poner(int celda, int digito) { return Anotar(celda, digito) && Vaciar(); }

bool Propagacion::Quitar(int celda, int digito) { return Sacar(celda, digito) && Vaciar(); }

bool Propagacion::Anotar(int i, int d)
{
    if (puesta_[static_cast<size_t>(i)]) return c_[i] == Bit(d);
    int8_t& pendiente = pendiente_[static_cast<size_t>(i)];
    if (pendiente) return pendiente == d;
    pendiente = static_cast<int8_t>(d);
    cola_[static_cast<size_t>(enCola_++)] = static_cast<int8_t>(i);
    return true;
}

// The digit just left the cell: in its groups it may have one place left, or none.
bool Propagacion::Revisar(int i, int d)
{
    const uint16_t b = Bit(d);
    for (int k = 0; k < 3; ++k) {
        const int g = GruposDe(i)[static_cast<size_t>(k)];
        uint16_t& lugares = lugares_[static_cast<size_t>(g)][static_cast<size_t>(d - 1)];
        lugares = static_cast<uint16_t>(lugares & ~(1u << PosicionEn(i)[static_cast<size_t>(k)]));
        if (!(falta_[static_cast<size_t>(g)] & b)) continue;
        if (lugares == 0) return false;
        if (UnoSolo(lugares) && !Anotar(GruposDeCasillas()[static_cast<size_t>(g)][static_cast<size_t>(std::countr_zero(lugares))], d))
            return false;
    }
    return true;
}

bool Propagacion::Sacar(int i, int d)
{
    const uint16_t b = Bit(d);
    if (!(c_[i] & b)) return true;
    c_[i] = static_cast<uint16_t>(c_[i] & ~b);
    if (c_[i] == 0) return false;
    if (!puesta_[static_cast<size_t>(i)] && UnoSolo(c_[i]) && !Anotar(i, DigitoDeBit(c_[i]))) return false;
    return Revisar(i, d);
}

bool Propagacion::Vaciar()
{
    while (enCola_ > 0) {
        const int i = cola_[static_cast<size_t>(--enCola_)];
        const int d = std::exchange(pendiente_[static_cast<size_t>(i)], int8_t{0});
        const uint16_t b = Bit(d);
        if (!(c_[i] & b)) return false;
        puesta_[static_cast<size_t>(i)] = true;
        for (int g : GruposDe(i)) falta_[static_cast<size_t>(g)] = static_cast<uint16_t>(falta_[static_cast<size_t>(g)] & ~b);
        const auto otros = static_cast<uint16_t>(c_[i] & ~b);
        c_[i] = b;
        for (uint16_t m = otros; m; m &= m - 1)
            if (!Revisar(i, DigitoDeBit(static_cast<uint16_t>(m & -m)))) return false;
        for (int8_t v : Vecinas()[i])
            if (!Sacar(v, d)) return false;
    }
    return true;
}

std::optional<Eliminacion> BuscarCadenaForzada(const Mascaras& c, const std::atomic<bool>* parar)
{
    std::optional<Eliminacion> mejor;
    int menos = OndasMaximas;
    const Propagacion desde(c);
    for (int i = 0; i < 81; ++i)
        for (uint16_t m = c[i]; m; m &= m - 1) {
            const int d = DigitoDeBit(static_cast<uint16_t>(m & -m));
            if (Parar(parar)) return std::nullopt;
            // Most digits lead nowhere: the fast search says which to follow link by link.
            const Candidato x{static_cast<int8_t>(i), static_cast<int8_t>(d)};
            if (!Contradice(desde, x)) continue;
            int ondas = 0;
            std::optional<std::vector<Eslabon>> cadena = Probar(c, x, menos, ondas);
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
    const Eslabon& x = n.front();
    if (x.celdas[0] < 0 || x.celdas[0] > 80 || x.digito != e.digito || x.digito < 1 || x.digito > 9 || !(c[x.celdas[0]] & Bit(x.digito)))
        return false;
    Supuesto s(c);
    s.Poner(x);
    for (size_t k = 1; k < n.size(); ++k) {
        const bool ultimo = k + 1 == n.size();
        if (!Sigue(s, n[k], ultimo)) return false;
        if (!ultimo) s.Poner(n[k]);
    }
    if (!EsFinal(n.back())) return false;
    tecnicas::Quitar(c, x.celdas[0], Bit(e.digito), quitados);
    return true;
}

} // namespace tecnicas
