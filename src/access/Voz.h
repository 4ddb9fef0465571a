// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>
#include <memory>

class QMainWindow;

// A screen reader's own programming interface, for one that may not speak what
// Qt sends it. Decir answers false when that screen reader is not running or did
// not take the text: the Qt route says it then.
class LectorPantalla {
public:
    virtual ~LectorPantalla() = default;
    virtual bool Decir(const QString& texto) = 0;
};

// The platform's own screen reader interface; none where Qt's route reaches them all.
std::unique_ptr<LectorPantalla> LectorPropio();

// A label Orca reads as a notification. Its own class so the accessibility
// factory can recognise it by name. It keeps its text to itself: a QLabel would
// send a name change with each text, one more event for Orca to queue.
class EtiquetaAviso : public QWidget {
    Q_OBJECT
public:
    explicit EtiquetaAviso(QWidget* padre = nullptr);
    const QString& Texto() const { return texto_; }
    void PonerTexto(const QString& texto) { texto_ = texto; }

private:
    QString texto_;
};

// The game's voice. The rest of the game only calls Hablar; how the text
// reaches the screen reader depends on what this Qt can do:
// - Qt 6.8 onward sends it inside an announcement event, so no later text can
//   overwrite it before it is read, and Orca says no role word with it;
// - older Qt has no announcement: Orca ignores text changes away from the
//   focus, but it speaks a notification that appears inside a status bar,
//   without a role word, and puts the label inside it on the braille line.
// On Windows, while JAWS runs, the text goes to JAWS's own interface instead.
class Voz : public QObject {
    Q_OBJECT
public:
    static constexpr bool ConAnuncios = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

    static void InstalarFabrica();
    explicit Voz(QMainWindow* ventana);

    void Hablar(const QString& texto);
    // Frases::Pronunciar for the Qt side.
    static QString Pronunciar(const QString& linea);

    // Where the accessibility events go. Qt drops them while no screen reader
    // is active, so tests put an observer here.
    static inline QAccessible::UpdateHandler Publicar = QAccessible::updateAccessibility;

    // While one lives, text changes of controls away from the focus are kept from
    // the screen reader. A board rewritten at once makes three events a cell, and
    // Orca 43, flooded past a hundred, drops the one utterance that says what
    // happened. A cell's text is read anew when it takes the focus, and its other
    // events (the "vacía" description, which clients cache) still go out. The text
    // that says what happened is then not fixed on the braille line: see Fijar.
    class TableroEntero {
    public:
        TableroEntero();
        ~TableroEntero();
        TableroEntero(const TableroEntero&) = delete;
        TableroEntero& operator=(const TableroEntero&) = delete;
    };

signals:
    void Hablado(const QString& texto);

private:
    // A text said while a menu has the focus, or before the window has it back from
    // one, waits for the window. The screen reader hears the window come back first:
    // Orca 43, more than fifty events behind (a board rewritten at once), prunes every
    // notification queued before that, and a reader presenting the focus cuts short
    // what it was saying.
    void DecirPendientes();
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void Decir(const QString& texto);
    void Anunciar(const QString& texto);
    void Mostrar(const QString& texto);
    void Fijar();

    QPointer<QMainWindow> ventana_;
    std::unique_ptr<LectorPantalla> lector_;
    EtiquetaAviso* etiquetas[2] = {nullptr, nullptr};
    int siguiente = 0;
    // Once the texts stop coming, the last one is fixed on the braille line.
    QTimer fijar_;
    QStringList pendientes_;
    QTimer esperar_;
    QElapsedTimer menuCerrado_;   // since no menu is open, while texts wait
};
