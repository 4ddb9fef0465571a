// SPDX-License-Identifier: GPL-3.0-or-later
// A long random storm of keys, characters, clicks, buttons, menus and slot
// choices on the real window. After every event the game must still be whole:
// the cursor on the grid, every given with its digit and locked, the givens
// changed only by a new game or a load, a loaded game equal to the one saved,
// and no modal window or menu left open.
//
// NOVARO_SEMILLA_TORMENTA replays a storm; NOVARO_EVENTOS_TORMENTA sets its length.
#include "Archivos.h"
#include "Calificacion.h"
#include "Dialog.h"
#include "Frases.h"
#include "Notas.h"
#include "RegistroPartida.h"
#include "SudokusPrueba.h"
#include "VentanaPrueba.h"
#include "Windows1252.h"
#include <QClipboard>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <optional>
#include <random>

namespace {

// Every key the key detector knows, and the keys the window or the cells act on.
const Qt::Key teclasDetector[] = {
    Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
    Qt::Key_PageDown, Qt::Key_A, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_C, Qt::Key_F, Qt::Key_T,
    Qt::Key_P, Qt::Key_V, Qt::Key_O, Qt::Key_Control, Qt::Key_F8, Qt::Key_F9, Qt::Key_Menu,
    Qt::Key_D, Qt::Key_Q, Qt::Key_N, Qt::Key_S, Qt::Key_Z, Qt::Key_R, Qt::Key_E,
    Qt::Key_I, Qt::Key_X,
    Qt::Key_L, Qt::Key_L, Qt::Key_M,
};
const Qt::Key teclasOtras[] = {
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab,
    Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Insert, Qt::Key_F2, Qt::Key_F10, Qt::Key_Z, Qt::Key_X,
};

// The game as a slot holds it; texts as they come back through the file's character set.
RegistroPartida Foto(Form1& f)
{
    RegistroPartida r = RegistroDe(f.Estado, f);
    for (std::string& t : r.Textos) t = De1252(A1252(t));
    return r;
}

QString Diferencia(const RegistroPartida& a, const RegistroPartida& b)
{
    if (a.SonidoActivo != b.SonidoActivo) return QStringLiteral("panel sound");
    for (int i = 0; i < 81; ++i) {
        if (a.Solucion[i] != b.Solucion[i]) return QStringLiteral("solution of cell %1").arg(i);
        if (a.Originales[i] != b.Originales[i]) return QStringLiteral("given flag of cell %1").arg(i);
        if (a.Provisionales[i] != b.Provisionales[i]) return QStringLiteral("provisional flag of cell %1").arg(i);
        if (a.Textos[i] != b.Textos[i])
            return QStringLiteral("text of cell %1: \"%2\" instead of \"%3\"").arg(i).arg(DeUtf8(a.Textos[i]), DeUtf8(b.Textos[i]));
        if (a.Notas[i] != b.Notas[i]) return QStringLiteral("notes of cell %1").arg(i);
    }
    return {};
}

class Tormenta {
public:
    Tormenta(VentanaPrueba& v, uint64_t semilla) : v(v), azar(semilla)
    {
        v.eleccion = [this](QMenu* m) { return Elegir(m); };
        // New games, saves and loads are judged the moment the game has done them, whatever
        // road led there (mouse, key, access key, popup, menu bar); these run after the game's own handlers.
        QObject::connect(v.f->Command2, &QPushButton::clicked, [this] { NuevaPartida(); });
        QObject::connect(v.f->MnuB[1], &QAction::triggered, [this] { NuevaPartida(); });
        QObject::connect(v.f->MnuB[5], &QAction::triggered, [this] { salio = true; });
        for (int i = 0; i < 9; ++i)
            QObject::connect(v.f->MnuP[i], &QAction::triggered, [this, i] { Ranura(i + 1); });
        QObject::connect(&v.f->Habla(), &Voz::Hablado, [this](const QString& dicho) {
            if (dicho.startsWith(QStringLiteral("Sudoku importado, "))) SudokuImportado();
            else if (dicho.startsWith(QStringLiteral("Sudoku del día, "))) SudokuDelDia(dicho);
            else if (dicho.startsWith(QStringLiteral("Sudoku ")) && dicho.endsWith(QStringLiteral(" números dados")))
                SudokuDeDificultad(dicho);
        });
    }

    int Uno(int n) { return std::uniform_int_distribution<int>(0, n - 1)(azar); }
    bool Probable(double p) { return std::bernoulli_distribution(p)(azar); }

