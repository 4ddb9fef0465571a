// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoAjustes.h"
#include "Bytes.h"
#include "Dificultad.h"
#include "Sonidos.h"
#include <optional>
#include <utility>

namespace {

constexpr int16_t Niveles = 15;
constexpr int16_t Tamanos = 8;

// One table names every switch once, for writing and for reading.
const std::pair<std::string_view, bool Ajustes::*> Interruptores[] = {
    {"linea_oculta", &Ajustes::lineaOculta},       {"sonido", &Ajustes::sonido},
    {"aviso_original", &Ajustes::avisoOriginal},   {"aviso_repetido", &Ajustes::avisoRepetido},
    {"solucion_unica", &Ajustes::solucionUnica},   {"notas", &Ajustes::modoNotas},
    {"escritura_directa", &Ajustes::escrituraDirecta}, {"lugar_al_moverse", &Ajustes::lugarAlMoverse},
};

constexpr std::string_view Si = "true", No = "false";

void Linea(std::string& t, std::string_view clave, std::string_view valor)
{
    t += clave;
    t += '=';
    t += valor;
    t += '\n';
}

void LeerIndice(std::string_view valor, int16_t limite, int16_t& destino)
{
    const std::optional<int> n = LeerEntero(valor);
    if (n && *n >= 0 && *n < limite) destino = static_cast<int16_t>(*n);
}

} // namespace

std::string CodificarAjustes(const Ajustes& a)
{
    std::string t = "[General]\n";
    Linea(t, "nivel", std::to_string(a.nivel));
    Linea(t, "tamano_letra", std::to_string(a.tamano));
    Linea(t, "dificultad", std::to_string(a.dificultad));
    Linea(t, "sonidos", std::to_string(a.sonidos));
    for (const auto& [clave, campo] : Interruptores) Linea(t, clave, a.*campo ? Si : No);
    return t;
}

Ajustes DecodificarAjustes(std::string_view bytes)
{
    Ajustes a;
    if (bytes.size() > TamanoMaximoAjustes || bytes.find('\0') != std::string_view::npos) return a;
    for (std::string_view crudo : Partir(bytes, '\n')) {
        const std::string_view linea = SinEspacios(crudo);
        const size_t igual = linea.find('=');
        if (igual == 0 || igual == std::string_view::npos) continue;
        const std::string_view clave = SinEspacios(linea.substr(0, igual));
        const std::string_view valor = SinEspacios(linea.substr(igual + 1));
        if (clave == "nivel") LeerIndice(valor, Niveles, a.nivel);
        else if (clave == "tamano_letra") LeerIndice(valor, Tamanos, a.tamano);
        else if (clave == "dificultad") LeerIndice(valor, Dificultades, a.dificultad);
        else if (clave == "sonidos") LeerIndice(valor, ModosSonidos, a.sonidos);
        for (const auto& [nombre, campo] : Interruptores)
            if (clave == nombre && (valor == Si || valor == No)) a.*campo = valor == Si;
    }
    return a;
}
