// SPDX-License-Identifier: GPL-3.0-or-later
#include "Voz.h"

#include <algorithm>

#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QWindow>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

namespace {

struct Aviso {
    QObject* objeto;
    QString nombre; // what a screen reader would read while handling the event
    bool urgente = false;
};

QList<Aviso> avisos;
// Where text selection events came from: the label route fixes each text on Orca's braille line.
QList<QAccessibleInterface*> fijados;

void Observar(QAccessibleEvent* evento)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (evento->type() == QAccessible::Announcement) {
        auto* anuncio = static_cast<QAccessibleAnnouncementEvent*>(evento);
        avisos.append({evento->object(), anuncio->message(),
                       anuncio->politeness() == QAccessible::AnnouncementPoliteness::Assertive});
        return;
    }
#endif
    if (evento->type() == QAccessible::TextSelectionChanged)
        fijados.append(evento->accessibleInterface());
    if (evento->type() != QAccessible::ObjectShow)
        return;
    // Orca reads the text from the label inside the notification.
    QAccessibleInterface* interfaz = evento->accessibleInterface();
    QAccessibleInterface* texto = interfaz && interfaz->childCount() == 1 ? interfaz->child(0) : nullptr;
    avisos.append({evento->object(), texto ? texto->text(QAccessible::Name) : QString()});
}

} // namespace

class TstVoz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Voz::InstalarFabrica(); }
    void init()
    {
        avisos.clear();
        fijados.clear();
        Voz::Publicar = Observar;
    }
    void cleanup() { Voz::Publicar = QAccessible::updateAccessibility; }

    void hablarPublicaUnAvisoPorTexto_data();
    void hablarPublicaUnAvisoPorTexto();
    void etiquetasSonNotificacionesConElTexto();
    void anuncioSaleDelFoco();
    void barraOcultaNoQuitaSitio();
    void tableroEnteroCallaLosTextosLejosDelFoco();
    void trasUnTableroEnteroNoSeFija();
    void descripcionesTrasLasPalabras_data();
    void descripcionesTrasLasPalabras();
    void pronunciar_data();
    void pronunciar();
};

void TstVoz::hablarPublicaUnAvisoPorTexto_data()
{
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QStringList>("hablados");

    QTest::newRow("one text") << QStringList{"Provisional"} << QStringList{"Provisional"};
    QTest::newRow("same text twice is said twice")
        << QStringList{"No provisional", "No provisional"} << QStringList{"No provisional", "No provisional"};
    QTest::newRow("empty says nothing") << QStringList{""} << QStringList{};
    QTest::newRow("empty between two texts")
        << QStringList{"5", "", "7"} << QStringList{"5", "7"};
    QTest::newRow("accents and trailing blank kept")
        << QStringList{"Aviso de número original activado", "Modo escritura desactivado "}
        << QStringList{"Aviso de número original activado", "Modo escritura desactivado "};
    QTest::newRow("five in a row")
        << QStringList{"a", "b", "c", "d", "e"} << QStringList{"a", "b", "c", "d", "e"};
}

void TstVoz::hablarPublicaUnAvisoPorTexto()
{
    QFETCH(QStringList, textos);
    QFETCH(QStringList, hablados);

    QMainWindow ventana;
    Voz voz(&ventana);
    QSignalSpy dichos(&voz, &Voz::Hablado);
    const auto etiquetas = ventana.findChildren<EtiquetaAviso*>();
    QCOMPARE(etiquetas.size(), Voz::ConAnuncios ? 0 : 2);

    for (const QString& texto : textos)
        voz.Hablar(texto);

    QCOMPARE(avisos.size(), hablados.size());
    QCOMPARE(dichos.size(), hablados.size());
    for (int i = 0; i < hablados.size(); ++i) {
        QCOMPARE(avisos[i].nombre, hablados[i]);
        QCOMPARE(dichos[i].at(0).toString(), hablados[i]);
        if constexpr (Voz::ConAnuncios) {
            QCOMPARE(avisos[i].objeto, &ventana);
            QVERIFY(avisos[i].urgente);
        } else {
            QVERIFY(etiquetas.contains(qobject_cast<EtiquetaAviso*>(avisos[i].objeto)));
            // Two labels in turn, so a fast second text never replaces a queued first one.
            if (i > 0)
                QVERIFY(avisos[i].objeto != avisos[i - 1].objeto);
        }
    }
    if (Voz::ConAnuncios || hablados.isEmpty())
        return;
    // Once the texts stop, the last one alone is fixed on the braille line.
    QTRY_COMPARE(fijados.size(), 1);
    QCOMPARE(fijados[0], QAccessible::queryAccessibleInterface(avisos.last().objeto)->child(0));
}

