// SPDX-License-Identifier: GPL-3.0-or-later
// The gesture recognizer: touches on a surface become gestures, with no meaning of their
// own. A flick is at least DESLIZ_PX within RAPIDO_MS; a finger kept down longer slides.
//   avisar({ tipo: 'flick', dedos, dir })        dir: 'izq' | 'der' | 'arr' | 'abj'
//   avisar({ tipo: 'toque', dedos, x, y, doble }) doble: a second tap soon after the first
//   avisar({ tipo: 'deslizar', x, y })           each move of a slow slide

export const DESLIZ_PX = 40;
export const RAPIDO_MS = 300;
const TOQUE_PX = 20;      // a tap may wander this far
const DOBLE_MS = 400;     // a second tap within this is a double tap
const DOBLE_PX = 60;

export function Reconocer(superficie, activo, avisar) {
    let toque = null;   // the touch in course: where each finger began and is now
    let ultimoToque = null;

    const Punto = (t) => ({ x: t.clientX, y: t.clientY });
    function Direccion(dx, dy) {
        if (Math.abs(dx) >= Math.abs(dy)) return dx < 0 ? 'izq' : 'der';
        return dy < 0 ? 'arr' : 'abj';
    }

    superficie.addEventListener('touchstart', (ev) => {
        if (!activo(ev)) return;
        ev.preventDefault();
        const ahora = ev.timeStamp;
        if (!toque) toque = { inicio: ahora, dedos: new Map(), maximo: 0, deslizando: false };
        for (const t of ev.changedTouches) toque.dedos.set(t.identifier, { desde: Punto(t), hasta: Punto(t) });
        toque.maximo = Math.max(toque.maximo, toque.dedos.size);
    }, { passive: false });

    superficie.addEventListener('touchmove', (ev) => {
        if (!toque) return;
        ev.preventDefault();
        for (const t of ev.changedTouches) {
            const d = toque.dedos.get(t.identifier);
            if (d) d.hasta = Punto(t);
        }
        if (toque.maximo === 1 && ev.timeStamp - toque.inicio > RAPIDO_MS) {
            toque.deslizando = true;
            const [d] = toque.dedos.values();
            avisar({ tipo: 'deslizar', x: d.hasta.x, y: d.hasta.y });
        }
    }, { passive: false });

    function Fin(ev) {
        if (!toque) return;
        ev.preventDefault();   // no click after it: the gesture is all the page takes
        for (const t of ev.changedTouches) {
            const d = toque.dedos.get(t.identifier);
            if (d) { d.hasta = Punto(t); d.fuera = true; }
        }
        if (![...toque.dedos.values()].every((d) => d.fuera)) return;
        const t = toque;
        toque = null;
        if (t.deslizando || ev.type === 'touchcancel') return;
        const dedos = [...t.dedos.values()];
        const dx = dedos.reduce((s, d) => s + d.hasta.x - d.desde.x, 0) / dedos.length;
        const dy = dedos.reduce((s, d) => s + d.hasta.y - d.desde.y, 0) / dedos.length;
        const distancia = Math.hypot(dx, dy);
        const duracion = ev.timeStamp - t.inicio;
        if (distancia >= DESLIZ_PX && duracion <= RAPIDO_MS) {
            avisar({ tipo: 'flick', dedos: t.maximo, dir: Direccion(dx, dy) });
        } else if (distancia < TOQUE_PX) {
            const { x, y } = dedos[0].desde;
            const doble = t.maximo === 1 && ultimoToque !== null && ev.timeStamp - ultimoToque.cuando <= DOBLE_MS &&
                          Math.hypot(x - ultimoToque.x, y - ultimoToque.y) <= DOBLE_PX;
            ultimoToque = doble || t.maximo !== 1 ? null : { x, y, cuando: ev.timeStamp };
            avisar({ tipo: 'toque', dedos: t.maximo, x, y, doble });
        }
    }
    superficie.addEventListener('touchend', Fin, { passive: false });
    superficie.addEventListener('touchcancel', Fin, { passive: false });
}
