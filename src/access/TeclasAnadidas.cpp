// SPDX-License-Identifier: GPL-3.0-or-later
// The keys NOVARO adds to the designed key detector. They live here, apart from the
// designed dispatcher, and only act outside write mode, where a letter is never text.
#include "Calificacion.h"
#include "CodigosTecla.h"
#include "Consultas.h"
#include "Coordenadas.h"
#include "DetectorTeclas.h"
#include "Frases.h"
#include "Historial.h"
#include "Importar.h"
#include "Notas.h"
#include "Partida.h"
#include "Pista.h"
#include "Reproductor.h"
#include "Voz.h"
#include <QClipboard>
#include <QGuiApplication>

const DetectorTeclas::Anadida DetectorTeclas::TeclasAnadidas[] = {
    {VK_D, &DetectorTeclas::DecirPosicion},
    {VK_Q, &DetectorTeclas::DecirVacias},
    {VK_N, &DetectorTeclas::DecirCandidatos},
    {VK_S, &DetectorTeclas::IrASiguienteVacia},
    {VK_Z, &DetectorTeclas::DeshacerCambio},
    {VK_R, &DetectorTeclas::DecirFaltan},
    {VK_E, &DetectorTeclas::CambiarAvisoRepetido},
    {VK_U, &DetectorTeclas::CambiarSolucionUnica},
    {VK_H, &DetectorTeclas::DarPista},
    {VK_G, &DetectorTeclas::DecirDificultad},
    {VK_I, &DetectorTeclas::ImportarSudoku},
    {VK_X, &DetectorTeclas::CopiarTablero},
    {VK_L, &DetectorTeclas::CambiarModoNotas},
    {VK_M, &DetectorTeclas::LlenarNotasTablero},
    {VK_K, &DetectorTeclas::CambiarEscrituraDirecta},
    {VK_B, &DetectorTeclas::CambiarDificultad},
    // The digits of the main row and of the keypad: notes, or direct entry.
    {VK_0 + 1, &DetectorTeclas::Nota<1>}, {VK_NUMPAD0 + 1, &DetectorTeclas::Nota<1>},
    {VK_0 + 2, &DetectorTeclas::Nota<2>}, {VK_NUMPAD0 + 2, &DetectorTeclas::Nota<2>},
    {VK_0 + 3, &DetectorTeclas::Nota<3>}, {VK_NUMPAD0 + 3, &DetectorTeclas::Nota<3>},
    {VK_0 + 4, &DetectorTeclas::Nota<4>}, {VK_NUMPAD0 + 4, &DetectorTeclas::Nota<4>},
    {VK_0 + 5, &DetectorTeclas::Nota<5>}, {VK_NUMPAD0 + 5, &DetectorTeclas::Nota<5>},
    {VK_0 + 6, &DetectorTeclas::Nota<6>}, {VK_NUMPAD0 + 6, &DetectorTeclas::Nota<6>},
    {VK_0 + 7, &DetectorTeclas::Nota<7>}, {VK_NUMPAD0 + 7, &DetectorTeclas::Nota<7>},
    {VK_0 + 8, &DetectorTeclas::Nota<8>}, {VK_NUMPAD0 + 8, &DetectorTeclas::Nota<8>},
    {VK_0 + 9, &DetectorTeclas::Nota<9>}, {VK_NUMPAD0 + 9, &DetectorTeclas::Nota<9>},
};

void DetectorTeclas::TeclaAnadida(int codigo)
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
void DetectorTeclas::IrA(int16_t indice)
{
    MoverCursor(FilaDe(indice), ColumnaDe(indice), PanelDe(indice) != PanelDe(e_.CasillaActual));
}

QString DetectorTeclas::CeldaOida(int indice) const
{
    QString t = SinBlancos(Texto(indice));
    if (e_.Provisionales[indice]) t += QStringLiteral(" P ");
    return ConNotas(t, indice);
}

void DetectorTeclas::DecirPosicion()
{
    Decir(QString::fromStdString(Frases::Posicion(e_.CasillaActual)));
}

void DetectorTeclas::DecirVacias()
{
    Decir(QString::fromStdString(Frases::Pendientes(ContarVacias(casillas_, e_.CasillaActual))));
}

void DetectorTeclas::DecirCandidatos()
{
    if (e_.Originales[e_.CasillaActual]) Decir(QString::fromStdString(Frases::NumeroOriginal()));
    else Decir(QString::fromStdString(Frases::Caben(Candidatos(casillas_, e_.CasillaActual))));
}

void DetectorTeclas::IrASiguienteVacia()
{
    const std::optional<int16_t> vacia = SiguienteVacia(casillas_, e_.CasillaActual);
    if (!vacia) {
        reproductor_.Pitar();
        return;
    }
    IrA(*vacia);
    Decir(QString::fromStdString(Frases::EnCasilla(*vacia, CeldaOida(*vacia).toStdString())));
}

void DetectorTeclas::DeshacerCambio()
{
    const std::optional<int16_t> celda = Deshacer(e_, casillas_);
    if (!celda) {
        reproductor_.Pitar();
        return;
    }
    IrA(*celda);
    Decir(QString::fromStdString(Frases::Deshecho(*celda, CeldaOida(*celda).toStdString())));
}

void DetectorTeclas::DecirFaltan()
{
    Decir(QString::fromStdString(Frases::QuedanPorPoner(Faltan(casillas_))));
}

void DetectorTeclas::CambiarAvisoRepetido()
{
    e_.AvisoRepetido = !e_.AvisoRepetido;
    Decir(QString::fromStdString(Frases::AvisoRepetido(e_.AvisoRepetido)));
}

