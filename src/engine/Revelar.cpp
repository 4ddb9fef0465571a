// SPDX-License-Identifier: GPL-3.0-or-later
#include "Revelar.h"
#include "Notas.h"

void VerSolucion(EstadoJuego& e, Casillas& casillas)
{
    e.Provisionales.fill(false);
    e.AvisoOriginal = false;
    e.Cambios.Olvidar();
    OlvidarNotas(e, casillas);   // a solved cell has nothing left to note
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 9; ++r)
            casillas.PonerTexto(static_cast<int16_t>(r * 9 + c),
                                std::string(1, static_cast<char>('0' + e.Solucion[r][c])));
}
