// SPDX-License-Identifier: GPL-3.0-or-later
// Menus: a button opening a list of choices, the chosen one checked; one open at a time.
import { Crear } from './elementos.js';
import { VolverAlDetector } from './foco.js';

let menuAbierto = null;
export const MenuAbierto = () => menuAbierto;

export function CerrarMenu(devolverFoco) {
    if (!menuAbierto) return;
    menuAbierto.lista.hidden = true;
    menuAbierto.boton.setAttribute('aria-expanded', 'false');
    menuAbierto = null;
    if (devolverFoco) VolverAlDetector();
}

// marcada: the index of the checked choice, or null for a menu of actions.
export function Menu(titulo, opciones, marcada, elegir, id) {
    const boton = Crear('button', { type: 'button', 'aria-haspopup': 'menu', 'aria-expanded': 'false', id: 'menu-' + id }, titulo);
    const lista = Crear('div', { role: 'menu', 'aria-label': titulo, class: 'menu', hidden: '' });
    const items = opciones.map((texto, i) => {
        const item = Crear('div', { role: marcada ? 'menuitemradio' : 'menuitem', tabindex: '-1' }, texto);
        item.addEventListener('click', () => { CerrarMenu(true); elegir(i); });
        lista.append(item);
        return item;
    });
    const menu = { boton, lista, items, marcada, abrir: null };
    menu.abrir = (primero) => {
        CerrarMenu(false);
        if (marcada) { const m = marcada(); items.forEach((it, i) => it.setAttribute('aria-checked', String(i === m))); }
        lista.hidden = false;
        boton.setAttribute('aria-expanded', 'true');
        menuAbierto = menu;
        const m = marcada ? marcada() : 0;
        items[primero === undefined ? m : primero].focus();
    };
    boton.addEventListener('click', () => (menuAbierto === menu ? CerrarMenu(false) : menu.abrir()));
    boton.addEventListener('keydown', (ev) => {
        if (ev.key === 'ArrowDown') { ev.preventDefault(); menu.abrir(); }
    });
    lista.addEventListener('keydown', (ev) => {
        const i = items.indexOf(document.activeElement);
        const ir = (n) => { ev.preventDefault(); items[(n + items.length) % items.length].focus(); };
        if (ev.key === 'ArrowDown') ir(i + 1);
        else if (ev.key === 'ArrowUp') ir(i - 1);
        else if (ev.key === 'Home') ir(0);
        else if (ev.key === 'End') ir(items.length - 1);
        else if (ev.key === 'Enter' || ev.key === ' ') { ev.preventDefault(); items[i].click(); }
        else if (ev.key === 'Escape') { ev.preventDefault(); ev.stopPropagation(); CerrarMenu(true); }
        else if (ev.key === 'Tab') CerrarMenu(false);
    });
    return menu;
}

// A click anywhere else closes the open menu.
document.addEventListener('click', (ev) => {
    if (menuAbierto && !menuAbierto.lista.contains(ev.target) && ev.target !== menuAbierto.boton) CerrarMenu(false);
});
