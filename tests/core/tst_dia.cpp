// SPDX-License-Identifier: GPL-3.0-or-later
// The sudoku of the day, the time played, the streak and the record, with a clock the
// test turns by hand.
#include "Bytes.h"
#include "Calificacion.h"
#include "DelDia.h"
#include "FormatoEnCurso.h"
#include "FormatoMarcas.h"
#include "FrasesDia.h"
#include "Mesa.h"
#include "Palabras.h"
#include "Prueba.h"
#include <algorithm>

namespace {

constexpr int64_t Segundo = 1000, Minuto = 60 * Segundo;

std::string Dados(const Digitos& d)
{
    std::string t;
    for (int8_t v : d) t += v ? static_cast<char>('0' + v) : '.';
    return t;
}

// A table with a clock and a calendar the test moves.
struct MesaConReloj : Mesa {
    int64_t ms = 0;
    Fecha hoy;
    explicit MesaConReloj(Fecha dia) : hoy(dia)
    {
        juego.Ahora = [this] { return ms; };
        juego.Hoy = [this] { return hoy; };
        juego.Seguir();
    }
    // Every empty cell gets its solution's digit, as the touch pad writes it; the last one
    // is what the player hears as the board is finished.
    std::string Resolver()
    {
        const EstadoJuego& e = juego.Estado();
        std::string ultimo;
        for (int16_t i = 0; i < 81; ++i) {
            if (e.Originales[static_cast<size_t>(i)]) continue;
            juego.Tocar(i);
            const Resultado r = juego.TocarCifra(e.Solucion[static_cast<size_t>(i / 9)][static_cast<size_t>(i % 9)]);
            Anotar(r);
            ultimo = r.dicho;
            if (r.marcasCambiadas) marcasEscritas = CodificarMarcas(juego.MarcasDelDia());
        }
        return ultimo;
    }
    std::string Decir(const Resultado& r)
    {
        Anotar(r);
        return r.dicho;
    }
    std::string marcasEscritas;
};

struct EnIdioma {
    explicit EnIdioma(Idioma i) { PonerIdioma(i); }
    ~EnIdioma() { PonerIdioma(Idioma::Espanol); }
};

} // namespace

// The same date gives the same givens on every platform and front end: these were made
// once and are checked wherever the tests run (x86-64, MinGW under Wine, the page).
PRUEBA(ElSudokuDelDiaEsElMismoEnTodasPartes)
{
    const struct { Fecha fecha; const char* dados; } filas[] = {
        {{2026, 12, 9}, "...56....82...7..............4.5.21...2.9..6.7.82...9....8.43..1..9..52..3......."},
        {{2026, 12, 13}, "......2..3.......9.81.93....9.53.64....46..5......7.9..683.....1.4..6..8..5...47."},
        {{2027, 3, 1}, ".....8.6.2.1......8..3.9..2.3..4......4..7.8.......9...86.3..94.....5.....7.825.."},
    };
    for (const auto& f : filas) {
        FILA(FechaIso(f.fecha));
        IGUAL(Dados(SudokuDelDia(f.fecha).dados), std::string(f.dados));
    }
}

// Harder through the week, each day graded its kind by the reasoning, with one solution.
PRUEBA(CadaDiaDeLaSemanaTieneSuDificultad)
{
    const Dificultad semana[] = {Dificultad::Sencillo, Dificultad::Intermedio, Dificultad::Intermedio, Dificultad::Avanzado,
                                 Dificultad::Avanzado, Dificultad::Experto,    Dificultad::Maestro};
    const Fecha lunes{2026, 12, 7};
    for (int k = 0; k < 7; ++k) {
        const Fecha dia = FechaDeDias(DiasDesdeEpoca(lunes) + k);
        FILA(FechaIso(dia));
        IGUAL(DiaDeLaSemana(dia), k);
        IGUAL(DificultadDelDia(dia), semana[k]);
        const SudokuHecho hecho = SudokuDelDia(dia);
        CIERTO(hecho.exacto);
        IGUAL(DificultadDe(Calificar(hecho.dados)), semana[k]);
        IGUAL(ContarSoluciones(hecho.dados), 1);
    }
    // Calendar edges: a leap day, the turn of a century, before 1970.
    for (const Fecha f : {Fecha{2024, 2, 29}, Fecha{2000, 3, 1}, Fecha{2100, 2, 28}, Fecha{1969, 12, 31}}) {
        FILA(FechaIso(f));
        IGUAL(FechaDeDias(DiasDesdeEpoca(f)), f);
    }
    IGUAL(DiaDeLaSemana({1969, 12, 31}), 2);   // a Wednesday
    CIERTO(!FechaValida({2100, 2, 29}));
    CIERTO(FechaValida({2000, 2, 29}));
}