    // One random event; returns what it was, for the record.
    QString Evento()
    {
        const int tipo = Uno(100);
        if (tipo < 45) return Tecla(teclasDetector[Uno(std::size(teclasDetector))]);
        if (tipo < 55) return Tecla(teclasOtras[Uno(std::size(teclasOtras))]);
        if (tipo < 65) return Tecla(Qt::Key(Qt::Key_0 + Uno(10)));
        if (tipo < 70) return Tecla(Qt::Key(Qt::Key_A + Uno(26)));
        if (tipo < 75) return Caracteres();
        if (tipo < 77) return Portapapeles();
        if (tipo < 86) return ClicEnCasilla();
        if (tipo < 91) return ClicEnBoton();
        if (tipo < 96) return MenuDeLaBarra();
        return Tecla(Qt::Key_F1);
    }

    // Checks the game after an event; empty when all is well.
    QString Revisar(const EstadoJuego& antes, int mensajesAntes)
    {
        Form1& f = *v.f;
        const EstadoJuego& e = f.Estado;
        if (!ResponderMenuDeLaBarra()) return QStringLiteral("a menu of the menu bar would not close");
        if (!fallos.isEmpty()) return fallos.join(QStringLiteral("; "));
        if (QWidget* w = QApplication::activeModalWidget()) return QStringLiteral("modal window left open: ") + w->metaObject()->className();
        if (QWidget* w = QApplication::activePopupWidget())
            return QStringLiteral("popup left open: %1 %2").arg(w->metaObject()->className(), w->objectName());
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMenu*>(w) && w->isVisible()) return QStringLiteral("menu left visible");
        if (salio) {
            if (f.isVisible()) return QStringLiteral("\"&Salir\" did not close the window");
            ++salidas;
            f.show();
            f.activateWindow();
            if (!QTest::qWaitForWindowActive(&f)) return QStringLiteral("the window could not be activated again");
            f.Picture1->setFocus();
            salio = false;
        } else if (!f.isVisible()) {
            return QStringLiteral("the window closed by itself");
        }
        if (e.FilaActual < 0 || e.FilaActual > 8 || e.ColumnaActual < 0 || e.ColumnaActual > 8)
            return QStringLiteral("cursor off the grid: %1, %2").arg(e.FilaActual).arg(e.ColumnaActual);
        if (e.CasillaActual != e.FilaActual * 9 + e.ColumnaActual)
            return QStringLiteral("CasillaActual %1 is not row %2, column %3").arg(e.CasillaActual).arg(e.FilaActual).arg(e.ColumnaActual);

        for (int i = 0; i < 81; ++i) {
            // Notes only in cells the player has not filled, and shown as kept.
            if (e.Notas[i] != 0 && !AdmiteNotas(e, f, static_cast<int16_t>(i)))
                return QStringLiteral("cell %1 holding \"%2\" has notes").arg(i).arg(v.Celda(i));
            if (f.Text1[i]->Notas() != e.Notas[i]) return QStringLiteral("cell %1 shows other notes than it has").arg(i);
            if (f.Text1[i]->isReadOnly() != e.Originales[i])
                return QStringLiteral("cell %1: locked %2, given %3").arg(i).arg(f.Text1[i]->isReadOnly()).arg(e.Originales[i]);
            if (!e.Originales[i]) continue;
            const QString digito = QString::number(e.Solucion[i / 9][i % 9]);
            if (v.Celda(i) != digito)
                return QStringLiteral("given cell %1 holds \"%2\", not %3").arg(i).arg(v.Celda(i), digito);
        }

        // The message boxes of this event, each one the game can say.
        for (int k = mensajesAntes; k < v.mensajes.size(); ++k) {
            const QString& m = v.mensajes[k];
            if (m.startsWith(QStringLiteral("No hay ninguna partida guardada en el lugar ")))
                continue;   // judged where the load was chosen
            if (m.startsWith(QStringLiteral("No se puede guardar la partida después de ver la solución"))) {
                if (f.Command4->isEnabled()) return QStringLiteral("refused to save while saving is allowed");
            } else if (!m.startsWith(QStringLiteral("Datos incorrectos en la columna "))
                       && !m.startsWith(QStringLiteral("Datos incorrectos en la fila "))
                       && !m.startsWith(QStringLiteral("Datos incorrectos en un tablero  ("))
                       && m != QStringLiteral("Muchísimas felicidades. ha demostrado usted una  gran inteligencia "))
                return QStringLiteral("unexpected message: ") + m;
        }

