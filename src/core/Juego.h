// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include "Azar.h"
#include "Calificacion.h"
#include "Casillas.h"
#include "DelDia.h"
#include "Estado.h"
#include "FormatoAjustes.h"
#include "FormatoEnCurso.h"
#include "FormatoMarcas.h"
#include "Importar.h"
#include "Pista.h"
#include "PorDificultad.h"
#include "Sonidos.h"

// H and G on the hardest puzzles may think for a while. The search is handed to the
// front end with a copy of what it needs, so it can run where the keys keep answering;
// the front end brings it back to Juego::Pensado, and any key in between drops it.
class Pensamiento {
public:
    // Once parar (when given) is raised from another thread it ends soon.
    void Pensar(const std::atomic<bool>* parar = nullptr);

private:
    friend class Juego;
    enum class Que { Pista, Dificultad } que_ = Que::Pista;
    uint64_t numero_ = 0;
    EstadoJuego estado_;
    std::array<std::string, 81> textos_;
    Pista pista_;
    Calificacion calificacion_{};
};

// What one action leaves for its front end to do, beside the cells it changed (those
// reach the front end through its Casillas as they change).
struct Resultado {
    std::string dicho;        // the one utterance, as the screen reader must get it; empty: silence
    int pitidos = 0;          // the system beep
    bool panel = false;       // the panel cue stops, and plays again when panelSuena
    bool panelSuena = false;
    std::vector<SonidoJuego> sonidos;   // J: the game's own sounds, played one after another
    bool botonera = false;            // open the Botonera popup
    bool partidaEmpezada = false;     // a puzzle from outside replaced the game: checking and saving are open again
    bool dificultadCambiada = false;  // B: the menu's check mark follows
    bool lineaMostrada = false;       // F8: the message line was shown or hidden
    std::optional<std::string> portapapeles;   // X: this goes on the clipboard
    std::shared_ptr<Pensamiento> pensamiento;   // H or G: think this, then hand it to Pensado
    std::string mensaje;      // a message box, OK only
    bool nuevoJuego = false;  // after the message: deal a new game of the kind chosen
    bool marcasCambiadas = false;   // the record of the days solved changed: write it whole
};

// The game a player plays, whatever shows it: the key detector's dispatch, the
// message line, the switches, the hint in progress and the words of each action.
// It owns the game state; the cell texts live behind the Casillas it is given (the
// window's fields, or a plain board), which it changes only through the engine.
class Juego {
public:
    explicit Juego(Casillas& casillas);

    EstadoJuego& Estado() { return e_; }
    const EstadoJuego& Estado() const { return e_; }
    Casillas& Celdas() { return casillas_; }

    // One keystroke: its key code, then the characters it types, then what it left.
    // digitoTeclado: the digit printed on a keypad key (0 for other keys); in notes
    // mode and direct entry the keypad gives it even where NumLock makes it a movement.
    void TeclaAbajo(int codigo, int digitoTeclado = 0);
    // A UTF-16 unit, as keyboards deliver them: Enter 13, Space 32, Backspace 8, or text.
    void Caracter(int unidad);
    Resultado Publicar();
    // The three at once, for front ends that get a whole keystroke.
    Resultado Pulsar(int codigo, int digitoTeclado = 0, std::u16string_view caracteres = {});

    // What H or G thought, heard now, unless a key came in between.
    Resultado Pensado(const Pensamiento& pensamiento);
    // The short word a player hears while H or G goes on thinking.
    Resultado Pensando();
    // Touch: a cell tapped, reached as an arrow would reach it (heard, the panel cue).
    Resultado Tocar(int16_t indice);
    // The touch pad's digit: a note in notes mode, typed in write mode, else written at once as K writes it.
    Resultado TocarCifra(int16_t digito);

    // The key detector has the focus again: heard, except the first time.
    Resultado Enfocado();
    // A text of the game's own (a notice) on the line and heard, now.
    Resultado Anunciar(const std::string& texto);
    // Heard now, the line left as it is (a popup opening).
    Resultado SoloDecir(const std::string& texto);

