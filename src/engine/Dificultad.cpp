// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dificultad.h"
#include "Calificacion.h"

Calificacion TechoDe(Dificultad d)
{
    switch (d) {
    case Dificultad::Sencillo: return Calificacion::Sencillos;
    case Dificultad::Intermedio: return Calificacion::EnUnPanel;
    case Dificultad::Avanzado: return Calificacion::TrioOculto;
    case Dificultad::Experto: return Calificacion::AlaXYZ;
    case Dificultad::PorNivel:
    case Dificultad::Maestro: break;
    }
    return static_cast<Calificacion>(static_cast<int>(Calificacion::Probando) - 1);
}

Dificultad DificultadDe(Calificacion c)
{
    for (Dificultad d : {Dificultad::Sencillo, Dificultad::Intermedio, Dificultad::Avanzado, Dificultad::Experto, Dificultad::Maestro})
        if (c <= TechoDe(d)) return d;
    return Dificultad::PorNivel;
}
