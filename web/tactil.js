// SPDX-License-Identifier: GPL-3.0-or-later
// The controls for touch, in the order a phone's screen reader swipes through them: the
// cursor's row and column as two sliders the reader adjusts, the nine digits, the pad's
// actions and a menu with the rest. Each is the key that does the same.
import { Crear } from './elementos.js';
import { Menu } from './menus.js';
import { DEL_TECLADO, MAS, Hacer } from './acciones.js';

const VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40;
// One step past each end, so a step there reaches the game, which beeps at the edge.
const FUERA_ANTES = 0, FUERA_DESPUES = 10;

export function CrearTactil(seccion, juego) {
    const { N, T, Accion } = juego;
    seccion.setAttribute('aria-label', T.tactil);

    // A slider's step is an arrow key: the same words, said by the reader as the slider's
    // value, so the live region keeps quiet for it.
    const cursor = Crear('div', { class: 'cursor' });
    const deslizadores = [['filaCursor', VK_UP, VK_DOWN, (i) => Math.floor(i / 9)], ['columnaCursor', VK_LEFT, VK_RIGHT, (i) => i % 9]]
        .map(([clave, menos, mas, deCelda]) => {
            const control = Crear('input', { type: 'range', id: 'cursor-' + clave, min: String(FUERA_ANTES), max: String(FUERA_DESPUES),
                                             step: '1', value: '1', 'aria-label': T[clave] });
            const d = { control, deCelda };
            control.addEventListener('input', () => {
                const antes = deCelda(juego.vista().actual) + 1;
                const pedido = Number(control.value);
                const destino = Math.min(Math.max(pedido, FUERA_ANTES + 1), FUERA_DESPUES - 1);
                // At an edge the step still goes to the game, for its beep.
                const pasos = destino === antes ? 1 : Math.abs(destino - antes);
                const codigo = pedido < antes ? menos : mas;
                for (let n = 0; n < pasos; n++) {
                    Accion(() => N.tecla(codigo, 0, []), {
                        callado: true,
                        luego: (r) => { if (r.dicho) control.setAttribute('aria-valuetext', r.dicho); },
                    });
                }
            });
            cursor.append(control);
            return d;
        });

    const cifras = Crear('div', { role: 'group', 'aria-label': T.cifras, class: 'cifras' });
    for (let d = 1; d <= 9; d++) {
        const b = Crear('button', { type: 'button', class: 'tecla' }, String(d));
        b.addEventListener('click', () => Accion(() => N.cifra(d)));
        cifras.append(b);
    }
    const acciones = Crear('div', { class: 'acciones' });
    for (const [clave, accion] of DEL_TECLADO) {
        const b = Crear('button', { type: 'button', class: 'tecla' }, T[clave]);
        b.addEventListener('click', () => Hacer(juego, accion));
        acciones.append(b);
    }
    // Choosing keeps the focus on the menu's button: a move to the board would be heard over the answer.
    const mas = Menu(T.masAcciones, MAS.map(([clave]) => T[clave]), null, (i) => Hacer(juego, MAS[i][1]), 'mas',
                     () => mas.boton.focus());
    mas.boton.classList.add('tecla');
    const envoltorio = Crear('div', { class: 'menu-envoltorio' });
    envoltorio.append(mas.boton, mas.lista);
    acciones.append(envoltorio);
    seccion.append(cursor, cifras, acciones);

    // The sliders follow the cursor however it moved; their words are the cell's.
    function Seguir(vista) {
        for (const { control, deCelda } of deslizadores) {
            const valor = String(deCelda(vista.actual) + 1);
            if (control.value !== valor) control.value = valor;
            if (document.activeElement !== control) {
                const oido = vista.celdas[vista.actual].oido;
                if (control.getAttribute('aria-valuetext') !== oido) control.setAttribute('aria-valuetext', oido);
            }
        }
    }
    return { Seguir };
}
