// SPDX-License-Identifier: GPL-3.0-or-later
#include "Azar.h"

float Aleatorio::Sacar()
{
    uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);   // Saltar relies on this step
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) * (1.0f / 16777216.0f);
}

int16_t Azar(FuenteAzar& fuente, int16_t n)
{
    float r = fuente.Sacar();
    // A replaced source might hand out 1.0 or worse; never step outside 0..n-1.
    if (!(r >= 0.0f)) r = 0.0f;
    auto v = static_cast<int16_t>(r * static_cast<float>(n));
    if (v >= n) v = static_cast<int16_t>(n - 1);
    return v;
}
