// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reproductor.h"
#include <QApplication>
#include <QLibrary>

ReproductorDiferido::ReproductorDiferido(const QString& carpeta)
    : biblioteca_(carpeta + QLatin1Char('/') + QLatin1String(NOVARO_BIBLIOTECA_SONIDO))
{
}

ReproductorDiferido::~ReproductorDiferido() = default;

void ReproductorDiferido::PonerArchivo(const QString& ruta)
{
    ruta_ = ruta;
    if (real_) real_->PonerArchivo(ruta);
}

void ReproductorDiferido::Detener()
{
    if (real_) real_->Detener();   // nothing can be playing before the first sound
}

void ReproductorDiferido::Reproducir()
{
    if (Cargar()) real_->Reproducir();
}

void ReproductorDiferido::Pitar()
{
    if (Cargar()) real_->Pitar();
    else QApplication::beep();
}

void ReproductorDiferido::Sonar(const std::vector<SonidoJuego>& sonidos)
{
    if (Cargar()) real_->Sonar(sonidos);
}

bool ReproductorDiferido::Cargar()
{
    if (!intentado_) {
        intentado_ = true;
        using Fabrica = Reproductor* (*)();
        // The library stays loaded for the life of the process: Qt never unloads it here.
        QLibrary biblioteca(biblioteca_);
        if (auto crear = reinterpret_cast<Fabrica>(biblioteca.resolve("NovaroCrearReproductor"))) {
            real_.reset(crear());
            if (!ruta_.isEmpty()) real_->PonerArchivo(ruta_);
        }
    }
    return real_ != nullptr;
}
