// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition in Debian's own browsers, headless: the same words as the terminal
// edition (which its own test holds to the window's) for the same keys, a game won by
// keys and by taps, the game kept over a reload, slot files byte for byte, refused
// puzzles, storage that fails, and axe-core on every state of the page.
//   node navegadores.mjs chromium|firefox
// NOVARO_WEB_DESTINO: the built site; NOVARO_TERMINAL: the terminal edition.
import puppeteer from 'puppeteer-core';
import { spawnSync } from 'node:child_process';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

const navegador = process.argv[2];
const sitio = process.env.NOVARO_WEB_DESTINO;
const programaTerminal = process.env.NOVARO_TERMINAL;
const ejecutables = { chromium: '/usr/bin/chromium', firefox: '/usr/bin/firefox-esr' };
if (!ejecutables[navegador] || !sitio || !programaTerminal) {
    console.error('uso: NOVARO_WEB_DESTINO=… NOVARO_TERMINAL=… node navegadores.mjs chromium|firefox');
    process.exit(2);
}
const axeFuente = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

const Facil = '53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79';
const SolucionFacil = '534678912672195348198342567859761423426853791713924856961537284287419635345286179';
// The four first cells of the solution left open: a game won in a few keys.
const CasiResuelto = '....' + SolucionFacil.slice(4);
// A puzzle whose first hint is a forcing chain of more than four links.
const Forzada = '...32..4.3....4.76.1487..3.7.....324..34.79854.92.3761...94..13.4..32.9.93....45.';
const ESPERA_MS = 15000;

// --- the site, served as any static host would -------------------------------------------
const tipos = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.wav': 'audio/wav' };
let sinRed = false;   // the host unreachable, as for a phone offline
const servidor = http.createServer((pedido, respuesta) => {
    if (sinRed) { pedido.socket.destroy(); return; }
    let ruta = decodeURIComponent(new URL(pedido.url, 'http://localhost').pathname);
    if (ruta.endsWith('/')) ruta += 'index.html';
    const archivo = path.join(sitio, path.normalize(ruta));
    fs.readFile(archivo, (error, datos) => {
        if (error || !archivo.startsWith(sitio)) { respuesta.writeHead(404); respuesta.end(); return; }
        respuesta.writeHead(200, { 'Content-Type': tipos[path.extname(archivo)] || 'application/octet-stream' });
        respuesta.end(datos);
    });
});
await new Promise((listo) => servidor.listen(0, '127.0.0.1', listo));
const origen = `http://127.0.0.1:${servidor.address().port}`;

// --- the terminal edition: its words for the same keys -------------------------------------
function Terminal(argumentos, bytes) {
    const hogar = fs.mkdtempSync(path.join(os.tmpdir(), 'novaro-web-'));
    const entorno = { ...process.env, HOME: hogar };
    delete entorno.XDG_DATA_HOME;
    delete entorno.XDG_CONFIG_HOME;
    const r = spawnSync(programaTerminal, argumentos, { input: Buffer.from(bytes, 'utf8'), env: entorno, timeout: 60000 });
    const lineas = r.stdout.toString('utf8').split('\n');
    lineas.pop();
    return { lineas, error: r.stderr.toString('utf8').trim(), hogar };
}

// --- the browser ----------------------------------------------------------------------------
const navegadorAbierto = await puppeteer.launch({
    browser: navegador === 'firefox' ? 'firefox' : 'chrome',
    executablePath: ejecutables[navegador],
    headless: true,
    // A translate popup would be heard by a screen reader, and it steals the focus.
    args: navegador === 'chromium' ? ['--no-sandbox', '--disable-features=Translate', '--disable-dev-shm-usage'] : [],
    extraPrefsFirefox: { 'dom.events.asyncClipboard.readText': true, 'dom.events.testing.asyncClipboard': true },
});

// What the page says, in order: each text of the live region and each message box.
function Oyente() {
    window.__oidos = [];
    window.__descargas = [];
    new MutationObserver((registros) => {
        const voz = document.getElementById('voz');
        for (const r of registros) {
            if (voz && (r.target === voz || voz.contains(r.target)) && voz.textContent)
                window.__oidos.push(voz.textContent.replace(/\u00a0$/, ''));
            for (const n of r.addedNodes) if (n.id === 'texto-mensaje') window.__oidos.push(n.textContent);
        }
    }).observe(document, { childList: true, subtree: true, characterData: true });
    // Downloads are kept here instead of reaching the disk.
    const crear = URL.createObjectURL;
    URL.createObjectURL = (blob) => { window.__descargas.push(blob); return crear(blob); };
    HTMLAnchorElement.prototype.click = function () { /* no file written */ };
}

