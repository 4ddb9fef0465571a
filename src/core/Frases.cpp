// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frases.h"
#include "Coordenadas.h"
#include "FrasesPiezas.h"
#include "Palabras.h"
#include <algorithm>
#include <iterator>

// Marks the texts kept in tables for lupdate; they are translated when said.
#define QT_TRANSLATE_NOOP(contexto, texto) texto

namespace {

using namespace FrasesPiezas;

const char* const veces[10] = {
    "", QT_TRANSLATE_NOOP("Frases", "una vez"), QT_TRANSLATE_NOOP("Frases", "dos veces"), QT_TRANSLATE_NOOP("Frases", "tres veces"), QT_TRANSLATE_NOOP("Frases", "cuatro veces"),
    QT_TRANSLATE_NOOP("Frases", "cinco veces"), QT_TRANSLATE_NOOP("Frases", "seis veces"), QT_TRANSLATE_NOOP("Frases", "siete veces"), QT_TRANSLATE_NOOP("Frases", "ocho veces"), QT_TRANSLATE_NOOP("Frases", "nueve veces"),
};

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

std::string LugarAlMoverse(bool activado)
{
    return activado ? Traducir("Frases", "Lugar al moverse activado") : Traducir("Frases", "Lugar al moverse desactivado");
}

std::string LugarDelCursor(int16_t fila, int16_t columna)
{
    if (fila < 0) return Sustituir(Traducir("Frases", "columna %1"), {N(columna + 1)});
    if (columna < 0) return Sustituir(Traducir("Frases", "fila %1"), {N(fila + 1)});
    return Sustituir(Traducir("Frases", "fila %1, columna %2"), {N(fila + 1), N(columna + 1)});
}

std::string ModoDeSonidos(ModoSonidos modo)
{
    switch (modo) {
    case ModoSonidos::ConPalabras: return Traducir("Frases", "Sonidos: con palabras");
    case ModoSonidos::EnLugarDePalabras: return Traducir("Frases", "Sonidos: en lugar de palabras");
    case ModoSonidos::No: break;
    }
    return Traducir("Frases", "Sonidos: no");
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
        QT_TRANSLATE_NOOP("Frases", "  W: activa y desactiva el lugar al moverse: con él activado, cada movimiento dice"),
        QT_TRANSLATE_NOOP("Frases", "antes de la casilla la columna nueva, la fila nueva, o las dos tras un salto."),
        QT_TRANSLATE_NOOP("Frases", "  J: cambia los sonidos: no, con palabras o en lugar de palabras. Con sonidos, cada"),
        QT_TRANSLATE_NOOP("Frases", "movimiento suena a la izquierda o a la derecha según la columna, y más agudo cuanto"),
        QT_TRANSLATE_NOOP("Frases", "más arriba está la fila; las casillas vacías, los números dados y las notas tienen su"),
        QT_TRANSLATE_NOOP("Frases", "sonido; un número repetido suena a aviso; completar una fila, una columna o un panel,"),
        QT_TRANSLATE_NOOP("Frases", "o leerlo con C, F o T sin repetidos, suena a campanilla, y el tablero completo, a"),
        QT_TRANSLATE_NOOP("Frases", "fanfarria. En lugar de palabras, una casilla vacía solo suena. W y J se recuerdan."),
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
