// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds through Web Audio: the beep at an edge and the panel's cue.

const PITIDO = { hz: 880, segundos: 0.12, volumen: 0.2 };
const ARCHIVO_PANEL = 'CambioTablero.wav';

let audio = null, cambioPanel = null, sonando = null;

function ContextoSonido() {
    if (audio) return audio;
    const Contexto = window.AudioContext || window.webkitAudioContext;
    if (!Contexto) return null;
    audio = new Contexto();
    fetch(ARCHIVO_PANEL).then((r) => r.arrayBuffer()).then((b) => audio.decodeAudioData(b))
        .then((buffer) => { cambioPanel = buffer; }).catch(() => {});
    return audio;
}

export function Pitar() {
    const a = ContextoSonido();
    if (!a) return;
    const o = a.createOscillator(), g = a.createGain();
    o.frequency.value = PITIDO.hz;
    g.gain.value = PITIDO.volumen;
    o.connect(g).connect(a.destination);
    o.start();
    o.stop(a.currentTime + PITIDO.segundos);
}

export function SonarPanel(suena) {
    if (sonando) { try { sonando.stop(); } catch (e) { /* already over */ } sonando = null; }
    const a = ContextoSonido();
    if (!suena || !a || !cambioPanel) return;
    sonando = a.createBufferSource();
    sonando.buffer = cambioPanel;
    sonando.connect(a.destination);
    sonando.start();
}

// Browsers let a page sound only after the player touched or typed something.
export function DespertarSonido() {
    const a = ContextoSonido();
    if (a && a.state === 'suspended') a.resume();
}

// The first touch or key wakes the sound, whichever way the browser reports it.
export function IniciarSonido() {
    document.addEventListener('pointerdown', DespertarSonido, true);
}
