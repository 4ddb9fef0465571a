// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include "FormatoEnCurso.h"

// dir + "/NovaroEnCurso.sav"
QString RutaPartidaEnCurso(const QString& directorio);

// Reads the kept game. A damaged one is set aside under a new name beside it, so it is
// never written over; apartada then names where it went.
LecturaEnCurso CargarEnCurso(const QString& ruta, QString* apartada = nullptr);
