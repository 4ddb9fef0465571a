// SPDX-License-Identifier: GPL-3.0-or-later
// A long random storm of keys and characters straight into the core, with the
// buttons' actions now and then; after each the game must still be whole.
// NOVARO_SEMILLA_TORMENTA replays one.
#include "Mesa.h"
#include "Prueba.h"
#include "Revisar.h"
#include <cstdlib>
#include <random>

PRUEBA(TormentaDeTeclasEnElNucleo)
{
    const char* dada = std::getenv("NOVARO_SEMILLA_TORMENTA");
    const uint64_t semilla = dada ? std::strtoull(dada, nullptr, 10) : std::random_device{}();
    std::mt19937_64 azar(semilla);
    constexpr int Eventos = 20000;
    // Characters of every kind the keyboard may type: text, blanks, Enter, Backspace, halves.
    const char16_t caracteres[] = {u'5', u'x', u' ', u'\r', u'\b', u'"', u'\u00e9', u'\u20ac', 0xD83D, 0xDE00, u','};
    Mesa m;
    std::vector<std::string> ultimos;   // the last events, to tell what led to a failure
    Aleatorio deal(semilla);
    m.juego.NuevoPorNivel(deal);
    for (int n = 0; n < Eventos; ++n) {
        const Antes antes = Fotografiar(m.juego, m.tablero);
        bool nuevo = false;
        const auto dado = azar() % 1000;
        Resultado r;
        if (dado < 3) {
            r = m.juego.NuevoPorNivel(deal);
            nuevo = true;
        } else if (dado < 5) {
            r = m.juego.VerSolucion();
        } else if (dado < 8) {
            r = m.juego.Comprobar();
        } else {
            const int codigo = TeclasDelNucleo[azar() % std::size(TeclasDelNucleo)];
            std::u16string tecleado;
            if (azar() % 3 == 0) tecleado += caracteres[azar() % std::size(caracteres)];
            nuevo = codigo == VK_I;
            const int teclado = azar() % 5 == 0 ? static_cast<int>(azar() % 10) : 0;
            ultimos.push_back("key " + std::to_string(codigo) + " keypad " + std::to_string(teclado) + " typed "
                              + (tecleado.empty() ? std::string("nothing") : std::to_string(int(tecleado[0]))));
            r = m.juego.Pulsar(codigo, teclado, tecleado);
        }
        if (dado < 8) ultimos.push_back(dado < 3 ? "Nuevo" : dado < 5 ? "Ver solución" : "Comprobar");
        if (ultimos.size() > 12) ultimos.erase(ultimos.begin());
        ultimos.back() += " -> «" + r.dicho + "»";
        m.Anotar(r);
        const std::string fallo = Revisar(m.juego, m.tablero, antes, nuevo);
        if (!fallo.empty()) {
            FILA("seed " + std::to_string(semilla) + ", event " + std::to_string(n));
            CIERTO(fallo.empty());
            std::fprintf(stderr, "  %s\n  last events:\n", fallo.c_str());
            for (const std::string& u : ultimos) std::fprintf(stderr, "    %s\n", u.c_str());
            return;
        }
    }
    CIERTO(!m.dichos.empty());
}
