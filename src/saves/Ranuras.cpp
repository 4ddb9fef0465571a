// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ranuras.h"
#include <QCoreApplication>
#include <QFileInfo>

QString RutaRanura(const QString& directorio, int n)
{
    return directorio + QStringLiteral("/Novaro") + QString::number(n) + QStringLiteral(".sav");
}

ResultadoGuardar GuardarRanura(const QString& ruta, const RegistroPartida& registro)
{
    const QByteArray bytes = CodificarPartida(registro);
    if (bytes.size() > TamanoMaximoRanura)
        return {false, QCoreApplication::translate("Ranuras", "La partida es demasiado grande para guardarla en ")
                           + QFileInfo(ruta).fileName()};
    return EscribirEntero(ruta, bytes);
}

ResultadoCargar CargarRanura(const QString& ruta)
{
    ResultadoCargar resultado;
    const Leido leido = LeerAcotado(ruta, TamanoMaximoRanura);
    if (!leido.existe) return resultado;
    resultado.estado = EstadoCarga::Danada;
    if (!leido.bytes) return resultado;
    resultado.lectura = DecodificarPartida(*leido.bytes);
    if (resultado.lectura.ok)
        resultado.estado = EstadoCarga::Cargada;
    return resultado;
}
