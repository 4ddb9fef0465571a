// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows1252.h"
#include "Texto.h"
#include <cstdint>

namespace {

// Bytes 0x80 to 0x9F; the rest of the set equals Latin-1.
constexpr char16_t Tabla80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char Ninguno = '?';

char ByteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (Tabla80[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return Ninguno;
}

// One character from i on, advancing i. A broken sequence gives nothing and leaves i
// past its longest well-formed start, so what follows it is read on its own.
bool LeerUtf8(std::string_view t, size_t& i, char32_t& c)
{
    const auto b = static_cast<uint8_t>(t[i++]);
    if (b < 0x80) {
        c = b;
        return true;
    }
    int faltan = 0;
    uint8_t minimo = 0x80, maximo = 0xBF;   // the second byte's range rules out overlong forms and surrogates
    if (b >= 0xC2 && b <= 0xDF) {
        faltan = 1;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        faltan = 2;
        c = b & 0x0F;
        if (b == 0xE0) minimo = 0xA0;
        if (b == 0xED) maximo = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        faltan = 3;
        c = b & 0x07;
        if (b == 0xF0) minimo = 0x90;
        if (b == 0xF4) maximo = 0x8F;
    } else {
        return false;
    }
    for (int k = 0; k < faltan; ++k) {
        if (i >= t.size()) return false;
        const auto s = static_cast<uint8_t>(t[i]);
        if (s < minimo || s > maximo) return false;
        minimo = 0x80;
        maximo = 0xBF;
        c = (c << 6) | (s & 0x3F);
        ++i;
    }
    return true;
}

} // namespace

std::string A1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        bytes += LeerUtf8(utf8, i, c) ? ByteDe(c) : Ninguno;
    }
    return bytes;
}

std::string De1252(std::string_view bytes)
{
    std::string texto;
    texto.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        AnexarCaracter(texto, u >= 0x80 && u < 0xA0 ? Tabla80[u - 0x80] : char32_t(u));
    }
    return texto;
}
