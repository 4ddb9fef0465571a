// SPDX-License-Identifier: GPL-3.0-or-later
#include "Contador.h"
#include "SudokusPrueba.h"
#include "VentanaPrueba.h"
#include <QClipboard>
#include <QMimeData>

namespace {

using Celdas = QList<QPair<int, QChar>>;

// An empty board with a few cells set (see VentanaPrueba::Tablero for the letters).
QString Con(const Celdas& celdas)
{
    QString t(81, QLatin1Char('-'));
    for (const auto& [i, c] : celdas) t[i] = c;
    return t;
}

const QString resuelto = "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
// One solution; the player has written the lower-case digits.
const QString unica = "--526371hcb-----e987--5-----6--3-5-7ge8f-4---21ce-7---a8---53--6c7-4-9-ee-2c-f---";

QTestEventList Teclas(std::initializer_list<Qt::Key> teclas, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QTestEventList l;
    for (Qt::Key k : teclas) l.addKeyClick(k, mod);
    return l;
}

} // namespace

class TestTeclado : public QObject {
    Q_OBJECT
private slots:
    void movimientos_data();
    void movimientos();
    void anuncios_data();
    void anuncios();
    void escritura_data();
    void escritura();
    void lecturas_data();
    void lecturas();
    void interruptores_data();
    void interruptores();
    void saltos_data();
    void saltos();
    void dificultad_data();
    void dificultad();
    void importar_data();
    void importar();
    void copiar();
    void copiadoYPegadoDaLosMismosDados();
    void foco();
    void lugarYSonidosDelJuego();
    void pistaQuePiensa_data();
    void pistaQuePiensa();
    void caracteresDeControlNuncaLleganALaCelda();
};

void TestTeclado::movimientos_data()
{
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("columna");
    QTest::addColumn<QTestEventList>("teclas");
    QTest::addColumn<int>("casilla");
    QTest::addColumn<int>("pitidos");
    QTest::addColumn<int>("sonidos");   // panel crossings heard
    QTest::addColumn<bool>("sonidoActivo");

    QTest::newRow("Left at column 0") << 3 << 0 << Teclas({Qt::Key_Left}) << 27 << 1 << 0 << true;
    QTest::newRow("Right at column 8") << 3 << 8 << Teclas({Qt::Key_Right}) << 35 << 1 << 0 << true;
    QTest::newRow("Up at row 0") << 0 << 4 << Teclas({Qt::Key_Up}) << 4 << 1 << 0 << true;
    QTest::newRow("Down at row 8") << 8 << 4 << Teclas({Qt::Key_Down}) << 76 << 1 << 0 << true;
    QTest::newRow("Right from column 2 to 3") << 0 << 2 << Teclas({Qt::Key_Right}) << 3 << 0 << 1 << true;
    QTest::newRow("Right from column 3 to 4") << 0 << 3 << Teclas({Qt::Key_Right}) << 4 << 0 << 0 << true;
    QTest::newRow("Right from column 5 to 6") << 0 << 5 << Teclas({Qt::Key_Right}) << 6 << 0 << 1 << true;
    QTest::newRow("Left from column 6 to 5") << 0 << 6 << Teclas({Qt::Key_Left}) << 5 << 0 << 1 << true;
    QTest::newRow("Left from column 3 to 2") << 0 << 3 << Teclas({Qt::Key_Left}) << 2 << 0 << 1 << true;
    QTest::newRow("Left from column 4 to 3") << 0 << 4 << Teclas({Qt::Key_Left}) << 3 << 0 << 0 << true;
    QTest::newRow("Down from row 5 to 6") << 5 << 0 << Teclas({Qt::Key_Down}) << 54 << 0 << 1 << true;
    QTest::newRow("Down from row 2 to 3") << 2 << 0 << Teclas({Qt::Key_Down}) << 27 << 0 << 1 << true;
    QTest::newRow("Up from row 6 to 5") << 6 << 0 << Teclas({Qt::Key_Up}) << 45 << 0 << 1 << true;
    QTest::newRow("Up from row 3 to 2") << 3 << 0 << Teclas({Qt::Key_Up}) << 18 << 0 << 1 << true;
    QTest::newRow("Up from row 4 to 3") << 4 << 0 << Teclas({Qt::Key_Up}) << 27 << 0 << 0 << true;
    QTest::newRow("Right along a whole row") << 0 << 0 << Teclas({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
        Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}) << 8 << 1 << 2 << true;
    QTest::newRow("Home from column 7") << 2 << 7 << Teclas({Qt::Key_Home}) << 18 << 0 << 0 << true;
    QTest::newRow("Home at column 0") << 2 << 0 << Teclas({Qt::Key_Home}) << 18 << 1 << 0 << true;
    QTest::newRow("End from column 1") << 2 << 1 << Teclas({Qt::Key_End}) << 26 << 0 << 0 << true;
    QTest::newRow("End at column 8") << 2 << 8 << Teclas({Qt::Key_End}) << 26 << 1 << 0 << true;
    QTest::newRow("Page Down from row 4 in column 6") << 4 << 6 << Teclas({Qt::Key_PageDown}) << 78 << 0 << 0 << true;
    QTest::newRow("Page Down at row 8") << 8 << 6 << Teclas({Qt::Key_PageDown}) << 78 << 1 << 0 << true;
    QTest::newRow("Page Up from row 7") << 7 << 1 << Teclas({Qt::Key_PageUp}) << 1 << 0 << 0 << true;
    QTest::newRow("Page Up at row 0") << 0 << 1 << Teclas({Qt::Key_PageUp}) << 1 << 1 << 0 << true;
    QTest::newRow("Shift+Left moves as Left") << 0 << 3 << Teclas({Qt::Key_Left}, Qt::ShiftModifier) << 2 << 0 << 1 << true;
    QTest::newRow("Control+Right moves as Right") << 0 << 5 << Teclas({Qt::Key_Right}, Qt::ControlModifier) << 6 << 0 << 1 << true;
    QTest::newRow("crossing with the sound off") << 0 << 2 << Teclas({Qt::Key_Right}) << 3 << 0 << 1 << false;
    QTest::newRow("refused with the sound off") << 0 << 0 << Teclas({Qt::Key_Left}) << 0 << 1 << 0 << false;
    QTest::newRow("S with no empty cell beeps") << 3 << 3 << Teclas({Qt::Key_S}) << 30 << 1 << 0 << true;
    QTest::newRow("Z with nothing to undo beeps") << 3 << 3 << Teclas({Qt::Key_Z}) << 30 << 1 << 0 << true;
    QTest::newRow("keypad End, NumLock off, notes mode off: End") << 2 << 1 << Teclas({Qt::Key_End}, Qt::KeypadModifier)
        << 26 << 0 << 0 << true;
}

void TestTeclado::movimientos()
{
    QFETCH(int, fila);
    QFETCH(int, columna);
    QFETCH(QTestEventList, teclas);
    QFETCH(int, casilla);
    QFETCH(int, pitidos);
    QFETCH(int, sonidos);
    QFETCH(bool, sonidoActivo);
    VentanaPrueba v;
    v.Tablero(QString(81, QLatin1Char('5')));   // Control+Right must not beep for the cell under it
    v.Cursor(fila, columna);
    v.f->Estado.SonidoActivo = sonidoActivo;
    teclas.simulate(v.f->Picture1);

    QCOMPARE(v.EnCursor(), casilla);
    QCOMPARE(int(v.f->Estado.FilaActual) * 9 + v.f->Estado.ColumnaActual, casilla);
    QCOMPARE(v.sonido->Pitidos(), pitidos);
    QCOMPARE(int(v.sonido->llamadas.count("2003")), sonidos);
    // The file is named and played only while the sound is on.
    QCOMPARE(int(v.sonido->llamadas.count("2001")), sonidoActivo ? sonidos : 0);
    if (sonidos && sonidoActivo)
        QCOMPARE(v.sonido->llamadas.mid(0, 3),
                 QStringList({"2003", "1026 " + v.carpeta.path() + "/CambioTablero.wav", "2001"}));
    QCOMPARE(v.f->Seleccionada(casilla), pitidos < teclas.size());
    for (int i = 0; i < 81; ++i)
        if (i != casilla) QVERIFY(!v.f->Seleccionada(i));
}

