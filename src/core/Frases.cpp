// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frases.h"
#include "Coordenadas.h"
#include "Palabras.h"
#include <algorithm>
#include <iterator>

// Marks the texts kept in tables for lupdate; they are translated when said.
#define QT_TRANSLATE_NOOP(contexto, texto) texto

namespace {

using Piezas = std::vector<std::string>;

// For texts kept in tables, marked there with QT_TRANSLATE_NOOP.
std::string Tr(const char* texto) { return Traducir("Frases", texto); }

std::string N(int numero) { return std::to_string(numero); }

// At most `cuantas` pieces from `desde` on; none when `desde` is past the end.
Piezas Tramo(const Piezas& piezas, size_t desde, size_t cuantas = SIZE_MAX)
{
    if (desde >= piezas.size()) return {};
    const size_t hasta = desde + std::min(cuantas, piezas.size() - desde);
    return Piezas(piezas.begin() + static_cast<std::ptrdiff_t>(desde), piezas.begin() + static_cast<std::ptrdiff_t>(hasta));
}

void Anadir(Piezas& piezas, const Piezas& mas) { piezas.insert(piezas.end(), mas.begin(), mas.end()); }

std::string Unir(const Piezas& piezas, std::string_view entre)
{
    std::string texto;
    for (size_t k = 0; k < piezas.size(); ++k) {
        if (k > 0) texto += entre;
        texto += piezas[k];
    }
    return texto;
}

// Panels have no number: the player knows them by their place.
const char* const nombresPanel[9] = {
    QT_TRANSLATE_NOOP("Frases", "superior izquierdo"), QT_TRANSLATE_NOOP("Frases", "superior central"), QT_TRANSLATE_NOOP("Frases", "superior derecho"),
    QT_TRANSLATE_NOOP("Frases", "central izquierdo"),  QT_TRANSLATE_NOOP("Frases", "central"),          QT_TRANSLATE_NOOP("Frases", "central derecho"),
    QT_TRANSLATE_NOOP("Frases", "inferior izquierdo"), QT_TRANSLATE_NOOP("Frases", "inferior central"), QT_TRANSLATE_NOOP("Frases", "inferior derecho"),
};

const char* const veces[10] = {
    "", QT_TRANSLATE_NOOP("Frases", "una vez"), QT_TRANSLATE_NOOP("Frases", "dos veces"), QT_TRANSLATE_NOOP("Frases", "tres veces"), QT_TRANSLATE_NOOP("Frases", "cuatro veces"),
    QT_TRANSLATE_NOOP("Frases", "cinco veces"), QT_TRANSLATE_NOOP("Frases", "seis veces"), QT_TRANSLATE_NOOP("Frases", "siete veces"), QT_TRANSLATE_NOOP("Frases", "ocho veces"), QT_TRANSLATE_NOOP("Frases", "nueve veces"),
};

// "a", "a y b", "a, b y c"; or with another last joint ("a o b").
std::string Enumerar(const Piezas& piezas, const std::string& ultima = Traducir("Frases", " y "))
{
    if (piezas.size() < 2) return Unir(piezas, "");
    return Unir(Tramo(piezas, 0, piezas.size() - 1), ", ") + ultima + piezas.back();
}

std::string Panel(int numero) { return Tr(nombresPanel[numero]); }

std::string ElDigito(int digito) { return Sustituir(Traducir("Frases", "el %1"), {N(digito)}); }

// "la fila 2, columna 3".
std::string Celda(int i)
{
    return Sustituir(Traducir("Frases", "la fila %1, columna %2"), {N(i / 9 + 1), N(i % 9 + 1)});
}

// "2, 5 y 8": the lines' numbers, counted from 1.
std::string Numeros(const std::vector<int>& numeros)
{
    Piezas piezas;
    for (int n : numeros) piezas.push_back(N(n + 1));
    return Enumerar(piezas);
}

// "el 1, el 4 y el 6".
std::string LosDigitos(const int8_t* digitos, int cuantos)
{
    Piezas piezas;
    for (int k = 0; k < cuantos; ++k) piezas.push_back(ElDigito(digitos[k]));
    return Enumerar(piezas);
}

// Pairs and triples of cells (a pair keeps its own words) and of digits.
std::string Conjunto(const Eliminacion& e)
{
    std::vector<int> filas, columnas;
    Piezas celdas;
    for (int k = 0; k < e.cuantos; ++k) {
        filas.push_back(e.celdas[k] / 9);
        columnas.push_back(e.celdas[k] % 9);
        celdas.push_back(Celda(e.celdas[k]));
    }
    const std::string digitos = LosDigitos(e.digitos.data(), e.cuantos);
    const std::string numero = N(e.donde.numero + 1);
    if (e.tipo == TipoEliminacion::Trio) {
        switch (e.donde.tipo) {
        case TipoGrupo::Fila:
            return Sustituir(Traducir("Frases", "en la fila %1, las columnas %2 se reparten %3"),
                {numero, Numeros(columnas), digitos});
        case TipoGrupo::Columna:
            return Sustituir(Traducir("Frases", "en la columna %1, las filas %2 se reparten %3"),
                {numero, Numeros(filas), digitos});
        case TipoGrupo::Panel: break;
        }
        return Sustituir(Traducir("Frases", "en el panel %1, %2 se reparten %3"),
            {Panel(e.donde.numero), Enumerar(celdas), digitos});
    }
    switch (e.donde.tipo) {
    case TipoGrupo::Fila:
        return Sustituir(Traducir("Frases", "en la fila %1, %2 solo pueden ir en las columnas %3"),
            {numero, digitos, Numeros(columnas)});
    case TipoGrupo::Columna:
        return Sustituir(Traducir("Frases", "en la columna %1, %2 solo pueden ir en las filas %3"),
            {numero, digitos, Numeros(filas)});
    case TipoGrupo::Panel: break;
    }
    return Sustituir(Traducir("Frases", "en el panel %1, %2 solo pueden ir en %3"),
        {Panel(e.donde.numero), digitos, Enumerar(celdas)});
}

// X-Wing and Swordfish: the lines that hold the digit, and the lines they hold it to.
std::string Pez(const Eliminacion& e)
{
    std::vector<int> lineas, cubiertas;
    for (int k = 0; k < e.cuantos; ++k) {
        lineas.push_back(e.lineas[k].numero);
        cubiertas.push_back(e.cubiertas[k].numero);
    }
    return Sustituir(e.lineas[0].tipo == TipoGrupo::Fila
                         ? Traducir("Frases", "en las filas %1, el %2 solo puede ir en las columnas %3")
                         : Traducir("Frases", "en las columnas %1, el %2 solo puede ir en las filas %3"),
                     {Numeros(lineas), N(e.digito), Numeros(cubiertas)});
}

// The wings: what each digit of the first cell makes of the other two.
std::string Ala(const Eliminacion& e)
{
    const std::string x = N(e.digitos[0]), y = N(e.digitos[1]), z = N(e.digito);
    if (e.tipo == TipoEliminacion::AlaXY)
        return Sustituir(Traducir("Frases", "%1 es el %2 o el %3; si es el %2, %4 es el %5, y si es el %3, %6 es el %5"),
            {Celda(e.celdas[0]), x, y, Celda(e.celdas[1]), z, Celda(e.celdas[2])});
    return Sustituir(Traducir("Frases", "%1 es el %2, el %3 o el %4; si es el %2, %5 es el %4, y si es el %3, %6 es el %4"),
        {Celda(e.celdas[0]), x, y, z, Celda(e.celdas[1]), Celda(e.celdas[2])});
}

// How many links of a chain one utterance says; H says the next ones.
constexpr size_t EslabonesPorVez = 4;

std::string NombreGrupo(Grupo g)
{
    const std::string numero = N(g.numero + 1);
    switch (g.tipo) {
    case TipoGrupo::Fila: return Sustituir(Traducir("Frases", "la fila %1"), {numero});
    case TipoGrupo::Columna: return Sustituir(Traducir("Frases", "la columna %1"), {numero});
    case TipoGrupo::Panel: break;
    }
    return Sustituir(Traducir("Frases", "el panel %1"), {Panel(g.numero)});
}

// A node's place: one cell, or the cells of a line within a panel ("la fila 2, columnas 4 y 5").
std::string Lugar(const Eslabon& n)
{
    if (n.cuantas == 1) return Celda(n.celdas[0]);
    std::vector<int> filas, columnas;
    for (int k = 0; k < n.cuantas; ++k) {
        filas.push_back(n.celdas[k] / 9);
        columnas.push_back(n.celdas[k] % 9);
    }
    if (n.celdas[0] / 9 == n.celdas[1] / 9)
        return Sustituir(Traducir("Frases", "la fila %1, columnas %2"), {N(filas[0] + 1), Numeros(columnas)});
    return Sustituir(Traducir("Frases", "la columna %1, filas %2"), {N(columnas[0] + 1), Numeros(filas)});
}

// What the chain says of a node: "la fila 1, columna 2 no es el 5".
std::string Estado(const Eslabon& n)
{
    const std::string lugar = Lugar(n), digito = N(n.digito);
    if (n.cuantas == 1)
        return Sustituir(n.es ? Traducir("Frases", "%1 es el %2") : Traducir("Frases", "%1 no es el %2"), {lugar, digito});
    return Sustituir(n.es ? Traducir("Frases", "el %2 está en %1") : Traducir("Frases", "el %2 no está en %1"), {lugar, digito});
}

// A forcing chain's link: what the supposition makes of the cell, and why. The
// supposition itself was just named by what the chain proves.
std::string Consecuencia(const Eslabon& n)
{
    const std::string celda = Celda(n.celdas[0]), digito = N(n.digito);
    switch (n.motivo) {
    case Motivo::Supuesto: return Traducir("Frases", "si lo fuera");
    case Motivo::SoloCabe: return Sustituir(Traducir("Frases", "%1 sería el %2, el único que cabe"), {celda, digito});
    case Motivo::SoloUnLugar:
        return Sustituir(Traducir("Frases", "el %1 iría en %2, su único lugar en %3"), {digito, celda, NombreGrupo(n.grupo)});
    case Motivo::SinDigito: return Sustituir(Traducir("Frases", "y en %1 no cabría ningún número"), {celda});
    case Motivo::PorCadena: return Sustituir(Traducir("Frases", "%1 no sería el %2"), {celda, digito});
    case Motivo::SinLugar: break;
    }
    return Sustituir(Traducir("Frases", "y el %1 no tendría sitio en %2"), {digito, NombreGrupo(n.grupo)});
}

// What a forcing chain of its own leaves empty: "deja sin número la fila 4, columna 1".
std::string Vacio(const Eslabon& fin)
{
    if (fin.motivo == Motivo::SinDigito) return Sustituir(Traducir("Frases", "deja sin número %1"), {Celda(fin.celdas[0])});
    return Sustituir(Traducir("Frases", "deja sin sitio el %1 en %2"), {N(fin.digito), NombreGrupo(fin.grupo)});
}

// The forcing chains of a cell or a group, one after another: each supposition,
// its links, and what it takes away when it does not end in a contradiction.
// Nested chains: their links, a chain within as one ("si el 5 va en la fila 2,
// columna 3, una cadena forzada deja sin número la fila 4, columna 1"); then, for
// H again, the links of each chain within.
Piezas EslabonesForzados(const Eliminacion& e)
{
    Piezas piezas;
    const Candidato t = e.conclusion;
    for (size_t k = 0; k < e.cadena.size(); ++k) {
        const Eslabon& n = e.cadena[k];
        const std::string digito = N(n.digito), celda = Celda(n.celdas[0]);
        const bool ultimo = k + 1 == e.cadena.size() || e.cadena[k + 1].motivo == Motivo::Supuesto;
        if (n.motivo == Motivo::PorCadena) {
            const auto& interna = e.internas[static_cast<size_t>(n.interna)];
            piezas.push_back(Sustituir(Traducir("Frases", "si el %1 va en %2, una cadena forzada %3"), {digito, celda, Vacio(interna.back())}));
            continue;
        }
        if (n.motivo != Motivo::Supuesto || e.tipo == TipoEliminacion::CadenaAnidada) piezas.push_back(Consecuencia(n));
        else if (e.tipo == TipoEliminacion::CadenaDeCelda) piezas.push_back(Sustituir(Traducir("Frases", "si fuera el %1"), {digito}));
        else piezas.push_back(Sustituir(Traducir("Frases", "si el %1 va en %2"), {digito, celda}));
        if (e.tipo != TipoEliminacion::CadenaAnidada && ultimo && n.motivo != Motivo::SinDigito && n.motivo != Motivo::SinLugar)
            piezas.push_back(Sustituir(Traducir("Frases", "y %1 no sería el %2"), {Celda(t.celda), N(t.digito)}));
    }
    for (const auto& interna : e.internas)
        for (const Eslabon& n : interna)
            piezas.push_back(n.motivo == Motivo::Supuesto
                                 ? Sustituir(Traducir("Frases", "dentro, si el %1 va en %2"), {N(n.digito), Celda(n.celdas[0])})
                                 : Consecuencia(n));
    return piezas;
}

// What the forcing chains of a cell, of a group or nested prove.
std::string PruebaForzada(const Eliminacion& e)
{
    const std::string objetivo = Traducir("Frases", "%1 no puede ser el %2");
    switch (e.tipo) {
    case TipoEliminacion::CadenaDeCelda:
        return Sustituir(Traducir("Frases", "cadenas forzadas desde %1: sea cual sea su número, %2"),
            {Celda(e.celdas[0]), Sustituir(objetivo, {Celda(e.conclusion.celda), N(e.conclusion.digito)})});
    case TipoEliminacion::CadenaDeGrupo:
        return Sustituir(Traducir("Frases", "cadenas forzadas desde el %1 de %2: vaya donde vaya, %3"),
            {N(e.digito), NombreGrupo(e.donde), Sustituir(objetivo, {Celda(e.conclusion.celda), N(e.conclusion.digito)})});
    default: break;
    }
    return Sustituir(Traducir("Frases", "una cadena forzada anidada: %1"),
        {Sustituir(objetivo, {Celda(e.cadena.front().celdas[0]), N(e.digito)})});
}

// A chain's links, one piece each, in the order they follow.
Piezas Eslabones(const Eliminacion& e)
{
    if (e.tipo > TipoEliminacion::CadenaForzada) return EslabonesForzados(e);
    Piezas piezas;
    for (size_t k = 0; k < e.cadena.size(); ++k) {
        const Eslabon& n = e.cadena[k];
        if (e.tipo == TipoEliminacion::CadenaForzada) piezas.push_back(Consecuencia(n));
        else if (k == 0) piezas.push_back(Sustituir(Traducir("Frases", "si %1"), {Estado(n)}));
        else piezas.push_back(Sustituir(Traducir("Frases", "entonces %1"), {Estado(n)}));
    }
    return piezas;
}

// What a chain proves, before its links.
std::string Prueba(const Eliminacion& e)
{
    const Eslabon &a = e.cadena.front(), &b = e.cadena.back();
    std::string nombre;
    switch (e.tipo) {
    case TipoEliminacion::Rascacielos: nombre = Sustituir(Traducir("Frases", "un rascacielos del %1"), {N(e.digito)}); break;
    case TipoEliminacion::Cometa: nombre = Sustituir(Traducir("Frases", "una cometa del %1"), {N(e.digito)}); break;
    case TipoEliminacion::CadenaX: nombre = Sustituir(Traducir("Frases", "una cadena X del %1"), {N(e.digito)}); break;
    case TipoEliminacion::ParesRemotos: nombre = Traducir("Frases", "unos pares remotos"); break;
    case TipoEliminacion::AlaW: nombre = Traducir("Frases", "un ala W"); break;
    case TipoEliminacion::CadenaXY: nombre = Traducir("Frases", "una cadena XY"); break;
    case TipoEliminacion::CadenaAlterna: nombre = Traducir("Frases", "una cadena alterna"); break;
    case TipoEliminacion::CadenaDeCelda:
    case TipoEliminacion::CadenaDeGrupo:
    case TipoEliminacion::CadenaAnidada: return PruebaForzada(e);
    default:
        return Sustituir(Traducir("Frases", "una cadena forzada: %1 no puede ser el %2"), {Celda(a.celdas[0]), N(e.digito)});
    }
    if (a.digito == b.digito)
        return Sustituir(Traducir("Frases", "%1: el %2 está en %3 o en %4"), {nombre, N(a.digito), Lugar(a), Lugar(b)});
    return Sustituir(Traducir("Frases", "%1: %2 es el %3 o %4 es el %5"), {nombre, Lugar(a), N(a.digito), Lugar(b), N(b.digito)});
}

// A chain as first heard: what it proves and its first links.
std::string Cadena(const Eliminacion& e)
{
    const Piezas piezas = Eslabones(e);
    std::string texto = Sustituir(Traducir("Frases", "%1, pues %2"), {Prueba(e), Unir(Tramo(piezas, 0, EslabonesPorVez), ", ")});
    if (piezas.size() > EslabonesPorVez) texto += Traducir("Frases", "; H para seguir");
    return texto;
}

// Colouring: the two colours, and for a wrap the two cells of one colour that see
// each other, which rule that colour out.
std::string Colores(const Eliminacion& e)
{
    Piezas unos, otros;
    std::vector<int> celdas[2];
    std::array<bool, 81> dicha{};
    for (const Eslabon& n : e.cadena) {
        if (dicha[static_cast<size_t>(n.celdas[0])]) continue;
        dicha[static_cast<size_t>(n.celdas[0])] = true;
        (n.es ? unos : otros).push_back(Celda(n.celdas[0]));
        celdas[n.es ? 0 : 1].push_back(n.celdas[0]);
    }
    const std::string texto = Sustituir(Traducir("Frases", "un coloreado del %1: el %1 va en %2, o en %3"),
        {N(e.digito), Enumerar(unos), Enumerar(otros)});
    auto seVen = [](int a, int b) { return a / 9 == b / 9 || a % 9 == b % 9 || PanelDe(static_cast<int16_t>(a)) == PanelDe(static_cast<int16_t>(b)); };
    for (const auto& color : celdas)
        for (size_t a = 0; a < color.size(); ++a)
            for (size_t b = a + 1; b < color.size(); ++b)
                if (seVen(color[a], color[b]))
                    return Sustituir(Traducir("Frases", "%1; pero %2 y %3 se ven, y no pueden ser los dos el %4"),
                        {texto, Celda(color[a]), Celda(color[b]), N(e.digito)});
    return texto;
}

std::string Rectangulo(const Eliminacion& e)
{
    Piezas esquinas;
    for (const Eslabon& n : e.cadena) esquinas.push_back(Celda(n.celdas[0]));
    const std::string x = N(e.digitos[0]), y = N(e.digitos[1]);
    const std::string base = Sustituir(Traducir("Frases", "un rectángulo único: %1 no pueden quedar en el %2 y el %3, que habría dos soluciones"),
        {Enumerar(esquinas), x, y});
    switch (e.tipo) {
    case TipoEliminacion::RectanguloUnico1:
        return Sustituir(Traducir("Frases", "%1, así que %2 no es ni el %3 ni el %4"), {base, esquinas[3], x, y});
    case TipoEliminacion::RectanguloUnico2:
        return Sustituir(Traducir("Frases", "%1, así que %2 o %3 es el %4"), {base, esquinas[2], esquinas[3], N(e.digito)});
    default: break;
    }
    const std::string d = N(e.digito), otro = e.digito == e.digitos[0] ? y : x;
    return Sustituir(Traducir("Frases", "%1; en %2 el %3 solo puede ir en %4 o %5, así que ninguna es el %6"),
        {base, NombreGrupo(e.donde), d, esquinas[2], esquinas[3], otro});
}

// ALS-XZ: the two sets, the digit they cannot share and the one they hold between them.
std::string CasiBloqueados(const Eliminacion& e)
{
    Piezas partes;
    for (const Eslabon& n : e.cadena) {
        Piezas celdas;
        int8_t digitos[9];
        int cuantos = 0;
        for (int k = 0; k < n.cuantas; ++k) celdas.push_back(Celda(n.celdas[k]));
        for (int d = 1; d <= 9; ++d)
            if (n.digitos & (1u << (d - 1))) digitos[cuantos++] = static_cast<int8_t>(d);
        partes.push_back(Sustituir(Traducir("Frases", "en %1 solo caben %2"), {Enumerar(celdas), LosDigitos(digitos, cuantos)}));
    }
    return Sustituir(Traducir("Frases", "dos conjuntos casi bloqueados: %1, y %2; el %3 no puede estar en ambos, así que uno de los dos tiene el %4"),
        {partes[0], partes[1], N(e.cadena[0].digito), N(e.digito)});
}

// What an elimination rules out, as a clause that follows "porque".
std::string Clausula(const Eliminacion& e)
{
    if (EsCadena(e.tipo)) return Cadena(e);
    switch (e.tipo) {
    case TipoEliminacion::ColoreadoSimple: return Colores(e);
    case TipoEliminacion::ConjuntoCasiBloqueado: return CasiBloqueados(e);
    case TipoEliminacion::RectanguloUnico1:
    case TipoEliminacion::RectanguloUnico2:
    case TipoEliminacion::RectanguloUnico4: return Rectangulo(e);
    case TipoEliminacion::BugMasUno:
        return Sustituir(Traducir("Frases", "si %1 no fuera el %2, todas las casillas vacías quedarían con dos números y habría dos soluciones"),
            {Celda(e.celdas[0]), N(e.digito)});
    case TipoEliminacion::ParejaOculta:
    case TipoEliminacion::Trio:
    case TipoEliminacion::TrioOculto: return Conjunto(e);
    case TipoEliminacion::AlaX:
    case TipoEliminacion::PezEspada: return Pez(e);
    case TipoEliminacion::AlaXY:
    case TipoEliminacion::AlaXYZ: return Ala(e);
    default: break;
    }
    const bool fila = (e.tipo == TipoEliminacion::EnUnaLinea ? e.hacia : e.donde).tipo == TipoGrupo::Fila;
    switch (e.tipo) {
    case TipoEliminacion::EnUnaLinea:
        return Sustituir(fila ? Traducir("Frases", "el %1 del panel %2 tiene que ir en la fila %3")
                              : Traducir("Frases", "el %1 del panel %2 tiene que ir en la columna %3"),
                         {N(e.digito), Panel(e.donde.numero), N(e.hacia.numero + 1)});
    case TipoEliminacion::EnUnPanel:
        return Sustituir(fila ? Traducir("Frases", "el %1 de la fila %2 tiene que ir en el panel %3")
                              : Traducir("Frases", "el %1 de la columna %2 tiene que ir en el panel %3"),
                         {N(e.digito), N(e.donde.numero + 1), Panel(e.hacia.numero)});
    default: break;
    }
    const int a = e.celdas[0], b = e.celdas[1];
    const std::string d0 = N(e.digitos[0]), d1 = N(e.digitos[1]);
    switch (e.donde.tipo) {
    case TipoGrupo::Fila:
        return Sustituir(Traducir("Frases", "en la fila %1, las columnas %2 y %3 se reparten el %4 y el %5"),
            {N(a / 9 + 1), N(a % 9 + 1), N(b % 9 + 1), d0, d1});
    case TipoGrupo::Columna:
        return Sustituir(Traducir("Frases", "en la columna %1, las filas %2 y %3 se reparten el %4 y el %5"),
            {N(a % 9 + 1), N(a / 9 + 1), N(b / 9 + 1), d0, d1});
    case TipoGrupo::Panel: break;
    }
    return Sustituir(Traducir("Frases", "en el panel %1, la fila %2, columna %3 y la fila %4, columna %5 se reparten el %6 y el %7"),
        {Panel(e.donde.numero), N(a / 9 + 1), N(a % 9 + 1), N(b / 9 + 1), N(b % 9 + 1), d0, d1});
}

// The digit and where it goes, as the technique finds it.
std::string Hallazgo(const Paso& p)
{
    const std::string fila = N(p.celda / 9 + 1), columna = N(p.celda % 9 + 1);
    const std::string digito = N(p.digito);
    if (p.tecnica == Tecnica::SoloCabe)
        return Sustituir(Traducir("Frases", "Fila %1, columna %2: solo cabe el %3"), {fila, columna, digito});
    switch (p.grupo.tipo) {
    case TipoGrupo::Fila:
        return Sustituir(Traducir("Frases", "En la fila %1, el %2 solo puede ir en la columna %3"), {fila, digito, columna});
    case TipoGrupo::Columna:
        return Sustituir(Traducir("Frases", "En la columna %1, el %2 solo puede ir en la fila %3"), {columna, digito, fila});
    case TipoGrupo::Panel: break;
    }
    return Sustituir(Traducir("Frases", "En el panel %1, el %2 solo puede ir en la fila %3, columna %4"),
        {Panel(p.grupo.numero), digito, fila, columna});
}

std::string Cuantas(int16_t n) { return n == 0 ? Traducir("Frases", "ninguna") : N(n); }

} // namespace

