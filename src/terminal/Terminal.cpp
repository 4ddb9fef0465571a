// SPDX-License-Identifier: GPL-3.0-or-later
#include "Terminal.h"
#include "ArchivosTerminal.h"
#include "Carpetas.h"
#include "FormatoAjustes.h"
#include "FormatoEnCurso.h"
#include "FormatoPartida.h"
#include "Frases.h"
#include "FrasesDia.h"
#include "Bytes.h"
#include "Juego.h"
#include "Palabras.h"
#include "Partida.h"
#include "PorDificultad.h"
#include "Tablero.h"
#include "Teclado.h"
#include "Teclas.h"
#include "Texto.h"
#include <poll.h>
#include <signal.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <ctime>
#include <future>

namespace {

constexpr int VK_F2 = VK_F1 + 1, VK_F3 = VK_F1 + 2, VK_F4 = VK_F1 + 3, VK_F5 = VK_F1 + 4, VK_F6 = VK_F1 + 5,
              VK_F7 = VK_F1 + 6, VK_F10 = VK_F1 + 9;
constexpr int CtrlC = 'C', CtrlD = 'D', CtrlT = 'T';
// The sudoku of the day, its statistics and its result: Control keys the terminal leaves free.
constexpr int CtrlY = 'Y', CtrlE = 'E', CtrlR = 'R';
constexpr int16_t Niveles = 15;
constexpr int Entrada = STDIN_FILENO;
// Past this, a player waiting on H or G hears that it is thinking.
constexpr std::chrono::milliseconds EsperaPensar{150};
constexpr int VigilarMs = 20;

// Second x minute x hour of the local time, as the window seeds its deals.
uint64_t SemillaDelReloj()
{
    const std::time_t ahora = std::time(nullptr);
    std::tm hora{};
    localtime_r(&ahora, &hora);
    return static_cast<uint64_t>(hora.tm_sec) * static_cast<uint64_t>(hora.tm_min) * static_cast<uint64_t>(hora.tm_hour);
}

// Today by the local clock; NOVARO_HOY (2026-12-13) names another day, so the same
// board can be checked on every front end.
Fecha HoyLocal()
{
    if (const char* fijada = std::getenv("NOVARO_HOY"))
        if (const std::optional<Fecha> f = LeerFechaIso(fijada)) return *f;
    const std::time_t ahora = std::time(nullptr);
    std::tm hora{};
    localtime_r(&ahora, &hora);
    return {hora.tm_year + 1900, hora.tm_mon + 1, hora.tm_mday};
}

// The record of the days solved sits beside the settings file.
std::string RutaMarcasJunto(const std::string& rutaAjustes)
{
    const size_t barra = rutaAjustes.rfind('/');
    return RutaEn(barra == std::string::npos ? "." : rutaAjustes.substr(0, barra), NombreMarcas);
}

std::string MarcaDeTiempo()
{
    char fecha[32];
    const std::time_t ahora = std::time(nullptr);
    std::tm hora{};
    localtime_r(&ahora, &hora);
    std::strftime(fecha, sizeof fecha, "%Y%m%d-%H%M%S", &hora);
    return fecha;
}

// The help's texts end their lines in CR LF, as the window's help does.
std::string SinRetornos(std::string t)
{
    std::string r;
    for (const char c : t)
        if (c != '\r') r += c;
    return r;
}

class PartidaTerminal {
public:
    PartidaTerminal() : azar_(SemillaDelReloj()), carpeta_(CarpetaPartidas()), rutaAjustes_(RutaAjustes()), tty_(isatty(STDOUT_FILENO))
    {
        juego_.LeerPortapapeles = [this] { return portapapeles_; };
        const auto inicio = std::chrono::steady_clock::now();
        juego_.Ahora = [inicio] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio).count();
        };
        juego_.Hoy = HoyLocal;
        juego_.SinSonidosPropios();
    }

    void Empezar(bool nueva, const std::optional<SudokuLeido>& sudoku, bool dia);
    void Bucle();
    void Conservar();

private:
    void Decir(const std::string& linea);
    void Atender(const Resultado& r);
    void Pensar(const std::shared_ptr<Pensamiento>& pensamiento);
    void MostrarTablero();
    void Nuevo();
    void Lugar(bool guardar);
    void Guardar(int lugar);
    void Cargar(int lugar);
    void Nivel();
    // The record of the days solved; a damaged one is set aside and the notice returned.
    std::string CargarMarcasDias();

    Tablero tablero_;
    Juego juego_{tablero_};
    Aleatorio azar_;
    std::string carpeta_, rutaAjustes_;
    Ajustes ajustes_;
    std::string enCursoEscrito_, ajustesEscritos_;
    std::string portapapeles_;   // X and I: the terminal's own clipboard
    bool tty_;
};

