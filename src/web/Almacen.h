// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// The browser's storage as the page's game sees it: named files of bytes. Private
// windows and full disks are everyday there, so every answer says how it went.
enum class Guardado { Hecho, Lleno, Bloqueado };

struct Leido {
    bool existe = false;
    bool bloqueado = false;   // the browser refuses the page any storage
    std::string bytes;
};

class Almacen {
public:
    virtual ~Almacen() = default;
    virtual Leido Leer(const std::string& nombre) = 0;
    virtual Guardado Escribir(const std::string& nombre, const std::string& bytes) = 0;
};