void TestTeclado::anuncios_data()
{
    QTest::addColumn<QString>("tablero");
    QTest::addColumn<bool>("provisional");   // the cell at index 1
    QTest::addColumn<bool>("aviso");
    QTest::addColumn<QString>("texto");      // text of cell 1, when not from the board
    QTest::addColumn<QString>("linea");
    QTest::addColumn<QString>("dicho");

    const QString dado7 = Con({{1, '7'}});
    const QString vacio = Con({});
    QTest::newRow("given 7, notice on") << dado7 << false << true << "" << " O " << "7 O ";
    QTest::newRow("given 7, notice off") << dado7 << false << false << "" << "" << "7";
    QTest::newRow("provisional 1 o 2") << vacio << true << false << "1 o 2" << "1 o 2 P " << "1 o 2 P ";
    QTest::newRow("padded digit") << vacio << false << false << " 5 " << "" << "5";
    QTest::newRow("empty cell") << vacio << false << false << "" << "" << "vacía";
    QTest::newRow("two characters") << vacio << false << false << "12" << "12" << "12";
}

void TestTeclado::anuncios()
{
    QFETCH(QString, tablero);
    QFETCH(bool, provisional);
    QFETCH(bool, aviso);
    QFETCH(QString, texto);
    QFETCH(QString, linea);
    QFETCH(QString, dicho);
    VentanaPrueba v;
    v.Tablero(tablero);
    if (!texto.isEmpty()) v.f->Text1[1]->setText(texto);
    v.f->Estado.Provisionales[1] = provisional;
    v.f->Estado.AvisoOriginal = aviso;
    v.Cursor(0, 0);
    QTest::keyClick(v.f->Picture1, Qt::Key_Right);
    QCOMPARE(v.Linea(), linea);
    QCOMPARE(v.dichos, QStringList{dicho});

    // A repaints and re-reads the cell, without the marks.
    v.dichos.clear();
    QTest::keyClick(v.f->Picture1, Qt::Key_A);
    QCOMPARE(v.Linea(), texto.trimmed().size() > 1 ? texto : QString());
    QCOMPARE(v.dichos, QStringList{dicho.split(" O ").first().split(" P ").first()});
    QVERIFY(v.f->Seleccionada(1));
}

