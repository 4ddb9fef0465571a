// SPDX-License-Identifier: GPL-3.0-or-later
// The sudoku of the day in the window: its menu, the clock and calendar handed to the
// game, and the record of the days solved beside the settings.
#include "Archivos.h"
#include "Bytes.h"
#include "Form1.h"
#include "FrasesDia.h"
#include "MarcasDias.h"
#include <QAction>
#include <QDate>
#include <QMenu>
#include <QMenuBar>

namespace {

// Today by the player's local clock; NOVARO_HOY (2026-12-13) names another day, so the
// same board can be checked on every front end.
Fecha HoyLocal()
{
    if (const std::optional<Fecha> fijada = LeerFechaIso(qgetenv("NOVARO_HOY").toStdString())) return *fijada;
    const QDate hoy = QDate::currentDate();
    return {hoy.year(), hoy.month(), hoy.day()};
}

} // namespace

void Form1::EmpezarReloj()
{
    reloj_.start();
    juego_.Ahora = [this] { return reloj_.elapsed(); };
    juego_.Hoy = HoyLocal;
    CargarMarcasDias();
    detector_->AlCambiarMarcas([this] { GuardarMarcasDias(); });
}

// Its own menu on the bar: the Botonera keeps its designed six items.
void Form1::ConstruirMenuDia()
{
    MnuDia = menuBar()->addMenu(tr("&Día"));
    const char* opciones[] = {QT_TR_NOOP("&Sudoku del día"), QT_TR_NOOP("&Estadísticas"), QT_TR_NOOP("&Compartir resultado")};
    for (int i = 0; i < 3; ++i) {
        QAction* a = MnuDia->addAction(tr(opciones[i]));
        connect(a, &QAction::triggered, this, [this, i] { MnuDia_Click(i); });
        MnuDiaN.append(a);
    }
}

void Form1::MnuDia_Click(int indice)
{
    Resultado r;
    if (indice == 0) {
        OlvidarEnCamino();   // a game of a kind still being made is not dealt over it
        r = juego_.SudokuDelDia();
        MostrarBotones();
        PartidaCambiada();
    } else if (indice == 1) {
        r = juego_.Estadisticas();
    } else {
        r = juego_.CompartirResultado();
    }
    EnfocarDetector();
    // After the handler: the voice waits for the window to have the focus back from the menu.
    QMetaObject::invokeMethod(this, [this, r] { Atender(r); }, Qt::QueuedConnection);
}

void Form1::CargarMarcasDias()
{
    rutaMarcas_ = RutaMarcas(rutaAjustes_);
    const LecturaMarcas lectura = CargarMarcas(rutaMarcas_);
    juego_.PonerMarcas(lectura.marcas);
    if (lectura.danadas) detector_->AvisarAlEnfocar(QString::fromStdString(Frases::MarcasDanadas()));
}

// Whole or not at all, on the writer's thread, as the game in play is written.
void Form1::GuardarMarcasDias()
{
    if (escritor_) escritor_->Escribir(rutaMarcas_, Bytes(CodificarMarcas(juego_.MarcasDelDia())));
}
