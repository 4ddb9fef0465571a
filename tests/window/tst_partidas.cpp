// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calificacion.h"
#include "Archivos.h"
#include "FormatoMarcas.h"
#include "Lugares.h"
#include "PartidaEnCurso.h"
#include "Ranuras.h"
#include "SudokusPrueba.h"
#include <QClipboard>
#include "Notas.h"
#include "VentanaPrueba.h"

namespace {

// Saves through the save button's popup, as a player would.
void Guardar(VentanaPrueba& v, int n)
{
    v.ElegirTrasBoton(v.f->Command4, QStringLiteral("Partida %1").arg(n));
}

void Cargar(VentanaPrueba& v, int n)
{
    v.ElegirTrasBoton(v.f->Command5, QStringLiteral("Partida %1").arg(n));
}

QByteArray Linea(const QByteArray& letra, bool dado, bool provisional, const QByteArray& texto)
{
    return "\"" + letra + "\"," + (dado ? "#TRUE#" : "#FALSE#") + "," + (provisional ? "#TRUE#" : "#FALSE#") +
           ",\"" + texto + "\"\r\n";
}

// A slot written by hand: solution row r = digits rotated by r, given where (r + c) % 4 == 0.
QByteArray ArchivoAMano(bool letrasPorColumnas)
{
    QByteArray a = "#FALSE#\r\n";
    for (int k = 0; k < 81; ++k) {
        const int r = letrasPorColumnas ? k % 9 : k / 9, c = letrasPorColumnas ? k / 9 : k % 9;
        const int digito = (r * 3 + r / 3 + c) % 9 + 1;
        const int fr = k / 9, fc = k % 9;
        const bool dado = (fr + fc) % 4 == 0;
        const QByteArray texto = dado ? QByteArray::number((fr * 3 + fr / 3 + fc) % 9 + 1) : QByteArray("-");
        a += Linea(QByteArray(1, char('A' + digito)), dado, k == 5, texto);
    }
    return a;
}

int Digito(int r, int c) { return (r * 3 + r / 3 + c) % 9 + 1; }

QByteArray Contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// What a window shows of its game, to compare two windows.
struct Vista {
    QStringList textos;
    QStringList descripciones;   // what a screen reader adds to each cell's name
    std::array<bool, 81> originales{}, provisionales{}, bloqueadas{};
    std::array<uint16_t, 81> notas{};
    int cursor = 0;
    bool operator==(const Vista&) const = default;
};

Vista VistaDe(const VentanaPrueba& v)
{
    Vista w;
    for (int i = 0; i < 81; ++i) {
        w.textos << v.Celda(i);
        w.descripciones << v.f->Text1[i]->accessibleDescription();
        w.originales[i] = v.f->Estado.Originales[i];
        w.provisionales[i] = v.f->Estado.Provisionales[i];
        w.bloqueadas[i] = v.f->Text1[i]->isReadOnly();
        w.notas[i] = v.f->Estado.Notas[i];
    }
    w.cursor = v.EnCursor();
    return w;
}


// The first deal of seed 2 in a folder of its own: the designed start.
Vista DisenadaDeSemilla2()
{
    VentanaPrueba v(2);
    return VistaDe(v);
}

} // namespace

class TestPartidas : public QObject {
    Q_OBJECT
private slots:
    void idaYVuelta();
    void sudokuImportado();
    void archivoEscritoAMano_data();
    void archivoEscritoAMano();
    void archivosDanados_data();
    void archivosDanados();
    void lugares_data();
    void lugares();
    void conservada_data();
    void conservada();
    void conservadaDanada_data();
    void conservadaDanada();
    void ajustesConservados();
    void porDificultad();
    void sudokuDelDia();
    void marcasDanadas();
};

