// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the game: it starts the game and ties the page's parts to it. Every word
// the page shows or says comes from the game (NovaroModulo).
import { $, Crear } from './elementos.js';
import { almacen } from './almacen.js';
import { Decir, IniciarVoz } from './voz.js';
import { Pitar, SonarPanel, SonarTonos, IniciarSonido } from './sonido.js';
import { CrearTablero } from './tablero.js';
import { Menu } from './menus.js';
import { IniciarDialogos, Mensaje, MostrarTexto } from './dialogos.js';
import { Copiar } from './portapapeles.js';
import { AbrirLugares } from './lugares.js';
import { CrearTactil } from './tactil.js';
import { IniciarFoco } from './foco.js';
import { IniciarTeclado } from './teclado.js';
import { IniciarModoGestos } from './modogestos.js';
import { IniciarDia } from './dia.js';

const PUNTOS = [18, 16, 14, 12, 11, 10, 9, 8];   // the font-size menu's items
const ESPERA_AVISO_MS = 400;                     // a reader settles on the page before a notice
const ESPERA_PREPARAR_MS = 200;

// Languages: ?idioma= wins, then the browser's own order; Spanish when none matches.
const parametros = new URLSearchParams(location.search);
function Idioma() {
    const pedido = parametros.get('idioma');
    if (pedido === 'es' || pedido === 'en') return pedido;
    for (const l of navigator.languages || [navigator.language || '']) {
        const base = l.slice(0, 2).toLowerCase();
        if (base === 'es' || base === 'en') return base;
    }
    return 'es';
}

const N = await NovaroModulo();
const idioma = Idioma();
document.documentElement.lang = idioma;
const sudoku = parametros.get('sudoku');
const aviso = N.empezar(idioma, sudoku === null ? null : sudoku, Math.floor(Math.random() * 2 ** 32), almacen, parametros.get('dia') === '1');
const T = N.textos();
// Taken once: a reload brings back the game in play, not the link's puzzle afresh.
if (sudoku !== null) {
    parametros.delete('sudoku');
    const resto = parametros.toString();
    history.replaceState(null, '', location.pathname + (resto ? '?' + resto : '') + location.hash);
}

// Every action waits for the one before (I may wait for the clipboard), in order.
// opciones.callado: the words are not for the live region (a slider says them itself);
// opciones.luego(r): what the caller does with the result once it is shown.
let cola = Promise.resolve();
function Accion(hacer, opciones = {}) {
    cola = cola.then(async () => {
        const r = await hacer();
        Atender(r, opciones.callado);
        if (opciones.luego) opciones.luego(r);
    }).catch((e) => console.error(e));
    return cola;
}
let vista = N.vista();
const botones = {};
const juego = { N, T, Accion, vista: () => vista, botones: {} };

IniciarVoz($('voz'));
IniciarSonido();
IniciarDialogos(T);
document.title = T.titulo;
$('titulo').textContent = T.titulo;
const linea = $('linea');
linea.setAttribute('aria-label', T.linea);
const detector = $('detector');
detector.setAttribute('aria-label', T.detector);
detector.setAttribute('aria-description', T.pulseF1);
const tablero = CrearTablero($('tablero'), (i) => Accion(() => N.tocar(i)));

// The window's buttons, in its tab order.
for (const [clave, hacer] of [
    ['nuevo', () => Accion(() => N.nuevo())],
    ['verSolucion', () => Accion(() => N.verSolucion())],
    ['guardar', () => AbrirLugares(juego, true)],
    ['cargar', () => AbrirLugares(juego, false)],
    ['comprobar', () => Accion(() => N.comprobar())],
]) {
    const b = Crear('button', { type: 'button', title: T[clave + 'Ayuda'], class: 'boton', id: 'boton-' + clave }, T[clave]);
    b.addEventListener('click', hacer);
    botones[clave] = b;
    $('botones').append(b);
}

