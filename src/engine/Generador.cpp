// SPDX-License-Identifier: GPL-3.0-or-later
#include "Generador.h"
#include "Coordenadas.h"
#include <string>

void GenerarSolucion(EstadoJuego& e, FuenteAzar& azar)
{
    std::string pool = "123456789";
    std::string orden;
    for (int n = 0; n < 9; ++n) {
        const int d = Azar(azar, static_cast<int16_t>(pool.size())) + 1;
        orden += pool[d - 1];
        pool.erase(static_cast<size_t>(d - 1), 1);
    }
    static constexpr int inicio[9] = {1, 4, 7, 2, 5, 8, 3, 6, 9};
    for (int f = 0; f < 9; ++f) {
        int k = inicio[f];
        for (int c = 0; c < 9; ++c) {
            e.Solucion[f][c] = static_cast<int16_t>(orden[k - 1] - '0');
            if (++k > 9) k = 1;
        }
    }
    e.ColumnaActual = e.FilaActual = e.CasillaActual = 0;
}

void IntercambiarLineas(EstadoJuego& e, int16_t Orientacion, int16_t q)
{
    static constexpr int16_t pareja[9] = {1, 2, 0, 4, 5, 3, 7, 8, 6};
    const int16_t p = pareja[q];
    for (int h = 0; h < 9; ++h) {
        if (Orientacion == 0)
            Intercambiar(e.Solucion[q][h], e.Solucion[p][h]);
        else
            Intercambiar(e.Solucion[h][q], e.Solucion[h][p]);
    }
}

void IntercambiarBloques(EstadoJuego& e, int16_t Orientacion, int16_t q)
{
    const int p = (q + 1) % 3;
    for (int k = 0; k < 3; ++k) {
        const int a = 3 * q + k, b = 3 * p + k;
        for (int h = 0; h < 9; ++h) {
            if (Orientacion == 0)
                Intercambiar(e.Solucion[a][h], e.Solucion[b][h]);
            else
                Intercambiar(e.Solucion[h][a], e.Solucion[h][b]);
        }
    }
}

void Barajar(EstadoJuego& e, FuenteAzar& azar)
{
    static constexpr int rotaciones[6][2] = {{1, 3}, {4, 3}, {7, 3}, {1, 6}, {4, 6}, {7, 6}};
    for (const auto& r : rotaciones) {
        const int c = r[0], top = r[1];
        const int16_t viejo = e.Solucion[top][c];
        e.Solucion[top][c] = e.Solucion[top + 1][c];
        e.Solucion[top + 1][c] = e.Solucion[top + 2][c];
        e.Solucion[top + 2][c] = viejo;
    }
    int16_t orientacion = 0;
    for (int pasada = 0; pasada < 20; ++pasada) {
        const int16_t bloque = Azar(azar, 3);
        const int16_t linea = Azar(azar, 9);
        IntercambiarBloques(e, orientacion, bloque);
        orientacion = static_cast<int16_t>(1 - orientacion);
        IntercambiarLineas(e, orientacion, linea);
    }
}
