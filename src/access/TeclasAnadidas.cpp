// SPDX-License-Identifier: GPL-3.0-or-later
// The keys NOVARO adds to the designed key detector. They live here, apart from the
// designed dispatcher, and only act outside write mode, where a letter is never text.
#include "CodigosTecla.h"
#include "DetectorTeclas.h"

const DetectorTeclas::Anadida DetectorTeclas::TeclasAnadidas[] = {
    {VK_D, &DetectorTeclas::DecirPosicion},
    {VK_Q, &DetectorTeclas::DecirVacias},
    {VK_N, &DetectorTeclas::DecirCandidatos},
    {VK_S, &DetectorTeclas::IrASiguienteVacia},
    {VK_Z, &DetectorTeclas::DeshacerCambio},
    {VK_R, &DetectorTeclas::DecirFaltan},
    {VK_E, &DetectorTeclas::CambiarAvisoRepetido},
    {VK_U, &DetectorTeclas::CambiarSolucionUnica},
    {VK_H, &DetectorTeclas::DarPista},
    {VK_G, &DetectorTeclas::DecirDificultad},
    {VK_I, &DetectorTeclas::ImportarSudoku},
    {VK_X, &DetectorTeclas::CopiarTablero},
    {VK_L, &DetectorTeclas::CambiarModoNotas},
    {VK_M, &DetectorTeclas::LlenarNotasTablero},
    // The digits of the main row and of the keypad, in notes mode.
    {VK_0 + 1, &DetectorTeclas::Nota<1>}, {VK_NUMPAD0 + 1, &DetectorTeclas::Nota<1>},
    {VK_0 + 2, &DetectorTeclas::Nota<2>}, {VK_NUMPAD0 + 2, &DetectorTeclas::Nota<2>},
    {VK_0 + 3, &DetectorTeclas::Nota<3>}, {VK_NUMPAD0 + 3, &DetectorTeclas::Nota<3>},
    {VK_0 + 4, &DetectorTeclas::Nota<4>}, {VK_NUMPAD0 + 4, &DetectorTeclas::Nota<4>},
    {VK_0 + 5, &DetectorTeclas::Nota<5>}, {VK_NUMPAD0 + 5, &DetectorTeclas::Nota<5>},
    {VK_0 + 6, &DetectorTeclas::Nota<6>}, {VK_NUMPAD0 + 6, &DetectorTeclas::Nota<6>},
    {VK_0 + 7, &DetectorTeclas::Nota<7>}, {VK_NUMPAD0 + 7, &DetectorTeclas::Nota<7>},
    {VK_0 + 8, &DetectorTeclas::Nota<8>}, {VK_NUMPAD0 + 8, &DetectorTeclas::Nota<8>},
    {VK_0 + 9, &DetectorTeclas::Nota<9>}, {VK_NUMPAD0 + 9, &DetectorTeclas::Nota<9>},
};

void DetectorTeclas::TeclaAnadida(int codigo)
{
    if (e_.ModoEscritura) return;
    for (const Anadida& tecla : TeclasAnadidas) {
        if (tecla.codigo == codigo) {
            (this->*tecla.accion)();
            return;
        }
    }
}
