// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary keystrokes straight to the game core: each pair of bytes is a key
// of the key detector's and maybe a character typed with it. After each, the game must
// hold what the key storm checks.
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include "../tests/core/Revisar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    static const char16_t caracteres[] = {0, u'5', u'x', u' ', u'\r', u'\b', u'"', u'\u00e9', 0xD83D, 0xDE00, u'-'};
    Tablero tablero;
    Juego juego(tablero);
    std::string portapapeles = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    juego.LeerPortapapeles = [&portapapeles] { return portapapeles; };
    Aleatorio azar(tamano);
    juego.NuevoPorNivel(azar);
    for (size_t i = 0; i + 1 < tamano; i += 2) {
        const Antes antes = Fotografiar(juego, tablero);
        const int codigo = TeclasDelNucleo[datos[i] % std::size(TeclasDelNucleo)];
        const char16_t c = caracteres[datos[i + 1] % std::size(caracteres)];
        const Resultado r = juego.Pulsar(codigo, datos[i + 1] >> 6, c ? std::u16string(1, c) : std::u16string());
        if (r.portapapeles) portapapeles = *r.portapapeles;
        const std::string fallo = Revisar(juego, tablero, antes, codigo == VK_I);
        if (!fallo.empty()) {
            std::fprintf(stderr, "%s\n", fallo.c_str());
            std::abort();
        }
    }
    return 0;
}
