// SPDX-License-Identifier: GPL-3.0-or-later
// The game's files in the browser: bytes kept as base64 text, since localStorage holds only
// strings. The game judges what comes back; here a failure is only named.

const PREFIJO = 'novaro/';

function ABase64(bytes) {
    let s = '';
    for (let i = 0; i < bytes.length; i++) s += String.fromCharCode(bytes[i]);
    return btoa(s);
}
function DeBase64(texto) {
    let s;
    try { s = atob(texto); } catch (e) { s = texto; }   // damaged: the game judges the bytes
    const bytes = new Uint8Array(s.length);
    for (let i = 0; i < s.length; i++) bytes[i] = s.charCodeAt(i) & 0xff;
    return bytes;
}

export const almacen = {
    leer(nombre) {
        try {
            const t = window.localStorage.getItem(PREFIJO + nombre);
            return t === null ? null : DeBase64(t);
        } catch (e) { return 'bloqueado'; }
    },
    escribir(nombre, bytes) {
        try {
            window.localStorage.setItem(PREFIJO + nombre, ABase64(bytes));
            return '';
        } catch (e) {
            const lleno = e && (e.name === 'QuotaExceededError' || e.name === 'NS_ERROR_DOM_QUOTA_REACHED' || e.code === 22);
            return lleno ? 'lleno' : 'bloqueado';
        }
    },
};

// A file offered for download, as a browser saves one.
export function Descargar(nombre, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const a = document.createElement('a');
    a.href = url;
    a.download = nombre;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
}
