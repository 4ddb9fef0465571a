// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchivosTerminal.h"
#include "Carpetas.h"
#include "Palabras.h"
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

std::string Nombre(const std::string& ruta)
{
    const size_t barra = ruta.find_last_of('/');
    return barra == std::string::npos ? ruta : ruta.substr(barra + 1);
}

void HacerCarpetas(const std::string& ruta)
{
    for (size_t i = 1; i < ruta.size(); ++i)
        if (ruta[i] == '/') mkdir(ruta.substr(0, i).c_str(), 0755);
}

bool Existe(const std::string& ruta)
{
    struct stat info{};
    return stat(ruta.c_str(), &info) == 0;
}

bool EsCarpeta(const std::string& ruta)
{
    struct stat info{};
    return stat(ruta.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folder that holds this program; empty when it cannot be told.
std::string CarpetaDelPrograma()
{
    std::string ruta(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", ruta.data(), ruta.size());
    if (n <= 0 || static_cast<size_t>(n) >= ruta.size()) return {};
    ruta.resize(static_cast<size_t>(n));
    const size_t barra = ruta.find_last_of('/');
    return barra == std::string::npos || barra == 0 ? std::string("/") : ruta.substr(0, barra);
}

std::string Entorno(const char* nombre)
{
    const char* v = std::getenv(nombre);
    return v ? v : "";
}

} // namespace

LeidoTerminal LeerAcotado(const std::string& ruta, size_t maximo)
{
    LeidoTerminal leido;
    struct stat info{};
    if (lstat(ruta.c_str(), &info) != 0) return leido;
    leido.existe = true;
    // A directory, pipe or device is no file of ours; opening a pipe could block for good.
    if (stat(ruta.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || static_cast<size_t>(info.st_size) > maximo) return leido;
    const int d = open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (d < 0) return leido;
    std::string bytes;
    char bloque[65536];
    for (;;) {
        const ssize_t n = read(d, bloque, sizeof bloque);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            close(d);
            return leido;
        }
        if (n == 0) break;
        bytes.append(bloque, static_cast<size_t>(n));
        if (bytes.size() > maximo) {
            close(d);
            return leido;
        }
    }
    close(d);
    leido.bytes = std::move(bytes);
    return leido;
}

std::string EscribirEntero(const std::string& ruta, const std::string& bytes)
{
    const std::string nombre = Nombre(ruta);
    HacerCarpetas(ruta);
    std::string temporal = ruta + ".XXXXXX";
    const int d = mkstemp(temporal.data());
    if (d < 0) return Traducir("Ranuras", "No se puede crear el archivo ") + nombre;
    size_t escritos = 0;
    while (escritos < bytes.size()) {
        const ssize_t n = write(d, bytes.data() + escritos, bytes.size() - escritos);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        escritos += static_cast<size_t>(n);
    }
    const bool escrito = escritos == bytes.size() && fsync(d) == 0;
    fchmod(d, 0644);
    if (close(d) != 0 || !escrito) {
        unlink(temporal.c_str());
        return Traducir("Ranuras", "No se pudo escribir el archivo ") + nombre;
    }
    if (rename(temporal.c_str(), ruta.c_str()) != 0) {
        unlink(temporal.c_str());
        return Traducir("Ranuras", "No se pudo terminar de guardar el archivo ") + nombre;
    }
    return {};
}

std::string CarpetaPartidasDe(const std::string& programa)
{
    JuntoAlPrograma junto;
    junto.marcaInstalada = Existe(RutaEn(programa, MarcaInstalada));
    junto.sonido = Existe(RutaEn(programa, NombreSonido));
    junto.datosInstalados = EsCarpeta(RutaEn(programa, DatosInstalados));
    if (PartidasJuntoAlPrograma(junto)) return programa;
    return CarpetaPartidasXdg(Entorno("XDG_DATA_HOME"), Entorno("HOME"));
}

std::string CarpetaPartidas()
{
    const std::string programa = CarpetaDelPrograma();
    // Not knowing where it is, it keeps to the player's own folder.
    if (programa.empty()) return CarpetaPartidasXdg(Entorno("XDG_DATA_HOME"), Entorno("HOME"));
    return CarpetaPartidasDe(programa);
}

std::string RutaAjustes() { return RutaAjustesXdg(Entorno("XDG_CONFIG_HOME"), Entorno("HOME")); }
