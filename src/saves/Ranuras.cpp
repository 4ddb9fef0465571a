// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ranuras.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString RutaRanura(const QString& directorio, int n)
{
    return directorio + QStringLiteral("/Novaro") + QString::number(n) + QStringLiteral(".sav");
}

ResultadoGuardar GuardarRanura(const QString& ruta, const RegistroPartida& registro)
{
    const QString nombre = QFileInfo(ruta).fileName();
    const QByteArray bytes = CodificarPartida(registro);
    if (bytes.size() > TamanoMaximoRanura)
        return {false, QCoreApplication::translate("Ranuras", "La partida es demasiado grande para guardarla en ") + nombre};

    // An installed game's slot folder is made at its first save; if that fails, so does the open below.
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        return {false, QCoreApplication::translate("Ranuras", "No se puede crear el archivo ") + nombre};
    // Qt 6.4's commit() ignores a failed flush and would put a cut file in place, so flush here.
    if (archivo.write(bytes) != bytes.size() || !archivo.flush()) {
        archivo.cancelWriting();
        return {false, QCoreApplication::translate("Ranuras", "No se pudo escribir el archivo ") + nombre};
    }
    if (!archivo.commit())
        return {false, QCoreApplication::translate("Ranuras", "No se pudo terminar de guardar el archivo ") + nombre};
    return {true, {}};
}

ResultadoCargar CargarRanura(const QString& ruta)
{
    ResultadoCargar resultado;
    const QFileInfo info(ruta);
    if (!info.exists())
        return resultado;

    resultado.estado = EstadoCarga::Danada;
    // A directory, pipe or device is no slot; opening a pipe could block for good.
    if (!info.isFile() || info.size() > TamanoMaximoRanura)
        return resultado;
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return resultado;
    const QByteArray bytes = archivo.read(TamanoMaximoRanura + 1);
    if (archivo.error() != QFileDevice::NoError || bytes.size() > TamanoMaximoRanura)
        return resultado;

    resultado.lectura = DecodificarPartida(bytes);
    if (resultado.lectura.ok)
        resultado.estado = EstadoCarga::Cargada;
    return resultado;
}