void TestPartidas::idaYVuelta()
{
    VentanaPrueba v;
    const QStringList textos{"-", "1 o 2", "", QString(300, QLatin1Char('7')), "ñandú €", "di \"hola\"", "a,b"};
    int k = 0;
    for (int i = 0; i < 81 && k < textos.size(); ++i)
        if (!v.f->Estado.Originales[i]) v.f->Text1[i]->setText(textos[k++]);
    v.f->Estado.Provisionales[3] = v.f->Estado.Provisionales[77] = true;
    v.f->Estado.SonidoActivo = false;
    for (int i = 80, notadas = 0; notadas < 2; --i)
        if (v.Celda(i) == "-" && !v.f->Estado.Originales[i]) CambiarNota(v.f->Estado, *v.f, static_cast<int16_t>(i), 4 + notadas++);
    const auto estado = v.f->Estado;
    QStringList antes;
    for (Casilla* c : v.f->Text1) antes << c->text();
    Guardar(v, 2);
    QVERIFY(v.mensajes.isEmpty());   // a good save shows no box, it is only spoken
    QCOMPARE(v.dichos.last(), QString("Partida guardada en el lugar 2"));
    QCOMPARE(QFile(v.carpeta.filePath("Novaro2.sav")).size() > 0, true);

    // Another game, level, cursor and write mode; the load brings back only the game.
    QTest::mouseClick(v.f->Command2, Qt::LeftButton);
    v.f->MnuN[3]->trigger();
    v.f->Estado.SonidoActivo = true;
    v.Cursor(6, 2);
    v.f->Estado.ModoEscritura = true;
    v.f->Picture1->setFocus();
    Cargar(v, 2);
    QVERIFY(v.mensajes.isEmpty());
    QCOMPARE(v.dichos.last(), QString("Partida cargada del lugar 2"));
    QStringList despues;
    for (Casilla* c : v.f->Text1) despues << c->text();
    QCOMPARE(despues, antes);
    QCOMPARE(v.f->Estado.Solucion, estado.Solucion);
    QCOMPARE(v.f->Estado.Originales, estado.Originales);
    QCOMPARE(v.f->Estado.Provisionales, estado.Provisionales);
    QCOMPARE(v.f->Estado.Notas, estado.Notas);
    for (int i = 0; i < 81; ++i) QCOMPARE(v.f->Text1[i]->Notas(), estado.Notas[i]);
    QVERIFY(!v.f->Estado.SonidoActivo);
    QCOMPARE(v.f->Estado.Nivel, int16_t(3));
    QCOMPARE(v.EnCursor(), 6 * 9 + 2);
    QVERIFY(v.f->Estado.ModoEscritura);
    QVERIFY(v.f->Command5->hasFocus());   // the load does not move the focus
    // Every cell painted and locked from its loaded flags at once.
    for (int i = 0; i < 81; ++i) {
        QCOMPARE(v.f->Text1[i]->isReadOnly(), bool(estado.Originales[i]));
        QCOMPARE(v.ColorTexto(i), estado.Originales[i] ? QColor(255, 0, 0)
                                  : estado.Provisionales[i] ? QColor(0, 255, 0) : QColor(0, 0, 0));
    }
}

// A puzzle from outside is a game like any other once taken.
void TestPartidas::sudokuImportado()
{
    VentanaPrueba v;
    QGuiApplication::clipboard()->setText(SudokuFacil);
    QTest::keyClick(v.f->Picture1, Qt::Key_I);
    QTest::keyClick(v.f->Picture1, Qt::Key_Right);
    QTest::keyClick(v.f->Picture1, Qt::Key_Right);
    QTest::keyClick(v.f->Picture1, Qt::Key_Return);
    QTest::keyClick(v.f->Picture1, Qt::Key_4);
    QTest::keyClick(v.f->Picture1, Qt::Key_Return);
    const auto estado = v.f->Estado;
    Guardar(v, 5);
    QTest::mouseClick(v.f->Command2, Qt::LeftButton);
    QVERIFY(v.f->Estado.Solucion != estado.Solucion);
    Cargar(v, 5);
    QVERIFY(v.mensajes.isEmpty());
    QCOMPARE(v.f->Estado.Solucion, estado.Solucion);
    QCOMPARE(v.f->Estado.Originales, estado.Originales);
    QString tablero;
    for (Casilla* c : v.f->Text1) tablero += c->text() == "-" ? "." : c->text();
    QCOMPARE(tablero, QString(SudokuFacil).replace(2, 1, "4"));
}

