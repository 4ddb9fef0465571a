// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notas.h"
#include "VentanaPrueba.h"

class TestRaton : public QObject {
    Q_OBJECT
private slots:
    void clics_data();
    void clics();
    void clicSobreElCursor();
    void focoEnUnaCasilla_data();
    void focoEnUnaCasilla();
    void nombresAccesibles();
    void escribirEnLaCasillaSigueLasNotas();
};

void TestRaton::clics_data()
{
    QTest::addColumn<bool>("dado");
    QTest::addColumn<Qt::MouseButton>("boton");
    QTest::addColumn<Qt::KeyboardModifiers>("mod");
    QTest::addColumn<int>("veces");
    QTest::addColumn<bool>("provisional");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("todoSeleccionado");

    const QColor rojo(255, 0, 0), verde(0, 255, 0), negro(0, 0, 0);
    QTest::newRow("left click selects all") << false << Qt::LeftButton << Qt::KeyboardModifiers() << 1 << false << negro << true;
    QTest::newRow("Shift+click is a plain click") << false << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1 << false << negro << true;
    QTest::newRow("Control+click marks green") << false << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << 1 << true << verde << false;
    QTest::newRow("Control+click twice unmarks") << false << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << 2 << false << negro << false;
    QTest::newRow("Control+Shift+click marks") << false << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << 1 << true << verde << false;
    QTest::newRow("Control+click on a given stays red") << true << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << 1 << true << rojo << false;
    QTest::newRow("right click does nothing of ours") << false << Qt::RightButton << Qt::KeyboardModifiers() << 1 << false << negro << false;
    QTest::newRow("middle click does nothing of ours") << false << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ControlModifier) << 1 << false << negro << false;
}

void TestRaton::clics()
{
    QFETCH(bool, dado);
    QFETCH(Qt::MouseButton, boton);
    QFETCH(Qt::KeyboardModifiers, mod);
    QFETCH(int, veces);
    QFETCH(bool, provisional);
    QFETCH(QColor, color);
    QFETCH(bool, todoSeleccionado);
    VentanaPrueba v;
    v.Tablero(QString(81, QLatin1Char('-')).replace(20, 1, dado ? "4" : "d"));
    v.f->Text1[20]->setText(dado ? "4" : "1 o 2");
    v.f->SeleccionarCasilla(20, false);
    v.Cursor(3, 3);
    for (int k = 0; k < veces; ++k) QTest::mouseClick(v.f->Text1[20], boton, mod, QPoint(30, 10));
    QCOMPARE(v.f->Estado.Provisionales[20], provisional);
    QCOMPARE(v.ColorTexto(20), color);
    QCOMPARE(v.f->Text1[20]->hasSelectedText() && v.f->Text1[20]->selectionStart() == 0 &&
             v.f->Text1[20]->selectedText() == v.Celda(20), todoSeleccionado);
    if (boton == Qt::LeftButton) QVERIFY(v.f->Text1[20]->hasFocus());
    QCOMPARE(v.EnCursor(), 30);   // the keyboard cursor never moves
    QCOMPARE(v.Celda(20), dado ? QString("4") : QString("1 o 2"));
}

void TestRaton::clicSobreElCursor()
{
    VentanaPrueba v;
    v.Tablero(QString(81, QLatin1Char('-')).replace(41, 1, "e"));
    v.Cursor(4, 4);
    QTest::keyClick(v.f->Picture1, Qt::Key_Right);   // the cursor paints cell 41
    QVERIFY(v.f->Seleccionada(41));
    QTest::mouseClick(v.f->Text1[41], Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(!v.f->Seleccionada(41));   // normal colours until the cursor comes back
    QCOMPARE(v.ColorTexto(41), QColor(0, 255, 0));
    // Escape, then an arrow moves from where the cursor was, not from the click.
    QTest::mouseClick(v.f->Text1[40], Qt::LeftButton);
    QTest::keyClick(v.f->Text1[40], Qt::Key_Escape);
    QTest::keyClick(v.f->Picture1, Qt::Key_Down);
    QCOMPARE(v.EnCursor(), 50);
}

void TestRaton::focoEnUnaCasilla_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("linea");
    QTest::newRow("five characters are repeated") << "1 o 2" << "1 o 2";
    QTest::newRow("three characters are repeated") << "123" << "123";
    QTest::newRow("two characters are not") << "12" << "antes";
    QTest::newRow("a digit is not") << "7" << "antes";
    QTest::newRow("an empty cell is not") << "-" << "antes";
}

