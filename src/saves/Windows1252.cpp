// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows1252.h"

namespace {

// Bytes 0x80 to 0x9F; the rest of the set equals Latin-1.
constexpr char16_t Tabla80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char ByteDe(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (Tabla80[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray A1252(const QString& texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            ++i;   // one character outside the set, one '?'
            bytes += '?';
        } else if (c.isSurrogate()) {
            bytes += '?';
        } else {
            bytes += ByteDe(c.unicode());
        }
    }
    return bytes;
}

QString De1252(QByteArrayView bytes)
{
    QString texto;
    texto.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        texto += QChar(u >= 0x80 && u < 0xA0 ? Tabla80[u - 0x80] : char16_t(u));
    }
    return texto;
}
