// SPDX-License-Identifier: GPL-3.0-or-later
#include "Casilla.h"
#include "Frases.h"
#include "Notas.h"
#include "CodigosTecla.h"
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

Casilla::Casilla(int indice, QWidget* padre) : QLineEdit(padre), indice_(indice)
{
    setObjectName(QStringLiteral("Text1_%1").arg(indice));
    const int fila = indice / 9 + 1, columna = indice % 9 + 1;
    setAccessibleName(tr("Fila %1, columna %2").arg(fila).arg(columna));
    // Qt tells an edit before the change of text it makes, so texto_ still holds the old one.
    connect(this, &QLineEdit::textEdited, this, [this](const QString&) { emit Editada(indice_, texto_); });
    connect(this, &QLineEdit::textChanged, this, [this](const QString& texto) {
        texto_ = texto;
        Describir();
    });
}

// "-" alone may not be spoken at low punctuation levels; the description always is,
// and it carries the notes, as the key detector says them.
void Casilla::Describir()
{
    QStringList piezas;
    if (texto_ == QLatin1String("-")) piezas << QString::fromStdString(Frases::Vacia());
    if (notas_ != 0) piezas << QString::fromStdString(Frases::Notas(DigitosNotados(notas_)));
    const QString descripcion = piezas.join(QStringLiteral(", "));
    if (accessibleDescription() != descripcion) setAccessibleDescription(descripcion);
}

void Casilla::PonerNotas(uint16_t notas)
{
    if (notas_ == notas) return;
    notas_ = notas;
    Describir();
    update();
}

namespace {

// As large as a digit's place allows, with a pixel to spare all round; only a digit's
// own ink is centred (a digit has no descent). Every cell has the same size, so it is
// found once.
QFont FuenteNotas(const QSizeF& lugar)
{
    static QSizeF medido;
    static QFont fuente;
    if (lugar == medido) return fuente;
    fuente = QFont(QStringLiteral("DejaVu Sans"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setBold(true);
    for (int tamano = qRound(lugar.height() * 1.5);; --tamano) {
        fuente.setPixelSize(tamano);
        const QRectF ocho = QFontMetricsF(fuente).tightBoundingRect(QStringLiteral("8"));
        if (tamano <= 6 || (ocho.height() <= lugar.height() - 2 && ocho.width() <= lugar.width() - 1)) break;
    }
    medido = lugar;
    return fuente;
}

} // namespace

// Notes take the place of the "-", each digit always in its own place: 1 to 5 on
// the top row, 6 to 9 centred below, in the cell's own text colour. A cell is half
// again as wide as it is tall, so two rows give the digits more room than three.
// Their size follows the cell, not the font menu: the cell keeps its size whatever
// the font, and the notes always fit it.
void Casilla::paintEvent(QPaintEvent* evento)
{
    if (notas_ == 0 || hasFocus()) {
        QLineEdit::paintEvent(evento);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame opcion;
    initStyleOption(&opcion);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opcion, &p, this);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    const qreal ancho = area.width() / 5, alto = area.height() / 2;
    const QFont fuente = FuenteNotas(QSizeF(ancho, alto));
    p.setFont(fuente);
    p.setPen(palette().color(QPalette::Text));
    const QFontMetricsF medidas(fuente);
    for (int d = 1; d <= 9; ++d) {
        if (!(notas_ & (1u << (d - 1)))) continue;
        const QString digito = QString::number(d);
        const QRectF tinta = medidas.tightBoundingRect(digito);
        const qreal columna = d <= 5 ? d - 0.5 : d - 5.0;
        const QPointF centro(area.left() + columna * ancho, area.top() + (d <= 5 ? 0.5 : 1.5) * alto);
        p.drawText(centro - tinta.center(), digito);
    }
}

void Casilla::focusInEvent(QFocusEvent* evento)
{
    QLineEdit::focusInEvent(evento);
    emit GotFocus(indice_);
}

void Casilla::keyPressEvent(QKeyEvent* evento)
{
    emit KeyDown(indice_, CodigoTecla(evento->key()));
    QLineEdit::keyPressEvent(evento);
}

// A left press is ours alone: it focuses and selects all, or marks the cell.
// Letting the editor see it would move the caret and undo the selection.
void Casilla::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton) {
        emit MouseDown(indice_, evento->buttons(), evento->modifiers());
        evento->accept();
        return;
    }
    QLineEdit::mousePressEvent(evento);
}

void Casilla::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton) return;
    QLineEdit::mouseReleaseEvent(evento);
}

void Casilla::mouseMoveEvent(QMouseEvent* evento)
{
    if (evento->buttons() & Qt::LeftButton) return;
    QLineEdit::mouseMoveEvent(evento);
}

void Casilla::mouseDoubleClickEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton) {
        mousePressEvent(evento);
        return;
    }
    QLineEdit::mouseDoubleClickEvent(evento);
}
