// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's words go: the live region, read by the player's screen reader, or in
// gesture mode the page's own voice (Web Speech), the reader being off. One route at a time.

let region = null;
let propia = null;   // { idioma, velocidad } while the page speaks itself

export function IniciarVoz(elemento) {
    region = elemento;
}

export function VozPropia(activada, idioma, velocidad) {
    propia = activada && 'speechSynthesis' in window ? { idioma, velocidad } : null;
    if (!propia && 'speechSynthesis' in window) window.speechSynthesis.cancel();
}
export function CambiarVelocidad(velocidad) {
    if (propia) propia.velocidad = velocidad;
}

function Hablar(texto, seguir) {
    const s = window.speechSynthesis;
    // As a screen reader does: what is said now cuts short what was still being said.
    if (!seguir) s.cancel();
    const u = new SpeechSynthesisUtterance(texto);
    u.lang = propia.idioma;
    u.rate = propia.velocidad;
    const voz = s.getVoices().find((v) => v.lang.toLowerCase().startsWith(propia.idioma));
    if (voz) u.voice = voz;
    s.speak(u);
}

// seguir: said after what is being said, not over it (a message after the key's words).
export function Decir(texto, seguir = false) {
    if (!texto) return;
    if (propia) { Hablar(texto, seguir); return; }
    if (!region) return;
    // The same words twice in a row must be heard twice: a no-break space tells them apart.
    region.textContent = region.textContent === texto ? texto + '\u00a0' : texto;
}
