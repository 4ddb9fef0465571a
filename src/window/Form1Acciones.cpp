// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons, menus and the window's key preview.
#include "CajaTeclas.h"
#include "Casilla.h"
#include "CodigosTecla.h"
#include "Comprobador.h"
#include "Dialog.h"
#include "Form1.h"
#include "Frases.h"
#include "Historial.h"
#include "Partida.h"
#include "Revelar.h"
#include "Voz.h"
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void Form1::Command1_Click()
{
    Atender(juego_.Comprobar());
    EnfocarDetector();
}

void Form1::Command2_Click()
{
    juego_.Abrir();
    MostrarBotones();
    NuevoJuego();
    EnfocarDetector();
}

// The board changed under a player who may not see it: say so (the message line stays as it was).
void Form1::NuevoJuego()
{
    if (Estado.DificultadElegida != Dificultad::PorNivel) {
        NuevoPorDificultad(true);
        return;
    }
    Atender(juego_.NuevoPorNivel(*azar_));
}

void Form1::Command3_Click()
{
    const Resultado r = juego_.VerSolucion();
    // No cell may keep a provisional green the reveal has just cleared.
    RepintarCasillas();
    MostrarBotones();
    Atender(r);
    EnfocarDetector();
}

void Form1::Command4_Click()
{
    Estado.ModoGuardar = true;
    MostrarMenu(MnuPartidas);
}

void Form1::Command5_Click()
{
    Estado.ModoGuardar = false;
    MostrarMenu(MnuPartidas);
}

void Form1::Command_KeyDown(int codigo)
{
    if (codigo == 27) EnfocarDetector();
}

void Form1::Form_KeyDown(int codigo)
{
    if (codigo == 112) MostrarAyuda(this);
    if (codigo == 27) EnfocarDetector();
}

// Key preview: the window sees every key-down before the focused control does.
bool Form1::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const int codigo = CodigoTecla(static_cast<QKeyEvent*>(evento)->key());
        ConservarLuego();   // a key may move the cursor or flip a switch
        Form_KeyDown(codigo);
        if (qobject_cast<QPushButton*>(objeto)) Command_KeyDown(codigo);
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void Form1::MnuN_Click(int indice)
{
    if (indice == Estado.Nivel) {
        MnuN[indice]->setChecked(true);   // choosing the marked item keeps its mark
        return;
    }
    PonerNivel(indice);
    ConservarLuego();
}

void Form1::PonerNivel(int indice)
{
    for (QAction* a : MnuN) a->setChecked(false);
    MnuN[indice]->setChecked(true);
    Estado.Nivel = static_cast<int16_t>(indice);
}

void Form1::MnuTamN_Click(int indice)
{
    PonerTamano(indice);
    TbPorta->setFocus(Qt::OtherFocusReason);
    ConservarLuego();
}

void Form1::PonerTamano(int indice)
{
    static constexpr int puntos[8] = {18, 16, 14, 12, 11, 10, 9, 8};
    for (QAction* a : MnuTamN) a->setChecked(false);
    MnuTamN[indice]->setChecked(true);
    tamano_ = indice;
    for (Casilla* celda : Text1) {
        QFont f = celda->font();
        f.setPointSize(puntos[indice]);
        celda->setFont(f);
    }
}

void Form1::MnuP_Click(int indice)
{
    const auto slot = static_cast<int16_t>(indice + 1);
    if (Estado.ModoGuardar) GuardarPartida(slot);
    else CargarPartida(slot);
}

void Form1::MnuB_Click(int indice)
{
    switch (indice) {
    case 0: Command1_Click(); break;
    case 1:
        NuevoJuego();
        juego_.Abrir();
        MostrarBotones();
        EnfocarDetector();
        break;
    case 2: Command3_Click(); break;
    case 3:
        // From the menu bar the item is not greyed while saving is barred.
        if (!Command4->isEnabled()) {
            Atender(juego_.GuardarNoPermitido());
            EnfocarDetector();
            break;
        }
        Command4->setFocus(Qt::OtherFocusReason);
        Command4_Click();
        break;
    case 4:
        Command5->setFocus(Qt::OtherFocusReason);
        Command5_Click();
        break;
    case 5: close(); break;
    default: break;
    }
}

void Form1::MostrarBotonera()
{
    MnuB[0]->setEnabled(Command1->isEnabled());
    MnuB[3]->setEnabled(Command4->isEnabled());
    detector_->AnunciarMenu(MnuBotonera->title(), MnuBotonera->actions().size());
    MostrarMenu(MnuBotonera);
}

void Form1::Text1_GotFocus(int indice)
{
    juego_.CasillaEnfocada(static_cast<int16_t>(indice));
    detector_->MostrarLinea();
}

void Form1::Text1_KeyDown(int, int codigo)
{
    if (codigo == 27) EnfocarDetector();
}

// Typed straight into the field: a change like any other, with what it does to the notes.
void Form1::Text1_Change(int indice, const QString& antes)
{
    CasillaEditada(Estado, *this, static_cast<int16_t>(indice), antes.toStdString());
    PartidaCambiada();
}

void Form1::Text1_MouseDown(int indice, Qt::MouseButtons botones, Qt::KeyboardModifiers modificadores)
{
    if (!(botones & Qt::LeftButton)) return;
    Casilla* celda = Text1[indice];
    celda->setFocus(Qt::MouseFocusReason);
    if (modificadores & Qt::ControlModifier) {
        Estado.Provisionales[indice] = !Estado.Provisionales[indice];
        SeleccionarCasilla(static_cast<int16_t>(indice), false);
        PartidaCambiada();
    } else {
        celda->setSelection(0, static_cast<int>(celda->text().size()));
    }
}
