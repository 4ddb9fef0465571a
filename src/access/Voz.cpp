// SPDX-License-Identifier: GPL-3.0-or-later
#include "Voz.h"
#include "Frases.h"

#include <QAccessibleWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QWindow>
#include <utility>
#include <vector>

namespace {

// Longer than the gap between fast typed keys, well inside Orca's flash time.
constexpr std::chrono::milliseconds EsperaFijar{500};
constexpr std::chrono::milliseconds EsperaVentana{20};
// Far longer than a window takes to get the focus back from a menu, even on a loaded machine.
constexpr std::chrono::milliseconds LimiteEsperaVentana{1500};
// A board's held description changes go out by then at the latest, if the player has not
// pressed a key or clicked first: long after Orca has taken in what came before and the words.
constexpr std::chrono::milliseconds LimiteRetenidas{2500};

// Orca 43 puts on the braille line only the labels found inside a notification,
// and drops a label whose text the notification's own name already holds. So the
// notification has no name, and its text lives in one label inside it, from which
// Orca both speaks it and shows it.
class TextoAviso : public QAccessibleInterface {
public:
    explicit TextoAviso(QAccessibleInterface* aviso) : aviso_(aviso) {}

    bool isValid() const override { return aviso_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return aviso_->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return aviso_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const EtiquetaAviso*>(aviso_->object())->Texto() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return aviso_->rect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return aviso_->state(); }

private:
    QAccessibleInterface* aviso_;
};

class AccesibleAviso : public QAccessibleWidget {
public:
    explicit AccesibleAviso(QWidget* etiqueta)
        : QAccessibleWidget(etiqueta, QAccessible::Notification), texto_(new TextoAviso(this)),
          idTexto_(QAccessible::registerAccessibleInterface(texto_))
    {
    }
    // By its id, not its address: at exit Qt may have deleted the text first.
    ~AccesibleAviso() override { QAccessible::deleteAccessibleInterface(idTexto_); }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int indice) const override { return indice == 0 ? texto_ : nullptr; }
    int indexOfChild(const QAccessibleInterface* hijo) const override { return hijo == texto_ ? 0 : -1; }

private:
    TextoAviso* texto_;
    QAccessible::Id idTexto_;
};

QAccessibleInterface* FabricaAviso(const QString& clase, QObject* objeto)
{
    if (clase == QLatin1String("EtiquetaAviso") && objeto && objeto->isWidgetType())
        return new AccesibleAviso(static_cast<QWidget*>(objeto));
    return nullptr;
}

// What TableroEntero hands the events it lets through to; none: Qt's own bridge.
QAccessible::UpdateHandler manejadorAnterior = nullptr;
int tablerosEnteros = 0;
// A board rewritten since the last text was fixed on the braille line.
bool tableroReescrito = false;
// A menu had the focus, and no window of the game has it since (the whole game's fact).
bool trasMenu = false;

// Whether a text said now waits for the window to have the focus back from a menu.
bool EsperaLaVentana()
{
    // Where a menu never takes the focus (Windows), its closing still gives the focus
    // back to the window, and a reader presenting it would cut short a text said before.
    if (QApplication::activePopupWidget())
        return true;
    // Qt 6.8 may leave the focus window on a menu that closed (the next key's words waited
    // there for good), and its announcements do not meet Orca 43's flood: an open menu is
    // all there is to wait for.
    if constexpr (Voz::ConAnuncios)
        return false;
    if (const QWindow* w = QGuiApplication::focusWindow())
        return w->type() == Qt::Popup;
    return trasMenu;
}

// A board rewritten at once keeps its cells' description changes (the "vacía" that comes
// and goes) until the player's next key or click, or a moment later. Orca 43 prunes every
// notification queued behind a focus or text selection event it takes with more than fifty
// events waiting: a board's worth of descriptions, sent with the words, made a menu's
// closing focus events, or the text selection that fixed the text before on the braille
// line, drop the words (the Botonera's deal, M's notes). The descriptions only keep the
// screen reader's cache of the cells right, and nothing reads that before the player's next
// key or click. Announcements (Qt 6.8) are never pruned: there they go at once.
struct Retenida {
    QPointer<QObject> objeto;
    int hijo;
    QAccessible::Event tipo;
};
std::vector<Retenida> retenidas;

