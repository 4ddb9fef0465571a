// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palabras.h"
#include "Prueba.h"
#include "Traducciones.h"
#include <algorithm>
#include <iterator>

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

namespace {

// Speaks a language for one test, and Spanish again after it.
struct EnIdioma {
    explicit EnIdioma(Idioma idioma) { PonerIdioma(idioma); }
    ~EnIdioma() { PonerIdioma(Idioma::Espanol); }
};

const char* Nombre(Idioma idioma) { return idioma == Idioma::Ingles ? "en" : "es"; }

} // namespace

PRUEBA(TraducirSegunElIdioma)
{
    const struct { Idioma idioma; const char* contexto; const char* texto; const char* esperado; } filas[] = {
        {Idioma::Ingles, "Frases", "Tablero copiado", "Board copied"},
        {Idioma::Ingles, "Frases", "Añadido el %1: %2", "Added %1: %2"},
        {Idioma::Ingles, "Voz", "vacía", "empty"},
        {Idioma::Ingles, "Comprobador", "Datos incorrectos en la fila ", "Wrong numbers in row "},
        {Idioma::Ingles, "Casilla", "Fila %1, columna %2", "Row %1, column %2"},
        {Idioma::Ingles, "main", "Muestra la versión y termina.", "Shows the version and ends."},
        // Missing from the table: the Spanish, as Qt leaves an untranslated text.
        {Idioma::Ingles, "Frases", "Un texto que nadie ha traducido", "Un texto que nadie ha traducido"},
        {Idioma::Ingles, "Frases", "Fila %1, columna %2", "Fila %1, columna %2"},   // another context's text
        {Idioma::Ingles, "Nadie", "vacía", "vacía"},
        {Idioma::Ingles, "Voz", "vací", "vací"},
        {Idioma::Ingles, "Frases", "", ""},
        {Idioma::Espanol, "Frases", "Tablero copiado", "Tablero copiado"},
        {Idioma::Espanol, "Voz", "vacía", "vacía"},
        {Idioma::Espanol, "Comprobador", "Datos incorrectos en la fila ", "Datos incorrectos en la fila "},
    };
    for (const auto& f : filas) {
        EnIdioma idioma(f.idioma);
        FILA(std::string(Nombre(f.idioma)) + " " + f.contexto + ": " + f.texto);
        IGUAL(IdiomaDeJuego(), f.idioma);
        IGUAL(Traducir(f.contexto, f.texto), std::string(f.esperado));
    }
}

// The table is searched in halves: every row must be found, so its order is the search's.
PRUEBA(CadaTraduccionDeLaTablaSeEncuentra)
{
    EnIdioma ingles(Idioma::Ingles);
    const auto tabla = TablaIngles();
    CIERTO(!tabla.empty());
    for (const Traduccion& t : tabla) {
        const std::string contexto(t.contexto), fuente(t.fuente);
        FILA(contexto + ": " + fuente);
        IGUAL(Traducir(contexto.c_str(), fuente.c_str()), std::string(t.traduccion));
        CIERTO(!t.traduccion.empty());
    }
}

// Made from prueba_en.ts at build time.
std::span<const Traduccion> TablaPrueba();

// Only finished translations, byte for byte as the file has them, in the search's order.
PRUEBA(LaTablaTomaSoloLoTerminado)
{
    const Traduccion esperadas[] = {
        {"Alfa", "Dos\nlíneas\ty tabulador", "Two\nlines\tand a tab"},
        {"Alfa", "zorro", "\"fox\" \\ <&>"},
        {"Alfa", "ñu", "gnu é1 ¿?"},
        {"Zeta", "Terminado", "Finished"},
    };
    const auto tabla = TablaPrueba();
    IGUAL(tabla.size(), std::size(esperadas));
    for (size_t i = 0; i < std::min(tabla.size(), std::size(esperadas)); ++i) {
        FILA("fila " + std::to_string(i));
        IGUAL(tabla[i].contexto, esperadas[i].contexto);
        IGUAL(tabla[i].fuente, esperadas[i].fuente);
        IGUAL(tabla[i].traduccion, esperadas[i].traduccion);
    }
}