void TestTeclado::escritura_data()
{
    QTest::addColumn<QTestEventList>("teclas");
    QTest::addColumn<QString>("celda");   // text of cell 0 at the end (cell 1 is a given 6)
    QTest::addColumn<QString>("linea");
    QTest::addColumn<bool>("modo");
    QTest::addColumn<QStringList>("dichos");

    auto e = [](const QString& pasos) {
        QTestEventList l;
        for (const QString& p : pasos.split(' ')) {
            if (p == "Enter") l.addKeyClick(Qt::Key_Return);
            else if (p == "Space") l.addKeyClick(Qt::Key_Space, Qt::NoModifier);
            else if (p == "Right") l.addKeyClick(Qt::Key_Right);
            else if (p == "Left") l.addKeyClick(Qt::Key_Left);
            else if (p == "Backspace") l.addKeyClick(Qt::Key_Backspace);
            else if (p == "Delete") l.addKeyClick(Qt::Key_Delete);
            else if (p == "Escape") l.addKeyClick(Qt::Key_Escape);
            else if (p == "F9") l.addKeyClick(Qt::Key_F9);
            else if (p == "KP3") l.addKeyClick(Qt::Key_3, Qt::KeypadModifier);     // NumLock on
            else if (p == "KPEnd") l.addKeyClick(Qt::Key_End, Qt::KeypadModifier); // the 1, NumLock off
            else l.addKeyClicks(p);
        }
        return l;
    };
    const QString activado = "Modo escritura activado", desactivado = "Modo escritura desactivado ";
    const QString noDisponible = "Modo escritura no disponible. Valor original bajo el cursor.   ";
    QTest::newRow("Enter, 5, Enter on an empty cell") << e("Enter 5 Enter") << "5" << desactivado << false
        << QStringList{activado, "5", desactivado};
    QTest::newRow("Enter, Enter stores an empty text") << e("Enter Enter") << "" << desactivado << false
        << QStringList{activado, desactivado};
    QTest::newRow("Enter, 3, Space, 4, Enter") << e("Enter 3 Space 4 Enter") << "4" << desactivado << false
        << QStringList{activado, "3", desactivado, "4", desactivado};
    QTest::newRow("Space also starts write mode") << e("Space 2 Space") << "2" << desactivado << true
        << QStringList{activado, "2", desactivado};
    QTest::newRow("Enter on a given cell") << e("Right Enter") << "-" << noDisponible << false
        << QStringList{"6", noDisponible};
    QTest::newRow("moved onto a given meanwhile: entry lost") << e("Enter 8 Right Enter") << "-" << noDisponible << false
        << QStringList{activado, "8", "6", noDisponible};
    QTest::newRow("12, Backspace, 7, Enter") << e("Enter 12 Backspace") << "-" << "" << true
        << QStringList{activado, "1", "2"};
    QTest::newRow("Backspace then a new entry") << e("Enter 12 Backspace 7 Enter") << "7" << desactivado << false
        << QStringList{activado, "1", "2", "7", desactivado};
    QTest::newRow("Delete in write mode") << e("Enter 9 Delete Enter") << "" << desactivado << false
        << QStringList{activado, "9", desactivado};
    QTest::newRow("digit outside write mode") << e("5") << "-" << "" << false << QStringList{};
    QTest::newRow("long entry with letters") << e("Enter 1 Space") << "1" << desactivado << true
        << QStringList{activado, "1", desactivado};
    QTest::newRow("Escape is not typed") << e("Enter 4 Escape Enter") << "4" << desactivado << false
        << QStringList{activado, "4", desactivado};
    QTest::newRow("F9 replaces the entry") << e("Enter 12 F9 3 Enter") << "Sonido desactivado3" << desactivado << false
        << QStringList{activado, "1", "2", "Sonido desactivado", "3", desactivado};
    QTest::newRow("Delete erases a written cell") << e("Enter 5 Enter Delete") << "-" << "" << false
        << QStringList{activado, "5", desactivado, "vacía"};
    const QString repetido = "Aviso de número repetido activado";
    QTest::newRow("E on: a repeated digit says where") << e("e Enter 6 Enter") << "6" << desactivado << false
        << QStringList{repetido, activado, "6", "Modo escritura desactivado. Repetido en la fila y en el panel"};
    QTest::newRow("E twice: no notice") << e("e e Enter 6 Enter") << "6" << desactivado << false
        << QStringList{repetido, "Aviso de número repetido desactivado", activado, "6", desactivado};
    QTest::newRow("Z takes back an entry") << e("Enter 5 Enter z") << "-"
        << "Deshecho. Fila 1, columna 1, panel superior izquierdo, -" << false
        << QStringList{activado, "5", desactivado, "Deshecho. Fila 1, columna 1, panel superior izquierdo, vacía"};
    QTest::newRow("letters in write mode are typed") << e("Enter zdsqnre Enter") << "zdsqnre" << desactivado << false
        << QStringList{activado, "z", "d", "s", "q", "n", "r", "e", desactivado};
    const QString notas = "Notas activadas";
    QTest::newRow("L, 3, 5 on an empty cell: one utterance each") << e("l 3 5") << "-" << "Añadido el 5: notas 3 y 5" << false
        << QStringList{notas, "Añadido el 3: nota 3", "Añadido el 5: notas 3 y 5"};
    QTest::newRow("a digit again takes its note away") << e("l 3 5 3 5") << "-" << "Quitado el 5: sin notas" << false
        << QStringList{notas, "Añadido el 3: nota 3", "Añadido el 5: notas 3 y 5", "Quitado el 3: nota 5", "Quitado el 5: sin notas"};
    QTest::newRow("back on the cell: it and its notes in one utterance") << e("l 3 5 Right Left") << "-" << "" << false
        << QStringList{notas, "Añadido el 3: nota 3", "Añadido el 5: notas 3 y 5", "6", "vacía, notas 3 y 5"};
    QTest::newRow("A says the notes too") << e("l 3 a") << "-" << "" << false
        << QStringList{notas, "Añadido el 3: nota 3", "vacía, nota 3"};
    QTest::newRow("keypad digits, NumLock on and off") << e("l KP3 KPEnd") << "-" << "Añadido el 1: notas 1 y 3" << false
        << QStringList{notas, "Añadido el 3: nota 3", "Añadido el 1: notas 1 y 3"};
    QTest::newRow("notes mode on, Enter 5 Enter still writes") << e("l Enter 5 Enter") << "5" << desactivado << false
        << QStringList{notas, activado, "5", desactivado};
    QTest::newRow("writing clears the cell's notes") << e("l 3 Enter 4 Enter Delete a") << "-" << "" << false
        << QStringList{notas, "Añadido el 3: nota 3", activado, "4", desactivado, "vacía", "vacía"};
    QTest::newRow("a 5 written in the row leaves the notes") << e("l 3 5 Right Right Enter 5 Enter Left Left") << "-" << ""
        << false << QStringList{notas, "Añadido el 3: nota 3", "Añadido el 5: notas 3 y 5", "6", "vacía", activado, "5",
                                desactivado, "6", "vacía, nota 3"};
    QTest::newRow("Z brings the 5 back") << e("l 3 5 Right Right Enter 5 Enter z Left Left") << "-" << "" << false
        << QStringList{notas, "Añadido el 3: nota 3", "Añadido el 5: notas 3 y 5", "6", "vacía", activado, "5", desactivado,
                       "Deshecho. Fila 1, columna 3, panel superior izquierdo, vacía", "6", "vacía, notas 3 y 5"};
    QTest::newRow("Z takes a note back") << e("l 3 5 z") << "-" << "Deshecho. Fila 1, columna 1, panel superior izquierdo, -, nota 3"
        << false << QStringList{notas, "Añadido el 3: nota 3", "Añadido el 5: notas 3 y 5",
                                "Deshecho. Fila 1, columna 1, panel superior izquierdo, vacía, nota 3"};
    const QString directa = "Escritura directa activada";
    QTest::newRow("K, 5 on an empty cell: the digit alone") << e("k 5") << "5" << "5" << false
        << QStringList{directa, "5"};
    QTest::newRow("K on a filled cell: the new digit replaces it") << e("k 5 7") << "7" << "7" << false
        << QStringList{directa, "5", "7"};
    QTest::newRow("K, keypad digits with NumLock on and off") << e("k KP3 KPEnd") << "1" << "1" << false
        << QStringList{directa, "3", "1"};
    QTest::newRow("K on a given: the digit refused") << e("k Right 5") << "-" << "Número original" << false
        << QStringList{directa, "6", "Número original"};
    QTest::newRow("K with E on: the digit and where it repeats") << e("e k 6") << "6" << "6" << false
        << QStringList{repetido, directa, "6. Repetido en la fila y en el panel"};
    QTest::newRow("K, then Z takes the digit back in one key") << e("k 5 z") << "-"
        << "Deshecho. Fila 1, columna 1, panel superior izquierdo, -" << false
        << QStringList{directa, "5", "Deshecho. Fila 1, columna 1, panel superior izquierdo, vacía"};
    QTest::newRow("K with notes mode on: the digit notes") << e("k l 3") << "-" << "Añadido el 3: nota 3" << false
        << QStringList{directa, notas, "Añadido el 3: nota 3"};
    QTest::newRow("K in write mode: digits are typed") << e("k Enter 5 Enter") << "5" << desactivado << false
        << QStringList{directa, activado, "5", desactivado};
    QTest::newRow("K twice: digits do nothing again") << e("k k 5") << "-" << "" << false
        << QStringList{directa, "Escritura directa desactivada"};
    QTest::newRow("K: a direct 5 leaves the notes of its row") << e("l 3 5 l k Right Right 5 Left Left") << "-" << ""
        << false << QStringList{notas, "Añadido el 3: nota 3", "Añadido el 5: notas 3 y 5", "Notas desactivadas",
                                directa, "6", "vacía", "5", "6", "vacía, nota 3"};
    QTest::newRow("Delete on a given") << e("Right Delete") << "-"
        << "Imposible borrar ese número. Pertenece a los datos originales." << false
        << QStringList{"6", "Imposible borrar ese número. Pertenece a los datos originales."};
}

void TestTeclado::escritura()
{
    QFETCH(QTestEventList, teclas);
    QFETCH(QString, celda);
    QFETCH(QString, linea);
    QFETCH(bool, modo);
    QFETCH(QStringList, dichos);
    VentanaPrueba v;
    v.Tablero(Con({{1, '6'}}));
    v.Cursor(0, 0);
    teclas.simulate(v.f->Picture1);
    QCOMPARE(v.Celda(0), celda);
    QCOMPARE(v.Celda(1), QString("6"));
    QCOMPARE(v.Linea(), linea);
    QCOMPARE(v.f->Estado.ModoEscritura, modo);
    QCOMPARE(v.dichos, dichos);
}

