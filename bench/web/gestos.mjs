// SPDX-License-Identifier: GPL-3.0-or-later
// Gesture mode's answer time in Debian's chromium (headless, touch through CDP): from a
// flick's touchend reaching the page to its words handed to speechSynthesis.speak.
//   node bench/web/gestos.mjs [SITE]      (SITE: dist/web by default; run scripts/web.sh first)
import { createRequire } from 'node:module';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const raiz = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const requerir = createRequire(path.join(raiz, 'tests/web/package.json'));
const { default: puppeteer } = await import(requerir.resolve('puppeteer-core'));
const sitio = path.resolve(process.argv[2] || path.join(raiz, 'dist/web'));
const FLICKS = 1000;
const DISTANCIA_PX = 60, PASO_MS = 20;

const tipos = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm' };
const servidor = http.createServer((q, r) => {
    let ruta = decodeURIComponent(new URL(q.url, 'http://x').pathname);
    if (ruta.endsWith('/')) ruta += 'index.html';
    fs.readFile(path.join(sitio, path.normalize(ruta)), (e, d) => {
        if (e) { r.writeHead(404); r.end(); return; }
        r.writeHead(200, { 'Content-Type': tipos[path.extname(ruta)] || 'application/octet-stream' });
        r.end(d);
    });
});
await new Promise((l) => servidor.listen(0, '127.0.0.1', l));

// In the page: each touchend's arrival (first of all listeners) and each speak's delay after it.
function Reloj() {
    window.__lapsos = [];
    let desde = 0;
    addEventListener('touchend', () => { desde = performance.now(); }, true);
    speechSynthesis.speak = () => { if (desde) window.__lapsos.push(performance.now() - desde); desde = 0; };
}

const navegador = await puppeteer.launch({ headless: true, executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-features=Translate'] });
const pagina = await navegador.newPage();
await pagina.setViewport({ width: 390, height: 740, isMobile: true, hasTouch: true });
await pagina.evaluateOnNewDocument(Reloj);
await pagina.goto(`http://127.0.0.1:${servidor.address().port}/?idioma=es&gestos=1`);
await pagina.waitForSelector('body.listo');
const cdp = await pagina.createCDPSession();
const [x, y] = await pagina.$eval('#celda-40', (e) => { const r = e.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; });
for (let i = 0; i < FLICKS; i++) {
    const dx = i % 2 ? -DISTANCIA_PX : DISTANCIA_PX;   // right, left: never at an edge
    const t = Date.now() / 1000;
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }], timestamp: t });
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: x + dx, y }], timestamp: t + PASO_MS / 1000 });
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [], timestamp: t + 2 * PASO_MS / 1000 });
}
await pagina.waitForFunction((n) => window.__lapsos.length >= n, {}, FLICKS);
const lapsos = (await pagina.evaluate(() => window.__lapsos)).sort((a, b) => a - b);
const q = (v) => lapsos[Math.min(lapsos.length - 1, Math.floor(v * lapsos.length))].toFixed(2);
console.log(`flick to speak, chromium, ${lapsos.length} flicks: p50 ${q(0.5)} ms, p99 ${q(0.99)} ms, max ${q(1)} ms`);
await navegador.close();
servidor.close();
