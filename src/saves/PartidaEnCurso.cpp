// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartidaEnCurso.h"
#include "Archivos.h"
#include "FormatoPartida.h"
#include "Ranuras.h"
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray Cabecera = QByteArrayLiteral("NOVARO partida en curso 1\r\n");
const QByteArray ClaveCursor = QByteArrayLiteral("cursor=");
// The header and the cursor line, beside the largest slot there is.
constexpr qint64 TamanoMaximoEnCurso = TamanoMaximoRanura + 64;

} // namespace

QString RutaPartidaEnCurso(const QString& directorio)
{
    return directorio + QStringLiteral("/NovaroEnCurso.sav");
}

QByteArray CodificarEnCurso(const PartidaEnCurso& partida)
{
    return Cabecera + ClaveCursor + QByteArray::number(partida.cursor) + "\r\n" + CodificarPartida(partida.registro);
}

bool Terminada(const RegistroPartida& registro)
{
    for (int i = 0; i < 81; ++i)
        if (registro.Textos[i] != QString::number(registro.Solucion[i])) return false;
    return true;
}

LecturaEnCurso DecodificarEnCurso(QByteArrayView bytes)
{
    LecturaEnCurso lectura;
    lectura.estado = EstadoEnCurso::Danada;
    if (bytes.size() > TamanoMaximoEnCurso || !bytes.startsWith(Cabecera)) return lectura;
    bytes = bytes.sliced(Cabecera.size());
    const qsizetype fin = bytes.indexOf(QByteArrayView("\r\n"));
    if (fin < 0 || !bytes.startsWith(ClaveCursor)) return lectura;
    const QByteArrayView numero = bytes.sliced(ClaveCursor.size(), fin - ClaveCursor.size());
    bool ok = false;
    const int cursor = numero.toByteArray().toInt(&ok);
    if (!ok || cursor < 0 || cursor > 80 || numero.size() > 2) return lectura;
    const LecturaPartida partida = DecodificarPartida(bytes.sliced(fin + 2));
    // The notes were written with the game: if they do not read back, the file is damaged.
    if (!partida.ok || partida.notasDanadas) return lectura;
    lectura.partida = {partida.registro, static_cast<int16_t>(cursor)};
    lectura.estado = Terminada(partida.registro) ? EstadoEnCurso::Ninguna : EstadoEnCurso::Recuperada;
    return lectura;
}

LecturaEnCurso CargarEnCurso(const QString& ruta, QString* apartada)
{
    const Leido leido = LeerAcotado(ruta, TamanoMaximoEnCurso);
    if (!leido.existe) return {};
    LecturaEnCurso lectura;
    lectura.estado = EstadoEnCurso::Danada;
    if (leido.bytes) lectura = DecodificarEnCurso(*leido.bytes);
    if (lectura.estado == EstadoEnCurso::Danada) {
        const QString destino = ruta + QStringLiteral(".danada-")
                              + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (QFile::rename(ruta, destino) && apartada) *apartada = destino;
    }
    return lectura;
}
