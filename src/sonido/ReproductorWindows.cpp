// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReproductorWindows.h"

#include <QApplication>
#include <QDataStream>
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

// PlaySound plays one sound at a time: a game's sound cuts the panel sound, as a new
// run of the game's sounds cuts the last. Either is short.
void ReproductorWindows::Sonar(const std::vector<SonidoJuego>& sonidos)
{
    constexpr int muestreo = 22050;
    const std::vector<int16_t> muestras = MuestrasEstereo(Partitura(sonidos), muestreo);
    if (muestras.empty())
        return;
    Detener();   // the memory of the last one may only go once it is stopped
    const auto bytes = static_cast<quint32>(muestras.size() * sizeof(int16_t));
    onda_.clear();
    QDataStream s(&onda_, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + bytes);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(2) << quint32(muestreo) << quint32(muestreo * 4) << quint16(4) << quint16(16);
    s.writeRawData("data", 4);
    s << bytes;
    for (const int16_t m : muestras)
        s << qint16(m);
    PlaySoundW(reinterpret_cast<LPCWSTR>(onda_.constData()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

Reproductor* NovaroCrearReproductor()
{
    return new ReproductorWindows();
}
