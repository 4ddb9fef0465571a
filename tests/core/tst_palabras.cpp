// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frases.h"
#include "Palabras.h"
#include "Prueba.h"
#include "Traducciones.h"
#include <algorithm>
#include <functional>
#include <iterator>

PRUEBA(SustituirComoLosTraductores)
{
    const struct { const char* plantilla; const char* esperado; } filas[] = {
        {"Fila %1, columna %2", "Fila 3, columna 7"},
        {"%2 antes que %1", "7 antes que 3"},
        {"sin marcas", "sin marcas"},
        {"100 %", "100 %"},
        {"%3 no tiene valor", "%3 no tiene valor"},
        {"%1%1", "33"},
    };
    for (const auto& f : filas) {
        FILA(f.plantilla);
        IGUAL(Sustituir(f.plantilla, {"3", "7"}), std::string(f.esperado));
    }
}

namespace {

// Speaks a language for one test, and Spanish again after it.
struct EnIdioma {
    explicit EnIdioma(Idioma idioma) { PonerIdioma(idioma); }
    ~EnIdioma() { PonerIdioma(Idioma::Espanol); }
};

const char* Nombre(Idioma idioma) { return idioma == Idioma::Ingles ? "en" : "es"; }

} // namespace

PRUEBA(TraducirSegunElIdioma)
{
    const struct { Idioma idioma; const char* contexto; const char* texto; const char* esperado; } filas[] = {
        {Idioma::Ingles, "Frases", "Tablero copiado", "Board copied"},
        {Idioma::Ingles, "Frases", "Añadido el %1: %2", "Added %1: %2"},
        {Idioma::Ingles, "Voz", "vacía", "empty"},
        {Idioma::Ingles, "Comprobador", "Datos incorrectos en la fila ", "Wrong numbers in row "},
        {Idioma::Ingles, "Casilla", "Fila %1, columna %2", "Row %1, column %2"},
        {Idioma::Ingles, "main", "Muestra la versión y termina.", "Shows the version and ends."},
        // Missing from the table: the Spanish, as Qt leaves an untranslated text.
        {Idioma::Ingles, "Frases", "Un texto que nadie ha traducido", "Un texto que nadie ha traducido"},
        {Idioma::Ingles, "Frases", "Fila %1, columna %2", "Fila %1, columna %2"},   // another context's text
        {Idioma::Ingles, "Nadie", "vacía", "vacía"},
        {Idioma::Ingles, "Voz", "vací", "vací"},
        {Idioma::Ingles, "Frases", "", ""},
        {Idioma::Ingles, nullptr, "vacía", "vacía"},
        {Idioma::Ingles, "Voz", nullptr, ""},
        {Idioma::Espanol, "Frases", "Tablero copiado", "Tablero copiado"},
        {Idioma::Espanol, "Voz", "vacía", "vacía"},
        {Idioma::Espanol, "Comprobador", "Datos incorrectos en la fila ", "Datos incorrectos en la fila "},
    };
    for (const auto& f : filas) {
        EnIdioma idioma(f.idioma);
        FILA(std::string(Nombre(f.idioma)) + " " + (f.contexto ? f.contexto : "(null)") + ": " + (f.texto ? f.texto : "(null)"));
        IGUAL(IdiomaDeJuego(), f.idioma);
        IGUAL(Traducir(f.contexto, f.texto), std::string(f.esperado));
    }
}

// The table is searched in halves: every row must be found, so its order is the search's.
PRUEBA(CadaTraduccionDeLaTablaSeEncuentra)
{
    EnIdioma ingles(Idioma::Ingles);
    const auto tabla = TablaIngles();
    CIERTO(!tabla.empty());
    for (const Traduccion& t : tabla) {
        const std::string contexto(t.contexto), fuente(t.fuente);
        FILA(contexto + ": " + fuente);
        IGUAL(Traducir(contexto.c_str(), fuente.c_str()), std::string(t.traduccion));
        CIERTO(!t.traduccion.empty());
    }
}

// Made from prueba_en.ts at build time.
std::span<const Traduccion> TablaPrueba();

// Only finished translations, byte for byte as the file has them, in the search's order.
PRUEBA(LaTablaTomaSoloLoTerminado)
{
    const Traduccion esperadas[] = {
        {"Alfa", "Dos\nlíneas\ty tabulador", "Two\nlines\tand a tab"},
        {"Alfa", "zorro", "\"fox\" \\ <&>"},
        {"Alfa", "ñu", "gnu é1 ¿?"},
        {"Zeta", "Terminado", "Finished"},
    };
    const auto tabla = TablaPrueba();
    IGUAL(tabla.size(), std::size(esperadas));
    for (size_t i = 0; i < std::min(tabla.size(), std::size(esperadas)); ++i) {
        FILA("fila " + std::to_string(i));
        IGUAL(tabla[i].contexto, esperadas[i].contexto);
        IGUAL(tabla[i].fuente, esperadas[i].fuente);
        IGUAL(tabla[i].traduccion, esperadas[i].traduccion);
    }
}

