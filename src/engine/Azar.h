// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

// One uniform draw in [0, 1) per call. Tests swap in fixed sequences.
class FuenteAzar {
public:
    virtual ~FuenteAzar() = default;
    virtual float Sacar() = 0;
    // Throws away n draws; a source that can jump ahead does it at once.
    virtual void Saltar(int64_t n)
    {
        for (int64_t k = 0; k < n; ++k) Sacar();
    }
};

// Small seedable generator (splitmix64). 24 bits per draw keep every value
// exactly representable as a float below 1.
class Aleatorio : public FuenteAzar {
public:
    explicit Aleatorio(uint64_t semilla = 0) { Sembrar(semilla); }
    void Sembrar(uint64_t semilla) { estado_ = semilla; }
    float Sacar() override;
    void Saltar(int64_t n) override { estado_ += static_cast<uint64_t>(n) * 0x9E3779B97F4A7C15ull; }

private:
    uint64_t estado_ = 0;
};

// Integer part of one draw times n: 0..n-1.
int16_t Azar(FuenteAzar& fuente, int16_t n);