void TestRaton::focoEnUnaCasilla()
{
    QFETCH(QString, texto);
    QFETCH(QString, linea);
    VentanaPrueba v;
    v.f->Text1[0]->setText(texto);
    v.f->TbPorta->setText("antes");
    QTest::keyClick(v.f->Picture1, Qt::Key_Tab);
    QVERIFY(v.f->Text1[0]->hasFocus());
    QCOMPARE(v.Linea(), linea);   // Tab moves the focus; the key detector never sees it
    // Typing straight into a cell is neither announced nor flagged.
    if (!v.f->Estado.Originales[0]) {
        v.f->Text1[0]->selectAll();
        QTest::keyClicks(v.f->Text1[0], "98");
        QCOMPARE(v.Celda(0), QString("98"));
        QVERIFY(!v.f->Estado.Provisionales[0]);
    }
}

void TestRaton::nombresAccesibles()
{
    VentanaPrueba v;
    QCOMPARE(v.f->Text1[0]->accessibleName(), QString("Fila 1, columna 1"));
    QCOMPARE(v.f->Text1[24]->accessibleName(), QString("Fila 3, columna 7"));
    QCOMPARE(v.f->Picture1->accessibleName(), QString("Detector de teclas"));
    QVERIFY(!v.f->TbPorta->accessibleName().isEmpty());
    // An empty cell says so in words; a written one does not.
    v.f->Text1[30]->setText("-");
    QCOMPARE(v.f->Text1[30]->accessibleDescription(), QString("vacía"));
    v.f->Text1[30]->setText("5");
    QVERIFY(v.f->Text1[30]->accessibleDescription().isEmpty());
    // A cell with notes is described with them, as the key detector says them.
    v.f->Text1[30]->setText("-");
    v.f->Text1[30]->PonerNotas(BitNota(3) | BitNota(5));
    QCOMPARE(v.f->Text1[30]->accessibleDescription(), QString("vacía, notas 3 y 5"));
}

// A digit typed straight into a field does to the notes what write mode does, and Z takes
// it back with them; the cells show what the game keeps.
void TestRaton::escribirEnLaCasillaSigueLasNotas()
{
    VentanaPrueba v;
    v.Tablero(QString(81, QLatin1Char('-')));
    auto& e = v.f->Estado;
    CambiarNota(e, *v.f, 0, 5);
    CambiarNota(e, *v.f, 1, 5);
    CambiarNota(e, *v.f, 1, 3);
    CambiarNota(e, *v.f, 40, 5);
    QTest::mouseClick(v.f->Text1[0], Qt::LeftButton);
    QTest::keyClicks(v.f->Text1[0], "5");
    QCOMPARE(v.Celda(0), QString("5"));
    struct Celda { int indice; uint16_t despues, antes; };
    const Celda celdas[] = {{0, 0, BitNota(5)}, {1, BitNota(3), BitNota(3) | BitNota(5)}, {40, BitNota(5), BitNota(5)}};
    for (const Celda& c : celdas) {
        QCOMPARE(e.Notas[c.indice], c.despues);
        QCOMPARE(v.f->Text1[c.indice]->Notas(), c.despues);
    }
    QTest::keyClick(v.f->Text1[0], Qt::Key_Escape);
    QTest::keyClick(v.f->Picture1, Qt::Key_Z);
    QCOMPARE(v.Celda(0), QString("-"));
    for (const Celda& c : celdas) {
        QCOMPARE(e.Notas[c.indice], c.antes);
        QCOMPARE(v.f->Text1[c.indice]->Notas(), c.antes);
    }
}

QTEST_MAIN(TestRaton)
#include "tst_raton.moc"