void DetectorTeclas::CambiarSolucionUnica()
{
    e_.SolucionUnica = !e_.SolucionUnica;
    Decir(QString::fromStdString(Frases::SolucionUnica(e_.SolucionUnica)));
}

// The hint only points: the cursor goes to the cell it speaks of, the player writes.
// H again on the same board goes on with the links of a long chain, a few at a time;
// past the last, the hint is worked out and said again in full.
void DetectorTeclas::DarPista()
{
    std::array<std::string, 81> textos;
    for (int16_t i = 0; i < 81; ++i) textos[static_cast<size_t>(i)] = casillas_.Texto(i);
    if (partesDichas_ > 0 && textos == textosPista_) {
        const QString resto = QString::fromStdString(Frases::Continuacion(pista_, partesDichas_));
        if (!resto.isEmpty()) {
            ++partesDichas_;
            Decir(resto);
            return;
        }
    }
    pista_ = CalcularPista(e_, casillas_);
    textosPista_ = std::move(textos);
    partesDichas_ = 1;
    if (pista_.Destino() >= 0) IrA(pista_.Destino());
    Decir(QString::fromStdString(Frases::Explicacion(pista_)));
}

// The puzzle as dealt or loaded, whatever the player has written since.
void DetectorTeclas::DecirDificultad()
{
    const Calificacion calificacion = Calificar(DadosDe(e_));
    Decir(QString::fromStdString(e_.DificultadElegida == Dificultad::PorNivel ? Frases::Dificultad(calificacion)
                                                                             : Frases::DificultadConTipo(calificacion)));
}

// The game in play is only replaced by a puzzle that can be played to its one solution.
void DetectorTeclas::ImportarSudoku()
{
    const SudokuLeido leido = LeerSudoku(QGuiApplication::clipboard()->text().toStdString());
    if (leido.rechazo != Rechazo::Ninguno) {
        Decir(QString::fromStdString(Frases::SudokuRechazado(leido)));
        return;
    }
    {
        const Voz::TableroEntero tablero;
        EmpezarPartida(e_, casillas_, leido.dados, leido.solucion);
    }
    PartidaEmpezada_();
    Decir(QString::fromStdString(Frases::SudokuImportado(leido.Dados(), Frases::Dificultad(Calificar(leido.dados)))));
}

// One line that I, a puzzle site or another solver reads back: a cell's digit, or '.'.
void DetectorTeclas::CopiarTablero()
{
    QString linea;
    for (const int8_t d : DigitosDe(casillas_)) linea += QLatin1Char(d ? static_cast<char>('0' + d) : '.');
    QGuiApplication::clipboard()->setText(linea);
    Decir(QString::fromStdString(Frases::TableroCopiado()));
}

void DetectorTeclas::CambiarModoNotas()
{
    e_.ModoNotas = !e_.ModoNotas;
    Decir(QString::fromStdString(Frases::ModoNotas(e_.ModoNotas)));
}

void DetectorTeclas::LlenarNotasTablero()
{
    int16_t llenas = 0;
    {
        const Voz::TableroEntero tablero;
        llenas = LlenarNotas(e_, casillas_, e_.CasillaActual);
    }
    Decir(QString::fromStdString(Frases::NotasLlenas(llenas)));
}

// Outside notes mode and direct entry a digit does what the design gives it: nothing.
void DetectorTeclas::TeclaNota(int16_t digito)
{
    if (!e_.ModoNotas) {
        if (e_.EscrituraDirecta) EscribirDigito(digito);
        return;
    }
    const ResultadoNota resultado = CambiarNota(e_, casillas_, e_.CasillaActual, digito);
    switch (resultado) {
    case ResultadoNota::EnOriginal:
        reproductor_.Pitar();
        Decir(QString::fromStdString(Frases::NumeroOriginal()));
        return;
    case ResultadoNota::EnEscrita:
        reproductor_.Pitar();
        Decir(QString::fromStdString(Frases::CasillaOcupada()));
        return;
    case ResultadoNota::Puesta:
    case ResultadoNota::Quitada:
        Decir(QString::fromStdString(
            Frases::NotaCambiada(resultado == ResultadoNota::Puesta, digito, DigitosNotados(e_.Notas[e_.CasillaActual]))));
        return;
    }
}

void DetectorTeclas::CambiarEscrituraDirecta()
{
    e_.EscrituraDirecta = !e_.EscrituraDirecta;
    Decir(QString::fromStdString(Frases::EscrituraDirecta(e_.EscrituraDirecta)));
}

// The next kind of puzzle, round to the first; the window keeps its menu in step.
void DetectorTeclas::CambiarDificultad()
{
    e_.DificultadElegida = static_cast<Dificultad>((static_cast<int>(e_.DificultadElegida) + 1) % Dificultades);
    if (DificultadCambiada_) DificultadCambiada_();
    Decir(QString::fromStdString(Frases::DificultadElegida(e_.DificultadElegida)));
}

// Enter, the digit, Enter in one key, heard as the digit alone.
void DetectorTeclas::EscribirDigito(int16_t digito)
{
    const int16_t i = e_.CasillaActual;
    if (e_.Originales[i]) {
        reproductor_.Pitar();
        Decir(QString::fromStdString(Frases::NumeroOriginal()));
        return;
    }
    const QString texto = QString::number(digito);
    CambiarCasilla(e_, casillas_, i, texto.toStdString(), e_.Provisionales[i]);
    Decir(texto);
    AvisarRepeticion();
}
