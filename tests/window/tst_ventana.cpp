// SPDX-License-Identifier: GPL-3.0-or-later
#include "SudokusPrueba.h"
#include "VentanaPrueba.h"
#include "BotonVariasLineas.h"
#include "EstiloVentana.h"
#include <QAccessible>
#include <QFrame>
#include <QMenuBar>
#include <QToolButton>

class TestVentana : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void arranque();
    void trasElPrimerCuadro_data();
    void trasElPrimerCuadro();
    void arranqueConUnSudoku();
    void semillaDelReloj_data();
    void semillaDelReloj();
    void posicionesDeLasCasillas_data();
    void posicionesDeLasCasillas();
    void ordenDeTabulacion();
    void tamanoDeLetra();
    void tamanoMinimo();
    void colores_data();
    void colores();
    void rotulosEnteros_data();
    void rotulosEnteros();
};

// The window is made under the style the game puts on the application.
void TestVentana::initTestCase()
{
    InstalarEstiloVentana();
    InstalarEstiloVentana();   // a second call keeps the first
    QVERIFY(qobject_cast<EstiloVentana*>(QApplication::style()));
    QVERIFY(!qobject_cast<EstiloVentana*>(static_cast<QProxyStyle*>(QApplication::style())->baseStyle()));
}

namespace {

QImage Imagen(const QIcon& icono) { return icono.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32); }

// The menu bar's overflow arrow, and the one the desktop's style draws.
QImage FlechaDeLaBarra(const Form1& f)
{
    for (auto* b : f.menuBar()->findChildren<QToolButton*>())
        if (!b->icon().isNull()) return Imagen(b->icon());
    return {};
}

} // namespace

void TestVentana::trasElPrimerCuadro_data()
{
    QTest::addColumn<bool>("icono");   // else the menu bar's arrow
    QTest::newRow("window icon") << true;
    QTest::newRow("menu bar overflow arrow") << false;
}

// What waits for the first frame is there once the window has shown, as it was.
void TestVentana::trasElPrimerCuadro()
{
    QFETCH(bool, icono);
    VentanaPrueba v;
    const QStyle* base = static_cast<QProxyStyle*>(QApplication::style())->baseStyle();
    const QImage esperada = icono ? Imagen(QIcon(QStringLiteral(":/novaro.png")))
                                  : Imagen(base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr,
                                                              v.f->menuBar()));
    QVERIFY(!esperada.isNull());
    if (icono) {
        QTRY_VERIFY(!v.f->windowIcon().isNull());
        QCOMPARE(Imagen(v.f->windowIcon()), esperada);
    } else {
        QCOMPARE(FlechaDeLaBarra(*v.f), esperada);
    }
}

void TestVentana::arranque()
{
    VentanaPrueba v;
    QCOMPARE(v.f->windowTitle(), QString("NOVARO"));
    QCOMPARE(v.f->Estado.Nivel, int16_t(7));
    QVERIFY(v.f->MnuN[7]->isChecked());
    QCOMPARE(v.f->MnuN[7]->text(), QString("8"));
    QVERIFY(v.f->Estado.SonidoActivo);
    QVERIFY(!v.f->Estado.ModoGuardar);
    QCOMPARE(v.f->Estado.RutaSonido, (v.carpeta.path() + "/CambioTablero.wav").toStdString());
    for (QPushButton* b : {v.f->Command1, v.f->Command2, v.f->Command3, v.f->Command4, v.f->Command5})
        QVERIFY(b->isEnabled());
    QVERIFY(v.f->Picture1->hasFocus());
    QCOMPARE(v.EnCursor(), 0);
    QCOMPARE(v.Linea(), QString("Pulse F1 para ayuda"));
    int dados = 0;
    for (int i = 0; i < 81; ++i) {
        dados += v.f->Estado.Originales[i];
        QCOMPARE(v.f->Text1[i]->isReadOnly(), bool(v.f->Estado.Originales[i]));
        // Each cell took its text once, and the words that go with it.
        QCOMPARE(v.Celda(i) == "-", !v.f->Estado.Originales[i]);
        QCOMPARE(v.f->Text1[i]->accessibleDescription(), v.Celda(i) == "-" ? QString("vacía") : QString());
    }
    QCOMPARE(dados, 34);
    // Naming the sound file at start-up plays nothing.
    VentanaPrueba otra;
    QVERIFY(otra.sonido->llamadas.isEmpty());
}

