// SPDX-License-Identifier: GPL-3.0-or-later
// W and J by their keys: the words and the sounds each setting leaves.
#include "Mesa.h"
#include "Palabras.h"
#include "Prueba.h"
#include "Sonidos.h"
#include <algorithm>
#include <cmath>
#include <ostream>

std::ostream& operator<<(std::ostream& o, const SonidoJuego& s)
{
    return o << static_cast<int>(s.que) << "@" << s.posicion << "/" << s.frecuencia;
}

namespace {

const std::string vacio(81, '-');
const std::string pocos = "12-------"
                          "-e-------"
                          "3--------"
                          + std::string(54, '-');
// The 1 of the first cell repeats in its panel only.
const std::string repetido = "1--------"
                             "--a------"
                             + std::string(63, '-');
const std::string filaCasiLlena = "12345678-" + std::string(72, '-');

// A solved board, its last cell empty.
std::string CasiResuelto()
{
    std::string t;
    for (int f = 0; f < 9; ++f)
        for (int c = 0; c < 9; ++c) t += static_cast<char>('1' + (f * 3 + f / 3 + c) % 9);
    t.back() = '-';
    return t;
}

SonidoJuego En(Sonido que, int columna) { return SonidoEn(que, static_cast<int16_t>(columna)); }
SonidoJuego Tic(int fila, int columna) { return PasoA(static_cast<int16_t>(fila), static_cast<int16_t>(columna)); }

struct Escena {
    const char* nombre;
    std::string tablero;
    int fila, columna;
    const char* teclas;
    std::vector<std::string> dichos;
    std::vector<SonidoJuego> sonidos;
};

} // namespace

PRUEBA(LugarYSonidosPorTeclas)
{
    PonerIdioma(Idioma::Espanol);
    const Sonido vacia = Sonido::Vacia, correcto = Sonido::Correcto, aviso = Sonido::Repetido;
    const Escena escenas[] = {
        {"Place along a row", vacio, 0, 2, "w Der", {"Lugar al moverse activado", "columna 4, vacía"}, {}},
        {"Place along a column", pocos, 0, 1, "w Abj", {"Lugar al moverse activado", "fila 2, 5"}, {}},
        {"Place after a jump", pocos, 0, 4, "w Inicio", {"Lugar al moverse activado", "fila 1, columna 1, 1"}, {}},
        {"Place after a tap", vacio, 0, 0, "w Toque10", {"Lugar al moverse activado", "fila 2, columna 2, vacía"}, {}},
        {"Place keeps the cell's marks", pocos, 1, 1, "w o Ctrl Arr Abj",
         {"Lugar al moverse activado", "Aviso de número original activado", "Provisional", "fila 1, 2 O ", "fila 2, 5 P "}, {}},
        {"S keeps its own words", vacio, 0, 0, "w s",
         {"Lugar al moverse activado", "Fila 1, columna 2, panel superior izquierdo, vacía"}, {}},
        {"Place off again", vacio, 0, 2, "w w Der", {"Lugar al moverse activado", "Lugar al moverse desactivado", "vacía"}, {}},
        {"J goes round", vacio, 0, 0, "j j j Der", {"Sonidos: con palabras", "Sonidos: en lugar de palabras", "Sonidos: no", "vacía"}, {}},
        {"A move onto an empty cell", vacio, 0, 2, "j Der", {"Sonidos: con palabras", "vacía"}, {Tic(0, 3), En(vacia, 3)}},
        {"Instead of words an empty cell is only heard", vacio, 8, 8, "j j Arr",
         {"Sonidos: con palabras", "Sonidos: en lugar de palabras"}, {Tic(7, 8), En(vacia, 8)}},
        {"Instead of words, the place still said", vacio, 4, 4, "w j j Abj",
         {"Lugar al moverse activado", "Sonidos: con palabras", "Sonidos: en lugar de palabras", "fila 6"}, {Tic(5, 4), En(vacia, 4)}},
        {"A given", pocos, 0, 1, "j Izq", {"Sonidos: con palabras", "1"}, {Tic(0, 0), En(Sonido::Dada, 0)}},
        {"A written digit has no sound of its own", pocos, 0, 1, "j Abj", {"Sonidos: con palabras", "5"}, {Tic(1, 1)}},
        {"Notes keep their words", vacio, 0, 0, "l 3 j j Der Izq",
         {"Notas activadas", "Añadido el 3: nota 3", "Sonidos: con palabras", "Sonidos: en lugar de palabras", "vacía, nota 3"},
         {Tic(0, 1), En(vacia, 1), Tic(0, 0), En(Sonido::ConNotas, 0)}},
        {"A jump", pocos, 0, 4, "j Fin", {"Sonidos: con palabras", "vacía"}, {Tic(0, 8), En(vacia, 8)}},
        {"A refused move only beeps", vacio, 0, 0, "j Izq", {"Sonidos: con palabras"}, {}},
        {"A repeat written", pocos, 1, 4, "j k 5", {"Sonidos: con palabras", "Escritura directa activada", "5"}, {En(aviso, 4)}},
        {"A row completed", filaCasiLlena, 0, 8, "j k 9", {"Sonidos: con palabras", "Escritura directa activada", "9"}, {En(correcto, 4)}},
        {"The board completed", CasiResuelto(), 8, 8, "j Intro 8 Intro",
         {"Sonidos: con palabras", "Modo escritura activado", "8", "Modo escritura desactivado "}, {En(Sonido::Completo, 4)}},
        {"The board full but wrong", CasiResuelto(), 8, 8, "j k 1",
         {"Sonidos: con palabras", "Escritura directa activada", "1"}, {En(aviso, 8)}},
        {"C, F and T without a repeat", pocos, 0, 0, "j c f t", {"Sonidos: con palabras", "1 vacía 3 vacía vacía vacía vacía vacía vacía ",
         "1 2 vacía vacía vacía vacía vacía vacía vacía ", "1 2 vacía. vacía 5 vacía. 3 vacía vacía. "},
         {En(correcto, 4), En(correcto, 4), En(correcto, 4)}},
        {"T with a repeat, C and F without", repetido, 0, 0, "j j t c f", {"Sonidos: con palabras", "Sonidos: en lugar de palabras",
         "1 vacía vacía. vacía vacía 1. vacía vacía vacía. ", "1 vacía vacía vacía vacía vacía vacía vacía vacía ",
         "1 vacía vacía vacía vacía vacía vacía vacía vacía "},
         {En(aviso, 4), En(correcto, 4), En(correcto, 4)}},
    };
    for (const Escena& e : escenas) {
        FILA(e.nombre);
        Mesa m;
        m.Poner(e.tablero);
        m.Cursor(e.fila, e.columna);
        m.Teclas(e.teclas);
        IGUAL(m.dichos, e.dichos);
        IGUAL(m.sonidos, e.sonidos);
    }
    // The terminal has no sounds to stand for words: it keeps them.
    Mesa terminal;
    terminal.juego.SinSonidosPropios();
    terminal.Poner(vacio);
    terminal.Teclas("j j Der");
    IGUAL(terminal.dichos.back(), std::string("vacía"));
}

