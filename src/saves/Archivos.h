// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

struct ResultadoGuardar {
    bool ok = false;
    QString motivo;   // for the player, when !ok
};

// Writes through a temporary file in the same folder (made when missing) and puts it
// in place only when everything is written and on disk, so a failure or a power cut
// leaves the old file as it was.
ResultadoGuardar EscribirEntero(const QString& ruta, const QByteArray& bytes);

struct Leido {
    bool existe = false;               // something is at the path
    std::optional<QByteArray> bytes;   // none: not a regular file, unreadable or too large
};

// Never blocks on a pipe or a device, never reads more than maximo bytes.
Leido LeerAcotado(const QString& ruta, qint64 maximo);

// The formats work on standard strings, the files on Qt's: the bytes cross here unchanged.
inline std::string_view VerBytes(const QByteArray& bytes) { return {bytes.constData(), size_t(bytes.size())}; }
inline QByteArray Bytes(std::string_view bytes) { return QByteArray(bytes.data(), qsizetype(bytes.size())); }
inline QString DeUtf8(std::string_view texto) { return QString::fromUtf8(texto.data(), qsizetype(texto.size())); }

// carpeta + "/" + one of the game's file names
inline QString RutaEn(const QString& carpeta, std::string_view nombre)
{
    return carpeta + QLatin1Char('/') + DeUtf8(nombre);
}