async function Contexto() {
    const contexto = await navegadorAbierto.createBrowserContext();
    if (navegador === 'chromium') await contexto.overridePermissions(origen, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    return contexto;
}

async function Abrir(contexto, consulta, antes) {
    const pagina = await contexto.newPage();
    pagina.setDefaultTimeout(ESPERA_MS);
    // A script error is a fault even where the player hears nothing wrong.
    pagina.on('pageerror', (e) => Cierto(false, `la página no falla: ${e.message}`));
    await pagina.evaluateOnNewDocument(Oyente);
    if (antes) await pagina.evaluateOnNewDocument(antes);
    await pagina.goto(origen + '/' + consulta);
    await pagina.waitForSelector('body.listo');
    return pagina;
}

const Oidos = (pagina) => pagina.evaluate(() => window.__oidos.slice());
const Celdas = (pagina) => pagina.$$eval('.celda .valor', (vs) => vs.map((v) => v.textContent));
const Esperar = (ms) => new Promise((r) => setTimeout(r, ms));
// Every action the page queued has been done and heard.
async function Calma(pagina) {
    let antes = -1;
    for (;;) {
        const n = (await Oidos(pagina)).length;
        if (n === antes) return;
        antes = n;
        await Esperar(150);
    }
}

// A box for the clipboard, where the browser keeps it from the page, is answered with Enter.
async function ContestarCaja(pagina) {
    await Esperar(300);
    if (await pagina.$('dialog[open] #caja-texto')) await pagina.keyboard.press('Enter');
}

// One step of a player: a browser key and the bytes a terminal sends for it; "comprobar" is
// the Check button here and F2 there.
const Letra = (c) => ({ tecla: c, bytes: c });
const Paso = { der: { tecla: 'ArrowRight', bytes: '\x1b[C' }, izq: { tecla: 'ArrowLeft', bytes: '\x1b[D' },
               arr: { tecla: 'ArrowUp', bytes: '\x1b[A' }, abj: { tecla: 'ArrowDown', bytes: '\x1b[B' },
               intro: { tecla: 'Enter', bytes: '\r' }, inicio: { tecla: 'Home', bytes: '\x1b[H' }, fin: { tecla: 'End', bytes: '\x1bOF' },
               rePag: { tecla: 'PageUp', bytes: '\x1b[5~' }, avPag: { tecla: 'PageDown', bytes: '\x1b[6~' },
               supr: { tecla: 'Delete', bytes: '\x1b[3~' }, retro: { tecla: 'Backspace', bytes: '\x7f' },
               ctrl: { tecla: 'Control', bytes: '\0' }, f9: { tecla: 'F9', bytes: '\x1b[20~' },
               comprobar: { comprobar: true, bytes: '\x1bOQ' } };

// Every mode of the game in 60 keys: the window's own tour (tests/window/tst_terminal.cpp).
function Recorrido() {
    const p = Paso, l = Letra;
    return [l('d'), l('h'), l('h'), l('h'), l('g'), p.der, p.der, p.der, p.abj, l('c'), l('f'),
            l('t'), l('v'), l('n'), l('q'), l('s'), p.intro, l('7'), p.intro, l('e'),
            p.intro, l('6'), l('x'), p.retro, l('6'), p.intro, l('z'), l('r'), l('k'), l('5'), p.ctrl,
            l('k'), l('l'), l('2'), l('4'), p.izq, p.der, l('l'), l('u'), l('b'), l('o'),
            p.inicio, p.fin, p.rePag, p.avPag, p.arr, l('p'), p.supr, p.f9, l('m'), p.comprobar, l('x'), l('i'),
            l('d'), l('q'), l('u'), l('b'), p.f9, l('a'), l('v')];
}

async function Jugar(pagina, pasos) {
    await pagina.focus('#detector');
    for (const paso of pasos) {
        if (paso.comprobar) {
            await pagina.click('#boton-comprobar');
            await pagina.waitForSelector('dialog[open] #texto-mensaje');
            await pagina.keyboard.press('Enter');
            await pagina.waitForSelector('dialog[open]', { hidden: true });
            continue;
        }
        await pagina.keyboard.press(paso.tecla);
        if (paso.tecla === 'x' || paso.tecla === 'i') await ContestarCaja(pagina);
    }
    await Calma(pagina);
}

// --- checks -----------------------------------------------------------------------------------
let fallos = 0;
function Igual(obtenido, esperado, que) {
    const a = JSON.stringify(obtenido), b = JSON.stringify(esperado);
    if (a === b) return;
    fallos++;
    console.error(`  ${que}:\n    obtenido: ${a}\n    esperado: ${b}`);
}
function Cierto(valor, que) {
    if (valor) return;
    fallos++;
    console.error(`  no se cumple: ${que}`);
}

const escenas = [];
const Escena = (nombre, navegadores, cuerpo) => escenas.push({ nombre, navegadores, cuerpo });

for (const idioma of ['es', 'en']) {
    Escena(`60 teclas, las mismas palabras que el terminal (${idioma})`, idioma === 'es' ? ['chromium', 'firefox'] : ['chromium'], async (c) => {
        const pasos = Recorrido();
        const esperado = Terminal(['--sudoku', Forzada, '--idioma', idioma], pasos.map((p) => p.bytes).join('')).lineas;
        const pagina = await Abrir(c, `?sudoku=${Forzada}&idioma=${idioma}`);
        await Jugar(pagina, pasos);
        Igual(await Oidos(pagina), esperado, 'lo dicho');
    });
}

Escena('un juego ganado con teclas', ['chromium', 'firefox'], async (c) => {
    const pasos = [Letra('k'), Letra('5'), Paso.der, Letra('3'), Paso.der, Letra('4'), Paso.der, Letra('6'), Paso.comprobar];
    const esperado = Terminal(['--sudoku', CasiResuelto, '--idioma', 'es'], pasos.map((p) => p.bytes).join('')).lineas;
    const pagina = await Abrir(c, `?sudoku=${CasiResuelto}&idioma=es`);
    await Jugar(pagina, pasos);
    Igual(await Oidos(pagina), esperado, 'lo dicho');
    Igual((await Celdas(pagina)).join(''), SolucionFacil, 'el tablero');
});

Escena('un juego ganado con toques en un teléfono', ['chromium'], async (c) => {
    const esperado = Terminal(['--sudoku', CasiResuelto, '--idioma', 'es'], 'k5\x1b[C3\x1b[C4\x1b[C6\x1bOQ').lineas;
    const pagina = await c.newPage();
    await pagina.setViewport({ width: 320, height: 640, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
    await pagina.evaluateOnNewDocument(Oyente);
    await pagina.goto(`${origen}/?sudoku=${CasiResuelto}&idioma=es`);
    await pagina.waitForSelector('body.listo');
    // Targets: cells of 24 CSS pixels or more, nine in the width; pad and buttons of 44.
    const medidas = await pagina.evaluate(() => ({
        celdas: [...document.querySelectorAll('.celda')].map((e) => e.getBoundingClientRect().toJSON()),
        botones: [...document.querySelectorAll('#tactil button, #botones button')].map((e) => e.getBoundingClientRect().toJSON()),
        ancho: document.documentElement.scrollWidth,
    }));
    Cierto(medidas.celdas.every((r) => r.width >= 24 && r.height >= 24), 'cada celda mide 24 píxeles o más');
    Cierto(medidas.celdas.every((r) => r.right <= 320), 'las nueve celdas de una fila caben en 320 píxeles');
    Cierto(medidas.botones.every((r) => r.width >= 44 && r.height >= 44), 'cada botón mide 44 píxeles o más');
    Cierto(medidas.ancho <= 320, 'la página no se sale de 320 píxeles');
    const cifra = async (d) => (await pagina.$$('#tactil .cifras button'))[d - 1].tap();
    for (const [celda, d] of [[0, 5], [1, 3], [2, 4], [3, 6]]) {
        await (await pagina.$(`#celda-${celda}`)).tap();
        await cifra(d);
    }
    await (await pagina.$('#boton-comprobar')).tap();
    await pagina.waitForSelector('dialog[open] #texto-mensaje');
    Igual((await Oidos(pagina)).at(-1), esperado.at(-1), 'el mensaje de la comprobación');
    Igual((await Celdas(pagina)).join(''), SolucionFacil, 'el tablero');
    // A reader swiping through the cells finds the words inside each: row, column, content.
    const oido = await pagina.$eval('#celda-4', (e) => e.textContent);
    Cierto(oido.includes('5') && oido.includes('7'), `la celda de la fila 1, columna 5 se lee entera: «${oido}»`);
});

Escena('el pitido, el sonido del panel y F9, por Web Audio', ['chromium', 'firefox'], async (c) => {
    const pagina = await Abrir(c, `?sudoku=${Facil}&idioma=es`, () => {
        window.__sonidos = { pitidos: 0, paneles: 0 };
        const Contexto = window.AudioContext;
        const oscilador = Contexto.prototype.createOscillator, fuente = Contexto.prototype.createBufferSource;
        Contexto.prototype.createOscillator = function () {
            const o = oscilador.call(this);
            const empezar = o.start.bind(o);
            o.start = (...a) => { window.__sonidos.pitidos++; return empezar(...a); };
            return o;
        };
        Contexto.prototype.createBufferSource = function () {
            const f = fuente.call(this);
            const empezar = f.start.bind(f);
            f.start = (...a) => { window.__sonidos.paneles++; return empezar(...a); };
            return f;
        };
    });
    await Jugar(pagina, [Paso.izq]);   // the edge: the beep (and the sound file starts loading)
    await Esperar(500);
    await Jugar(pagina, [Paso.der, Paso.der, Paso.der]);   // into the next panel: its cue
    await Jugar(pagina, [Paso.f9, Paso.der, Paso.der, Paso.der]);   // sound off: none
    Igual(await pagina.evaluate(() => window.__sonidos), { pitidos: 1, paneles: 1 }, 'los sonidos');
});

// J: each move's tick is placed by the cursor's column and pitched by its row.
Escena('el paso de J suena donde está el cursor', ['chromium'], async (c) => {
    const pagina = await Abrir(c, `?sudoku=${Facil}&idioma=es`, () => {
        window.__tonos = [];
        const Contexto = window.AudioContext;
        const oscilador = Contexto.prototype.createOscillator, panoramico = Contexto.prototype.createStereoPanner;
        Contexto.prototype.createOscillator = function () {
            const o = oscilador.call(this);
            window.__tonos.push({ o });
            return o;
        };
        Contexto.prototype.createStereoPanner = function () {
            const p = panoramico.call(this);
            window.__tonos.at(-1).p = p;
            return p;
        };
    });
    const Tic = async (paso) => {
        const n = await pagina.evaluate(() => window.__tonos.length);
        await Jugar(pagina, [paso]);
        return pagina.evaluate((n) => {
            const t = window.__tonos[n];
            return t && t.p ? { pan: t.p.pan.value, hz: t.o.frequency.value } : null;
        }, n);
    };
    await Jugar(pagina, [Letra('j')]);
    const der = await Tic(Paso.der), abj = await Tic(Paso.abj), fin = await Tic(Paso.fin);
    Igual(der && der.pan, -0.75, 'la columna 2, a la izquierda');
    Igual(fin && fin.pan, 1, 'la columna 9, a la derecha');
    Cierto(der && abj && abj.hz < der.hz && fin.hz === abj.hz, 'más grave una fila más abajo, igual en la misma fila');
});

Escena('una recarga trae la partida', ['chromium', 'firefox'], async (c) => {
    const pagina = await Abrir(c, `?sudoku=${Facil}&idioma=es`);
    await Jugar(pagina, [Letra('k'), Paso.der, Paso.der, Letra('4'), Paso.abj]);
    const antes = await Celdas(pagina);
    await pagina.reload();
    await pagina.waitForSelector('body.listo');
    await pagina.waitForFunction(() => window.__oidos.length > 0);
    Igual(await Oidos(pagina), ['Partida recuperada'], 'lo dicho al volver');
    Igual(await Celdas(pagina), antes, 'el tablero');
    Igual(await pagina.$eval('[aria-current="true"]', (e) => e.id), 'celda-11', 'el cursor');
});

Escena('sin red, la página guardada por el service worker juega', ['chromium'], async (c) => {
    const pagina = await Abrir(c, '?idioma=es');
    const instalado = await pagina.evaluate(() => Promise.race([navigator.serviceWorker.ready.then(() => true),
                                                               new Promise((r) => setTimeout(() => r(false), 5000))]));
    Cierto(instalado, 'el service worker se instala');
    if (!instalado) return;
    await pagina.reload();   // the worker now controls the page and has stored its files
    await pagina.waitForSelector('body.listo');
    sinRed = true;
    try {
        await pagina.reload();
        await pagina.waitForSelector('body.listo');
        await Jugar(pagina, [Letra('d')]);
        Cierto((await Oidos(pagina)).includes('Fila 1, columna 1, panel superior izquierdo'), 'el juego responde sin red');
    } finally {
        sinRed = false;
    }
});

Escena('un .sav del escritorio se carga y se descarga idéntico', ['chromium', 'firefox'], async (c) => {
    // A digit, a text with a letter of Windows-1252 marked provisional, and notes.
    const t = Terminal(['--sudoku', Facil, '--nueva', '--idioma', 'es'],
                       'k\x1b[C\x1b[C4\x1b[C\rñ\r\0kl\x1b[C\x1b[C12\x1b[15~1\x1b[21~');
    const sav = fs.readFileSync(path.join(t.hogar, '.local/share/novaro/Novaro1.sav'));
    Cierto(sav.includes(0xf1) && sav.includes(Buffer.from('#NOTAS#')), 'el archivo del terminal lleva ñ en Windows-1252 y notas');
    const pagina = await Abrir(c, '?idioma=es');
    await pagina.click('#boton-cargar');
    const entrada = await pagina.waitForSelector('#archivo-sav');
    const archivo = path.join(t.hogar, 'Novaro1.sav');
    fs.copyFileSync(path.join(t.hogar, '.local/share/novaro/Novaro1.sav'), archivo);
    await entrada.uploadFile(archivo);
    await pagina.waitForFunction(() => window.__oidos.some((o) => o.includes('Novaro1.sav')));
    const celdas = await Celdas(pagina);
    Igual([celdas[2], celdas[3]], ['4', 'ñ'], 'las celdas escritas');
    await pagina.click('#boton-guardar');
    await (await pagina.waitForSelector('#lugar-2')).click();
    await pagina.waitForSelector('dialog[open]', { hidden: true });
    await pagina.click('#boton-cargar');
    await (await pagina.waitForSelector('#bajar-2')).click();
    await pagina.waitForFunction(() => window.__descargas.length > 0);
    const bajado = await pagina.evaluate(async () => Array.from(new Uint8Array(await window.__descargas[0].arrayBuffer())));
    Igual(Buffer.from(bajado).toString('hex'), sav.toString('hex'), 'los bytes del lugar 2');
});

Escena('sin permiso para el portapapeles, I toma el sudoku de una caja que se nombra', ['chromium'], async () => {
    const esperado = Terminal(['--sudoku', Facil, '--idioma', 'es'], 'xi').lineas;
    // A context of its own, with no clipboard permission granted.
    const c = await navegadorAbierto.createBrowserContext();
    try {
        const pagina = await Abrir(c, `?sudoku=${Facil}&idioma=es`);
        await pagina.focus('#detector');
        await pagina.keyboard.press('x');
        await ContestarCaja(pagina);
        await pagina.keyboard.press('i');
        const caja = await pagina.waitForSelector('dialog[open] #caja-texto');
        const nombre = await caja.evaluate((e) => e.labels[0].textContent);
        Cierto(nombre.length > 0 && nombre === (await caja.evaluate((e) => e.getAttribute('aria-label'))), 'la caja dice para qué es');
        await pagina.keyboard.press('Enter');
        await Calma(pagina);
        Igual(await Oidos(pagina), esperado, 'lo dicho');
    } finally {
        await c.close();
    }
});

Escena('un ?sudoku= malo se rechaza y se reparte otro', ['chromium', 'firefox'], async (c) => {
    const malo = '12345';
    const rechazo = Terminal(['--sudoku', malo, '--idioma', 'es'], '').error;
    Cierto(rechazo.length > 0, 'el terminal dice por qué');
    const pagina = await Abrir(c, `?sudoku=${malo}&idioma=es`);
    await pagina.waitForFunction(() => window.__oidos.length > 0);
    Igual(await Oidos(pagina), [rechazo], 'lo dicho');
    Cierto((await Celdas(pagina)).filter((v) => /^[1-9]$/.test(v)).length >= 17, 'hay un juego en el tablero');
});

Escena('almacenamiento dañado, bloqueado o lleno: una palabra clara y un juego', ['chromium'], async (c) => {
    // Damaged: the last game cannot come back, a new one is there.
    let pagina = await Abrir(c, '?idioma=es');
    await pagina.evaluate(() => localStorage.setItem('novaro/NovaroEnCurso.sav', 'basura'));
    await pagina.reload();
    await pagina.waitForSelector('body.listo');
    await pagina.waitForFunction(() => window.__oidos.length > 0);
    const danada = await Oidos(pagina);
    Cierto(danada.length === 1 && danada[0] !== 'Partida recuperada', `se dice que no se pudo recuperar: ${danada}`);
    Cierto((await Celdas(pagina)).filter((v) => v).length >= 17, 'hay un juego tras un archivo dañado');
    await pagina.close();
    // Blocked, as private windows may: a notice, then the game plays.
    pagina = await Abrir(c, `?sudoku=${Facil}&idioma=es`, () => {
        Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('no', 'SecurityError'); } });
    });
    await pagina.waitForFunction(() => window.__oidos.length > 0);
    await Jugar(pagina, [Letra('d')]);
    const bloqueada = await Oidos(pagina);
    Igual(bloqueada.length, 2, 'un aviso y la posición');
    Igual(bloqueada[1], 'Fila 1, columna 1, panel superior izquierdo', 'el juego responde');
    await pagina.close();
    // Full: said once, in a message, and the game goes on.
    pagina = await Abrir(c, `?sudoku=${Facil}&idioma=es`, () => {
        let llena = false;
        window.__llenar = () => { llena = true; };
        const poner = Storage.prototype.setItem;
        Storage.prototype.setItem = function (...a) {
            if (llena) throw new DOMException('lleno', 'QuotaExceededError');
            return poner.apply(this, a);
        };
    });
    await pagina.evaluate(() => window.__llenar());
    await Jugar(pagina, [Letra('k')]);
    Cierto(await pagina.$('dialog[open] #texto-mensaje'), 'un mensaje dice que no se guarda');
    await pagina.keyboard.press('Enter');
    await Jugar(pagina, [Paso.der, Paso.der, Letra('4'), Paso.der, Letra('1')]);
    Igual((await Celdas(pagina)).slice(2, 4), ['4', '1'], 'el juego sigue');
    Cierto(!(await pagina.$('dialog[open]')), 'el mensaje se da una vez');
});