void TestTeclado::lecturas_data()
{
    QTest::addColumn<QString>("tablero");
    QTest::addColumn<int>("provisional");
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("columna");
    QTest::addColumn<Qt::Key>("tecla");
    QTest::addColumn<QString>("linea");

    // Column 4: 5, -, 3, -, -, 8 (written, provisional), -, -, 1.
    const QString columna = Con({{4, '5'}, {22, '3'}, {49, 'h'}, {76, '1'}});
    QTest::newRow("C reads the column") << columna << 49 << 0 << 4 << Qt::Key_C << "5 - 3 - - 8 P - - 1 ";
    // Panel at rows 3-5, columns 6-8: 5 - 3 / - 7 - / 1 - 9, the 7 provisional.
    const QString panel = Con({{33, '5'}, {35, '3'}, {43, 'g'}, {51, '1'}, {53, '9'}});
    QTest::newRow("T reads the panel") << panel << 43 << 4 << 7 << Qt::Key_T << "5 - 3. - 7 P -. 1 - 9. ";
    QTest::newRow("P reads the panel") << panel << 43 << 5 << 6 << Qt::Key_P << "5 - 3. - 7 P -. 1 - 9. ";
    const QString panel2 = Con({{0, '4'}, {1, '6'}, {2, 'b'}, {9, '9'}, {19, '1'}});
    QTest::newRow("panel with the 2 provisional") << panel2 << 2 << 2 << 2 << Qt::Key_T << "4 6 2 P. 9 - -. - 1 -. ";
    QTest::newRow("F reads the row") << Con({{9, '3'}, {17, 'e'}}) << 17 << 1 << 0 << Qt::Key_F << "3 - - - - - - - 5 P ";
    QTest::newRow("V reads a digit") << Con({{10, '3'}}) << -1 << 1 << 1 << Qt::Key_V << "3";
    QTest::newRow("V reads an empty cell") << Con({}) << -1 << 1 << 1 << Qt::Key_V << "-";
    QTest::newRow("D in a corner") << Con({}) << -1 << 0 << 0 << Qt::Key_D << "Fila 1, columna 1, panel superior izquierdo";
    QTest::newRow("D on an edge") << Con({}) << -1 << 4 << 8 << Qt::Key_D << "Fila 5, columna 9, panel central derecho";
    QTest::newRow("D in the centre") << Con({}) << -1 << 4 << 4 << Qt::Key_D << "Fila 5, columna 5, panel central";
    const QString filaLlena = Con({{0, '1'}, {1, '2'}, {2, 'c'}, {3, '4'}, {4, '5'}, {5, '6'}, {6, '7'}, {7, '8'}, {8, '9'}});
    QTest::newRow("Q counts the empty cells") << filaLlena << -1 << 0 << 0 << Qt::Key_Q
        << "Vacías: ninguna en la fila, 8 en la columna, 6 en el panel, 72 en el tablero";
    QTest::newRow("N on a given") << filaLlena << -1 << 0 << 0 << Qt::Key_N << "Número original";
    QTest::newRow("N with a provisional digit in the panel") << Con({{3, '1'}, {45, 'b'}, {10, 'c'}}) << 10 << 0 << 0
        << Qt::Key_N << "Caben 4, 5, 6, 7, 8 y 9";
    QTest::newRow("N, one digit fits") << Con({{1, '2'}, {2, '3'}, {3, '4'}, {4, '5'}, {5, '6'}, {6, '7'}, {7, '8'}, {8, 'i'}})
        << -1 << 0 << 0 << Qt::Key_N << "Cabe 1";
    QTest::newRow("N, nothing fits") << Con({{1, '2'}, {2, '3'}, {3, '4'}, {4, '5'}, {5, '6'}, {6, '7'}, {7, '8'}, {8, '9'}, {9, 'a'}})
        << -1 << 0 << 0 << Qt::Key_N << "No cabe ningún número";
    QTest::newRow("R on a board with three digits placed") << Con({{0, '1'}, {1, 'b'}, {80, '1'}}) << -1 << 0 << 0 << Qt::Key_R
        << "Faltan el 1 siete veces, el 2 ocho veces, el 3 nueve veces, el 4 nueve veces, el 5 nueve veces, "
           "el 6 nueve veces, el 7 nueve veces, el 8 nueve veces y el 9 nueve veces";
    const QString resuelto = "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
    QString unHueco = resuelto;
    unHueco[40] = '-';
    QTest::newRow("R, one digit missing once") << unHueco << -1 << 0 << 0 << Qt::Key_R << "Falta el 9 una vez";
    QTest::newRow("R on a full board") << resuelto << -1 << 0 << 0 << Qt::Key_R << "No falta ningún número";
    QTest::newRow("M on a board with a full row") << filaLlena << -1 << 0 << 0 << Qt::Key_M << "Notas en 72 casillas";
    QTest::newRow("M leaves out a cell where nothing fits")
        << Con({{1, '2'}, {2, '3'}, {3, '4'}, {4, '5'}, {5, '6'}, {6, '7'}, {7, '8'}, {8, '9'}, {9, 'a'}})
        << -1 << 0 << 0 << Qt::Key_M << "Notas en 71 casillas";
    QTest::newRow("M, one empty cell") << unHueco << -1 << 0 << 0 << Qt::Key_M << "Notas en 1 casilla";
    QTest::newRow("M on a full board") << resuelto << -1 << 0 << 0 << Qt::Key_M << "Notas en ninguna casilla";
}

void TestTeclado::lecturas()
{
    QFETCH(QString, tablero);
    QFETCH(int, provisional);
    QFETCH(int, fila);
    QFETCH(int, columna);
    QFETCH(Qt::Key, tecla);
    QFETCH(QString, linea);
    VentanaPrueba v;
    v.Tablero(tablero);
    if (provisional >= 0) v.f->Estado.Provisionales[provisional] = true;
    v.Cursor(fila, columna);
    QTest::keyClick(v.f->Picture1, tecla, Qt::ShiftModifier);   // the modifier never matters
    QCOMPARE(v.Linea(), linea);
    QCOMPARE(v.dichos, QStringList{Voz::Pronunciar(linea)});
    // The same key again is heard again; in write mode it does nothing.
    QTest::keyClick(v.f->Picture1, tecla);
    QCOMPARE(v.dichos.size(), 2);
    v.f->Estado.ModoEscritura = true;
    v.f->TbPorta->setText("12");
    QTest::keyClick(v.f->Picture1, tecla);
    QVERIFY(v.Linea().startsWith("12"));
}

void TestTeclado::interruptores_data()
{
    QTest::addColumn<QString>("celda");   // cell 0; a digit as a given is written "dado"
    QTest::addColumn<bool>("escritura");
    QTest::addColumn<QTestEventList>("teclas");
    QTest::addColumn<QStringList>("lineas");   // the line after each key
    QTest::addColumn<int>("pitidos");
    QTest::addColumn<bool>("provisional");

    QTest::newRow("O twice") << "-" << false << Teclas({Qt::Key_O, Qt::Key_O})
        << QStringList{"Aviso de número original activado", "Aviso de número original desactivado"} << 0 << false;
    QTest::newRow("Control on an empty cell") << "-" << false << Teclas({Qt::Key_Control})
        << QStringList{""} << 1 << false;
    QTest::newRow("Control twice on a 4") << "4" << false << Teclas({Qt::Key_Control, Qt::Key_Control})
        << QStringList{"Provisional", "No provisional"} << 0 << false;
    QTest::newRow("Control on a given") << "dado" << false << Teclas({Qt::Key_Control})
        << QStringList{""} << 0 << false;
    QTest::newRow("Control in write mode on an empty cell") << "-" << true << Teclas({Qt::Key_Control})
        << QStringList{"12"} << 1 << false;
    QTest::newRow("Control in write mode on a digit") << "4" << true << Teclas({Qt::Key_Control})
        << QStringList{"12"} << 0 << false;
    QTest::newRow("O in write mode") << "-" << true << Teclas({Qt::Key_O}) << QStringList{"12o"} << 0 << false;
    QTest::newRow("F9 twice") << "-" << false << Teclas({Qt::Key_F9, Qt::Key_F9})
        << QStringList{"Sonido desactivado", "Sonido activado"} << 0 << false;
    QTest::newRow("F8 in write mode keeps the entry") << "-" << true << Teclas({Qt::Key_F8}) << QStringList{"12"} << 0 << false;
    QTest::newRow("F1 and Escape only empty the line") << "-" << false << Teclas({Qt::Key_Escape})
        << QStringList{""} << 0 << false;
    QTest::newRow("U twice") << "-" << false << Teclas({Qt::Key_U, Qt::Key_U})
        << QStringList{"Sudokus de solución única activado", "Sudokus de solución única desactivado"} << 0 << false;
    QTest::newRow("U and H in write mode are typed") << "-" << true << Teclas({Qt::Key_U, Qt::Key_H})
        << QStringList{"12u", "12uh"} << 0 << false;
    QTest::newRow("G on a board of one given") << "dado" << false << Teclas({Qt::Key_G})
        << QStringList{"Dificultad: tiene más de una solución, no se resuelve solo razonando"} << 0 << false;
    QTest::newRow("G in write mode is typed") << "-" << true << Teclas({Qt::Key_G}) << QStringList{"12g"} << 0 << false;
    QTest::newRow("I and X in write mode are typed") << "-" << true << Teclas({Qt::Key_I, Qt::Key_X})
        << QStringList{"12i", "12ix"} << 0 << false;
    QTest::newRow("L twice") << "-" << false << Teclas({Qt::Key_L, Qt::Key_L})
        << QStringList{"Notas activadas", "Notas desactivadas"} << 0 << false;
    QTest::newRow("a note on a given: beep and why") << "dado" << false << Teclas({Qt::Key_L, Qt::Key_3})
        << QStringList{"Notas activadas", "Número original"} << 1 << false;
    QTest::newRow("a note on a written 4: beep and why") << "4" << false << Teclas({Qt::Key_L, Qt::Key_3})
        << QStringList{"Notas activadas", "Casilla ocupada"} << 1 << false;
    QTest::newRow("a direct digit on a given: beep and why") << "dado" << false << Teclas({Qt::Key_K, Qt::Key_3})
        << QStringList{"Escritura directa activada", "Número original"} << 1 << false;
    QTest::newRow("a direct digit keeps the provisional mark") << "4" << false
        << Teclas({Qt::Key_Control, Qt::Key_K, Qt::Key_7})
        << QStringList{"Provisional", "Escritura directa activada", "7"} << 0 << true;
    QTest::newRow("L, M and digits in write mode are typed") << "-" << true << Teclas({Qt::Key_L, Qt::Key_M, Qt::Key_3})
        << QStringList{"12l", "12lm", "12lm3"} << 0 << false;
}

