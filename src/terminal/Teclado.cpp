// SPDX-License-Identifier: GPL-3.0-or-later
#include "Teclado.h"
#include "Teclas.h"
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <cstdint>

namespace {

constexpr unsigned char Esc = 0x1B, Supr = 0x7F, CtrlEspacio = 0x00;
// After an Escape, what follows this soon belongs to the same key.
constexpr int EsperaSecuenciaMs = 50;

// -1: nothing more (end of input, or nothing within the wait when esperaMs >= 0).
int LeerByte(int d, int esperaMs = -1)
{
    if (esperaMs >= 0) {
        pollfd p{d, POLLIN, 0};
        if (poll(&p, 1, esperaMs) <= 0) return -1;
    }
    unsigned char b = 0;
    {
        const ssize_t n = read(d, &b, 1);
        // A signal (the terminal closed, the session ending) ends the input as its end does.
        return n == 1 ? b : -1;
    }
}

// "ESC [ n ~": the VT220 keys by their number.
int PorNumero(int n)
{
    switch (n) {
    case 1: case 7: return VK_HOME;
    case 2: return 0;   // Insert: nothing in the game
    case 3: return VK_DELETE;
    case 4: case 8: return VK_END;
    case 5: return VK_PRIOR;
    case 6: return VK_NEXT;
    case 11: case 12: case 13: case 14: case 15: return VK_F1 + (n - 11);
    case 17: case 18: case 19: case 20: case 21: return VK_F1 + 5 + (n - 17);
    case 23: case 24: return VK_F1 + 10 + (n - 23);
    default: return 0;
    }
}

// The final letter of "ESC [ x" or "ESC O x".
int PorLetra(int letra)
{
    switch (letra) {
    case 'A': return VK_UP;
    case 'B': return VK_DOWN;
    case 'C': return VK_RIGHT;
    case 'D': return VK_LEFT;
    case 'H': return VK_HOME;
    case 'F': return VK_END;
    case 'P': case 'Q': case 'R': case 'S': return VK_F1 + (letra - 'P');
    default: return 0;
    }
}

Pulsacion Secuencia(int d)
{
    Pulsacion p;
    const int segundo = LeerByte(d, EsperaSecuenciaMs);
    if (segundo < 0) {
        p.codigo = VK_ESCAPE;
        return p;
    }
    if (segundo == 'O') {
        p.codigo = PorLetra(LeerByte(d, EsperaSecuenciaMs));
        return p;
    }
    if (segundo != '[') return p;   // Alt and a key: the game has no use for it
    int b = LeerByte(d, EsperaSecuenciaMs);
    if (b == '[') {   // the Linux console's F1 to F5
        const int letra = LeerByte(d, EsperaSecuenciaMs);
        if (letra >= 'A' && letra <= 'E') p.codigo = VK_F1 + (letra - 'A');
        return p;
    }
    int numero = 0;
    while (b >= '0' && b <= '9') {
        numero = numero * 10 + (b - '0');
        b = LeerByte(d, EsperaSecuenciaMs);
    }
    while (b == ';' || (b >= '0' && b <= '9')) b = LeerByte(d, EsperaSecuenciaMs);   // modifiers: ignored
    p.codigo = b == '~' ? PorNumero(numero) : PorLetra(b);
    return p;
}

void AnexarUtf16(std::u16string& t, char32_t c)
{
    if (c < 0x10000) {
        t += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        t += static_cast<char16_t>(0xD800 + (c >> 10));
        t += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

} // namespace

struct ModoCrudo::Guardado {
    termios antes;
};

ModoCrudo::ModoCrudo(int descriptor) : descriptor_(descriptor)
{
    termios t{};
    if (!isatty(descriptor) || tcgetattr(descriptor, &t) != 0) return;
    guardado_ = new Guardado{t};
    // Every key as it comes, unechoed; Ctrl+C and Ctrl+S reach the game as keys.
    t.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | ISIG | IEXTEN));
    t.c_iflag &= static_cast<tcflag_t>(~(IXON | ICRNL | INLCR | ISTRIP));
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    // TCSANOW, not TCSAFLUSH: keys typed while the game was starting are kept, not lost.
    tcsetattr(descriptor, TCSANOW, &t);
}

ModoCrudo::~ModoCrudo()
{
    if (!guardado_) return;
    tcsetattr(descriptor_, TCSAFLUSH, &guardado_->antes);
    delete guardado_;
}

Pulsacion LeerPulsacion(int d)
{
    Pulsacion p;
    const int b = LeerByte(d);
    if (b < 0) {
        p.fin = true;
        return p;
    }
    if (b == Esc) return Secuencia(d);
    if (b == '\r' || b == '\n') {
        p.codigo = VK_RETURN;
        p.caracteres = u"\r";
    } else if (b == Supr || b == '\b') {
        p.codigo = VK_BACK;
        p.caracteres = u"\b";
    } else if (b == '\t') {
        p.codigo = VK_TAB;
    } else if (b == CtrlEspacio) {
        p.codigo = VK_CONTROL;   // a terminal never sends Ctrl alone
    } else if (b < ' ') {
        p.control = true;
        p.codigo = 'A' + b - 1;
    } else if (b < 0x80) {
        const char c = static_cast<char>(b);
        if (c >= 'a' && c <= 'z') p.codigo = c - 'a' + 'A';
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') p.codigo = c;
        p.caracteres = std::u16string(1, static_cast<char16_t>(c));
    } else {
        // UTF-8: the lead byte says how many follow; a broken sequence types nothing.
        const int siguen = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
        if (siguen < 0) return p;
        char32_t c = static_cast<char32_t>(b & (0x3F >> siguen));
        for (int i = 0; i < siguen; ++i) {
            const int s = LeerByte(d, EsperaSecuenciaMs);
            if (s < 0 || (s & 0xC0) != 0x80) return p;
            c = (c << 6) | static_cast<char32_t>(s & 0x3F);
        }
        if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return p;
        AnexarUtf16(p.caracteres, c);
    }
    return p;
}