Escena('axe-core: ninguna infracción en cada estado', ['chromium', 'firefox'], async (c) => {
    const pagina = await Abrir(c, `?sudoku=${Facil}&idioma=es`);
    await pagina.evaluate(axeFuente);
    const auditar = async (estado) => {
        const r = await pagina.evaluate(async () => (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
        Igual(r, [], `infracciones (${estado})`);
    };
    await auditar('inicio');
    await Jugar(pagina, [Paso.der, Paso.der, Paso.intro]);
    await auditar('modo escritura');
    await Jugar(pagina, [Paso.intro]);
    await pagina.click('#menu-niveles');
    await auditar('menú abierto');
    await pagina.keyboard.press('Escape');
    await pagina.keyboard.press('F1');
    await pagina.waitForSelector('dialog[open] textarea');
    await auditar('ayuda abierta');
    await pagina.keyboard.press('Escape');
    // The context-menu key (or Shift+F10) raises this event: the Botonera opens and says so.
    const oidos = (await Oidos(pagina)).length;
    await pagina.$eval('#detector', (d) => d.dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true })));
    await pagina.waitForFunction((n) => window.__oidos.length > n, {}, oidos);
    Cierto(await pagina.evaluate(() => document.activeElement.getAttribute('role') === 'menuitem'), 'la Botonera tiene el foco');
    await auditar('Botonera abierta');
    await pagina.keyboard.press('Escape');
    Igual(await pagina.evaluate(() => document.activeElement.id), 'detector', 'Escape vuelve al detector');
    await pagina.click('#boton-guardar');
    await pagina.waitForSelector('#lugar-1');
    await auditar('diálogo de los lugares');
});

// --- run --------------------------------------------------------------------------------------
const inicio = Date.now();
for (const e of escenas.filter((e) => e.navegadores.includes(navegador))) {
    const antes = fallos;
    const contexto = await Contexto();
    const t0 = Date.now();
    try {
        await e.cuerpo(contexto);
    } catch (error) {
        fallos++;
        console.error(`  ${error.stack || error}`);
    }
    await contexto.close();
    console.log(`${fallos === antes ? 'PASA' : 'FALLA'} ${e.nombre} (${navegador}, ${Date.now() - t0} ms)`);
}
await navegadorAbierto.close();
servidor.close();
console.log(`${navegador}: ${fallos} comprobaciones fallidas, ${Date.now() - inicio} ms`);
process.exit(fallos === 0 ? 0 : 1);
