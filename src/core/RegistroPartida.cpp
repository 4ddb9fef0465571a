// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegistroPartida.h"
#include "Notas.h"

RegistroPartida RegistroDe(const EstadoJuego& estado, const Casillas& casillas)
{
    RegistroPartida registro;
    registro.SonidoActivo = estado.SonidoActivo;
    for (int16_t i = 0; i < 81; ++i) {
        registro.Solucion[i] = estado.Solucion[i / 9][i % 9];
        registro.Originales[i] = estado.Originales[i];
        registro.Provisionales[i] = estado.Provisionales[i];
        registro.Textos[i] = casillas.Texto(i);
        registro.Notas[i] = estado.Notas[i];
    }
    return registro;
}

void AplicarRegistro(const RegistroPartida& registro, EstadoJuego& estado, Casillas& casillas)
{
    estado.SonidoActivo = registro.SonidoActivo;
    estado.Cambios.Olvidar();   // nothing of the game left behind can be taken back into this one
    for (int16_t i = 0; i < 81; ++i) {
        estado.Solucion[i / 9][i % 9] = registro.Solucion[i];
        estado.Originales[i] = registro.Originales[i];
        estado.Provisionales[i] = registro.Provisionales[i];
        casillas.PonerTexto(i, registro.Textos[i]);
    }
    // A note on a given or a filled cell is a hand-made slot's: it is not the player's.
    for (int16_t i = 0; i < 81; ++i)
        PonerNotas(estado, casillas, i, AdmiteNotas(estado, casillas, i) ? registro.Notas[i] & TodasLasNotas : 0);
}