// Starting it says the day, the kind and the givens; asked again, the game in play stays.
PRUEBA(ElSudokuDelDiaSeAnunciaYNoSeRepite)
{
    MesaConReloj m({2026, 12, 12});
    const SudokuHecho hecho = SudokuDelDia({2026, 12, 12});
    const int dados = static_cast<int>(81 - std::count(hecho.dados.begin(), hecho.dados.end(), 0));
    IGUAL(m.Decir(m.juego.SudokuDelDia()), "Sudoku del día, 12 de diciembre: Experto, " + std::to_string(dados) + " números dados");
    IGUAL(Dados(DigitosDe(m.tablero)), Dados(hecho.dados));
    m.Teclas("k 5 Der");   // the player's own writing stays on the board
    const std::string antes = Dados(DigitosDe(m.tablero));
    IGUAL(m.Decir(m.juego.SudokuDelDia()), std::string("El sudoku del día ya está en juego"));
    IGUAL(Dados(DigitosDe(m.tablero)), antes);
    m.Resolver();
    IGUAL(m.Decir(m.juego.SudokuDelDia()), std::string("El sudoku de hoy ya está resuelto. Sigue la partida en juego"));
    // Another day, another sudoku.
    m.hoy = {2026, 12, 13};
    CIERTO(m.Decir(m.juego.SudokuDelDia()).starts_with("Sudoku del día, 13 de diciembre: Maestro"));
}

// Y: the time so far; on the day's sudoku the streak too. Paused, nothing is counted.
PRUEBA(ElTiempoSeCuentaSoloConElJuegoDelante)
{
    MesaConReloj m({2026, 12, 9});
    m.ms = 5 * Minuto;
    m.juego.SudokuDelDia();
    m.ms += 12 * Minuto + 5 * Segundo;
    m.Teclas("y");
    m.juego.Pausar();   // the page hidden, or the program closed
    m.ms += 3 * 60 * Minuto;
    m.Teclas("y");
    m.juego.Seguir();
    m.ms += 56 * Minuto;
    m.Teclas("y");
    IGUAL(m.dichos.back(), std::string("1 hora 8 minutos 5 segundos. Racha: 0 días"));
    IGUAL(m.dichos[m.dichos.size() - 3], std::string("12 minutos 5 segundos. Racha: 0 días"));
    IGUAL(m.dichos[m.dichos.size() - 2], std::string("12 minutos 5 segundos. Racha: 0 días"));
    // Any other game: the time alone.
    m.juego.EmpezarLeido(LeerSudoku(Dados(SudokuDelDia({2026, 12, 7}).dados)));
    m.ms += 1 * Segundo;
    m.Teclas("y");
    IGUAL(m.dichos.back(), std::string("1 segundo"));
}

// The time, the hints and the day go with the game in play and come back after a restart;
// a file written before they were kept still loads.
PRUEBA(ElTiempoSeGuardaConLaPartidaEnCurso)
{
    std::string bytes;
    {
        MesaConReloj m({2026, 12, 10});
        m.juego.SudokuDelDia();
        m.ms += 7 * Minuto + 30 * Segundo;
        m.Teclas("h");
        bytes = CodificarEnCurso(m.juego.EnCurso());
    }
    const LecturaEnCurso leida = DecodificarEnCurso(bytes);
    IGUAL(leida.estado, EstadoEnCurso::Recuperada);
    IGUAL(leida.partida.milisegundos, 7 * Minuto + 30 * Segundo);
    IGUAL(leida.partida.pistas, 1);
    CIERTO((leida.partida.dia == Fecha{2026, 12, 10}));

    MesaConReloj otra({2026, 12, 10});
    otra.ms = 999 * Minuto;   // another run's clock starts anywhere
    otra.juego.Recuperar(leida.partida);
    otra.ms += 30 * Segundo;
    otra.Teclas("y");
    IGUAL(otra.dichos.back(), std::string("8 minutos. Racha: 0 días"));
    IGUAL(otra.Decir(otra.juego.SudokuDelDia()), std::string("El sudoku del día ya está en juego"));

    // An earlier version's file: no time, hints or day lines.
    std::string antigua = bytes;
    for (const char* clave : {"tiempo=", "pistas=", "dia="}) {
        const size_t desde = antigua.find(clave);
        antigua.erase(desde, antigua.find("\r\n", desde) + 2 - desde);
    }
    const LecturaEnCurso vieja = DecodificarEnCurso(antigua);
    IGUAL(vieja.estado, EstadoEnCurso::Recuperada);
    IGUAL(vieja.partida.milisegundos, int64_t{0});
    CIERTO(!vieja.partida.dia);
    IGUAL(vieja.partida.registro, leida.partida.registro);
    // Damaged lines are no game to bring back.
    for (const auto& [de, a] : {std::pair{"dia=2026-12-10", "dia=2026-13-10"}, std::pair{"tiempo=", "tiempo=-"}}) {
        std::string mala = bytes;
        mala.replace(mala.find(de), std::string(de).size(), a);
        FILA(a);
        IGUAL(DecodificarEnCurso(mala).estado, EstadoEnCurso::Danada);
    }
}