void TstVoz::etiquetasSonNotificacionesConElTexto()
{
    if constexpr (Voz::ConAnuncios)
        QSKIP("this Qt speaks through announcements, not labels");
    QMainWindow ventana;
    Voz voz(&ventana);
    const auto etiquetas = ventana.findChildren<EtiquetaAviso*>();
    QCOMPARE(etiquetas.size(), 2);

    voz.Hablar("5 vacía 3. ");
    voz.Hablar("Modo escritura activado");
    QStringList nombres;
    for (EtiquetaAviso* etiqueta : etiquetas) {
        QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(etiqueta);
        QVERIFY(interfaz);
        QCOMPARE(interfaz->role(), QAccessible::Notification);
        // Orca shows on the braille line only a label inside the notification whose
        // text the notification's own name does not hold.
        QVERIFY(interfaz->text(QAccessible::Name).isEmpty());
        QCOMPARE(interfaz->childCount(), 1);
        QAccessibleInterface* texto = interfaz->child(0);
        QCOMPARE(texto->role(), QAccessible::StaticText);
        QCOMPARE(texto->text(QAccessible::Name), etiqueta->Texto());
        nombres << texto->text(QAccessible::Name);
        // Orca leaves out the role word only for a notification inside a status bar.
        QCOMPARE(interfaz->parent()->role(), QAccessible::StatusBar);
    }
    nombres.sort();
    QCOMPARE(nombres, (QStringList{"5 vacía 3. ", "Modo escritura activado"}));
}

void TstVoz::anuncioSaleDelFoco()
{
    if constexpr (!Voz::ConAnuncios)
        QSKIP("this Qt has no announcements");
    // Orca drops quick events from objects other than the focused one.
    QMainWindow ventana;
    Voz voz(&ventana);
    auto* detector = new QLineEdit(&ventana);
    ventana.setCentralWidget(detector);
    ventana.show();
    ventana.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    detector->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), detector);
    voz.Hablar("3");

    QMainWindow caja;   // a box in front of the game, holding the focus
    auto* boton = new QLineEdit(&caja);
    caja.setCentralWidget(boton);
    caja.show();
    caja.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&caja));
    boton->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), boton);
    voz.Hablar("Partida guardada en el lugar 1");

    QCOMPARE(avisos.size(), 2);
    QCOMPARE(avisos[0].objeto, detector);
    QCOMPARE(avisos[1].objeto, boton);
    QCOMPARE(avisos[1].nombre, QString("Partida guardada en el lugar 1"));
}

void TstVoz::barraOcultaNoQuitaSitio()
{
    QMainWindow sola;
    sola.setCentralWidget(new QWidget);
    sola.resize(529, 311);
    sola.show();

    QMainWindow conVoz;
    conVoz.setCentralWidget(new QWidget);
    Voz voz(&conVoz);
    conVoz.resize(529, 311);
    conVoz.show();
    voz.Hablar("Pulse F1 para ayuda");

    QVERIFY(QTest::qWaitForWindowExposed(&conVoz));
    if constexpr (!Voz::ConAnuncios) {
        QVERIFY(!conVoz.statusBar()->isVisible());
        QVERIFY(conVoz.statusBar()->findChild<EtiquetaAviso*>());
    }
    QCOMPARE(conVoz.centralWidget()->size(), sola.centralWidget()->size());
}

