#include "Voz.h"

#include <QAccessible>
#include <QLabel>
#include <QMainWindow>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

namespace {

struct Aviso {
    QObject* objeto;
    QString nombre; // what a screen reader would read while handling the event
};

QList<Aviso> avisos;

void Observar(QAccessibleEvent* evento)
{
    if (evento->type() != QAccessible::ObjectShow)
        return;
    QAccessibleInterface* interfaz = evento->accessibleInterface();
    avisos.append({evento->object(), interfaz ? interfaz->text(QAccessible::Name) : QString()});
}

} // namespace

class TstVoz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Voz::InstalarFabrica(); }
    void init()
    {
        avisos.clear();
        Voz::Publicar = Observar;
    }
    void cleanup() { Voz::Publicar = QAccessible::updateAccessibility; }

    void hablarPublicaUnAvisoPorTexto_data();
    void hablarPublicaUnAvisoPorTexto();
    void etiquetasSonNotificacionesConElTexto();
    void barraOcultaNoQuitaSitio();
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
    QCOMPARE(etiquetas.size(), 2);

    for (const QString& texto : textos)
        voz.Hablar(texto);

    QCOMPARE(avisos.size(), hablados.size());
    QCOMPARE(dichos.size(), hablados.size());
    for (int i = 0; i < hablados.size(); ++i) {
        QCOMPARE(avisos[i].nombre, hablados[i]);
        QCOMPARE(dichos[i].at(0).toString(), hablados[i]);
        QVERIFY(etiquetas.contains(qobject_cast<EtiquetaAviso*>(avisos[i].objeto)));
        // Two labels in turn, so a fast second text never replaces a queued first one.
        if (i > 0)
            QVERIFY(avisos[i].objeto != avisos[i - 1].objeto);
    }
}

void TstVoz::etiquetasSonNotificacionesConElTexto()
{
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
        QCOMPARE(interfaz->text(QAccessible::Name), etiqueta->text());
        nombres << interfaz->text(QAccessible::Name);
        // Orca leaves out the role word only for a notification inside a status bar.
        QCOMPARE(interfaz->parent()->role(), QAccessible::StatusBar);
    }
    nombres.sort();
    QCOMPARE(nombres, (QStringList{"5 vacía 3. ", "Modo escritura activado"}));
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
    QVERIFY(!conVoz.statusBar()->isVisible());
    QVERIFY(conVoz.statusBar()->findChild<EtiquetaAviso*>());
    QCOMPARE(conVoz.centralWidget()->size(), sola.centralWidget()->size());
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
}

void TstVoz::pronunciar()
{
    QFETCH(QString, linea);
    QFETCH(QString, dicha);
    QCOMPARE(Voz::Pronunciar(linea), dicha);
}

QTEST_MAIN(TstVoz)
#include "tst_voz.moc"
