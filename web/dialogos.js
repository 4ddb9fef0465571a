// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one modal dialog: a message, a long text, a box to copy or paste into.
import { $, Crear } from './elementos.js';
import { SinLlegada, VolverAlDetector } from './foco.js';
import { CerrarMenu } from './menus.js';

const dialogo = $('dialogo');
let alCerrar = null;
let T = null;   // the game's words for OK and Close

export function IniciarDialogos(textos) {
    T = textos;
}

export const DialogoAbierto = () => dialogo.open;

export function AbrirDialogo(titulo, contenido, enfocar, rol = 'dialog') {
    CerrarMenu(false);
    dialogo.replaceChildren();
    dialogo.setAttribute('role', rol);
    const h = Crear('h2', { id: 'titulo-dialogo' }, titulo);
    dialogo.setAttribute('aria-labelledby', 'titulo-dialogo');
    dialogo.append(h, ...contenido);
    if (!dialogo.open) dialogo.showModal();
    (enfocar || dialogo).focus();
    return new Promise((resolver) => { alCerrar = resolver; });
}

export function CerrarDialogo(valor) {
    // Closing gives the focus back to where it was, the detector maybe: no arrival either.
    SinLlegada(() => { if (dialogo.open) dialogo.close(); });
    const r = alCerrar;
    alCerrar = null;
    VolverAlDetector();
    if (r) r(valor);
}
dialogo.addEventListener('cancel', (ev) => { ev.preventDefault(); CerrarDialogo(null); });

export function BotonCerrar(texto, valor) {
    const b = Crear('button', { type: 'button' }, texto);
    b.addEventListener('click', () => CerrarDialogo(valor === undefined ? null : valor()));
    return b;
}

export function Mensaje(texto) {
    const p = Crear('p', { id: 'texto-mensaje' }, texto);
    const ok = BotonCerrar(T.aceptar);
    dialogo.setAttribute('aria-describedby', 'texto-mensaje');
    return AbrirDialogo(T.titulo, [p, ok], ok, 'alertdialog');
}

// Help and licence: the text first, where the reader starts, then OK.
export function MostrarTexto(titulo, nombre, texto) {
    dialogo.removeAttribute('aria-describedby');
    const area = Crear('textarea', { readonly: '', rows: '16', 'aria-label': nombre, class: 'texto-largo' });
    area.value = texto;
    area.addEventListener('keydown', (ev) => {
        if (ev.key === 'Enter') { ev.preventDefault(); CerrarDialogo(null); }
    });
    return AbrirDialogo(titulo, [area, BotonCerrar(T.aceptar)], area);
}

// A box that says what it is for: pasting a puzzle (Enter takes it) or copying the board.
export function CajaDeTexto(etiqueta, texto, pegar) {
    dialogo.removeAttribute('aria-describedby');
    const caja = Crear('input', { type: 'text', 'aria-label': etiqueta, class: 'caja' });
    caja.value = texto;
    const l = Crear('label', {}, etiqueta);
    caja.id = 'caja-texto';
    l.setAttribute('for', 'caja-texto');
    caja.addEventListener('keydown', (ev) => {
        if (ev.key === 'Enter') { ev.preventDefault(); CerrarDialogo(pegar ? caja.value : null); }
    });
    const promesa = AbrirDialogo(etiqueta, [l, caja, pegar ? BotonCerrar(T.aceptar, () => caja.value) : BotonCerrar(T.cerrar)], caja);
    caja.select();
    return promesa.then((v) => (v === null ? '' : v));
}