namespace {
// What reaches the screen reader's bridge, past whatever stands in front of it.
QList<QPair<QObject*, QAccessible::Event>> puentes;
void AlPuente(QAccessibleEvent* evento) { puentes.append({evento->object(), evento->type()}); }
} // namespace

void TstVoz::tableroEnteroCallaLosTextosLejosDelFoco()
{
    QMainWindow ventana;
    auto* centro = new QWidget(&ventana);
    auto* enfocada = new QLineEdit(centro);
    auto* lejos = new QLineEdit(centro);
    ventana.setCentralWidget(centro);
    ventana.show();
    ventana.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    enfocada->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), enfocada);
    Voz::Publicar = AlPuente;
    puentes.clear();
    {
        const Voz::TableroEntero tablero;
        // No screen reader listens here, so the events are handed to what Qt calls.
        const QAccessible::UpdateHandler filtro = QAccessible::installUpdateHandler(nullptr);
        QAccessible::installUpdateHandler(filtro);
        QVERIFY(filtro);
        QAccessibleTextInsertEvent lejosEscrita(lejos, 0, "5");
        QAccessibleTextRemoveEvent lejosBorrada(lejos, 0, "-");
        QAccessibleTextCursorEvent lejosCursor(lejos, 1);
        QAccessibleEvent lejosDescrita(lejos, QAccessible::DescriptionChanged);
        QAccessibleTextInsertEvent enfocadaEscrita(enfocada, 0, "7");
        for (QAccessibleEvent* e : std::initializer_list<QAccessibleEvent*>{&lejosEscrita, &lejosBorrada, &lejosCursor,
                                                                           &lejosDescrita, &enfocadaEscrita})
            filtro(e);
        { const Voz::TableroEntero dentro; }   // one rewrite inside another keeps the outer one
        QVERIFY(QAccessible::installUpdateHandler(filtro) == filtro);
    }
    // With labels, the description away from the focus comes after the words (below).
    QList<QPair<QObject*, QAccessible::Event>> esperados{{enfocada, QAccessible::TextInserted}};
    if (Voz::ConAnuncios) esperados.prepend({lejos, QAccessible::DescriptionChanged});
    QCOMPARE(puentes, esperados);
    QVERIFY(!QAccessible::installUpdateHandler(nullptr));   // Qt's own way again
}

void TstVoz::trasUnTableroEnteroNoSeFija()
{
    if constexpr (Voz::ConAnuncios)
        QSKIP("this Qt speaks through announcements, not labels");
    QMainWindow ventana;
    Voz voz(&ventana);
    { const Voz::TableroEntero tablero; }
    voz.Hablar("Notas en 47 casillas");
    // Fixing it could make Orca 43 prune the text from its flooded queue.
    QTest::qWait(1500);
    QCOMPARE(avisos.size(), 1);
    QVERIFY(fijados.isEmpty());
    // The next text is fixed as usual.
    voz.Hablar("vacía, notas 3 y 5");
    QTRY_COMPARE(fijados.size(), 1);
}

void TstVoz::descripcionesTrasLasPalabras_data()
{
    QTest::addColumn<bool>("menu");        // the board rewritten by a menu's action
    QTest::addColumn<QString>("suelta");   // what lets its held descriptions go
    QTest::newRow("a key's action, then the next key") << false << "tecla";
    QTest::newRow("a key's action, then a click") << false << "clic";
    QTest::newRow("a key's action, then nothing: the time limit") << false << "tiempo";
    QTest::newRow("a menu's action, then the next key") << true << "tecla";
    QTest::newRow("a menu's action, then nothing: the time limit") << true << "tiempo";
}

