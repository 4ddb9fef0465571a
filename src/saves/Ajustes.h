// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

// What the player chose with a menu or a switch, kept between runs. The defaults are
// the ones every start had before anything was kept.
struct Ajustes {
    int16_t nivel = 7;              // index in the level menu: the item "8"
    int16_t tamano = 1;             // index in the font-size menu: the item "16"
    int16_t dificultad = 0;         // index in the Dificultad menu: "Por nivel"
    bool lineaOculta = false;       // F8
    bool sonido = true;             // F9
    bool avisoOriginal = false;     // O
    bool avisoRepetido = false;     // E
    bool solucionUnica = false;     // U
    bool modoNotas = false;         // L
    bool escrituraDirecta = false;  // K

    bool operator==(const Ajustes&) const = default;
};

// Anything larger is nobody's settings of ours: the defaults, unread.
inline constexpr qint64 TamanoMaximoAjustes = 64 * 1024;

// An INI file ("[General]", then key=value lines) that QSettings reads as well.
QByteArray CodificarAjustes(const Ajustes& ajustes);
// Each value that is missing, unknown or out of range keeps its default; a file that is
// not text at all gives the defaults.
Ajustes DecodificarAjustes(QByteArrayView bytes);

// Where the platform keeps a program's settings: $XDG_CONFIG_HOME/novaro/novaro.ini
// (~/.config/novaro/novaro.ini), %APPDATA%\novaro\novaro.ini on Windows.
QString RutaAjustesDelJugador();

// The defaults when nothing can be read; never fails.
Ajustes CargarAjustes(const QString& ruta);
