// SPDX-License-Identifier: GPL-3.0-or-later
#include "Archivos.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

ResultadoGuardar EscribirEntero(const QString& ruta, const QByteArray& bytes)
{
    const QString nombre = QFileInfo(ruta).fileName();
    // An installed game's folder is made at its first save; if that fails, so does the open below.
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

Leido LeerAcotado(const QString& ruta, qint64 maximo)
{
    Leido leido;
    const QFileInfo info(ruta);
    if (!info.exists() && !info.isSymLink()) return leido;
    leido.existe = true;
    // A directory, pipe or device is no file of ours; opening a pipe could block for good.
    if (!info.isFile() || info.size() > maximo) return leido;
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) return leido;
    QByteArray bytes = archivo.read(maximo + 1);
    if (archivo.error() != QFileDevice::NoError || bytes.size() > maximo) return leido;
    leido.bytes = std::move(bytes);
    return leido;
}
