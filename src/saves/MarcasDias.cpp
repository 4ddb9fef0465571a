// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarcasDias.h"
#include "Archivos.h"
#include "Carpetas.h"
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

QString RutaMarcas(const QString& rutaAjustes)
{
    return RutaEn(QFileInfo(rutaAjustes).absolutePath(), NombreMarcas);
}

LecturaMarcas CargarMarcas(const QString& ruta)
{
    const Leido leido = LeerAcotado(ruta, TamanoMaximoMarcas);
    if (!leido.existe) return {};
    std::optional<Marcas> marcas;
    if (leido.bytes) marcas = DecodificarMarcas(VerBytes(*leido.bytes));
    if (marcas) return {*marcas, false};
    QFile::rename(ruta, ruta + QStringLiteral(".danada-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    return {Marcas{}, true};
}
