// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lugares.h"
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
    const QString onda = "/CambioTablero.wav", datos = QString("bin/") + DatosInstalados;
    const QString marca = QString("bin/") + MarcaInstalada;
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
    QCOMPARE(l.datos, instalado ? QDir::cleanPath(programa + '/' + DatosInstalados) : programa);
    QCOMPARE(l.bibliotecas, instalado ? QDir::cleanPath(programa + '/' + BibliotecasInstaladas) : programa);
    QCOMPARE(l.partidas, delJugador ? jugador : programa);
}

QTEST_MAIN(TestPartidas)
#include "tst_partidas.moc"
