// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition in Debian's own browsers, headless: the same words as the terminal
// edition (which its own test holds to the window's) for the same keys, a game won by
// keys and by taps, the game kept over a reload, slot files byte for byte, refused
// puzzles, storage that fails, and axe-core on every state of the page.
//   node navegadores.mjs chromium|firefox
// NOVARO_WEB_DESTINO: the built site; NOVARO_TERMINAL: the terminal edition.
import puppeteer from 'puppeteer-core';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import path from 'node:path';
import { Facil, SolucionFacil, CasiResuelto, Forzada, Servir, EnTerminal, Letra, Paso, Recorrido } from './comun.mjs';

const navegador = process.argv[2];
const sitio = process.env.NOVARO_WEB_DESTINO;
const programaTerminal = process.env.NOVARO_TERMINAL;
const ejecutables = { chromium: '/usr/bin/chromium', firefox: '/usr/bin/firefox-esr' };
if (!ejecutables[navegador] || !sitio || !programaTerminal) {
    console.error('uso: NOVARO_WEB_DESTINO=… NOVARO_TERMINAL=… node navegadores.mjs chromium|firefox');
    process.exit(2);
}
const axeFuente = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

const ESPERA_MS = 15000;

// --- the site, and the terminal edition's words for the same keys ----------------------------
let sinRed = false;   // the host unreachable, as for a phone offline
const origen = await Servir(sitio, () => sinRed);
const Terminal = (argumentos, bytes, masEntorno) => EnTerminal(programaTerminal, argumentos, bytes, masEntorno);

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