// The streak counts calendar days: one after another it grows, a missed day starts it
// again, a second win on a day adds nothing, and a sudoku finished after midnight counts
// for its own day.
PRUEBA(LaRachaCuentaDiasSeguidos)
{
    MesaConReloj m({2026, 12, 7});
    struct Paso {
        const char* que;
        Fecha empieza, termina;
        int64_t minutos;
        const char* oido;   // what follows the last digit
        int resueltos, racha;
    };
    const Paso pasos[] = {
        {"the first day", {2026, 12, 7}, {2026, 12, 7}, 3, "Sudoku del día resuelto en 3 minutos, sin pistas. Racha: 1 día", 1, 1},
        {"the next day", {2026, 12, 8}, {2026, 12, 8}, 10, "Sudoku del día resuelto en 10 minutos, sin pistas. Racha: 2 días", 2, 2},
        {"started before midnight, finished after", {2026, 12, 9}, {2026, 12, 10}, 25, "Sudoku del día resuelto en 25 minutos, sin pistas. Racha: 3 días", 3, 3},
        {"the day after midnight is a day of its own", {2026, 12, 10}, {2026, 12, 10}, 4, "Sudoku del día resuelto en 4 minutos, sin pistas. Racha: 4 días", 4, 4},
        {"a day missed", {2026, 12, 12}, {2026, 12, 12}, 30, "Sudoku del día resuelto en 30 minutos, sin pistas. Racha: 1 día", 5, 1},
    };
    for (const Paso& p : pasos) {
        FILA(p.que);
        m.hoy = p.empieza;
        m.juego.SudokuDelDia();
        m.ms += p.minutos * Minuto;
        m.hoy = p.termina;
        const std::string oido = m.Resolver();
        CIERTO(oido.ends_with(p.oido));
        IGUAL(m.juego.MarcasDelDia().resueltos, p.resueltos);
        IGUAL(m.juego.MarcasDelDia().racha, p.racha);
        IGUAL(m.marcasEscritas, CodificarMarcas(m.juego.MarcasDelDia()));
    }
    IGUAL(m.juego.MarcasDelDia().mejorRacha, 4);
    const Marcas antes = m.juego.MarcasDelDia();
    // Best times per kind: Monday Sencillo 3 min, Tuesday and Wednesday Intermedio 10 and 25.
    IGUAL(MejorTiempo(antes, Dificultad::Sencillo), std::optional<int64_t>(180));
    IGUAL(MejorTiempo(antes, Dificultad::Intermedio), std::optional<int64_t>(600));
    IGUAL(MejorTiempo(antes, Dificultad::Maestro), std::optional<int64_t>());
    // The streak as it stands: kept through the next day, lost the day after.
    IGUAL(RachaVigente(antes, {2026, 12, 13}), 1);
    IGUAL(RachaVigente(antes, {2026, 12, 14}), 0);
    m.hoy = {2026, 12, 13};
    IGUAL(m.Decir(m.juego.Estadisticas()),
          std::string("5 sudokus del día resueltos. Racha: 1 día. Mejor racha: 4 días. Mejores tiempos: Sencillo, 3 minutos; "
                      "Intermedio, 10 minutos; Avanzado, 4 minutos; Experto, 30 minutos"));
    // Two wins on one day (the day's game kept before the first, brought back after it)
    // count one day; the faster time is still the best.
    m.juego.SudokuDelDia();
    const PartidaEnCurso copia = m.juego.EnCurso();
    m.ms += 50 * Minuto;
    CIERTO(m.Resolver().ends_with("Racha: 2 días"));
    m.juego.Recuperar(copia);
    m.ms += 40 * Minuto;
    CIERTO(m.Resolver().ends_with("Racha: 2 días"));
    IGUAL(m.juego.MarcasDelDia().resueltos, 6);
    IGUAL(m.juego.MarcasDelDia().racha, 2);
    IGUAL(MejorTiempo(m.juego.MarcasDelDia(), Dificultad::Maestro), std::optional<int64_t>(40 * 60));
}

