// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include "Dialog.h"
#include "Frases.h"

namespace {

enum Forma { LineaEntera, PrincipioDeLinea, DentroDeLinea };

struct Cita {
    const char* texto;
    Forma forma;
};

// The headings and fixed lines of the instructions, in the order they must appear.
const Cita Citas[] = {
    {"  NOVARO ", LineaEntera},
    {"  Objetivo del juego:", LineaEntera},
    {"Las condiciones a cumplir son:", DentroDeLinea},
    {"- que no haya dos números iguales en la misma columna ", LineaEntera},
    {"- que no haya dos números iguales en la misma fila ", LineaEntera},
    {"- que no haya dos números iguales en el mismo panel.", LineaEntera},
    {"  Además de las casillas, en la pantalla se incluyen los siguientes botones:", LineaEntera},
    {"- Comprobar:", PrincipioDeLinea},
    {"- Nuevo:", PrincipioDeLinea},
    {"- Guardar / cargar partida:", PrincipioDeLinea},
    {"- Ver solución:", PrincipioDeLinea},
    {"  Jugar con el ratón:", LineaEntera},
    {"  Jugar con el teclado:", LineaEntera},
    {"  Teclas:", LineaEntera},
    {"  Tecla aplicaciones:", PrincipioDeLinea},
    {"  Cursores:", PrincipioDeLinea},
    {"a:", PrincipioDeLinea},
    {"  Inicio / fin, Avance / retroceso de página:", PrincipioDeLinea},
    {"  Enter:", PrincipioDeLinea},
    {"modo escritura activado", DentroDeLinea},
    {"modo escritura desactivado", DentroDeLinea},
    {"  Suprimir o retroceso:", PrincipioDeLinea},
    {" * las siguientes teclas deben pulsarse con el modo escritura desactivado para que", LineaEntera},
    {"produzcan su efecto ", LineaEntera},
    {"  Control:", PrincipioDeLinea},
    {"  O:", PrincipioDeLinea},
    {"  C:", PrincipioDeLinea},
    {"  F:", PrincipioDeLinea},
    {"  T, P:", PrincipioDeLinea},
    {"  V:", PrincipioDeLinea},
    {"  F9:", PrincipioDeLinea},
    {"  F1: muestra esta ayuda ", LineaEntera},
};

QStringList Lineas() { return Dialog::TextoAyuda().split(QStringLiteral("\r\n")); }
// The designed lines, then the quick keys.
QStringList Mostradas() { return Dialog::TextoMostrado().split(QStringLiteral("\r\n")); }

// First line at or after desde that holds the quoted text in its form; -1 if none.
int Buscar(const QStringList& lineas, const Cita& cita, int desde = 0)
{
    const QString texto = QString::fromUtf8(cita.texto);
    for (int i = desde; i < lineas.size(); ++i) {
        const QString& l = lineas[i];
        if ((cita.forma == LineaEntera && l == texto)
            || (cita.forma == PrincipioDeLinea && l.startsWith(texto))
            || (cita.forma == DentroDeLinea && l.contains(texto)))
            return i;
    }
    return -1;
}

// Runs accion on the modal help window as soon as the event loop reaches it.
void AlAbrirse(std::function<void(Dialog*)> accion)
{
    QTimer::singleShot(0, [accion] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialogo = qobject_cast<Dialog*>(modal);
        if (dialogo) {
            // The offscreen platform has no window manager to activate it.
            dialogo->activateWindow();
            if (QTest::qWaitFor([dialogo] { return dialogo->isActiveWindow(); }))
                accion(dialogo);
        }
        if (modal && modal->isVisible())
            modal->close();   // never leave a test hanging in exec()
        QVERIFY(dialogo);
    });
}

} // namespace

class TstDialog : public QObject {
    Q_OBJECT
private slots:
    void textoDeOchentaLineas();
    void citas_data();
    void citas();
    void citasEnOrden();
    void cierreDelTexto();
    void textoMostradoIgualAlDisenado();
    void disenoDeLaVentana();
    void focoYTabulador();
    void accesible();
    void teclasQueCierran_data();
    void teclasQueCierran();
    void controlC_data();
    void controlC();
    void mostrarAyudaDescartaLosCambios();
    void mostrarAyudaDevuelveElFoco();
};