// antes: a script run before the page's own, given argumentos.
async function Abrir(contexto, consulta, antes, ...argumentos) {
    const pagina = await contexto.newPage();
    pagina.setDefaultTimeout(ESPERA_MS);
    // A script error is a fault even where the player hears nothing wrong.
    pagina.on('pageerror', (e) => Cierto(false, `la página no falla: ${e.message}`));
    await pagina.evaluateOnNewDocument(Oyente);
    if (antes) await pagina.evaluateOnNewDocument(antes, ...argumentos);
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

// The page's today, fixed: only the clock's now moves to noon of that local day; a Date
// built from given numbers, as the C library builds one for the local time, stays a Date.
function HoyFijo(fecha) {
    const [a, m, d] = fecha.split('-').map(Number);
    const Real = Date;
    const ahora = new Real(a, m - 1, d, 12).getTime();
    class Fijo extends Real {
        constructor(...partes) { super(...(partes.length ? partes : [ahora])); }
        static now() { return ahora; }
    }
    window.Date = Fijo;
}

// The same three days as the window's and the terminal's own check, one of them a Sunday.
Escena('el sudoku del día: los mismos 81 dados que el terminal', ['chromium', 'firefox'], async () => {
    for (const fecha of ['2026-12-09', '2026-12-13', '2027-03-01']) {
        // Control+T: the announcement, then the board in nine lines ("-" an empty cell).
        const tablero = Terminal(['--dia', '--idioma', 'es'], '\x14', { NOVARO_HOY: fecha }).lineas.slice(1, 10);
        const esperado = tablero.map((l) => l.replace(/[[\]| *]/g, '').replace(/-/g, '.')).join('');
        const contexto = await Contexto();   // a page of its own each day, nothing kept from the last
        const pagina = await Abrir(contexto, '?dia=1&idioma=es', HoyFijo, fecha);
        Igual(await pagina.$$eval('.celda', (cs) => cs.map((e) => (e.classList.contains('dada') ? e.querySelector('.valor').textContent : '.')).join('')),
              esperado, `los dados del ${fecha}`);
        await contexto.close();
    }
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

// On a phone's link each request costs a round trip: the page's script is one bundle, and the
// game's module, asked for early, must be the one the game then uses, not fetched twice.
Escena('una primera visita pide cada archivo una vez, con un solo script de la página', ['chromium'], async (c) => {
    const pagina = await c.newPage();
    const pedidos = [];
    pagina.on('request', (p) => pedidos.push({ archivo: new URL(p.url()).pathname.slice(1), tipo: p.resourceType() }));
    await pagina.goto(origen + '/?idioma=es');
    await pagina.waitForSelector('body.listo');
    await Esperar(300);
    const veces = (archivo) => pedidos.filter((p) => p.archivo === archivo).length;
    for (const archivo of ['novaro.wasm', 'novaro.js', 'pagina.js']) Igual(veces(archivo), 1, `veces que se pide ${archivo}`);
    Igual(pedidos.filter((p) => p.tipo === 'script').map((p) => p.archivo).sort(), ['novaro.js', 'pagina.js'], 'los scripts pedidos');
});

Escena('un .sav del escritorio se carga y se descarga idéntico', ['chromium', 'firefox'], async (c) => {
    // A digit, a text with a letter of Windows-1252 marked provisional, and notes.
    const t = Terminal(['--sudoku', Facil, '--nueva', '--idioma', 'es'],
                       'k\x1b[C\x1b[C4\x1b[C\rñ\r\0kl\x1b[C\x1b[C12\x1b[15~1\x1b[21~');
    const sav = fs.readFileSync(path.join(t.hogar, 'Novaro1.sav'));
    Cierto(sav.includes(0xf1) && sav.includes(Buffer.from('#NOTAS#')), 'el archivo del terminal lleva ñ en Windows-1252 y notas');
    const pagina = await Abrir(c, '?idioma=es');
    await pagina.click('#boton-cargar');
    const entrada = await pagina.waitForSelector('#archivo-sav');
    const archivo = path.join(t.hogar, 'Novaro1.sav');
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

// --- phones ---------------------------------------------------------------------------------
const Telefonos = [[360, 640], [390, 740], [430, 860], [740, 390]];
const Telefono = (ancho, alto) => ({ width: ancho, height: alto, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });

// What the page's own voice says: speechSynthesis recorded, since headless Chromium has no voices.
function Voz() {
    window.__habla = [];
    const s = window.speechSynthesis;
    s.speak = (u) => window.__habla.push({ texto: u.text, lang: u.lang, rate: u.rate });
    s.cancel = () => window.__habla.push({ cancela: true });
}
const Hablado = (pagina) => pagina.evaluate(() => window.__habla.filter((h) => !h.cancela).map((h) => h.texto));

// Touches through CDP, one finger or two, on the page's own clock: a flick moves 40 px and
// more within 300 ms, a slide waits longer between moves, whatever the machine's load.
function Dedos(cdp) {
    const puntos = (ps) => ps.map(([x, y], id) => ({ x, y, id }));
    return async (desde, hasta = desde, pasos = 3, msPorPaso = 20) => {
        let t = Date.now() / 1000;
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: puntos(desde), timestamp: t });
        for (let k = 1; k <= pasos; k++) {
            t += msPorPaso / 1000;
            const ps = desde.map(([x, y], i) => [x + (hasta[i][0] - x) * k / pasos, y + (hasta[i][1] - y) * k / pasos]);
            await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: puntos(ps), timestamp: t });
        }
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [], timestamp: t + 0.01 });
    };
}
const Centro = (pagina, selector) => pagina.$eval(selector, (e) => { const r = e.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; });
async function Auditar(pagina, estado) {
    if (!(await pagina.evaluate(() => 'axe' in window))) await pagina.evaluate(axeFuente);
    const r = await pagina.evaluate(async () => (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
    Igual(r, [], `infracciones (${estado})`);
}

Escena('teléfono: una pantalla para jugar a cada tamaño, y el orden de lectura', ['chromium'], async (c) => {
    const pagina = await c.newPage();
    await pagina.setViewport(Telefono(...Telefonos[0]));
    await pagina.goto(`${origen}/?sudoku=${Facil}&idioma=es`);
    await pagina.waitForSelector('body.listo');
    for (const [ancho, alto] of Telefonos) {
        await pagina.setViewport(Telefono(ancho, alto));
        const m = await pagina.evaluate(() => {
            const rs = (q) => [...document.querySelectorAll(q)].map((e) => e.getBoundingClientRect().toJSON());
            return { celdas: rs('.celda'), cifras: rs('.cifras button'), acciones: rs('.acciones button, .cursor input'),
                     ancho: document.documentElement.scrollWidth, colores: ['.celda.dada', '.celda:not(.dada)'].map((q) => getComputedStyle(document.querySelector(q)).color) };
        });
        const dentro = (r) => r.left >= 0 && r.top >= 0 && r.right <= ancho + 0.5 && r.bottom <= alto + 0.5;
        const que = `${ancho}×${alto}`;
        Cierto(m.celdas.every((r) => r.width >= 24 && dentro(r)), `${que}: el tablero entero a la vista, celdas de 24 o más`);
        Cierto(m.cifras.every((r) => dentro(r) && r.width >= 40 && r.height >= 44), `${que}: las nueve cifras a la vista, de 40 × 44 o más`);
        Cierto(m.acciones.every((r) => dentro(r) && r.height >= 44), `${que}: las acciones y el cursor a la vista, de 44 de alto`);
        Cierto(m.ancho <= ancho, `${que}: nada se sale a lo ancho`);
        Igual(m.colores, ['rgb(208, 0, 0)', 'rgb(0, 0, 0)'], `${que}: los dados en rojo, lo demás en negro`);
    }
    await pagina.setViewport(Telefono(360, 640));
    await Auditar(pagina, 'teléfono de 360');
    // A phone reader swipes in this order: from the cursor's controls to a digit in three swipes or fewer.
    const lectura = [];
    const Recorrer = (n) => { if (n.role !== 'generic' && n.role !== 'none') lectura.push(`${n.role}:${n.name}`); (n.children || []).forEach(Recorrer); };
    Recorrer(await pagina.accessibility.snapshot());
    const T = await pagina.evaluate(() => [document.querySelector('#cursor-filaCursor').getAttribute('aria-label'),
                                           document.querySelector('#cursor-columnaCursor').getAttribute('aria-label')]);
    const fila = lectura.indexOf(`slider:${T[0]}`), columna = lectura.indexOf(`slider:${T[1]}`), siete = lectura.indexOf('button:7');
    Cierto(fila >= 0 && columna === fila + 1 && lectura.indexOf('button:1') - columna <= 3, `del cursor a la primera cifra en tres pasos: ${lectura.slice(fila, fila + 6)}`);
    Cierto(siete > columna, 'las cifras siguen al cursor');
    await pagina.close();
});

Escena('teléfono con lector: los deslizadores son flechas, y un doble toque se oye una vez', ['chromium'], async (c) => {
    const pasos = [Paso.abj, Paso.der, Paso.der, Paso.arr, Paso.arr];
    const esperado = Terminal(['--sudoku', Facil, '--idioma', 'es'], pasos.map((p) => p.bytes).join('')).lineas;
    const pagina = await c.newPage();
    await pagina.setViewport(Telefono(390, 740));
    await pagina.evaluateOnNewDocument(Oyente);
    await pagina.evaluateOnNewDocument(() => {   // the beeps, counted
        window.__pitidos = 0;
        const o = AudioContext.prototype.createOscillator;
        AudioContext.prototype.createOscillator = function () { window.__pitidos++; return o.call(this); };
    });
    await pagina.goto(`${origen}/?sudoku=${Facil}&idioma=es`);
    await pagina.waitForSelector('body.listo');
    // A reader adjusts a slider as the arrow keys do on it: each step is said as its value.
    const valores = [];
    for (const [control, tecla] of [['fila', 'ArrowRight'], ['columna', 'ArrowRight'], ['columna', 'ArrowUp'], ['fila', 'ArrowLeft'], ['fila', 'ArrowLeft']]) {
        await pagina.focus(`#cursor-${control}Cursor`);
        await pagina.keyboard.press(tecla);
        await Calma(pagina);
        valores.push(await pagina.$eval(`#cursor-${control}Cursor`, (e) => e.getAttribute('aria-valuetext')));
    }
    Igual(valores.slice(0, 4), esperado.slice(0, 4), 'el valor de cada paso dice lo que la flecha');
    Igual(await Oidos(pagina), [], 'la región viva calla: el lector dice el valor');
    Igual(await pagina.evaluate(() => window.__pitidos), 1, 'un pitido en el borde');
    Igual(await pagina.$eval('#cursor-filaCursor', (e) => e.value), '1', 'el deslizador vuelve a la primera fila');
    // TalkBack's double tap brings focus, mouse events and a click; VoiceOver's adds pointer and touch events.
    const secuencias = { TalkBack: ['mousedown', 'mouseup', 'click'],
                         VoiceOver: ['pointerdown', 'touchstart', 'pointerup', 'touchend', 'mousedown', 'mouseup', 'click'] };
    for (const [lector, tipos] of Object.entries(secuencias)) {
        for (const [selector, celda] of [['#celda-40', 40], ['.cifras button:nth-child(6)', 40]]) {
            const antes = (await Oidos(pagina)).length;
            await pagina.$eval(selector, (e, tipos) => {
                for (const tipo of tipos) {
                    const r = e.getBoundingClientRect(), x = r.x + 5, y = r.y + 5;
                    let ev;
                    if (tipo.startsWith('touch')) {
                        const t = new Touch({ identifier: 1, target: e, clientX: x, clientY: y });
                        ev = new TouchEvent(tipo, { bubbles: true, cancelable: true, touches: tipo === 'touchstart' ? [t] : [], changedTouches: [t] });
                    } else if (tipo.startsWith('pointer')) ev = new PointerEvent(tipo, { bubbles: true, cancelable: true, clientX: x, clientY: y, pointerType: 'touch' });
                    else ev = new MouseEvent(tipo, { bubbles: true, cancelable: true, clientX: x, clientY: y });
                    e.dispatchEvent(ev);
                }
            }, tipos);
            await Calma(pagina);
            Igual((await Oidos(pagina)).length - antes, 1, `${lector} en ${selector}: se oye una vez`);
            Igual(await pagina.$eval('[aria-current="true"]', (e) => e.id), `celda-${celda}`, `${lector} en ${selector}: el cursor`);
        }
    }
    Igual((await Celdas(pagina))[40], '6', 'la cifra tocada está escrita');
    // A key by the menu of the rest: V's words, and the focus stays on the menu's button.
    await pagina.click('#menu-mas');
    const leer = await pagina.$$eval('#menu-mas + [role="menu"] [role="menuitem"]', (items) => items.findIndex((i) => i.textContent === 'Leer casilla'));
    await (await pagina.$$('#menu-mas + [role="menu"] [role="menuitem"]'))[leer].click();
    await Calma(pagina);
    const porMenu = (await Oidos(pagina)).at(-1);
    Igual(await pagina.evaluate(() => document.activeElement.id), 'menu-mas', 'el foco vuelve al botón del menú');
    await Jugar(pagina, [Letra('v')]);
    Igual(porMenu, (await Oidos(pagina)).at(-1), 'Leer casilla dice lo que V');
    await pagina.close();
});

Escena('modo gestos: cada gesto dice lo que dice su tecla, con la voz de la página', ['chromium'], async (c) => {
    const pagina = await c.newPage();
    await pagina.setViewport(Telefono(390, 740));
    await pagina.evaluateOnNewDocument(Voz);
    await pagina.goto(`${origen}/?sudoku=${Facil}&idioma=es&gestos=1`);
    await pagina.waitForSelector('body.listo');
    const T = await pagina.evaluate(() => ({ cifras: document.querySelector('#cifras-gestos').getAttribute('aria-label') }));
    const tocar = Dedos(await pagina.createCDPSession());
    const celda = (i) => Centro(pagina, `#celda-${i}`);
    const mover = (dx, dy) => async () => { const [x, y] = await celda(40); await tocar([[x, y]], [[x + dx, y + dy]]); };
    const dos = (dx, dy) => async () => { const [x, y] = await celda(40); await tocar([[x, y], [x + 50, y]], [[x + dx, y + dy], [x + 50 + dx, y + dy]]); };
    const clic = (selector) => async (p) => { await p.click(selector); };
    // Each gesture beside the keys or clicks that do the same on a page without gestures;
    // the words gesture mode says first, for what has no key.
    const pares = [
        [mover(60, 0), [Paso.der]], [mover(0, 60), [Paso.abj]], [mover(-60, 0), [Paso.izq]], [mover(-60, 0), [Paso.izq]],
        [mover(0, -60), [Paso.arr]], [dos(-60, 0), [Letra('f')]], [dos(0, 60), [Letra('c')]], [dos(0, -60), [Letra('t')]],
        [async () => tocar([await celda(40)]), clic('#celda-40')],
        [async () => { const [x, y] = await celda(27); const [x2, y2] = await celda(30); await tocar([[x, y]], [[x2, y2]], 3, 350); },
         async (p) => { for (const i of [28, 29, 30]) await p.click(`#celda-${i}`); }],
        // The gesture menu, walked by a flick and chosen with a double tap: G's words then.
        [async () => { await dos(60, 0)(); await mover(60, 0)(); await tocar([await celda(40)]); await tocar([await celda(40)]); },
         [Letra('g')], null],
        // Last: a click on the pad takes the focus from the board.
        [async () => { await dos(0, 0)(); await pagina.waitForSelector('#cifras-gestos:not([hidden])'); await Auditar(pagina, 'modo gestos, cifras abiertas');
                       await tocar([await Centro(pagina, '#cifras-gestos [data-cifra="4"]')]); },
         clic('.cifras button:nth-child(4)'), [T.cifras]],
    ];
    const porGesto = [];
    for (const [gesto] of pares) {
        const n = (await Hablado(pagina)).length;
        await gesto();
        await Esperar(150);
        porGesto.push((await Hablado(pagina)).slice(n));
    }
    const habla = await pagina.evaluate(() => window.__habla);
    const celdasGestos = await Celdas(pagina);
    // The choice is kept for the site: the page of keys turns it off.
    const teclas = await Abrir(c, `?sudoku=${Facil}&idioma=es&gestos=0`);
    await Jugar(teclas, []);
    for (const [i, [, teclasDe, antes]] of pares.entries()) {
        const m = (await Oidos(teclas)).length;
        if (typeof teclasDe === 'function') await teclasDe(teclas); else await Jugar(teclas, teclasDe);
        await Calma(teclas);
        const dichas = (await Oidos(teclas)).slice(m);
        if (antes === null) {   // the menu: named, then its first two items, then the choice
            Igual(porGesto[i].length, 4, `el menú de gestos se nombra y dice cada opción: ${porGesto[i]}`);
            Igual(porGesto[i].slice(3), dichas, 'elegido en el menú de gestos, lo que dice G');
        } else Igual(porGesto[i], [...(antes || []), ...dichas], `el gesto ${i}`);
    }
    Igual(celdasGestos, await Celdas(teclas), 'el mismo tablero');
    await teclas.close();
    // Every utterance cuts the one before short, but the menu's first item after its name.
    Cierto(habla.every((h) => h.cancela || h.lang === 'es'), 'la voz habla en español');
    Igual(habla.filter((h, i) => !h.cancela && !(habla[i - 1] || {}).cancela).length, 1, 'cada frase corta la anterior');
    // The rate is the player's, and kept with the mode.
    await pagina.$eval('#velocidad-voz', (e) => { e.value = '1.5'; e.dispatchEvent(new Event('change')); });
    await pagina.evaluate(() => localStorage.setItem('novaro-pagina/gestos', '1'));
    await pagina.goto(`${origen}/?idioma=es`);
    await pagina.waitForSelector('body.listo');
    // The notice of the game brought back comes before any touch lets the page speak: it
    // waits for the first tap (a flick gives a page no leave to speak).
    await Esperar(800);
    await tocar([await celda(40)]);
    await Esperar(150);
    const ultima = await pagina.evaluate(() => window.__habla.at(-1));
    Igual([ultima && ultima.rate, await pagina.$eval('#boton-gestos', (e) => e.getAttribute('aria-pressed'))], [1.5, 'true'], 'la velocidad y el modo se conservan');
    const vuelta = await Hablado(pagina);
    Igual([vuelta.length, vuelta[0]], [2, 'Partida recuperada'], 'el aviso de la vuelta espera al primer toque');
    await pagina.close();
});

// --- run --------------------------------------------------------------------------------------
const inicio = Date.now();
// NOVARO_ESCENA=text runs only the scenes whose name holds it (to repeat one).
const soloEscena = process.env.NOVARO_ESCENA || '';
for (const e of escenas.filter((e) => e.navegadores.includes(navegador) && e.nombre.includes(soloEscena))) {
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
console.log(`${navegador}: ${fallos} comprobaciones fallidas, ${Date.now() - inicio} ms`);
process.exit(fallos === 0 ? 0 : 1);
