// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's words go: the one live region, read by the player's screen reader.

let region = null;

export function IniciarVoz(elemento) {
    region = elemento;
}

// The same words twice in a row must be heard twice: a no-break space tells them apart.
export function Decir(texto) {
    if (!texto || !region) return;
    region.textContent = region.textContent === texto ? texto + '\u00a0' : texto;
}
