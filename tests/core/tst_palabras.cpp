// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palabras.h"
#include "Prueba.h"

PRUEBA(SustituirComoLosTraductores)
{
    const struct { const char* plantilla; const char* esperado; } filas[] = {
        {"Fila %1, columna %2", "Fila 3, columna 7"},
        {"%2 antes que %1", "7 antes que 3"},
        {"sin marcas", "sin marcas"},
        {"100 %", "100 %"},
        {"%3 no tiene valor", "%3 no tiene valor"},
        {"%1%1", "33"},
    };
    for (const auto& f : filas) {
        FILA(f.plantilla);
        IGUAL(Sustituir(f.plantilla, {"3", "7"}), std::string(f.esperado));
    }
}