void TestPartidas::archivoEscritoAMano_data()
{
    QTest::addColumn<bool>("porColumnas");
    QTest::addColumn<QByteArray>("notas");   // after the 82 lines; cell 1 is empty, cell 0 a given
    QTest::addColumn<QStringList>("mensajes");
    QTest::newRow("letters column by column, as the game writes") << true << QByteArray() << QStringList{};
    QTest::newRow("letters row by row load transposed") << false << QByteArray() << QStringList{};
    QByteArray notas = "#NOTAS#\r\n,27,,,,,,,\r\n";
    for (int fila = 1; fila < 9; ++fila) notas += ",,,,,,,,\r\n";
    QTest::newRow("with notes") << true << notas << QStringList{};
    QTest::newRow("damaged notes: the game loads without them, and says so once") << true << notas.chopped(12)
        << QStringList{"Las notas de la partida del lugar 4 estaban dañadas. La partida se ha cargado sin notas."};
}

void TestPartidas::archivoEscritoAMano()
{
    QFETCH(bool, porColumnas);
    QFETCH(QByteArray, notas);
    QFETCH(QStringList, mensajes);
    VentanaPrueba v;
    QFile f(v.carpeta.filePath("Novaro4.sav"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ArchivoAMano(porColumnas) + notas);
    f.close();
    v.f->Command3_Click();
    Cargar(v, 4);
    QCOMPARE(v.mensajes, mensajes);
    const uint16_t notasDe1 = notas.isEmpty() || !mensajes.isEmpty() ? 0 : BitNota(2) | BitNota(7);
    QCOMPARE(v.f->Estado.Notas[1], notasDe1);
    QCOMPARE(v.f->Text1[1]->Notas(), notasDe1);
    QVERIFY(v.f->Command1->isEnabled() && v.f->Command4->isEnabled());
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            QCOMPARE(int(v.f->Estado.Solucion[r][c]), porColumnas ? Digito(r, c) : Digito(c, r));
    QVERIFY(v.f->Estado.Provisionales[5]);
    QVERIFY(v.f->Estado.Originales[0] && v.f->Estado.Originales[4] && !v.f->Estado.Originales[1]);
    QCOMPARE(v.Celda(1), QString("-"));
    QVERIFY(!v.f->Estado.SonidoActivo);

    // Saved again unchanged, the game writes back the very same bytes.
    if (porColumnas) {
        Guardar(v, 6);
        QFile a(v.carpeta.filePath("Novaro6.sav"));
        QVERIFY(a.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), ArchivoAMano(true) + (mensajes.isEmpty() ? notas : QByteArray()));
    }
}

void TestPartidas::archivosDanados_data()
{
    QTest::addColumn<QByteArray>("contenido");
    const QByteArray bueno = ArchivoAMano(true);
    QByteArray corto;
    for (const QByteArray& l : bueno.split('\n').mid(0, 40)) corto += l + "\n";
    QByteArray letraA = bueno, letraK = bueno, quizas = bueno;
    letraA.replace("\"B\"", "\"A\"");
    letraK.replace("\"C\"", "\"K\"");
    quizas.replace(bueno.indexOf("#TRUE#"), 6, "#MAYBE#");
    QByteArray basura(4096, '\0');
    for (int i = 0; i < basura.size(); ++i) basura[i] = char((i * 7919) % 256);
    QTest::newRow("cut after 40 lines") << corto;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary junk") << basura;
    QTest::newRow("letter A") << letraA;
    QTest::newRow("letter K") << letraK;
    QTest::newRow("flag #MAYBE#") << quizas;
    QTest::newRow("one huge line") << QByteArray(9 * 1024 * 1024, 'x');
}

