// SPDX-License-Identifier: GPL-3.0-or-later
// Made here from plain waves: short enough to play over speech without hiding it.
#include "Sonidos.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Row 9 at A4, two semitones higher for each row up: row 1 near C#6.
constexpr double TonoFilaNueve = 440.0;
constexpr double SemitonosPorFila = 2.0;
constexpr int PausaMs = 10;          // between two sounds of one action
constexpr double FundidoMs = 4.0;    // fade in and out, against clicks
constexpr double Maximo = 0.6;       // of full scale, for several tones at once

std::vector<Tono> Tonos(const SonidoJuego& s)
{
    const double p = s.posicion;
    switch (s.que) {
    case Sonido::Paso: return {{0, 35, s.frecuencia, Onda::Seno, 0.5, p}};
    case Sonido::Vacia: return {{0, 80, 196.0, Onda::Triangulo, 0.6, p}};
    case Sonido::Dada: return {{0, 90, 523.3, Onda::Triangulo, 0.45, p}, {0, 90, 784.0, Onda::Seno, 0.2, p}};
    case Sonido::ConNotas: return {{0, 30, 1568.0, Onda::Seno, 0.35, p}, {50, 30, 1568.0, Onda::Seno, 0.35, p}};
    case Sonido::Repetido: return {{0, 140, 185.0, Onda::Cuadrada, 0.2, p}, {0, 140, 196.0, Onda::Cuadrada, 0.2, p}};
    case Sonido::Correcto: return {{0, 140, 1318.5, Onda::Seno, 0.45, p}, {0, 140, 2637.0, Onda::Seno, 0.12, p}};
    case Sonido::Completo:
        return {{0, 110, 523.3, Onda::Triangulo, 0.5, p}, {120, 110, 659.3, Onda::Triangulo, 0.5, p},
                {240, 110, 784.0, Onda::Triangulo, 0.5, p}, {360, 400, 1046.5, Onda::Triangulo, 0.5, p},
                {360, 400, 523.3, Onda::Seno, 0.3, p}};
    }
    return {};
}

double Muestra(Onda onda, double fase)   // fase in turns
{
    const double f = fase - std::floor(fase);
    switch (onda) {
    case Onda::Seno: return std::sin(2 * std::numbers::pi * f);
    case Onda::Triangulo: return 1.0 - 4.0 * std::abs(f - 0.5);
    case Onda::Cuadrada: return f < 0.5 ? 1.0 : -1.0;
    }
    return 0;
}

} // namespace

SonidoJuego PasoA(int16_t fila, int16_t columna)
{
    SonidoJuego s = SonidoEn(Sonido::Paso, columna);
    s.frecuencia = TonoFilaNueve * std::pow(2.0, (8 - fila) * SemitonosPorFila / 12.0);
    return s;
}

SonidoJuego SonidoEn(Sonido que, int16_t columna)
{
    return {que, (columna - 4) / 4.0, 0};
}

std::vector<Tono> Partitura(const std::vector<SonidoJuego>& sonidos)
{
    std::vector<Tono> partitura;
    int desde = 0;
    for (const SonidoJuego& s : sonidos) {
        int fin = desde;
        for (Tono t : Tonos(s)) {
            t.desdeMs += desde;
            fin = std::max(fin, t.desdeMs + t.duracionMs);
            partitura.push_back(t);
        }
        desde = fin + PausaMs;
    }
    return partitura;
}

std::vector<int16_t> MuestrasEstereo(const std::vector<Tono>& tonos, int muestreo)
{
    int finMs = 0;
    for (const Tono& t : tonos) finMs = std::max(finMs, t.desdeMs + t.duracionMs);
    const auto total = static_cast<size_t>(static_cast<long long>(finMs) * muestreo / 1000);
    std::vector<double> izquierda(total), derecha(total);
    const double fundido = FundidoMs * muestreo / 1000.0;
    for (const Tono& t : tonos) {
        const auto desde = static_cast<size_t>(static_cast<long long>(t.desdeMs) * muestreo / 1000);
        const auto largo = static_cast<size_t>(static_cast<long long>(t.duracionMs) * muestreo / 1000);
        // Equal power: the middle is not louder than the sides.
        const double angulo = (std::clamp(t.posicion, -1.0, 1.0) + 1) * std::numbers::pi / 4;
        const double gi = std::cos(angulo), gd = std::sin(angulo);
        for (size_t k = 0; k < largo && desde + k < total; ++k) {
            const double envolvente = std::min({1.0, k / fundido, (largo - k) / fundido});
            const double v = Muestra(t.onda, t.frecuencia * k / muestreo) * t.volumen * envolvente;
            izquierda[desde + k] += v * gi;
            derecha[desde + k] += v * gd;
        }
    }
    std::vector<int16_t> muestras;
    muestras.reserve(total * 2);
    for (size_t k = 0; k < total; ++k) {
        for (double v : {izquierda[k], derecha[k]})
            muestras.push_back(static_cast<int16_t>(std::lround(std::clamp(v * Maximo, -1.0, 1.0) * 32767)));
    }
    return muestras;
}
