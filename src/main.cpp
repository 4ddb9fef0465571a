#include "Form1.h"
#include "Lugares.h"
#include "Voz.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QTranslator>
#include <cstdio>
#include <optional>
#include <utility>

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

// Reads the command line before any window system is opened, so that --help and
// --version work on a terminal without a display. A result is the exit status:
// the game stops there without a window.
std::optional<int> LeerOrdenes(int& argc, char* argv[])
{
    QCoreApplication nucleo(argc, argv);
    PalabrasDeQt palabras;
    nucleo.installTranslator(&palabras);

    QCommandLineParser lector;
    lector.setApplicationDescription(
        QStringLiteral("NOVARO %1: sudoku para jugar con el teclado y un lector de pantalla.\n"
                       "Las partidas se guardan en %2")
            .arg(QCoreApplication::applicationVersion(), LugaresDelPrograma().partidas));
    const QCommandLineOption ayuda({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Muestra esta ayuda y termina."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Muestra la versión y termina."));
    lector.addOptions({ayuda, version});

    QString error;
    if (!lector.parse(QCoreApplication::arguments()))
        error = lector.errorText();
    else if (!lector.positionalArguments().isEmpty())
        error = QStringLiteral("Sobra «%1».").arg(lector.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n\n%s", qUtf8Printable(error), qUtf8Printable(lector.helpText()));
        return EXIT_FAILURE;
    }
    if (lector.isSet(ayuda)) {
        std::fputs(qUtf8Printable(lector.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    if (lector.isSet(version)) {
        std::printf("novaro %s\n", qUtf8Printable(QCoreApplication::applicationVersion()));
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("novaro"));   // names the player's data folder
    QCoreApplication::setApplicationVersion(QStringLiteral(NOVARO_VERSION));
    // Without arguments there is nothing to read, and start-up pays nothing for it.
    if (argc > 1)
        if (const std::optional<int> salida = LeerOrdenes(argc, argv)) return *salida;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(NOVARO_ID));
    Voz::InstalarFabrica();
    Form1 ventana;
    ventana.show();
    return app.exec();
}
