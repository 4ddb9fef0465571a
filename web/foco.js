// SPDX-License-Identifier: GPL-3.0-or-later
// The key detector's focus. A player arriving at the board is told where the cursor is;
// focus the page hands back (a menu or a dialog closing) is no arrival.

let detector = null;
let devolviendo = false;

export function IniciarFoco(elemento, alLlegar) {
    detector = elemento;
    detector.addEventListener('focus', () => { if (!devolviendo) alLlegar(); });
}

// Runs hacer, whose focus moves are the page's, not the player's.
export function SinLlegada(hacer) {
    devolviendo = true;
    try { hacer(); } finally { devolviendo = false; }
}

export function VolverAlDetector() {
    SinLlegada(() => detector.focus());
}

export const EnDetector = () => document.activeElement === detector;