// The ear finds the cursor: left to right by column, lower down the rows; and every
// sound stays short.
PRUEBA(LosSonidosDicenElLugar)
{
    IGUAL(Tic(3, 0).posicion, -1.0);
    IGUAL(Tic(3, 4).posicion, 0.0);
    IGUAL(Tic(3, 8).posicion, 1.0);
    for (int f = 1; f < 9; ++f) CIERTO(Tic(f, 2).frecuencia < Tic(f - 1, 2).frecuencia);
    CIERTO(Tic(8, 0).frecuencia >= 200 && Tic(0, 0).frecuencia <= 2000);
    const Sonido todos[] = {Sonido::Paso, Sonido::Vacia, Sonido::Dada, Sonido::ConNotas,
                            Sonido::Repetido, Sonido::Correcto, Sonido::Completo};
    for (const Sonido s : todos) {
        FILA(std::to_string(static_cast<int>(s)));
        int fin = 0;
        for (const Tono& t : Partitura({s == Sonido::Paso ? Tic(0, 0) : En(s, 0)})) fin = std::max(fin, t.desdeMs + t.duracionMs);
        CIERTO(fin > 0 && fin <= (s == Sonido::Completo ? 1000 : 150));
    }
    // Far left is heard in the left ear alone.
    const std::vector<int16_t> muestras = MuestrasEstereo(Partitura({Tic(0, 0)}), 22050);
    double izquierda = 0, derecha = 0;
    for (size_t k = 0; k + 1 < muestras.size(); k += 2) {
        izquierda += std::abs(muestras[k]);
        derecha += std::abs(muestras[k + 1]);
    }
    CIERTO(izquierda > 1000 * derecha + 1);
}
