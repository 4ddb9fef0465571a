// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Virtual-key codes of the keys the key detector acts on: every front end hands the
// game its keys in these codes, so the dispatcher reads like the designed tables.
inline constexpr int VK_TAB = 9;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_F1 = 112;
inline constexpr int VK_BACK = 8;
inline constexpr int VK_CONTROL = 17;
inline constexpr int VK_PRIOR = 33;   // Page Up
inline constexpr int VK_NEXT = 34;    // Page Down
inline constexpr int VK_END = 35;
inline constexpr int VK_HOME = 36;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;
inline constexpr int VK_DELETE = 46;
inline constexpr int VK_APPS = 93;    // the context-menu key
inline constexpr int VK_NUMPAD0 = 96;  // the keypad's digits with NumLock on: VK_NUMPAD0 + digit
inline constexpr int VK_F8 = 119;
inline constexpr int VK_F9 = 120;
// A digit of the main row, or a letter: its character's code (a letter's capital's).
inline constexpr int VK_0 = '0';
inline constexpr int VK_A = 'A';
inline constexpr int VK_B = 'B';
inline constexpr int VK_C = 'C';
inline constexpr int VK_D = 'D';
inline constexpr int VK_E = 'E';
inline constexpr int VK_F = 'F';
inline constexpr int VK_G = 'G';
inline constexpr int VK_H = 'H';
inline constexpr int VK_I = 'I';
inline constexpr int VK_J = 'J';
inline constexpr int VK_K = 'K';
inline constexpr int VK_L = 'L';
inline constexpr int VK_M = 'M';
inline constexpr int VK_N = 'N';
inline constexpr int VK_O = 'O';
inline constexpr int VK_P = 'P';
inline constexpr int VK_Q = 'Q';
inline constexpr int VK_R = 'R';
inline constexpr int VK_S = 'S';
inline constexpr int VK_T = 'T';
inline constexpr int VK_U = 'U';
inline constexpr int VK_V = 'V';
inline constexpr int VK_W = 'W';
inline constexpr int VK_X = 'X';
inline constexpr int VK_Y = 'Y';
inline constexpr int VK_Z = 'Z';

