// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds through Web Audio: the beep at an edge, the panel's cue, and the
// game's own sounds (J), whose tones the core gives: each oscillator placed in stereo.

const PITIDO = { hz: 880, segundos: 0.12, volumen: 0.2 };
const ARCHIVO_PANEL = 'CambioTablero.wav';

const FUNDIDO = 0.004;   // seconds of fade in and out, so no tone clicks

let audio = null, cambioPanel = null, sonando = null, tonosSonando = [];

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

// A new run of the game's sounds cuts the one still playing, as newer speech cuts older.
export function SonarTonos(tonos) {
    const a = tonos.length ? ContextoSonido() : null;
    if (!a) return;
    for (const o of tonosSonando) { try { o.stop(); } catch (e) { /* already over */ } }
    tonosSonando = [];
    const ahora = a.currentTime;
    for (const t of tonos) {
        const o = a.createOscillator(), g = a.createGain(), p = a.createStereoPanner();
        o.type = t.onda;
        o.frequency.value = t.frecuencia;
        p.pan.value = t.posicion;
        const desde = ahora + t.desde, hasta = desde + t.duracion;
        g.gain.setValueAtTime(0, desde);
        g.gain.linearRampToValueAtTime(t.volumen * 0.5, desde + FUNDIDO);
        g.gain.setValueAtTime(t.volumen * 0.5, hasta - FUNDIDO);
        g.gain.linearRampToValueAtTime(0, hasta);
        o.connect(g).connect(p).connect(a.destination);
        o.start(desde);
        o.stop(hasta);
        tonosSonando.push(o);
    }
}

// Browsers let a page sound only after the player touched or typed something.
export function DespertarSonido() {
    const a = ContextoSonido();
    if (a && a.state === 'suspended') a.resume();
}

// The first touch or key wakes the sound, whichever way the browser reports it: a screen
// reader's double tap may bring a click alone, gesture mode's touches no pointer events.
export function IniciarSonido() {
    for (const tipo of ['pointerdown', 'touchend', 'mousedown', 'click', 'keydown']) document.addEventListener(tipo, DespertarSonido, true);
}
