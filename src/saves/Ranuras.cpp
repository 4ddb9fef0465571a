// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ranuras.h"
#include "Carpetas.h"
#include <QCoreApplication>
#include <QFileInfo>

QString RutaRanura(const QString& directorio, int n)
{
    return RutaEn(directorio, NombreRanura(n));
}

ResultadoGuardar GuardarRanura(const QString& ruta, const RegistroPartida& registro)
{
    const std::string bytes = CodificarPartida(registro);
    if (bytes.size() > TamanoMaximoRanura)
        return {false, QCoreApplication::translate("Ranuras", "La partida es demasiado grande para guardarla en ")
                           + QFileInfo(ruta).fileName()};
    return EscribirEntero(ruta, Bytes(bytes));
}

ResultadoCargar CargarRanura(const QString& ruta)
{
    ResultadoCargar resultado;
    const Leido leido = LeerAcotado(ruta, TamanoMaximoRanura);
    if (!leido.existe) return resultado;
    resultado.estado = EstadoCarga::Danada;
    if (!leido.bytes) return resultado;
    resultado.lectura = DecodificarPartida(VerBytes(*leido.bytes));
    if (resultado.lectura.ok)
        resultado.estado = EstadoCarga::Cargada;
    return resultado;
}
