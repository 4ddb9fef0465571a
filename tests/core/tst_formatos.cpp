// SPDX-License-Identifier: GPL-3.0-or-later
// The files' bytes as every front end reads and writes them: texts are UTF-8 inside the
// program and Windows-1252 in a slot, and the player's folders follow the desktop's rules.
#include "Bytes.h"
#include "Carpetas.h"
#include "FormatoAjustes.h"
#include "FormatoEnCurso.h"
#include "FormatoPartida.h"
#include "Prueba.h"
#include "Windows1252.h"
#include <optional>
#include <string>
#include <vector>

namespace {

RegistroPartida Ejemplo()
{
    RegistroPartida r;
    for (int i = 0; i < 81; ++i) {
        r.Solucion[i] = int16_t((i / 9 * 3 + i / 27 + i % 9) % 9 + 1);
        r.Textos[i] = "-";
    }
    r.Originales[0] = true;
    r.Textos[0] = std::to_string(r.Solucion[0]);
    r.Notas[7] = 0b101;
    return r;
}

// A text, and what the game holds after writing it to a slot and reading it back.
struct Viaje {
    const char* nombre;
    std::string texto;
    std::string vuelta;
};

const Viaje viajes[] = {
    {"accents, euro and the marks of 0x80", "ñá€Ÿ™ “sí”", "ñá€Ÿ™ “sí”"},
    {"an unassigned byte's control character", "\u0081\u009D", "\u0081\u009D"},
    {"quotes, commas and line ends", "di \"hola\",\r\n1", "di \"hola\",\r\n1"},
    {"letters the set lacks", "漢字 Ω", "?? ?"},
    {"outside the first plane: one mark each", "a😀b😀", "a?b?"},
    {"cut after its first byte", "\xC3", "?"},
    {"cut inside, then text", "\xE2\x82x", "?x"},
    {"a lone continuation byte", "1\x80" "2", "1?2"},
    {"an overlong slash", "\xC0\xAF", "??"},
    {"a surrogate written as UTF-8", "\xED\xA0\x80", "???"},
    {"past the last character", "\xF4\x90\x80\x80", "????"},
    {"bytes never in UTF-8", "\xFE\xFF", "??"},
};

} // namespace

PRUEBA(SlotTextsComeBackAsTheSetHoldsThem)
{
    for (const Viaje& v : viajes) {
        FILA(v.nombre);
        RegistroPartida r = Ejemplo();
        r.Textos[40] = v.texto;
        r.Textos[80] = v.texto;   // the last item, right before the end of the file
        const std::string archivo = CodificarPartida(r);
        const LecturaPartida l = DecodificarPartida(archivo);
        if (!CIERTO(l.ok)) continue;
        IGUAL(l.registro.Textos[40], v.vuelta);
        IGUAL(l.registro.Textos[80], v.vuelta);
        IGUAL(l.registro.Notas, r.Notas);
        // What came back is written again byte for byte.
        IGUAL(CodificarPartida(l.registro), archivo);
    }
}

PRUEBA(SlotTextBytesInWindows1252)
{
    const struct { const char* texto; std::string bytes; } filas[] = {
        {"ñá€", "\xF1\xE1\x80"},
        {"Ÿ", "\x9F"},
        {"\u0080", "?"},   // a C1 control with no place in the set
        {"😀", "?"},
        {"\xE2\x82", "?"},
    };
    for (const auto& f : filas) {
        FILA(f.texto);
        IGUAL(A1252(f.texto), f.bytes);
        RegistroPartida r = Ejemplo();
        r.Notas.fill(0);   // the slot then ends with the last cell's line
        r.Textos[80] = f.texto;
        const std::string archivo = CodificarPartida(r);
        CIERTO(archivo.ends_with(",\"" + f.bytes + "\"\r\n"));
    }
}

