// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoPartida.h"
#include <algorithm>
#include <array>
#include <optional>
#include <vector>
#include "Windows1252.h"

namespace {

const char* TextoMarca(bool valor) { return valor ? "#TRUE#" : "#FALSE#"; }

void EscribirTexto(std::string& salida, const std::string& texto)
{
    salida += '"';
    for (char b : A1252(texto)) {
        if (b == '"')
            salida += '"';
        salida += b;
    }
    salida += '"';
}

bool EsFinDeLinea(char c) { return c == '\r' || c == '\n'; }

// Walks the items of a slot file; every read fails rather than guess.
class Lector {
public:
    explicit Lector(std::string_view datos) : d(datos) {}

    std::optional<std::string> Texto()
    {
        if (p >= d.size() || d[p] != '"')
            return std::nullopt;
        ++p;
        std::string texto;
        while (p < d.size()) {
            const char c = d[p++];
            if (c != '"') {
                texto += c;
            } else if (p < d.size() && d[p] == '"') {
                texto += '"';
                ++p;
            } else {
                fin = p;
                if (!FinDeElemento())
                    return std::nullopt;
                return texto;
            }
        }
        return std::nullopt;   // no closing quote
    }

    std::optional<bool> Marca()
    {
        const size_t inicio = p;
        while (p < d.size() && d[p] != ',' && !EsFinDeLinea(d[p]))
            ++p;
        const std::string_view palabra = d.substr(inicio, p - inicio);
        fin = p;
        FinDeElemento();
        if (palabra == "#TRUE#")
            return true;
        if (palabra == "#FALSE#")
            return false;
        return std::nullopt;
    }

    // What follows the last item: nothing but blanks and line ends (an editor may add or
    // drop the final line end), or from a "#" on, the notes. A comma would start a 326th item.
    std::optional<std::string_view> Cola() const
    {
        size_t i = fin;
        while (i < d.size() && (d[i] == ' ' || d[i] == '\t' || EsFinDeLinea(d[i])))
            ++i;
        if (i == d.size())
            return std::string_view();
        if (d[i] == '#' && i > fin && EsFinDeLinea(d[fin]))
            return d.substr(i);
        return std::nullopt;
    }

private:
    // An item ends at a comma, a line end or the end of the data.
    bool FinDeElemento()
    {
        if (p >= d.size())
            return true;
        if (d[p] == ',') {
            ++p;
            return true;
        }
        if (d[p] == '\r') {
            ++p;
            if (p < d.size() && d[p] == '\n')
                ++p;
            return true;
        }
        if (d[p] == '\n') {
            ++p;
            return true;
        }
        return false;
    }

    std::string_view d;
    size_t p = 0;
    size_t fin = 0;   // just past the last item read, before its separator
};

constexpr std::string_view MarcaNotas = "#NOTAS#";

std::string_view SinBlancos(std::string_view v)
{
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
        v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t'))
        v.remove_suffix(1);
    return v;
}

void EscribirNotas(std::string& salida, const std::array<uint16_t, 81>& notas)
{
    salida += MarcaNotas;
    salida += "\r\n";
    for (int fila = 0; fila < 9; ++fila) {
        for (int columna = 0; columna < 9; ++columna) {
            if (columna > 0)
                salida += ',';
            for (int d = 1; d <= 9; ++d)
                if (notas[fila * 9 + columna] & (1u << (d - 1)))
                    salida += char('0' + d);
        }
        salida += "\r\n";
    }
}

// The notes' lines, whatever their line ends; none when anything is out of place.
std::optional<std::array<uint16_t, 81>> LeerNotas(std::string_view cola)
{
    std::vector<std::string_view> lineas;
    size_t inicio = 0;
    for (size_t i = 0; i <= cola.size(); ++i) {
        if (i < cola.size() && !EsFinDeLinea(cola[i]))
            continue;
        lineas.push_back(cola.substr(inicio, i - inicio));
        if (i + 1 < cola.size() && cola[i] == '\r' && cola[i + 1] == '\n')
            ++i;
        inicio = i + 1;
    }
    while (!lineas.empty() && SinBlancos(lineas.back()).empty())
        lineas.pop_back();
    if (lineas.size() != 10 || SinBlancos(lineas[0]) != MarcaNotas)
        return std::nullopt;
    std::array<uint16_t, 81> notas{};
    for (int fila = 0; fila < 9; ++fila) {
        const std::string_view linea = lineas[fila + 1];
        int columna = 0;
        for (size_t i = 0; i < linea.size(); ++i) {
            const char c = linea[i];
            if (c == ',') {
                if (++columna > 8)
                    return std::nullopt;
            } else if (c >= '1' && c <= '9') {
                notas[fila * 9 + columna] |= uint16_t(1u << (c - '1'));
            } else if (c != ' ' && c != '\t') {
                return std::nullopt;
            }
        }
        if (columna != 8)
            return std::nullopt;
    }
    return notas;
}

} // namespace

std::string CodificarPartida(const RegistroPartida& registro)
{
    std::string salida;
    salida.reserve(82 * 32);
    salida += TextoMarca(registro.SonidoActivo);
    salida += "\r\n";
    for (int a = 0; a < 9; ++a) {
        for (int b = 0; b < 9; ++b) {
            const int k = a * 9 + b;
            const int digito = registro.Solucion[b * 9 + a];
            salida += '"';
            salida += (digito >= 1 && digito <= 9) ? char('A' + digito) : '?';
            salida += "\",";
            salida += TextoMarca(registro.Originales[k]);
            salida += ',';
            salida += TextoMarca(registro.Provisionales[k]);
            salida += ',';
            EscribirTexto(salida, registro.Textos[k]);
            salida += "\r\n";
        }
    }
    // A game without notes keeps exactly the designed 82 lines.
    if (std::any_of(registro.Notas.begin(), registro.Notas.end(), [](uint16_t n) { return n != 0; }))
        EscribirNotas(salida, registro.Notas);
    return salida;
}

LecturaPartida DecodificarPartida(std::string_view bytes)
{
    LecturaPartida lectura;
    Lector lector(bytes);

    const std::optional<bool> sonido = lector.Marca();
    if (!sonido)
        return lectura;
    lectura.sonidoLeido = true;
    lectura.sonido = *sonido;

    RegistroPartida registro;
    registro.SonidoActivo = *sonido;
    for (int a = 0; a < 9; ++a) {
        for (int b = 0; b < 9; ++b) {
            const int k = a * 9 + b;
            const std::optional<std::string> letra = lector.Texto();
            if (!letra || letra->size() != 1 || (*letra)[0] < 'B' || (*letra)[0] > 'J')
                return lectura;
            const std::optional<bool> original = lector.Marca();
            const std::optional<bool> provisional = original ? lector.Marca() : std::nullopt;
            const std::optional<std::string> texto = provisional ? lector.Texto() : std::nullopt;
            if (!texto)
                return lectura;
            registro.Solucion[b * 9 + a] = static_cast<int16_t>((*letra)[0] - 'A');
            registro.Originales[k] = *original;
            registro.Provisionales[k] = *provisional;
            registro.Textos[k] = De1252(*texto);
        }
    }
    const std::optional<std::string_view> cola = lector.Cola();
    if (!cola)
        return lectura;
    if (!cola->empty()) {
        const std::optional<std::array<uint16_t, 81>> notas = LeerNotas(*cola);
        lectura.notasDanadas = !notas;
        if (notas)
            registro.Notas = *notas;
    }

    lectura.ok = true;
    lectura.registro = registro;
    return lectura;
}
