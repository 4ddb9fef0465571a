// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodigosTecla.h"
#include <QKeyEvent>

int CodigoTecla(int teclaQt)
{
    if (teclaQt >= Qt::Key_A && teclaQt <= Qt::Key_Z) return teclaQt;   // 65..90, as the VK codes
    if (teclaQt >= Qt::Key_0 && teclaQt <= Qt::Key_9) return teclaQt;   // 48..57
    if (teclaQt >= Qt::Key_F1 && teclaQt <= Qt::Key_F24) return 112 + (teclaQt - Qt::Key_F1);
    switch (teclaQt) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Meta: return 91;
    case Qt::Key_Menu: return 93;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: return 0;
    }
}

int CodigoTecla(const QKeyEvent& evento)
{
    const int tecla = evento.key();
    if ((evento.modifiers() & Qt::KeypadModifier) && tecla >= Qt::Key_0 && tecla <= Qt::Key_9)
        return VK_NUMPAD0 + (tecla - Qt::Key_0);
    return CodigoTecla(tecla);
}

int DigitoDelTeclado(const QKeyEvent& evento)
{
    if (!(evento.modifiers() & Qt::KeypadModifier)) return 0;
    const int tecla = evento.key();
    if (tecla >= Qt::Key_1 && tecla <= Qt::Key_9) return tecla - Qt::Key_0;
    // Without NumLock, in the order of the digits the keys carry.
    static constexpr int sinBloqueo[9] = {Qt::Key_End, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Clear,
                                          Qt::Key_Right, Qt::Key_Home, Qt::Key_Up, Qt::Key_PageUp};
    for (int d = 1; d <= 9; ++d)
        if (sinBloqueo[d - 1] == tecla) return d;
    return 0;
}

QList<int> CodigosCaracter(const QKeyEvent& evento)
{
    QList<int> codigos;
    switch (evento.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: codigos.append(13); return codigos;
    case Qt::Key_Backspace: codigos.append(8); return codigos;
    default: break;
    }
    // Control+letter is a command, never text, whatever the platform puts in text().
    const auto mod = evento.modifiers();
    if ((mod & Qt::ControlModifier) && !(mod & Qt::AltModifier)) return codigos;
    for (const QChar c : evento.text()) {
        if (c == QLatin1Char(' ')) codigos.append(32);
        else if (c.isPrint()) codigos.append(c.unicode());
    }
    return codigos;
}