namespace Frases {

std::string Posicion(int16_t indice)
{
    return Sustituir(Traducir("Frases", "Fila %1, columna %2, panel %3"),
        {N(FilaDe(indice) + 1), N(ColumnaDe(indice) + 1), Panel(PanelDe(indice))});
}

std::string EnCasilla(int16_t indice, const std::string& celda)
{
    return Posicion(indice) + ", " + celda;
}

std::string Deshecho(int16_t indice, const std::string& celda)
{
    return Traducir("Frases", "Deshecho. ") + EnCasilla(indice, celda);
}

std::string Pendientes(const Vacias& v)
{
    return Sustituir(Traducir("Frases", "Vacías: %1 en la fila, %2 en la columna, %3 en el panel, %4 en el tablero"),
        {Cuantas(v.fila), Cuantas(v.columna), Cuantas(v.panel), Cuantas(v.tablero)});
}

std::string Caben(const std::vector<int16_t>& digitos)
{
    if (digitos.empty()) return Traducir("Frases", "No cabe ningún número");
    Piezas piezas;
    for (int16_t d : digitos) piezas.push_back(N(d));
    return (digitos.size() == 1 ? Traducir("Frases", "Cabe ") : Traducir("Frases", "Caben ")) + Enumerar(piezas);
}

std::string NumeroOriginal() { return Traducir("Frases", "Número original"); }

std::string QuedanPorPoner(const std::array<int16_t, 10>& faltan)
{
    Piezas piezas;
    for (int d = 1; d <= 9; ++d)
        if (faltan[d] > 0) piezas.push_back(Sustituir(Traducir("Frases", "el %1 %2"), {N(d), Tr(veces[faltan[d]])}));
    if (piezas.empty()) return Traducir("Frases", "No falta ningún número");
    return (piezas.size() == 1 ? Traducir("Frases", "Falta ") : Traducir("Frases", "Faltan ")) + Enumerar(piezas);
}

std::string AvisoRepetido(bool activado)
{
    return Traducir("Frases", "Aviso de número repetido ")
         + (activado ? Traducir("Frases", "activado") : Traducir("Frases", "desactivado"));
}

std::string Repeticiones(const Repeticion& donde)
{
    Piezas piezas;
    if (donde.fila) piezas.push_back(Traducir("Frases", "en la fila"));
    if (donde.columna) piezas.push_back(Traducir("Frases", "en la columna"));
    if (donde.panel) piezas.push_back(Traducir("Frases", "en el panel"));
    return Traducir("Frases", "Repetido ") + Enumerar(piezas);
}

std::string SolucionUnica(bool activado)
{
    return Traducir("Frases", "Sudokus de solución única ")
         + (activado ? Traducir("Frases", "activado") : Traducir("Frases", "desactivado"));
}

std::string Explicacion(const Pista& pista)
{
    switch (pista.tipo) {
    case TipoPista::Paso: {
        if (pista.paso.porque.empty()) return Hallazgo(pista.paso);
        Piezas clausulas;
        for (const Eliminacion& e : pista.paso.porque) clausulas.push_back(Clausula(e));
        return Sustituir(Traducir("Frases", "%1, porque %2"), {Hallazgo(pista.paso), Enumerar(clausulas)});
    }
    case TipoPista::Probando: {
        Piezas otros;
        for (int16_t d : pista.otros) otros.push_back(ElDigito(d));
        const int16_t i = pista.paso.celda;
        return Sustituir(Traducir("Frases", "Fila %1, columna %2: va el %3, porque con %4 no hay solución"),
            {N(i / 9 + 1), N(i % 9 + 1), N(pista.paso.digito), Enumerar(otros, Traducir("Frases", " o "))});
    }
    case TipoPista::SinSolucion: {
        const int16_t i = pista.celda;
        if (i < 0) return Traducir("Frases", "El tablero no tiene solución");
        return Sustituir(pista.yDespues
                             ? Traducir("Frases", "El tablero ya no tiene solución. Quitando el %1 de la fila %2, columna %3 y lo escrito después, vuelve a tenerla")
                             : Traducir("Frases", "El tablero ya no tiene solución. Quitando el %1 de la fila %2, columna %3, vuelve a tenerla"),
                         {N(pista.digito), N(i / 9 + 1), N(i % 9 + 1)});
    }
    case TipoPista::VariasSoluciones:
        return Sustituir(Traducir("Frases", "Hay más de una solución y ningún paso es seguro. "
                                            "La casilla con menos candidatos es la fila %1, columna %2: caben %3 números"),
                         {N(pista.celda / 9 + 1), N(pista.celda % 9 + 1), N(pista.caben)});
    case TipoPista::Terminado: break;
    }
    return Traducir("Frases", "No queda nada por hacer");
}

std::string Continuacion(const Pista& pista, int parte)
{
    if (pista.tipo != TipoPista::Paso || parte < 1) return {};
    Piezas resto;
    for (const Eliminacion& e : pista.paso.porque)
        if (EsCadena(e.tipo)) Anadir(resto, Tramo(Eslabones(e), EslabonesPorVez));
    const size_t desde = static_cast<size_t>(parte - 1) * EslabonesPorVez;
    if (desde >= resto.size()) return {};
    std::string texto = Unir(Tramo(resto, desde, EslabonesPorVez), ", ");
    if (desde + EslabonesPorVez < resto.size()) texto += Traducir("Frases", "; H para seguir");
    return texto;
}

std::string Dificultad(Calificacion calificacion)
{
    const char* const textos[] = {
        QT_TRANSLATE_NOOP("Frases", "Dificultad: fácil, basta con mirar qué cabe en cada casilla y dónde puede ir cada número"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un número que en un panel solo puede ir en una fila o una columna"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un número que en una fila o una columna solo puede ir en un panel"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una pareja"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una pareja oculta"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un trío"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un trío oculto"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un ala X"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un pez espada"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un ala XY"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un ala XYZ"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un rascacielos"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cometa"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena X"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un coloreado simple"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un rectángulo único de tipo 1"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un rectángulo único de tipo 2"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un rectángulo único de tipo 4"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un BUG más uno"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita pares remotos"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un ala W"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena XY"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita dos conjuntos casi bloqueados"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena alterna"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena forzada"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita cadenas forzadas desde todos los números de una casilla"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita cadenas forzadas desde todos los lugares de un número en un grupo"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena forzada anidada"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: no se resuelve solo razonando"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: tiene más de una solución, no se resuelve solo razonando"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: no tiene solución"),
    };
    static_assert(std::size(textos) == static_cast<size_t>(Calificacion::SinSolucion) + 1, "a text for every grade");
    return Tr(textos[static_cast<int>(calificacion)]);
}

std::string DificultadConTipo(Calificacion calificacion)
{
    const ::Dificultad tipo = DificultadDe(calificacion);
    if (tipo == ::Dificultad::PorNivel) return Dificultad(calificacion);
    return Sustituir(Traducir("Frases", "Sudoku %1. %2"), {NombreDificultad(tipo), Dificultad(calificacion)});
}

std::string NombreDificultad(::Dificultad dificultad)
{
    const char* const nombres[] = {
        QT_TRANSLATE_NOOP("Frases", "Por nivel"),  QT_TRANSLATE_NOOP("Frases", "Sencillo"), QT_TRANSLATE_NOOP("Frases", "Intermedio"),
        QT_TRANSLATE_NOOP("Frases", "Avanzado"),   QT_TRANSLATE_NOOP("Frases", "Experto"),  QT_TRANSLATE_NOOP("Frases", "Maestro"),
    };
    static_assert(std::size(nombres) == Dificultades, "a name for every kind");
    return Tr(nombres[static_cast<int>(dificultad)]);
}

std::string DificultadElegida(::Dificultad dificultad)
{
    return Sustituir(Traducir("Frases", "Dificultad: %1"), {NombreDificultad(dificultad)});
}

std::string SudokuDeDificultad(::Dificultad dificultad, int dados)
{
    return Sustituir(Traducir("Frases", "Sudoku %1, %2 números dados"), {NombreDificultad(dificultad), N(dados)});
}

std::string PreparandoSudoku() { return Traducir("Frases", "Preparando el sudoku"); }

std::string Pensando() { return Traducir("Frases", "Pensando"); }

std::string SudokuImportado(int dados, const std::string& dificultad)
{
    const std::string importado = Sustituir(Traducir("Frases", "Sudoku importado, %1 números dados"), {N(dados)});
    return dificultad.empty() ? importado : importado + ". " + dificultad;
}

std::string SudokuRechazado(const SudokuLeido& leido)
{
    std::string motivo;
    switch (leido.rechazo) {
    case Rechazo::Ninguno: return {};
    case Rechazo::Casillas:
        if (leido.casillas == 0) motivo = Traducir("Frases", "no hay ninguna casilla");
        else if (leido.casillas == 1) motivo = Traducir("Frases", "hay una sola casilla y hacen falta 81");
        else if (leido.casillas < 81) motivo = Sustituir(Traducir("Frases", "hay %1 casillas y hacen falta 81"),
            {N(leido.casillas)});
        else motivo = Traducir("Frases", "hay más de 81 casillas");
        break;
    case Rechazo::Repetido: {
        const std::string digito = N(leido.digito), numero = N(leido.grupo.numero + 1);
        switch (leido.grupo.tipo) {
        case TipoGrupo::Fila: motivo = Sustituir(Traducir("Frases", "el %1 se repite en la fila %2"), {digito, numero}); break;
        case TipoGrupo::Columna: motivo = Sustituir(Traducir("Frases", "el %1 se repite en la columna %2"),
            {digito, numero}); break;
        case TipoGrupo::Panel:
            motivo = Sustituir(Traducir("Frases", "el %1 se repite en el panel %2"), {digito, Panel(leido.grupo.numero)});
            break;
        }
        break;
    }
    case Rechazo::SinSolucion: motivo = Traducir("Frases", "no tiene solución"); break;
    case Rechazo::VariasSoluciones: motivo = Traducir("Frases", "tiene más de una solución"); break;
    case Rechazo::Inabarcable:
        motivo = Traducir("Frases", "no se ha podido comprobar que tenga una sola solución");
        break;
    }
    return Sustituir(Traducir("Frases", "Sudoku rechazado: %1"), {motivo});
}

std::string TableroCopiado() { return Traducir("Frases", "Tablero copiado"); }
std::string Notas(const std::vector<int16_t>& digitos)
{
    if (digitos.empty()) return Traducir("Frases", "sin notas");
    Piezas piezas;
    for (int16_t d : digitos) piezas.push_back(N(d));
    return Sustituir(digitos.size() == 1 ? Traducir("Frases", "nota %1") : Traducir("Frases", "notas %1"), {Enumerar(piezas)});
}

std::string ModoNotas(bool activado)
{
    return activado ? Traducir("Frases", "Notas activadas") : Traducir("Frases", "Notas desactivadas");
}

std::string NotaCambiada(bool puesta, int16_t digito, const std::vector<int16_t>& notas)
{
    return Sustituir(puesta ? Traducir("Frases", "Añadido el %1: %2") : Traducir("Frases", "Quitado el %1: %2"),
        {N(digito), Notas(notas)});
}

std::string EscrituraDirecta(bool activada)
{
    return activada ? Traducir("Frases", "Escritura directa activada")
                    : Traducir("Frases", "Escritura directa desactivada");
}

std::string PartidaRecuperada() { return Traducir("Frases", "Partida recuperada"); }

std::string PartidaNoRecuperada()
{
    return Traducir("Frases", "No se ha podido recuperar la última partida. Empieza un juego nuevo.");
}

std::string CasillaOcupada() { return Traducir("Frases", "Casilla ocupada"); }

std::string NotasLlenas(int16_t casillas)
{
    if (casillas == 0) return Traducir("Frases", "Notas en ninguna casilla");
    if (casillas == 1) return Traducir("Frases", "Notas en 1 casilla");
    return Sustituir(Traducir("Frases", "Notas en %1 casillas"), {N(casillas)});
}

std::string Menu(const std::string& nombre, std::ptrdiff_t opciones)
{
    return Sustituir(Traducir("Frases", "Menú %1, %2 opciones"), {nombre, N(opciones)});
}

std::string Ayuda()
{
    const char* const lineas[] = {
        "",
        QT_TRANSLATE_NOOP("Frases", "  Teclas para jugar más deprisa (con el modo escritura desactivado):"),
        QT_TRANSLATE_NOOP("Frases", "  D: dice dónde está el cursor: la fila, la columna y el panel, nombrado por su"),
        QT_TRANSLATE_NOOP("Frases", "lugar (superior izquierdo, central, inferior derecho...)."),
        QT_TRANSLATE_NOOP("Frases", "  Q: dice cuántas casillas vacías quedan en la fila, la columna y el panel actuales"),
        QT_TRANSLATE_NOOP("Frases", "y en todo el tablero."),
        QT_TRANSLATE_NOOP("Frases", "  N: dice qué números caben en la casilla actual: los que no están en su fila, su"),
        QT_TRANSLATE_NOOP("Frases", "columna ni su panel."),
        QT_TRANSLATE_NOOP("Frases", "  S: lleva el cursor a la siguiente casilla vacía, de izquierda a derecha y de arriba"),
        QT_TRANSLATE_NOOP("Frases", "abajo, y dice dónde ha llegado. Si no queda ninguna vacía suena un pitido."),
        QT_TRANSLATE_NOOP("Frases", "  Z: deshace el último cambio hecho con el teclado en una casilla (lo escrito, lo"),
        QT_TRANSLATE_NOOP("Frases", "borrado o la marca de provisional), una y otra vez hasta el principio de la partida."),
        QT_TRANSLATE_NOOP("Frases", "  R: dice cuántas veces falta todavía cada número en el tablero."),
        QT_TRANSLATE_NOOP("Frases", "  E: activa y desactiva el aviso de número repetido: con el aviso activado, al"),
        QT_TRANSLATE_NOOP("Frases", "guardar un número que ya está en su fila, su columna o su panel se oye dónde se repite."),
        QT_TRANSLATE_NOOP("Frases", "  U: activa y desactiva los sudokus de solución única: con el modo activado, cada"),
        QT_TRANSLATE_NOOP("Frases", "juego nuevo tiene una sola solución y tantos números dados como su nivel."),
        QT_TRANSLATE_NOOP("Frases", "  H: da una pista: lleva el cursor a la casilla de la que habla y dice qué número va"),
        QT_TRANSLATE_NOOP("Frases", "y por qué; no escribe nada. Si el tablero ya no tiene solución, dice qué número quitar."),
        QT_TRANSLATE_NOOP("Frases", "Una cadena larga se oye por partes: H otra vez, sin cambiar el tablero, dice los"),
        QT_TRANSLATE_NOOP("Frases", "eslabones siguientes, y tras el último la pista entera de nuevo; otra tecla la deja."),
        QT_TRANSLATE_NOOP("Frases", "Las técnicas que nombra, de la más sencilla a la más difícil: lo único que cabe en una"),
        QT_TRANSLATE_NOOP("Frases", "casilla, el único lugar de un número, un número encerrado en una línea o un panel,"),
        QT_TRANSLATE_NOOP("Frases", "parejas y tríos (también ocultos), ala X, pez espada, alas XY y XYZ, rascacielos,"),
        QT_TRANSLATE_NOOP("Frases", "cometa, cadena X, coloreado simple, rectángulo único (tipos 1, 2 y 4) y BUG más uno"),
        QT_TRANSLATE_NOOP("Frases", "(solo cuando hay una sola solución), pares remotos, ala W, cadena XY, dos conjuntos"),
        QT_TRANSLATE_NOOP("Frases", "casi bloqueados, cadena alterna y cadena forzada."),
        QT_TRANSLATE_NOOP("Frases", "  G: dice la dificultad del sudoku: la técnica más difícil que necesita la pista para"),
        QT_TRANSLATE_NOOP("Frases", "resolverlo desde los números dados (una pareja, un ala X...), o si no basta razonar."),
        QT_TRANSLATE_NOOP("Frases", "  I: juega el sudoku copiado en el portapapeles en lugar del juego actual: 81 casillas,"),
        QT_TRANSLATE_NOOP("Frases", "los números del 1 al 9 como datos y 0 o punto para las vacías; lo demás no cuenta."),
        QT_TRANSLATE_NOOP("Frases", "Si no vale, dice por qué y el juego actual sigue."),
        QT_TRANSLATE_NOOP("Frases", "  X: copia el tablero en el portapapeles, en una línea de 81 caracteres: el número de"),
        QT_TRANSLATE_NOOP("Frases", "cada casilla que tiene uno y un punto en las demás."),
        QT_TRANSLATE_NOOP("Frases", "Justo después de resolver el sudoku del día, X copia en cambio el resultado en una línea."),
        QT_TRANSLATE_NOOP("Frases", "  Y: dice el tiempo jugado en la partida y, en el sudoku del día, la racha de días seguidos"),
        QT_TRANSLATE_NOOP("Frases", "resueltos. El tiempo solo corre con el juego abierto y se guarda con la partida."),
        QT_TRANSLATE_NOOP("Frases", "  El menú Día (novaro --dia lo empieza al abrir) tiene el sudoku del día: el mismo"),
        QT_TRANSLATE_NOOP("Frases", "para todos cada día, más difícil según avanza la semana, de Sencillo el lunes a Maestro"),
        QT_TRANSLATE_NOOP("Frases", "el domingo; Estadísticas, que dice los días resueltos, la racha y los mejores tiempos;"),
        QT_TRANSLATE_NOOP("Frases", "y Compartir resultado, que copia el último resultado en una línea de texto."),
        QT_TRANSLATE_NOOP("Frases", "  Desde la terminal, novaro --sudoku seguido del sudoku empieza con ese sudoku."),
        QT_TRANSLATE_NOOP("Frases", "  L: activa y desactiva el modo notas, para apuntar en cada casilla vacía los números"),
        QT_TRANSLATE_NOOP("Frases", "que podrían ir en ella. Al llegar a una casilla con notas se oyen detrás de la casilla."),
        QT_TRANSLATE_NOOP("Frases", "  1 a 9 (fila de arriba o teclado numérico), con el modo notas activado: apunta ese"),
        QT_TRANSLATE_NOOP("Frases", "número en la casilla, o lo quita si ya estaba. Escribir un número en una casilla borra"),
        QT_TRANSLATE_NOOP("Frases", "sus notas y lo quita de las notas de su fila, su columna y su panel; Z deshace las notas."),
        QT_TRANSLATE_NOOP("Frases", "  M: pone en cada casilla vacía las notas de los números que caben en ella."),
        QT_TRANSLATE_NOOP("Frases", "  K: activa y desactiva la escritura directa: con ella activada y el modo notas"),
        QT_TRANSLATE_NOOP("Frases", "desactivado, un número del 1 al 9 se escribe en la casilla con una sola tecla, como"),
        QT_TRANSLATE_NOOP("Frases", "Intro, el número e Intro. Z lo deshace."),
        QT_TRANSLATE_NOOP("Frases", "  B: cambia la dificultad de los juegos nuevos, como el menú Dificultad: Por nivel"),
        QT_TRANSLATE_NOOP("Frases", "(los números dados que marca el menú Niveles), Sencillo (basta mirar qué cabe en cada"),
        QT_TRANSLATE_NOOP("Frases", "casilla y dónde puede ir cada número), Intermedio (un número que en un panel solo puede"),
        QT_TRANSLATE_NOOP("Frases", "ir en una fila o una columna, o al revés), Avanzado (parejas y tríos), Experto (alas X,"),
        QT_TRANSLATE_NOOP("Frases", "peces espada y alas XY y XYZ) o Maestro (las cadenas y demás técnicas que la pista"),
        QT_TRANSLATE_NOOP("Frases", "explica después de las alas). Cada juego nuevo de una dificultad necesita justo ese"),
        QT_TRANSLATE_NOOP("Frases", "razonamiento y se anuncia con ella y con sus números dados."),
        "",
        QT_TRANSLATE_NOOP("Frases", "  El juego recuerda el nivel, el tamaño de letra y los interruptores (F8, F9, O, E,"),
        QT_TRANSLATE_NOOP("Frases", "U, L y K) y la dificultad; guarda la partida en juego tras cada cambio: al volver a abrirlo sigue"),
        QT_TRANSLATE_NOOP("Frases", "donde se dejó y dice \"Partida recuperada\". Desde la terminal, novaro --nueva empieza"),
        QT_TRANSLATE_NOOP("Frases", "un juego nuevo con los valores de siempre."),
        "",
        QT_TRANSLATE_NOOP("Frases", "  Con línea braille: en las preferencias de braille de Orca, marque"),
        QT_TRANSLATE_NOOP("Frases", "\"Activar mensajes temporales\" y \"Los mensajes son persistentes\": cada mensaje del"),
        QT_TRANSLATE_NOOP("Frases", "juego se quedará en la línea braille hasta el siguiente."),
        "",
        QT_TRANSLATE_NOOP("Frases", "  Licencia:"),
    };
    std::string texto;
    for (const char* l : lineas) texto += (*l ? Tr(l) : std::string()) + "\r\n";
    for (const std::string& l : Licencia()) texto += "  " + l + "\r\n";
    return texto;
}

std::vector<std::string> Licencia()
{
    return {
        Sustituir(Traducir("Frases", "Copyright (C) %1 Equipo de NOVARO"), {NOVARO_ANIO}),
        Traducir("Frases", "Licencia GPLv3+: GNU GPL versión 3 o posterior <https://gnu.org/licenses/gpl.html>."),
        Traducir("Frases", "Esto es software libre: puede cambiarlo y redistribuirlo."),
        Traducir("Frases", "NO HAY NINGUNA GARANTÍA, en la medida en que lo permita la ley."),
    };
}

std::string Vacia() { return Traducir("Voz", "vacía"); }

std::string Pronunciar(std::string_view linea)
{
    // An empty cell shows "-": the speech server drops it at the lower punctuation
    // levels and says "guion" at the higher ones, so it is spoken as a word, also
    // before the full stop of a panel row or the comma that leads to its notes.
    const std::string vacia = Vacia();
    std::string dicha;
    for (size_t desde = 0;;) {
        const size_t hasta = std::min(linea.find(' ', desde), linea.size());
        const std::string_view pieza = linea.substr(desde, hasta - desde);
        if (pieza == "-") dicha += vacia;
        else if (pieza == "-." || pieza == "-,") dicha += vacia + pieza.back();
        else dicha += pieza;
        if (hasta == linea.size()) break;
        dicha += ' ';
        desde = hasta + 1;
    }
    return dicha;
}

TextosComprobador TextosDelComprobador()
{
    TextosComprobador textos = TextosEnEspanol();
    for (std::string* t : {&textos.columna, &textos.fila, &textos.panel, &textos.felicidades})
        *t = Traducir("Comprobador", t->c_str());
    return textos;
}

} // namespace Frases