void TstDialog::textoDeOchentaLineas()
{
    const QString texto = Dialog::TextoAyuda();
    const QStringList lineas = Lineas();
    QCOMPARE(lineas.size(), 80);
    QVERIFY(lineas.last().isEmpty());
    // No stray line break of another kind.
    for (const QString& l : lineas) {
        QVERIFY2(!l.contains(QLatin1Char('\r')) && !l.contains(QLatin1Char('\n')), qPrintable(l));
    }
    QVERIFY(texto.endsWith(QStringLiteral("\r\n")));
}

void TstDialog::citas_data()
{
    QTest::addColumn<int>("indice");
    for (int i = 0; i < int(std::size(Citas)); ++i)
        QTest::newRow(Citas[i].texto) << i;
}

void TstDialog::citas()
{
    QFETCH(int, indice);
    QVERIFY2(Buscar(Lineas(), Citas[indice]) >= 0, Citas[indice].texto);
}

void TstDialog::citasEnOrden()
{
    const QStringList lineas = Lineas();
    int anterior = -1;
    for (const Cita& cita : Citas) {
        const int i = Buscar(lineas, cita, std::max(anterior, 0));
        QVERIFY2(i >= 0 && i >= anterior, cita.texto);
        anterior = i;
    }
    QCOMPARE(lineas[0], QStringLiteral("  NOVARO "));
    QVERIFY(lineas[1].isEmpty());
    // The note continues on the line right after it.
    const int nota = Buscar(lineas, {" * las siguientes teclas", PrincipioDeLinea});
    QCOMPARE(Buscar(lineas, {"produzcan su efecto ", LineaEntera}), nota + 1);
    // An empty line sets F9 and F1 apart from the keys the note speaks of.
    const int f9 = Buscar(lineas, {"  F9:", PrincipioDeLinea});
    QVERIFY(f9 > 0 && lineas[f9 - 1].isEmpty());
    QCOMPARE(Buscar(lineas, {"  F1: muestra esta ayuda ", LineaEntera}), f9 + 1);
}

void TstDialog::cierreDelTexto()
{
    // After "F1": two empty lines, the credit, an empty line, the date, an empty line.
    const QStringList lineas = Lineas();
    const int f1 = Buscar(lineas, {"  F1: muestra esta ayuda ", LineaEntera});
    QCOMPARE(f1, lineas.size() - 7);
    QVERIFY(lineas[f1 + 1].isEmpty());
    QVERIFY(lineas[f1 + 2].isEmpty());
    QVERIFY(lineas[f1 + 3].startsWith(QStringLiteral("  NOVARO")));
    QVERIFY(lineas[f1 + 4].isEmpty());
    QVERIFY(lineas[f1 + 5].startsWith(QStringLiteral("  ")) && lineas[f1 + 5].trimmed().size() > 0);
    QVERIFY(lineas[f1 + 6].isEmpty());
}

void TstDialog::textoMostradoIgualAlDisenado()
{
    const QStringList mostradas = Mostradas();
    QCOMPARE(mostradas.mid(0, 80), Lineas());
    QStringList teclas;   // the section names the quick keys, in this order
    for (const auto& m : QRegularExpression("\n  ([A-Z]):").globalMatch(mostradas.mid(80).join('\n'))) teclas << m.captured(1);
    QCOMPARE(teclas.join(' '), QString("D Q N S Z R E U H G I X Y L M K B W J"));
    // The licence closes the section, each line indented like the keys.
    QStringList licencia;
    for (const std::string& linea : Frases::Licencia()) licencia << QString::fromStdString(linea);
    const QStringList cola = mostradas.mid(mostradas.size() - 1 - licencia.size(), licencia.size());
    for (int i = 0; i < licencia.size(); ++i) QCOMPARE(cola[i], QStringLiteral("  ") + licencia[i]);
    QVERIFY(licencia.join(' ').contains(QStringLiteral("GPL")));
    Dialog dialogo;
    QCOMPARE(dialogo.Text1->document()->blockCount(), mostradas.size());
    QCOMPARE(dialogo.Text1->toPlainText().split(QLatin1Char('\n')), mostradas);
    QVERIFY(!dialogo.Text1->isReadOnly());
    QCOMPARE(dialogo.Text1->textCursor().position(), 0);
}

