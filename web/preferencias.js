// SPDX-License-Identifier: GPL-3.0-or-later
// The page's own choices, kept in the browser apart from the game's files: gesture mode
// and the voice's rate. ?gestos=1 or ?gestos=0 in the address sets the mode and keeps it.

const CLAVE_GESTOS = 'novaro-pagina/gestos';
const CLAVE_VELOCIDAD = 'novaro-pagina/velocidad';
export const VELOCIDAD = { minima: 0.5, maxima: 3, paso: 0.25, normal: 1 };

function Leer(clave) {
    try { return window.localStorage.getItem(clave); } catch (e) { return null; }   // blocked: the defaults
}
function Escribir(clave, valor) {
    try { window.localStorage.setItem(clave, valor); } catch (e) { /* not kept: the choice still holds now */ }
}

export function GestosElegidos(parametros) {
    const pedido = parametros.get('gestos');
    if (pedido === '1' || pedido === '0') Escribir(CLAVE_GESTOS, pedido);
    return (pedido ?? Leer(CLAVE_GESTOS)) === '1';
}
export const GuardarGestos = (activado) => Escribir(CLAVE_GESTOS, activado ? '1' : '0');

// A damaged or missing value is the normal rate.
export function Velocidad() {
    const v = Number(Leer(CLAVE_VELOCIDAD));
    return Number.isFinite(v) && v >= VELOCIDAD.minima && v <= VELOCIDAD.maxima ? v : VELOCIDAD.normal;
}
export function GuardarVelocidad(v) {
    const acotada = Math.min(Math.max(v, VELOCIDAD.minima), VELOCIDAD.maxima);
    Escribir(CLAVE_VELOCIDAD, String(acotada));
    return acotada;
}
