// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialog.h"
#include "Idioma.h"
#include "Frases.h"
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

// The resources live in a static library: nothing would pull them in otherwise.
static void RegistrarRecursos()
{
    static const bool hecho = [] { Q_INIT_RESOURCE(novaro); return true; }();
    (void)hecho;
}

namespace {

// Positions and sizes are designed in twips; 15 twips make one pixel.
constexpr int Px(int twips) { return (twips * 2 + 15) / 30; }

QRect Twips(int izquierda, int arriba, int ancho, int alto)
{
    return QRect(Px(izquierda), Px(arriba), Px(ancho), Px(alto));
}

QFont Arial(qreal puntos)
{
    QFont fuente(QStringLiteral("Arial"));
    fuente.setPointSizeF(puntos);
    return fuente;
}

// A fully transparent icon, so the window does not take the program's icon.
QIcon SinIcono()
{
    QPixmap vacio(16, 16);
    vacio.fill(Qt::transparent);
    return QIcon(vacio);
}

} // namespace

QString Dialog::TextoAyuda()
{
    RegistrarRecursos();
    // Each language has its own help text, of the same shape.
    QFile archivo(IdiomaActual() == IdiomaOriginal ? QStringLiteral(":/ayuda.txt")
                                                   : QStringLiteral(":/ayuda_%1.txt").arg(IdiomaActual()));
    if (!archivo.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(archivo.readAll());
}

QString Dialog::TextoMostrado()
{
    return TextoAyuda() + QString::fromStdString(Frases::Ayuda());
}

Dialog::Dialog(QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                         | Qt::MSWindowsFixedSizeDialogHint),
      Text1(new QPlainTextEdit(this)),
      OKButton(new QPushButton(tr("Aceptar"), this))
{
    setWindowTitle(tr("Instrucciones Novaro"));
    setWindowIcon(SinIcono());

    // The client area sits at a fixed place of the screen, not centred on the game.
    QScreen* pantalla = padre ? padre->screen() : QGuiApplication::primaryScreen();
    const QPoint origen = pantalla ? pantalla->geometry().topLeft() : QPoint();
    setGeometry(Twips(2760, 825, 11910, 7125).translated(origen));
    setFixedSize(Px(11910), Px(7125));

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(Twips(500, 1500, 11000, 5500));
    Text1->setFont(Arial(9.75));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab must lead to the button, or a keyboard user would be stuck in the text.
    Text1->setTabChangesFocus(true);
    Text1->setPlainText(TextoMostrado());
    Text1->setAccessibleName(tr("Instrucciones"));
    Text1->installEventFilter(this);

    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(Twips(5000, 500, 2000, 500));
    OKButton->setFont(Arial(12));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &Dialog::OKButton_Click);

    setTabOrder(Text1, OKButton);
    // The screen reader starts reading the instructions at once.
    Text1->setFocus();
}

void Dialog::OKButton_Click()
{
    accept();
}

bool Dialog::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == Text1 && evento->type() == QEvent::KeyPress
        && Text1_KeyDown(static_cast<QKeyEvent*>(evento)))
        return true;
    return QDialog::eventFilter(objeto, evento);
}

bool Dialog::Text1_KeyDown(const QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_C && (evento->modifiers() & Qt::ControlModifier)) {
        QString seleccion = Text1->textCursor().selectedText();
        seleccion.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        QClipboard* portapapeles = QGuiApplication::clipboard();
        portapapeles->clear();
        portapapeles->setText(seleccion);
        return true;
    }

    // The text box would take Enter as a new line, but "Aceptar" is the
    // default button: Enter closes, whatever modifier is held.
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        OKButton->click();
        return true;
    }
    return false;
}

void MostrarAyuda(QWidget* padre)
{
    const QPointer<QWidget> anterior = QApplication::focusWidget();

    // A fresh window every time: whatever was typed into the text is gone.
    QPointer<Dialog> dialogo = new Dialog(padre);
    dialogo->exec();
    delete dialogo;

    // Without a window manager nobody would give the game window back its activation.
    if (anterior) {
        anterior->window()->activateWindow();
        anterior->setFocus(Qt::OtherFocusReason);
    }
}
