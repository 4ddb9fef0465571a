// SPDX-License-Identifier: GPL-3.0-or-later
// The pad for touch: the nine digits, and buttons that are each the key doing the same.
import { Crear } from './elementos.js';

const VK_DELETE = 46;
const ACCIONES = [['modoNotas', 'L'], ['borrar', null], ['fila', 'F'], ['columna', 'C'], ['panel', 'T'],
                  ['caben', 'N'], ['donde', 'D'], ['pista', 'H'], ['grado', 'G'], ['deshacer', 'Z']];

export function CrearTactil(seccion, juego) {
    const { N, T, Accion } = juego;
    seccion.setAttribute('aria-label', T.tactil);
    const cifras = Crear('div', { role: 'group', 'aria-label': T.cifras, class: 'cifras' });
    for (let d = 1; d <= 9; d++) {
        const b = Crear('button', { type: 'button', class: 'tecla' }, String(d));
        b.addEventListener('click', () => Accion(() => N.cifra(d)));
        cifras.append(b);
    }
    const acciones = Crear('div', { class: 'acciones' });
    for (const [clave, letra] of ACCIONES) {
        const b = Crear('button', { type: 'button', class: 'tecla' }, T[clave]);
        const codigo = letra ? letra.charCodeAt(0) : VK_DELETE;
        b.addEventListener('click', () => Accion(() => N.tecla(codigo, 0, [])));
        acciones.append(b);
    }
    seccion.append(cifras, acciones);
}
