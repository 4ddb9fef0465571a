// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers for building and updating the page's elements.

export const $ = (id) => document.getElementById(id);

export function Crear(tipo, atributos = {}, texto) {
    const e = document.createElement(tipo);
    for (const [k, v] of Object.entries(atributos)) e.setAttribute(k, v);
    if (texto !== undefined) e.textContent = texto;
    return e;
}

// Only what changed is touched: every change is an event a screen reader may speak.
export function Poner(elemento, propiedad, valor) {
    if (elemento[propiedad] !== valor) elemento[propiedad] = valor;
}
export function Atributo(elemento, nombre, valor) {
    if (elemento.getAttribute(nombre) !== valor) elemento.setAttribute(nombre, valor);
}
