// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's keys in the game's key codes, as the window's detector gets them.
export const Teclas = (() => {
    const VK_NUMPAD0 = 96;
    const VK_F1 = 112;
    const nombres = {
        Backspace: 8, Enter: 13, ' ': 32, PageUp: 33, PageDown: 34, End: 35, Home: 36,
        ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, Delete: 46,
        F8: 119, F9: 120,
    };
    // What a key types, as UTF-16 units; Enter and Backspace type their control characters.
    const escritos = { Enter: [13], Backspace: [8] };

    // {codigo, digito, unidades} for a key the game takes, null for one the browser keeps
    // (Tab, shortcuts with Control, Alt or Meta, the function keys the game has no use for).
    // The context-menu key comes as the browser's contextmenu event, which Shift+F10 also
    // raises: taking the key too would open the Botonera twice.
    function Traducir(ev) {
        if (ev.ctrlKey || ev.altKey || ev.metaKey) return null;
        const k = ev.key;
        const teclado = /^Numpad([0-9])$/.exec(ev.code || '');
        // The keypad's digit goes along even where NumLock off makes the key a movement.
        const digito = teclado ? Number(teclado[1]) : 0;
        if (k.length === 1 || (k.length === 2 && k.codePointAt(0) > 0xffff)) {
            const mayuscula = k.toUpperCase();
            let codigo = 0;
            if (mayuscula >= 'A' && mayuscula <= 'Z') codigo = mayuscula.charCodeAt(0);
            else if (k >= '0' && k <= '9') codigo = teclado ? VK_NUMPAD0 + digito : k.charCodeAt(0);
            else if (k === ' ') codigo = 32;
            const unidades = [];
            for (let i = 0; i < k.length; i++) unidades.push(k.charCodeAt(i));
            return { codigo, digito, unidades };
        }
        if (k in nombres) return { codigo: nombres[k], digito, unidades: escritos[k] || [] };
        if (teclado) return { codigo: 0, digito, unidades: [] };   // 5 without NumLock
        return null;
    }

    return { Traducir, VK_CONTROL: 17, VK_APPS: 93 };
})();
