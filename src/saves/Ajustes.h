// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include "FormatoAjustes.h"

// Where the platform keeps a program's settings: $XDG_CONFIG_HOME/novaro/novaro.ini
// (~/.config/novaro/novaro.ini), %APPDATA%\novaro\novaro.ini on Windows.
QString RutaAjustesDelJugador();

// The defaults when nothing can be read; never fails.
Ajustes CargarAjustes(const QString& ruta);