void TestTeclado::interruptores()
{
    QFETCH(QString, celda);
    QFETCH(bool, escritura);
    QFETCH(QTestEventList, teclas);
    QFETCH(QStringList, lineas);
    QFETCH(int, pitidos);
    QFETCH(bool, provisional);
    VentanaPrueba v;
    v.Tablero(Con({{0, celda == "dado" ? QChar('5') : QChar('-')}}));
    if (celda != "dado") v.f->Text1[0]->setText(celda);
    v.Cursor(0, 0);
    v.f->Estado.ModoEscritura = escritura;
    v.f->TbPorta->setText(escritura ? "12" : "x");
    QStringList vistas;
    for (int k = 0; k < teclas.size(); ++k) {
        QTestEventList una;
        una.append(teclas.at(k)->clone());
        una.simulate(v.f->Picture1);
        vistas << v.Linea();
    }
    QCOMPARE(vistas, lineas);
    QCOMPARE(v.sonido->Pitidos(), pitidos);
    QCOMPARE(v.f->Estado.Provisionales[0], provisional);
}

void TestTeclado::saltos_data()
{
    QTest::addColumn<QString>("tablero");
    QTest::addColumn<int>("desde");
    QTest::addColumn<QTestEventList>("teclas");
    QTest::addColumn<int>("casilla");
    QTest::addColumn<int>("sonidos");
    QTest::addColumn<QString>("dicho");   // the last utterance

    const QString dado6 = Con({{1, '6'}});
    QTest::newRow("S within the panel") << dado6 << 0 << Teclas({Qt::Key_S}) << 2 << 0
        << "Fila 1, columna 3, panel superior izquierdo, vacía";
    QTest::newRow("S into the next panel") << dado6 << 2 << Teclas({Qt::Key_S}) << 3 << 1
        << "Fila 1, columna 4, panel superior central, vacía";
    QString unaVacia(81, '5');
    unaVacia[4] = '-';
    QTest::newRow("S wraps from the last cell") << unaVacia << 80 << Teclas({Qt::Key_S}) << 4 << 1
        << "Fila 1, columna 5, panel superior central, vacía";
    QTest::newRow("Z back across panels") << dado6 << 0
        << Teclas({Qt::Key_Return, Qt::Key_5, Qt::Key_Return, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Z})
        << 0 << 2 << "Deshecho. Fila 1, columna 1, panel superior izquierdo, vacía";
    QTest::newRow("Z puts back an erased provisional digit") << Con({{0, 'e'}}) << 0
        << Teclas({Qt::Key_Control, Qt::Key_Delete, Qt::Key_Z}) << 0 << 0
        << "Deshecho. Fila 1, columna 1, panel superior izquierdo, 5 P ";

    QString unHueco = resuelto;
    unHueco[40] = '-';
    QTest::newRow("H: one digit fits") << unHueco << 0 << Teclas({Qt::Key_H}) << 40 << 1
        << "Fila 5, columna 5: solo cabe el 9";
    // The 7s of rows 2, 3, 4 and 7 leave row 1 one place for its 7.
    QTest::newRow("H: one place in a row") << Con({{9, '7'}, {21, '7'}, {34, '7'}, {60, '7'}}) << 0
        << Teclas({Qt::Key_H}) << 8 << 1 << "En la fila 1, el 7 solo puede ir en la columna 9";
    QTest::newRow("H: one place in a panel")
        << Con({{4, '4'}, {30, '1'}, {32, '5'}, {39, '2'}, {48, '3'}, {50, '6'}}) << 0
        << Teclas({Qt::Key_H}) << 41 << 1 << "En el panel central, el 4 solo puede ir en la fila 5, columna 6";
    QTest::newRow("H: a step an elimination unlocks") << unica << 54 << Teclas({Qt::Key_H}) << 23 << 1
        << "En la columna 6, el 9 solo puede ir en la fila 3, porque el 9 del panel central izquierdo tiene que ir en la fila 4";
    QTest::newRow("H: the wrong digit, not the right one written after it") << unica << 12
        << Teclas({Qt::Key_Return, Qt::Key_4, Qt::Key_Return, Qt::Key_Right, Qt::Key_Return, Qt::Key_1, Qt::Key_Return,
                   Qt::Key_Right, Qt::Key_Right, Qt::Key_H})
        << 12 << 2 << "El tablero ya no tiene solución. Quitando el 4 de la fila 2, columna 4, vuelve a tenerla";
    QTest::newRow("H: several solutions, no step") << dado6 << 40 << Teclas({Qt::Key_H}) << 46 << 1
        << "Hay más de una solución y ningún paso es seguro. La casilla con menos candidatos es la fila 6, columna 2: caben 8 números";
    // The techniques the hint learned after the pairs, one board each.
    QTest::newRow("H: hidden pair") << "--2---69-73--9---29---12-75-27-39-6-359461287---2-7---47392615829-1-87---1-----2-"
        << 0 << Teclas({Qt::Key_H}) << 12 << 1
        << "En la fila 2, el 6 solo puede ir en la columna 4, porque en el panel superior izquierdo, el 1 y el 5 "
           "solo pueden ir en la fila 1, columna 1 y la fila 2, columna 3";
    QTest::newRow("H: triple") << "--8-----4--325-17--71------3478295618-9-6-74-------9----651-----3-9-6-----473-6-9"
        << 0 << Teclas({Qt::Key_H}) << 23 << 1
        << "Fila 3, columna 6: solo cabe el 3, porque en la columna 6, las filas 2, 7 y 9 se reparten el 2, el 4 y el 8";
    QTest::newRow("H: hidden triple") << "254916-7----3872453872--9617--4-8--9--869-71----731-82-7-8-9---849563127--317--9-"
        << 0 << Teclas({Qt::Key_H}) << 33 << 1
        << "En la fila 4, el 6 solo puede ir en la columna 7, porque en el panel central izquierdo, el 1, el 2 y el 3 "
           "solo pueden ir en la fila 4, columna 2, la fila 4, columna 3 y la fila 5, columna 2";
    QTest::newRow("H: X-wing") << "-3-417--52----3----7-25-3----2----3--8-34-5--31--2--6--2-169453--3872916196534---"
        << 0 << Teclas({Qt::Key_H}) << 6 << 1
        << "En la fila 1, el 6 solo puede ir en la columna 7, porque en las filas 3 y 5, el 6 solo puede ir en las columnas 1 y 6";
    QTest::newRow("H: swordfish") << "--517-23-1---29----2---------2-1----43--82--6-1----892241-9-578--82-196-6--7-8-2-"
        << 0 << Teclas({Qt::Key_H}) << 10 << 0
        << "Fila 2, columna 2: solo cabe el 7, porque el 8 de la fila 1 tiene que ir en el panel superior izquierdo "
           "y en las filas 1, 4 y 7, el 6 solo puede ir en las columnas 2, 4 y 6";
    QTest::newRow("H: XY-wing") << "546318972-----2564---654138--4-65321---4-968565--31749435187296-6-543817871--6453"
        << 0 << Teclas({Qt::Key_H}) << 37 << 1
        << "Fila 5, columna 2: solo cabe el 1, porque la fila 4, columna 2 es el 8 o el 9; si es el 8, "
           "la fila 6, columna 3 es el 2, y si es el 9, la fila 3, columna 2 es el 2";
    QTest::newRow("H: XYZ-wing") << "254916-7----3872453872--9617--4-86-9--869-71----731-82-7-8-9---849563127--317--9-"
        << 0 << Teclas({Qt::Key_H}) << 72 << 1
        << "En la fila 9, el 5 solo puede ir en la columna 1, porque la fila 7, columna 7 es el 3, el 4 o el 5; "
           "si es el 3, la fila 7, columna 8 es el 5, y si es el 4, la fila 6, columna 7 es el 5";
    QTest::newRow("H: skyscraper") << "269534178738612945154-8-263-----18--3----8---58--7---1----95-829--84-51-8-512639-"
        << 0 << Teclas({Qt::Key_H}) << 71 << 1
        << "En la columna 9, el 6 solo puede ir en la fila 8, porque un rascacielos del 6: el 6 está en la fila 6, columna 7 "
           "o en la fila 8, columna 9, pues si la fila 6, columna 7 no es el 6, entonces la fila 6, columna 3 es el 6, "
           "entonces la fila 8, columna 3 no es el 6, entonces la fila 8, columna 9 es el 6";
    // A chain is heard four links at a time: H again on the same board says the next,
    // past the last the whole hint again; any other key starts it afresh.
    const QString forzada = "---32--4-3----4-76-1487--3-7-----324--34-79854-92-3761---94--13-4--32-9-93----45-";
    const QString conForzada = "Fila 1, columna 9: solo cabe el 8, porque una cadena forzada: la fila 1, columna 9 no puede ser "
        "el 9, pues si lo fuera, la fila 3, columna 9 sería el 2, el único que cabe, el 9 iría en la fila 2, columna 2, su único "
        "lugar en la columna 2, el 2 iría en la fila 2, columna 3, su único lugar en la fila 2; H para seguir";
    QTest::newRow("H: a forcing chain, its first links") << forzada << 0 << Teclas({Qt::Key_H}) << 8 << 1 << conForzada;
    QTest::newRow("H again: the next links") << forzada << 0 << Teclas({Qt::Key_H, Qt::Key_H}) << 8 << 1
        << "y el 2 no tendría sitio en la fila 9";
    QTest::newRow("H past the last link: the hint again") << forzada << 0 << Teclas({Qt::Key_H, Qt::Key_H, Qt::Key_H})
        << 8 << 1 << conForzada;
    QTest::newRow("H, another key, H: the hint again") << forzada << 0 << Teclas({Qt::Key_H, Qt::Key_D, Qt::Key_H})
        << 8 << 1 << conForzada;
    // A nested chain: a chain within is heard as one link; H again says the next.
    const QString anidada = "-------12--------3--23--4----18-4--5-6--7-8-------9-----85-----9---4-5--475--6---";
    QTest::newRow("H: a nested forcing chain, its first links") << anidada << 0 << Teclas({Qt::Key_H}) << 28 << 1
        << "En el panel central izquierdo, el 9 solo puede ir en la fila 4, columna 2, porque una cadena forzada anidada: "
           "la fila 5, columna 3 no puede ser el 9, pues si lo fuera, si el 3 va en la fila 1, columna 2, una cadena forzada "
           "deja sin número la fila 8, columna 2, si el 1 va en la fila 2, columna 4, una cadena forzada deja sin número "
           "la fila 7, columna 6, si el 1 va en la fila 5, columna 6, una cadena forzada deja sin número la fila 8, columna 4; "
           "H para seguir";
    QTest::newRow("H again: the nested chain's next links") << anidada << 0 << Teclas({Qt::Key_H, Qt::Key_H}) << 28 << 1
        << "si el 2 va en la fila 5, columna 6, una cadena forzada deja sin número la fila 8, columna 4, si el 2 va en la "
           "fila 6, columna 2, una cadena forzada deja sin número la fila 8, columna 2, si el 3 va en la fila 6, columna 2, "
           "una cadena forzada deja sin número la fila 8, columna 2, si el 1 va en la fila 6, columna 4, una cadena forzada "
           "deja sin sitio el 6 en la fila 3; H para seguir";
    QTest::newRow("H on a full, right board stays") << resuelto << 40 << Teclas({Qt::Key_A, Qt::Key_H}) << 40 << 0
        << "No queda nada por hacer";
}

