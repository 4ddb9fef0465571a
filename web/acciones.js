// SPDX-License-Identifier: GPL-3.0-or-later
// What touch reaches besides the digits: each action is the key that does the same, or
// one of the window's buttons. Their names are the game's (T).
import { Pegado } from './portapapeles.js';

const VK_CONTROL = 17, VK_DELETE = 46, VK_F9 = 120;
const VK_I = 'I'.charCodeAt(0);

// The pad's row of actions, always in sight while solving.
export const DEL_TECLADO = [['modoNotas', 'L'], ['borrar', VK_DELETE], ['fila', 'F'], ['columna', 'C'], ['panel', 'T'],
                            ['caben', 'N'], ['donde', 'D'], ['pista', 'H'], ['grado', 'G'], ['deshacer', 'Z']];
// The rest, in a menu.
export const MAS = [['siguienteVacia', 'S'], ['faltan', 'R'], ['vacias', 'Q'], ['leerCasilla', 'V'], ['provisional', VK_CONTROL],
                    ['llenarNotas', 'M'], ['escrituraDirecta', 'K'], ['avisoRepetido', 'E'], ['avisoOriginal', 'O'],
                    ['solucionUnica', 'U'], ['cambiarDificultad', 'B'], ['copiarSudoku', 'X'], ['pegarSudoku', 'I'],
                    ['sonidoPanel', VK_F9], ['comprobar', 'comprobar'], ['nuevo', 'nuevo'], ['verSolucion', 'verSolucion'],
                    ['guardar', 'guardar'], ['cargar', 'cargar'], ['ayuda', 'ayuda']];

// A key to the game; I first takes the clipboard, or what the player pastes.
export function Pulsar(juego, codigo, digito = 0, unidades = [], opciones) {
    const { N, T, Accion } = juego;
    if (codigo === VK_I) return Accion(async () => { N.portapapeles(await Pegado(T.pegar)); return N.tecla(codigo, digito, unidades); }, opciones);
    return Accion(() => N.tecla(codigo, digito, unidades), opciones);
}

// accion: a key code, a letter, or the name of one of the page's buttons (juego.botones).
export function Hacer(juego, accion, opciones) {
    if (typeof accion === 'number') return Pulsar(juego, accion, 0, [], opciones);
    if (accion.length === 1) return Pulsar(juego, accion.charCodeAt(0), 0, [], opciones);
    return juego.botones[accion]();
}
