// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's game around the core, on a storage that can be blocked, full or
// hold damaged files: a start always ends with a game, and every failure is said.
#include "Carpetas.h"
#include "FormatoEnCurso.h"
#include "FormatoPartida.h"
#include "FormatoPreparados.h"
#include "Frases.h"
#include "FrasesDia.h"
#include "Importar.h"
#include "Pagina.h"
#include "Palabras.h"
#include "Prueba.h"
#include "Teclas.h"
#include <map>

namespace {

const char Facil[] = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// The browser's storage, as a map of files that can refuse to be read or written.
class AlmacenPrueba : public Almacen {
public:
    std::map<std::string, std::string> archivos;
    bool bloqueado = false;
    bool lleno = false;
    int escrituras = 0;

    Leido Leer(const std::string& nombre) override
    {
        if (bloqueado) return {false, true, {}};
        const auto i = archivos.find(nombre);
        if (i == archivos.end()) return {};
        return {true, false, i->second};
    }
    Guardado Escribir(const std::string& nombre, const std::string& bytes) override
    {
        if (bloqueado) return Guardado::Bloqueado;
        if (lleno) return Guardado::Lleno;
        ++escrituras;
        archivos[nombre] = bytes;
        return Guardado::Hecho;
    }
};

int Dados(const Pagina& p)
{
    int n = 0;
    for (int i = 0; i < 81; ++i) n += p.Partida().Estado().Originales[static_cast<size_t>(i)];
    return n;
}

std::string TextosDe(const Pagina& p)
{
    std::string t;
    for (int i = 0; i < 81; ++i) t += p.Celdas().Texto(static_cast<int16_t>(i));
    return t;
}

// A game with a digit written at cell 2, kept as the page keeps it.
std::string EnCursoConDigito()
{
    AlmacenPrueba a;
    Pagina p(a, 1);
    p.Empezar(std::string(Facil));
    p.Tecla(VK_K, 0, u"k");
    p.Tecla(VK_RIGHT, 0, u"");
    p.Tecla(VK_RIGHT, 0, u"");
    p.Tecla('4', 0, u"4");
    return a.archivos[std::string(NombreEnCurso)];
}

} // namespace

PRUEBA(CadaArranqueTerminaEnUnJuego)
{
    PonerIdioma(Idioma::Espanol);
    const std::string kept = EnCursoConDigito();
    struct Caso {
        const char* nombre;
        bool bloqueado;
        std::optional<std::string> enCurso;
        std::optional<std::string> sudoku;
        std::string aviso;      // "*": some notice, not one of the others
        bool recuperada;
    };
    const Caso casos[] = {
        {"Nothing kept: a deal, silently", false, std::nullopt, std::nullopt, "", false},
        {"A kept game comes back", false, kept, std::nullopt, Frases::PartidaRecuperada(), true},
        {"A damaged kept game: a new one, said", false, std::string("basura"), std::nullopt, Frases::PartidaNoRecuperada(), false},
        {"The address's puzzle wins over the kept game", false, kept, std::string(Facil), "", false},
        {"A refused puzzle says why", false, kept, std::string("12345"), Frases::SudokuRechazado(LeerSudoku("12345")), false},
        {"Blocked storage: said, and a deal", true, std::nullopt, std::nullopt, "*", false},
    };
    for (const Caso& c : casos) {
        FILA(c.nombre);
        AlmacenPrueba a;
        if (c.enCurso) a.archivos[std::string(NombreEnCurso)] = *c.enCurso;
        a.bloqueado = c.bloqueado;
        Pagina p(a, 7);
        const std::string aviso = p.Empezar(c.sudoku);
        if (c.aviso == "*") CIERTO(!aviso.empty() && aviso != Frases::PartidaRecuperada());
        else IGUAL(aviso, c.aviso);
        CIERTO(Dados(p) >= 17);
        IGUAL(p.Celdas().Texto(2) == "4", c.recuperada);
        if (c.sudoku && LeerSudoku(*c.sudoku).rechazo == Rechazo::Ninguno) IGUAL(Dados(p), LeerSudoku(*c.sudoku).Dados());
        // Whatever came of the start, the keys answer.
        IGUAL(p.Tecla(VK_D, 0, u"d").dicho, Frases::Posicion(p.Partida().Estado().CasillaActual));
    }
}

PRUEBA(ElAlmacenLlenoSeDiceUnaVezYElJuegoSigue)
{
    PonerIdioma(Idioma::Espanol);
    AlmacenPrueba a;
    Pagina p(a, 3);
    p.Empezar(std::string(Facil));
    a.lleno = true;
    const Resultado primero = p.Tecla(VK_K, 0, u"k");
    CIERTO(!primero.mensaje.empty());
    IGUAL(primero.dicho, Frases::EscrituraDirecta(true));
    p.Tecla(VK_RIGHT, 0, u"");
    p.Tecla(VK_RIGHT, 0, u"");
    const Resultado despues = p.Tecla('4', 0, u"4");
    IGUAL(despues.mensaje, std::string());
    IGUAL(p.Celdas().Texto(2), std::string("4"));
    // A slot that cannot be written is never taken for saved.
    const Resultado guardada = p.Guardar(1);
    CIERTO(!guardada.mensaje.empty());
    IGUAL(guardada.dicho, std::string());
    CIERTO(a.archivos.find(NombreRanura(1)) == a.archivos.end());
    // Room again: the game in play is stored at the next key.
    a.lleno = false;
    p.Tecla(VK_A, 0, u"a");
    const LecturaEnCurso kept = DecodificarEnCurso(a.archivos[std::string(NombreEnCurso)]);
    IGUAL(static_cast<int>(kept.estado), static_cast<int>(EstadoEnCurso::Recuperada));
    IGUAL(kept.partida.cursor, 2);
}

