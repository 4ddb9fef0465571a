// SPDX-License-Identifier: GPL-3.0-or-later
// The board's view: 81 cells. The words a reader needs live inside each cell; the digit
// and the notes drawn for the eye are hidden from it.
import { Crear, Poner, Atributo } from './elementos.js';

export function CrearTablero(contenedor, tocar) {
    const celdas = [];
    for (let f = 0; f < 9; f++) {
        const fila = Crear('div', { role: 'row' });
        for (let c = 0; c < 9; c++) {
            const i = f * 9 + c;
            const celda = Crear('div', { role: 'gridcell', id: 'celda-' + i, class: 'celda' });
            if (c % 3 === 2 && c < 8) celda.classList.add('borde-derecho');
            if (f % 3 === 2 && f < 8) celda.classList.add('borde-inferior');
            const valor = Crear('span', { class: 'valor', 'aria-hidden': 'true' });
            const notas = Crear('span', { class: 'notas', 'aria-hidden': 'true' });
            const oido = Crear('span', { class: 'solo-lector' });
            celda.append(valor, notas, oido);
            celda.addEventListener('click', () => tocar(i));
            fila.append(celda);
            celdas.push({ celda, valor, notas, oido });
        }
        contenedor.append(fila);
    }

    // Only what changed is touched: a key must be heard as its one utterance alone.
    function Pintar(vista) {
        vista.celdas.forEach((c, i) => {
            const d = celdas[i];
            Poner(d.valor, 'textContent', c.texto === '-' ? '' : c.texto);
            Poner(d.notas, 'textContent', c.notas.join(' '));
            Poner(d.oido, 'textContent', c.oido);
            if (d.celda.classList.contains('dada') !== c.dado) d.celda.classList.toggle('dada', c.dado);
            if (d.celda.classList.contains('provisional') !== c.provisional) d.celda.classList.toggle('provisional', c.provisional);
            // aria-current, not aria-selected: a selection that moves is announced by readers.
            if (i === vista.actual) Atributo(d.celda, 'aria-current', 'true');
            else if (d.celda.hasAttribute('aria-current')) d.celda.removeAttribute('aria-current');
            Atributo(d.celda, 'aria-readonly', String(c.dado));
        });
    }
    return { Pintar };
}
