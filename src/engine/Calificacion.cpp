// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's techniques run to the end: every single placed as soon as it shows,
// and only when none is left the simplest elimination that takes something away.
// What a technique rules out stays ruled out whatever is taken away later, so the
// simplest technique is always tried first and the hardest one used is the one
// the puzzle needs. The rectangles and BUG+1 rule out only with one solution, so
// the solutions are counted first.
#include "Calificacion.h"
#include "Tecnicas.h"

using namespace tecnicas;

namespace {

struct Resolucion {
    bool terminado = false;
    bool imposible = false;
    int peor = -1;   // the hardest elimination used, as TipoEliminacion; -1 for none
};

bool Poner(Digitos& t, Mascaras& c, int i, int digito)
{
    if (!(c[i] & Bit(digito))) return false;
    t[i] = static_cast<int8_t>(digito);
    c[i] = 0;
    for (int8_t v : Vecinas()[i]) c[v] = static_cast<uint16_t>(c[v] & ~Bit(digito));
    return true;
}

// Places every single there is, again and again; false on a board that cannot be finished.
bool PonerSencillos(Digitos& t, Mascaras& c)
{
    for (bool cambio = true; cambio;) {
        cambio = false;
        for (int i = 0; i < 81; ++i) {
            if (t[i]) continue;
            if (c[i] == 0) return false;
            if (std::has_single_bit(c[i])) {
                if (!Poner(t, c, i, DigitoDeBit(c[i]))) return false;
                cambio = true;
            }
        }
        for (const auto& grupo : GruposDeCasillas()) {
            uint16_t una = 0, dos = 0, puestos = 0;
            for (int8_t i : grupo) {
                dos = static_cast<uint16_t>(dos | (una & c[i]));
                una = static_cast<uint16_t>(una | c[i]);
                if (t[i]) puestos = static_cast<uint16_t>(puestos | Bit(t[i]));
            }
            if ((una | puestos) != 0x1FF) return false;
            for (uint16_t solas = static_cast<uint16_t>(una & ~dos); solas; solas &= solas - 1) {
                const auto b = static_cast<uint16_t>(solas & -solas);
                for (int8_t i : grupo)
                    if (c[i] & b) {
                        if (!Poner(t, c, i, DigitoDeBit(b))) return false;
                        cambio = true;
                        break;
                    }
            }
        }
    }
    return true;
}

bool CumpleLasReglas(const Digitos& t)
{
    for (int i = 0; i < 81; ++i) {
        if (t[i] < 0 || t[i] > 9) return false;
        if (t[i])
            for (int8_t v : Vecinas()[i])
                if (t[v] == t[i]) return false;
    }
    return true;
}

Resolucion Resolver(const Digitos& dados, bool unica, int hasta = TiposDeEliminacion, const std::atomic<bool>* parar = nullptr)
{
    Resolucion r;
    Digitos t = dados;
    Mascaras c = MascarasDe(t);
    while (true) {
        if (!PonerSencillos(t, c)) {
            r.imposible = true;
            return r;
        }
        bool lleno = true;
        for (int8_t d : t) lleno = lleno && d;
        if (lleno) {
            r.terminado = true;
            return r;
        }
        // The nested chains last, and without the proof the hint would need.
        constexpr int Anidada = static_cast<int>(TipoEliminacion::CadenaAnidada);
        if (const std::optional<Eliminacion> e = BuscarEliminacion(c, unica, std::min(hasta, Anidada), parar)) {
            r.peor = std::max(r.peor, static_cast<int>(e->tipo));
            for (const Candidato& q : e->quitados) c[q.celda] = static_cast<uint16_t>(c[q.celda] & ~Bit(q.digito));
            continue;
        }
        const std::optional<Candidato> q = hasta > Anidada ? DescartarAnidada(c, parar) : std::nullopt;
        if (!q) return r;
        r.peor = Anidada;
        c[q->celda] = static_cast<uint16_t>(c[q->celda] & ~Bit(q->digito));
    }
}

} // namespace

Calificacion Calificar(const Digitos& dados, const std::atomic<bool>* parar)
{
    if (!CumpleLasReglas(dados)) return Calificacion::SinSolucion;
    const int soluciones = ContarSoluciones(dados, 2);
    if (soluciones == 0) return Calificacion::SinSolucion;
    // Reasoning rules out only what no solution has, so it never fills a board of
    // two: no need to try every rung in vain.
    if (soluciones == 2) return Calificacion::VariasSoluciones;
    const Resolucion r = Resolver(dados, soluciones == 1, TiposDeEliminacion, parar);
    if (r.imposible) return Calificacion::SinSolucion;
    if (r.terminado)
        return r.peor < 0 ? Calificacion::Sencillos : CalificacionDe(static_cast<TipoEliminacion>(r.peor));
    return Calificacion::Probando;   // one, or too long a search to tell: a guess either way
}

Calificacion CalificarUnica(const Digitos& dados, Calificacion techo)
{
    // The eliminations whose grade is at most techo come before it in their order.
    const Resolucion r = Resolver(dados, true, static_cast<int>(techo));
    if (r.imposible) return Calificacion::SinSolucion;
    if (!r.terminado) return Calificacion::Probando;
    return r.peor < 0 ? Calificacion::Sencillos : CalificacionDe(static_cast<TipoEliminacion>(r.peor));
}

Digitos DadosDe(const EstadoJuego& e)
{
    Digitos t{};
    for (int i = 0; i < 81; ++i)
        if (e.Originales[i]) t[i] = static_cast<int8_t>(e.Solucion[i / 9][i % 9]);
    return t;
}

bool SeResuelveRazonando(const Digitos& dados, bool unica)
{
    return CumpleLasReglas(dados) && Resolver(dados, unica).terminado;
}
