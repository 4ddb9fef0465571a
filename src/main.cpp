// SPDX-License-Identifier: GPL-3.0-or-later
#include "EstiloVentana.h"
#include "Form1.h"
#include "Frases.h"
#include "Idioma.h"
#include "Lugares.h"
#include "Voz.h"
#include "Ajustes.h"
#include "Archivos.h"
#include "Carpetas.h"
#include <QApplication>
#include <QSocketNotifier>
#include <QCommandLineParser>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <optional>
#include <utility>
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// Qt's own words in the usage text and in its errors, in the game's language.
class PalabrasDeQt : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* contexto, const char* texto, const char*, int) const override
    {
        static const std::pair<const char*, const char*> tabla[] = {
            {"Usage: %1", "Uso: %1"},
            {"[options]", "[opciones]"},
            {"Options:", "Opciones:"},
            {"Arguments:", "Argumentos:"},
            {"Unknown option '%1'.", "Opción desconocida: «%1»."},
            {"Unknown options: %1.", "Opciones desconocidas: %1."},
            {"Missing value after '%1'.", "Falta un valor tras «%1»."},
            {"Unexpected value after '%1'.", "«%1» no lleva valor."},
        };
        if (qstrcmp(contexto, "QCommandLineParser") == 0)
            for (const auto& [ingles, espanol] : tabla)
                if (qstrcmp(texto, ingles) == 0) return QString::fromUtf8(espanol);
        return {};
    }
};

const QString OpcionIdioma = QStringLiteral("idioma");
// A puzzle the game refuses is not a usage error: its own status, for scripts.
constexpr int SalidaSudokuRechazado = 2;

// The language asked for on the command line, or the desktop's. Read before the
// rest, since the usage text is written in it.
QString IdiomaPedido(const QStringList& argumentos)
{
    QCommandLineParser lector;
    lector.addOption(QCommandLineOption(OpcionIdioma, QString(), OpcionIdioma));
    lector.parse(argumentos);   // other options are the real reading's business
    const QString pedido = lector.value(OpcionIdioma);
    return pedido.isEmpty() ? ElegirIdioma(QLocale::system().uiLanguages()) : pedido;
}

struct Ordenes {
    std::optional<int> salida;   // the game stops there without a window
    QString idioma;
    std::optional<SudokuLeido> sudoku;
    bool nueva = false;
    bool dia = false;
};