void TstDialog::disenoDeLaVentana()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/novaro.png")));
    Dialog dialogo;
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));

    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Instrucciones Novaro"));
    QCOMPARE(dialogo.geometry(), QRect(184, 55, 794, 475));
    QCOMPARE(dialogo.minimumSize(), QSize(794, 475));
    QCOMPARE(dialogo.maximumSize(), QSize(794, 475));
    const Qt::WindowFlags banderas = dialogo.windowFlags();
    QCOMPARE(banderas & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(banderas & Qt::WindowCloseButtonHint);
    QVERIFY(!(banderas & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // The program's icon is not inherited: the dialog shows none.
    const QImage icono = dialogo.windowIcon().pixmap(16).toImage();
    QVERIFY(!icono.isNull());
    QCOMPARE(qAlpha(icono.pixel(8, 8)), 0);

    QCOMPARE(dialogo.Text1->geometry(), QRect(33, 100, 733, 367));
    QCOMPARE(dialogo.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(dialogo.Text1->font().family(), QStringLiteral("Arial"));
    QCOMPARE(dialogo.Text1->font().pointSizeF(), 9.75);
    QCOMPARE(dialogo.OKButton->geometry(), QRect(333, 33, 133, 33));
    QCOMPARE(dialogo.OKButton->text(), QStringLiteral("Aceptar"));
    QCOMPARE(dialogo.OKButton->font().pointSizeF(), 12.0);
    QVERIFY(dialogo.OKButton->isDefault());
}

void TstDialog::focoYTabulador()
{
    Dialog dialogo;
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialogo));
    QCOMPARE(QApplication::focusWidget(), dialogo.Text1);
    QTest::keyClick(dialogo.Text1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialogo.OKButton);
    QTest::keyClick(dialogo.OKButton, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialogo.Text1);
}

void TstDialog::accesible()
{
    Dialog dialogo;
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));

    QAccessibleInterface* ventana = QAccessible::queryAccessibleInterface(&dialogo);
    QVERIFY(ventana);
    QCOMPARE(ventana->role(), QAccessible::Dialog);
    QCOMPARE(ventana->text(QAccessible::Name), QStringLiteral("Instrucciones Novaro"));

    QAccessibleInterface* texto = QAccessible::queryAccessibleInterface(dialogo.Text1);
    QVERIFY(texto);
    QCOMPARE(texto->role(), QAccessible::EditableText);
    QCOMPARE(texto->text(QAccessible::Name), QStringLiteral("Instrucciones"));
    QVERIFY(texto->textInterface());
    QVERIFY(texto->textInterface()->text(0, 9) == QStringLiteral("  NOVARO "));

    QAccessibleInterface* boton = QAccessible::queryAccessibleInterface(dialogo.OKButton);
    QVERIFY(boton);
    QCOMPARE(boton->role(), QAccessible::Button);
    QCOMPARE(boton->text(QAccessible::Name), QStringLiteral("Aceptar"));
}

void TstDialog::teclasQueCierran_data()
{
    QTest::addColumn<bool>("enElBoton");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<bool>("cierra");

    const int sin = Qt::NoModifier;
    QTest::newRow("Enter en el texto") << false << int(Qt::Key_Return) << sin << true;
    QTest::newRow("Enter del teclado numérico en el texto")
        << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Mayúsculas+Enter en el texto") << false << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Escape en el texto") << false << int(Qt::Key_Escape) << sin << true;
    QTest::newRow("Control+Enter en el texto") << false << int(Qt::Key_Return) << int(Qt::ControlModifier) << true;
    QTest::newRow("F1 en el texto") << false << int(Qt::Key_F1) << sin << false;
    QTest::newRow("letra en el texto") << false << int(Qt::Key_X) << sin << false;
    QTest::newRow("Enter en el botón") << true << int(Qt::Key_Return) << sin << true;
    QTest::newRow("Espacio en el botón") << true << int(Qt::Key_Space) << sin << true;
    QTest::newRow("Escape en el botón") << true << int(Qt::Key_Escape) << sin << true;
}