// novaro --sudoku: the window opens on that puzzle, as quietly as on a dealt one.
void TestVentana::arranqueConUnSudoku()
{
    VentanaPrueba v(1, LeerSudoku(Sudoku17));
    QCOMPARE(v.f->Estado.Nivel, int16_t(7));
    QCOMPARE(v.EnCursor(), 0);
    QCOMPARE(v.Linea(), QString("Pulse F1 para ayuda"));
    QVERIFY(v.dichos.isEmpty());
    for (int i = 0; i < 81; ++i) {
        const bool dado = Sudoku17[i] != '.';
        QCOMPARE(v.Celda(i), dado ? QString(QChar(Sudoku17[i])) : QString("-"));
        QCOMPARE(v.f->Estado.Originales[i], dado);
        QCOMPARE(v.f->Text1[i]->isReadOnly(), dado);
        if (dado) QCOMPARE(int(v.f->Estado.Solucion[i / 9][i % 9]), Sudoku17[i] - '0');
    }
    // Its one solution is the one the reveal shows.
    v.f->Command3_Click();
    QTest::keyClick(v.f->Picture1, Qt::Key_H);
    QCOMPARE(v.dichos.last(), QString("No queda nada por hacer"));
}

void TestVentana::semillaDelReloj_data()
{
    QTest::addColumn<QTime>("hora");
    QTest::addColumn<qulonglong>("semilla");
    QTest::newRow("medianoche y pico") << QTime(0, 30, 15) << 0ull;
    QTest::newRow("minuto cero") << QTime(14, 0, 40) << 0ull;
    QTest::newRow("segundo cero") << QTime(14, 5, 0) << 0ull;
    QTest::newRow("la mayor") << QTime(23, 59, 59) << 80063ull;
    QTest::newRow("una cualquiera") << QTime(10, 20, 30) << 6000ull;
}

void TestVentana::semillaDelReloj()
{
    QFETCH(QTime, hora);
    QFETCH(qulonglong, semilla);
    QCOMPARE(qulonglong(SemillaDelReloj(hora)), semilla);
}

void TestVentana::posicionesDeLasCasillas_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QRect>("rect");   // pixels: twips / 15
    QTest::newRow("0") << 0 << QRect(0, 0, 40, 27);
    QTest::newRow("3") << 3 << QRect(127, 0, 40, 27);
    QTest::newRow("8") << 8 << QRect(333, 0, 40, 27);
    QTest::newRow("27") << 27 << QRect(0, 87, 40, 26);
    QTest::newRow("80") << 80 << QRect(333, 227, 40, 26);
}

void TestVentana::posicionesDeLasCasillas()
{
    QFETCH(int, indice);
    QFETCH(QRect, rect);
    VentanaPrueba v;
    QCOMPARE(v.f->Text1[indice]->geometry(), rect);
    QCOMPARE(v.f->Text1[indice]->parentWidget(), static_cast<QWidget*>(v.f->Frame1));
    // Neighbours in one panel touch; panels are 100 twips apart.
    if (indice % 9 < 8) {
        const int hueco = v.f->Text1[indice + 1]->geometry().left() - v.f->Text1[indice]->geometry().right() - 1;
        QCOMPARE(hueco, indice % 3 == 2 ? 7 : 0);
    }
    QCOMPARE(v.f->Frame1->geometry(), QRect(3, 60, 374, 253));
}

void TestVentana::ordenDeTabulacion()
{
    VentanaPrueba v;
    QList<QWidget*> esperado{v.f->Picture1};
    for (Casilla* c : v.f->Text1) esperado << c;
    esperado << v.f->TbPorta << v.f->Command2 << v.f->Command3 << v.f->Command4 << v.f->Command5 << v.f->Command1
             << v.f->Picture1;
    QWidget* w = v.f->Picture1;
    for (int k = 1; k < esperado.size(); ++k) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(v.f.get()) ||
               !(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        QCOMPARE(w->objectName(), esperado[k]->objectName());
    }
}

