// SPDX-License-Identifier: GPL-3.0-or-later
// The sudoku of the day on the page: its three buttons, and the time played stopped
// while the page is hidden. The words are the game's, as everywhere on the page.
import { Crear } from './elementos.js';

// The share sheet where the browser has one; the game's result copies to the clipboard otherwise.
async function Compartir(N) {
    const r = N.compartir();
    if (r.portapapeles !== null && navigator.share) {
        try {
            await navigator.share({ text: r.portapapeles });
            r.portapapeles = null;   // shared: nothing for the clipboard
        } catch (e) { /* closed or refused: the clipboard */ }
    }
    return r;
}

export function IniciarDia(juego, contenedor) {
    const { N, T, Accion } = juego;
    for (const [clave, hacer] of [
        ['sudokuDelDia', () => N.sudokuDelDia()],
        ['estadisticas', () => N.estadisticas()],
        ['compartir', () => Compartir(N)],
    ]) {
        const b = Crear('button', { type: 'button', id: 'dia-' + clave }, T[clave]);
        b.addEventListener('click', () => Accion(hacer));
        contenedor.append(b);
    }
    document.addEventListener('visibilitychange', () => (document.hidden ? N.pausar() : N.seguir()));
}
