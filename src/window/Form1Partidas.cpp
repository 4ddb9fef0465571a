// SPDX-License-Identifier: GPL-3.0-or-later
// The nine save slots, in the folder the game keeps them in.
#include "Form1.h"
#include "Ranuras.h"
#include <QPushButton>

void Form1::GuardarPartida(int16_t n)
{
    const ResultadoGuardar r = GuardarRanura(RutaRanura(lugares_.partidas, n), RegistroDe(Estado, *this));
    Atender(juego_.Guardada(n, r.ok, r.motivo.toStdString()));
}

void Form1::CargarPartida(int16_t n)
{
    const ResultadoCargar r = CargarRanura(RutaRanura(lugares_.partidas, n));
    switch (r.estado) {
    case EstadoCarga::SinPartida:
        Atender(juego_.SinPartidaEn(n));
        return;
    case EstadoCarga::Danada:
        Atender(juego_.DanadaEn(r.lectura));
        NuevoJuego();
        juego_.Abrir();
        MostrarBotones();
        EnfocarDetector();
        return;
    case EstadoCarga::Cargada: {
        OlvidarEnCamino();   // the loaded game is the one the player wants now
        const Resultado cargada = juego_.CargadaDe(n, r.lectura);
        // Colours and locks follow the loaded flags at once: a loaded given is never editable.
        RepintarCasillas();
        MostrarBotones();
        Atender(cargada);
        return;
    }
    }
}