        if (!fallos.isEmpty()) return fallos.join(QStringLiteral("; "));
        // Only a new game or a load may change the givens. A game of a chosen difficulty
        // is heard once the handler is done, and one made on the spot may land after
        // the difficulty changed again: let its utterance through first.
        if (!cambioDePartida && e.Originales != antes.Originales) QCoreApplication::sendPostedEvents(v.f.get());
        if (!fallos.isEmpty()) return fallos.join(QStringLiteral("; "));
        if (!cambioDePartida && (e.Originales != antes.Originales || e.Solucion != antes.Solucion))
            return QStringLiteral("the givens changed without a new game or a load");
        cambioDePartida = false;
        return {};
    }

    // An access key (Alt+N...) clicks its button 100 ms later; the storm waits for it,
    // so that a replay sees the click at the same point.
    QPushButton* BotonHundido() const
    {
        for (QPushButton* b : {v.f->Command1, v.f->Command2, v.f->Command3, v.f->Command4, v.f->Command5})
            if (b->isDown()) return b;
        return nullptr;
    }

    // A game that came between two events was judged as it was heard; the next event
    // starts from it.
    void PartidaEntreEventos() { cambioDePartida = false; }

    std::deque<QString> historia;
    int nuevas = 0, guardadas = 0, cargadas = 0, ayudas = 0, salidas = 0, importadas = 0;

private:
    void NuevaPartida()
    {
        const EstadoJuego& e = v.f->Estado;
        if (e.DificultadElegida != Dificultad::PorNivel) return;   // judged when it is heard: it may come later
        ++nuevas;
        cambioDePartida = true;
        const auto dados = std::count(e.Originales.begin(), e.Originales.end(), true);
        if (dados < e.Nivel + 27 || (dados != e.Nivel + 27 && dados > 30))
            fallos << QStringLiteral("a new game at level %1 has %2 givens").arg(e.Nivel).arg(dados);
        for (int i = 0; i < 81; ++i)
            if (!e.Originales[i] && (v.Celda(i) != QStringLiteral("-") || e.Provisionales[i] || e.Notas[i]))
                fallos << QStringLiteral("a new game left cell %1 as \"%2\"").arg(i).arg(v.Celda(i));
        if (!v.f->Command1->isEnabled() || !v.f->Command4->isEnabled())
            fallos << QStringLiteral("a new game left checking or saving barred");
    }

    // A game of a chosen kind was dealt: the kind named is the puzzle's, by its grade.
    void SudokuDeDificultad(const QString& dicho)
    {
        ++nuevas;
        cambioDePartida = true;
        const EstadoJuego& e = v.f->Estado;
        const Calificacion c = Calificar(DadosDe(e));
        if (!dicho.startsWith(QStringLiteral("Sudoku %1, ").arg(QString::fromStdString(Frases::NombreDificultad(DificultadDe(c))))))
            fallos << QStringLiteral("\"%1\" for a puzzle graded %2").arg(dicho).arg(int(c));
        for (int i = 0; i < 81; ++i)
            if (!e.Originales[i] && (v.Celda(i) != QStringLiteral("-") || e.Provisionales[i] || e.Notas[i]))
                fallos << QStringLiteral("a new game of a kind left cell %1 as \"%2\"").arg(i).arg(v.Celda(i));
    }

    // The day's sudoku: a new game of the weekday's kind, named after the date.
    void SudokuDelDia(const QString& dicho)
    {
        ++nuevas;
        cambioDePartida = true;
        const EstadoJuego& e = v.f->Estado;
        const QString tipo = QString::fromStdString(Frases::NombreDificultad(DificultadDe(Calificar(DadosDe(e)))));
        if (!dicho.contains(QStringLiteral(": %1, ").arg(tipo))) fallos << QStringLiteral("\"%1\" for a puzzle of kind %2").arg(dicho, tipo);
        for (int i = 0; i < 81; ++i)
            if (!e.Originales[i] && (v.Celda(i) != QStringLiteral("-") || e.Provisionales[i] || e.Notas[i]))
                fallos << QStringLiteral("the day's sudoku left cell %1 as \"%2\"").arg(i).arg(v.Celda(i));
    }

