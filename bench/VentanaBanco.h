// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include "Azar.h"
#include "CajaTeclas.h"
#include "Form1.h"
#include "Medir.h"
#include "Reproductor.h"

// Keeps the measurement to the game and the widgets: no audio back end runs.
struct ReproductorMudo : Reproductor {
    void PonerArchivo(const QString&) override {}
    void Detener() override {}
    void Reproducir() override {}
    void Pitar() override {}
    void Sonar(const std::vector<SonidoJuego>&) override {}
};

// The real main window, offscreen, shown and with the focus on the key detector,
// its slots and the panel sound in a private folder, message boxes and popups swallowed.
struct VentanaBanco {
    QTemporaryDir carpeta;
    std::unique_ptr<Form1> f;

    explicit VentanaBanco(std::unique_ptr<Reproductor> reproductor = std::make_unique<ReproductorMudo>(),
                          const std::function<void(const QString&)>& preparar = {})
    {
        QFile::copy(QStringLiteral(NOVARO_ONDA), carpeta.filePath(QStringLiteral("CambioTablero.wav")));
        if (preparar) preparar(carpeta.path());   // what an earlier run left in the folder
        Form1::Opciones o;
        o.azar = std::make_unique<Aleatorio>(SemillaBanco);
        o.reproductor = std::move(reproductor);
        o.directorio = carpeta.path();
        f = std::make_unique<Form1>(std::move(o));
        f->Mensaje = [](const QString&) {};
        f->MostrarMenu = [](QMenu*) {};
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get())) qFatal("the game window never became active");
        f->Picture1->setFocus();
        QCoreApplication::processEvents();
    }

    explicit VentanaBanco(const std::function<void(const QString&)>& preparar)
        : VentanaBanco(std::make_unique<ReproductorMudo>(), preparar)
    {
    }

    // Moves the cursor the way the key detector does, highlight included.
    void Cursor(int fila, int columna)
    {
        f->SeleccionarCasilla(f->Estado.CasillaActual, false);
        f->Estado.FilaActual = static_cast<int16_t>(fila);
        f->Estado.ColumnaActual = static_cast<int16_t>(columna);
        f->Estado.CasillaActual = static_cast<int16_t>(fila * 9 + columna);
        f->SeleccionarCasilla(f->Estado.CasillaActual, true);
        QCoreApplication::processEvents();
    }
};
