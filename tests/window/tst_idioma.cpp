// SPDX-License-Identifier: GPL-3.0-or-later
#include "BotonVariasLineas.h"
#include "Dialog.h"
#include "Idioma.h"
#include "VentanaPrueba.h"
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {

bool Ingles() { return InstalarIdioma(QStringLiteral("en"), QCoreApplication::applicationDirPath()); }
void Espanol() { InstalarIdioma(IdiomaOriginal, QString()); }

// Row 0: a given 5, an empty cell, a player's 3; the rest empty.
const QString Tablero = QStringLiteral("5-c") + QString(78, QLatin1Char('-'));

// Every text a widget or action shows or gives a screen reader.
QStringList Textos(QObject* raiz)
{
    QStringList t;
    for (QWidget* w : raiz->findChildren<QWidget*>()) {
        t << w->windowTitle() << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) t << b->text();
        if (auto* l = qobject_cast<QLineEdit*>(w)) t << l->text();
    }
    for (QAction* a : raiz->findChildren<QAction*>()) t << a->text() << a->toolTip();
    return t;
}

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestIdioma : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Espanol(); }
    void elegir_data();
    void elegir();
    void teclasEnIngles_data();
    void teclasEnIngles();
    void ventanaEnIngles();
    void nadaQuedaSinTraducir();
    void rotulosEnterosEnIngles();
    void ranuraIgualEnLosDosIdiomas_data();
    void ranuraIgualEnLosDosIdiomas();
};

void TestIdioma::elegir_data()
{
    QTest::addColumn<QStringList>("preferidos");
    QTest::addColumn<QString>("idioma");

    QTest::newRow("nothing asked") << QStringList{} << "es";
    QTest::newRow("Spanish desktop") << QStringList{"es-ES", "es"} << "es";
    QTest::newRow("Spanish first, English after") << QStringList{"es-MX", "en-US"} << "es";
    QTest::newRow("English desktop") << QStringList{"en-GB", "en"} << "en";
    QTest::newRow("unknown first, English after") << QStringList{"fr-FR", "en_US"} << "en";
    QTest::newRow("only unknown languages") << QStringList{"fr", "de-AT"} << "es";
    QTest::newRow("capitals") << QStringList{"EN"} << "en";
    QTest::newRow("C locale") << QStringList{"C"} << "es";
}

void TestIdioma::elegir()
{
    QFETCH(QStringList, preferidos);
    QFETCH(QString, idioma);
    QCOMPARE(ElegirIdioma(preferidos), idioma);
}

void TestIdioma::teclasEnIngles_data()
{
    QTest::addColumn<int>("columna");
    QTest::addColumn<QTestEventList>("teclas");
    QTest::addColumn<QString>("dicho");
    QTest::addColumn<QString>("celda");   // cell 1 afterwards

    QTestEventList l;
    l.addKeyClick(Qt::Key_Right);
    QTest::newRow("a move onto an empty cell") << 0 << l << "empty" << "-";
    l.clear();
    l.addKeyClick(Qt::Key_C);
    QTest::newRow("C") << 1 << l << QString("empty ").repeated(9) << "-";
    l.clear();
    l.addKeyClick(Qt::Key_Return);
    QTest::newRow("write mode on") << 1 << l << "Write mode on" << "-";
    l.addKeyClicks("4");
    l.addKeyClick(Qt::Key_Return);
    QTest::newRow("Enter, 4, Enter: the digit alone is stored") << 1 << l << "Write mode off " << "4";
    l.clear();
    l.addKeyClick(Qt::Key_Return);
    QTest::newRow("Enter on a given") << 0 << l
        << "Write mode not available. Original number under the cursor.   " << "-";
    l.clear();
    l.addKeyClick(Qt::Key_Delete);
    QTest::newRow("erasing a given") << 0 << l
        << "That number cannot be erased. It is one of the original numbers." << "-";
    l.clear();
    l.addKeyClick(Qt::Key_D);
    QTest::newRow("D") << 1 << l << "Row 1, column 2, top left panel" << "-";
    l.clear();
    l.addKeyClick(Qt::Key_N);
    QTest::newRow("N") << 1 << l << "Fit: 1, 2, 4, 6, 7, 8 and 9" << "-";
}

void TestIdioma::teclasEnIngles()
{
    QFETCH(int, columna);
    QFETCH(QTestEventList, teclas);
    QFETCH(QString, dicho);
    QFETCH(QString, celda);
    QVERIFY(Ingles());
    VentanaPrueba v;
    v.Tablero(Tablero);
    v.Cursor(0, columna);
    teclas.simulate(v.f->Picture1);
    QVERIFY(!v.dichos.isEmpty());
    QCOMPARE(v.dichos.last(), dicho);
    QCOMPARE(v.Celda(1), celda);
}

