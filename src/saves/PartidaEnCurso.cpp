// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartidaEnCurso.h"
#include "Archivos.h"
#include "Carpetas.h"
#include <QDateTime>
#include <QFile>

QString RutaPartidaEnCurso(const QString& directorio) { return RutaEn(directorio, NombreEnCurso); }

LecturaEnCurso CargarEnCurso(const QString& ruta, QString* apartada)
{
    const Leido leido = LeerAcotado(ruta, TamanoMaximoEnCurso);
    if (!leido.existe) return {};
    LecturaEnCurso lectura;
    lectura.estado = EstadoEnCurso::Danada;
    if (leido.bytes) lectura = DecodificarEnCurso(VerBytes(*leido.bytes));
    if (lectura.estado == EstadoEnCurso::Danada) {
        const QString destino = ruta + QStringLiteral(".danada-")
                              + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (QFile::rename(ruta, destino) && apartada) *apartada = destino;
    }
    return lectura;
}
