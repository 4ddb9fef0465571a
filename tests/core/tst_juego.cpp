// SPDX-License-Identifier: GPL-3.0-or-later
// The game by its keys, with no window: what the player hears and what is kept.
#include "FormatoPartida.h"
#include "Frases.h"
#include "Mesa.h"
#include "Palabras.h"
#include "Prueba.h"

namespace {

const std::string vacio(81, '-');
// Column 1 and the top-left panel hold a few givens and one written digit.
const std::string pocos = "12-------"
                          "-e-------"
                          "3--------"
                          + std::string(54, '-');

struct Escena {
    const char* nombre;
    std::string tablero;
    int fila, columna;
    const char* teclas;
    std::vector<std::string> dichos;
    int pitidos = 0;
    int paneles = 0;
};

} // namespace

PRUEBA(CadaTeclaSeOyeComoEnLaVentana)
{
    PonerIdioma(Idioma::Espanol);
    const Escena escenas[] = {
        {"Right into the next panel", vacio, 0, 2, "Der", {"vacía"}, 0, 1},
        {"Right inside a panel", vacio, 0, 3, "Der", {"vacía"}, 0, 0},
        {"Left at the edge", vacio, 3, 0, "Izq", {}, 1, 0},
        {"Page Down at the last row", vacio, 8, 4, "AvPag", {}, 1, 0},
        {"Home and End", pocos, 0, 4, "Inicio Fin", {"1", "vacía"}, 0, 0},
        {"A given with its notice on", pocos, 0, 1, "o Izq", {"Aviso de número original activado", "1 O "}, 0, 0},
        {"Writing a digit", vacio, 4, 4, "Intro 7 Intro", {"Modo escritura activado", "7", "Modo escritura desactivado "}},
        {"Space writes and stays in write mode", vacio, 4, 4, "Intro 7 Espacio 8 Intro",
         {"Modo escritura activado", "7", "Modo escritura desactivado ", "8", "Modo escritura desactivado "}},
        {"Letters in write mode are text", vacio, 4, 4, "Intro c f Intro",
         {"Modo escritura activado", "c", "f", "Modo escritura desactivado "}},
        {"Write mode refused on a given", pocos, 0, 0, "Intro", {"Modo escritura no disponible. Valor original bajo el cursor.   "}},
        {"A given cannot be erased", pocos, 0, 0, "Supr", {"Imposible borrar ese número. Pertenece a los datos originales."}},
        {"Erasing a written digit", pocos, 1, 1, "Supr", {"vacía"}},
        {"A column", pocos, 0, 0, "c", {"1 vacía 3 vacía vacía vacía vacía vacía vacía "}},
        {"A row", pocos, 1, 4, "f", {"vacía 5 vacía vacía vacía vacía vacía vacía vacía "}},
        {"A panel", pocos, 2, 2, "t", {"1 2 vacía. vacía 5 vacía. 3 vacía vacía. "}},
        {"Provisional, then not", pocos, 1, 1, "Ctrl Ctrl", {"Provisional", "No provisional"}},
        {"Provisional refused on an empty cell", vacio, 0, 0, "Ctrl", {}, 1, 0},
        {"A provisional digit is heard with its mark", pocos, 1, 1, "Ctrl Arr Abj", {"Provisional", "2", "5 P "}},
        {"Sound off: a panel crossing is silent", vacio, 0, 2, "F9 Der", {"Sonido desactivado", "vacía"}, 0, 0},
        {"Direct entry writes in one key", vacio, 0, 0, "k 4", {"Escritura directa activada", "4"}},
        {"Direct entry refused on a given", pocos, 0, 0, "k 4", {"Escritura directa activada", "Número original"}, 1, 0},
        {"Notes, and a cell heard with them", vacio, 0, 0, "l 3 5 Der Izq",
         {"Notas activadas", "Añadido el 3: nota 3", "Añadido el 5: notas 3 y 5", "vacía", "vacía, notas 3 y 5"}},
        {"Where am I", vacio, 4, 4, "d", {"Fila 5, columna 5, panel central"}},
        {"Undo puts the cell back and goes there", vacio, 0, 0, "k 4 Der z",
         {"Escritura directa activada", "4", "vacía", "Deshecho. Fila 1, columna 1, panel superior izquierdo, vacía"}},
        {"Nothing to undo", vacio, 0, 0, "z", {}, 1, 0},
        {"Unknown keys say nothing and clear the line", vacio, 0, 0, "? Apps", {}},
    };
    for (const Escena& e : escenas) {
        FILA(e.nombre);
        Mesa m;
        m.Poner(e.tablero);
        m.Cursor(e.fila, e.columna);
        m.Teclas(e.teclas);
        IGUAL(m.dichos, e.dichos);
        IGUAL(m.pitidos, e.pitidos);
        IGUAL(m.paneles, e.paneles);
        IGUAL(m.sonidos.size(), size_t{0});
    }
}

