// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition in WebKit, the engine of every iPhone browser: Debian's WebKitGTK
// MiniBrowser driven through its WebDriver (webkit2gtk-driver), under X. The key tour with
// the terminal's words, and a game won by touch on a phone-sized window.
//   xvfb-run -a node webkit.mjs      NOVARO_WEB_DESTINO: the built site; NOVARO_TERMINAL: the terminal edition.
import { spawn } from 'node:child_process';
import net from 'node:net';
import { Forzada, CasiResuelto, SolucionFacil, Servir, EnTerminal, Paso, Recorrido } from './comun.mjs';

const sitio = process.env.NOVARO_WEB_DESTINO;
const programaTerminal = process.env.NOVARO_TERMINAL;
const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const ESPERA_MS = 15000;
const TELEFONO = { width: 390, height: 740 };
const ANCHO_TELEFONO = 480;   // MiniBrowser's toolbar keeps its window a little wider than asked
if (!sitio || !programaTerminal) {
    console.error('uso: NOVARO_WEB_DESTINO=… NOVARO_TERMINAL=… xvfb-run -a node webkit.mjs');
    process.exit(2);
}
const origen = await Servir(sitio);
const Esperar = (ms) => new Promise((r) => setTimeout(r, ms));

// --- a WebDriver client: the few commands these tests use -----------------------------------
const puerto = await new Promise((r) => { const s = net.createServer(); s.listen(0, () => { const p = s.address().port; s.close(() => r(p)); }); });
const conductor = spawn('WebKitWebDriver', [`--port=${puerto}`], { stdio: 'ignore' });
const base = `http://127.0.0.1:${puerto}`;
async function Pedir(metodo, ruta, cuerpo) {
    const r = await fetch(base + ruta, { method: metodo, headers: { 'Content-Type': 'application/json' }, body: cuerpo ? JSON.stringify(cuerpo) : undefined });
    const j = await r.json();
    if (!r.ok) throw new Error(`${metodo} ${ruta}: ${JSON.stringify(j.value)}`);
    return j.value;
}
for (let i = 0; ; i++) {
    try { await Pedir('GET', '/status'); break; } catch (e) { if (i > 100) throw e; await Esperar(100); }
}
const sesion = await Pedir('POST', '/session', { capabilities: { alwaysMatch: {
    'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] } } } });
const S = `/session/${sesion.sessionId}`;
const Ejecutar = (codigo, ...args) => Pedir('POST', `${S}/execute/sync`, { script: codigo, args });
const REFERENCIA = 'element-6066-11e4-a52e-4f735466cecf';   // WebDriver's key for an element
const Elemento = async (css) => (await Pedir('POST', `${S}/element`, { using: 'css selector', value: css }))[REFERENCIA];
async function EsperarQue(codigo, que) {
    const hasta = Date.now() + ESPERA_MS;
    while (!(await Ejecutar(codigo))) {
        if (Date.now() > hasta) throw new Error(`no llegó: ${que}`);
        await Esperar(50);
    }
}
// WebDriver's codes for the keys the tour presses.
const CODIGOS = { ArrowLeft: '\ue012', ArrowUp: '\ue013', ArrowRight: '\ue014', ArrowDown: '\ue015', Enter: '\ue007',
                  Home: '\ue011', End: '\ue010', PageUp: '\ue00e', PageDown: '\ue00f', Delete: '\ue017', Backspace: '\ue003',
                  Control: '\ue009', F9: '\ue039' };
const Tecla = (k) => Pedir('POST', `${S}/actions`, { actions: [{ type: 'key', id: 'teclado', actions: [
    { type: 'keyDown', value: CODIGOS[k] || k }, { type: 'keyUp', value: CODIGOS[k] || k }] }] });
// A finger on an element, as the page takes a tap.
const Tocar = async (css) => Pedir('POST', `${S}/actions`, { actions: [{ type: 'pointer', id: 'dedo', parameters: { pointerType: 'touch' }, actions: [
    { type: 'pointerMove', x: 0, y: 0, origin: { [REFERENCIA]: await Elemento(css) } },
    { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }] }] });

// What the page says, in order, as navegadores.mjs hears it.
const OYENTE = `window.__oidos = [];
    new MutationObserver((registros) => {
        const voz = document.getElementById('voz');
        for (const r of registros) {
            if (voz && (r.target === voz || voz.contains(r.target)) && voz.textContent) window.__oidos.push(voz.textContent.replace(/\\u00a0$/, ''));
            for (const n of r.addedNodes) if (n.id === 'texto-mensaje') window.__oidos.push(n.textContent);
        }
    }).observe(document, { childList: true, subtree: true, characterData: true });`;
async function Abrir(consulta) {
    await Pedir('POST', `${S}/url`, { url: `${origen}/${consulta}` });
    await EsperarQue('return document.body.classList.contains("listo")', 'la página lista');
    await Ejecutar(OYENTE);
}
const Oidos = () => Ejecutar('return window.__oidos.slice()');
async function Calma() {
    for (let antes = -1; ;) {
        const n = (await Oidos()).length;
        if (n === antes) return;
        antes = n;
        await Esperar(150);
    }
}
async function Comprobar(tocar) {
    if (tocar) await Tocar('#boton-comprobar'); else await Pedir('POST', `${S}/element/${await Elemento('#boton-comprobar')}/click`, {});
    await EsperarQue('return !!document.querySelector("dialog[open] #texto-mensaje")', 'el mensaje');
    await Tecla('Enter');
    await EsperarQue('return !document.querySelector("dialog[open]")', 'el mensaje cerrado');
}

let fallos = 0;
function Igual(obtenido, esperado, que) {
    const a = JSON.stringify(obtenido), b = JSON.stringify(esperado);
    if (a === b) return;
    fallos++;
    console.error(`  ${que}:\n    obtenido: ${a}\n    esperado: ${b}`);
}

async function Escena(nombre, cuerpo) {
    const antes = fallos, t0 = Date.now();
    try { await cuerpo(); } catch (e) { fallos++; console.error(`  ${e.stack || e}`); }
    console.log(`${fallos === antes ? 'PASA' : 'FALLA'} ${nombre} (webkit, ${Date.now() - t0} ms)`);
}

try {
    await Escena('60 teclas, las mismas palabras que el terminal', async () => {
        const pasos = Recorrido();
        const esperado = EnTerminal(programaTerminal, ['--sudoku', Forzada, '--idioma', 'es'], pasos.map((p) => p.bytes).join('')).lineas;
        await Abrir(`?sudoku=${Forzada}&idioma=es`);
        for (const paso of pasos) {
            if (paso.comprobar) { await Comprobar(false); continue; }
            await Tecla(paso.tecla);
            // Where the browser keeps the clipboard from the page, its box is answered with Enter.
            if (paso.tecla === 'x' || paso.tecla === 'i') {
                await Esperar(300);
                if (await Ejecutar('return !!document.querySelector("dialog[open] #caja-texto")')) await Tecla('Enter');
            }
        }
        await Calma();
        Igual(await Oidos(), esperado, 'lo dicho');
    });

    await Escena('un juego ganado con toques en una ventana de teléfono', async () => {
        const esperado = EnTerminal(programaTerminal, ['--sudoku', CasiResuelto, '--idioma', 'es'], 'k5\x1b[C3\x1b[C4\x1b[C6\x1bOQ').lineas;
        await Pedir('POST', `${S}/window/rect`, TELEFONO);
        await Abrir(`?sudoku=${CasiResuelto}&idioma=es&gestos=0`);
        for (const [celda, d] of [[0, 5], [1, 3], [2, 4], [3, 6]]) {
            await Tocar(`#celda-${celda}`);
            await Tocar(`#tactil .cifras button:nth-child(${d})`);
        }
        await Comprobar(true);
        await Calma();
        Igual((await Oidos()).at(-1), esperado.at(-1), 'el mensaje de la comprobación');
        Igual((await Ejecutar('return [...document.querySelectorAll(".celda .valor")].map((v) => v.textContent).join("")')), SolucionFacil, 'el tablero');
        const m = await Ejecutar(`return { ancho: innerWidth, alto: innerHeight, desborde: document.documentElement.scrollWidth - innerWidth,
            cifras: [...document.querySelectorAll('.cifras button')].map((b) => b.getBoundingClientRect().bottom) }`);
        Igual([m.ancho <= ANCHO_TELEFONO, m.desborde <= 0, m.cifras.every((y) => y <= m.alto)], [true, true, true],
              `una ventana de teléfono, nada a lo ancho, las cifras a la vista: ${JSON.stringify(m)}`);
    });
} finally {
    await Pedir('DELETE', S).catch(() => {});
    conductor.kill();
}
console.log(`webkit: ${fallos} comprobaciones fallidas`);
process.exit(fallos === 0 ? 0 : 1);
