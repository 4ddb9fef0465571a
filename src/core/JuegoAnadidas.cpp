// SPDX-License-Identifier: GPL-3.0-or-later
// The keys NOVARO adds to the designed key detector. They live here, apart from the
// designed dispatcher, and only act outside write mode, where a letter is never text.
#include "Calificacion.h"
#include "Consultas.h"
#include "Coordenadas.h"
#include "Frases.h"
#include "FrasesDia.h"
#include "Historial.h"
#include "Juego.h"
#include "Notas.h"
#include "Partida.h"
#include "Tablero.h"
#include "Teclas.h"
#include "Texto.h"

const Juego::Anadida Juego::TeclasAnadidas[] = {
    {VK_D, &Juego::DecirPosicion},
    {VK_Q, &Juego::DecirVacias},
    {VK_N, &Juego::DecirCandidatos},
    {VK_S, &Juego::IrASiguienteVacia},
    {VK_Z, &Juego::DeshacerCambio},
    {VK_R, &Juego::DecirFaltan},
    {VK_E, &Juego::CambiarAvisoRepetido},
    {VK_U, &Juego::CambiarSolucionUnica},
    {VK_H, &Juego::DarPista},
    {VK_G, &Juego::DecirDificultad},
    {VK_I, &Juego::ImportarSudoku},
    {VK_X, &Juego::CopiarTablero},
    {VK_L, &Juego::CambiarModoNotas},
    {VK_M, &Juego::LlenarNotasTablero},
    {VK_K, &Juego::CambiarEscrituraDirecta},
    {VK_B, &Juego::CambiarDificultad},
    {VK_Y, &Juego::DecirTiempo},
    {VK_W, &Juego::CambiarLugarAlMoverse},
    {VK_J, &Juego::CambiarSonidos},
    // The digits of the main row and of the keypad: notes, or direct entry.
    {VK_0 + 1, &Juego::Nota<1>}, {VK_NUMPAD0 + 1, &Juego::Nota<1>},
    {VK_0 + 2, &Juego::Nota<2>}, {VK_NUMPAD0 + 2, &Juego::Nota<2>},
    {VK_0 + 3, &Juego::Nota<3>}, {VK_NUMPAD0 + 3, &Juego::Nota<3>},
    {VK_0 + 4, &Juego::Nota<4>}, {VK_NUMPAD0 + 4, &Juego::Nota<4>},
    {VK_0 + 5, &Juego::Nota<5>}, {VK_NUMPAD0 + 5, &Juego::Nota<5>},
    {VK_0 + 6, &Juego::Nota<6>}, {VK_NUMPAD0 + 6, &Juego::Nota<6>},
    {VK_0 + 7, &Juego::Nota<7>}, {VK_NUMPAD0 + 7, &Juego::Nota<7>},
    {VK_0 + 8, &Juego::Nota<8>}, {VK_NUMPAD0 + 8, &Juego::Nota<8>},
    {VK_0 + 9, &Juego::Nota<9>}, {VK_NUMPAD0 + 9, &Juego::Nota<9>},
};

void Juego::TeclaAnadida(int codigo)
{
    if (e_.ModoEscritura) return;
    for (const Anadida& tecla : TeclasAnadidas) {
        if (tecla.codigo == codigo) {
            (this->*tecla.accion)();
            return;
        }
    }
}

// S, Z and H carry the cursor anywhere; the panel sound says when it lands in another panel.
void Juego::IrA(int16_t indice)
{
    MoverCursor(FilaDe(indice), ColumnaDe(indice), PanelDe(indice) != PanelDe(e_.CasillaActual), true);
}

std::string Juego::CeldaOida(int indice) const
{
    std::string t = SinBlancos(Texto(indice));
    if (e_.Provisionales[indice]) t += " P ";
    return ConNotas(t, indice);
}

void Juego::DecirPosicion()
{
    Decir(Frases::Posicion(e_.CasillaActual));
}

void Juego::DecirVacias()
{
    Decir(Frases::Pendientes(ContarVacias(casillas_, e_.CasillaActual)));
}