// What a few keys say, in both languages: table texts, numbers put in their place (the
// English ones in another order), lists joined with the language's "and", and the cases
// a count or an empty list changes.
PRUEBA(FrasesEnLosDosIdiomas)
{
    Eliminacion cadena;   // an X-chain of six links: the first utterance says four of them
    cadena.tipo = TipoEliminacion::CadenaX;
    cadena.digito = 5;
    for (int8_t k = 0; k < 6; ++k) {
        Eslabon n;
        n.celdas[0] = k;
        n.digito = 5;
        n.es = k % 2 == 0;
        cadena.cadena.push_back(n);
    }
    Pista conCadena;
    conCadena.tipo = TipoPista::Paso;
    conCadena.paso.celda = 7;
    conCadena.paso.digito = 5;
    conCadena.paso.porque = {cadena};
    Pista probando;
    probando.tipo = TipoPista::Probando;
    probando.paso.celda = 80;
    probando.paso.digito = 2;
    probando.otros = {4, 7, 9};
    SudokuLeido corto;
    corto.rechazo = Rechazo::Casillas;
    corto.casillas = 80;
    SudokuLeido repetido;
    repetido.rechazo = Rechazo::Repetido;
    repetido.digito = 6;
    repetido.grupo = {TipoGrupo::Panel, 8};
    std::array<int16_t, 10> faltan{};
    faltan[2] = 1;
    faltan[9] = 3;

    const struct {
        const char* nombre;
        std::function<std::string()> frase;
        const char* espanol;
        const char* ingles;
    } filas[] = {
        {"D", [] { return Frases::Posicion(41); }, "Fila 5, columna 6, panel central", "Row 5, column 6, centre panel"},
        {"Q", [] { return Frases::Pendientes({0, 1, 2, 30}); }, "Vacías: ninguna en la fila, 1 en la columna, 2 en el panel, 30 en el tablero",
         "Empty: none in the row, 1 in the column, 2 in the panel, 30 on the board"},
        {"N, one", [] { return Frases::Caben({4}); }, "Cabe 4", "Fits: 4"},
        {"N, three", [] { return Frases::Caben({1, 2, 9}); }, "Caben 1, 2 y 9", "Fit: 1, 2 and 9"},
        {"N, none", [] { return Frases::Caben({}); }, "No cabe ningún número", "No number fits"},
        {"R", [&] { return Frases::QuedanPorPoner(faltan); }, "Faltan el 2 una vez y el 9 tres veces", "Missing: 2 once and 9 three times"},
        {"E on a stored digit", [] { return Frases::Repeticiones({true, false, true}); }, "Repetido en la fila y en el panel",
         "Repeated in the row and in the panel"},
        {"notes, none", [] { return Frases::Notas({}); }, "sin notas", "no notes"},
        {"notes, two", [] { return Frases::Notas({3, 5}); }, "notas 3 y 5", "notes 3 and 5"},
        {"M, one", [] { return Frases::NotasLlenas(1); }, "Notas en 1 casilla", "Notes in 1 cell"},
        {"M, many", [] { return Frases::NotasLlenas(12); }, "Notas en 12 casillas", "Notes in 12 cells"},
        {"H, a chain", [&] { return Frases::Explicacion(conCadena); },
         "Fila 1, columna 8: solo cabe el 5, porque una cadena X del 5: el 5 está en la fila 1, columna 1 o en la fila 1, columna 6, "
         "pues si la fila 1, columna 1 es el 5, entonces la fila 1, columna 2 no es el 5, entonces la fila 1, columna 3 es el 5, "
         "entonces la fila 1, columna 4 no es el 5; H para seguir",
         "Row 1, column 8: only 5 fits, because an X-chain of 5: the 5 is in row 1, column 1 or in row 1, column 6, since if row 1, "
         "column 1 is 5, then row 1, column 2 is not 5, then row 1, column 3 is 5, then row 1, column 4 is not 5; H to go on"},
        {"H again", [&] { return Frases::Continuacion(conCadena, 1); },
         "entonces la fila 1, columna 5 es el 5, entonces la fila 1, columna 6 no es el 5",
         "then row 1, column 5 is 5, then row 1, column 6 is not 5"},
        {"H after the last link", [&] { return Frases::Continuacion(conCadena, 2); }, "", ""},
        {"H, only by trying", [&] { return Frases::Explicacion(probando); },
         "Fila 9, columna 9: va el 2, porque con el 4, el 7 o el 9 no hay solución",
         "Row 9, column 9: the 2 goes there, because with 4, 7 or 9 there is no solution"},
        {"G of a kind", [] { return Frases::DificultadConTipo(Calificacion::AlaXY); }, "Sudoku Experto. Dificultad: necesita un ala XY",
         "Expert sudoku. Difficulty: needs an XY-wing"},
        {"I, too few cells", [&] { return Frases::SudokuRechazado(corto); }, "Sudoku rechazado: hay 80 casillas y hacen falta 81",
         "Sudoku refused: there are 80 cells and 81 are needed"},
        {"I, a digit twice", [&] { return Frases::SudokuRechazado(repetido); },
         "Sudoku rechazado: el 6 se repite en el panel inferior derecho", "Sudoku refused: the 6 repeats in the bottom right panel"},
        {"new game of a kind", [] { return Frases::SudokuDeDificultad(Dificultad::Experto, 24); }, "Sudoku Experto, 24 números dados", "Expert sudoku, 24 givens"},
        {"popup", [] { return Frases::Menu("Niveles", 12); }, "Menú Niveles, 12 opciones", "Niveles menu, 12 options"},
    };
    for (Idioma idioma : {Idioma::Espanol, Idioma::Ingles}) {
        EnIdioma hablando(idioma);
        for (const auto& f : filas) {
            FILA(std::string(Nombre(idioma)) + " " + f.nombre);
            IGUAL(f.frase(), std::string(idioma == Idioma::Ingles ? f.ingles : f.espanol));
        }
    }
}

