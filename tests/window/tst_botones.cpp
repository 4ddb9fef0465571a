// SPDX-License-Identifier: GPL-3.0-or-later
#include "VentanaPrueba.h"
#include "Dialog.h"
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QTimer>

namespace {
const QString felicidades = "Muchísimas felicidades. ha demostrado usted una  gran inteligencia ";

// Fills every cell with its solution digit, as a player who solved it would.
void Resolver(VentanaPrueba& v)
{
    for (int i = 0; i < 81; ++i) v.f->Text1[i]->setText(QString::number(v.f->Estado.Solucion[i / 9][i % 9]));
}

// Closes the help dialog as soon as it is open, noting who had the focus behind it.
void CerrarAyudaAlAbrirse(bool* abierta)
{
    QTimer::singleShot(0, [abierta] {
        if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            *abierta = true;
            QTest::keyClick(d->Text1, Qt::Key_Escape);
        }
    });
}
} // namespace

class TestBotones : public QObject {
    Q_OBJECT
private slots:
    void comprobar();
    void verSolucionYVuelta_data();
    void verSolucionYVuelta();
    void botoneraGrisTrasVerSolucion();
    void guardarDesdeLaBarraTrasVerSolucion();
    void niveles();
    void modoDeLaRanura();
    void escapeDesdeCualquierControl_data();
    void escapeDesdeCualquierControl();
    void ayudaDesdeCualquierControl_data();
    void ayudaDesdeCualquierControl();
    void salir();
    void botoneraDichaTrasElMenu_data();
    void botoneraDichaTrasElMenu();
};

void TestBotones::comprobar()
{
    VentanaPrueba v;
    v.f->Command1->setFocus();
    QTest::mouseClick(v.f->Command1, Qt::LeftButton);
    QCOMPARE(v.mensajes.size(), 1);
    QVERIFY(v.mensajes[0].startsWith("Datos incorrectos en la columna "));
    QVERIFY(v.f->Picture1->hasFocus());
    QCOMPARE(v.dichos.last(), QString("Cursor sobre detector de teclas"));

    Resolver(v);
    v.eleccion = VentanaPrueba::Elegir("&Comprobar");
    QTest::keyClick(v.f->Picture1, Qt::Key_Menu);
    QCOMPARE(v.mensajes.last(), felicidades);
    QVERIFY(v.f->Picture1->hasFocus());
}

void TestBotones::verSolucionYVuelta_data()
{
    QTest::addColumn<QString>("vuelta");
    QTest::newRow("Nuevo button") << "boton";
    QTest::newRow("Nuevo from the Botonera") << "botonera";
    QTest::newRow("a load") << "carga";
    QTest::newRow("a failed load") << "carga fallida";
    QTest::newRow("an empty slot changes nothing") << "ranura vacia";
}

void TestBotones::verSolucionYVuelta()
{
    QFETCH(QString, vuelta);
    VentanaPrueba v;
    v.f->Estado.ModoGuardar = true;
    v.f->MnuP_Click(1);   // slot 2 holds a game
    QFile danado(v.carpeta.filePath("Novaro3.sav"));
    QVERIFY(danado.open(QIODevice::WriteOnly));
    danado.write("#TRUE#\r\n\"A\",#MAYBE#\r\n");
    danado.close();

    const int cursor = 40;
    v.Cursor(4, 4);
    v.f->Estado.Provisionales[cursor] = true;
    v.f->Estado.Provisionales[0] = true;
    v.f->SeleccionarCasilla(0, false);
    QCOMPARE(v.ColorTexto(0), v.f->Estado.Originales[0] ? QColor(255, 0, 0) : QColor(0, 255, 0));
    QTest::mouseClick(v.f->Command3, Qt::LeftButton);
    for (int i = 0; i < 81; ++i) {
        QCOMPARE(v.Celda(i), QString::number(v.f->Estado.Solucion[i / 9][i % 9]));
        QVERIFY(!v.f->Estado.Provisionales[i]);
    }
    QCOMPARE(v.ColorTexto(0), v.f->Estado.Originales[0] ? QColor(255, 0, 0) : QColor(0, 0, 0));   // no stale green
    QVERIFY(!v.f->Command1->isEnabled());
    QVERIFY(!v.f->Command4->isEnabled());
    QVERIFY(v.f->Picture1->hasFocus());
    QVERIFY(v.dichos.contains("Solución en el tablero"));
    // Greyed items stay reachable by the arrows, so a screen reader names them.
    QVERIFY(v.f->MnuBotonera->style()->styleHint(QStyle::SH_Menu_AllowActiveAndDisabled, nullptr, v.f->MnuBotonera));

    bool habilitados = true;
    if (vuelta == "boton") QTest::mouseClick(v.f->Command2, Qt::LeftButton);
    else if (vuelta == "botonera") v.f->MnuB[1]->trigger();
    else if (vuelta == "carga") v.f->CargarPartida(2);
    else if (vuelta == "carga fallida") v.f->CargarPartida(3);
    else { v.f->CargarPartida(4); habilitados = false; }
    QCOMPARE(v.f->Command1->isEnabled(), habilitados);
    QCOMPARE(v.f->Command4->isEnabled(), habilitados);
    QCOMPARE(v.dichos.contains("Nuevo juego"), vuelta != "carga" && habilitados);
}

