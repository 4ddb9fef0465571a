// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// One keystroke read from a terminal, as the game takes keys: its virtual-key code
// (0 when the game has none for it) and the UTF-16 units it types.
struct Pulsacion {
    int codigo = 0;
    std::u16string caracteres;
    bool control = false;   // a control letter (Ctrl+T…), codigo holds its letter
    bool fin = false;       // the input ended
};

// Puts the terminal in raw mode while it lives (when the input is one), and back after.
class ModoCrudo {
public:
    explicit ModoCrudo(int descriptor);
    ~ModoCrudo();
    ModoCrudo(const ModoCrudo&) = delete;
    ModoCrudo& operator=(const ModoCrudo&) = delete;

private:
    struct Guardado;
    Guardado* guardado_ = nullptr;
    int descriptor_;
};

// Reads the next keystroke: arrows, Home/End, Page Up/Down, Delete, Insert and the
// F-keys as xterm, VT220 and the Linux console send them, Enter, Space, Backspace,
// Escape alone, control letters, and UTF-8 text.
Pulsacion LeerPulsacion(int descriptor);
