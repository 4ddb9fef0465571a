// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard, and a box in its place where the browser keeps it from the page.
import { CajaDeTexto } from './dialogos.js';

let copiado = '';

export function Copiar(texto, etiqueta) {
    copiado = texto;
    const escribir = navigator.clipboard && navigator.clipboard.writeText ? navigator.clipboard.writeText(texto) : Promise.reject();
    escribir.catch(() => CajaDeTexto(etiqueta, texto, false));
}

// The clipboard when the browser lets the page read it, else a box to paste into.
export async function Pegado(etiqueta) {
    try {
        if (navigator.clipboard && navigator.clipboard.readText) return await navigator.clipboard.readText();
    } catch (e) { /* refused: the box below */ }
    return CajaDeTexto(etiqueta, copiado, true);
}
