// SPDX-License-Identifier: GPL-3.0-or-later
// Lighthouse's mobile audit of the browser edition (its simulated phone: a slow 4G
// link, a CPU four times slower), the site served gzipped from this machine as a
// static host serves it, in Debian's chromium. Prints each run and the medians.
//   node bench/web/faro.mjs [SITE] [RUNS]     (SITE: dist/web; RUNS: 5)
//   FARO_INFORMES=DIR keeps Lighthouse's reports there (JSON), to see what held a paint back.
// Lighthouse comes from the npm registry through npx, once: the tests do not need it.
import { execFile } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';

const VERSION = '12.2.3';
const raiz = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const sitio = path.resolve(process.argv[2] || path.join(raiz, 'dist/web'));
const veces = Number(process.argv[3] || 5);

const tipos = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
    '.png': 'image/png', '.wav': 'audio/wav', '.webmanifest': 'application/manifest+json' };
const servidor = http.createServer((q, r) => {
    let ruta = decodeURIComponent(new URL(q.url, 'http://x').pathname);
    if (ruta.endsWith('/')) ruta += 'index.html';
    fs.readFile(path.join(sitio, path.normalize(ruta)), (e, datos) => {
        if (e) { r.writeHead(404); r.end(); return; }
        const gzip = /\bgzip\b/.test(q.headers['accept-encoding'] || '');
        r.writeHead(200, { 'Content-Type': tipos[path.extname(ruta)] || 'application/octet-stream',
            'Cache-Control': 'max-age=3600', ...(gzip ? { 'Content-Encoding': 'gzip' } : {}) });
        r.end(gzip ? zlib.gzipSync(datos, { level: 9 }) : datos);
    });
});
await new Promise((listo) => servidor.listen(0, '127.0.0.1', listo));
const direccion = `http://127.0.0.1:${servidor.address().port}/?idioma=es`;

const METRICAS = [
    ['first-contentful-paint', 'FCP'], ['largest-contentful-paint', 'LCP'], ['speed-index', 'SI'],
    ['total-blocking-time', 'TBT'], ['cumulative-layout-shift', 'CLS']];
const guardar = process.env.FARO_INFORMES;
if (guardar) fs.mkdirSync(guardar, { recursive: true });
const carpeta = guardar ? path.resolve(guardar) : fs.mkdtempSync(path.join(os.tmpdir(), 'novaro-faro-'));
const filas = [];
try {
    for (let i = 0; i < veces; i++) {
        const salida = path.join(carpeta, `informe-${i}.json`);
        // The server lives in this process: the audit runs beside it, not blocking it.
        await new Promise((hecho, fallo) => {
            execFile('npx', ['--yes', `lighthouse@${VERSION}`, direccion,
                '--quiet', '--output=json', `--output-path=${salida}`, '--only-categories=performance,accessibility,best-practices',
                '--chrome-flags=--headless=new --no-sandbox --disable-features=Translate'],
            { env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' }, maxBuffer: 1 << 26 },
            (e) => (e ? fallo(e) : hecho()));
        });
        const informe = JSON.parse(fs.readFileSync(salida, 'utf8'));
        const fila = {
            rendimiento: informe.categories.performance.score,
            accesibilidad: informe.categories.accessibility.score,
            practicas: informe.categories['best-practices'].score,
        };
        for (const [id, corto] of METRICAS) fila[corto] = informe.audits[id].numericValue;
        filas.push(fila);
        console.log(`run ${i + 1}: performance ${fila.rendimiento}, accessibility ${fila.accesibilidad}, best practices ${fila.practicas}; `
            + METRICAS.map(([, c]) => `${c} ${c === 'CLS' ? fila[c].toFixed(3) : Math.round(fila[c]) + ' ms'}`).join(', '));
    }
} finally {
    servidor.close();
    if (!guardar) fs.rmSync(carpeta, { recursive: true, force: true });
}
const mediana = (k) => { const v = filas.map((f) => f[k]).sort((a, b) => a - b); return v[Math.floor(v.length / 2)]; };
console.log(`median of ${veces}: performance ${mediana('rendimiento')}; `
    + METRICAS.map(([, c]) => `${c} ${c === 'CLS' ? mediana(c).toFixed(3) : Math.round(mediana(c)) + ' ms'}`).join(', '));