    // A puzzle from outside was taken: a new game, with the givens it brought.
    void SudokuImportado()
    {
        ++importadas;
        cambioDePartida = true;
        const EstadoJuego& e = v.f->Estado;
        for (int i = 0; i < 81; ++i)
            if (!e.Originales[i] && (v.Celda(i) != QStringLiteral("-") || e.Provisionales[i]))
                fallos << QStringLiteral("an imported game left cell %1 as \"%2\"").arg(i).arg(v.Celda(i));
        if (e.Cambios.Pasos() != 0) fallos << QStringLiteral("an imported game kept changes to undo");
        if (e.CasillaActual != 0) fallos << QStringLiteral("an imported game left the cursor on %1").arg(e.CasillaActual);
        if (!v.f->Command1->isEnabled() || !v.f->Command4->isEnabled())
            fallos << QStringLiteral("an imported game left checking or saving barred");
    }

    // Something lands on the clipboard, as if copied elsewhere: a good puzzle, or anything.
    QString Portapapeles()
    {
        QString texto;
        if (Probable(0.5)) {
            texto = QString::fromLatin1(SudokuFacil);
        } else {
            const int n = Uno(200);
            for (int k = 0; k < n; ++k) texto += QChar(char16_t(Probable(0.5) ? 32 + Uno(95) : Uno(0x10000)));
        }
        QGuiApplication::clipboard()->setText(texto);
        return QStringLiteral("clipboard: %1 characters").arg(texto.size());
    }

    // A slot item was chosen: the save is remembered as the game stood; a load must bring it back.
    void Ranura(int n)
    {
        Form1& f = *v.f;
        std::optional<RegistroPartida>& ranura = ranuras[n - 1];
        if (f.Estado.ModoGuardar) {
            ++guardadas;
            ranura = Foto(f);   // a failed save shows a message, which fails the storm anyway
            return;
        }
        ++cargadas;
        if (!ranura) {
            if (v.mensajes.value(v.mensajes.size() - 1) != QStringLiteral("No hay ninguna partida guardada en el lugar %1").arg(n))
                fallos << QStringLiteral("empty slot %1 loaded without a word").arg(n);
            return;
        }
        cambioDePartida = true;
        const QString d = Diferencia(Foto(f), *ranura);
        if (!d.isEmpty()) fallos << QStringLiteral("slot %1 loaded back differently: %2").arg(n).arg(d);
        if (!f.Command1->isEnabled() || !f.Command4->isEnabled())
            fallos << QStringLiteral("a load left checking or saving barred");
    }

    QWidget* Foco() const
    {
        QWidget* w = QApplication::focusWidget();
        return w && w->window() == v.f.get() ? w : v.f->Picture1;
    }

    Qt::KeyboardModifiers Modificadores()
    {
        const int m = Uno(20);
        if (m == 0) return Qt::ShiftModifier;
        if (m == 1) return Qt::ControlModifier;
        if (m == 2) return Qt::ControlModifier | Qt::ShiftModifier;
        if (m == 3) return Qt::AltModifier;   // access keys of the buttons and the menu bar
        if (m == 4) return Qt::KeypadModifier;   // with an arrow, Home...: the keypad without NumLock
        return Qt::NoModifier;
    }

    QString Tecla(Qt::Key tecla)
    {
        QWidget* destino = Foco();
        const Qt::KeyboardModifiers mod = Modificadores();
        if (tecla == Qt::Key_F1) ResponderAyuda();
        QTest::keyClick(destino, tecla, mod);
        return QStringLiteral("key %1 mod %2 on %3").arg(QKeySequence(tecla).toString()).arg(int(mod)).arg(destino->objectName());
    }

    // Any characters at all: control codes, accents, symbols, halves of surrogate pairs.
    QString Caracteres()
    {
        QString texto;
        const int n = 1 + Uno(3);
        for (int k = 0; k < n; ++k) {
            const int tipo = Uno(4);
            if (tipo == 0) texto += QChar(char16_t(Uno(32)));
            else if (tipo == 1) texto += QChar(char16_t(32 + Uno(95)));
            else if (tipo == 2) texto += QChar(char16_t(128 + Uno(0x2000)));
            else texto += QChar(char16_t(Uno(0x10000)));
        }
        QWidget* destino = Foco();
        const int tecla = Uno(2) ? 0 : Uno(0x01000100);
        if (tecla == Qt::Key_F1) ResponderAyuda();
        QKeyEvent pulsada(QEvent::KeyPress, tecla, Modificadores(), texto);
        QApplication::sendEvent(destino, &pulsada);
        QKeyEvent soltada(QEvent::KeyRelease, tecla, pulsada.modifiers(), texto);
        QApplication::sendEvent(destino, &soltada);
        QStringList codigos;
        for (QChar c : texto) codigos << QString::number(c.unicode(), 16);
        return QStringLiteral("characters %1 key %2 on %3").arg(codigos.join(' ')).arg(tecla, 0, 16).arg(destino->objectName());
    }

