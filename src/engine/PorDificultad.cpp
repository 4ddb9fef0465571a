// SPDX-License-Identifier: GPL-3.0-or-later
#include "PorDificultad.h"
#include "Calificacion.h"
#include "Minimos.h"

namespace {

// Far more draws than any kind needs (the hardest takes a few dozen at most), so
// a source that never gives the kind still ends.
constexpr int IntentosMaximos = 2000;

} // namespace

SudokuHecho HacerSudoku(Dificultad dificultad, FuenteAzar& azar, const std::atomic<bool>* parar)
{
    SudokuHecho hecho;
    // Below the top kind a given that would lift the grade past the kind stays.
    // The top kind is carved to a minimal puzzle and graded once: past the wings a
    // grade costs too much to ask at every cell.
    const Calificacion techo = TechoDe(dificultad);
    std::function<bool(const Digitos&)> admite;
    if (dificultad != Dificultad::Maestro) admite = [techo](const Digitos& t) { return CalificarUnica(t, techo) <= techo; };
    for (int intento = 0; intento < IntentosMaximos; ++intento) {
        hecho.intentos = intento;
        hecho.solucion = SolucionAlAzar(azar);
        hecho.dados = Cavar(hecho.solucion, azar, admite);
        hecho.exacto = DificultadDe(CalificarUnica(hecho.dados, techo)) == dificultad;
        if (hecho.exacto) break;
        if (parar && parar->load(std::memory_order_relaxed)) break;
    }
    return hecho;
}
