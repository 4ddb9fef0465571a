// SPDX-License-Identifier: GPL-3.0-or-later
// NOVARO in a text terminal: the same game and the same words as the window, one line
// per utterance, for line-reading screen readers (Speakup, Fenrir, BRLTTY, Emacspeak).
#include "Frases.h"
#include "Importar.h"
#include "Palabras.h"
#include "Terminal.h"
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr int SalidaSudokuRechazado = 2;
constexpr int SalidaOrdenMala = 1;

// The first of the player's languages the game speaks; Spanish when none.
Idioma IdiomaDelEntorno()
{
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(variable);
        if (!v || !*v) continue;
        const std::string valor(v);
        for (size_t inicio = 0; inicio <= valor.size();) {
            const size_t fin = std::min(valor.find(':', inicio), valor.size());
            const std::string idioma = valor.substr(inicio, 2);
            if (idioma == "es") return Idioma::Espanol;
            if (idioma == "en") return Idioma::Ingles;
            inicio = fin + 1;
        }
    }
    return Idioma::Espanol;
}

} // namespace

int main(int argc, char** argv)
{
    PonerIdioma(IdiomaDelEntorno());
    bool nueva = false, dia = false;
    std::optional<SudokuLeido> sudoku;
    std::optional<std::string> textoSudoku;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto valor = [&](const char* nombre) -> std::optional<std::string> {
            const std::string prefijo = std::string(nombre) + "=";
            if (a.rfind(prefijo, 0) == 0) return a.substr(prefijo.size());
            if (a == nombre && i + 1 < argc) return std::string(argv[++i]);
            return std::nullopt;
        };
        if (a == "--help" || a == "-h") {
            std::fputs(AyudaDeOrdenes().c_str(), stdout);
            return 0;
        }
        if (a == "--version" || a == "-v") {
            std::fputs(Version().c_str(), stdout);
            return 0;
        }
        if (a == "--nueva") {
            nueva = true;
        } else if (a == "--dia") {
            dia = true;
        } else if (auto v = valor("--idioma")) {
            if (*v == "es") PonerIdioma(Idioma::Espanol);
            else if (*v == "en") PonerIdioma(Idioma::Ingles);
            else {
                std::fprintf(stderr, "%s\n", Sustituir(Traducir("Terminal", "Idioma desconocido: «%1». Se puede elegir: es, en."), {*v}).c_str());
                return SalidaOrdenMala;
            }
        } else if (auto s = valor("--sudoku")) {
            textoSudoku = *s;
        } else {
            std::fprintf(stderr, "%s\n", Sustituir(Traducir("Terminal", "Opción desconocida: «%1». Pruebe --help."), {a}).c_str());
            return SalidaOrdenMala;
        }
    }
    // The puzzle is judged in the language chosen, wherever --idioma came.
    if (textoSudoku) {
        SudokuLeido leido = LeerSudoku(*textoSudoku);
        if (leido.rechazo != Rechazo::Ninguno) {
            std::fprintf(stderr, "%s\n", Frases::SudokuRechazado(leido).c_str());
            return SalidaSudokuRechazado;
        }
        sudoku = std::move(leido);
    }
    return Jugar(nueva, sudoku, dia);
}
