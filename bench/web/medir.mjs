// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's figures, in Debian's chromium and firefox-esr (headless, served
// from this machine): transfer size, load to the first key answered (cold and warm),
// key to live region, and a deal by difficulty inside the page.
//   node bench/web/medir.mjs [SITE]      (SITE: dist/web by default; run scripts/web.sh first)
import { createRequire } from 'node:module';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';

const raiz = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const requerir = createRequire(path.join(raiz, 'tests/web/package.json'));
const { default: puppeteer } = await import(requerir.resolve('puppeteer-core'));
const sitio = path.resolve(process.argv[2] || path.join(raiz, 'dist/web'));
const TECLAS = 1000;
const REPARTOS = 100;
const CARGAS = 10;

const p = (lista, q) => { const s = [...lista].sort((a, b) => a - b); return s[Math.min(s.length - 1, Math.floor(q * s.length))]; };
const ms = (v) => `${v.toFixed(v < 10 ? 2 : 1)} ms`;

// Transfer: what a first visit fetches, gzipped as static hosts serve it.
const archivos = fs.readdirSync(sitio);
let crudo = 0, comprimido = 0;
for (const a of archivos) {
    const datos = fs.readFileSync(path.join(sitio, a));
    crudo += datos.length;
    comprimido += zlib.gzipSync(datos, { level: 9 }).length;
}
console.log(`transfer: ${archivos.length} files, ${(crudo / 1024).toFixed(0)} KiB, gzipped ${(comprimido / 1024).toFixed(0)} KiB`);

const tipos = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm', '.png': 'image/png', '.wav': 'audio/wav' };
const servidor = http.createServer((q, r) => {
    let ruta = decodeURIComponent(new URL(q.url, 'http://x').pathname);
    if (ruta.endsWith('/')) ruta += 'index.html';
    fs.readFile(path.join(sitio, path.normalize(ruta)), (e, d) => {
        if (e) { r.writeHead(404); r.end(); return; }
        r.writeHead(200, { 'Content-Type': tipos[path.extname(ruta)] || 'application/octet-stream', 'Cache-Control': 'max-age=3600' });
        r.end(d);
    });
});
await new Promise((l) => servidor.listen(0, '127.0.0.1', l));
const origen = `http://127.0.0.1:${servidor.address().port}/?idioma=es`;

// In the page: when it was ready for keys, and each key's time to the live region.
function Reloj() {
    window.__listo = null;
    window.__lapsos = [];
    let desde = 0;
    addEventListener('keydown', () => { desde = performance.now(); }, true);
    new MutationObserver(() => {
        if (window.__listo === null && document.body && document.body.classList.contains('listo')) window.__listo = performance.now();
        const voz = document.getElementById('voz');
        if (voz && desde) { window.__lapsos.push(performance.now() - desde); desde = 0; }
    }).observe(document, { subtree: true, childList: true, attributes: true, attributeFilter: ['class'] });
}

async function PrimeraTecla(pagina) {
    await pagina.waitForSelector('body.listo');
    await pagina.focus('#detector');
    await pagina.keyboard.press('d');
    await pagina.waitForFunction(() => window.__lapsos.length > 0);
    return pagina.evaluate(() => window.__listo + window.__lapsos[0]);
}

for (const [nombre, opciones] of [
    ['chromium', { browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-features=Translate'] }],
    ['firefox', { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' }]]) {
    const navegador = await puppeteer.launch({ headless: true, ...opciones });
    const frio = [], tibio = [];
    for (let i = 0; i < CARGAS; i++) {
        const contexto = await navegador.createBrowserContext();
        const pagina = await contexto.newPage();
        await pagina.evaluateOnNewDocument(Reloj);
        await pagina.goto(origen);
        frio.push(await PrimeraTecla(pagina));
        await pagina.reload();
        tibio.push(await PrimeraTecla(pagina));
        await contexto.close();
    }
    const contexto = await navegador.createBrowserContext();
    const pagina = await contexto.newPage();
    await pagina.evaluateOnNewDocument(Reloj);
    await pagina.goto(origen);
    await pagina.waitForSelector('body.listo');
    await pagina.focus('#detector');
    for (let i = 0; i < TECLAS; i++) await pagina.keyboard.press(i % 2 ? 'ArrowLeft' : 'ArrowRight');
    await pagina.waitForFunction((n) => window.__lapsos.length >= n, {}, TECLAS);
    const lapsos = await pagina.evaluate(() => window.__lapsos);
    // Deals by difficulty on a second instance of the game, nothing made ahead.
    const repartos = await pagina.evaluate(async (veces) => {
        const M = await NovaroModulo();
        const almacen = { leer: () => null, escribir: () => '' };
        M.empezar('es', null, 12345, almacen);
        const fuera = {};
        for (let d = 1; d <= 5; d++) {
            M.ponerDificultad(d);
            const t = [];
            for (let i = 0; i < veces; i++) {
                const t0 = performance.now();
                M.nuevo();
                t.push(performance.now() - t0);
            }
            fuera[d] = t;
        }
        return fuera;
    }, REPARTOS);
    await navegador.close();
    console.log(`${nombre}: load to the first key answered, median / worst of ${CARGAS}: cold ${ms(p(frio, 0.5))} / ${ms(Math.max(...frio))}, warm ${ms(p(tibio, 0.5))} / ${ms(Math.max(...tibio))}`);
    console.log(`${nombre}: key to live region, ${TECLAS} arrows: median ${ms(p(lapsos, 0.5))}, 99th percentile ${ms(p(lapsos, 0.99))}`);
    const nombres = ['', 'Sencillo', 'Intermedio', 'Avanzado', 'Experto', 'Maestro'];
    for (const d of Object.keys(repartos))
        console.log(`${nombre}: a deal, ${nombres[d]}, ${REPARTOS}: median ${ms(p(repartos[d], 0.5))}, 99th percentile ${ms(p(repartos[d], 0.99))}, worst ${ms(Math.max(...repartos[d]))}`);
}
servidor.close();
