// SPDX-License-Identifier: GPL-3.0-or-later
#include "Voz.h"

#include <QAccessibleWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QStringList>

namespace {

class AccesibleAviso : public QAccessibleWidget {
public:
    explicit AccesibleAviso(QWidget* etiqueta) : QAccessibleWidget(etiqueta, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        // The name is what Orca speaks, so it always follows the label.
        if (t == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
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
    if (TextoLejosDelFoco(evento))
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
    if (--tablerosEnteros == 0)
        QAccessible::installUpdateHandler(manejadorAnterior);
}

EtiquetaAviso::EtiquetaAviso(QWidget* padre) : QLabel(padre) {}

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
}

void Voz::Hablar(const QString& texto)
{
    if (texto.isEmpty())
        return;
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
    etiqueta->setText(texto);
    QAccessibleEvent mostrado(etiqueta, QAccessible::ObjectShow);
    Publicar(&mostrado);
}

QString Voz::Vacia() { return tr("vacía"); }

QString Voz::Pronunciar(const QString& linea)
{
    // An empty cell shows "-": the speech server drops it at the lower punctuation
    // levels and says "guion" at the higher ones, so it is spoken as a word, also
    // before the full stop of a panel row or the comma that leads to its notes.
    const QString vacia = Vacia();
    QStringList piezas = linea.split(QLatin1Char(' '));
    for (QString& pieza : piezas) {
        if (pieza == QLatin1String("-"))
            pieza = vacia;
        else if (pieza == QLatin1String("-.") || pieza == QLatin1String("-,"))
            pieza = vacia + pieza.back();
    }
    return piezas.join(QLatin1Char(' '));
}