void TestTeclado::saltos()
{
    QFETCH(QString, tablero);
    QFETCH(int, desde);
    QFETCH(QTestEventList, teclas);
    QFETCH(int, casilla);
    QFETCH(int, sonidos);
    QFETCH(QString, dicho);
    VentanaPrueba v;
    v.Tablero(tablero);
    v.Cursor(desde / 9, desde % 9);
    teclas.simulate(v.f->Picture1);
    QCOMPARE(v.EnCursor(), casilla);
    QVERIFY(v.f->Seleccionada(casilla));
    QCOMPARE(int(v.sonido->llamadas.count("2001")), sonidos);
    QCOMPARE(v.dichos.value(v.dichos.size() - 1), dicho);
    QCOMPARE(Voz::Pronunciar(v.Linea()), dicho);
}

void TestTeclado::dificultad_data()
{
    QTest::addColumn<QString>("dados");
    QTest::addColumn<int>("escritas");   // solution digits the player has written, first empty cells first
    QTest::addColumn<QString>("dicho");

    const QString sencillo = "-84-3-62------6---2-1--8--7-----9-18-3--4----7-6-1-----7325--6--4-----5---2---7--";
    const QString alaX = "-6-75-3-1----1------2---87---5-34-9-3-----2-8-7-5-2-1-7-36-19---1-84------------2";
    QTest::newRow("singles") << sencillo << 0
        << "Dificultad: fácil, basta con mirar qué cabe en cada casilla y dónde puede ir cada número";
    QTest::newRow("an X-wing") << alaX << 0 << "Dificultad: necesita un ala X";
    QTest::newRow("the givens, not what the player wrote") << alaX << 40 << "Dificultad: necesita un ala X";
    QTest::newRow("a skyscraper") << "-3--------4---67-59--17-6--3----42-8--496-----2-------8-----4---------1------5862" << 0
        << "Dificultad: necesita un rascacielos";
    QTest::newRow("a forcing chain") << "-----59----------17-61--2--38-----5-----2-7--69-------9---3--2----6----4--4-815-6" << 0
        << "Dificultad: necesita una cadena forzada";
    QTest::newRow("Easter Monster: a nested forcing chain")
        << "1-------2-9-4---5---6---7---5-9-3-------7-------85--4-7-----6---3---9-8---2-----1" << 0
        << "Dificultad: necesita una cadena forzada anidada";
}

