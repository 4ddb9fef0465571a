// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include "Teclas.h"

class QKeyEvent;

// Virtual-key codes the dispatcher speaks (37 Left, 112 F1, 93 Applications...).
int CodigoTecla(int teclaQt);
// The same for a whole keystroke, which also tells a keypad digit (VK_NUMPAD0 + digit)
// from the main row's.
int CodigoTecla(const QKeyEvent& evento);

// The digit printed on a keypad key, 1 to 9, whether NumLock made it a digit or a
// movement (End, Down, Page Down, Left, the middle key, Right, Home, Up, Page Up); 0
// for any other key.
int DigitoDelTeclado(const QKeyEvent& evento);

// Character codes a keystroke delivers to the key detector: Enter 13, Space 32,
// Backspace 8 and printable characters. Escape, Tab and other control codes give
// none, so no invisible code ever lands in a cell.
QList<int> CodigosCaracter(const QKeyEvent& evento);
