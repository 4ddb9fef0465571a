// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ajustes.h"
#include "Archivos.h"
#include "Carpetas.h"
#include <QStandardPaths>

QString RutaAjustesDelJugador()
{
#ifdef Q_OS_WIN
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);   // %APPDATA%\novaro
#else
    const QString carpeta = RutaEn(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), NombreDelJuego);
#endif
    return RutaEn(carpeta, NombreAjustes);
}

Ajustes CargarAjustes(const QString& ruta)
{
    const Leido leido = LeerAcotado(ruta, TamanoMaximoAjustes);
    return leido.bytes ? DecodificarAjustes(VerBytes(*leido.bytes)) : Ajustes{};
}