    // The message line: its text, whether it shows the typing colours, whether F8 hid it.
    const std::string& Linea() const { return linea_; }
    // The player edited the line's field directly.
    void PonerLinea(const std::string& texto) { linea_ = texto; }
    bool LineaEnEntrada() const { return lineaEnEntrada_; }
    bool LineaOculta() const { return lineaOculta_; }
    void OcultarLinea(bool oculta) { lineaOculta_ = oculta; }
    // A cell's field took the focus: a long text is copied to the line, to be read there.
    void CasillaEnfocada(int16_t indice);

    // I reads what the front end's clipboard holds.
    std::function<std::string()> LeerPortapapeles;

    // The game has no clock of its own: the front end hands it a steady count of
    // milliseconds that never goes back, and today's date by the player's local clock.
    std::function<int64_t()> Ahora;
    std::function<Fecha()> Hoy;
    // The time played stops while the program is away (closed, the page hidden) and
    // goes on when it is back; Seguir also starts the count once Ahora is given.
    void Pausar();
    void Seguir();
    int64_t Milisegundos() const;

    // The sudoku of the day, made from today's date; or, when it is already in play or
    // solved today, the game in play stays and the player hears why.
    Resultado SudokuDelDia();
    Resultado Estadisticas();
    // The last day solved, as one line of plain text on the clipboard.
    Resultado CompartirResultado();
    // The record of the days solved, read by the front end at start; a result with
    // marcasCambiadas asks it to write MarcasDelDia again.
    void PonerMarcas(const Marcas& marcas) { marcas_ = marcas; }
    const Marcas& MarcasDelDia() const { return marcas_; }

    // The buttons and the Botonera.
    Resultado Comprobar();                         // the checker's message
    Resultado NuevoPorNivel(FuenteAzar& azar);     // the designed deal
    Resultado EmpezarHecho(const SudokuHecho& hecho, Dificultad dificultad);   // a deal of a chosen kind
    Resultado VerSolucion();
    bool PuedeComprobar() const { return puedeComprobar_; }
    bool PuedeGuardar() const { return puedeGuardar_; }
    // A puzzle from outside (the command line's) starts the game, silently.
    void EmpezarLeido(const SudokuLeido& leido);
    // Any new game lifts the bars the reveal put on checking and saving.
    void Abrir() { puedeComprobar_ = puedeGuardar_ = true; }
    Resultado GuardarNoPermitido();

    // The slots: the front end reads and writes the files, the game says what happened.
    std::string BytesDeRanura() const;
    Resultado Guardada(int lugar, bool ok, const std::string& motivo);
    Resultado SinPartidaEn(int lugar);
    // A damaged slot: its sound switch, when readable, is kept; the front end deals a new game.
    Resultado DanadaEn(const LecturaPartida& lectura);
    Resultado CargadaDe(int lugar, const LecturaPartida& lectura);
    // A slot file the player opened by its name rather than from a slot.
    Resultado CargadaDeArchivo(const std::string& nombre, const LecturaPartida& lectura);

    // A front end that cannot play the game's own sounds (the terminal's bell) keeps every word.
    void SinSonidosPropios() { sinSonidos_ = true; }

    // The settings the game owns: the level, the kind of puzzle, the line and the switches.
    // The rest of a front end's settings (the font size) passes through untouched.
    void AplicarAjustes(const Ajustes& ajustes);
    Ajustes AjustesActuales(Ajustes base) const;

    // The game in play, kept between runs.
    PartidaEnCurso EnCurso() const;
    // Brought back as it was left; the sound switch stays the settings' own.
    void Recuperar(const PartidaEnCurso& partida);

private:
    struct Anadida {
        int codigo;
        void (Juego::*accion)();
    };
    static const Anadida TeclasAnadidas[];
    void TeclaAnadida(int codigo);
    void EmpezarTecla(int codigo);
    Resultado Cargada(const LecturaPartida& lectura, std::string dicho, std::string notasDanadas);