// A board rewritten at once: its cells' descriptions reach the screen reader after the
// words (Orca 43 prunes the words from a queue of more than fifty when it takes a focus or
// text selection event), and before anything the player does next.
void TstVoz::descripcionesTrasLasPalabras()
{
    if constexpr (Voz::ConAnuncios)
        QSKIP("announcements do not meet Orca 43's flood");
    QFETCH(bool, menu);
    QFETCH(QString, suelta);
    QMainWindow ventana;
    auto* centro = new QWidget(&ventana);
    auto* enfocada = new QLineEdit(centro);
    auto* lejos = new QLineEdit(centro);
    ventana.setCentralWidget(centro);
    Voz voz(&ventana);
    ventana.show();
    ventana.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    enfocada->setFocus();
    QMenu opciones;
    if (menu) {
        // Closed, and the window not yet given the focus back.
        opciones.addAction(QStringLiteral("Nuevo"));
        opciones.popup(QPoint(0, 0));
        opciones.windowHandle()->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), opciones.windowHandle());
        opciones.hide();
    }
    Voz::Publicar = AlPuente;
    puentes.clear();
    {
        const Voz::TableroEntero tablero;
        const QAccessible::UpdateHandler filtro = QAccessible::installUpdateHandler(nullptr);
        QAccessible::installUpdateHandler(filtro);
        QAccessibleEvent lejosDescrita(lejos, QAccessible::DescriptionChanged);
        QAccessibleEvent enfocadaDescrita(enfocada, QAccessible::DescriptionChanged);
        for (QAccessibleEvent* e : {&lejosDescrita, &lejosDescrita, &enfocadaDescrita})
            filtro(e);
    }
    voz.Hablar("Sudoku Experto, 23 números dados");
    ventana.activateWindow();
    const auto palabras = [] {
        return std::find_if(puentes.begin(), puentes.end(), [](const auto& p) { return p.second == QAccessible::ObjectShow; });
    };
    QTRY_VERIFY(palabras() != puentes.end());
    const QPair<QObject*, QAccessible::Event> descripcion{lejos, QAccessible::DescriptionChanged};
    // The focused control's own change is the screen reader's to say, at once.
    QCOMPARE(puentes.first(), (QPair<QObject*, QAccessible::Event>{enfocada, QAccessible::DescriptionChanged}));
    QTest::qWait(100);
    QVERIFY2(!puentes.contains(descripcion), "the description went out before the player did anything");
    if (suelta == "tecla") QTest::keyClick(enfocada, Qt::Key_Right);
    else if (suelta == "clic") QTest::mouseClick(enfocada, Qt::LeftButton);
    if (suelta != "tiempo") QCOMPARE(puentes.count(descripcion), 1);   // at once, and once
    QTRY_COMPARE_WITH_TIMEOUT(puentes.count(descripcion), 1, 4000);
    QVERIFY(puentes.indexOf(descripcion) > palabras() - puentes.begin());
}

void TstVoz::pronunciar_data()
{
    QTest::addColumn<QString>("linea");
    QTest::addColumn<QString>("dicha");

    QTest::newRow("empty cell alone") << "-" << "vacía";
    QTest::newRow("panel read")
        << "5 - 3. - 7 P -. 1 - 9. " << "5 vacía 3. vacía 7 P vacía. 1 vacía 9. ";
    QTest::newRow("column read")
        << "5 - 3 - - 8 P - - 1 " << "5 vacía 3 vacía vacía 8 P vacía vacía 1 ";
    QTest::newRow("panel ending in empty cells")
        << "4 6 2 P. 9 - -. - 1 -. " << "4 6 2 P. 9 vacía vacía. vacía 1 vacía. ";
    QTest::newRow("provisional cell text") << "1 o 2" << "1 o 2";
    QTest::newRow("dash inside a word") << "-3" << "-3";
    QTest::newRow("dash after a word") << "3- 4-5 --" << "3- 4-5 --";
    QTest::newRow("only blanks and nothing") << "  " << "  ";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blanks around kept") << " - " << " vacía ";
    QTest::newRow("message untouched") << "Modo escritura desactivado " << "Modo escritura desactivado ";
    QTest::newRow("empty cell before its notes") << "-, notas 3 y 5" << "vacía, notas 3 y 5";
    QTest::newRow("provisional empty cell before its notes") << "- P, nota 3" << "vacía P, nota 3";
}

void TstVoz::pronunciar()
{
    QFETCH(QString, linea);
    QFETCH(QString, dicha);
    QCOMPARE(Voz::Pronunciar(linea), dicha);
}

QTEST_MAIN(TstVoz)
#include "tst_voz.moc"
