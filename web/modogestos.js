// SPDX-License-Identifier: GPL-3.0-or-later
// Gesture mode: with the screen reader off, gestures are keys by another road and the page
// speaks with its own voice. Each gesture becomes the key code the game already answers,
// or a tap on a cell or a digit; the words are always the game's.
import { $, Crear } from './elementos.js';
import { Reconocer } from './gestos.js';
import { Decir, VozPropia, CambiarVelocidad } from './voz.js';
import { GestosElegidos, GuardarGestos, Velocidad, GuardarVelocidad, VELOCIDAD } from './preferencias.js';
import { DEL_TECLADO, MAS, Hacer, Pulsar } from './acciones.js';
import { DespertarSonido } from './sonido.js';

const VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40;
const FLECHAS = { izq: VK_LEFT, der: VK_RIGHT, arr: VK_UP, abj: VK_DOWN };
// Two fingers: left the row, down the column, up the panel; right opens the gesture menu.
const LECTURAS = { izq: 'F', abj: 'C', arr: 'T' };
// The gesture menu's order: what a solver wants most first.
const PRIMERAS = ['pista', 'grado', 'caben', 'donde', 'siguienteVacia', 'deshacer', 'modoNotas', 'comprobar', 'nuevo'];

export function IniciarModoGestos(juego, idioma, parametros) {
    const { N, T, Accion } = juego;
    let activo = false;
    let estado = 'tablero';   // 'tablero' | 'cifras' | a spoken list walked by flicks
    let lista = null;         // { opciones: [{ nombre, elegir }], i }
    let ultimaCelda = -1, ultimaCifra = 0;

    // --- the page's control, in words a screen reader speaks -------------------------------
    const control = $('gestos-control');
    const oferta = Crear('p', { id: 'oferta-gestos' }, T.ofertaGestos);
    const boton = Crear('button', { type: 'button', id: 'boton-gestos', 'aria-pressed': 'false', 'aria-describedby': 'oferta-gestos' }, T.modoGestos);
    const velocidad = Crear('input', { type: 'range', id: 'velocidad-voz', min: String(VELOCIDAD.minima), max: String(VELOCIDAD.maxima),
                                       step: String(VELOCIDAD.paso), value: String(Velocidad()) });
    const etiqueta = Crear('label', { for: 'velocidad-voz' }, T.velocidadVoz);
    etiqueta.append(velocidad);
    control.append(boton, oferta, etiqueta);
    boton.addEventListener('click', () => Activar(!activo, true));
    velocidad.addEventListener('change', () => PonerVelocidad(Number(velocidad.value)));

    function PonerVelocidad(v) {
        const kept = GuardarVelocidad(v);
        velocidad.value = String(kept);
        CambiarVelocidad(kept);
    }

    // --- the digits, three rows of three over the board -------------------------------------
    const cifras = Crear('div', { id: 'cifras-gestos', role: 'group', 'aria-label': T.cifras, hidden: '' });
    for (let d = 1; d <= 9; d++) {
        const b = Crear('button', { type: 'button', 'data-cifra': String(d) }, String(d));
        b.addEventListener('click', () => Cifra(d));   // a reader's double tap, or a mouse
        cifras.append(b);
    }
    document.querySelector('main').append(cifras);

    function AbrirCifras() {
        estado = 'cifras';
        ultimaCifra = 0;
        cifras.hidden = false;
        Decir(T.cifras);
    }
    function CerrarCifras(decir) {
        estado = 'tablero';
        cifras.hidden = true;
        if (decir) Decir(T.tablero);
    }
    function Cifra(d) {
        CerrarCifras(false);
        Accion(() => N.cifra(d));
    }

    // --- spoken lists: the gesture menu, the slots, the gesture help ------------------------
    // titulo: the list's name, said before its first item.
    function Lista(opciones, titulo) {
        estado = 'lista';
        lista = { opciones, i: 0 };
        if (titulo) Decir(titulo);
        Decir(opciones[0].nombre, Boolean(titulo));
    }
    function Recorrer(paso) {
        const n = lista.opciones.length;
        lista.i = (lista.i + paso + n) % n;
        Decir(lista.opciones[lista.i].nombre);
    }
    function CerrarLista(decir) {
        estado = 'tablero';
        lista = null;
        if (decir) Decir(T.tablero);
    }
    const Opcion = (nombre, elegir) => ({ nombre, elegir });

    function Lugares(guardar) {
        Lista(T.lugares.map((nombre, i) => Opcion(nombre, () => Accion(() => (guardar ? N.guardar(i + 1) : N.cargar(i + 1))))));
    }
    function MenuGestos() {
        const todas = new Map([...DEL_TECLADO, ...MAS].filter(([clave]) => clave !== 'ayuda'));
        const orden = [...PRIMERAS, ...[...todas.keys()].filter((c) => !PRIMERAS.includes(c))];
        const opciones = orden.map((clave) => {
            const accion = todas.get(clave);
            if (clave === 'guardar') return Opcion(T[clave], () => (juego.vista().puedeGuardar ? Lugares(true) : Accion(() => N.guardarNoPermitido())));
            if (clave === 'cargar') return Opcion(T[clave], () => Lugares(false));
            return Opcion(T[clave], () => Hacer(juego, accion));
        });
        opciones.push(
            Opcion(T.gestos, () => Lista(T.ayudaGestos.map((linea) => Opcion(linea, () => {})))),
            Opcion(T.vozMasRapida, () => { PonerVelocidad(Velocidad() + VELOCIDAD.paso); Decir(T.vozMasRapida); }),
            Opcion(T.vozMasLenta, () => { PonerVelocidad(Velocidad() - VELOCIDAD.paso); Decir(T.vozMasLenta); }),
            Opcion(T.salirGestos, () => Activar(false, true)),
        );
        Lista(opciones, T.menuGestos);
    }

    // --- gestures ---------------------------------------------------------------------------
    const CeldaEn = (x, y) => {
        const e = document.elementFromPoint(x, y);
        const celda = e && e.closest('.celda');
        return celda ? Number(celda.id.slice('celda-'.length)) : -1;
    };
    const CifraEn = (x, y) => {
        const e = document.elementFromPoint(x, y);
        const b = e && e.closest('[data-cifra]');
        return b ? Number(b.dataset.cifra) : 0;
    };

    function Gesto(g) {
        DespertarSonido();
        if (estado === 'cifras') {
            if (g.tipo === 'toque' && g.dedos === 1) {
                const d = CifraEn(g.x, g.y);
                if (d) Cifra(d); else CerrarCifras(true);
            } else if (g.tipo === 'toque' && g.dedos === 2) CerrarCifras(true);
            else if (g.tipo === 'deslizar') {
                const d = CifraEn(g.x, g.y);
                if (d && d !== ultimaCifra) Decir(String(d));
                ultimaCifra = d;
            }
            return;
        }
        if (estado === 'lista') {
            if (g.tipo === 'flick' && g.dedos === 1) Recorrer(g.dir === 'der' || g.dir === 'abj' ? 1 : -1);
            else if (g.tipo === 'toque' && g.dedos === 1 && g.doble) {
                const { elegir } = lista.opciones[lista.i];
                CerrarLista(false);
                elegir();
            } else if (g.tipo === 'toque' && g.dedos === 2) CerrarLista(true);
            return;
        }
        if (g.tipo === 'flick' && g.dedos === 1) Pulsar(juego, FLECHAS[g.dir]);
        else if (g.tipo === 'flick' && g.dedos === 2) {
            if (g.dir === 'der') MenuGestos();
            else Pulsar(juego, LECTURAS[g.dir].charCodeAt(0));
        } else if (g.tipo === 'toque' && g.dedos === 2) AbrirCifras();
        else if (g.tipo === 'toque' && g.dedos === 1) {
            const i = CeldaEn(g.x, g.y);
            if (i >= 0) Accion(() => N.tocar(i));
        } else if (g.tipo === 'deslizar') {
            const i = CeldaEn(g.x, g.y);
            if (i >= 0 && i !== ultimaCelda) Accion(() => N.tocar(i));
            ultimaCelda = i;
        }
    }
    // Touches on the page's own control keep their ordinary meaning.
    const superficie = document.querySelector('main');
    Reconocer(superficie, () => activo, (g) => { Gesto(g); if (g.tipo !== 'deslizar') ultimaCelda = -1; });

    // --- on and off -------------------------------------------------------------------------
    function Activar(si, decir) {
        activo = si;
        GuardarGestos(si);
        boton.setAttribute('aria-pressed', String(si));
        document.body.classList.toggle('gestos', si);
        if (!si) { CerrarCifras(false); if (estado === 'lista') CerrarLista(false); }
        // Said by the page's own voice: the last thing it says, or the first.
        if (decir && !si) Decir(T.gestosDesactivado);
        VozPropia(si, idioma, Velocidad());
        if (decir && si) Decir(T.gestosActivado);
    }
    Activar(GestosElegidos(parametros), false);

    return { Activo: () => activo };
}
