// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pista.h"
#include "Consultas.h"
#include <algorithm>
#include <bit>

namespace {

// When the player last wrote a different text into each cell: the position of that
// change in the history, -1 for a cell the history does not know (a loaded game).
std::array<int, 81> Escritas(const EstadoJuego& e, const Casillas& casillas)
{
    std::array<int, 81> cuando;
    cuando.fill(-1);
    std::array<std::string, 81> despues;
    for (int16_t i = 0; i < 81; ++i) despues[i] = casillas.Texto(i);
    const auto& lista = e.Cambios.Lista();
    for (int k = static_cast<int>(lista.size()) - 1; k >= 0; --k) {
        const Cambio& c = lista[static_cast<size_t>(k)];
        if (cuando[c.indice] >= 0) continue;
        if (c.texto != despues[c.indice]) cuando[c.indice] = k;   // a switch of the mark alone is no writing
        despues[c.indice] = c.texto;
    }
    return cuando;
}

bool Resoluble(const Digitos& t) { return ContarSoluciones(t, 1) > 0; }

// The newest of the player's digits whose removal lets the board be solved; failing
// one alone, the oldest that has to go with all the newer ones.
Pista SinSolucion(const EstadoJuego& e, const Casillas& casillas, const Digitos& t)
{
    const std::array<int, 81> cuando = Escritas(e, casillas);
    std::vector<int16_t> jugadas;
    for (int16_t i = 0; i < 81; ++i)
        if (!e.Originales[i] && t[i]) jugadas.push_back(i);
    std::stable_sort(jugadas.begin(), jugadas.end(), [&](int16_t a, int16_t b) {
        return cuando[a] != cuando[b] ? cuando[a] > cuando[b] : a > b;
    });

    Pista p;
    p.tipo = TipoPista::SinSolucion;
    for (int16_t i : jugadas) {
        Digitos sin = t;
        sin[i] = 0;
        if (Resoluble(sin)) {
            p.celda = i;
            p.digito = t[i];
            return p;
        }
    }
    Digitos sin = t;
    for (int16_t i : jugadas) {
        sin[i] = 0;
        if (Resoluble(sin)) {
            p.celda = i;
            p.digito = t[i];
            p.yDespues = true;
            return p;
        }
    }
    return p;
}

// The empty cell with the fewest candidates, the first from desde in reading order.
int16_t MenosCandidatos(const Mascaras& c, const Digitos& t, int16_t desde)
{
    int16_t mejor = -1;
    int menos = 10;
    for (int k = 0; k < 81; ++k) {
        const auto i = static_cast<int16_t>((desde + k) % 81);
        if (t[i]) continue;
        const int n = std::popcount(c[i]);
        if (n < menos) {
            menos = n;
            mejor = i;
        }
    }
    return mejor;
}

} // namespace

int16_t Pista::Destino() const
{
    switch (tipo) {
    case TipoPista::Paso:
    case TipoPista::Probando: return paso.celda;
    case TipoPista::SinSolucion:
    case TipoPista::VariasSoluciones: return celda;
    case TipoPista::Terminado: return -1;
    }
    return -1;
}

Digitos DigitosDe(const Casillas& casillas)
{
    Digitos t;
    for (int16_t i = 0; i < 81; ++i) t[i] = static_cast<int8_t>(DigitoDe(casillas.Texto(i)));
    return t;
}

Pista CalcularPista(const EstadoJuego& e, const Casillas& casillas, const std::atomic<bool>* parar)
{
    const Digitos t = DigitosDe(casillas);
    Digitos halladas[2];
    const int soluciones = ContarSoluciones(t, 2, halladas);
    if (soluciones == 0) return SinSolucion(e, casillas, t);

    Pista p;
    if (std::find(t.begin(), t.end(), 0) == t.end()) return p;   // full, and it keeps the rules

    const int16_t desde = e.CasillaActual;
    if (std::optional<Paso> paso = SiguientePaso(t, desde, soluciones == 1, parar)) {
        p.tipo = TipoPista::Paso;
        p.paso = std::move(*paso);
        return p;
    }
    const Mascaras c = MascarasDe(t);
    const int16_t celda = MenosCandidatos(c, t, desde);
    if (soluciones == 1) {
        // The only solution is the one found: any other digit there leaves none.
        p.tipo = TipoPista::Probando;
        p.paso.celda = celda;
        p.paso.digito = halladas[0][celda];
        for (uint16_t m = c[celda]; m; m &= m - 1)
            if (std::countr_zero(m) + 1 != p.paso.digito)
                p.otros.push_back(static_cast<int16_t>(std::countr_zero(m) + 1));
        return p;
    }
    p.tipo = TipoPista::VariasSoluciones;
    p.celda = celda;
    p.caben = static_cast<int16_t>(std::popcount(c[celda]));
    return p;
}
