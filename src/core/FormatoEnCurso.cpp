// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoEnCurso.h"
#include "Bytes.h"

namespace {

constexpr std::string_view Cabecera = "NOVARO partida en curso 1\r\n";
constexpr std::string_view ClaveCursor = "cursor=";
constexpr std::string_view FinDeLinea = "\r\n";
// Cells 0 to 80: two digits at most.
constexpr size_t CifrasCursor = 2;

} // namespace

std::string CodificarEnCurso(const PartidaEnCurso& partida)
{
    std::string bytes(Cabecera);
    bytes += ClaveCursor;
    bytes += std::to_string(partida.cursor);
    bytes += FinDeLinea;
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
    const LecturaPartida partida = DecodificarPartida(bytes.substr(fin + FinDeLinea.size()));
    // The notes were written with the game: if they do not read back, the file is damaged.
    if (!partida.ok || partida.notasDanadas) return lectura;
    lectura.partida = {partida.registro, static_cast<int16_t>(*cursor)};
    lectura.estado = Terminada(partida.registro) ? EstadoEnCurso::Ninguna : EstadoEnCurso::Recuperada;
    return lectura;
}