void Juego::DecirCandidatos()
{
    if (e_.Originales[e_.CasillaActual]) Decir(Frases::NumeroOriginal());
    else Decir(Frases::Caben(Candidatos(casillas_, e_.CasillaActual)));
}

void Juego::IrASiguienteVacia()
{
    const std::optional<int16_t> vacia = SiguienteVacia(casillas_, e_.CasillaActual);
    if (!vacia) {
        Pitar();
        return;
    }
    IrA(*vacia);
    Decir(Frases::EnCasilla(*vacia, CeldaOida(*vacia)));
}

void Juego::DeshacerCambio()
{
    const std::optional<int16_t> celda = Deshacer(e_, casillas_);
    if (!celda) {
        Pitar();
        return;
    }
    IrA(*celda);
    Decir(Frases::Deshecho(*celda, CeldaOida(*celda)));
}

void Juego::DecirFaltan()
{
    Decir(Frases::QuedanPorPoner(Faltan(casillas_)));
}

void Juego::CambiarAvisoRepetido()
{
    e_.AvisoRepetido = !e_.AvisoRepetido;
    Decir(Frases::AvisoRepetido(e_.AvisoRepetido));
}

void Juego::CambiarSolucionUnica()
{
    e_.SolucionUnica = !e_.SolucionUnica;
    Decir(Frases::SolucionUnica(e_.SolucionUnica));
}

// The hint only points: the cursor goes to the cell it speaks of, the player writes.
// H again on the same board goes on with the links of a long chain, a few at a time;
// past the last, the hint is worked out and said again in full.
void Juego::DarPista()
{
    std::array<std::string, 81> textos;
    for (int16_t i = 0; i < 81; ++i) textos[static_cast<size_t>(i)] = casillas_.Texto(i);
    if (partesDichas_ > 0 && textos == textosPista_) {
        const std::string resto = Frases::Continuacion(pista_, partesDichas_);
        if (!resto.empty()) {
            ++partesDichas_;
            Decir(resto);
            return;
        }
    }
    r_.pensamiento = Pensar(Pensamiento::Que::Pista);
}

// The puzzle as dealt or loaded, whatever the player has written since.
void Juego::DecirDificultad()
{
    r_.pensamiento = Pensar(Pensamiento::Que::Dificultad);
}

std::shared_ptr<Pensamiento> Juego::Pensar(Pensamiento::Que que)
{
    auto p = std::make_shared<Pensamiento>();
    p->que_ = que;
    p->numero_ = pensando_ = ++pensados_;
    p->estado_ = e_;
    for (int16_t i = 0; i < 81; ++i) p->textos_[static_cast<size_t>(i)] = casillas_.Texto(i);
    return p;
}

void Pensamiento::Pensar(const std::atomic<bool>* parar)
{
    Tablero tablero;   // the board as it was, away from the one the player goes on with
    for (int16_t i = 0; i < 81; ++i) tablero.PonerTexto(i, textos_[static_cast<size_t>(i)]);
    if (que_ == Que::Pista) pista_ = CalcularPista(estado_, tablero, parar);
    else calificacion_ = Calificar(DadosDe(estado_), parar);
}

Resultado Juego::Pensado(const Pensamiento& p)
{
    // A key came first, or the board changed under it: the player has moved on.
    if (p.numero_ != pensando_) return {};
    for (int16_t i = 0; i < 81; ++i)
        if (casillas_.Texto(i) != p.textos_[static_cast<size_t>(i)]) return {};
    pensando_ = 0;
    if (p.que_ == Pensamiento::Que::Pista) {
        pista_ = p.pista_;
        textosPista_ = p.textos_;
        partesDichas_ = 1;
        ++pistas_;
        if (pista_.Destino() >= 0) IrA(pista_.Destino());
        Decir(Frases::Explicacion(pista_));
    } else {
        Decir(e_.DificultadElegida == Dificultad::PorNivel ? Frases::Dificultad(p.calificacion_)
                                                           : Frases::DificultadConTipo(p.calificacion_));
    }
    return Publicar();
}

