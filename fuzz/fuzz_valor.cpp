// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to ValorCasilla and compares it with a reader written
// from the rule alone: drop blanks, tabs and line feeds; read &H/&O whole numbers
// or a decimal number with an optional E/D exponent; round half to even; no
// value outside -32768..32767.
//
// Decimal numbers are judged twice. Exactly, digit by digit, which must agree
// whenever the number has at most 15 significant digits (there a double cannot
// blur a half). And, for longer numbers, through glibc's strtod, since the game
// reads a number as a double first, as the original did.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include "Comprobador.h"

namespace {

using Valor = std::optional<int>;

bool Digito(char c) { return c >= '0' && c <= '9'; }

Valor EnRango(long long v)
{
    if (v < -32768 || v > 32767) return std::nullopt;
    return static_cast<int>(v);
}

Valor EnteroConBase(const std::string& s, int base)
{
    long long v = 0;
    for (size_t p = 2; p < s.size(); ++p) {
        const char c = s[p];
        int d = 99;
        if (Digito(c)) d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d >= base) break;
        v = std::min(v * base + d, 1000000LL);   // past the range, the exact size no longer matters
    }
    return EnRango(v);
}

// A decimal number taken apart: sign, significant digits D and the place k of the
// point before them, so that the value is 0.D x 10^k.
struct Decimal {
    bool negativo = false;
    std::string digitos;   // no leading zeros; empty for zero
    long long k = 0;
};

std::optional<Decimal> Desmontar(const std::string& s)
{
    Decimal d;
    size_t p = 0;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) d.negativo = s[p++] == '-';
    std::string enteros, fraccion;
    while (p < s.size() && Digito(s[p])) enteros += s[p++];
    if (p < s.size() && s[p] == '.') {
        ++p;
        while (p < s.size() && Digito(s[p])) fraccion += s[p++];
    }
    if (enteros.empty() && fraccion.empty()) return std::nullopt;
    long long exponente = 0;
    if (p < s.size() && std::string_view("eEdD").find(s[p]) != std::string_view::npos) {
        size_t q = p + 1;
        bool menos = false;
        if (q < s.size() && (s[q] == '+' || s[q] == '-')) menos = s[q++] == '-';
        if (q < s.size() && Digito(s[q])) {
            for (; q < s.size() && Digito(s[q]); ++q)
                exponente = std::min(exponente * 10 + (s[q] - '0'), 1000000000LL);
            if (menos) exponente = -exponente;
        }
    }
    const std::string todos = enteros + fraccion;
    const size_t primero = todos.find_first_not_of('0');
    if (primero == std::string::npos) return d;   // zero, whatever the exponent
    d.digitos = todos.substr(primero);
    d.k = static_cast<long long>(enteros.size()) - static_cast<long long>(primero) + exponente;
    return d;
}

Valor Exacto(const Decimal& d)
{
    if (d.digitos.empty() || d.k < 0) return 0;   // below 0.1
    if (d.k > 6) return std::nullopt;              // at least 1000000
    long long entero = 0;
    for (long long i = 0; i < d.k; ++i)
        entero = entero * 10 + (i < static_cast<long long>(d.digitos.size()) ? d.digitos[i] - '0' : 0);
    const std::string resto = d.k < static_cast<long long>(d.digitos.size()) ? d.digitos.substr(d.k) : "";
    const bool masAllaDelCinco = resto.size() > 1 && resto.find_first_not_of('0', 1) != std::string::npos;
    if (!resto.empty() && (resto[0] > '5' || (resto[0] == '5' && (masAllaDelCinco || entero % 2 == 1))))
        ++entero;
    return EnRango(d.negativo ? -entero : entero);
}

Valor ComoDouble(const Decimal& d)
{
    if (d.digitos.empty() || d.k < 0) return 0;
    if (d.k > 6) return std::nullopt;
    const std::string texto = "0." + d.digitos + "e" + std::to_string(d.k);
    const double v = std::strtod(texto.c_str(), nullptr);   // the C locale: a point, never a comma
    double r = std::floor(v);
    const double resto = v - r;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    return EnRango(static_cast<long long>(d.negativo ? -r : r));
}

size_t Significativas(const Decimal& d)
{
    const size_t ultimo = d.digitos.find_last_not_of('0');
    return ultimo == std::string::npos ? 0 : ultimo + 1;
}

[[noreturn]] void Fallo(const std::string& s, const char* que, Valor obtenido, Valor esperado)
{
    std::fprintf(stderr, "ValorCasilla(\"%s\"): %s: got %s, expected %s\n", s.c_str(), que,
                 obtenido ? std::to_string(*obtenido).c_str() : "out of range",
                 esperado ? std::to_string(*esperado).c_str() : "out of range");
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    const auto leido = ValorCasilla(texto);
    const Valor obtenido = leido ? Valor(*leido) : std::nullopt;
    const auto otraVez = ValorCasilla(texto);
    if (otraVez != leido) Fallo(std::string(texto), "not stable", otraVez ? Valor(*otraVez) : std::nullopt, obtenido);

    std::string s;
    for (char c : texto)
        if (c != ' ' && c != '\t' && c != '\n') s += c;

    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'h' || s[1] == 'H' || s[1] == 'o' || s[1] == 'O')) {
        const Valor esperado = EnteroConBase(s, s[1] == 'h' || s[1] == 'H' ? 16 : 8);
        if (obtenido != esperado) Fallo(s, "whole number in base 16 or 8", obtenido, esperado);
        return 0;
    }
    const std::optional<Decimal> d = Desmontar(s);
    if (!d) {
        if (obtenido != Valor(0)) Fallo(s, "no number at the start", obtenido, 0);
        return 0;
    }
    const Valor exacto = Exacto(*d);
    if (Significativas(*d) <= 15) {
        if (obtenido != exacto) Fallo(s, "decimal", obtenido, exacto);
    } else {
        const Valor doble = ComoDouble(*d);
        if (obtenido != doble) Fallo(s, "decimal read as a double", obtenido, doble);
    }
    return 0;
}