void TstDialog::teclasQueCierran()
{
    QFETCH(bool, enElBoton);
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(bool, cierra);

    Dialog dialogo;
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialogo));
    QWidget* destino = enElBoton ? static_cast<QWidget*>(dialogo.OKButton) : dialogo.Text1;
    destino->setFocus();
    const int lineas = dialogo.Text1->document()->blockCount();

    QTest::keyClick(destino, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    QCOMPARE(dialogo.isVisible(), !cierra);
    if (cierra)   // the closing key is not also typed into the text
        QCOMPARE(dialogo.Text1->document()->blockCount(), lineas);
}

void TstDialog::controlC_data()
{
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("fin");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("sin selección") << 5 << 5 << QString();
    QTest::newRow("el título") << 2 << 8 << QStringLiteral("NOVARO");
    QTest::newRow("a través de una línea") << 2 << 16 << QStringLiteral("NOVARO \n\n  Obj");
    QTest::newRow("selección hacia atrás") << 8 << 2 << QStringLiteral("NOVARO");
}

void TstDialog::controlC()
{
    QFETCH(int, inicio);
    QFETCH(int, fin);
    QFETCH(QString, esperado);

    QClipboard* portapapeles = QGuiApplication::clipboard();
    auto* previo = new QMimeData;
    previo->setText(QStringLiteral("anterior"));
    previo->setHtml(QStringLiteral("<b>anterior</b>"));
    portapapeles->setMimeData(previo);

    Dialog dialogo;
    dialogo.show();
    QTextCursor cursor = dialogo.Text1->textCursor();
    cursor.setPosition(inicio);
    cursor.setPosition(fin, QTextCursor::KeepAnchor);
    dialogo.Text1->setTextCursor(cursor);

    QTest::keyClick(dialogo.Text1, Qt::Key_C, Qt::ControlModifier);

    const QMimeData* datos = portapapeles->mimeData();
    QVERIFY(datos);
    QVERIFY(datos->hasText());
    QCOMPARE(datos->text(), esperado);
    QVERIFY(!datos->hasHtml());   // only plain text is left
    QCOMPARE(dialogo.Text1->toPlainText().split(QLatin1Char('\n')), Mostradas());
    QVERIFY(dialogo.isVisible());
}

void TstDialog::mostrarAyudaDescartaLosCambios()
{
    QWidget ventana;
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));

    QString despuesDeEditar;
    AlAbrirse([&](Dialog* dialogo) {
        QCOMPARE(dialogo->parentWidget(), &ventana);
        // Windows moves the focus in one turn of the event loop after the activation.
        QTRY_COMPARE(QApplication::focusWidget(), dialogo->Text1);
        QTest::keyClicks(dialogo->Text1, QStringLiteral("borrador"));
        QTest::keyClick(dialogo->Text1, Qt::Key_Delete);
        despuesDeEditar = dialogo->Text1->toPlainText();
        QTest::keyClick(dialogo->Text1, Qt::Key_Escape);
    });
    MostrarAyuda(&ventana);
    QVERIFY(despuesDeEditar.startsWith(QStringLiteral("borrador NOVARO")));
    QVERIFY(ventana.findChildren<Dialog*>().isEmpty());

    QString mostrado;
    AlAbrirse([&](Dialog* dialogo) {
        mostrado = dialogo->Text1->toPlainText();
        QTest::keyClick(dialogo->Text1, Qt::Key_Return);
    });
    MostrarAyuda(&ventana);
    QCOMPARE(mostrado.split(QLatin1Char('\n')), Mostradas());
    QVERIFY(ventana.findChildren<Dialog*>().isEmpty());
}

void TstDialog::mostrarAyudaDevuelveElFoco()
{
    QWidget ventana;
    auto* disposicion = new QVBoxLayout(&ventana);
    auto* primero = new QLineEdit(&ventana);
    auto* boton = new QPushButton(QStringLiteral("Nuevo"), &ventana);
    disposicion->addWidget(primero);
    disposicion->addWidget(boton);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    boton->setFocus();
    QCOMPARE(QApplication::focusWidget(), boton);

    bool modal = false;
    AlAbrirse([&](Dialog* dialogo) {
        modal = dialogo->isModal();
        dialogo->OKButton->click();
    });
    MostrarAyuda(&ventana);
    QVERIFY(modal);
    QTRY_COMPARE(QApplication::focusWidget(), boton);
}

QTEST_MAIN(TstDialog)
#include "tst_dialog.moc"
