// SPDX-License-Identifier: GPL-3.0-or-later
// Exact count by search: candidates as bit masks, every forced digit placed before
// guessing (a cell with one candidate, a digit with one place in a group), and the
// guess made on the cell with the fewest candidates.
#include "Contador.h"
#include <bit>

namespace {

constexpr uint16_t TodosLosDigitos = 0x1FF;   // bit d-1 for digit d
// About a fifth of a second of search: far beyond any board dealt here.
constexpr int64_t NodosMaximos = 200000;

uint16_t Bit(int digito) { return static_cast<uint16_t>(1u << (digito - 1)); }

struct Tablas {
    std::array<std::array<int8_t, 20>, 81> vecinas{};
    std::array<std::array<int8_t, 9>, 27> grupos{};
    Tablas()
    {
        for (int k = 0; k < 9; ++k)
            for (int j = 0; j < 9; ++j) {
                grupos[k][j] = static_cast<int8_t>(k * 9 + j);
                grupos[9 + k][j] = static_cast<int8_t>(j * 9 + k);
                grupos[18 + k][j] = static_cast<int8_t>((k / 3 * 3 + j / 3) * 9 + k % 3 * 3 + j % 3);
            }
        for (int i = 0; i < 81; ++i) {
            int n = 0;
            for (int p = 0; p < 81; ++p) {
                const bool misma = p / 9 == i / 9 || p % 9 == i % 9 || (p / 27 == i / 27 && p % 9 / 3 == i % 9 / 3);
                if (p != i && misma) vecinas[i][n++] = static_cast<int8_t>(p);
            }
        }
    }
};

const Tablas& LasTablas()
{
    static const Tablas t;
    return t;
}

struct Posicion {
    std::array<uint16_t, 81> candidatos{};   // 0 once the cell holds a digit
    std::array<int8_t, 81> valor{};
    int vacias = 81;
};

class Busqueda {
public:
    Busqueda(int tope, Digitos* halladas) : tope_(tope), halladas_(halladas) {}

    // Places every digit the position forces; false when it cannot hold.
    bool Propagar(Posicion& p) const
    {
        const Tablas& t = LasTablas();
        for (bool cambio = true; cambio;) {
            cambio = false;
            for (int i = 0; i < 81; ++i) {
                if (p.valor[i]) continue;
                if (p.candidatos[i] == 0) return false;
                if (std::has_single_bit(p.candidatos[i])) {
                    if (!Poner(p, i, std::countr_zero(p.candidatos[i]) + 1)) return false;
                    cambio = true;
                }
            }
            for (const auto& grupo : t.grupos) {
                uint16_t una = 0, dos = 0, puestos = 0;
                for (int8_t i : grupo) {
                    const uint16_t m = p.candidatos[i];
                    dos |= una & m;
                    una |= m;
                    if (p.valor[i]) puestos |= Bit(p.valor[i]);
                }
                if ((una | puestos) != TodosLosDigitos) return false;
                uint16_t solas = una & ~dos;
                while (solas) {
                    const uint16_t b = solas & -solas;
                    solas &= solas - 1;
                    for (int8_t i : grupo)
                        if (p.candidatos[i] & b) {
                            if (!Poner(p, i, std::countr_zero(b) + 1)) return false;
                            cambio = true;
                            break;
                        }
                }
            }
        }
        return true;
    }

    static bool Poner(Posicion& p, int i, int digito)
    {
        if (!(p.candidatos[i] & Bit(digito))) return false;   // an earlier placement took it
        p.valor[i] = static_cast<int8_t>(digito);
        p.candidatos[i] = 0;
        --p.vacias;
        const uint16_t b = Bit(digito);
        for (int8_t v : LasTablas().vecinas[i]) {
            if (p.valor[v]) {
                if (p.valor[v] == digito) return false;
            } else if (p.candidatos[v] & b) {
                p.candidatos[v] = static_cast<uint16_t>(p.candidatos[v] & ~b);
                if (p.candidatos[v] == 0) return false;
            }
        }
        return true;
    }

    // true: stop searching (enough solutions, or too long).
    bool Buscar(Posicion p)
    {
        if (++nodos_ > NodosMaximos) {
            desbordada_ = true;
            return true;
        }
        if (!Propagar(p)) return false;
        if (p.vacias == 0) {
            if (halladas_) halladas_[halladas] = p.valor;
            return ++halladas >= tope_;
        }
        int mejor = -1, menos = 10;
        for (int i = 0; i < 81 && menos > 2; ++i)
            if (!p.valor[i]) {
                const int n = std::popcount(p.candidatos[i]);
                if (n < menos) {
                    menos = n;
                    mejor = i;
                }
            }
        for (uint16_t m = p.candidatos[mejor]; m; m &= m - 1) {
            Posicion hija = p;
            if (Poner(hija, mejor, std::countr_zero(m) + 1) && Buscar(hija)) return true;
        }
        return false;
    }

    int halladas = 0;
    bool Desbordada() const { return desbordada_; }

private:
    int tope_;
    Digitos* halladas_;
    int64_t nodos_ = 0;
    bool desbordada_ = false;
};

} // namespace

const std::array<std::array<int8_t, 20>, 81>& Vecinas() { return LasTablas().vecinas; }
const std::array<std::array<int8_t, 9>, 27>& GruposDeCasillas() { return LasTablas().grupos; }

int ContarSoluciones(const Digitos& tablero, int tope, Digitos* halladas, Prohibido sin)
{
    if (tope < 1) return 0;
    Posicion p;
    p.candidatos.fill(TodosLosDigitos);
    if (sin.celda >= 0 && sin.celda < 81 && sin.digito >= 1 && sin.digito <= 9)
        p.candidatos[sin.celda] = static_cast<uint16_t>(p.candidatos[sin.celda] & ~Bit(sin.digito));
    for (int i = 0; i < 81; ++i) {
        const int d = tablero[i];
        if (d >= 1 && d <= 9 && !Busqueda::Poner(p, i, d)) return 0;
    }
    Busqueda b(tope, halladas);
    b.Buscar(p);
    if (b.Desbordada()) return SolucionesDesconocidas;
    return b.halladas;
}
