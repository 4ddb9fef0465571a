// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMainWindow>
#include <QElapsedTimer>
#include <QTime>
#include <array>
#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include "Ajustes.h"
#include "Azar.h"
#include "Escritor.h"
#include "Casillas.h"
#include "DetectorTeclas.h"
#include "Reproductor.h"
#include "Estado.h"
#include "Importar.h"
#include "Juego.h"
#include "Lugares.h"
#include "Preparados.h"

class CajaTeclas;
class Casilla;
class QAction;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
#include "Voz.h"

// Seed of the random source: second x minute x hour of the local time.
uint64_t SemillaDelReloj(const QTime& hora);

// The main window: owns the whole game state and the 81 cell fields.
class Form1 : public QMainWindow, public Casillas {
    Q_OBJECT
    // The game itself; the window shows it, with its cell fields as the board.
    Juego juego_{*this};

public:
    // Tests hand in a fixed random source, a recording sound player and a
    // private folder that holds everything, as a portable copy does; the game
    // itself uses the defaults. A puzzle the command line brought, already taken,
    // is the first game instead of a dealt one.
    struct Opciones {
        std::unique_ptr<FuenteAzar> azar;
        std::unique_ptr<Reproductor> reproductor;
        QString directorio;
        std::optional<SudokuLeido> sudoku;
        // Where the settings are kept: the player's settings file, or the folder above
        // (novaro.ini) when one was handed in.
        QString ajustes;
        bool nueva = false;   // --nueva: the designed start, whatever was kept
        bool dia = false;     // --dia: the sudoku of the day, once the start is done
    };
    Form1();
    explicit Form1(Opciones opciones);
    ~Form1() override;

    EstadoJuego& Estado = juego_.Estado();

    // Controls, named as designed.
    QLineEdit* TbPorta = nullptr;
    QFrame* Frame1 = nullptr;
    std::array<Casilla*, 81> Text1{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    CajaTeclas* Picture1 = nullptr;
    QMenu* MnuNiveles = nullptr;
    QMenu* MnuDificultad = nullptr;
    QMenu* MnuTam = nullptr;
    QMenu* MnuPartidas = nullptr;
    QMenu* MnuBotonera = nullptr;
    QMenu* MnuDia = nullptr;   // the sudoku of the day, its statistics and its result
    QList<QAction*> MnuN, MnuD, MnuTamN, MnuP, MnuB, MnuDiaN;

    // Every message box and popup goes through these, so tests never block.
    std::function<void(const QString&)> Mensaje;
    std::function<void(QMenu*)> MostrarMenu;

    // The cells, as the engine sees them.
    std::string Texto(int16_t indice) const override;
    void PonerTexto(int16_t indice, const std::string& texto) override;
    void Bloquear(int16_t indice, bool bloqueada) override;
    void PonerColorTexto(int16_t indice, Rgb color) override;
    void SeleccionarCasilla(int16_t indice, bool seleccionada) override;
    void PintarNotas(int16_t indice, uint16_t notas) override;
    void EmpezarTableroEntero() override;
    void TerminarTableroEntero() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command_KeyDown(int codigo);
    void Form_KeyDown(int codigo);
    void MnuN_Click(int indice);
    void MnuD_Click(int indice);
    void MnuTamN_Click(int indice);
    void MnuP_Click(int indice);
    void MnuB_Click(int indice);
    void MnuDia_Click(int indice);
    void Text1_GotFocus(int indice);
    void Text1_KeyDown(int indice, int codigo);
    void Text1_Change(int indice, const QString& antes);
    void Text1_MouseDown(int indice, Qt::MouseButtons botones, Qt::KeyboardModifiers modificadores);
    void MostrarBotonera();
    void GuardarPartida(int16_t n);
    void CargarPartida(int16_t n);

    DetectorTeclas& Detector() { return *detector_; }
    Juego& Nucleo() { return juego_; }
    Reproductor& Sonido() { return *reproductor_; }
    Voz& Habla() { return *voz_; }
    const Lugares& Lugar() const { return lugares_; }
    bool Seleccionada(int indice) const { return seleccionadas_[indice]; }
    const QString& RutaAjustes() const { return rutaAjustes_; }
    Preparados& SudokusPreparados() { return *preparados_; }
    // The game in play and the settings, on disk now; at every orderly end.
    void ConservarYa();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    void Form_Load(bool nueva);
    void ConstruirControles();
    void ConstruirMenus();
    void CrearCasillas();
    void NuevoJuego();
    void RepintarCasillas();
    void EnfocarDetector();
    // What a game action left: its sounds, line and utterance, then its message box.
    void Atender(const Resultado& r);
    // Checking and saving are open as the game says.
    void MostrarBotones();
    void PonerTamano(int indice);
    void PonerNivel(int indice);

    // Puzzles dealt by the reasoning they need.
    void ConstruirMenuDificultad();
    void PonerDificultad(Dificultad dificultad);
    // False when none was ready: it comes when made, heard the same.
    bool NuevoPorDificultad(bool decir);
    void EmpezarHecho(const SudokuHecho& hecho, Dificultad dificultad, bool decir);
    void EsperarSudoku();
    // Another game came first (a load, a puzzle taken): the one being made is not dealt.
    void OlvidarEnCamino();

    // Kept between runs: the settings, and the game in play beside the slots.
    bool EmpezarConservado(bool nueva);
    Ajustes AjustesActuales() const;
    void AplicarAjustes(const Ajustes& ajustes);
    void PartidaCambiada();   // written at once, after the key that changed it
    void ConservarLuego();    // cursor and switches: within a second or so
    void Conservar();

    // The sudoku of the day: the clock and calendar the game is handed, its menu and
    // the record of the days solved, kept beside the settings.
    void EmpezarReloj();
    void ConstruirMenuDia();
    void CargarMarcasDias();
    void GuardarMarcasDias();

    std::unique_ptr<FuenteAzar> azar_;
    std::unique_ptr<Reproductor> reproductor_;
    std::unique_ptr<DetectorTeclas> detector_;
    Voz* voz_ = nullptr;
    Lugares lugares_;
    std::optional<SudokuLeido> sudokuInicial_;
    std::array<bool, 81> seleccionadas_{};
    // While the first game is dealt or brought back, the cells' texts are held here and
    // the cells get only the last: each text laid out costs the start-up time.
    std::optional<std::array<QString, 81>> textosAlEmpezar_;
    int tableroEntero_ = 0;
    std::optional<Voz::TableroEntero> silencio_;
    QString rutaAjustes_;
    std::unique_ptr<Escritor> escritor_;
    QTimer* conservarYa_ = nullptr;
    QTimer* conservarLuego_ = nullptr;
    std::string partidaEscrita_, ajustesEscritos_;
    int tamano_ = 1;
    std::unique_ptr<Preparados> preparados_;
    std::future<SudokuHecho> enCamino_;
    std::atomic<bool> pararEnCamino_{false};
    Dificultad enCaminoDe_ = Dificultad::PorNivel;
    QTimer* esperaSudoku_ = nullptr;
    QElapsedTimer desdeNuevo_;
    bool avisadoPreparando_ = false;
    bool descartarEnCamino_ = false;
    bool diaAlEmpezar_ = false;
    bool iconoPedido_ = false;
    QElapsedTimer reloj_;
    QString rutaMarcas_;
};
