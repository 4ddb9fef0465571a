// SPDX-License-Identifier: GPL-3.0-or-later
// How a reasoning step and its chains are said: the words of H.
#include "Frases.h"
#include "FrasesPiezas.h"
#include "Coordenadas.h"
#include <algorithm>

namespace {

using namespace FrasesPiezas;

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

} // namespace

namespace Frases {

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

} // namespace Frases
