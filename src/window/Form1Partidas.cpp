// SPDX-License-Identifier: GPL-3.0-or-later
// The nine save slots, in the folder the game keeps them in.
#include "Form1.h"
#include "Ranuras.h"
#include "Voz.h"
#include <QPushButton>

void Form1::GuardarPartida(int16_t n)
{
    const ResultadoGuardar r = GuardarRanura(RutaRanura(lugares_.partidas, n), RegistroDe(Estado, *this));
    // A save that did not happen must never pass for one that did.
    if (!r.ok) Mensaje(tr("No se ha podido guardar la partida en el lugar %1. %2").arg(n).arg(r.motivo));
    else voz_->Hablar(tr("Partida guardada en el lugar %1").arg(n));
}

void Form1::CargarPartida(int16_t n)
{
    const ResultadoCargar r = CargarRanura(RutaRanura(lugares_.partidas, n));
    switch (r.estado) {
    case EstadoCarga::SinPartida:
        Mensaje(tr("No hay ninguna partida guardada en el lugar %1").arg(n));
        return;
    case EstadoCarga::Danada:
        if (r.lectura.sonidoLeido) Estado.SonidoActivo = r.lectura.sonido;
        Mensaje(tr("Error al cargar: se creará un nuevo novaro"));
        NuevoJuego();
        Command1->setEnabled(true);
        Command4->setEnabled(true);
        EnfocarDetector();
        return;
    case EstadoCarga::Cargada:
        OlvidarEnCamino();   // the loaded game is the one the player wants now
        AplicarRegistro(r.lectura.registro, Estado, *this);
        // Colours and locks follow the loaded flags at once: a loaded given is never editable.
        RepintarCasillas();
        Command1->setEnabled(true);
        Command4->setEnabled(true);
        // The board came back whole; only the notes were lost, and the player hears it once.
        if (r.lectura.notasDanadas)
            Mensaje(tr("Las notas de la partida del lugar %1 estaban dañadas. La partida se ha cargado sin notas.").arg(n));
        voz_->Hablar(tr("Partida cargada del lugar %1").arg(n));
        return;
    }
}