void SoltarRetenidas();

QTimer& PlazoRetenidas()
{
    static QTimer* plazo = [] {
        auto* t = new QTimer(qApp);
        t->setSingleShot(true);
        t->setInterval(LimiteRetenidas);
        QObject::connect(t, &QTimer::timeout, SoltarRetenidas);
        return t;
    }();
    return *plazo;
}

void SoltarRetenidas()
{
    if (retenidas.empty())
        return;
    PlazoRetenidas().stop();
    for (const Retenida& r : std::exchange(retenidas, {})) {
        if (!r.objeto)
            continue;
        QAccessibleEvent evento(r.objeto, r.tipo);
        evento.setChild(r.hijo);
        Voz::Publicar(&evento);
    }
    // They may still wait in Orca's queue: no text selection event for the next text.
    tableroReescrito = true;
}

bool Retener(const QAccessibleEvent* evento)
{
    if constexpr (Voz::ConAnuncios)
        return false;
    if (evento->type() != QAccessible::DescriptionChanged && evento->type() != QAccessible::NameChanged)
        return false;
    // A change of the focus itself is the screen reader's to say.
    if (evento->object() == QApplication::focusWidget())
        return false;
    if (retenidas.empty())
        PlazoRetenidas().start();
    for (const Retenida& r : retenidas)
        if (r.objeto == evento->object() && r.hijo == evento->child() && r.tipo == evento->type())
            return true;
    retenidas.push_back({evento->object(), evento->child(), evento->type()});
    return true;
}

bool TextoLejosDelFoco(const QAccessibleEvent* evento)
{
    switch (evento->type()) {
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
        return evento->object() != QApplication::focusWidget();
    default:
        return false;
    }
}

void SinTextosLejos(QAccessibleEvent* evento)
{
    if (TextoLejosDelFoco(evento) || Retener(evento))
        return;
    QAccessible::installUpdateHandler(manejadorAnterior);
    Voz::Publicar(evento);
    QAccessible::installUpdateHandler(SinTextosLejos);
}

} // namespace

Voz::TableroEntero::TableroEntero()
{
    if (tablerosEnteros++ == 0)
        manejadorAnterior = QAccessible::installUpdateHandler(SinTextosLejos);
}

Voz::TableroEntero::~TableroEntero()
{
    if (--tablerosEnteros == 0) {
        QAccessible::installUpdateHandler(manejadorAnterior);
        tableroReescrito = true;
    }
}

EtiquetaAviso::EtiquetaAviso(QWidget* padre) : QWidget(padre) {}

void Voz::InstalarFabrica()
{
    static bool instalada = false;
    if (instalada)
        return;
    QAccessible::installFactory(FabricaAviso);
    instalada = true;
}

Voz::Voz(QMainWindow* ventana) : QObject(ventana), ventana_(ventana), lector_(LectorPropio())
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        // No window at all (another program's turn) leaves the wait as it was.
        if (w) trasMenu = w->type() == Qt::Popup;
        DecirPendientes();
    });
    // The player's next key or click goes after a board's held descriptions.
    qApp->installEventFilter(this);
    // A menu that closes without the focus moving tells nobody: it is looked for.
    esperar_.setInterval(EsperaVentana);
    connect(&esperar_, &QTimer::timeout, this, &Voz::DecirPendientes);
    if constexpr (ConAnuncios)
        return;
    // Also here, in case nobody called it: the labels must not get a plain
    // label interface cached before the factory is known.
    InstalarFabrica();
    auto* barra = new QStatusBar;
    barra->setObjectName(QStringLiteral("BarraVoz"));
    barra->setSizeGripEnabled(false);
    for (auto& etiqueta : etiquetas) {
        etiqueta = new EtiquetaAviso(barra);
        barra->addWidget(etiqueta);
    }
    ventana->setStatusBar(barra);
    // Only the screen reader needs it; hidden, it takes no room from the window.
    barra->hide();
    fijar_.setSingleShot(true);
    fijar_.setInterval(EsperaFijar);
    connect(&fijar_, &QTimer::timeout, this, &Voz::Fijar);
}