void TestBotones::botoneraGrisTrasVerSolucion()
{
    VentanaPrueba v;
    QTest::keyClick(v.f->Picture1, Qt::Key_Menu);
    QCOMPARE(v.menusMostrados.last(), QString("&Comprobar|&Nuevo|&Ver solución|&Guardar partida|C&argar partida|&Salir"));
    QCOMPARE(v.dichos, QStringList{"Menú Botonera, 6 opciones"});   // heard, the line left empty
    QCOMPARE(v.Linea(), QString());
    v.eleccion = VentanaPrueba::Elegir("&Ver solución");
    QTest::keyClick(v.f->Picture1, Qt::Key_Menu);
    v.eleccion = VentanaPrueba::Elegir("&Comprobar");   // greyed: choosing it does nothing
    QTest::keyClick(v.f->Picture1, Qt::Key_Menu);
    QCOMPARE(v.menusMostrados.last(),
             QString("&Comprobar (gris)|&Nuevo|&Ver solución|&Guardar partida (gris)|C&argar partida|&Salir"));
    QVERIFY(v.mensajes.isEmpty());
    v.eleccion = VentanaPrueba::Elegir("&Nuevo");
    QTest::keyClick(v.f->Picture1, Qt::Key_Menu);
    v.eleccion = nullptr;
    QTest::keyClick(v.f->Picture1, Qt::Key_Menu);
    QCOMPARE(v.menusMostrados.last(), QString("&Comprobar|&Nuevo|&Ver solución|&Guardar partida|C&argar partida|&Salir"));
}

// From the menu bar the item is not greyed; it must not save, nor break anything.
void TestBotones::guardarDesdeLaBarraTrasVerSolucion()
{
    VentanaPrueba v;
    v.f->Command3_Click();
    v.f->MnuB[3]->setEnabled(true);
    v.f->MnuB[3]->trigger();
    QCOMPARE(v.mensajes.size(), 1);
    QVERIFY(v.mensajes[0].contains("No se puede guardar"));
    QVERIFY(v.menusMostrados.isEmpty());
    QVERIFY(v.f->Picture1->hasFocus());
    QVERIFY(!QFile::exists(v.carpeta.filePath("Novaro1.sav")));
}

void TestBotones::niveles()
{
    VentanaPrueba v;
    const QString antes = v.Celda(0) + v.Celda(40) + v.Celda(80);
    v.f->MnuN[10]->trigger();   // "5"
    v.f->MnuN[7]->trigger();    // "8"
    for (int i = 0; i < 15; ++i) QCOMPARE(v.f->MnuN[i]->isChecked(), i == 7);
    QCOMPARE(v.f->Estado.Nivel, int16_t(7));
    v.f->MnuN[7]->trigger();    // the marked item again changes nothing
    QVERIFY(v.f->MnuN[7]->isChecked());
    v.f->MnuN[0]->trigger();
    QCOMPARE(v.Celda(0) + v.Celda(40) + v.Celda(80), antes);   // the board waits for the next game
    QTest::mouseClick(v.f->Command2, Qt::LeftButton);
    int dados = 0;
    for (bool d : v.f->Estado.Originales) dados += d;
    QCOMPARE(dados, 27);
}

void TestBotones::modoDeLaRanura()
{
    VentanaPrueba v;
    v.f->MnuP[2]->trigger();   // before any button: loads
    QCOMPARE(v.mensajes.last(), QString("No hay ninguna partida guardada en el lugar 3"));
    QTest::mouseClick(v.f->Command4, Qt::LeftButton);   // popup closed without a choice
    QCOMPARE(v.menusMostrados.size(), 1);
    QVERIFY(v.f->Command4->hasFocus());
    v.f->MnuP[2]->trigger();   // now the same item saves
    QVERIFY(QFile::exists(v.carpeta.filePath("Novaro3.sav")));
    v.eleccion = VentanaPrueba::Elegir("Partida 3");
    QTest::mouseClick(v.f->Command5, Qt::LeftButton);
    QCOMPARE(v.mensajes.size(), 1);
    QVERIFY(!v.f->Estado.ModoGuardar);
    // The menu bar item still saves after a reveal when saving was the last button.
    v.eleccion = nullptr;
    QTest::mouseClick(v.f->Command4, Qt::LeftButton);
    v.f->Command3_Click();
    QFile::remove(v.carpeta.filePath("Novaro5.sav"));
    v.f->MnuP[4]->trigger();
    QVERIFY(QFile::exists(v.carpeta.filePath("Novaro5.sav")));
}

void TestBotones::escapeDesdeCualquierControl_data()
{
    QTest::addColumn<QString>("control");
    for (const char* c : {"Command1", "Command2", "Command3", "Command4", "Command5", "TbPorta", "Text1_40"})
        QTest::newRow(c) << c;
}

