// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

// J: whether the game's sounds play, and whether an empty cell's sound stands for its word.
enum class ModoSonidos : int16_t { No, ConPalabras, EnLugarDePalabras };
inline constexpr int16_t ModosSonidos = 3;

// The game's own sounds, one meaning each. The designed panel sound and beep are not among them.
enum class Sonido : uint8_t {
    Paso,       // the cursor moved: placed by its column, pitched by its row
    Vacia,      // it landed on an empty cell
    Dada,       // on a given
    ConNotas,   // on a cell holding notes
    Repetido,   // a digit written, or a group read, holds a repeat
    Correcto,   // a group completed by a write, or read without a repeat
    Completo,   // the whole board complete and right
};

struct SonidoJuego {
    Sonido que = Sonido::Paso;
    double posicion = 0;     // -1 far left, +1 far right
    double frecuencia = 0;   // the tick's pitch in Hz; the others keep their own
    bool operator==(const SonidoJuego&) const = default;
};

// The tick of the cursor on this cell, and what the cell's own sound is placed by.
SonidoJuego PasoA(int16_t fila, int16_t columna);
SonidoJuego SonidoEn(Sonido que, int16_t columna);

enum class Onda : uint8_t { Seno, Triangulo, Cuadrada };

// One tone of a sound, as every front end plays it: the window's synthesizer and the
// page's oscillators both play these, so a sound is designed once.
struct Tono {
    int desdeMs;        // from the start of the run of sounds
    int duracionMs;
    double frecuencia;  // Hz
    Onda onda;
    double volumen;     // 0..1
    double posicion;    // -1..+1
};

// The sounds of one action, one after another.
std::vector<Tono> Partitura(const std::vector<SonidoJuego>& sonidos);
// The same as 16-bit stereo samples, left first, with short fades so nothing clicks.
std::vector<int16_t> MuestrasEstereo(const std::vector<Tono>& tonos, int muestreo);
