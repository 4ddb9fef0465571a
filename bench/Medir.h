// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the key benchmarks share: the clock, the percentiles and how many keys to time.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

using Reloj = std::chrono::steady_clock;

// The window's and the core's benchmarks deal the same board from it.
inline constexpr uint64_t SemillaBanco = 12345;

inline double Microsegundos(Reloj::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

inline double Percentil(std::vector<double> v, double p)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    // Nearest rank: the smallest value with at least p of the samples at or below it.
    const auto rango = static_cast<size_t>(std::ceil(p * static_cast<double>(v.size())));
    return v[std::clamp<size_t>(rango, 1, v.size()) - 1];
}

// NOVARO_TECLAS overrides how many keys each case times (at least 10000 by default).
inline int64_t Teclas()
{
    if (const char* n = std::getenv("NOVARO_TECLAS")) {
        const long v = std::strtol(n, nullptr, 10);
        if (v > 0) return v;
    }
    return 10000;
}