// Reads the command line before any window system is opened, so that --help and
// --version work on a terminal without a display.
Ordenes LeerOrdenes(int& argc, char* argv[])
{
    QCoreApplication nucleo(argc, argv);
    const QString idioma = IdiomaPedido(QCoreApplication::arguments());
    const bool conocido = IdiomasDisponibles().contains(idioma);
    if (conocido) InstalarIdioma(idioma, LugaresDelPrograma().datos);
    PalabrasDeQt palabras;   // Qt's own words are English already
    if (IdiomaActual() == IdiomaOriginal) nucleo.installTranslator(&palabras);

    QCommandLineParser lector;
    lector.setApplicationDescription(
        QCoreApplication::translate("main", "NOVARO %1: sudoku para jugar con el teclado y un lector de pantalla.\n"
                                            "Las partidas se guardan en %2")
            .arg(QCoreApplication::applicationVersion(), LugaresDelPrograma().partidas));
    const QCommandLineOption ayuda({QStringLiteral("h"), QStringLiteral("help")},
                                   QCoreApplication::translate("main", "Muestra esta ayuda y termina."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("main", "Muestra la versión y termina."));
    const QCommandLineOption idiomaOpcion(
        OpcionIdioma,
        QCoreApplication::translate("main", "Juega en este idioma: %1 (si no, el del escritorio).")
            .arg(IdiomasDisponibles().join(QStringLiteral(", "))),
        QCoreApplication::translate("main", "idioma"));
    const QCommandLineOption sudoku(
        QStringLiteral("sudoku"),
        QCoreApplication::translate("main", "Empieza con este sudoku: 81 casillas, los números del 1 al 9 como datos "
                                            "y 0 o punto para las vacías; lo demás no cuenta."),
        QCoreApplication::translate("main", "sudoku"));
    const QCommandLineOption nueva(
        QStringLiteral("nueva"),
        QCoreApplication::translate("main", "Empieza un juego nuevo con los valores de siempre, sin recuperar la "
                                            "última partida ni los ajustes guardados en %1")
            .arg(RutaAjustesDelJugador()));
    const QCommandLineOption dia(QStringLiteral("dia"), QCoreApplication::translate("main", "Empieza con el sudoku del día."));
    lector.addOptions({ayuda, version, idiomaOpcion, sudoku, nueva, dia});

    QString error;
    if (!lector.parse(QCoreApplication::arguments()))
        error = lector.errorText();
    else if (!lector.positionalArguments().isEmpty())
        error = QCoreApplication::translate("main", "Sobra «%1».").arg(lector.positionalArguments().constFirst());
    else if (!conocido)
        error = QCoreApplication::translate("main", "Idioma desconocido: «%1».").arg(idioma);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n\n%s", qUtf8Printable(error), qUtf8Printable(lector.helpText()));
        return {EXIT_FAILURE, idioma, std::nullopt, false};
    }
    if (lector.isSet(ayuda)) {
        std::fputs(qUtf8Printable(lector.helpText()), stdout);
        return {EXIT_SUCCESS, idioma, std::nullopt, false};
    }
    if (lector.isSet(version)) {
        std::string licencia;
        for (const std::string& linea : Frases::Licencia()) licencia += "\n" + linea;
        std::printf("novaro %s%s\n", qUtf8Printable(QCoreApplication::applicationVersion()), licencia.c_str());
        return {EXIT_SUCCESS, idioma, std::nullopt, false};
    }
    if (!lector.isSet(sudoku)) return {std::nullopt, idioma, std::nullopt, lector.isSet(nueva), lector.isSet(dia)};
    const SudokuLeido leido = LeerSudoku(lector.value(sudoku).toStdString());
    if (leido.rechazo != Rechazo::Ninguno) {
        std::fprintf(stderr, "%s\n", Frases::SudokuRechazado(leido).c_str());
        return {SalidaSudokuRechazado, idioma, std::nullopt, false};
    }
    return {std::nullopt, idioma, leido, lector.isSet(nueva), lector.isSet(dia)};
}

#ifdef Q_OS_UNIX
int tuberiaSenal[2] = {-1, -1};

void AlRecibirSenal(int)
{
    const char c = 1;
    [[maybe_unused]] const auto escrito = ::write(tuberiaSenal[1], &c, 1);
}
#endif

// A session that ends (SIGTERM), a closed terminal (SIGHUP) and Control+C end the game
// as Salir does, through the event loop, so the game in play is written on the way out.
void SalirAlTerminar()
{
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, tuberiaSenal) != 0) return;
    auto* aviso = new QSocketNotifier(tuberiaSenal[0], QSocketNotifier::Read, qApp);
    QObject::connect(aviso, &QSocketNotifier::activated, qApp, [] { QCoreApplication::quit(); });
    struct sigaction accion = {};
    accion.sa_handler = AlRecibirSenal;
    sigemptyset(&accion.sa_mask);
    accion.sa_flags = SA_RESTART;
    for (int senal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(senal, &accion, nullptr);
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(DeUtf8(NombreDelJuego));   // names the player's data folder
    QCoreApplication::setApplicationVersion(QStringLiteral(NOVARO_VERSION));
    // Without arguments there is nothing to read, and start-up pays nothing for it.
    QString idioma;
    Form1::Opciones opciones;
    if (argc > 1) {
        Ordenes ordenes = LeerOrdenes(argc, argv);
        if (ordenes.salida) return *ordenes.salida;
        idioma = ordenes.idioma;
        opciones.sudoku = std::move(ordenes.sudoku);
        opciones.nueva = ordenes.nueva;
        opciones.dia = ordenes.dia;
    }

    QApplication app(argc, argv);
    InstalarEstiloVentana();
    if (idioma.isEmpty()) idioma = ElegirIdioma(QLocale::system().uiLanguages());
    InstalarIdioma(idioma, LugaresDelPrograma().datos);   // a missing translation leaves it Spanish
    QGuiApplication::setDesktopFileName(QStringLiteral(NOVARO_ID));
    Voz::InstalarFabrica();
    Form1 ventana(std::move(opciones));
    SalirAlTerminar();   // the window keeps the game on its way out
    ventana.show();
    return app.exec();
}
