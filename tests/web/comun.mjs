// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests share: the puzzles, the site served as a static host serves it,
// the terminal edition's words for the same keys, and a player's steps as keys and bytes.
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

export const Facil = '53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79';
export const SolucionFacil = '534678912672195348198342567859761423426853791713924856961537284287419635345286179';
// The four first cells of the solution left open: a game won in a few keys.
export const CasiResuelto = '....' + SolucionFacil.slice(4);
// A puzzle whose first hint is a forcing chain of more than four links.
export const Forzada = '...32..4.3....4.76.1487..3.7.....324..34.79854.92.3761...94..13.4..32.9.93....45.';

// --- the site, served as any static host would -------------------------------------------
const tipos = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.wav': 'audio/wav' };
// sinRed(): the host unreachable, as for a phone offline. Resolves to the site's origin.
export async function Servir(sitio, sinRed = () => false) {
    const servidor = http.createServer((pedido, respuesta) => {
        if (sinRed()) { pedido.socket.destroy(); return; }
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
    servidor.unref();   // it ends with the test
    return `http://127.0.0.1:${servidor.address().port}`;
}

// --- the terminal edition: its words for the same keys -------------------------------------
// masEntorno: variables of its own for this run, such as NOVARO_HOY for another day.
export function EnTerminal(programaTerminal, argumentos, bytes, masEntorno = {}) {
    const hogar = fs.mkdtempSync(path.join(os.tmpdir(), 'novaro-web-'));
    const entorno = { ...process.env, ...masEntorno, HOME: hogar };
    delete entorno.XDG_DATA_HOME;
    delete entorno.XDG_CONFIG_HOME;
    // A copy of its own keeps what it writes beside it, away from the build folder.
    const copia = path.join(hogar, 'novaro-terminal');
    fs.copyFileSync(programaTerminal, copia);
    fs.chmodSync(copia, 0o700);
    const r = spawnSync(copia, argumentos, { input: Buffer.from(bytes, 'utf8'), env: entorno, timeout: 60000 });
    const lineas = r.stdout.toString('utf8').split('\n');
    lineas.pop();
    return { lineas, error: r.stderr.toString('utf8').trim(), hogar };
}

// One step of a player: a browser key and the bytes a terminal sends for it; "comprobar" is
// the Check button here and F2 there.
export const Letra = (c) => ({ tecla: c, bytes: c });
export const Paso = { der: { tecla: 'ArrowRight', bytes: '\x1b[C' }, izq: { tecla: 'ArrowLeft', bytes: '\x1b[D' },
                      arr: { tecla: 'ArrowUp', bytes: '\x1b[A' }, abj: { tecla: 'ArrowDown', bytes: '\x1b[B' },
                      intro: { tecla: 'Enter', bytes: '\r' }, inicio: { tecla: 'Home', bytes: '\x1b[H' }, fin: { tecla: 'End', bytes: '\x1bOF' },
                      rePag: { tecla: 'PageUp', bytes: '\x1b[5~' }, avPag: { tecla: 'PageDown', bytes: '\x1b[6~' },
                      supr: { tecla: 'Delete', bytes: '\x1b[3~' }, retro: { tecla: 'Backspace', bytes: '\x7f' },
                      ctrl: { tecla: 'Control', bytes: '\0' }, f9: { tecla: 'F9', bytes: '\x1b[20~' },
                      comprobar: { comprobar: true, bytes: '\x1bOQ' } };

// Every mode of the game in 60 keys: the window's own tour (tests/window/tst_terminal.cpp).
export function Recorrido() {
    const p = Paso, l = Letra;
    return [l('d'), l('h'), l('h'), l('h'), l('g'), p.der, p.der, p.der, p.abj, l('c'), l('f'),
            l('t'), l('v'), l('n'), l('q'), l('s'), p.intro, l('7'), p.intro, l('e'),
            p.intro, l('6'), l('x'), p.retro, l('6'), p.intro, l('z'), l('r'), l('k'), l('5'), p.ctrl,
            l('k'), l('l'), l('2'), l('4'), p.izq, p.der, l('l'), l('u'), l('b'), l('o'),
            p.inicio, p.fin, p.rePag, p.avPag, p.arr, l('p'), p.supr, p.f9, l('m'), p.comprobar, l('x'), l('i'),
            l('d'), l('q'), l('u'), l('b'), p.f9, l('a'), l('v')];
}