// A phone's taps do what the keys do: the same words, sounds and cells.
PRUEBA(LosToquesSonSusTeclas)
{
    PonerIdioma(Idioma::Espanol);
    struct Par {
        const char* nombre;
        std::string tablero;
        int fila, columna;
        const char* toques;
        const char* teclas;
    };
    const Par pares[] = {
        {"A tap on the next cell, in the next panel", vacio, 0, 2, "Toque3", "Der"},
        {"A tap on the next cell, same panel", pocos, 1, 0, "Toque10", "Der"},
        {"A tap on the cell under the cursor", pocos, 0, 0, "Toque0", "a"},
        {"A tap outside the board does nothing", pocos, 0, 0, "Toque81", "?"},
        {"The pad writes as K does", vacio, 4, 4, "k Cifra7", "k 7"},
        {"The pad on a given", pocos, 0, 0, "k Cifra4", "k 4"},
        {"The pad notes in notes mode", vacio, 0, 0, "l Cifra3 Cifra5 Cifra3", "l 3 5 3"},
        {"The pad types in write mode", vacio, 4, 4, "Intro Cifra7 Intro", "Intro 7 Intro"},
        {"A digit outside the pad does nothing", vacio, 4, 4, "Cifra0", "?"},
    };
    for (const Par& p : pares) {
        FILA(p.nombre);
        Mesa toque, tecla;
        for (Mesa* m : {&toque, &tecla}) {
            m->Poner(p.tablero);
            m->Cursor(p.fila, p.columna);
        }
        toque.Teclas(p.toques);
        tecla.Teclas(p.teclas);
        IGUAL(toque.dichos, tecla.dichos);
        IGUAL(toque.pitidos, tecla.pitidos);
        IGUAL(toque.paneles, tecla.paneles);
        for (int i = 0; i < 81; ++i) IGUAL(toque.Celda(i), tecla.Celda(i));
        IGUAL(toque.juego.Estado().CasillaActual, tecla.juego.Estado().CasillaActual);
        IGUAL(toque.juego.Estado().Notas, tecla.juego.Estado().Notas);
    }
}

PRUEBA(LaLineaDeMensajesEsDelJuego)
{
    PonerIdioma(Idioma::Espanol);
    Mesa m;
    IGUAL(m.juego.Linea(), std::string("Pulse F1 para ayuda"));
    m.Poner(vacio);
    m.Teclas("Intro 1 2");
    IGUAL(m.juego.Linea(), std::string("12"));
    CIERTO(m.juego.LineaEnEntrada());
    m.Teclas("Supr");   // in write mode Delete only empties the line
    IGUAL(m.juego.Linea(), std::string());
    m.Teclas("3 Intro");
    IGUAL(m.Celda(0), std::string("3"));
    CIERTO(!m.juego.LineaEnEntrada());
    // The player typed straight into the line's field: Enter writes what it holds.
    m.Teclas("Intro");
    m.juego.PonerLinea("1 o 2");
    m.Teclas("Intro");
    IGUAL(m.Celda(0), std::string("1 o 2"));
    // A long cell text is shown on the line when the cursor reaches it.
    m.Teclas("Der Izq");
    IGUAL(m.juego.Linea(), std::string("1 o 2"));
    IGUAL(m.dichos.back(), std::string("1 o 2"));
    m.Teclas("F8");
    CIERTO(m.juego.LineaOculta());
}

// A character of two UTF-16 halves, as a keyboard sends it, is written and heard whole.
PRUEBA(UnCaracterEnDosMitadesSeEscribeEntero)
{
    Mesa m;
    m.Poner(vacio);
    m.Teclas("Intro");
    m.Anotar(m.juego.Pulsar(0, 0, u"\U0001F600"));
    m.Anotar(m.juego.Pulsar(0, 0, u"\xDC00"));   // half a character alone is no text
    m.Teclas("Intro");
    IGUAL(m.Celda(0), std::string("\U0001F600"));
    IGUAL(m.dichos[1], std::string("\U0001F600"));
    IGUAL(m.dichos.size(), size_t(3));
}

PRUEBA(LasPalabrasEnIngles)
{
    PonerIdioma(Idioma::Ingles);
    Mesa m;
    m.Poner(pocos);
    m.Cursor(0, 0);
    m.Teclas("o Supr c Intro Der");
    PonerIdioma(Idioma::Espanol);
    const std::vector<std::string> esperados = {
        "Original number notice on",
        "That number cannot be erased. It is one of the original numbers.",
        "1 empty 3 empty empty empty empty empty empty ",
        "Write mode not available. Original number under the cursor.   ",
        "2 O ",
    };
    IGUAL(m.dichos, esperados);
}

