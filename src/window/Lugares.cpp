// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lugares.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Lugares LugaresPortatiles(const QString& carpeta)
{
    return {carpeta, carpeta, carpeta};
}

Lugares LugaresDe(const QString& programa, const QString& jugador)
{
    const QDir carpeta(programa);
    if (QFileInfo::exists(carpeta.filePath(QLatin1String(MarcaInstalada))))
        return {programa, programa, jugador};
    // The sound beside the program wins: old slot files beside it keep working.
    if (QFileInfo::exists(carpeta.filePath(QStringLiteral("CambioTablero.wav"))))
        return LugaresPortatiles(programa);
    const QString datos = QDir::cleanPath(programa + QLatin1Char('/') + QLatin1String(DatosInstalados));
    if (!QFileInfo(datos).isDir())
        return LugaresPortatiles(programa);   // a copy without its sound plays silent, as before
    return {datos, QDir::cleanPath(programa + QLatin1Char('/') + QLatin1String(BibliotecasInstaladas)), jugador};
}

Lugares LugaresDelPrograma()
{
    return LugaresDe(QCoreApplication::applicationDirPath(),
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
