// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the game: it shows, takes keys and taps, stores bytes, plays sounds.
// Every word it shows or says comes from the game (NovaroModulo).
'use strict';

(async () => {
    const PREFIJO = 'novaro/';
    const PUNTOS = [18, 16, 14, 12, 11, 10, 9, 8];   // the font-size menu's items
    const ESPERA_AVISO_MS = 400;                     // a reader settles on the page before a notice
    const PITIDO = { hz: 880, segundos: 0.12 };
    const $ = (id) => document.getElementById(id);

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

    // The storage: bytes kept as base64 text, since localStorage holds only strings.
    function ABase64(bytes) {
        let s = '';
        for (let i = 0; i < bytes.length; i++) s += String.fromCharCode(bytes[i]);
        return btoa(s);
    }
    function DeBase64(texto) {
        let s;
        try { s = atob(texto); } catch (e) { s = texto; }   // damaged: the game judges the bytes
        const bytes = new Uint8Array(s.length);
        for (let i = 0; i < s.length; i++) bytes[i] = s.charCodeAt(i) & 0xff;
        return bytes;
    }
    const almacen = {
        leer(nombre) {
            try {
                const t = window.localStorage.getItem(PREFIJO + nombre);
                return t === null ? null : DeBase64(t);
            } catch (e) { return 'bloqueado'; }
        },
        escribir(nombre, bytes) {
            try {
                window.localStorage.setItem(PREFIJO + nombre, ABase64(bytes));
                return '';
            } catch (e) {
                const lleno = e && (e.name === 'QuotaExceededError' || e.name === 'NS_ERROR_DOM_QUOTA_REACHED' || e.code === 22);
                return lleno ? 'lleno' : 'bloqueado';
            }
        },
    };

    const N = await NovaroModulo();
    const idioma = Idioma();
    document.documentElement.lang = idioma;
    const sudoku = parametros.get('sudoku');
    const aviso = N.empezar(idioma, sudoku === null ? null : sudoku, Math.floor(Math.random() * 2 ** 32), almacen);
    const T = N.textos();
    // Taken once: a reload brings back the game in play, not the link's puzzle afresh.
    if (sudoku !== null) {
        parametros.delete('sudoku');
        const resto = parametros.toString();
        history.replaceState(null, '', location.pathname + (resto ? '?' + resto : '') + location.hash);
    }

    // --- speech -------------------------------------------------------------------------
    const voz = $('voz');
    // The same words twice in a row must be heard twice: a no-break space tells them apart.
    function Decir(texto) {
        if (!texto) return;
        voz.textContent = voz.textContent === texto ? texto + '\u00a0' : texto;
    }

    // --- sound --------------------------------------------------------------------------
    let audio = null, cambioPanel = null, sonando = null;
    function ContextoSonido() {
        if (audio) return audio;
        const Contexto = window.AudioContext || window.webkitAudioContext;
        if (!Contexto) return null;
        audio = new Contexto();
        fetch('CambioTablero.wav').then((r) => r.arrayBuffer()).then((b) => audio.decodeAudioData(b))
            .then((buffer) => { cambioPanel = buffer; }).catch(() => {});
        return audio;
    }
    function Pitar() {
        const a = ContextoSonido();
        if (!a) return;
        const o = a.createOscillator(), g = a.createGain();
        o.frequency.value = PITIDO.hz;
        g.gain.value = 0.2;
        o.connect(g).connect(a.destination);
        o.start();
        o.stop(a.currentTime + PITIDO.segundos);
    }
    function SonarPanel(suena) {
        if (sonando) { try { sonando.stop(); } catch (e) { /* already over */ } sonando = null; }
        const a = ContextoSonido();
        if (!suena || !a || !cambioPanel) return;
        sonando = a.createBufferSource();
        sonando.buffer = cambioPanel;
        sonando.connect(a.destination);
        sonando.start();
    }

    // --- building the page --------------------------------------------------------------
    function Crear(tipo, atributos = {}, texto) {
        const e = document.createElement(tipo);
        for (const [k, v] of Object.entries(atributos)) e.setAttribute(k, v);
        if (texto !== undefined) e.textContent = texto;
        return e;
    }

    document.title = T.titulo;
    $('titulo').textContent = T.titulo;
    const linea = $('linea');
    linea.setAttribute('aria-label', T.linea);
    const detector = $('detector');
    detector.setAttribute('aria-label', T.detector);
    detector.setAttribute('aria-description', T.pulseF1);
    const tablero = $('tablero');


    // The 81 cells: the words a reader needs live inside each cell; the digit and the
    // notes drawn for the eye are hidden from it.
    const celdas = [];
    for (let f = 0; f < 9; f++) {
        const fila = Crear('div', { role: 'row' });
        for (let c = 0; c < 9; c++) {
            const i = f * 9 + c;
            const celda = Crear('div', { role: 'gridcell', id: 'celda-' + i, class: 'celda' });
            if (c % 3 === 2 && c < 8) celda.classList.add('borde-derecho');
            if (f % 3 === 2 && f < 8) celda.classList.add('borde-inferior');
            const valor = Crear('span', { class: 'valor', 'aria-hidden': 'true' });
            const notas = Crear('span', { class: 'notas', 'aria-hidden': 'true' });
            const oido = Crear('span', { class: 'solo-lector' });
            celda.append(valor, notas, oido);
            celda.addEventListener('click', () => Accion(() => N.tocar(i)));
            fila.append(celda);
            celdas.push({ celda, valor, notas, oido });
        }
        tablero.append(fila);
    }

    // The window's buttons, in its tab order.
    const botones = {};
    const listaBotones = [
        ['nuevo', () => Accion(() => N.nuevo())],
        ['verSolucion', () => Accion(() => N.verSolucion())],
        ['guardar', () => AbrirLugares(true)],
        ['cargar', () => AbrirLugares(false)],
        ['comprobar', () => Accion(() => N.comprobar())],
    ];
    for (const [clave, hacer] of listaBotones) {
        const b = Crear('button', { type: 'button', title: T[clave + 'Ayuda'], class: 'boton', id: 'boton-' + clave }, T[clave]);
        b.addEventListener('click', hacer);
        botones[clave] = b;
        $('botones').append(b);
    }

    // --- menus: a button opening a list of choices, the chosen one checked ---------------
    const menus = $('menus');
    let menuAbierto = null;
    function Menu(titulo, opciones, marcada, elegir, id) {
        const boton = Crear('button', { type: 'button', 'aria-haspopup': 'menu', 'aria-expanded': 'false', id: 'menu-' + id }, titulo);
        const lista = Crear('div', { role: 'menu', 'aria-label': titulo, class: 'menu', hidden: '' });
        const items = opciones.map((texto, i) => {
            const item = Crear('div', { role: marcada ? 'menuitemradio' : 'menuitem', tabindex: '-1' }, texto);
            item.addEventListener('click', () => { CerrarMenu(true); elegir(i); });
            lista.append(item);
            return item;
        });
        const menu = { boton, lista, items, marcada, abrir: null };
        menu.abrir = (primero) => {
            CerrarMenu(false);
            if (marcada) { const m = marcada(); items.forEach((it, i) => it.setAttribute('aria-checked', String(i === m))); }
            lista.hidden = false;
            boton.setAttribute('aria-expanded', 'true');
            menuAbierto = menu;
            const m = marcada ? marcada() : 0;
            items[primero === undefined ? m : primero].focus();
        };
        boton.addEventListener('click', () => (menuAbierto === menu ? CerrarMenu(false) : menu.abrir()));
        boton.addEventListener('keydown', (ev) => {
            if (ev.key === 'ArrowDown') { ev.preventDefault(); menu.abrir(); }
        });
        lista.addEventListener('keydown', (ev) => {
            const i = items.indexOf(document.activeElement);
            const ir = (n) => { ev.preventDefault(); items[(n + items.length) % items.length].focus(); };
            if (ev.key === 'ArrowDown') ir(i + 1);
            else if (ev.key === 'ArrowUp') ir(i - 1);
            else if (ev.key === 'Home') ir(0);
            else if (ev.key === 'End') ir(items.length - 1);
            else if (ev.key === 'Enter' || ev.key === ' ') { ev.preventDefault(); items[i].click(); }
            else if (ev.key === 'Escape') { ev.preventDefault(); ev.stopPropagation(); CerrarMenu(true); }
            else if (ev.key === 'Tab') CerrarMenu(false);
        });
        return menu;
    }
    function CerrarMenu(devolverFoco) {
        if (!menuAbierto) return;
        menuAbierto.lista.hidden = true;
        menuAbierto.boton.setAttribute('aria-expanded', 'false');
        menuAbierto = null;
        if (devolverFoco) VolverAlDetector();
    }
    document.addEventListener('click', (ev) => {
        if (menuAbierto && !menuAbierto.lista.contains(ev.target) && ev.target !== menuAbierto.boton) CerrarMenu(false);
    });

    let vista = N.vista();
    const menuNiveles = Menu(T.niveles, T.nivelesLista, () => vista.nivel, (i) => { N.ponerNivel(i); Mostrar(); }, 'niveles');
    const menuDificultad = Menu(T.dificultad, T.dificultades, () => vista.dificultad, (i) => { N.ponerDificultad(i); Mostrar(); Preparar(); }, 'dificultad');
    const menuTamano = Menu(T.tamano, T.tamanos, () => vista.tamano, (i) => { N.ponerTamano(i); Mostrar(); }, 'tamano');
    for (const m of [menuNiveles, menuDificultad, menuTamano]) {
        const envoltorio = Crear('div', { class: 'menu-envoltorio' });
        envoltorio.append(m.boton, m.lista);
        menus.append(envoltorio);
    }
    const ayudaBoton = Crear('button', { type: 'button' }, T.ayuda);
    ayudaBoton.addEventListener('click', () => MostrarTexto(T.tituloAyuda, T.instrucciones, N.ayuda()));
    const licenciaBoton = Crear('button', { type: 'button' }, T.licencia);
    licenciaBoton.addEventListener('click', () => MostrarTexto(T.licencia, T.licencia, N.licencia()));
    menus.append(ayudaBoton, licenciaBoton);

    // The Botonera, the context-menu key's popup.
    const botonera = Menu(T.botonera, T.botoneraLista, null, (i) => {
        const hacer = [() => botones.comprobar.click(), () => botones.nuevo.click(), () => botones.verSolucion.click(),
                       () => (vista.puedeGuardar ? AbrirLugares(true) : Accion(() => N.guardarNoPermitido())), () => AbrirLugares(false)];
        hacer[i]();
    }, 'botonera');
    botonera.boton.hidden = true;
    $('juego').append(botonera.lista);

    // --- touch ----------------------------------------------------------------------------
    const tactil = $('tactil');
    tactil.setAttribute('aria-label', T.tactil);
    const cifras = Crear('div', { role: 'group', 'aria-label': T.cifras, class: 'cifras' });
    for (let d = 1; d <= 9; d++) {
        const b = Crear('button', { type: 'button', class: 'tecla' }, String(d));
        b.addEventListener('click', () => Accion(() => N.cifra(d)));
        cifras.append(b);
    }
    const acciones = Crear('div', { class: 'acciones' });
    // Each button is the key that does the same.
    for (const [clave, letra] of [['modoNotas', 'L'], ['borrar', null], ['fila', 'F'], ['columna', 'C'], ['panel', 'T'],
                                  ['caben', 'N'], ['donde', 'D'], ['pista', 'H'], ['grado', 'G'], ['deshacer', 'Z']]) {
        const b = Crear('button', { type: 'button', class: 'tecla' }, T[clave]);
        const codigo = letra ? letra.charCodeAt(0) : 46;   // Delete
        b.addEventListener('click', () => Accion(() => N.tecla(codigo, 0, [])));
        acciones.append(b);
    }
    tactil.append(cifras, acciones);

    // --- showing the game ----------------------------------------------------------------
    // Only what changed is touched: every change to a cell is an event a screen reader
    // may speak, and a key must be heard as its one utterance alone.
    function Poner(elemento, propiedad, valor) {
        if (elemento[propiedad] !== valor) elemento[propiedad] = valor;
    }
    function Atributo(elemento, nombre, valor) {
        if (elemento.getAttribute(nombre) !== valor) elemento.setAttribute(nombre, valor);
    }
    function Mostrar() {
        vista = N.vista();
        vista.celdas.forEach((c, i) => {
            const d = celdas[i];
            Poner(d.valor, 'textContent', c.texto === '-' ? '' : c.texto);
            Poner(d.notas, 'textContent', c.notas.join(' '));
            Poner(d.oido, 'textContent', c.oido);
            if (d.celda.classList.contains('dada') !== c.dado) d.celda.classList.toggle('dada', c.dado);
            if (d.celda.classList.contains('provisional') !== c.provisional) d.celda.classList.toggle('provisional', c.provisional);
            // aria-current, not aria-selected: a selection that moves is announced by readers.
            if (i === vista.actual) Atributo(d.celda, 'aria-current', 'true');
            else if (d.celda.hasAttribute('aria-current')) d.celda.removeAttribute('aria-current');
            Atributo(d.celda, 'aria-readonly', String(c.dado));
        });
        linea.value = vista.linea;
        linea.hidden = vista.lineaOculta;
        linea.classList.toggle('entrada', vista.lineaEnEntrada);
        document.documentElement.style.setProperty('--letra', PUNTOS[vista.tamano] + 'pt');
        botones.comprobar.disabled = !vista.puedeComprobar;
        botones.guardar.disabled = !vista.puedeGuardar;
    }

    // What an action left: sounds, the clipboard, a message box, the words, a popup.
    function Atender(r) {
        Mostrar();
        for (let i = 0; i < r.pitidos; i++) Pitar();
        if (r.panel) SonarPanel(r.panelSuena);
        if (r.portapapeles !== null) Copiar(r.portapapeles);
        if (r.mensaje) Mensaje(r.mensaje);
        Decir(r.dicho);
        if (r.botonera) {
            botonera.abrir(0);
            Decir(N.botonera(botonera.items.length).dicho);
        }
        Preparar();
    }

    // Every action waits for the one before (I may wait for the clipboard), in order.
    let cola = Promise.resolve();
    function Accion(hacer) {
        cola = cola.then(async () => Atender(await hacer())).catch((e) => console.error(e));
        return cola;
    }

    // Ready puzzles are made when the page is idle, one at a time.
    let preparando = false;
    function Preparar() {
        if (preparando) return;
        preparando = true;
        const siguiente = () => setTimeout(() => {
            if (N.preparar()) siguiente();
            else preparando = false;
        }, 200);
        siguiente();
    }

    // --- the clipboard ---------------------------------------------------------------------
    let copiado = '';
    function Copiar(texto) {
        copiado = texto;
        const escribir = navigator.clipboard && navigator.clipboard.writeText ? navigator.clipboard.writeText(texto) : Promise.reject();
        escribir.catch(() => CajaDeTexto(T.copiar, texto, false));
    }
    // I: the clipboard when the browser lets the page read it, else a box to paste into.
    async function Pegado() {
        try {
            if (navigator.clipboard && navigator.clipboard.readText) return await navigator.clipboard.readText();
        } catch (e) { /* refused: the box below */ }
        return CajaDeTexto(T.pegar, copiado, true);
    }

    // --- dialogs ---------------------------------------------------------------------------
    const dialogo = $('dialogo');
    let alCerrar = null;
    function AbrirDialogo(titulo, contenido, enfocar, rol = 'dialog') {
        CerrarMenu(false);
        dialogo.replaceChildren();
        dialogo.setAttribute('role', rol);
        const h = Crear('h2', { id: 'titulo-dialogo' }, titulo);
        dialogo.setAttribute('aria-labelledby', 'titulo-dialogo');
        dialogo.append(h, ...contenido);
        if (!dialogo.open) dialogo.showModal();
        (enfocar || dialogo).focus();
        return new Promise((resolver) => { alCerrar = resolver; });
    }
    function CerrarDialogo(valor) {
        // Closing gives the focus back to where it was, the detector maybe: no arrival either.
        devolviendo = true;
        if (dialogo.open) dialogo.close();
        devolviendo = false;
        const r = alCerrar;
        alCerrar = null;
        VolverAlDetector();
        if (r) r(valor);
    }
    dialogo.addEventListener('cancel', (ev) => { ev.preventDefault(); CerrarDialogo(null); });

    function BotonCerrar(texto, valor) {
        const b = Crear('button', { type: 'button' }, texto);
        b.addEventListener('click', () => CerrarDialogo(valor === undefined ? null : valor()));
        return b;
    }

    function Mensaje(texto) {
        const p = Crear('p', { id: 'texto-mensaje' }, texto);
        const ok = BotonCerrar(T.aceptar);
        dialogo.setAttribute('aria-describedby', 'texto-mensaje');
        return AbrirDialogo(T.titulo, [p, ok], ok, 'alertdialog');
    }

    // Help and licence: the text first, where the reader starts, then OK.
    function MostrarTexto(titulo, nombre, texto) {
        dialogo.removeAttribute('aria-describedby');
        const area = Crear('textarea', { readonly: '', rows: '16', 'aria-label': nombre, class: 'texto-largo' });
        area.value = texto;
        area.addEventListener('keydown', (ev) => {
            if (ev.key === 'Enter') { ev.preventDefault(); CerrarDialogo(null); }
        });
        return AbrirDialogo(titulo, [area, BotonCerrar(T.aceptar)], area);
    }

    // A box that says what it is for: pasting a puzzle (Enter takes it) or copying the board.
    function CajaDeTexto(etiqueta, texto, pegar) {
        dialogo.removeAttribute('aria-describedby');
        const caja = Crear('input', { type: 'text', 'aria-label': etiqueta, class: 'caja' });
        caja.value = texto;
        const l = Crear('label', {}, etiqueta);
        caja.id = 'caja-texto';
        l.setAttribute('for', 'caja-texto');
        caja.addEventListener('keydown', (ev) => {
            if (ev.key === 'Enter') { ev.preventDefault(); CerrarDialogo(pegar ? caja.value : null); }
        });
        const promesa = AbrirDialogo(etiqueta, [l, caja, pegar ? BotonCerrar(T.aceptar, () => caja.value) : BotonCerrar(T.cerrar)], caja);
        caja.select();
        return promesa.then((v) => (v === null ? '' : v));
    }

    // The nine slots, each to save or load, each downloadable; a .sav from the computer.
    function AbrirLugares(guardar) {
        const lista = Crear('ul', { class: 'lugares' });
        T.lugares.forEach((nombre, i) => {
            const n = i + 1;
            const elemento = Crear('li');
            const b = Crear('button', { type: 'button', id: 'lugar-' + n }, nombre);
            b.addEventListener('click', () => { CerrarDialogo(null); Accion(() => (guardar ? N.guardar(n) : N.cargar(n))); });
            const archivo = 'Novaro' + n + '.sav';
            const bajar = Crear('button', { type: 'button', id: 'bajar-' + n }, T.descargar.replace('%1', archivo));
            bajar.addEventListener('click', () => {
                const bytes = N.ranura(n);
                if (bytes === null) { CerrarDialogo(null); Accion(() => N.cargar(n)); return; }   // says the slot is empty
                Descargar(archivo, bytes);
            });
            elemento.append(b, bajar);
            lista.append(elemento);
        });
        const contenido = [lista];
        if (!guardar) {
            const entrada = Crear('input', { type: 'file', accept: '.sav', id: 'archivo-sav' });
            const l = Crear('label', { for: 'archivo-sav' }, T.archivo);
            entrada.addEventListener('change', async () => {
                const f = entrada.files && entrada.files[0];
                if (!f) return;
                const bytes = new Uint8Array(await f.arrayBuffer());
                CerrarDialogo(null);
                Accion(() => N.abrirArchivo(f.name, bytes));
            });
            contenido.push(l, entrada);
        }
        contenido.push(BotonCerrar(T.cerrar));
        return AbrirDialogo(guardar ? T.guardar : T.cargar, contenido, lista.querySelector('button'));
    }

    function Descargar(nombre, bytes) {
        const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
        const a = Crear('a', { href: url, download: nombre });
        document.body.append(a);
        a.click();
        a.remove();
        setTimeout(() => URL.revokeObjectURL(url), 60000);
    }

    // --- the key detector ------------------------------------------------------------------
    // Focus handed back by the page (a menu or a dialog closing) is not a player arriving.
    let devolviendo = false;
    function VolverAlDetector() {
        devolviendo = true;
        detector.focus();
        devolviendo = false;
    }
    detector.addEventListener('focus', () => {
        if (!devolviendo) Accion(() => N.enfocado());
    });

    // Control alone marks a cell provisional: on its release, when no other key came between.
    let controlSolo = false;
    // Browsers let a page sound only after the player touched or typed something.
    function DespertarSonido() {
        const a = ContextoSonido();
        if (a && a.state === 'suspended') a.resume();
    }
    document.addEventListener('pointerdown', DespertarSonido, true);
    detector.addEventListener('keydown', (ev) => {
        DespertarSonido();
        if (ev.key === 'Control') { controlSolo = !ev.repeat; return; }
        controlSolo = false;
        if (ev.key === 'F1') { ev.preventDefault(); MostrarTexto(T.tituloAyuda, T.instrucciones, N.ayuda()); return; }
        if (ev.key === 'Escape') { ev.preventDefault(); return; }
        const t = Teclas.Traducir(ev);
        if (!t) return;
        ev.preventDefault();
        if (t.codigo === 'I'.charCodeAt(0)) {
            Accion(async () => { N.portapapeles(await Pegado()); return N.tecla(t.codigo, t.digito, t.unidades); });
            return;
        }
        Accion(() => N.tecla(t.codigo, t.digito, t.unidades));
    });
    detector.addEventListener('keyup', (ev) => {
        if (ev.key === 'Control' && controlSolo) Accion(() => N.tecla(Teclas.VK_CONTROL, 0, []));
        controlSolo = false;
    });
    detector.addEventListener('contextmenu', (ev) => { ev.preventDefault(); Accion(() => N.tecla(Teclas.VK_APPS, 0, [])); });
    // Escape anywhere outside a dialog or menu comes back to the detector, as in the window.
    document.addEventListener('keydown', (ev) => {
        if (ev.key === 'Escape' && !dialogo.open && !menuAbierto && document.activeElement !== detector) VolverAlDetector();
        if (ev.key === 'F1' && !dialogo.open && document.activeElement !== detector) {
            ev.preventDefault();
            MostrarTexto(T.tituloAyuda, T.instrucciones, N.ayuda());
        }
    });

    Mostrar();
    document.body.classList.add('listo');
    detector.focus();
    if (aviso) setTimeout(() => Accion(() => N.anunciar(aviso)), ESPERA_AVISO_MS);
    Preparar();

    if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
        navigator.serviceWorker.register('sw.js').catch(() => {});
    }
})();