    QString ClicEnCasilla()
    {
        const int i = Uno(81);
        const int m = Uno(4);
        const Qt::KeyboardModifiers mod = m == 0 ? Qt::ControlModifier
                                        : m == 1 ? Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier)
                                        : m == 2 && Probable(0.3) ? Qt::ShiftModifier : Qt::NoModifier;
        Casilla* celda = v.f->Text1[i];
        const QPoint punto(1 + Uno(std::max(1, celda->width() - 2)), 1 + Uno(std::max(1, celda->height() - 2)));
        if (Probable(0.1)) QTest::mouseDClick(celda, Qt::LeftButton, mod, punto);
        else QTest::mouseClick(celda, Qt::LeftButton, mod, punto);
        return QStringLiteral("click on cell %1 mod %2").arg(i).arg(int(mod));
    }

    QString ClicEnBoton()
    {
        QPushButton* botones[] = {v.f->Command1, v.f->Command2, v.f->Command3, v.f->Command4, v.f->Command5};
        QPushButton* b = botones[Uno(5)];
        QTest::mouseClick(b, Qt::LeftButton);
        return QStringLiteral("click on %1").arg(b->objectName());
    }

    // A player opening the menu bar picks any item that is not greyed.
    QString MenuDeLaBarra()
    {
        const QList<QAction*>* menus[] = {&v.f->MnuN, &v.f->MnuTamN, &v.f->MnuP, &v.f->MnuB, &v.f->MnuDiaN};
        const QList<QAction*>& menu = *menus[Uno(static_cast<int>(std::size(menus)))];
        QAction* a = menu[Uno(static_cast<int>(menu.size()))];
        if (a == v.f->MnuB[5] && !Probable(0.05)) return QStringLiteral("menu bar: kept away from \"&Salir\"");
        if (a->isEnabled()) a->trigger();
        return QStringLiteral("menu bar: %1").arg(a->text());
    }

    // Alt and an access letter open a menu of the menu bar for real (it is not one of the game's
    // popups); the player then picks an item with the arrows and Enter, or leaves with Escape.
    bool ResponderMenuDeLaBarra()
    {
        for (int intento = 0; intento < 10; ++intento) {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return intento == 0 || FocoDeVuelta();
            if (!v.f->menuBar()->actions().contains(menu->menuAction())) {
                fallos << QStringLiteral("unknown popup %1").arg(menu->title());
                return true;
            }
            if (intento >= 5 || Probable(0.5)) {
                historia.push_back(QStringLiteral("  escape from menu %1").arg(menu->title()));
                QTest::keyClick(menu, Qt::Key_Escape);
            } else {
                const int bajadas = Uno(8);
                for (int k = 0; k < bajadas; ++k) QTest::keyClick(menu, Qt::Key_Down);
                historia.push_back(QStringLiteral("  %1 x Down, Enter in menu %2").arg(bajadas).arg(menu->title()));
                if (menu->activeAction() == v.f->MnuB[5] && !Probable(0.05)) QTest::keyClick(menu, Qt::Key_Escape);
                else QTest::keyClick(menu, Qt::Key_Return);
            }
        }
        return QApplication::activePopupWidget() == nullptr && FocoDeVuelta();
    }

    // A window system gives the window its focus back once its menu closed; the offscreen
    // platform leaves it on the closed menu, and the game's words would wait there.
    bool FocoDeVuelta()
    {
        v.f->activateWindow();
        return QTest::qWaitFor([this] { return QGuiApplication::focusWindow() == v.f->windowHandle(); }, 2000);
    }

    // The popups: a random item that is not greyed, or none (the menu closed).
    QAction* Elegir(QMenu* m)
    {
        if (Probable(0.1)) return nullptr;
        QList<QAction*> posibles;
        for (QAction* a : m->actions())
            if (a->isEnabled() && (a != v.f->MnuB[5] || Probable(0.05))) posibles << a;
        return posibles.isEmpty() ? nullptr : posibles[Uno(static_cast<int>(posibles.size()))];
    }

    // The help dialog is modal: answer it from inside its own event loop, the way a player
    // would leave it, and make sure it goes.
    void ResponderAyuda()
    {
        const int forma = Uno(5);
        QTimer::singleShot(0, [this, forma] {
            auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!d) return;   // F1 went to a control without the window's key preview
            ++ayudas;
            QTest::keyClick(d->Text1, Qt::Key_F1);   // no second dialog
            if (QApplication::activeModalWidget() != d) fallos << QStringLiteral("F1 inside the help dialog opened another window");
            if (forma == 0) QTest::keyClick(d->Text1, Qt::Key_Escape);
            else if (forma == 1) QTest::keyClick(d->Text1, Qt::Key_Return);
            else if (forma == 2) QTest::mouseClick(d->OKButton, Qt::LeftButton);
            else if (forma == 3) {
                QTest::keyClick(d->Text1, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(d->Text1, Qt::Key_C, Qt::ControlModifier);
                QTest::keyClick(d->Text1, Qt::Key_Escape);
            } else d->close();
            // Runs inside the dialog's loop only if that loop is still going.
            QTimer::singleShot(0, [this, forma, abierto = QPointer<Dialog>(d)] {
                if (abierto && abierto->isVisible()) {
                    fallos << QStringLiteral("the help dialog stayed open after answer %1").arg(forma);
                    abierto->close();
                }
            });
        });
    }

    VentanaPrueba& v;
    std::mt19937_64 azar;
    bool cambioDePartida = false;
    std::array<std::optional<RegistroPartida>, 9> ranuras;
    QStringList fallos;
    bool salio = false;
};