PRUEBA(KeptGameComesBackWithItsTextsAndCursor)
{
    for (const Viaje& v : viajes) {
        FILA(v.nombre);
        PartidaEnCurso p{Ejemplo(), 80};
        p.registro.Textos[3] = v.texto;
        const LecturaEnCurso l = DecodificarEnCurso(CodificarEnCurso(p));
        if (!IGUAL(l.estado, EstadoEnCurso::Recuperada)) continue;
        IGUAL(l.partida.cursor, int16_t(80));
        IGUAL(l.partida.registro.Textos[3], v.vuelta);
        IGUAL(l.partida.registro.Notas, p.registro.Notas);
    }
}

// The cursor line reads numbers as the desktop always has, no more and no less.
PRUEBA(KeptGameCursorLine)
{
    const std::string resto = CodificarEnCurso({Ejemplo(), 0}).substr(std::string_view("NOVARO partida en curso 1\r\ncursor=0").size());
    const struct { const char* linea; int cursor; } filas[] = {
        {"cursor=7", 7}, {"cursor=+7", 7}, {"cursor= 7", 7}, {"cursor=-0", 0}, {"cursor=80", 80},
        {"cursor=81", -1}, {"cursor=-1", -1}, {"cursor=007", -1}, {"cursor=", -1}, {"cursor=x", -1},
        {"cursor=7x", -1}, {"Cursor=7", -1},
    };
    for (const auto& f : filas) {
        FILA(f.linea);
        const LecturaEnCurso l = DecodificarEnCurso(std::string("NOVARO partida en curso 1\r\n") + f.linea + resto);
        IGUAL(l.estado, f.cursor < 0 ? EstadoEnCurso::Danada : EstadoEnCurso::Recuperada);
        if (f.cursor >= 0) IGUAL(l.partida.cursor, int16_t(f.cursor));
    }
}

PRUEBA(KeptGameFinishedOrNot)
{
    PartidaEnCurso p{Ejemplo(), 0};
    for (int i = 0; i < 81; ++i) p.registro.Textos[i] = std::to_string(p.registro.Solucion[i]);
    CIERTO(Terminada(p.registro));
    IGUAL(DecodificarEnCurso(CodificarEnCurso(p)).estado, EstadoEnCurso::Ninguna);
    p.registro.Textos[80] = " " + p.registro.Textos[80];
    CIERTO(!Terminada(p.registro));
    IGUAL(DecodificarEnCurso(CodificarEnCurso(p)).estado, EstadoEnCurso::Recuperada);
}

PRUEBA(WholeNumbers)
{
    const struct { const char* texto; std::optional<int> valor; } filas[] = {
        {"3", 3}, {"+3", 3}, {"-3", -3}, {"-0", 0}, {"003", 3}, {" \t3\r\n", 3},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt}, {"-2147483649", std::nullopt}, {"99999999999999999999", std::nullopt},
        {"", std::nullopt}, {" ", std::nullopt}, {"+", std::nullopt}, {"--3", std::nullopt}, {"3 4", std::nullopt},
        {"3x", std::nullopt}, {"0x3", std::nullopt}, {"3.0", std::nullopt},
    };
    for (const auto& f : filas) {
        FILA(f.texto);
        IGUAL(LeerEntero(f.texto).value_or(-99), f.valor.value_or(-99));
        IGUAL(LeerEntero(f.texto).has_value(), f.valor.has_value());
    }
}

// Blanks of every kind around keys and values, and signed numbers, read as they always did.
PRUEBA(SettingsWrittenByHand)
{
    Ajustes esperados;
    esperados.nivel = 3;
    esperados.tamano = 0;
    esperados.sonido = false;
    esperados.modoNotas = true;
    IGUAL(DecodificarAjustes("[General]\r\n  nivel = +3 \r\n\ttamano_letra=-0\v\nsonido=false\f\n notas =true\n"), esperados);
    IGUAL(DecodificarAjustes(CodificarAjustes(esperados)), esperados);
    // A key with nothing before its "=" is no key; the line after it still counts.
    IGUAL(DecodificarAjustes("=3\nnivel=3\ntamano_letra=0\nsonido=false\nnotas=true"), esperados);
    // W and J are kept; a mode of sounds the game does not have keeps the default.
    esperados.lugarAlMoverse = true;
    esperados.sonidos = 2;
    IGUAL(DecodificarAjustes(CodificarAjustes(esperados)), esperados);
    IGUAL(DecodificarAjustes("lugar_al_moverse=true\nsonidos=3").sonidos, int16_t{0});
}

