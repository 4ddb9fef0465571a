// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal edition against the window: the same keys give the same words, and a
// game won in a pseudo-terminal is saved in a slot the window loads and saves back
// byte for byte.
#include "Idioma.h"
#include "Importar.h"
#include "Lugares.h"
#include "SudokusPrueba.h"
#include "VentanaPrueba.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#include <poll.h>

namespace {

// One step of a player: a key of the window, the bytes a terminal sends for it, or
// "check", which the window does with its button and the terminal with F2.
struct Gesto {
    Qt::Key tecla;
    QByteArray bytes;
    bool comprobar = false;
};

Gesto Letra(char c) { return {Qt::Key(Qt::Key_A + (c - 'a')), QByteArray(1, c)}; }
Gesto Cifra(char c) { return {Qt::Key(Qt::Key_0 + (c - '0')), QByteArray(1, c)}; }

// A puzzle whose first hint is a forcing chain of more than four links.
const char Forzada[] = "...32..4.3....4.76.1487..3.7.....324..34.79854.92.3761...94..13.4..32.9.93....45.";

// Every mode of the game, in one play of 60 keys.
QList<Gesto> Recorrido()
{
    const Gesto der{Qt::Key_Right, "\x1b[C"}, izq{Qt::Key_Left, "\x1b[D"}, arr{Qt::Key_Up, "\x1b[A"},
        abj{Qt::Key_Down, "\x1b[B"}, intro{Qt::Key_Return, "\r"}, inicio{Qt::Key_Home, "\x1b[H"},
        fin{Qt::Key_End, "\x1bOF"}, rePag{Qt::Key_PageUp, "\x1b[5~"}, avPag{Qt::Key_PageDown, "\x1b[6~"},
        supr{Qt::Key_Delete, "\x1b[3~"}, retro{Qt::Key_Backspace, "\x7f"}, ctrl{Qt::Key_Control, QByteArray(1, '\0')},
        f9{Qt::Key_F9, "\x1b[20~"}, comprobar{Qt::Key_unknown, "\x1bOQ", true};
    return {Letra('d'), Letra('h'), Letra('h'), Letra('h'), Letra('g'), der, der, der, abj, Letra('c'), Letra('f'),
            Letra('t'), Letra('v'), Letra('n'), Letra('q'), Letra('s'), intro, Cifra('7'), intro, Letra('e'),
            intro, Cifra('6'), Letra('x'), retro, Cifra('6'), intro, Letra('z'), Letra('r'), Letra('k'), Cifra('5'), ctrl,
            Letra('k'), Letra('l'), Cifra('2'), Cifra('4'), izq, der, Letra('l'), Letra('u'), Letra('b'), Letra('o'),
            inicio, fin, rePag, avPag, arr, Letra('p'), supr, f9, Letra('m'), comprobar, Letra('x'), Letra('i'),
            Letra('d'), Letra('q'), Letra('u'), Letra('b'), f9, Letra('a'), Letra('v')};
}

QString Programa() { return QStringLiteral(NOVARO_TERMINAL); }

// A copy of the terminal edition in a folder of its own, which keeps the games it writes
// away from the build folder the Orca scenarios play in; portatil: with the sound beside it,
// as in the build folder.
QString TerminalEn(const QString& carpeta, bool portatil = false)
{
    const QString copia = carpeta + "/novaro-terminal";
    if (!QFile::copy(Programa(), copia)) return {};
    QFile::setPermissions(copia, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (portatil) QFile(carpeta + "/CambioTablero.wav").open(QIODevice::WriteOnly);
    return copia;
}

// The terminal run with the keys through a pipe, its lines back.
QStringList Jugar(const QString& programa, const QString& hogar, const QStringList& argumentos, const QByteArray& teclas)
{
    QProcess terminal;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("HOME", hogar);
    entorno.remove("XDG_DATA_HOME");
    entorno.remove("XDG_CONFIG_HOME");
    terminal.setProcessEnvironment(entorno);
    terminal.start(programa, argumentos);
    if (!terminal.waitForStarted()) return {"no arranca"};
    terminal.write(teclas);
    terminal.closeWriteChannel();
    if (!terminal.waitForFinished(60000) || terminal.exitCode() != 0) return {"no termina bien"};
    QStringList lineas = QString::fromUtf8(terminal.readAllStandardOutput()).split('\n');
    lineas.removeLast();
    return lineas;
}

} // namespace

class TestTerminal : public QObject {
    Q_OBJECT
private slots:
    void mismasPalabrasQueLaVentana_data();
    void mismasPalabrasQueLaVentana();
    void ganadaEnUnTerminalYCargadaEnLaVentana();
    void sudokuRechazadoEnLaOrden();
    void carpetaDeLasPartidas_data();
    void carpetaDeLasPartidas();
    void partidaEnCursoCompartida();
    void sudokuDelDiaComoLaVentana_data();
    void sudokuDelDiaComoLaVentana();
};

void TestTerminal::mismasPalabrasQueLaVentana_data()
{
    QTest::addColumn<QString>("idioma");
    QTest::newRow("es") << "es";
    QTest::newRow("en") << "en";
}

void TestTerminal::mismasPalabrasQueLaVentana()
{
    QFETCH(QString, idioma);
    const QList<Gesto> pasos = Recorrido();
    QVERIFY(pasos.size() >= 40);

    QVERIFY(InstalarIdioma(idioma, QCoreApplication::applicationDirPath()));
    QStringList ventana;
    {
        VentanaPrueba v(1, LeerSudoku(Forzada));
        QObject::connect(&v.f->Habla(), &Voz::Hablado, [&ventana](const QString& t) { ventana << t; });
        v.f->Mensaje = [&ventana](const QString& t) { ventana << t; };
        for (const Gesto& p : pasos) {
            if (p.comprobar) v.f->Command1_Click();
            else QTest::keyClick(v.f->Picture1, p.tecla);
        }
    }
    InstalarIdioma(IdiomaOriginal, QString());

    QTemporaryDir hogar, programa;
    QByteArray teclas;
    for (const Gesto& p : pasos) teclas += p.bytes;
    const QStringList lineas = Jugar(TerminalEn(programa.path()), hogar.path(), {"--sudoku", Forzada, "--idioma", idioma}, teclas);
    QCOMPARE(lineas, ventana);
}

// The player's whole game by keys, as a screen reader user types it into a terminal.
void TestTerminal::ganadaEnUnTerminalYCargadaEnLaVentana()
{
    QTemporaryDir hogar, carpeta;
    const QByteArray programa = TerminalEn(carpeta.path()).toLocal8Bit();
    int maestro = -1;
    const pid_t hijo = forkpty(&maestro, nullptr, nullptr, nullptr);
    QVERIFY(hijo >= 0);
    if (hijo == 0) {
        setenv("HOME", qPrintable(hogar.path()), 1);
        unsetenv("XDG_DATA_HOME");
        unsetenv("XDG_CONFIG_HOME");
        setenv("LANGUAGE", "es", 1);
        execl(programa.constData(), programa.constData(), "--sudoku", SudokuFacil, "--nueva", static_cast<char*>(nullptr));
        _exit(127);
    }
    QByteArray leido;
    // What the terminal printed until `esperado` shows, or nothing more comes within the wait.
    auto leerHasta = [&](const QByteArray& esperado) {
        for (;;) {
            if (leido.contains(esperado)) return true;
            pollfd p{maestro, POLLIN, 0};
            if (poll(&p, 1, 10000) <= 0) return false;
            char bloque[4096];
            const ssize_t n = read(maestro, bloque, sizeof bloque);
            if (n <= 0) return false;
            leido.append(bloque, n);
        }
    };
    auto teclear = [&](const QByteArray& bytes) { QCOMPARE(write(maestro, bytes.constData(), bytes.size()), bytes.size()); };
    QVERIFY(leerHasta("F10"));   // the greeting names the keys
    // Direct entry, then every empty cell in turn: S goes there, the solution's digit is typed.
    teclear("k");
    QVERIFY(leerHasta("Escritura directa activada"));
    int vacias = 0;
    for (const char c : SudokuFacil) vacias += c == '.';
    for (int n = 0; n < vacias; ++n) {
        leido.clear();
        teclear("s");
        QVERIFY(leerHasta("Fila "));
        const QByteArray linea = leido.mid(leido.indexOf("Fila "));
        const int fila = linea.mid(5, 1).toInt(), columna = linea.mid(16, 1).toInt();
        QVERIFY2(fila >= 1 && columna >= 1, linea.constData());
        teclear(QByteArray(1, SolucionFacil[(fila - 1) * 9 + columna - 1]));
        QVERIFY(leerHasta(QByteArray(1, SolucionFacil[(fila - 1) * 9 + columna - 1]) + "\r\n"));
    }
    leido.clear();
    teclear("\x1bOQ");   // F2: check
    QVERIFY2(leerHasta("felicidades"), leido.constData());
    teclear("\x1b[15~");   // F5, then the slot
    QVERIFY(leerHasta("del 1 al 9"));
    teclear("3");
    QVERIFY(leerHasta("Partida guardada en el lugar 3"));
    teclear("\x1b[21~");   // F10
    int estado = 0;
    QCOMPARE(waitpid(hijo, &estado, 0), hijo);
    QVERIFY(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    close(maestro);

    // The window keeps its slots in a folder of its own; the terminal's slot is copied in.
    QFile terminal(carpeta.path() + "/Novaro3.sav");
    QVERIFY(terminal.open(QIODevice::ReadOnly));
    const QByteArray guardado = terminal.readAll();
    VentanaPrueba v;
    QVERIFY(QFile::copy(terminal.fileName(), v.carpeta.path() + "/Novaro3.sav"));
    v.ElegirTrasBoton(v.f->Command5, "Partida 3");
    QCOMPARE(v.dichos.value(v.dichos.size() - 1), QString("Partida cargada del lugar 3"));
    for (int i = 0; i < 81; ++i) QCOMPARE(v.Celda(i), QString(QChar(SolucionFacil[i])));
    v.ElegirTrasBoton(v.f->Command4, "Partida 4");
    QFile ventana(v.carpeta.path() + "/Novaro4.sav");
    QVERIFY(ventana.open(QIODevice::ReadOnly));
    QCOMPARE(ventana.readAll(), guardado);
}

// A refused puzzle ends the terminal edition before it takes the terminal, saying why.
void TestTerminal::sudokuRechazadoEnLaOrden()
{
    QProcess terminal;
    terminal.start(Programa(), {"--idioma", "en", "--sudoku", "11" + QString(79, '.')});
    QVERIFY(terminal.waitForFinished(30000));
    QCOMPARE(terminal.exitCode(), 2);
    QVERIFY(!terminal.readAllStandardError().isEmpty());
    QVERIFY(terminal.readAllStandardOutput().isEmpty());
}

void TestTerminal::carpetaDeLasPartidas_data()
{
    QTest::addColumn<bool>("portatil");
    QTest::newRow("with the sound beside it, as the build folder") << true;
    QTest::newRow("a lone program") << false;
}

// Where the terminal keeps its game is where a window in the same folder keeps its own.
void TestTerminal::carpetaDeLasPartidas()
{
    QFETCH(bool, portatil);
    QTemporaryDir hogar, programa;
    const QString terminal = TerminalEn(programa.path(), portatil);
    QCOMPARE(Jugar(terminal, hogar.path(), {"--sudoku", SudokuFacil}, "ks4").value(0), QString("Escritura directa activada"));
    const Lugares ventana = LugaresDe(programa.path(), hogar.path() + "/.local/share/novaro");
    QVERIFY(QFile::exists(ventana.partidas + "/NovaroEnCurso.sav"));
    QVERIFY(!QDir(hogar.path() + "/.local/share/novaro").exists());
}

// From one folder, as from the build folder: a digit written in the terminal is on the
// window's board at its next start, said as brought back, and the other way round.
void TestTerminal::partidaEnCursoCompartida()
{
    QTemporaryDir hogar, programa;
    const QString terminal = TerminalEn(programa.path(), true);
    // Direct entry, S to the first empty cell, a digit.
    const QStringList dichas = Jugar(terminal, hogar.path(), {"--sudoku", SudokuFacil, "--nueva"}, "ks4");
    QCOMPARE(dichas.size(), 3);
    const QString lugar = dichas[1];
    QVERIFY2(lugar.startsWith("Fila "), qPrintable(lugar));
    const int escrita = (lugar.mid(5, 1).toInt() - 1) * 9 + lugar.mid(16, 1).toInt() - 1;
    int otra = -1;
    {
        VentanaPrueba v(2, std::nullopt, programa.path());
        QCOMPARE(v.Celda(escrita), QString("4"));
        AvisoAlLlegarElLector(v, "Partida recuperada");
        if (QTest::currentTestFailed()) return;
        for (otra = 80; v.f->Estado.Originales[otra] || otra == escrita;) --otra;
        v.Cursor(otra / 9, otra % 9);
        QTest::keyClick(v.f->Picture1, Qt::Key_Return);
        QTest::keyClick(v.f->Picture1, Qt::Key_7);
        QTest::keyClick(v.f->Picture1, Qt::Key_Return);
        QCOMPARE(v.Celda(otra), QString("7"));
    }
    // Control+T: the board as nine lines, after the greeting and the word that it came back.
    const QStringList tablero = Jugar(terminal, hogar.path(), {}, "\x14");
    QCOMPARE(tablero.value(0), QString("Partida recuperada"));
    QVERIFY2(tablero.size() >= 10, qPrintable(tablero.join(" | ")));
    const QString fila = tablero[1 + otra / 9];
    QVERIFY2(fila.contains('7'), qPrintable(fila));
    QVERIFY2(tablero[1 + escrita / 9].contains('4'), qPrintable(tablero[1 + escrita / 9]));
}

QTEST_MAIN(TestTerminal)
#include "tst_terminal.moc"

void TestTerminal::sudokuDelDiaComoLaVentana_data()
{
    QTest::addColumn<QByteArray>("fecha");
    QTest::addColumn<QString>("dados");
    QTest::addColumn<QString>("dicho");
    // The givens the engine made once for these dates; the core's tests check the same.
    QTest::newRow("a Wednesday") << QByteArray("2026-12-09")
        << "...56....82...7..............4.5.21...2.9..6.7.82...9....8.43..1..9..52..3......." << "9 de diciembre: Intermedio";
    QTest::newRow("a Sunday") << QByteArray("2026-12-13")
        << "......2..3.......9.81.93....9.53.64....46..5......7.9..683.....1.4..6..8..5...47." << "13 de diciembre: Maestro";
    QTest::newRow("a Monday") << QByteArray("2027-03-01")
        << ".....8.6.2.1......8..3.9..2.3..4......4..7.8.......9...86.3..94.....5.....7.825.." << "1 de marzo: Sencillo";
}

// novaro-terminal --dia and the window's Día menu deal the same 81 cells on the same day.
void TestTerminal::sudokuDelDiaComoLaVentana()
{
    QFETCH(QByteArray, fecha);
    QFETCH(QString, dados);
    QFETCH(QString, dicho);
    const QString anuncio = QStringLiteral("Sudoku del día, %1, %2 números dados").arg(dicho).arg(dados.count(QRegularExpression("[1-9]")));
    qputenv("NOVARO_HOY", fecha);
    {
        VentanaPrueba v(1);
        v.f->MnuDiaN[0]->trigger();
        QTRY_VERIFY(!v.dichos.isEmpty());
        QCOMPARE(v.dichos.last(), anuncio);
        QString enVentana;
        for (int i = 0; i < 81; ++i) enVentana += v.f->Estado.Originales[i] ? v.Celda(i) : QStringLiteral(".");
        QCOMPARE(enVentana, dados);
    }
    QTemporaryDir hogar, programa;
    QStringList lineas = Jugar(TerminalEn(programa.path()), hogar.path(), {"--dia", "--idioma", "es"}, "\x14");   // Control+T: the board
    qunsetenv("NOVARO_HOY");
    QCOMPARE(lineas.size(), 10);
    QCOMPARE(lineas.takeFirst(), anuncio);
    QString enTerminal;
    for (const QString& l : lineas.mid(0, 9)) enTerminal += QString(l).remove(QRegularExpression("[\\[\\]| *]")).replace('-', '.');
    QCOMPARE(enTerminal, dados);
}