const Ayuda = () => MostrarTexto(T.tituloAyuda, T.instrucciones, N.ayuda());
const menus = $('menus');
const menuNiveles = Menu(T.niveles, T.nivelesLista, () => vista.nivel, (i) => { N.ponerNivel(i); Mostrar(); }, 'niveles');
const menuDificultad = Menu(T.dificultad, T.dificultades, () => vista.dificultad, (i) => { N.ponerDificultad(i); Mostrar(); Preparar(); }, 'dificultad');
const menuTamano = Menu(T.tamano, T.tamanos, () => vista.tamano, (i) => { N.ponerTamano(i); Mostrar(); }, 'tamano');
for (const m of [menuNiveles, menuDificultad, menuTamano]) {
    const envoltorio = Crear('div', { class: 'menu-envoltorio' });
    envoltorio.append(m.boton, m.lista);
    menus.append(envoltorio);
}
const ayudaBoton = Crear('button', { type: 'button' }, T.ayuda);
ayudaBoton.addEventListener('click', Ayuda);
const licenciaBoton = Crear('button', { type: 'button' }, T.licencia);
licenciaBoton.addEventListener('click', () => MostrarTexto(T.licencia, T.licencia, N.licencia()));
menus.append(ayudaBoton, licenciaBoton);
IniciarDia(juego, menus);

// The Botonera, the context-menu key's popup.
// The buttons as the Botonera and touch's menus reach them: a save not allowed says why.
Object.assign(juego.botones, {
    comprobar: () => botones.comprobar.click(),
    nuevo: () => botones.nuevo.click(),
    verSolucion: () => botones.verSolucion.click(),
    guardar: () => (vista.puedeGuardar ? AbrirLugares(juego, true) : Accion(() => N.guardarNoPermitido())),
    cargar: () => AbrirLugares(juego, false),
    ayuda: Ayuda,
});
const botonera = Menu(T.botonera, T.botoneraLista, null, (i) => {
    const b = juego.botones;
    [b.comprobar, b.nuevo, b.verSolucion, b.guardar, b.cargar][i]();
}, 'botonera');
botonera.boton.hidden = true;
$('juego').append(botonera.lista);

const tactil = CrearTactil($('tactil'), juego);
const gestos = IniciarModoGestos(juego, idioma, parametros);

function Mostrar() {
    vista = N.vista();
    tablero.Pintar(vista);
    tactil.Seguir(vista);
    linea.value = vista.linea;
    linea.hidden = vista.lineaOculta;
    linea.classList.toggle('entrada', vista.lineaEnEntrada);
    document.documentElement.style.setProperty('--letra', PUNTOS[vista.tamano] + 'pt');
    botones.comprobar.disabled = !vista.puedeComprobar;
    botones.guardar.disabled = !vista.puedeGuardar;
}

// What an action left: sounds, the clipboard, a message box, the words, a popup.
function Atender(r, callado) {
    Mostrar();
    for (let i = 0; i < r.pitidos; i++) Pitar();
    if (r.panel) SonarPanel(r.panelSuena);
    SonarTonos(r.tonos);
    if (r.portapapeles !== null) Copiar(r.portapapeles, T.copiar);
    if (r.mensaje && !gestos.Activo()) Mensaje(r.mensaje);
    if (!callado) Decir(r.dicho);
    // In gesture mode no reader reads a message box: the voice says it after the words.
    if (r.mensaje && gestos.Activo()) Decir(r.mensaje, Boolean(r.dicho));
    if (r.botonera) {
        botonera.abrir(0);
        Decir(N.botonera(botonera.items.length).dicho);
    }
    Preparar();
}

// Ready puzzles are made when the page is idle, one at a time.
let preparando = false;
function Preparar() {
    if (preparando) return;
    preparando = true;
    const siguiente = () => setTimeout(() => {
        if (N.preparar()) siguiente();
        else preparando = false;
    }, ESPERA_PREPARAR_MS);
    siguiente();
}

IniciarFoco(detector, () => Accion(() => N.enfocado()));
IniciarTeclado(detector, juego, Ayuda);

Mostrar();
document.body.classList.add('listo');
detector.focus();
if (aviso) setTimeout(() => Accion(() => N.anunciar(aviso)), ESPERA_AVISO_MS);
Preparar();

if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
}
