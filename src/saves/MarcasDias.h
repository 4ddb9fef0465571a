// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include "FormatoMarcas.h"

// The record of the days solved lives beside the settings file.
QString RutaMarcas(const QString& rutaAjustes);

struct LecturaMarcas {
    Marcas marcas;          // a fresh record when none could be read
    bool danadas = false;   // one was there and could not be read: it was set aside
};

// Reads the record. A damaged one is renamed beside it, never written over, and a
// fresh record starts; nothing else of the player's is touched.
LecturaMarcas CargarMarcas(const QString& ruta);