PRUEBA(LosLugaresDeLaPagina)
{
    PonerIdioma(Idioma::Espanol);
    AlmacenPrueba a;
    Pagina p(a, 5);
    p.Empezar(std::string(Facil));
    p.Tecla(VK_K, 0, u"k");
    p.Tecla(VK_RIGHT, 0, u"");
    p.Tecla(VK_RIGHT, 0, u"");
    p.Tecla('4', 0, u"4");
    const std::string antes = TextosDe(p);
    IGUAL(p.Guardar(3).dicho, Sustituir(Traducir("Form1", "Partida guardada en el lugar %1"), {"3"}));
    IGUAL(p.BytesDeRanura(3), p.Partida().BytesDeRanura());
    IGUAL(p.BytesDeRanura(4), std::string());
    p.Tecla(VK_DELETE, 0, u"");
    IGUAL(p.Cargar(3).dicho, Sustituir(Traducir("Form1", "Partida cargada del lugar %1"), {"3"}));
    IGUAL(TextosDe(p), antes);
    // The same bytes opened as a file: the same game, named by the file.
    p.Tecla(VK_DELETE, 0, u"");
    const Resultado archivo = p.AbrirArchivo("Novaro3.sav", p.BytesDeRanura(3));
    CIERTO(archivo.dicho.find("Novaro3.sav") != std::string::npos);
    IGUAL(TextosDe(p), antes);
    // Empty, damaged, out of range.
    IGUAL(p.Cargar(4).mensaje, Sustituir(Traducir("Form1", "No hay ninguna partida guardada en el lugar %1"), {"4"}));
    a.archivos[NombreRanura(5)] = "basura";
    const Resultado danada = p.Cargar(5);
    CIERTO(!danada.mensaje.empty());
    CIERTO(danada.partidaEmpezada);
    IGUAL(danada.dicho, Traducir("Form1", "Nuevo juego"));
    CIERTO(TextosDe(p) != antes);
    for (int fuera : {0, 10}) {
        IGUAL(p.Guardar(fuera).dicho, std::string());
        IGUAL(p.Cargar(fuera).mensaje, std::string());
    }
    // After the solution, saving is barred as in the window.
    p.VerSolucion();
    CIERTO(!p.Guardar(6).mensaje.empty());
    CIERTO(a.archivos.find(NombreRanura(6)) == a.archivos.end());
}

PRUEBA(LosSudokusPreparadosSeGuardanYSeUsan)
{
    PonerIdioma(Idioma::Espanol);
    AlmacenPrueba a;
    Pagina p(a, 11);
    p.Empezar(std::string(Facil));
    CIERTO(!p.Preparar());   // by level: nothing to make ahead
    p.PonerDificultad(static_cast<int>(Dificultad::Sencillo));
    size_t hechos = 0;
    while (p.Preparar() && hechos < 10) ++hechos;
    IGUAL(hechos + 1, PreparadosPorDificultad);
    auto listos = [&] { return DecodificarPreparados(a.archivos[std::string(NombrePreparados)])[static_cast<size_t>(Dificultad::Sencillo)]; };
    IGUAL(listos().size(), PreparadosPorDificultad);
    const SudokuHecho primero = listos().front();
    const Resultado nuevo = p.Nuevo();
    CIERTO(nuevo.partidaEmpezada);
    IGUAL(listos().size(), PreparadosPorDificultad - 1);
    for (int i = 0; i < 81; ++i)
        IGUAL(static_cast<bool>(p.Partida().Estado().Originales[static_cast<size_t>(i)]), primero.dados[static_cast<size_t>(i)] != 0);
    // The choice is kept in the settings.
    AlmacenPrueba copia;
    copia.archivos = a.archivos;
    Pagina otra(copia, 12);
    otra.Empezar(std::nullopt);
    IGUAL(static_cast<int>(otra.Partida().Estado().DificultadElegida), static_cast<int>(Dificultad::Sencillo));
}

// ?dia=1: the page deals the day's sudoku, the same givens as the window and the terminal;
// a damaged record in the browser's storage is kept aside, said, and a fresh one started.
PRUEBA(ElSudokuDelDiaEnLaPagina)
{
    PonerIdioma(Idioma::Espanol);
    AlmacenPrueba a;
    a.archivos[std::string(NombreMarcas)] = "NOVARO sudokus del dia 1\nresueltos=";
    Pagina p(a, 7);
    p.Partida().Hoy = [] { return Fecha{2026, 12, 13}; };
    const std::string aviso = p.Empezar(std::nullopt, true);
    const std::string dados = "......2..3.......9.81.93....9.53.64....46..5......7.9..683.....1.4..6..8..5...47.";
    std::string enPagina;
    for (int i = 0; i < 81; ++i) enPagina += p.Partida().Estado().Originales[static_cast<size_t>(i)] ? p.Celdas().Texto(static_cast<int16_t>(i)) : ".";
    IGUAL(enPagina, dados);
    IGUAL(aviso, Frases::MarcasDanadas() + " Sudoku del día, 13 de diciembre: Maestro, " + std::to_string(Dados(p)) + " números dados");
    IGUAL(a.archivos[std::string(NombreMarcas) + ".danada"], std::string("NOVARO sudokus del dia 1\nresueltos="));
    IGUAL(p.Estadisticas().dicho, std::string("Todavía no ha resuelto ningún sudoku del día"));
    // The game in play carries the day: asked again, nothing is dealt over it.
    IGUAL(p.SudokuDelDia().dicho, std::string("El sudoku del día ya está en juego"));
}
