// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoEnCurso.h"
#include "Bytes.h"

namespace {

constexpr std::string_view Cabecera = "NOVARO partida en curso 1\r\n";
constexpr std::string_view ClaveCursor = "cursor=";
constexpr std::string_view ClaveTiempo = "tiempo=", ClavePistas = "pistas=", ClaveDia = "dia=";
constexpr std::string_view FinDeLinea = "\r\n";
// Cells 0 to 80: two digits at most.
constexpr size_t CifrasCursor = 2;
constexpr int64_t PistasMaximas = 1000000;

} // namespace

std::string CodificarEnCurso(const PartidaEnCurso& partida)
{
    std::string bytes(Cabecera);
    bytes += ClaveCursor;
    bytes += std::to_string(partida.cursor);
    bytes += FinDeLinea;
    bytes += std::string(ClaveTiempo) + std::to_string(partida.milisegundos) + std::string(FinDeLinea);
    bytes += std::string(ClavePistas) + std::to_string(partida.pistas) + std::string(FinDeLinea);
    if (partida.dia) bytes += std::string(ClaveDia) + FechaIso(*partida.dia) + std::string(FinDeLinea);
    return bytes + CodificarPartida(partida.registro);
}

bool Terminada(const RegistroPartida& registro)
{
    for (int i = 0; i < 81; ++i)
        if (registro.Textos[i] != std::to_string(registro.Solucion[i])) return false;
    return true;
}

LecturaEnCurso DecodificarEnCurso(std::string_view bytes)
{
    LecturaEnCurso lectura;
    lectura.estado = EstadoEnCurso::Danada;
    if (bytes.size() > TamanoMaximoEnCurso || !bytes.starts_with(Cabecera)) return lectura;
    bytes.remove_prefix(Cabecera.size());
    const size_t fin = bytes.find(FinDeLinea);
    if (fin == std::string_view::npos || !bytes.starts_with(ClaveCursor)) return lectura;
    const std::string_view numero = bytes.substr(ClaveCursor.size(), fin - ClaveCursor.size());
    const std::optional<int> cursor = LeerEntero(numero);
    if (!cursor || *cursor < 0 || *cursor > 80 || numero.size() > CifrasCursor) return lectura;
    bytes.remove_prefix(fin + FinDeLinea.size());
    PartidaEnCurso leida;
    // Each of the later lines at most once, in the order written; a file of an earlier
    // version has none of them.
    for (const std::string_view clave : {ClaveTiempo, ClavePistas, ClaveDia}) {
        if (!bytes.starts_with(clave)) continue;
        const size_t finClave = bytes.find(FinDeLinea);
        if (finClave == std::string_view::npos) return lectura;
        const std::string_view valor = bytes.substr(clave.size(), finClave - clave.size());
        if (clave == ClaveDia) {
            leida.dia = LeerFechaIso(valor);
            if (!leida.dia) return lectura;
        } else {
            const std::optional<int64_t> n = LeerLargo(valor);
            if (!n || (clave == ClavePistas && *n > PistasMaximas)) return lectura;
            if (clave == ClaveTiempo) leida.milisegundos = *n;
            else leida.pistas = static_cast<int>(*n);
        }
        bytes.remove_prefix(finClave + FinDeLinea.size());
    }
    const LecturaPartida partida = DecodificarPartida(bytes);
    // The notes were written with the game: if they do not read back, the file is damaged.
    if (!partida.ok || partida.notasDanadas) return lectura;
    leida.registro = partida.registro;
    leida.cursor = static_cast<int16_t>(*cursor);
    lectura.partida = leida;
    lectura.estado = Terminada(partida.registro) ? EstadoEnCurso::Ninguna : EstadoEnCurso::Recuperada;
    return lectura;
}
