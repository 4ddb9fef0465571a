// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <functional>
#include <memory>
#include "Casillas.h"
#include "Estado.h"
#include "Pista.h"

class QLineEdit;
class Reproductor;
class Voz;

// Trims blanks only, as the game always has: tabs are kept.
QString SinBlancos(const QString& t);

// The message line's two colour pairs: the selection colours, and black on white while typing.
void PintarLineaNormal(QLineEdit& linea);
void PintarLineaEntrada(QLineEdit& linea);

// Everything the player does from the keyboard arrives here: the key detector's
// focus, key-down and character events. Each keystroke ends with one utterance.
class DetectorTeclas {
public:
    // PartidaEmpezada: a puzzle from outside has replaced the game; the window lifts
    // the bar on checking and saving, as a new game does.
    DetectorTeclas(EstadoJuego& estado, Casillas& casillas, QLineEdit& TbPorta,
                   Reproductor& reproductor, Voz& voz, std::function<void()> MostrarBotonera,
                   std::function<void()> PartidaEmpezada);

    ~DetectorTeclas();
    DetectorTeclas(const DetectorTeclas&) = delete;
    DetectorTeclas& operator=(const DetectorTeclas&) = delete;

    void Picture1_GotFocus();
    // Said when the key detector first gets the focus, in place of its silence.
    void AvisarAlEnfocar(const QString& aviso) { avisoInicial_ = aviso; }
    // B changed the kind of puzzle a new game deals.
    void AlCambiarDificultad(std::function<void()> avisar) { DificultadCambiada_ = std::move(avisar); }
    // digitoTeclado: the digit printed on a keypad key (DigitoDelTeclado), 0 for other
    // keys; in notes mode the keypad notes it even where NumLock makes it a movement.
    void Picture1_KeyDown(int codigo, int digitoTeclado = 0);
    void Picture1_KeyPress(int caracter);
    // Speaks what this keystroke left for the player, once.
    void Publicar();

    void SonidoPanel();
    // The popup the Applications key opens is heard by its name and size as it opens.
    void AnunciarMenu(const QString& nombre, qsizetype opciones);

private:
    // The keys the game adds to the designed ones, each with its action; outside write
    // mode only. Looked up by the dispatcher's default branch.
    struct Anadida {
        int codigo;
        void (DetectorTeclas::*accion)();
    };
    static const Anadida TeclasAnadidas[];
    void TeclaAnadida(int codigo);

    void MoverCursor(int16_t fila, int16_t columna, bool conSonido);
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
    void Mover(bool refusada, int16_t fila, int16_t columna, bool conSonido);
    void IrA(int16_t indice);
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
    void EscribirDigito(int16_t digito);
    void AvisarRepeticion();
    template <int16_t digito>
    void Nota() { TeclaNota(digito); }
    QString CeldaOida(int indice) const;
    QString ConNotas(const QString& oido, int indice) const;

    void AnexarCasilla(QString& linea, int indice) const;
    void Decir(const QString& texto);
    QString Linea() const;
    void PonerLinea(const QString& texto);
    QString Texto(int indice) const;

    EstadoJuego& e_;
    Casillas& casillas_;
    QLineEdit& TbPorta_;
    Reproductor& reproductor_;
    Voz& voz_;
    std::function<void()> MostrarBotonera_;
    std::function<void()> PartidaEmpezada_;
    std::function<void()> DificultadCambiada_;

    bool FocoRecibido = false;
    bool MensajeModo = false;
    QString dicho_;   // what the current keystroke will say
    bool tecleado_ = false;
    QString avisoInicial_;
    // The last hint, the cell texts it was given on, and how many parts of its chains
    // H has said since; 0 once another key is pressed.
    Pista pista_;
    std::array<std::string, 81> textosPista_;
    int partesDichas_ = 0;
    class EsperaLector;
    std::unique_ptr<EsperaLector> espera_;
    void DecirAvisoInicial();
};
