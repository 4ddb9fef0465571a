// SPDX-License-Identifier: GPL-3.0-or-later
#include "Comprobador.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <locale>
#include <sstream>
#include <string>

namespace {

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

std::optional<int16_t> EnRango(double v)
{
    if (std::isnan(v)) return std::nullopt;
    const double r = std::nearbyint(v);   // default rounding: half to even
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<int16_t>(r);
}

std::optional<int16_t> LeerEntero(const std::string& s, size_t pos, int base)
{
    double v = 0;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        int d;
        if (EsDigito(c)) d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else break;
        if (d >= base) break;
        v = v * base + d;
        if (v > 1e12) return std::nullopt;   // long past anything that fits
    }
    return EnRango(v);
}

// Power of ten of the first significant digit of a number written as
// digits, an optional point and an optional "e" exponent. Only asked of
// numbers too large or too small for a double.
long OrdenDeMagnitud(const std::string& numero)
{
    const size_t e = numero.find('e');
    const std::string mantisa = numero.substr(0, e);
    long exponente = 0;
    if (e != std::string::npos) {
        size_t q = e + 1;
        const bool negativo = q < numero.size() && numero[q] == '-';
        if (q < numero.size() && (numero[q] == '-' || numero[q] == '+')) ++q;
        for (; q < numero.size(); ++q) exponente = std::min(exponente * 10 + (numero[q] - '0'), 1000000000L);
        if (negativo) exponente = -exponente;
    }
    size_t punto = mantisa.find('.');
    if (punto == std::string::npos) punto = mantisa.size();
    const size_t primera = mantisa.find_first_of("123456789");
    if (primera == std::string::npos) return -1000000000L;
    const long orden = primera < punto ? static_cast<long>(punto - primera) - 1
                                       : -static_cast<long>(primera - punto);
    return orden + exponente;
}

} // namespace

std::optional<int16_t> ValorCasilla(std::string_view texto)
{
    // Almost every cell is one digit or "-": no need to copy those.
    if (texto.size() == 1) {
        if (EsDigito(texto[0])) return static_cast<int16_t>(texto[0] - '0');
        if (texto[0] == '-') return 0;
    }
    std::string s;
    s.reserve(texto.size());
    for (char c : texto)
        if (c != ' ' && c != '\t' && c != '\n') s += c;

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H') return LeerEntero(s, 2, 16);
        if (s[1] == 'o' || s[1] == 'O') return LeerEntero(s, 2, 8);
    }

    // Collect the longest prefix that reads as a decimal number, then convert it
    // without the locale (a Spanish locale would want a decimal comma).
    size_t p = 0;
    bool negativo = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) negativo = s[p++] == '-';
    std::string numero;
    bool hayDigitos = false;
    while (p < s.size() && EsDigito(s[p])) { numero += s[p++]; hayDigitos = true; }
    if (p < s.size() && s[p] == '.') {
        numero += s[p++];
        while (p < s.size() && EsDigito(s[p])) { numero += s[p++]; hayDigitos = true; }
    }
    if (!hayDigitos) return 0;
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E' || s[p] == 'd' || s[p] == 'D')) {
        size_t q = p + 1;
        std::string exponente = "e";
        if (q < s.size() && (s[q] == '+' || s[q] == '-')) exponente += s[q++];
        const size_t inicio = q;
        while (q < s.size() && EsDigito(s[q])) exponente += s[q++];
        if (q > inicio) numero += exponente;
    }
    if (numero.front() == '.') numero.insert(numero.begin(), '0');
    // The classic locale reads a decimal point whatever the player's locale; a stream,
    // because not every C++ library (emscripten's) reads a double with from_chars.
    std::istringstream lector(numero);
    lector.imbue(std::locale::classic());
    double v = 0;
    lector >> v;
    // The text is always a well-formed number: a failure means out of range.
    if (lector.fail()) {
        if (OrdenDeMagnitud(numero) > 0) return std::nullopt;
        v = 0;   // too small to tell from zero
    }
    return EnRango(negativo ? -v : v);
}

bool ComprobarGrupo(const EstadoJuego& e)
{
    bool resultado = true;
    int suma = 0;
    for (int16_t v : e.Grupo) {
        if (v < 1 || v > 9) return false;
        suma += v;
    }
    if (suma != 45) return false;
    bool vistos[9] = {};
    for (int16_t v : e.Grupo) {
        if (vistos[v - 1]) resultado = false;
        else vistos[v - 1] = true;
    }
    return resultado;
}

// Marks the texts for the translation tools; the engine itself knows no Qt.
#define QT_TRANSLATE_NOOP(contexto, texto) texto

const TextosComprobador& TextosEnEspanol()
{
    static const TextosComprobador textos{
        QT_TRANSLATE_NOOP("Comprobador", "Datos incorrectos en la columna "),
        QT_TRANSLATE_NOOP("Comprobador", "Datos incorrectos en la fila "),
        QT_TRANSLATE_NOOP("Comprobador", "Datos incorrectos en un tablero  "),
        QT_TRANSLATE_NOOP("Comprobador", "Muchísimas felicidades. ha demostrado usted una  gran inteligencia "),
    };
    return textos;
}

std::string Comprobar(EstadoJuego& e, const Casillas& casillas, const TextosComprobador& textos)
{
    // Each cell is read at most once, and only as far as the first failing group.
    std::array<std::optional<int16_t>, 81> valores;
    std::array<bool, 81> leido{};
    auto valor = [&](int i) {
        if (!leido[i]) {
            valores[i] = ValorCasilla(casillas.Texto(static_cast<int16_t>(i)));
            leido[i] = true;
        }
        return valores[i];
    };
    using Grupo9 = std::array<int, 9>;
    auto valido = [&](const Grupo9& indices) {
        bool fuera = false;
        for (int k = 0; k < 9; ++k) {
            const auto v = valor(indices[k]);
            // Out of range can never be a digit; 0 fails the group the same way.
            e.Grupo[k] = v.value_or(0);
            fuera = fuera || !v;
        }
        return !fuera && ComprobarGrupo(e);
    };
    auto listado = [&](const Grupo9& indices) {
        std::string s = "(";
        for (int i : indices) {
            const auto v = valor(i);
            s += v ? std::to_string(*v) : std::string("?");
        }
        return s + ")";
    };

    Grupo9 g;
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) g[r] = r * 9 + c;
        if (!valido(g)) return textos.columna + std::to_string(c + 1) + listado(g);
    }
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) g[c] = r * 9 + c;
        if (!valido(g)) return textos.fila + std::to_string(r + 1) + listado(g);
    }
    for (int b = 0; b < 9; b += 3) {
        for (int a = 0; a < 9; a += 3) {
            for (int j = 0; j < 3; ++j)
                for (int i = 0; i < 3; ++i) g[j * 3 + i] = (a + i) * 9 + (b + j);
            if (!valido(g)) return textos.panel + listado(g);
        }
    }
    return textos.felicidades;
}