// G grades the puzzle from its givens and the solution kept with them.
void TestTeclado::dificultad()
{
    QFETCH(QString, dados);
    QFETCH(int, escritas);
    QFETCH(QString, dicho);
    Digitos t{};
    for (int i = 0; i < 81; ++i) t[i] = int8_t(dados[i] == '-' ? 0 : dados[i].digitValue());
    Digitos solucion{};
    QCOMPARE(ContarSoluciones(t, 1, &solucion), 1);
    QString tablero = dados;
    for (int i = 0; i < 81 && escritas > 0; ++i)
        if (tablero[i] == '-') {
            tablero[i] = QChar('a' + solucion[i] - 1);
            --escritas;
        }
    VentanaPrueba v;
    v.Tablero(tablero);
    for (int i = 0; i < 81; ++i) v.f->Estado.Solucion[i / 9][i % 9] = solucion[i];
    v.Cursor(4, 4);
    QTest::keyClick(v.f->Picture1, Qt::Key_G);
    QCOMPARE(v.dichos, QStringList{dicho});
    QCOMPARE(v.EnCursor(), 40);
}

void TestTeclado::importar_data()
{
    QTest::addColumn<QString>("portapapeles");
    QTest::addColumn<QByteArray>("binario");   // put on the clipboard as data, with no text
    QTest::addColumn<QString>("dicho");

    const QString facil = SudokuFacil;
    QTest::newRow("one line of 81") << facil << QByteArray()
        << "Sudoku importado, 30 números dados. Dificultad: fácil, basta con mirar qué cabe en cada casilla y dónde puede ir cada número";
    QString marco;
    for (int f = 0; f < 9; ++f) marco += "| " + QString(facil.mid(f * 9, 9)).replace('.', '0') + " |\n";
    QTest::newRow("nine lines in a frame") << marco << QByteArray()
        << "Sudoku importado, 30 números dados. Dificultad: fácil, basta con mirar qué cabe en cada casilla y dónde puede ir cada número";
    QTest::newRow("17 givens") << QString(Sudoku17) << QByteArray()
        << "Sudoku importado, 17 números dados. Dificultad: fácil, basta con mirar qué cabe en cada casilla y dónde puede ir cada número";
    QTest::newRow("one that needs a nested forcing chain") << QString(SudokuConTanteo) << QByteArray()
        << "Sudoku importado, 21 números dados. Dificultad: necesita una cadena forzada anidada";
    QTest::newRow("empty clipboard") << "" << QByteArray() << "Sudoku rechazado: no hay ninguna casilla";
    QTest::newRow("one cell") << "5" << QByteArray() << "Sudoku rechazado: hay una sola casilla y hacen falta 81";
    QTest::newRow("a row short") << facil.left(72) << QByteArray() << "Sudoku rechazado: hay 72 casillas y hacen falta 81";
    QTest::newRow("a megabyte") << QString(1 << 20, '4') << QByteArray() << "Sudoku rechazado: hay más de 81 casillas";
    QTest::newRow("binary data") << "" << QByteArray(1 << 20, '\x07') << "Sudoku rechazado: no hay ninguna casilla";
    auto con = [&facil](int celda, char digito) {
        QString t = facil;
        t[celda] = QLatin1Char(digito);
        return t;
    };
    QTest::newRow("a row repeats") << con(2, '5') << QByteArray() << "Sudoku rechazado: el 5 se repite en la fila 1";
    QTest::newRow("a column repeats") << con(54, '5') << QByteArray() << "Sudoku rechazado: el 5 se repite en la columna 1";
    QTest::newRow("a panel repeats") << con(11, '3') << QByteArray()
        << "Sudoku rechazado: el 3 se repite en el panel superior izquierdo";
    QTest::newRow("no solution") << con(2, '1') << QByteArray() << "Sudoku rechazado: no tiene solución";
    QTest::newRow("several solutions") << con(0, '.') .left(40) + QString(41, '.') << QByteArray()
        << "Sudoku rechazado: tiene más de una solución";
}

// A game under way, its solution on show and a level chosen: a refused puzzle
// leaves all of it; a taken one replaces the game and lifts the bar on checking.
void TestTeclado::importar()
{
    QFETCH(QString, portapapeles);
    QFETCH(QByteArray, binario);
    QFETCH(QString, dicho);
    VentanaPrueba v;
    v.f->MnuN[3]->trigger();
    v.f->Command3_Click();
    const int escrita = int(std::find(v.f->Estado.Originales.begin(), v.f->Estado.Originales.end(), false)
                            - v.f->Estado.Originales.begin());
    v.Cursor(escrita / 9, escrita % 9);
    QTestEventList escribir = Teclas({Qt::Key_Return, Qt::Key_1, Qt::Key_Space, Qt::Key_O, Qt::Key_Space, Qt::Key_2,
                                      Qt::Key_Return, Qt::Key_Control, Qt::Key_Down});
    escribir.simulate(v.f->Picture1);
    const EstadoJuego antes = v.f->Estado;
    QStringList textos;
    for (Casilla* c : v.f->Text1) textos << c->text();
    QVERIFY(antes.Cambios.Pasos() > 0);

    if (binario.isEmpty()) {
        QGuiApplication::clipboard()->setText(portapapeles);
    } else {
        auto* datos = new QMimeData;
        datos->setData("application/octet-stream", binario);
        QGuiApplication::clipboard()->setMimeData(datos);
    }
    v.dichos.clear();
    QTest::keyClick(v.f->Picture1, Qt::Key_I);
    QCOMPARE(v.dichos, QStringList{dicho});
    QCOMPARE(v.f->Estado.Nivel, int16_t(3));

    if (!dicho.startsWith("Sudoku importado")) {
        QStringList despues;
        for (Casilla* c : v.f->Text1) despues << c->text();
        QCOMPARE(despues, textos);
        QCOMPARE(v.f->Estado.Solucion, antes.Solucion);
        QCOMPARE(v.f->Estado.Originales, antes.Originales);
        QCOMPARE(v.f->Estado.Provisionales, antes.Provisionales);
        QCOMPARE(v.f->Estado.Cambios.Lista(), antes.Cambios.Lista());
        QCOMPARE(v.EnCursor(), int(antes.CasillaActual));
        QVERIFY(!v.f->Command1->isEnabled() && !v.f->Command4->isEnabled());
        return;
    }
    const SudokuLeido leido = LeerSudoku(portapapeles.toStdString());
    for (int i = 0; i < 81; ++i) {
        const int d = leido.dados[i];
        QCOMPARE(v.Celda(i), d ? QString::number(d) : QString("-"));
        QCOMPARE(v.f->Estado.Originales[i], d != 0);
        QCOMPARE(v.f->Text1[i]->isReadOnly(), d != 0);
        QCOMPARE(v.ColorTexto(i), d ? QColor(255, 0, 0) : QColor(0, 0, 0));
        QVERIFY(!v.f->Estado.Provisionales[i]);
        QVERIFY(!v.f->Seleccionada(i));
        QCOMPARE(int(v.f->Estado.Solucion[i / 9][i % 9]), int(leido.solucion[i]));
    }
    QCOMPARE(v.EnCursor(), 0);
    QCOMPARE(v.Linea(), dicho);
    QVERIFY(v.f->Command1->isEnabled() && v.f->Command4->isEnabled());
    QTest::keyClick(v.f->Picture1, Qt::Key_Z);   // nothing of the old game to undo
    QCOMPARE(v.sonido->Pitidos(), 1);
    QCOMPARE(v.Celda(0), leido.dados[0] ? QString::number(leido.dados[0]) : QString("-"));
}

