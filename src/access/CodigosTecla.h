#pragma once
#include <QList>

class QKeyEvent;

// Virtual-key codes the dispatcher speaks (37 Left, 112 F1, 93 Applications...).
int CodigoTecla(int teclaQt);

// Character codes a keystroke delivers to the key detector: Enter 13, Space 32,
// Backspace 8 and printable characters. Escape, Tab and other control codes give
// none, so no invisible code ever lands in a cell.
QList<int> CodigosCaracter(const QKeyEvent& evento);