void TestBotones::escapeDesdeCualquierControl()
{
    QFETCH(QString, control);
    VentanaPrueba v;
    auto* w = v.f->findChild<QWidget*>(control);
    QVERIFY(w);
    w->setFocus();
    QVERIFY(w->hasFocus());
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(v.f->Picture1->hasFocus());
    QCOMPARE(v.dichos, QStringList{"Cursor sobre detector de teclas"});
}

void TestBotones::ayudaDesdeCualquierControl_data()
{
    QTest::addColumn<QString>("control");
    for (const char* c : {"Picture1", "Command4", "TbPorta", "Text1_12"}) QTest::newRow(c) << c;
}

void TestBotones::ayudaDesdeCualquierControl()
{
    QFETCH(QString, control);
    VentanaPrueba v;
    auto* w = v.f->findChild<QWidget*>(control);
    w->setFocus();
    bool abierta = false;
    CerrarAyudaAlAbrirse(&abierta);
    QTest::keyClick(w, Qt::Key_F1);
    QVERIFY(abierta);
    QVERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(QApplication::focusWidget(), w);
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(v.f->Picture1->hasFocus());
}

void TestBotones::salir()
{
    VentanaPrueba v;
    v.Tablero(QString(81, QLatin1Char('-')));
    v.f->MnuB[5]->trigger();
    QVERIFY(!v.f->isVisible());
    QVERIFY(v.mensajes.isEmpty());
}

void TestBotones::botoneraDichaTrasElMenu_data()
{
    QTest::addColumn<int>("opcion");         // the item, chosen with the arrows and Enter (the slot's too)
    QTest::addColumn<bool>("preparado");     // a deal of the kind made ahead, or none
    QTest::addColumn<QString>("dicho");      // the start of what the player hears, once
    QTest::newRow("Nuevo, an Experto made ahead") << 1 << true << "Sudoku Experto, ";
    QTest::newRow("Nuevo, an Experto made on the spot") << 1 << false << "Sudoku Experto, ";
    QTest::newRow("Ver solución") << 2 << false << "Solución en el tablero";
    QTest::newRow("Cargar") << 4 << false << "Partida cargada del lugar 5";
}

// Chosen from the real menu, which has the focus until it closes: what the action says
// comes once, after the menu (and, for Orca 43, after the window has the focus back),
// however the deal was made.
void TestBotones::botoneraDichaTrasElMenu()
{
    QFETCH(int, opcion);
    QFETCH(bool, preparado);
    QFETCH(QString, dicho);
    VentanaPrueba v;
    v.ElegirTrasBoton(v.f->Command4, "Partida 5");
    for (int n = 0; n < 4; ++n) QTest::keyClick(v.f->Picture1, Qt::Key_B);
    QCOMPARE(v.dichos.last(), QString("Dificultad: Experto"));
    Preparados& preparados = v.f->SudokusPreparados();
    if (preparado) QTRY_VERIFY_WITH_TIMEOUT(preparados.Cuantos(Dificultad::Experto) > 0, 120000);
    else while (preparados.Tomar(Dificultad::Experto)) {}

    QStringList oidos;
    bool conMenu = false, desdeElMenu = false;
    QObject::connect(&v.f->Habla(), &Voz::Hablado, [&](const QString& t) {
        oidos << t;
        // With Qt 6.8 (announcements) the words wait for the menu to close; with the labels of
        // older Qt, for the window to have the focus back.
        desdeElMenu |= QApplication::activePopupWidget() != nullptr ||
                       (!Voz::ConAnuncios && QGuiApplication::focusWindow() != v.f->windowHandle());
    });
    // As under X: the open menu has the focus, and the window gets it back a moment after
    // the menu closed.
    v.f->MostrarMenu = [&](QMenu* m) {
        QTimer::singleShot(0, m, [m] { m->windowHandle()->requestActivate(); });
        QTimer::singleShot(50, m, [&, m] {
            conMenu = QGuiApplication::focusWindow() == m->windowHandle();
            for (int n = 0; n <= opcion; ++n) QTest::keyClick(m, Qt::Key_Down);
            QTest::keyClick(m, Qt::Key_Return);
        });
        m->exec(QPoint(0, 0));
        QTimer::singleShot(50, v.f.get(), [&v] { v.f->windowHandle()->requestActivate(); });
    };
    v.f->Mensaje = [](const QString&) {};
    QTest::keyClick(v.f->Picture1, Qt::Key_Menu);
    QVERIFY2(conMenu, "the menu never had the focus: nothing here would have waited");
    QTRY_VERIFY_WITH_TIMEOUT(!oidos.filter(QRegularExpression("^" + QRegularExpression::escape(dicho))).isEmpty(), 60000);
    QTest::qWait(100);
    QCOMPARE(oidos.filter(QRegularExpression("^" + QRegularExpression::escape(dicho))).size(), 1);
    QVERIFY2(!desdeElMenu, qPrintable(oidos.join(" | ")));
}

QTEST_MAIN(TestBotones)
#include "tst_botones.moc"