PRUEBA(Pieces)
{
    const struct { const char* texto; std::vector<std::string_view> partes; } filas[] = {
        {"", {""}}, {"a", {"a"}}, {"a b", {"a", "b"}}, {"a  b", {"a", "", "b"}}, {" a ", {"", "a", ""}},
    };
    for (const auto& f : filas) {
        FILA(f.texto);
        const std::vector<std::string_view> partes = Partir(f.texto, ' ');
        if (!IGUAL(partes.size(), f.partes.size())) continue;
        for (size_t i = 0; i < partes.size(); ++i) IGUAL(partes[i], f.partes[i]);
    }
}

PRUEBA(FileNames)
{
    const struct { std::string nombre; const char* esperado; } filas[] = {
        {NombreRanura(1), "Novaro1.sav"},
        {NombreRanura(9), "Novaro9.sav"},
        {RutaEn("/home/ana/.local/share/novaro", NombreEnCurso), "/home/ana/.local/share/novaro/NovaroEnCurso.sav"},
        {RutaEn("juego", NombrePreparados), "juego/NovaroPreparados.txt"},
        {RutaEn("/c", NombreAjustes), "/c/novaro.ini"},
    };
    for (const auto& f : filas) {
        FILA(f.esperado);
        IGUAL(f.nombre, std::string(f.esperado));
    }
}

// The same rows are checked against Qt's own answer in the desktop's tests.
PRUEBA(PlayerFoldersOnLinux)
{
    const struct { const char *datos, *config, *home, *partidas, *ajustes; } filas[] = {
        {"", "", "/home/ana", "/home/ana/.local/share/novaro", "/home/ana/.config/novaro/novaro.ini"},
        {"/d", "/c", "/home/ana", "/d/novaro", "/c/novaro/novaro.ini"},
        {"/d/", "/c/", "/home/ana/", "/d//novaro", "/c//novaro/novaro.ini"},
        {"rel/d", "rel/c", "/home/ana", "/home/ana/.local/share/novaro", "/home/ana/.config/novaro/novaro.ini"},
        {"", "", "/home//ana/./x/..", "/home/ana/.local/share/novaro", "/home/ana/.config/novaro/novaro.ini"},
        {"", "", "/home/josé", "/home/josé/.local/share/novaro", "/home/josé/.config/novaro/novaro.ini"},
        {"", "", "/", "//.local/share/novaro", "//.config/novaro/novaro.ini"},
        {"", "", "", "//.local/share/novaro", "//.config/novaro/novaro.ini"},
    };
    for (const auto& f : filas) {
        FILA(std::string(f.datos) + " | " + f.config + " | " + f.home);
        IGUAL(CarpetaPartidasXdg(f.datos, f.home), std::string(f.partidas));
        IGUAL(RutaAjustesXdg(f.config, f.home), std::string(f.ajustes));
    }
}

PRUEBA(HomeFolderTidied)
{
    const struct { const char *ruta, *limpia; } filas[] = {
        {"/home/ana", "/home/ana"}, {"/home/ana/", "/home/ana"}, {"//home///ana", "/home/ana"},
        {"/home/./ana/x/..", "/home/ana"}, {"/../home", "/home"}, {"/a/b/../../..", "/"},
        {"a/../..", ".."}, {"./", "."}, {"~", "~"}, {"", "/"},
    };
    for (const auto& f : filas) {
        FILA(f.ruta);
        IGUAL(LimpiarCarpeta(f.ruta), std::string(f.limpia));
    }
}
