// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReproductorWindows.h"

#include <QApplication>
#include <QDir>
#include <windows.h>
#include <mmsystem.h>

ReproductorWindows::~ReproductorWindows()
{
    // A sound still playing would read a file name that is going away.
    Detener();
}

void ReproductorWindows::PonerArchivo(const QString& ruta)
{
    ruta_ = QDir::toNativeSeparators(ruta);
}

void ReproductorWindows::Detener()
{
    PlaySoundW(nullptr, nullptr, 0);
}

void ReproductorWindows::Reproducir()
{
    if (ruta_.isEmpty())
        return;
    // Without SND_NODEFAULT a missing file would play the system's default sound instead.
    PlaySoundW(reinterpret_cast<LPCWSTR>(ruta_.utf16()), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void ReproductorWindows::Pitar()
{
    QApplication::beep();   // MessageBeep on Windows: audible there, unlike an X bell
}

Reproductor* NovaroCrearReproductor()
{
    return new ReproductorWindows();
}