void PartidaTerminal::Decir(const std::string& linea)
{
    std::fputs(linea.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void PartidaTerminal::Atender(const Resultado& r)
{
    // The beep is the terminal's bell; a terminal has no panel cue nor the game's own sounds.
    if (tty_)
        for (int i = 0; i < r.pitidos; ++i) std::fputc('\a', stdout);
    if (r.portapapeles) portapapeles_ = *r.portapapeles;
    if (r.marcasCambiadas) {
        const std::string motivo = EscribirEntero(RutaMarcasJunto(rutaAjustes_), CodificarMarcas(juego_.MarcasDelDia()));
        if (!motivo.empty()) Decir(Frases::MarcasNoGuardadas(motivo));
    }
    if (!r.mensaje.empty()) Decir(r.mensaje);
    if (!r.dicho.empty()) Decir(r.dicho);
    if (r.nuevoJuego) Nuevo();
    std::fflush(stdout);
    if (r.pensamiento) Pensar(r.pensamiento);
}

// Keys typed ahead into a pipe are no player's interruption: there it thinks to the end.
// At a terminal a key pressed meanwhile drops the thought, and is played next.
void PartidaTerminal::Pensar(const std::shared_ptr<Pensamiento>& pensamiento)
{
    if (!isatty(Entrada)) {
        pensamiento->Pensar();
        Atender(juego_.Pensado(*pensamiento));
        return;
    }
    std::atomic<bool> parar{false};
    auto hecho = std::async(std::launch::async, [&pensamiento, &parar] { pensamiento->Pensar(&parar); });
    if (hecho.wait_for(EsperaPensar) != std::future_status::ready) {
        Atender(juego_.Pensando());
        pollfd tecla{Entrada, POLLIN, 0};
        while (hecho.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
            if (poll(&tecla, 1, VigilarMs) > 0) {
                parar = true;
                hecho.wait();
                return;
            }
        }
    }
    hecho.wait();
    Atender(juego_.Pensado(*pensamiento));
}

std::string PartidaTerminal::CargarMarcasDias()
{
    const std::string ruta = RutaMarcasJunto(rutaAjustes_);
    const LeidoTerminal leido = LeerAcotado(ruta, TamanoMaximoMarcas);
    if (!leido.existe) return {};
    const std::optional<Marcas> marcas = leido.bytes ? DecodificarMarcas(*leido.bytes) : std::nullopt;
    if (marcas) {
        juego_.PonerMarcas(*marcas);
        return {};
    }
    std::rename(ruta.c_str(), (ruta + ".danada-" + MarcaDeTiempo()).c_str());
    return Frases::MarcasDanadas();
}

void PartidaTerminal::Empezar(bool nueva, const std::optional<SudokuLeido>& sudoku, bool dia)
{
    if (!nueva) {
        const LeidoTerminal leido = LeerAcotado(rutaAjustes_, TamanoMaximoAjustes);
        if (leido.bytes) ajustes_ = DecodificarAjustes(*leido.bytes);
        juego_.AplicarAjustes(ajustes_);
    }
    ajustesEscritos_ = CodificarAjustes(juego_.AjustesActuales(ajustes_));
    std::string aviso;
    bool empezada = false;
    if (!nueva && !sudoku) {
        const std::string ruta = RutaEn(carpeta_, NombreEnCurso);
        const LeidoTerminal leido = LeerAcotado(ruta, TamanoMaximoEnCurso);
        if (leido.existe) {
            const LecturaEnCurso lectura = leido.bytes ? DecodificarEnCurso(*leido.bytes) : LecturaEnCurso{EstadoEnCurso::Danada, {}};
            if (lectura.estado == EstadoEnCurso::Recuperada) {
                juego_.Recuperar(lectura.partida);
                aviso = Frases::PartidaRecuperada();
                empezada = true;
            } else if (lectura.estado == EstadoEnCurso::Danada) {
                // Set aside, never overwritten: the player may still want what is in it.
                std::rename(ruta.c_str(), (ruta + ".danada-" + MarcaDeTiempo()).c_str());
                aviso = Frases::PartidaNoRecuperada();
            }
        }
    }
    if (!empezada) {
        if (sudoku) juego_.EmpezarLeido(*sudoku);
        else if (juego_.Estado().DificultadElegida != Dificultad::PorNivel) juego_.EmpezarHecho(HacerSudoku(juego_.Estado().DificultadElegida, azar_), juego_.Estado().DificultadElegida);
        else NuevaPartida(juego_.Estado(), tablero_, azar_);
    }
    juego_.Seguir();
    const std::string avisoMarcas = CargarMarcasDias();
    std::string delDia;
    if (dia) delDia = juego_.SudokuDelDia().dicho;
    tablero_.SeleccionarCasilla(juego_.Estado().CasillaActual, true);
    enCursoEscrito_ = CodificarEnCurso(juego_.EnCurso());
    if (tty_) Decir(Sustituir(Traducir("Terminal", "NOVARO en el terminal. %1; Control+T muestra el tablero; F10 sale."), {juego_.Linea()}));
    juego_.Enfocado();   // the first arrival is silent, as the window's
    if (!aviso.empty()) Atender(juego_.Anunciar(aviso));
    if (!avisoMarcas.empty()) Atender(juego_.Anunciar(avisoMarcas));
    if (!delDia.empty()) Atender(juego_.Anunciar(delDia));
}

// What changed is on disk after every key; a terminal may be closed at any moment.
void PartidaTerminal::Conservar()
{
    const std::string partida = CodificarEnCurso(juego_.EnCurso());
    if (partida != enCursoEscrito_ && EscribirEntero(RutaEn(carpeta_, NombreEnCurso), partida).empty())
        enCursoEscrito_ = partida;
    const std::string ajustes = CodificarAjustes(juego_.AjustesActuales(ajustes_));
    if (ajustes != ajustesEscritos_ && EscribirEntero(rutaAjustes_, ajustes).empty()) ajustesEscritos_ = ajustes;
}

// Nine lines, a row each: the digits, '-' for an empty cell, '*' for a guess marked provisional.
void PartidaTerminal::MostrarTablero()
{
    const EstadoJuego& e = juego_.Estado();
    for (int f = 0; f < 9; ++f) {
        std::string linea;
        for (int c = 0; c < 9; ++c) {
            const int i = f * 9 + c;
            const std::string t = SinBlancos(tablero_.Texto(static_cast<int16_t>(i)));
            linea += (i == e.CasillaActual ? "[" : " ") + (UnidadesUtf16(t) == 1 ? t : std::string("?"))
                   + (i == e.CasillaActual ? "]" : (e.Provisionales[i] ? "*" : " "));
            if (c == 2 || c == 5) linea += "|";
        }
        Decir(linea);
    }
}

void PartidaTerminal::Nuevo()
{
    const Dificultad dificultad = juego_.Estado().DificultadElegida;
    if (dificultad == Dificultad::PorNivel) {
        Atender(juego_.NuevoPorNivel(azar_));
        return;
    }
    Atender(juego_.EmpezarHecho(HacerSudoku(dificultad, azar_), dificultad));
}

void PartidaTerminal::Guardar(int lugar)
{
    if (!juego_.PuedeGuardar()) {
        Atender(juego_.GuardarNoPermitido());
        return;
    }
    const std::string motivo = EscribirEntero(RutaEn(carpeta_, NombreRanura(lugar)), juego_.BytesDeRanura());
    Atender(juego_.Guardada(lugar, motivo.empty(), motivo));
}

void PartidaTerminal::Cargar(int lugar)
{
    const LeidoTerminal leido = LeerAcotado(RutaEn(carpeta_, NombreRanura(lugar)), TamanoMaximoRanura);
    if (!leido.existe) {
        Atender(juego_.SinPartidaEn(lugar));
        return;
    }
    const LecturaPartida lectura = leido.bytes ? DecodificarPartida(*leido.bytes) : LecturaPartida{};
    Atender(lectura.ok ? juego_.CargadaDe(lugar, lectura) : juego_.DanadaEn(lectura));
}

// The slot comes as the next key: a digit 1 to 9; any other key lets it be.
void PartidaTerminal::Lugar(bool guardar)
{
    Decir(guardar ? Traducir("Terminal", "Guardar partida: pulse el número del lugar, del 1 al 9") : Traducir("Terminal", "Cargar partida: pulse el número del lugar, del 1 al 9"));
    const Pulsacion p = LeerPulsacion(Entrada);
    if (p.codigo >= VK_0 + 1 && p.codigo <= VK_0 + 9) {
        if (guardar) Guardar(p.codigo - VK_0);
        else Cargar(p.codigo - VK_0);
        return;
    }
    Decir(Traducir("Terminal", "Cancelado"));
}

// The level menu's items, from 15 down to 1, round to the first.
void PartidaTerminal::Nivel()
{
    EstadoJuego& e = juego_.Estado();
    e.Nivel = static_cast<int16_t>((e.Nivel + 1) % Niveles);
    Decir(Sustituir(Traducir("Terminal", "Nivel %1"), {std::to_string(Niveles - e.Nivel)}));
}

std::string AyudaDeTeclas()
{
    std::string t = Traducir("Terminal", "Teclas del terminal:") + "\n";
    for (const std::string& linea : {
             Traducir("Terminal", "Flechas, Inicio, Fin, Re Pág y Av Pág mueven el cursor."),
             Traducir("Terminal", "Intro o Espacio abre el modo escritura; escriba y pulse Intro."),
             Traducir("Terminal", "Suprimir o Retroceso borra la casilla."),
             Traducir("Terminal", "Control+Espacio marca o desmarca la casilla como provisional."),
             Traducir("Terminal", "F2 comprueba, F3 empieza un juego nuevo, F4 muestra la solución."),
             Traducir("Terminal", "F5 guarda y F6 carga la partida, seguidas del número del lugar."),
             Traducir("Terminal", "F7 cambia el nivel, F8 oculta la línea de mensajes, F9 el sonido."),
             Traducir("Terminal", "Control+T muestra el tablero. F10, Control+C o Control+D salen guardando la partida en curso."),
             Traducir("Terminal", "Control+Y empieza el sudoku del día, Control+E dice sus estadísticas y Control+R copia su resultado."),
             Traducir("Terminal", "Las letras son las de la ventana: C, F y T leen columna, fila y panel; V la casilla."),
             Traducir("Terminal", "El terminal solo tiene el pitido: los sonidos de J no suenan aquí y las palabras se dicen siempre."),
         })
        t += linea + "\n";
    return t;
}

void PartidaTerminal::Bucle()
{
    for (;;) {
        const Pulsacion p = LeerPulsacion(Entrada);
        if (p.fin) return;
        if (p.control) {
            if (p.codigo == CtrlC || p.codigo == CtrlD) return;
            if (p.codigo == CtrlT) MostrarTablero();
            else if (p.codigo == CtrlY) Atender(juego_.SudokuDelDia());
            else if (p.codigo == CtrlE) Atender(juego_.Estadisticas());
            else if (p.codigo == CtrlR) Atender(juego_.CompartirResultado());
            else continue;
            Conservar();
            continue;
        }
        switch (p.codigo) {
        case VK_F1:
            std::fputs(AyudaDeTeclas().c_str(), stdout);
            std::fputs(SinRetornos(Frases::Ayuda()).c_str(), stdout);
            std::fflush(stdout);
            break;
        case VK_F2:
            if (juego_.PuedeComprobar()) Atender(juego_.Comprobar());
            break;
        case VK_F3: Nuevo(); break;
        case VK_F4: Atender(juego_.VerSolucion()); break;
        case VK_F5: Lugar(true); break;
        case VK_F6: Lugar(false); break;
        case VK_F7: Nivel(); break;
        case VK_F10: return;
        case VK_ESCAPE: break;
        default: Atender(juego_.Pulsar(p.codigo, 0, p.caracteres)); break;
        }
        Conservar();
    }
}

} // namespace

// A session that ends, a closed terminal or a kill interrupts the wait for a key: the
// game then ends as F10 ends it, the terminal put back and the game kept.
void NoSeguir(int) {}

int Jugar(bool nueva, const std::optional<SudokuLeido>& sudoku, bool dia)
{
    struct sigaction accion {};
    accion.sa_handler = NoSeguir;
    sigemptyset(&accion.sa_mask);
    for (const int senal : {SIGTERM, SIGHUP, SIGINT}) sigaction(senal, &accion, nullptr);
    PartidaTerminal partida;
    partida.Empezar(nueva, sudoku, dia);
    {
        const ModoCrudo crudo(Entrada);
        partida.Bucle();
    }
    partida.Conservar();
    return 0;
}

std::string AyudaDeOrdenes()
{
    return Traducir("Terminal", "Uso: novaro-terminal [opciones]") + "\n" + Traducir("Terminal", "NOVARO en un terminal de texto, para lectores de pantalla de línea.")
         + "\n\n" + "  --sudoku TEXTO  " + Traducir("Terminal", "Empieza con este sudoku: 81 casillas, los números del 1 al 9 como datos y el punto o el 0 como casilla vacía.") + "\n"
         + "  --idioma es|en  " + Traducir("Terminal", "Juega en este idioma (si no, el del entorno).") + "\n"
         + "  --nueva         " + Traducir("Terminal", "Empieza un juego nuevo con los valores de siempre, sin recuperar la última partida ni los ajustes.") + "\n"
         + "  --dia           " + Traducir("Terminal", "Empieza con el sudoku del día.") + "\n"
         + "  --help          " + Traducir("Terminal", "Muestra esta ayuda y termina.") + "\n"
         + "  --version       " + Traducir("Terminal", "Muestra la versión y termina.") + "\n\n" + AyudaDeTeclas();
}

std::string Version()
{
    std::string t = std::string("novaro-terminal ") + NOVARO_VERSION + "\n";
    for (const std::string& linea : Frases::Licencia()) t += linea + "\n";
    return t;
}
