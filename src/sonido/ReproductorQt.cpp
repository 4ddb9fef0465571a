// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReproductorQt.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Qt 6.4 waits for ever for the missing bytes of a short or truncated wave
// file, and while it waits, releasing any other sound blocks the program.
// So a file is handed over only when its chunks and all its samples are there.
bool OndaCompleta(const QString& ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return false;
    const qint64 tamano = archivo.size();
    const QByteArray cabecera = archivo.read(12);
    if (cabecera.size() < 12 || !cabecera.startsWith("RIFF") || cabecera.mid(8, 4) != "WAVE")
        return false;
    bool conFormato = false;
    for (qint64 pos = 12; pos + 8 <= tamano;) {
        if (!archivo.seek(pos))
            return false;
        const QByteArray trozo = archivo.read(8);
        if (trozo.size() < 8)
            return false;
        const qint64 largo = qFromLittleEndian<quint32>(trozo.constData() + 4);
        if (pos + 8 + largo > tamano)
            return false;
        if (trozo.startsWith("fmt "))
            conFormato = largo >= 16;
        else if (trozo.startsWith("data"))
            return conFormato;
        pos += 8 + largo + (largo & 1);  // chunks keep an even length
    }
    return false;
}

// 100 ms of a plain low tone for the beep: the X bell is silent on most
// desktops, and a blind player must hear that a key could not act.
QByteArray OndaTono()
{
    constexpr int muestreo = 22050;
    constexpr int muestras = muestreo / 10;
    constexpr int rampa = muestreo / 200;  // 5 ms fades, so no clicks
    QByteArray datos;
    QDataStream s(&datos, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + muestras * 2);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(muestreo) << quint32(muestreo * 2)
      << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(muestras * 2);
    for (int i = 0; i < muestras; ++i) {
        const double t = double(i) / muestreo;
        const double envolvente = std::min({1.0, double(i) / rampa, double(muestras - i) / rampa});
        const double onda = (std::sin(2 * std::numbers::pi * 440 * t)
                             + 0.3 * std::sin(2 * std::numbers::pi * 1320 * t)) / 1.3;
        s << qint16(std::lround(onda * envolvente * 0.3 * 32767));
    }
    return datos;
}

}  // namespace

ReproductorQt::ReproductorQt() = default;

ReproductorQt::~ReproductorQt()
{
    if (salida_)
        salida_->stop();
    // The status handlers touch members that are going away.
    if (onda_)
        onda_->disconnect();
    if (tono_)
        tono_->disconnect();
}

void ReproductorQt::PonerArchivo(const QString& ruta)
{
    if (ruta == ruta_)
        return;
    ruta_ = ruta;
    revisada_ = false;
    fallida_ = false;
}

void ReproductorQt::Detener()
{
    if (onda_)
        onda_->stop();
}

void ReproductorQt::Reproducir()
{
    if (!revisada_) {
        revisada_ = true;
        fallida_ = !OndaCompleta(ruta_);
        if (fallida_)
            return;
        if (!onda_) {
            onda_ = std::make_unique<QSoundEffect>();
            QObject::connect(onda_.get(), &QSoundEffect::statusChanged, [this] {
                if (onda_->status() == QSoundEffect::Error)
                    fallida_ = true;
            });
        }
        onda_->setSource(QUrl::fromLocalFile(ruta_));
    }
    if (!fallida_)
        onda_->play();
}

void ReproductorQt::Pitar()
{
    QApplication::beep();
    if (!tono_) {
        tono_ = std::make_unique<QSoundEffect>();
        archivoTono_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/novaro-pitido-XXXXXX.wav");
        const QByteArray datos = OndaTono();
        if (archivoTono_->open() && archivoTono_->write(datos) == datos.size() && archivoTono_->flush()) {
            // Once loaded the tone lives in memory; dropping the file at once
            // leaves nothing in the temporary folder if the program is killed.
            QObject::connect(tono_.get(), &QSoundEffect::statusChanged, [this] {
                if (tono_->status() == QSoundEffect::Ready || tono_->status() == QSoundEffect::Error)
                    archivoTono_.reset();
            });
            tono_->setSource(QUrl::fromLocalFile(archivoTono_->fileName()));
        }
    }
    tono_->play();
}

void ReproductorQt::Sonar(const std::vector<SonidoJuego>& sonidos)
{
    constexpr int muestreo = 44100;
    const std::vector<int16_t> muestras = MuestrasEstereo(Partitura(sonidos), muestreo);
    if (sinSalida_ || muestras.empty())
        return;
    QAudioFormat formato;
    formato.setSampleRate(muestreo);
    formato.setChannelCount(2);
    formato.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (dispositivo.isNull() || !dispositivo.isFormatSupported(formato)) {
        sinSalida_ = true;
        return;
    }
    auto nuevas = std::make_unique<QBuffer>();
    nuevas->setData(reinterpret_cast<const char*>(muestras.data()), qsizetype(muestras.size() * sizeof(int16_t)));
    nuevas->open(QIODevice::ReadOnly);
    if (salida_ && salida_->state() == QAudio::IdleState) {
        // The last run is over: its stream takes the next one, without opening another.
        salida_->start(nuevas.get());
    } else {
        // The newest sound cuts the one still playing, so a held arrow never falls behind.
        // It gets a sink of its own: Qt 6.4's PulseAudio sink, stopped and started again
        // at once, stays active for ever and plays no more.
        if (salida_)
            salida_->stop();
        auto salida = std::make_unique<QAudioSink>(dispositivo, formato);
        salida->start(nuevas.get());
        salida_ = std::move(salida);
    }
    muestras_ = std::move(nuevas);
}

bool ReproductorQt::OndaLista() const
{
    return revisada_ && !fallida_ && onda_->status() == QSoundEffect::Ready;
}

bool ReproductorQt::SalidaAbierta() const
{
    return salida_ != nullptr;
}

bool ReproductorQt::Sonando() const
{
    return salida_ && salida_->state() == QAudio::ActiveState;
}

bool ReproductorQt::CargaFallida() const
{
    return fallida_;
}

bool ReproductorQt::TonoListo() const
{
    return tono_ && tono_->status() == QSoundEffect::Ready;
}

Reproductor* NovaroCrearReproductor()
{
    return new ReproductorQt();
}