// The "-" of an empty cell is said as a word wherever it stands alone, or before the
// full stop or comma that follows it; any other dash stays.
PRUEBA(PronunciarDiceLasVacias)
{
    const struct { const char* linea; const char* espanol; const char* ingles; } filas[] = {
        {"5 - 3", "5 vacía 3", "5 empty 3"},
        {"- - -.", "vacía vacía vacía.", "empty empty empty."},
        {"-, notas 3 y 5", "vacía, notas 3 y 5", "empty, notas 3 y 5"},
        {"- ", "vacía ", "empty "},
        {"  -", "  vacía", "  empty"},
        {"", "", ""},
        {"-- -x x- -; 4-5", "-- -x x- -; 4-5", "-- -x x- -; 4-5"},
    };
    for (Idioma idioma : {Idioma::Espanol, Idioma::Ingles}) {
        EnIdioma hablando(idioma);
        IGUAL(Frases::Vacia(), std::string(idioma == Idioma::Ingles ? "empty" : "vacía"));
        for (const auto& f : filas) {
            FILA(std::string(Nombre(idioma)) + " «" + f.linea + "»");
            IGUAL(Frases::Pronunciar(f.linea), std::string(idioma == Idioma::Ingles ? f.ingles : f.espanol));
        }
    }
}

PRUEBA(ElComprobadorEnElIdiomaDelJuego)
{
    IGUAL(Frases::TextosDelComprobador().fila, TextosEnEspanol().fila);
    EnIdioma ingles(Idioma::Ingles);
    const TextosComprobador textos = Frases::TextosDelComprobador();
    IGUAL(textos.columna, std::string("Wrong numbers in column "));
    IGUAL(textos.fila, std::string("Wrong numbers in row "));
    IGUAL(textos.panel, std::string("Wrong numbers in a panel "));
    IGUAL(textos.felicidades, std::string("Congratulations! You have shown great intelligence. "));
}

// The help's lines end in CR LF, open after an empty one and close with the licence,
// each line indented; the licence names its year.
PRUEBA(AyudaTerminaConLaLicencia)
{
    for (Idioma idioma : {Idioma::Espanol, Idioma::Ingles}) {
        EnIdioma hablando(idioma);
        FILA(Nombre(idioma));
        const std::vector<std::string> licencia = Frases::Licencia();
        IGUAL(licencia.size(), size_t{4});
        if (licencia.empty()) continue;
        CIERTO(licencia[0].starts_with("Copyright (C) 2"));
        CIERTO(licencia[0].find('%') == std::string::npos);
        std::string cola;
        for (const std::string& l : licencia) cola += "  " + l + "\r\n";
        const std::string ayuda = Frases::Ayuda();
        CIERTO(ayuda.ends_with(cola));
        const std::string primera = idioma == Idioma::Ingles ? "  Keys to play faster (with write mode off):"
                                                             : "  Teclas para jugar más deprisa (con el modo escritura desactivado):";
        CIERTO(ayuda.starts_with("\r\n" + primera + "\r\n"));
        size_t lineas = 0;
        for (size_t i = ayuda.find('\n'); i != std::string::npos; i = ayuda.find('\n', i + 1), ++lineas)
            CIERTO(i > 0 && ayuda[i - 1] == '\r');
        IGUAL(lineas, static_cast<size_t>(std::count(ayuda.begin(), ayuda.end(), '\r')));
    }
}