    void Mover(bool refusada, int16_t fila, int16_t columna, bool conSonido, bool salto = false);
    void MoverCursor(int16_t fila, int16_t columna, bool conSonido, bool salto);
    void IrA(int16_t indice);
    void SonidoPanel();
    void Pitar() { ++r_.pitidos; }
    void AnunciarCasilla();
    void Refrescar();
    void Borrar();
    void LeerColumna();
    void LeerFila();
    void LeerPanel();
    void LeerCasilla();
    void CambiarAviso();
    void CambiarProvisional();
    void CambiarLinea();
    void CambiarSonido();
    void AvisarRepeticion();

    void DecirPosicion();
    void DecirVacias();
    void DecirCandidatos();
    void IrASiguienteVacia();
    void DeshacerCambio();
    void DecirFaltan();
    void CambiarAvisoRepetido();
    void CambiarSolucionUnica();
    void DarPista();
    void DecirDificultad();
    void ImportarSudoku();
    void CopiarTablero();
    void CambiarModoNotas();
    void LlenarNotasTablero();
    void TeclaNota(int16_t digito);
    void CambiarEscrituraDirecta();
    void CambiarDificultad();
    void CambiarLugarAlMoverse();
    void CambiarSonidos();
    void DecirLugar(int16_t filaAntes, int16_t columnaAntes, bool salto);
    void SonarCasilla();
    void SonarEscrita(int16_t indice);
    // A group as the engine numbers its 27: the rows, the columns, then the panels.
    static constexpr int GrupoFilas = 0, GrupoColumnas = 9, GrupoPaneles = 18;
    void SonarGrupo(int grupo);
    void Sonar(const SonidoJuego& sonido);
    void EscribirDigito(int16_t digito);
    void DecirTiempo();
    // Every new game, load and reveal: the count starts again from what is given.
    void EmpezarCuenta(int64_t milisegundos = 0, int pistas = 0, std::optional<Fecha> dia = std::nullopt);
    void DetenerCuenta();
    bool DelDiaCompleto() const;
    void GanarDelDia();
    Fecha HoyOUltimo() const;
    std::optional<std::string> LineaResultado() const;
    template <int16_t digito>
    void Nota() { TeclaNota(digito); }

    std::string Texto(int indice) const { return casillas_.Texto(static_cast<int16_t>(indice)); }
    std::string CeldaOida(int indice) const;
    std::string ConNotas(const std::string& oido, int indice) const;
    void AnexarCasilla(std::string& linea, int indice) const;
    void Decir(const std::string& texto);

    EstadoJuego e_;
    Casillas& casillas_;
    Resultado r_;
    std::string dicho_;   // what the current keystroke will say
    bool tecleado_ = false;
    std::string linea_;
    bool lineaEnEntrada_ = false;
    bool lineaOculta_ = false;
    bool mensajeModo_ = false;
    bool focoRecibido_ = false;
    bool lugarAlMoverse_ = false;
    ModoSonidos modoSonidos_ = ModoSonidos::No;
    bool sinSonidos_ = false;
    char16_t alta_ = 0;   // the first half of a character typed in two UTF-16 units
    bool puedeComprobar_ = true;
    bool puedeGuardar_ = true;
    // The last hint, the cell texts it was given on, and how many parts of its chains
    // H has said since; 0 once another key is pressed.
    Pista pista_;
    std::array<std::string, 81> textosPista_;
    int partesDichas_ = 0;
    // The time played on the game in play: what is counted, and since when it runs
    // (none while paused, or once the game is over).
    int64_t milisegundos_ = 0;
    std::optional<int64_t> desde_;
    bool pausado_ = false;
    bool contando_ = true;
    int pistas_ = 0;                 // hints said on the game in play
    std::optional<Fecha> dia_;       // the game in play is this day's sudoku, not yet solved
    Marcas marcas_;
    struct Victoria {
        Fecha dia;
        int64_t segundos;
        int pistas, racha;
    };
    std::optional<Victoria> victoria_;   // the day's sudoku solved in this run
    bool recienGanado_ = false;          // the last key solved it: X shares it
    bool compartirConX_ = false;
    uint64_t pensando_ = 0;   // the thought the game waits for; 0: none
    uint64_t pensados_ = 0;
    std::shared_ptr<Pensamiento> Pensar(Pensamiento::Que que);
};