void Voz::Hablar(const QString& texto)
{
    if (texto.isEmpty())
        return;
    if (!pendientes_.isEmpty() || EsperaLaVentana()) {
        pendientes_ << texto;
        esperar_.start();
        return;
    }
    Decir(texto);
}

void Voz::DecirPendientes()
{
    // A focus the window system never gives back must not leave the game silent.
    if (QApplication::activePopupWidget())
        menuCerrado_.invalidate();
    else if (!menuCerrado_.isValid())
        menuCerrado_.start();
    const bool basta = menuCerrado_.isValid() && menuCerrado_.elapsed() >= LimiteEsperaVentana.count();
    while (!pendientes_.isEmpty() && (basta || !EsperaLaVentana()))
        Decir(pendientes_.takeFirst());
    if (pendientes_.isEmpty()) {
        esperar_.stop();
        menuCerrado_.invalidate();
    }
}

bool Voz::eventFilter(QObject* objeto, QEvent* evento)
{
    if (!retenidas.empty()) {
        switch (evento->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
            SoltarRetenidas();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(objeto, evento);
}

void Voz::Decir(const QString& texto)
{
    // Taken by the screen reader's own interface, the text raises nothing else: it
    // would be heard twice.
    if (!lector_ || !lector_->Decir(texto)) {
        if constexpr (ConAnuncios)
            Anunciar(texto);
        else
            Mostrar(texto);
    }
    emit Hablado(texto);
}

void Voz::Anunciar([[maybe_unused]] const QString& texto)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // From the object holding the focus (the key detector, or a box or menu in
    // front of it): Orca drops bursts of events from other objects. Assertive, so
    // a move cuts a long reading short instead of waiting behind it.
    QObject* origen = QApplication::focusWidget();
    if (!origen)
        origen = ventana_.data();
    if (!origen)
        return;
    QAccessibleAnnouncementEvent anuncio(origen, texto);
    anuncio.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    Publicar(&anuncio);
#endif
}

void Voz::Mostrar(const QString& texto)
{
    // Orca drops a queued showing event when a newer one of the same object
    // waits, so fast messages take turns between two labels.
    EtiquetaAviso* etiqueta = etiquetas[siguiente];
    siguiente = 1 - siguiente;
    etiqueta->PonerTexto(texto);
    QAccessibleEvent mostrado(etiqueta, QAccessible::ObjectShow);
    Publicar(&mostrado);
    fijar_.start();
}

void Voz::Fijar()
{
    // Orca 43 flashes a notification only for its set time, even for a player who
    // keeps flash messages until the next one. A text selection event from the
    // label makes it show the label as the braille line itself, which stays there.
    // Only for the last text of a burst: Orca 43 falls behind fast typing otherwise.
    // Not over a menu or box that opened meanwhile: its own line stays.
    // Not after a board rewritten at once either: its description changes may still
    // wait in Orca's queue, and a text selection event that finds more than fifty
    // there makes Orca 43 prune every waiting notification, the text itself too.
    if (std::exchange(tableroReescrito, false))
        return;
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return;
    QAccessibleInterface* aviso = QAccessible::queryAccessibleInterface(etiquetas[1 - siguiente]);
    if (!aviso)
        return;
    QAccessibleTextSelectionEvent fijado(aviso->child(0), 0, 0);
    Publicar(&fijado);
}

QString Voz::Pronunciar(const QString& linea)
{
    return QString::fromStdString(Frases::Pronunciar(linea.toStdString()));
}
