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

namespace {

QString Texto(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

} // namespace

Lugares LugaresDe(const QString& programa, const QString& jugador)
{
    const QDir carpeta(programa);
    const QString datos = QDir::cleanPath(programa + QLatin1Char('/') + Texto(DatosInstalados));
    JuntoAlPrograma junto;
    junto.marcaInstalada = QFileInfo::exists(carpeta.filePath(Texto(MarcaInstalada)));
    junto.sonido = QFileInfo::exists(carpeta.filePath(Texto(NombreSonido)));
    junto.datosInstalados = QFileInfo(datos).isDir();
    const QString partidas = PartidasJuntoAlPrograma(junto) ? programa : jugador;
    // An installer's folder holds everything but the slots; a portable copy everything.
    if (junto.marcaInstalada || junto.sonido || !junto.datosInstalados)
        return {programa, programa, partidas};
    return {datos, QDir::cleanPath(programa + QLatin1Char('/') + Texto(BibliotecasInstaladas)), partidas};
}

Lugares LugaresDelPrograma()
{
    return LugaresDe(QCoreApplication::applicationDirPath(),
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