// The win heard with the hints, X right after it copies one plain line, in either language.
PRUEBA(ElResultadoSeComparteEnUnaLinea)
{
    for (Idioma idioma : {Idioma::Espanol, Idioma::Ingles}) {
        EnIdioma hablando(idioma);
        MesaConReloj m({2026, 12, 12});
        IGUAL(m.Decir(m.juego.CompartirResultado()), Frases::SinResultado());
        m.juego.SudokuDelDia();
        m.Teclas("h");
        m.ms += 14 * Minuto + 32 * Segundo;
        m.Resolver();
        m.Teclas("x");
        const bool es = idioma == Idioma::Espanol;
        const std::string linea = es ? "NOVARO, sudoku del 12 de diciembre de 2026 (Experto): 14 min 32 s, con 1 pista. Racha: 1 día."
                                     : "NOVARO, sudoku of December 12, 2026 (Expert): 14 min 32 s, with 1 hint. Streak: 1 day.";
        IGUAL(m.portapapeles, linea);
        IGUAL(m.dichos.back(), (es ? "Resultado copiado: " : "Result copied: ") + linea);
        // Later X copies the board again; the Botonera's share still gives the line.
        m.Teclas("Der x");
        IGUAL(m.portapapeles.size(), size_t{81});
        m.juego.CompartirResultado();
        IGUAL(m.juego.CompartirResultado().portapapeles, std::optional<std::string>(linea));
        IGUAL(Frases::LineaCompartir({2026, 12, 9}, Dificultad::Experto, 872, 0, 5),
              std::string(es ? "NOVARO, sudoku del 9 de diciembre de 2026 (Experto): 14 min 32 s, sin pistas. Racha: 5 días."
                             : "NOVARO, sudoku of December 9, 2026 (Expert): 14 min 32 s, no hints. Streak: 5 days."));
        IGUAL(Frases::TiempoJugado(12 * 60 + 5, 4), std::string(es ? "12 minutos 5 segundos. Racha: 4 días" : "12 minutes 5 seconds. Streak: 4 days"));
        IGUAL(Frases::SudokuDelDia({2026, 12, 9}, Dificultad::Intermedio, 24),
              std::string(es ? "Sudoku del día, 9 de diciembre: Intermedio, 24 números dados" : "Sudoku of the day, December 9: Intermediate, 24 givens"));
    }
}

// The record reads back what it wrote; anything else is damaged, never half read.
PRUEBA(ElRegistroDeDiasDanadoNoSeLee)
{
    Marcas m = AnotarResuelto({}, {2026, 12, 8}, Dificultad::Intermedio, 600, 2);
    m = AnotarResuelto(m, {2026, 12, 9}, Dificultad::Intermedio, 500, 0);
    const std::string bytes = CodificarMarcas(m);
    IGUAL(DecodificarMarcas(bytes), std::optional<Marcas>(m));
    IGUAL(DecodificarMarcas(CodificarMarcas({})), std::optional<Marcas>(Marcas{}));
    const struct { const char* que; std::string bytes; } danados[] = {
        {"empty", ""},
        {"cut short", bytes.substr(0, bytes.size() / 2)},
        {"another file", "[General]\nnivel=7\n"},
        {"a streak longer than the days", std::string(bytes).replace(bytes.find("racha=2"), 7, "racha=9")},
        {"a day that is none", std::string(bytes).replace(bytes.find("2026-12-09"), 10, "2026-02-30")},
        {"a time below zero", std::string(bytes).replace(bytes.find("mejores="), 8, "mejores=-")},
        {"too large", bytes + std::string(TamanoMaximoMarcas, ' ')},
    };
    for (const auto& d : danados) {
        FILA(d.que);
        CIERTO(!DecodificarMarcas(d.bytes));
    }
}
