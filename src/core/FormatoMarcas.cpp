// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoMarcas.h"
#include "Bytes.h"
#include <algorithm>
#include <vector>

namespace {

constexpr std::string_view Cabecera = "NOVARO sudokus del dia 1";
// A day's sudoku played for longer than a year is no record.
constexpr int64_t SegundosMaximos = 366LL * 24 * 60 * 60;
constexpr int MaximoDias = 1000000;

int DificultadIndice(Dificultad d) { return static_cast<int>(d) - static_cast<int>(Dificultad::Sencillo); }

} // namespace

std::string CodificarMarcas(const Marcas& m)
{
    std::string t(Cabecera);
    t += "\nresueltos=" + std::to_string(m.resueltos);
    t += "\nracha=" + std::to_string(m.racha);
    t += "\nmejor_racha=" + std::to_string(m.mejorRacha);
    t += "\nultimo=";
    if (m.ultimo) t += FechaIso(*m.ultimo);
    t += "\nsegundos_ultimo=" + std::to_string(m.segundosUltimo);
    t += "\npistas_ultimo=" + std::to_string(m.pistasUltimo);
    t += "\nmejores=";
    for (size_t k = 0; k < m.mejores.size(); ++k) t += (k ? "," : "") + std::to_string(m.mejores[k]);
    return t + "\n";
}

std::optional<Marcas> DecodificarMarcas(std::string_view bytes)
{
    if (bytes.size() > TamanoMaximoMarcas) return std::nullopt;
    std::vector<std::string_view> lineas = Partir(bytes, '\n');
    if (!lineas.empty() && lineas.back().empty()) lineas.pop_back();
    const std::string_view claves[] = {"resueltos", "racha", "mejor_racha", "ultimo", "segundos_ultimo", "pistas_ultimo", "mejores"};
    if (lineas.size() != 1 + std::size(claves) || SinEspacios(lineas[0]) != Cabecera) return std::nullopt;
    std::string_view valores[std::size(claves)];
    for (size_t k = 0; k < std::size(claves); ++k) {
        const std::string_view linea = SinEspacios(lineas[k + 1]);
        if (!linea.starts_with(claves[k]) || linea.substr(claves[k].size(), 1) != "=") return std::nullopt;
        valores[k] = linea.substr(claves[k].size() + 1);
    }
    Marcas m;
    const std::optional<int> resueltos = LeerEntero(valores[0]), racha = LeerEntero(valores[1]), mejorRacha = LeerEntero(valores[2]);
    const std::optional<int> pistas = LeerEntero(valores[5]);
    const std::optional<int64_t> segundos = LeerLargo(valores[4]);
    if (!resueltos || !racha || !mejorRacha || !pistas || !segundos) return std::nullopt;
    if (*resueltos < 0 || *resueltos > MaximoDias || *racha < 0 || *racha > *resueltos || *mejorRacha < *racha
        || *mejorRacha > *resueltos || *pistas < 0 || *segundos < 0 || *segundos > SegundosMaximos)
        return std::nullopt;
    m.resueltos = *resueltos;
    m.racha = *racha;
    m.mejorRacha = *mejorRacha;
    m.pistasUltimo = *pistas;
    m.segundosUltimo = *segundos;
    if (!valores[3].empty()) {
        m.ultimo = LeerFechaIso(valores[3]);
        if (!m.ultimo) return std::nullopt;
    }
    // A day solved and no last day, or the other way round, is no record of this game.
    if ((m.resueltos > 0) != m.ultimo.has_value()) return std::nullopt;
    const std::vector<std::string_view> mejores = Partir(valores[6], ',');
    if (mejores.size() != m.mejores.size()) return std::nullopt;
    for (size_t k = 0; k < mejores.size(); ++k) {
        const std::optional<int64_t> s = LeerLargo(mejores[k]);
        if (!s || *s < 0 || *s > SegundosMaximos) return std::nullopt;
        m.mejores[k] = *s;
    }
    return m;
}

Marcas AnotarResuelto(Marcas m, const Fecha& dia, Dificultad dificultad, int64_t segundos, int pistas)
{
    if (dificultad != Dificultad::PorNivel) {
        int64_t& mejor = m.mejores[static_cast<size_t>(DificultadIndice(dificultad))];
        if (mejor == 0 || segundos < mejor) mejor = std::max<int64_t>(segundos, 1);   // 0 is "never"
    }
    // The same day once more adds no day.
    if (m.ultimo && *m.ultimo == dia) return m;
    ++m.resueltos;
    const int64_t d = DiasDesdeEpoca(dia);
    // A day older than the last one solved (its sudoku kept in play for days) counts as a
    // day solved, but a streak only grows forward.
    if (!m.ultimo || d > DiasDesdeEpoca(*m.ultimo)) {
        m.racha = m.ultimo && d == DiasDesdeEpoca(*m.ultimo) + 1 ? m.racha + 1 : 1;
        m.ultimo = dia;
        m.segundosUltimo = segundos;
        m.pistasUltimo = pistas;
    }
    m.mejorRacha = std::max(m.mejorRacha, m.racha);
    return m;
}

int RachaVigente(const Marcas& m, const Fecha& hoy)
{
    if (!m.ultimo) return 0;
    const int64_t atras = DiasDesdeEpoca(hoy) - DiasDesdeEpoca(*m.ultimo);
    return atras == 0 || atras == 1 ? m.racha : 0;
}

std::optional<int64_t> MejorTiempo(const Marcas& m, Dificultad dificultad)
{
    if (dificultad == Dificultad::PorNivel) return std::nullopt;
    const int64_t s = m.mejores[static_cast<size_t>(DificultadIndice(dificultad))];
    if (s == 0) return std::nullopt;
    return s;
}