void TestPartidas::archivosDanados()
{
    QFETCH(QByteArray, contenido);
    VentanaPrueba v;
    v.f->MnuN[0]->trigger();   // the new game comes at the level in force
    QFile f(v.carpeta.filePath("Novaro7.sav"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenido);
    f.close();
    v.f->Command3_Click();
    Cargar(v, 7);
    QCOMPARE(v.mensajes, QStringList{"Error al cargar: se creará un nuevo novaro"});
    int dados = 0;
    for (int i = 0; i < 81; ++i) {
        dados += v.f->Estado.Originales[i];
        QVERIFY(v.f->Estado.Solucion[i / 9][i % 9] >= 1 && v.f->Estado.Solucion[i / 9][i % 9] <= 9);
    }
    QCOMPARE(dados, 27);
    QVERIFY(v.f->Command1->isEnabled() && v.f->Command4->isEnabled());
    QVERIFY(v.f->Picture1->hasFocus());
    Guardar(v, 7);   // a later save works
    QCOMPARE(v.mensajes.size(), 1);
    Cargar(v, 7);
    QCOMPARE(v.mensajes.size(), 1);
}

void TestPartidas::lugares_data()
{
    QTest::addColumn<QStringList>("archivos");   // the program's folder is bin/
    QTest::addColumn<bool>("instalado");         // data and library from the install tree
    QTest::addColumn<bool>("delJugador");        // slots in the player's folder
    const QString onda = "/CambioTablero.wav", datos = QString("bin/") + DatosInstalados.data();
    const QString marca = QString("bin/") + MarcaInstalada.data();
    QTest::newRow("build folder") << QStringList{"bin" + onda} << false << false;
    QTest::newRow("install tree") << QStringList{datos + onda} << true << true;
    QTest::newRow("portable copy in an install tree's bin") << QStringList{"bin" + onda, datos + onda} << false << false;
    QTest::newRow("a lone program plays silent, slots beside it") << QStringList{"bin/novaro"} << false << false;
    QTest::newRow("one folder with the installer's mark") << QStringList{"bin" + onda, marca} << false << true;
    QTest::newRow("the mark wins over an install tree") << QStringList{marca, datos + onda} << false << true;
}

void TestPartidas::lugares()
{
    QFETCH(QStringList, archivos);
    QFETCH(bool, instalado);
    QFETCH(bool, delJugador);
    QTemporaryDir raiz;
    for (const QString& a : archivos) {
        const QString ruta = QDir::cleanPath(raiz.filePath(a));
        QVERIFY(QDir().mkpath(QFileInfo(ruta).path()) && QFile(ruta).open(QIODevice::WriteOnly));
    }
    const QString programa = raiz.filePath("bin"), jugador = raiz.filePath("casa/novaro");
    const Lugares l = LugaresDe(programa, jugador);
    QCOMPARE(l.datos, instalado ? QDir::cleanPath(programa + '/' + DatosInstalados.data()) : programa);
    QCOMPARE(l.bibliotecas, instalado ? QDir::cleanPath(programa + '/' + BibliotecasInstaladas.data()) : programa);
    QCOMPARE(l.partidas, delJugador ? jugador : programa);
}


void TestPartidas::conservada_data()
{
    QTest::addColumn<QString>("fin");        // how the first run's game ended
    QTest::addColumn<bool>("recuperada");
    QTest::newRow("closed in play") << "jugando" << true;
    QTest::newRow("revealed") << "revelada" << false;
    QTest::newRow("every cell right") << "terminada" << false;
    QTest::newRow("in play, started with --nueva") << "nueva" << false;
}

// The game in play outlives the window; the slots never notice.
void TestPartidas::conservada()
{
    QFETCH(QString, fin);
    QFETCH(bool, recuperada);
    QTemporaryDir dir;
    const QString ranura = RutaRanura(dir.path(), 3);
    Vista dejada;
    QByteArray guardada;
    {
        VentanaPrueba v(1, std::nullopt, dir.path());
        Guardar(v, 3);
        guardada = Contenido(ranura);
        std::vector<int> vacias;
        for (int i = 0; i < 81 && vacias.size() < 2; ++i)
            if (!v.f->Estado.Originales[i]) vacias.push_back(i);
        v.Cursor(vacias[0] / 9, vacias[0] % 9);
        QTest::keyClicks(v.f->Picture1, "k5");                  // direct entry
        QTest::keyClick(v.f->Picture1, Qt::Key_Control);         // provisional
        v.Cursor(vacias[1] / 9, vacias[1] % 9);
        QTest::keyClicks(v.f->Picture1, "l3");                  // a note
        QTest::keyClick(v.f->Picture1, Qt::Key_Down);
        if (fin == "revelada") v.f->Command3_Click();
        if (fin == "terminada")
            for (int16_t i = 0; i < 81; ++i)
                v.f->PonerTexto(i, std::to_string(v.f->Estado.Solucion[i / 9][i % 9]));
        dejada = VistaDe(v);
    }
    VentanaPrueba w(2, std::nullopt, dir.path(), fin == "nueva");
    if (recuperada) {
        QCOMPARE(VistaDe(w), dejada);
        QVERIFY(w.f->Seleccionada(dejada.cursor));
        AvisoAlLlegarElLector(w, "Partida recuperada");
        if (QTest::currentTestFailed()) return;
        QVERIFY(w.f->Estado.EscrituraDirecta && w.f->Estado.ModoNotas);   // the switches came back with it
        QCOMPARE(w.f->Estado.Cambios.Pasos(), size_t(0));
    } else {
        QVERIFY(VistaDe(w) == DisenadaDeSemilla2());
        QCOMPARE(w.dichos, QStringList{});
        QCOMPARE(w.Linea(), QString("Pulse F1 para ayuda"));
        QCOMPARE(w.f->Estado.EscrituraDirecta, fin != "nueva");
    }
    QCOMPARE(Contenido(ranura), guardada);
}

void TestPartidas::conservadaDanada_data()
{
    QTest::addColumn<QString>("dano");
    for (const char* d : {"cut in half", "empty", "binary junk", "huge", "another version", "cursor 81",
                          "a slot, not a kept game", "notes cut"})
        QTest::newRow(d) << QString(d);
}

// A kept game that cannot be read gives the designed start, once said, and is set aside whole.
void TestPartidas::conservadaDanada()
{
    QFETCH(QString, dano);
    QTemporaryDir dir;
    const QString ruta = RutaPartidaEnCurso(dir.path());
    {
        VentanaPrueba v(1, std::nullopt, dir.path());
        int vacia = 0;
        while (v.f->Estado.Originales[vacia]) ++vacia;
        v.Cursor(vacia / 9, vacia % 9);
        QTest::keyClicks(v.f->Picture1, "l3");   // a note, for the notes' lines
        v.Cursor(0, 0);
    }
    QByteArray bytes = Contenido(ruta);
    QVERIFY(bytes.startsWith("NOVARO partida en curso 1\r\ncursor=0\r\n"));
    if (dano == "cut in half") bytes.truncate(bytes.size() / 2);
    else if (dano == "empty") bytes.clear();
    else if (dano == "binary junk") for (int i = 0; i < bytes.size(); ++i) bytes[i] = char((i * 7919) % 256);
    else if (dano == "huge") bytes += QByteArray(9 * 1024 * 1024, ' ');
    else if (dano == "another version") bytes.replace("en curso 1", "en curso 2");
    else if (dano == "cursor 81") bytes.replace("cursor=0", "cursor=81");
    else if (dano == "a slot, not a kept game") bytes = bytes.mid(bytes.indexOf('#'));
    else if (dano == "notes cut") bytes.chop(20);
    {
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    VentanaPrueba w(2, std::nullopt, dir.path());
    QVERIFY(VistaDe(w) == DisenadaDeSemilla2());
    AvisoAlLlegarElLector(w, "No se ha podido recuperar la última partida. Empieza un juego nuevo.");
    if (QTest::currentTestFailed()) return;
    const QStringList apartadas = QDir(dir.path()).entryList({"NovaroEnCurso.sav.danada-*"});
    QCOMPARE(apartadas.size(), 1);
    QVERIFY(Contenido(dir.filePath(apartadas[0])) == bytes);
}

// Every switch and menu choice comes back at the next start; an unusable place costs nothing.
void TestPartidas::ajustesConservados()
{
    QTemporaryDir dir;
    {
        VentanaPrueba v(1, std::nullopt, dir.path());
        v.f->MnuN[3]->trigger();
        v.f->MnuTamN[6]->trigger();
        v.f->Picture1->setFocus();
        for (Qt::Key k : {Qt::Key_F8, Qt::Key_F9, Qt::Key_O, Qt::Key_E, Qt::Key_U, Qt::Key_L, Qt::Key_K})
            QTest::keyClick(v.f->Picture1, k);
    }
    VentanaPrueba w(1, std::nullopt, dir.path());
    const EstadoJuego& e = w.f->Estado;
    QCOMPARE(e.Nivel, int16_t(3));
    QVERIFY(w.f->MnuN[3]->isChecked() && !w.f->MnuN[7]->isChecked());
    QVERIFY(w.f->MnuTamN[6]->isChecked() && !w.f->MnuTamN[1]->isChecked());
    QCOMPARE(w.f->Text1[40]->font().pointSize(), 9);
    QVERIFY(w.f->TbPorta->isHidden());
    QVERIFY(!e.SonidoActivo && e.AvisoOriginal && e.AvisoRepetido && e.SolucionUnica && e.ModoNotas && e.EscrituraDirecta);

    // A settings file where no folder can be made: defaults, and play goes on.
    QFile bloqueo(dir.filePath("archivo"));
    QVERIFY(bloqueo.open(QIODevice::WriteOnly));
    bloqueo.close();
    Form1::Opciones o;
    o.reproductor = std::make_unique<ReproductorPrueba>();
    o.azar = std::make_unique<Aleatorio>(1);
    o.directorio = dir.path();
    o.ajustes = dir.filePath("archivo/novaro/novaro.ini");
    {
        Form1 f(std::move(o));
        QCOMPARE(f.Estado.Nivel, int16_t(7));
        QTest::keyClick(f.Picture1, Qt::Key_K);
        f.ConservarYa();
    }
    QVERIFY(!QFileInfo::exists(dir.filePath("archivo/novaro/novaro.ini")));
}

// B round the kinds, a deal of the kind chosen heard once, G naming it, and the
// kind kept: the next start deals one of it. Whether a deal was made ahead or on
// the spot depends on the idle thread, so both must sound the same.
void TestPartidas::porDificultad()
{
    QTemporaryDir dir;
    {
        VentanaPrueba v(1, std::nullopt, dir.path());
        v.f->Picture1->setFocus();
        const QStringList nombres{"Sencillo", "Intermedio", "Avanzado", "Experto", "Maestro", "Por nivel"};
        for (int k = 0; k < nombres.size(); ++k) {
            QTest::keyClick(v.f->Picture1, Qt::Key_B);
            QCOMPARE(v.dichos.last(), "Dificultad: " + nombres[k]);
            QVERIFY(v.f->MnuD[(k + 1) % 6]->isChecked() && !v.f->MnuD[k]->isChecked());
        }
        v.f->MnuD[1]->trigger();
        QCOMPARE(v.f->Estado.DificultadElegida, Dificultad::Sencillo);
        for (int n = 0; n < 2; ++n) {   // the first may be made on the spot, the second is ready
            v.dichos.clear();
            v.f->Command2->click();
            QTRY_COMPARE(v.dichos.size(), 1);
            const EstadoJuego& e = v.f->Estado;
            const auto dados = std::count(e.Originales.begin(), e.Originales.end(), true);
            QCOMPARE(v.dichos[0], QString("Sudoku Sencillo, %1 números dados").arg(dados));
            QCOMPARE(DificultadDe(Calificar(DadosDe(e))), Dificultad::Sencillo);
            QCOMPARE(e.CasillaActual, int16_t(0));
        }
        QTest::keyClick(v.f->Picture1, Qt::Key_G);
        QVERIFY2(v.dichos.last().startsWith("Sudoku Sencillo. Dificultad: fácil"), qPrintable(v.dichos.last()));
        v.f->MnuD[0]->trigger();
        v.f->Command2->click();
        QCOMPARE(v.dichos.last(), QString("Nuevo juego"));
        QCOMPARE(std::count(v.f->Estado.Originales.begin(), v.f->Estado.Originales.end(), true), 34);
        v.f->MnuD[4]->trigger();
    }
    QVERIFY(QFile::remove(RutaPartidaEnCurso(dir.path())));
    VentanaPrueba w(1, std::nullopt, dir.path());
    QVERIFY(w.f->MnuD[4]->isChecked());
    QCOMPARE(DificultadDe(Calificar(DadosDe(w.f->Estado))), Dificultad::Experto);
}

// The Día menu deals the same board as every front end for the date, says it, and the
// win is heard with the streak and kept in the record beside the settings.
void TestPartidas::sudokuDelDia()
{
    qputenv("NOVARO_HOY", "2026-12-13");
    QTemporaryDir dir;
    {
        VentanaPrueba v(1, std::nullopt, dir.path());
        QCOMPARE(v.f->MnuB.size(), qsizetype(6));   // the Botonera keeps its designed items
        v.f->MnuDiaN[0]->trigger();
        QTRY_VERIFY(!v.dichos.isEmpty());
        QString dados;
        for (int i = 0; i < 81; ++i) dados += v.f->Estado.Originales[i] ? v.Celda(i) : QStringLiteral(".");
        // Made once by the engine; the terminal and the core check the same givens.
        QCOMPARE(dados, QString("......2..3.......9.81.93....9.53.64....46..5......7.9..683.....1.4..6..8..5...47."));
        QCOMPARE(v.dichos.last(), QString("Sudoku del día, 13 de diciembre: Maestro, %1 números dados").arg(dados.count(QRegularExpression("[1-9]"))));
        QTest::keyClick(v.f->Picture1, Qt::Key_Y);
        QVERIFY2(v.dichos.last().endsWith("segundos. Racha: 0 días"), qPrintable(v.dichos.last()));
        // Every digit by write mode, as a player types it.
        for (int i = 0; i < 81; ++i) {
            if (v.f->Estado.Originales[i]) continue;
            v.Cursor(i / 9, i % 9);
            QTest::keyClick(v.f->Picture1, Qt::Key_Return);
            QTest::keyClicks(v.f->Picture1, QString::number(v.f->Estado.Solucion[i / 9][i % 9]));
            QTest::keyClick(v.f->Picture1, Qt::Key_Return);
        }
        QVERIFY2(v.dichos.last().contains("Sudoku del día resuelto en ") && v.dichos.last().endsWith("sin pistas. Racha: 1 día"),
                 qPrintable(v.dichos.last()));
        QTest::keyClick(v.f->Picture1, Qt::Key_X);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("NOVARO, sudoku del 13 de diciembre de 2026 (Maestro): "));
        v.f->MnuDiaN[0]->trigger();
        QTRY_COMPARE(v.dichos.last(), QString("El sudoku de hoy ya está resuelto. Sigue la partida en juego"));
    }
    const std::optional<Marcas> marcas = DecodificarMarcas(VerBytes(Contenido(dir.filePath("NovaroDias.txt"))));
    QVERIFY(marcas);
    QCOMPARE(marcas->resueltos, 1);
    QVERIFY(marcas->ultimo == (Fecha{2026, 12, 13}));
    qunsetenv("NOVARO_HOY");
}

// A record that cannot be read is set aside whole, said once, and a fresh one starts;
// the game in play is not touched.
void TestPartidas::marcasDanadas()
{
    QTemporaryDir dir;
    const QByteArray basura = "NOVARO sudokus del dia 1\nresueltos=cinco\n";
    {
        QFile f(dir.filePath("NovaroDias.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(basura);
    }
    VentanaPrueba v(2, std::nullopt, dir.path());
    QVERIFY(VistaDe(v) == DisenadaDeSemilla2());
    AvisoAlLlegarElLector(v, "El registro de los sudokus del día estaba dañado: se ha apartado y empieza uno nuevo.");
    if (QTest::currentTestFailed()) return;
    const QStringList apartadas = QDir(dir.path()).entryList({"NovaroDias.txt.danada-*"});
    QCOMPARE(apartadas.size(), 1);
    QCOMPARE(Contenido(dir.filePath(apartadas[0])), basura);
    v.f->MnuDiaN[1]->trigger();
    QTRY_COMPARE(v.dichos.last(), QString("Todavía no ha resuelto ningún sudoku del día"));
}

QTEST_MAIN(TestPartidas)
#include "tst_partidas.moc"