Resultado Juego::Pensando()
{
    if (pensando_ == 0) return {};
    return SoloDecir(Frases::Pensando());
}

// The game in play is only replaced by a puzzle that can be played to its one solution.
void Juego::ImportarSudoku()
{
    const SudokuLeido leido = LeerSudoku(LeerPortapapeles ? LeerPortapapeles() : std::string());
    if (leido.rechazo != Rechazo::Ninguno) {
        Decir(Frases::SudokuRechazado(leido));
        return;
    }
    casillas_.EmpezarTableroEntero();
    EmpezarPartida(e_, casillas_, leido.dados, leido.solucion);
    casillas_.TerminarTableroEntero();
    Abrir();
    EmpezarCuenta();
    r_.partidaEmpezada = true;
    Decir(Frases::SudokuImportado(leido.Dados(), Frases::Dificultad(Calificar(leido.dados))));
}

// One line that I, a puzzle site or another solver reads back: a cell's digit, or '.'.
void Juego::CopiarTablero()
{
    if (compartirConX_) {
        if (const std::optional<std::string> resultado = LineaResultado()) {
            r_.portapapeles = *resultado;
            Decir(Frases::ResultadoCopiado(*resultado));
            return;
        }
    }
    std::string linea;
    for (const int8_t d : DigitosDe(casillas_)) linea += d ? static_cast<char>('0' + d) : '.';
    r_.portapapeles = std::move(linea);
    Decir(Frases::TableroCopiado());
}

void Juego::CambiarModoNotas()
{
    e_.ModoNotas = !e_.ModoNotas;
    Decir(Frases::ModoNotas(e_.ModoNotas));
}

void Juego::LlenarNotasTablero()
{
    casillas_.EmpezarTableroEntero();
    const int16_t llenas = LlenarNotas(e_, casillas_, e_.CasillaActual);
    casillas_.TerminarTableroEntero();
    Decir(Frases::NotasLlenas(llenas));
}

// Outside notes mode and direct entry a digit does what the design gives it: nothing.
void Juego::TeclaNota(int16_t digito)
{
    if (!e_.ModoNotas) {
        if (e_.EscrituraDirecta) EscribirDigito(digito);
        return;
    }
    const ResultadoNota resultado = CambiarNota(e_, casillas_, e_.CasillaActual, digito);
    switch (resultado) {
    case ResultadoNota::EnOriginal:
        Pitar();
        Decir(Frases::NumeroOriginal());
        return;
    case ResultadoNota::EnEscrita:
        Pitar();
        Decir(Frases::CasillaOcupada());
        return;
    case ResultadoNota::Puesta:
    case ResultadoNota::Quitada:
        Decir(Frases::NotaCambiada(resultado == ResultadoNota::Puesta, digito, DigitosNotados(e_.Notas[e_.CasillaActual])));
        return;
    }
}

void Juego::CambiarEscrituraDirecta()
{
    e_.EscrituraDirecta = !e_.EscrituraDirecta;
    Decir(Frases::EscrituraDirecta(e_.EscrituraDirecta));
}

// The next kind of puzzle, round to the first; the front end keeps its menu in step.
void Juego::CambiarDificultad()
{
    e_.DificultadElegida = static_cast<Dificultad>((static_cast<int>(e_.DificultadElegida) + 1) % Dificultades);
    r_.dificultadCambiada = true;
    Decir(Frases::DificultadElegida(e_.DificultadElegida));
}

// Enter, the digit, Enter in one key, heard as the digit alone.
void Juego::EscribirDigito(int16_t digito)
{
    const int16_t i = e_.CasillaActual;
    if (e_.Originales[i]) {
        Pitar();
        Decir(Frases::NumeroOriginal());
        return;
    }
    const std::string texto = std::to_string(digito);
    CambiarCasilla(e_, casillas_, i, texto, e_.Provisionales[i]);
    Decir(texto);
    AvisarRepeticion();
    SonarEscrita(i);
}
