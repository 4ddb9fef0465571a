// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include "Archivos.h"
#include "FormatoPartida.h"

// dir + "/Novaro<n>.sav"
QString RutaRanura(const QString& directorio, int n);

// Writes through a temporary file in the same directory and replaces the slot only
// when everything is written, so a failed save leaves the old slot as it was.
ResultadoGuardar GuardarRanura(const QString& ruta, const RegistroPartida& registro);

enum class EstadoCarga { Cargada, SinPartida, Danada };

struct ResultadoCargar {
    EstadoCarga estado = EstadoCarga::SinPartida;
    LecturaPartida lectura;   // sonidoLeido may hold even when Danada
};

// SinPartida when nothing is at the path; Danada when it is not a regular file,
// cannot be read, is too large or does not decode.
ResultadoCargar CargarRanura(const QString& ruta);
