// SPDX-License-Identifier: GPL-3.0-or-later
// The wings. XY-Wing: a cell that is x or y sees a cell that is x or z and a cell
// that is y or z; whichever the first is, one of the other two is z, so a cell that
// sees both of them is not z. XYZ-Wing: the first cell may also be z itself, so only
// a cell that sees all three loses z.
#include "Tecnicas.h"

namespace tecnicas {

namespace {

// Every cell that sees the pincers (and the pivot, for XYZ) gives up the digit.
void QuitarDeLasQueVen(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    const int pivote = e.celdas[0], a = e.celdas[1], b = e.celdas[2];
    const bool conPivote = e.tipo == TipoEliminacion::AlaXYZ;
    for (int i = 0; i < 81; ++i)
        if (SeVen(i, a) && SeVen(i, b) && (!conPivote || SeVen(i, pivote))) Quitar(c, i, Bit(e.digito), quitados);
}

Eliminacion Ala(TipoEliminacion tipo, int pivote, int a, int b, uint16_t x, uint16_t y, uint16_t z)
{
    Eliminacion e;
    e.tipo = tipo;
    e.celdas = {static_cast<int8_t>(pivote), static_cast<int8_t>(a), static_cast<int8_t>(b)};
    e.digitos = {DigitoDeBit(x), DigitoDeBit(y), 0};
    e.digito = DigitoDeBit(z);
    return e;
}

} // namespace

std::optional<Eliminacion> BuscarAlaXY(const Mascaras& c)
{
    for (int p = 0; p < 81; ++p) {
        if (std::popcount(c[p]) != 2) continue;
        for (int8_t a : Vecinas()[p]) {
            const uint16_t x = c[a] & c[p];
            if (std::popcount(c[a]) != 2 || std::popcount(x) != 1) continue;
            const auto z = static_cast<uint16_t>(c[a] & ~x);
            const auto y = static_cast<uint16_t>(c[p] & ~x);
            if (x > y) continue;   // found the other way round, with its digits in order
            for (int8_t b : Vecinas()[p])
                if (b != a && c[b] == (y | z))
                    if (auto e = SiQuita(c, Ala(TipoEliminacion::AlaXY, p, a, b, x, y, z))) return e;
        }
    }
    return std::nullopt;
}

std::optional<Eliminacion> BuscarAlaXYZ(const Mascaras& c)
{
    for (int p = 0; p < 81; ++p) {
        if (std::popcount(c[p]) != 3) continue;
        for (int8_t a : Vecinas()[p]) {
            if (std::popcount(c[a]) != 2 || (c[a] & ~c[p])) continue;
            for (int8_t b : Vecinas()[p]) {
                if (std::popcount(c[b]) != 2 || (c[b] & ~c[p]) || c[b] == c[a]) continue;
                const uint16_t z = c[a] & c[b];
                const auto x = static_cast<uint16_t>(c[a] & ~z), y = static_cast<uint16_t>(c[b] & ~z);
                if (x > y) continue;
                if (auto e = SiQuita(c, Ala(TipoEliminacion::AlaXYZ, p, a, b, x, y, z))) return e;
            }
        }
    }
    return std::nullopt;
}

bool ConsecuenciasAla(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    const int pivote = e.celdas[0], a = e.celdas[1], b = e.celdas[2];
    for (int i : {pivote, a, b})
        if (i < 0 || i > 80 || c[i] == 0) return false;
    for (int d : {e.digitos[0], e.digitos[1], e.digito})
        if (d < 1 || d > 9) return false;
    const uint16_t x = Bit(e.digitos[0]), y = Bit(e.digitos[1]), z = Bit(e.digito);
    if (std::popcount(static_cast<unsigned>(x | y | z)) != 3 || !SeVen(pivote, a) || !SeVen(pivote, b)) return false;
    const auto dePivote = static_cast<uint16_t>(e.tipo == TipoEliminacion::AlaXYZ ? (x | y | z) : (x | y));
    if ((c[pivote] & ~dePivote) || (c[a] & ~(x | z)) || (c[b] & ~(y | z))) return false;
    QuitarDeLasQueVen(c, e, quitados);
    return true;
}

} // namespace tecnicas
