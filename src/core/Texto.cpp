// SPDX-License-Identifier: GPL-3.0-or-later
#include "Texto.h"

std::string SinBlancos(std::string_view t)
{
    size_t a = 0, b = t.size();
    while (a < b && t[a] == ' ') ++a;
    while (b > a && t[b - 1] == ' ') --b;
    return std::string(t.substr(a, b - a));
}

size_t UnidadesUtf16(std::string_view t)
{
    size_t n = 0;
    for (const char c : t) {
        const auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) == 0x80) continue;   // a continuation byte adds nothing
        n += b >= 0xF0 ? 2 : 1;             // past the basic plane: a surrogate pair
    }
    return n;
}

void AnexarCaracter(std::string& t, char32_t c)
{
    if (c < 0x80) {
        t += static_cast<char>(c);
    } else if (c < 0x800) {
        t += static_cast<char>(0xC0 | (c >> 6));
        t += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        t += static_cast<char>(0xE0 | (c >> 12));
        t += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        t += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        t += static_cast<char>(0xF0 | (c >> 18));
        t += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        t += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        t += static_cast<char>(0x80 | (c & 0x3F));
    }
}