void TestVentana::tamanoDeLetra()
{
    VentanaPrueba v;
    QVERIFY(v.f->MnuTamN[1]->isChecked());
    QCOMPARE(v.f->Text1[0]->font().pointSizeF(), 15.75);
    v.f->MnuTamN[6]->trigger();   // "&9"
    for (Casilla* c : v.f->Text1) QCOMPARE(c->font().pointSize(), 9);
    for (int i = 0; i < 8; ++i) QCOMPARE(v.f->MnuTamN[i]->isChecked(), i == 6);
    QVERIFY(v.f->TbPorta->hasFocus());
    QCOMPARE(v.f->TbPorta->font().pointSizeF(), 9.75);
    v.f->Picture1->setFocus();
    v.f->MnuTamN[6]->trigger();   // the marked item repeats the whole action
    QVERIFY(v.f->MnuTamN[6]->isChecked());
    QVERIFY(v.f->TbPorta->hasFocus());
}

void TestVentana::tamanoMinimo()
{
    VentanaPrueba v;
    const QSize minimo = v.f->minimumSize();
    QCOMPARE(minimo.width(), 529);
    v.f->resize(300, 200);
    QVERIFY(v.f->width() >= minimo.width() && v.f->height() >= minimo.height());
    v.f->resize(900, 200);
    QCOMPARE(v.f->width(), 900);
    QCOMPARE(v.f->height(), minimo.height());
    v.f->showMinimized();   // minimizing stays possible
    QVERIFY(v.f->isMinimized());
}

void TestVentana::colores_data()
{
    QTest::addColumn<bool>("dado");
    QTest::addColumn<bool>("provisional");
    QTest::addColumn<QColor>("color");
    QTest::newRow("given") << true << false << QColor(255, 0, 0);
    QTest::newRow("given and provisional stays red") << true << true << QColor(255, 0, 0);
    QTest::newRow("provisional") << false << true << QColor(0, 255, 0);
    QTest::newRow("plain") << false << false << QColor(0, 0, 0);
}

void TestVentana::colores()
{
    QFETCH(bool, dado);
    QFETCH(bool, provisional);
    QFETCH(QColor, color);
    VentanaPrueba v;
    v.f->Estado.Originales[10] = dado;
    v.f->Estado.Provisionales[10] = provisional;
    v.f->SeleccionarCasilla(10, true);
    QCOMPARE(v.ColorTexto(10), QApplication::palette().color(QPalette::HighlightedText));
    QCOMPARE(v.f->Text1[10]->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Highlight));
    v.f->SeleccionarCasilla(10, false);
    QCOMPARE(v.ColorTexto(10), color);
    QCOMPARE(v.f->Text1[10]->palette().color(QPalette::Base), QColor(Qt::white));
}

QTEST_MAIN(TestVentana)
#include "tst_ventana.moc"

void TestVentana::rotulosEnteros_data()
{
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("designada");   // fits at the designed 12 points

    QTest::newRow("Nuevo") << "Command2" << "Nuevo" << true;
    QTest::newRow("Ver solución") << "Command3" << "Ver solución" << false;
    QTest::newRow("Guardar partida") << "Command4" << "Guardar partida" << false;
    QTest::newRow("Cargar partida") << "Command5" << "Cargar partida" << false;
    QTest::newRow("Comprobar") << "Command1" << "Comprobar" << false;
}

void TestVentana::rotulosEnteros()
{
    QFETCH(QString, boton);
    QFETCH(QString, nombre);
    QFETCH(bool, designada);

    VentanaPrueba v;
    auto* b = v.f->findChild<BotonVariasLineas*>(boton);
    QVERIFY(b);
    QCOMPARE(b->size(), QSize(81, 33));
    const QRect area = b->AreaTexto();
    const QFontMetrics medidas(b->FuenteQueCabe());
    const QRect ocupa = medidas.boundingRect(area, BotonVariasLineas::Alineacion, b->text());
    QVERIFY2(area.contains(ocupa), qPrintable(QString("%1 needs %2x%3 in %4x%5").arg(b->text())
                 .arg(ocupa.width()).arg(ocupa.height()).arg(area.width()).arg(area.height())));
    QCOMPARE(b->FuenteQueCabe().pointSizeF() == 12, designada);
    // A screen reader still names the whole caption, on one line.
    QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name), nombre);
}
