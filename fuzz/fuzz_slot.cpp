// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the slot reader. Beyond not crashing, a file it
// accepts must hold digits 1 to 9 only, notes of those digits only, and must survive
// being written and read again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include "FormatoPartida.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    const std::string_view bytes(reinterpret_cast<const char*>(datos), tamano);
    const LecturaPartida lectura = DecodificarPartida(bytes);
    if (!lectura.ok)
        return 0;
    if (!lectura.sonidoLeido || lectura.sonido != lectura.registro.SonidoActivo)
        std::abort();
    for (int16_t digito : lectura.registro.Solucion) {
        if (digito < 1 || digito > 9)
            std::abort();
    }
    // Notes hold the nine digits at most, and damaged ones are dropped whole.
    for (uint16_t notas : lectura.registro.Notas) {
        if (notas > 0x1FF || (lectura.notasDanadas && notas != 0))
            std::abort();
    }
    const std::string escrito = CodificarPartida(lectura.registro);
    const LecturaPartida otra = DecodificarPartida(escrito);
    if (!otra.ok || !(otra.registro == lectura.registro) || CodificarPartida(otra.registro) != escrito)
        std::abort();
    return 0;
}
