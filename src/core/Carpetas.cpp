// SPDX-License-Identifier: GPL-3.0-or-later
#include "Carpetas.h"
#include <vector>

namespace {

// A variable that is set wins as it stands, if it is absolute: the XDG rules say a relative
// one is to be ignored, as newer Qt does. Only the home folder is tidied first.
std::string Base(std::string_view xdg, std::string_view home, std::string_view bajoHome)
{
    if (!xdg.empty() && xdg.front() == '/') return std::string(xdg);
    return LimpiarCarpeta(home) + std::string(bajoHome);
}

} // namespace

bool PartidasJuntoAlPrograma(const JuntoAlPrograma& junto)
{
    if (junto.marcaInstalada) return false;
    // The sound beside the program wins: old slot files beside it keep working. A copy
    // with neither its sound nor an install tree plays silent, beside itself, as before.
    return junto.sonido || !junto.datosInstalados;
}

std::string NombreRanura(int n) { return "Novaro" + std::to_string(n) + ".sav"; }

std::string RutaEn(std::string_view carpeta, std::string_view nombre)
{
    std::string ruta(carpeta);
    ruta += '/';
    ruta += nombre;
    return ruta;
}

std::string CarpetaPartidasXdg(std::string_view xdgDataHome, std::string_view home)
{
    return RutaEn(Base(xdgDataHome, home, "/.local/share"), NombreDelJuego);
}

std::string RutaAjustesXdg(std::string_view xdgConfigHome, std::string_view home)
{
    return RutaEn(RutaEn(Base(xdgConfigHome, home, "/.config"), NombreDelJuego), NombreAjustes);
}

std::string LimpiarCarpeta(std::string_view ruta)
{
    if (ruta.empty()) return "/";
    const bool absoluta = ruta.front() == '/';
    std::vector<std::string_view> pasos;
    size_t inicio = 0;
    while (inicio <= ruta.size()) {
        size_t fin = ruta.find('/', inicio);
        if (fin == std::string_view::npos) fin = ruta.size();
        const std::string_view paso = ruta.substr(inicio, fin - inicio);
        if (paso == "..") {
            if (!pasos.empty() && pasos.back() != "..") pasos.pop_back();
            else if (!absoluta) pasos.push_back(paso);   // above the root is the root
        } else if (!paso.empty() && paso != ".") {
            pasos.push_back(paso);
        }
        inicio = fin + 1;
    }
    std::string limpia = absoluta ? "/" : "";
    for (size_t i = 0; i < pasos.size(); ++i) {
        if (i > 0) limpia += '/';
        limpia += pasos[i];
    }
    return limpia.empty() ? "." : limpia;
}
