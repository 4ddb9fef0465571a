// SPDX-License-Identifier: GPL-3.0-or-later
// The nine slots, each to save or load, each downloadable; a .sav from the computer.
import { Crear } from './elementos.js';
import { AbrirDialogo, BotonCerrar, CerrarDialogo } from './dialogos.js';
import { Descargar } from './almacen.js';

export function AbrirLugares(juego, guardar) {
    const { N, T, Accion } = juego;
    const lista = Crear('ul', { class: 'lugares' });
    T.lugares.forEach((nombre, i) => {
        const n = i + 1;
        const elemento = Crear('li');
        const b = Crear('button', { type: 'button', id: 'lugar-' + n }, nombre);
        b.addEventListener('click', () => { CerrarDialogo(null); Accion(() => (guardar ? N.guardar(n) : N.cargar(n))); });
        const archivo = 'Novaro' + n + '.sav';
        const bajar = Crear('button', { type: 'button', id: 'bajar-' + n }, T.descargar.replace('%1', archivo));
        bajar.addEventListener('click', () => {
            const bytes = N.ranura(n);
            if (bytes === null) { CerrarDialogo(null); Accion(() => N.cargar(n)); return; }   // says the slot is empty
            Descargar(archivo, bytes);
        });
        elemento.append(b, bajar);
        lista.append(elemento);
    });
    const contenido = [lista];
    if (!guardar) {
        const entrada = Crear('input', { type: 'file', accept: '.sav', id: 'archivo-sav' });
        const l = Crear('label', { for: 'archivo-sav' }, T.archivo);
        entrada.addEventListener('change', async () => {
            const f = entrada.files && entrada.files[0];
            if (!f) return;
            const bytes = new Uint8Array(await f.arrayBuffer());
            CerrarDialogo(null);
            Accion(() => N.abrirArchivo(f.name, bytes));
        });
        contenido.push(l, entrada);
    }
    contenido.push(BotonCerrar(T.cerrar));
    return AbrirDialogo(guardar ? T.guardar : T.cargar, contenido, lista.querySelector('button'));
}