void TestIdioma::ventanaEnIngles()
{
    QVERIFY(Ingles());
    VentanaPrueba v;
    QCOMPARE(v.Linea(), QString("Press F1 for help"));
    QStringList menus;
    for (QAction* a : v.f->menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, (QStringList{"Levels", "Difficulty", "&Font size", "Game", "Buttons", "&Day"}));
    QCOMPARE(v.f->MnuD[4]->text(), QString("Expert"));
    QCOMPARE(v.f->Command3->text(), QString("See &solution"));
    QCOMPARE(v.f->Command2->toolTip(), QString("Deals a new game"));
    QCOMPARE(v.f->MnuP[8]->text(), QString("Game 9"));

    v.Tablero(Tablero);
    QTest::mouseClick(v.f->Command1, Qt::LeftButton);
    QCOMPARE(v.mensajes.last(), QString("Wrong numbers in column 1(500000000)"));

    Dialog ayuda;
    const QString texto = ayuda.findChild<QPlainTextEdit*>("Text1")->toPlainText();
    QVERIFY2(texto.contains("  Aim of the game:"), qPrintable(texto.left(60)));
    QVERIFY(texto.contains("  Keys to play faster (with write mode off):"));
    QCOMPARE(ayuda.windowTitle(), QString("NOVARO instructions"));
}

void TestIdioma::nadaQuedaSinTraducir()
{
    // A text the same in both languages is one that was never translated, but
    // for those that are the same words in English.
    const QStringList iguales{"", "NOVARO", "-", "Provisional"};
    QStringList espanol, ingles;
    {
        VentanaPrueba v;
        Dialog ayuda;
        espanol = Textos(v.f.get()) + Textos(&ayuda);
    }
    QVERIFY(Ingles());
    {
        VentanaPrueba v;
        Dialog ayuda;
        ingles = Textos(v.f.get()) + Textos(&ayuda);
    }
    QCOMPARE(ingles.size(), espanol.size());
    for (qsizetype i = 0; i < ingles.size(); ++i) {
        bool numero = false;
        QString(ingles[i]).remove('&').toInt(&numero);
        if (ingles[i] == espanol[i] && !numero && !iguales.contains(ingles[i]))
            QFAIL(qPrintable("not translated: " + ingles[i]));
    }
}

void TestIdioma::rotulosEnterosEnIngles()
{
    QVERIFY(Ingles());
    VentanaPrueba v;
    const auto botones = v.f->findChildren<BotonVariasLineas*>();
    QCOMPARE(botones.size(), 5);
    for (BotonVariasLineas* b : botones) {
        const QRect area = b->AreaTexto();
        const QRect ocupa = QFontMetrics(b->FuenteQueCabe()).boundingRect(area, BotonVariasLineas::Alineacion, b->text());
        QVERIFY2(area.contains(ocupa), qPrintable(b->text()));
    }
}

void TestIdioma::ranuraIgualEnLosDosIdiomas_data()
{
    QTest::addColumn<bool>("primeroEnIngles");
    QTest::newRow("saved in English, loaded in Spanish") << true;
    QTest::newRow("saved in Spanish, loaded in English") << false;
}

void TestIdioma::ranuraIgualEnLosDosIdiomas()
{
    QFETCH(bool, primeroEnIngles);
    // Spanish always loads; English must, or the test says so.
    auto ponerIdioma = [](bool ingles) { return ingles ? Ingles() : InstalarIdioma(IdiomaOriginal, QString()); };
    auto ranura = [](bool ingles, int n) { return (ingles ? QString("Game %1") : QString("Partida %1")).arg(n); };

    QVERIFY(ponerIdioma(primeroEnIngles));
    VentanaPrueba antes(7);
    antes.f->Text1[1]->setText("1 o 2");
    antes.f->Estado.Provisionales[1] = true;
    antes.ElegirTrasBoton(antes.f->Command4, ranura(primeroEnIngles, 1));
    const QByteArray guardado = Leer(antes.carpeta.path() + "/Novaro1.sav");
    QVERIFY(!guardado.isEmpty());

    QVERIFY(ponerIdioma(!primeroEnIngles));
    VentanaPrueba despues(8);
    QVERIFY(QFile::copy(antes.carpeta.path() + "/Novaro1.sav", despues.carpeta.path() + "/Novaro1.sav"));
    despues.ElegirTrasBoton(despues.f->Command5, ranura(!primeroEnIngles, 1));
    QVERIFY(despues.mensajes.isEmpty());
    QCOMPARE(despues.Celda(1), QString("1 o 2"));
    despues.ElegirTrasBoton(despues.f->Command4, ranura(!primeroEnIngles, 2));
    QCOMPARE(Leer(despues.carpeta.path() + "/Novaro2.sav"), guardado);
}

QTEST_MAIN(TestIdioma)
#include "tst_idioma.moc"