// H again on the same board goes on with the chain, four links at a time; past the
// last, the whole hint again; any other key starts it over.
PRUEBA(LaPistaSigueConHDespuesDeH)
{
    PonerIdioma(Idioma::Espanol);
    const std::string forzada = "---32--4-3----4-76-1487--3-7-----324--34-79854-92-3761---94--13-4--32-9-93----45-";
    const std::string conForzada =
        "Fila 1, columna 9: solo cabe el 8, porque una cadena forzada: la fila 1, columna 9 no puede ser "
        "el 9, pues si lo fuera, la fila 3, columna 9 sería el 2, el único que cabe, el 9 iría en la fila 2, columna 2, su único "
        "lugar en la columna 2, el 2 iría en la fila 2, columna 3, su único lugar en la fila 2; H para seguir";
    const struct { const char* teclas; std::string dicho; int casilla; } filas[] = {
        {"h", conForzada, 8},
        {"h h", "y el 2 no tendría sitio en la fila 9", 8},
        {"h h h", conForzada, 8},
        {"h d h", conForzada, 8},
    };
    for (const auto& f : filas) {
        FILA(f.teclas);
        Mesa m;
        m.Poner(forzada);
        m.Teclas(f.teclas);
        IGUAL(m.dichos.back(), f.dicho);
        IGUAL(int(m.juego.Estado().CasillaActual), f.casilla);
    }
}

PRUEBA(ComprobarNuevoYSolucion)
{
    PonerIdioma(Idioma::Espanol);
    Mesa m;
    Aleatorio azar(7);
    const Resultado nuevo = m.juego.NuevoPorNivel(azar);
    IGUAL(nuevo.dicho, std::string("Nuevo juego"));
    const Resultado visto = m.juego.VerSolucion();
    IGUAL(visto.dicho, std::string("Solución en el tablero"));
    CIERTO(!m.juego.PuedeComprobar() && !m.juego.PuedeGuardar());
    IGUAL(m.juego.GuardarNoPermitido().mensaje.substr(0, 35), std::string("No se puede guardar la partida desp"));
    const Resultado otro = m.juego.NuevoPorNivel(azar);
    CIERTO(m.juego.PuedeComprobar() && m.juego.PuedeGuardar());
    // A board just dealt has empty cells: the checker does not congratulate.
    CIERTO(m.juego.Comprobar().mensaje.find("felicidades") == std::string::npos);
}

// What a slot holds comes back the same in another game, and says so.
PRUEBA(UnaRanuraVuelveEntera)
{
    PonerIdioma(Idioma::Espanol);
    Mesa uno;
    Aleatorio azar(3);
    uno.juego.NuevoPorNivel(azar);
    uno.Teclas("S k 5 l 2 Der 4 6 Ctrl");
    const std::string bytes = uno.juego.BytesDeRanura();
    IGUAL(uno.juego.Guardada(4, true, "").dicho, std::string("Partida guardada en el lugar 4"));
    IGUAL(uno.juego.Guardada(4, false, "Disco lleno").mensaje,
          std::string("No se ha podido guardar la partida en el lugar 4. Disco lleno"));

    Mesa otro;
    const LecturaPartida lectura = DecodificarPartida(bytes);
    CIERTO(lectura.ok);
    IGUAL(otro.juego.CargadaDe(4, lectura).dicho, std::string("Partida cargada del lugar 4"));
    IGUAL(otro.juego.BytesDeRanura(), bytes);
    IGUAL(otro.juego.SinPartidaEn(9).mensaje, std::string("No hay ninguna partida guardada en el lugar 9"));
    const Resultado danada = otro.juego.DanadaEn(DecodificarPartida("basura"));
    CIERTO(danada.nuevoJuego);
}

// The game left in play comes back as it was, cursor and notes included; the sound
// switch stays the settings' own.
PRUEBA(LaPartidaEnCursoVuelve)
{
    Mesa uno;
    Aleatorio azar(11);
    uno.juego.NuevoPorNivel(azar);
    uno.Teclas("S k 7 Abj l 3 9 F9");
    const std::string bytes = CodificarEnCurso(uno.juego.EnCurso());
    const LecturaEnCurso lectura = DecodificarEnCurso(bytes);
    IGUAL(int(lectura.estado), int(EstadoEnCurso::Recuperada));
    Mesa otro;
    otro.juego.Recuperar(lectura.partida);
    // F9 put the sound off in the first game; the second keeps its own switch, on.
    std::string esperado = bytes;
    const std::string apagado = "\r\n#FALSE#\r\n";
    esperado.replace(esperado.find(apagado), apagado.size(), "\r\n#TRUE#\r\n");
    IGUAL(CodificarEnCurso(otro.juego.EnCurso()), esperado);
    IGUAL(otro.juego.Estado().CasillaActual, uno.juego.Estado().CasillaActual);
    CIERTO(otro.juego.Estado().SonidoActivo);
    IGUAL(otro.juego.Estado().Notas, uno.juego.Estado().Notas);
}