uint64_t Semilla()
{
    bool ok = false;
    const uint64_t dada = qEnvironmentVariable("NOVARO_SEMILLA_TORMENTA").toULongLong(&ok);
    return ok ? dada : std::random_device{}() * 65536ull + std::random_device{}();
}

} // namespace

class TestTormenta : public QObject {
    Q_OBJECT
private slots:
    void tormenta();
};

void TestTormenta::tormenta()
{
    const uint64_t semilla = Semilla();
    bool ok = false;
    int eventos = qEnvironmentVariableIntValue("NOVARO_EVENTOS_TORMENTA", &ok);
    // Random keys on the game alone are the key fuzzer's; here the window's own handling of
    // menus, dialogs, slots and threads, which a shorter storm already reaches thousands of times.
    if (!ok || eventos <= 0) eventos = 30000;
    qInfo("storm seed %llu (NOVARO_SEMILLA_TORMENTA=%llu replays it), %d events",
          static_cast<unsigned long long>(semilla), static_cast<unsigned long long>(semilla), eventos);

    QApplication::setQuitOnLastWindowClosed(false);   // "&Salir" closes the window; the storm reopens it
    VentanaPrueba v(semilla);
    Tormenta t(v, semilla);
    int esperas = 0;
    QElapsedTimer reloj;
    reloj.start();
    for (int n = 0; n < eventos; ++n) {
        const EstadoJuego antes = v.f->Estado;
        const int mensajesAntes = static_cast<int>(v.mensajes.size());
        t.historia.push_back(t.Evento());
        if (t.historia.size() > 40) t.historia.pop_front();
        if (QPushButton* b = t.BotonHundido()) {
            ++esperas;
            QTRY_VERIFY_WITH_TIMEOUT(!b->isDown(), 2000);
        }
        // What the window queued for after its handler (a deal's words after a damaged
        // load, say) is heard before the next key, as a running event loop would.
        QCoreApplication::sendPostedEvents(v.f.get());
        const QString fallo = t.Revisar(antes, mensajesAntes);
        if (!fallo.isEmpty()) {
            QStringList ultimos(t.historia.begin(), t.historia.end());
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4")
                                 .arg(semilla).arg(n).arg(fallo, ultimos.join(QStringLiteral("\n  ")))));
        }
        // The event loop's turn comes after the event is judged: a deal made on a thread
        // lands here, between two keys, and is judged when it is heard, on its own board.
        if (n % 16 == 0) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(v.f.get());
            t.PartidaEntreEventos();
        }
        if (v.mensajes.size() > 1000) v.mensajes.clear();
        if (v.dichos.size() > 1000) v.dichos.clear();
        if (v.sonido->llamadas.size() > 1000) v.sonido->llamadas.clear();
    }
    qInfo("%d events in %lld ms: %d new games, %d imported, %d saves, %d loads, %d help dialogs, %d quits, %d access keys",
          eventos, static_cast<long long>(reloj.elapsed()), t.nuevas, t.importadas, t.guardadas, t.cargadas, t.ayudas,
          t.salidas, esperas);
}

QTEST_MAIN(TestTormenta)
#include "tst_tormenta.moc"
