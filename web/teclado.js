// SPDX-License-Identifier: GPL-3.0-or-later
// The key detector: the browser's keys go to the game as the window's detector sends them.
import { Teclas } from './teclas.js';
import { EnDetector, VolverAlDetector } from './foco.js';
import { DialogoAbierto } from './dialogos.js';
import { MenuAbierto } from './menus.js';
import { Pegado } from './portapapeles.js';
import { DespertarSonido } from './sonido.js';

const VK_I = 'I'.charCodeAt(0);

// ayuda: shows the help (F1).
export function IniciarTeclado(detector, juego, ayuda) {
    const { N, T, Accion } = juego;
    // Control alone marks a cell provisional: on its release, when no other key came between.
    let controlSolo = false;
    detector.addEventListener('keydown', (ev) => {
        DespertarSonido();
        if (ev.key === 'Control') { controlSolo = !ev.repeat; return; }
        controlSolo = false;
        if (ev.key === 'F1') { ev.preventDefault(); ayuda(); return; }
        if (ev.key === 'Escape') { ev.preventDefault(); return; }
        const t = Teclas.Traducir(ev);
        if (!t) return;
        ev.preventDefault();
        if (t.codigo === VK_I) {
            Accion(async () => { N.portapapeles(await Pegado(T.pegar)); return N.tecla(t.codigo, t.digito, t.unidades); });
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
        if (ev.key === 'Escape' && !DialogoAbierto() && !MenuAbierto() && !EnDetector()) VolverAlDetector();
        if (ev.key === 'F1' && !DialogoAbierto() && !EnDetector()) {
            ev.preventDefault();
            ayuda();
        }
    });
}