// One line: the digit of every cell that holds exactly one, '.' for the rest.
void TestTeclado::copiar()
{
    VentanaPrueba v;
    v.Tablero(Con({{0, '5'}, {1, 'c'}, {9, '9'}, {80, 'a'}}));
    v.f->Text1[2]->setText("1 o 2");
    v.f->Text1[3]->setText(" 4 ");
    v.f->Text1[4]->setText("0");
    v.f->Estado.Provisionales[1] = true;
    QGuiApplication::clipboard()->setText("lo que hubiera");
    QTest::keyClick(v.f->Picture1, Qt::Key_X);
    const QString esperada = "53.......9" + QString(70, '.') + "1";
    QCOMPARE(QGuiApplication::clipboard()->text(), esperada);
    QCOMPARE(v.dichos, QStringList{"Tablero copiado"});
    QCOMPARE(v.Celda(2), QString("1 o 2"));
    QVERIFY(v.f->Estado.Provisionales[1]);
}

void TestTeclado::copiadoYPegadoDaLosMismosDados()
{
    VentanaPrueba v(27);
    v.f->Estado.SolucionUnica = true;
    QTest::mouseClick(v.f->Command2, Qt::LeftButton);
    const EstadoJuego dado = v.f->Estado;
    QStringList textos;
    for (Casilla* c : v.f->Text1) textos << c->text();
    v.f->Picture1->setFocus();
    QTest::keyClick(v.f->Picture1, Qt::Key_X);
    QTest::keyClick(v.f->Picture1, Qt::Key_I);
    QVERIFY2(v.dichos.last().startsWith("Sudoku importado, 34 números dados. "), qPrintable(v.dichos.last()));
    QStringList despues;
    for (Casilla* c : v.f->Text1) despues << c->text();
    QCOMPARE(despues, textos);
    QCOMPARE(v.f->Estado.Originales, dado.Originales);
    QCOMPARE(v.f->Estado.Solucion, dado.Solucion);
}

// Past the wait, H and G say they are thinking and the window answers keys again; the
// answer comes when found, unless a key came first.
void TestTeclado::pistaQuePiensa_data()
{
    QTest::addColumn<QTestEventList>("teclas");
    QTest::addColumn<bool>("interrumpida");
    QTest::addColumn<QString>("respuesta");
    const QString pista = "Fila 1, columna 9: solo cabe el 8, porque una cadena forzada: la fila 1, columna 9 no puede ser "
        "el 9, pues si lo fuera, la fila 3, columna 9 sería el 2, el único que cabe, el 9 iría en la fila 2, columna 2, su único "
        "lugar en la columna 2, el 2 iría en la fila 2, columna 3, su único lugar en la fila 2; H para seguir";
    QTest::newRow("H, then its answer") << Teclas({Qt::Key_H}) << false << pista;
    QTest::newRow("G, then its answer") << Teclas({Qt::Key_G}) << false << "Dificultad: necesita una cadena forzada";
    QTest::newRow("H, and D before the answer") << Teclas({Qt::Key_H, Qt::Key_D}) << true << "Fila 1, columna 1, panel superior izquierdo";
}

void TestTeclado::pistaQuePiensa()
{
    QFETCH(QTestEventList, teclas);
    QFETCH(bool, interrumpida);
    QFETCH(QString, respuesta);
    VentanaPrueba v(1, LeerSudoku("...32..4.3....4.76.1487..3.7.....324..34.79854.92.3761...94..13.4..32.9.93....45."));
    v.f->Detector().EsperarAlPensar(std::chrono::milliseconds(0));
    teclas.simulate(v.f->Picture1);
    QCOMPARE(v.dichos.value(0), QString("Pensando"));
    QTRY_COMPARE(v.dichos.value(v.dichos.size() - 1), respuesta);
    QTest::qWait(300);   // a dropped answer never comes after the key that dropped it
    QCOMPARE(v.dichos.size(), 2);
    QCOMPARE(v.EnCursor(), interrumpida || respuesta.startsWith("Dif") ? 0 : 8);
}

void TestTeclado::foco()
{
    VentanaPrueba v;
    QCOMPARE(v.Linea(), QString("Pulse F1 para ayuda"));   // the first arrival is silent
    QVERIFY(v.dichos.isEmpty());
    QTest::keyClick(v.f->Picture1, Qt::Key_Escape);         // already there: nothing said
    QVERIFY(v.dichos.isEmpty());
    v.f->Text1[40]->setFocus();
    QTest::keyClick(v.f->Text1[40], Qt::Key_Escape);
    QCOMPARE(v.dichos, QStringList{"Cursor sobre detector de teclas"});
    QVERIFY(v.f->Picture1->hasFocus());
    QCOMPARE(v.EnCursor(), 0);   // the click and Escape did not move the cursor

    // F8 hides and shows the line; texts keep being written while it is hidden.
    QTest::keyClick(v.f->Picture1, Qt::Key_F8);
    QVERIFY(v.f->TbPorta->isHidden());
    QTest::keyClick(v.f->Picture1, Qt::Key_F9);
    QCOMPARE(v.Linea(), QString("Sonido desactivado"));
    QTest::keyClick(v.f->Picture1, Qt::Key_F8);
    QVERIFY(!v.f->TbPorta->isHidden());
}

// W and J through the window: the words to the screen reader, each sound to the
// sound layer with its place in stereo; a second window on the same folder keeps both.
void TestTeclado::lugarYSonidosDelJuego()
{
    QTemporaryDir dir;
    {
        VentanaPrueba v(1, std::nullopt, dir.path());
        v.Tablero(QString(81, QLatin1Char('-')));
        v.Cursor(0, 0);
        for (const auto tecla : {Qt::Key_W, Qt::Key_J, Qt::Key_J, Qt::Key_Right, Qt::Key_End})
            QTest::keyClick(v.f->Picture1, tecla);
        QCOMPARE(v.dichos, QStringList({"Lugar al moverse activado", "Sonidos: con palabras",
                                        "Sonidos: en lugar de palabras", "columna 2", "fila 1, columna 9"}));
        QCOMPARE(v.sonido->llamadas, QStringList({"sonido 0 -0.75", "sonido 1 -0.75", "sonido 0 1", "sonido 1 1"}));
    }
    VentanaPrueba w(2, std::nullopt, dir.path());
    w.Tablero(QString(81, QLatin1Char('-')));
    w.Cursor(4, 4);
    QTest::keyClick(w.f->Picture1, Qt::Key_Down);
    QCOMPARE(w.dichos, QStringList({"fila 6"}));
    QCOMPARE(w.sonido->llamadas, QStringList({"sonido 0 0", "sonido 1 0"}));
}

void TestTeclado::caracteresDeControlNuncaLleganALaCelda()
{
    VentanaPrueba v;
    v.Tablero(Con({}));
    v.Cursor(0, 0);
    QTest::keyClick(v.f->Picture1, Qt::Key_Return);
    QTest::keyClick(v.f->Picture1, Qt::Key_Tab);      // moves the focus away; nothing typed
    v.f->Picture1->setFocus();
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Insert, Qt::Key_F1, Qt::Key_Delete})
        if (k != Qt::Key_F1) QTest::keyClick(v.f->Picture1, k);
    QTest::keyClick(v.f->Picture1, Qt::Key_C, Qt::ControlModifier);   // Control+C gives "\x03"
    QKeyEvent enie(QEvent::KeyPress, Qt::Key_Ntilde, Qt::NoModifier, QStringLiteral("ñ"));
    QApplication::sendEvent(v.f->Picture1, &enie);
    QTest::keyClick(v.f->Picture1, Qt::Key_7);
    QTest::keyClick(v.f->Picture1, Qt::Key_Return);
    QCOMPARE(v.Celda(0), QString("ñ7"));
}

QTEST_MAIN(TestTeclado)
#include "tst_teclado.moc"
