// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

// The languages NOVARO speaks; Spanish is the one its texts are written in.
inline const QString IdiomaOriginal = QStringLiteral("es");
QStringList IdiomasDisponibles();

// The first of the player's languages (most wanted first, as "en-GB" or "es_ES")
// that NOVARO has; Spanish when none matches.
QString ElegirIdioma(const QStringList& preferidos, const QStringList& disponibles = IdiomasDisponibles());

// Loads the translation of `idioma` from `carpeta` for the whole program; false
// when it is missing (the game then stays in Spanish). Spanish needs none.
bool InstalarIdioma(const QString& idioma, const QString& carpeta);

// The language the game's texts are in now.
QString IdiomaActual();
