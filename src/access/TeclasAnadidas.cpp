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
