// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small test harness for the core: plain C++, so its tests prove the core needs no Qt.
// A test is a function registered with PRUEBA; a failed check names its file, line and
// both values, and the run goes on to the next test.
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace prueba {

struct Caso {
    const char* nombre;
    std::function<void()> cuerpo;
};

inline std::vector<Caso>& Casos()
{
    static std::vector<Caso> casos;
    return casos;
}

inline int& Fallos()
{
    static int fallos = 0;
    return fallos;
}

struct Registro {
    Registro(const char* nombre, std::function<void()> cuerpo) { Casos().push_back({nombre, std::move(cuerpo)}); }
};

template <typename T>
std::string Mostrar(const T& v)
{
    std::ostringstream s;
    if constexpr (requires { s << v; }) {
        s << v;
    } else if constexpr (requires { v.begin(); v.end(); }) {
        s << "{";
        for (const auto& x : v) s << "«" << Mostrar(x) << "» ";
        s << "}";
    } else {
        s << "(no se puede mostrar)";
    }
    return s.str();
}

// Which row of a table is being checked, for the failure's message.
inline std::string& Fila()
{
    static std::string fila;
    return fila;
}

template <typename A, typename B>
bool Igual(const A& a, const B& b, const char* ta, const char* tb, const char* archivo, int linea)
{
    if (a == b) return true;
    ++Fallos();
    std::fprintf(stderr, "%s:%d: %s%s != %s\n  obtenido: «%s»\n  esperado: «%s»\n", archivo, linea,
                 Fila().empty() ? "" : ("[" + Fila() + "] ").c_str(), ta, tb, Mostrar(a).c_str(), Mostrar(b).c_str());
    return false;
}

inline bool Cierto(bool v, const char* texto, const char* archivo, int linea)
{
    if (v) return true;
    ++Fallos();
    std::fprintf(stderr, "%s:%d: %sno se cumple: %s\n", archivo, linea, Fila().empty() ? "" : ("[" + Fila() + "] ").c_str(),
                 texto);
    return false;
}

inline int Ejecutar()
{
    for (const Caso& c : Casos()) {
        const int antes = Fallos();
        Fila().clear();
        c.cuerpo();
        std::printf("%s %s\n", Fallos() == antes ? "PASA" : "FALLA", c.nombre);
    }
    std::printf("%zu pruebas, %d comprobaciones fallidas\n", Casos().size(), Fallos());
    return Fallos() == 0 ? 0 : 1;
}

} // namespace prueba

#define PRUEBA_UNIR2(a, b) a##b
#define PRUEBA_UNIR(a, b) PRUEBA_UNIR2(a, b)
#define PRUEBA(nombre)                                                                               \
    static void nombre();                                                                            \
    static const prueba::Registro PRUEBA_UNIR(registro_, nombre){#nombre, nombre};                   \
    static void nombre()
#define IGUAL(a, b) prueba::Igual((a), (b), #a, #b, __FILE__, __LINE__)
#define CIERTO(v) prueba::Cierto(static_cast<bool>(v), #v, __FILE__, __LINE__)
// Names the table row the checks that follow belong to.
#define FILA(texto) (prueba::Fila() = (texto))
