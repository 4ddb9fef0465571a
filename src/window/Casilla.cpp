// SPDX-License-Identifier: GPL-3.0-or-later
#include "Casilla.h"
#include "Voz.h"
#include "CodigosTecla.h"
#include <QKeyEvent>
#include <QMouseEvent>

Casilla::Casilla(int indice, QWidget* padre) : QLineEdit(padre), indice_(indice)
{
    setObjectName(QStringLiteral("Text1_%1").arg(indice));
    const int fila = indice / 9 + 1, columna = indice % 9 + 1;
    setAccessibleName(tr("Fila %1, columna %2").arg(fila).arg(columna));
    // "-" alone may not be spoken at low punctuation levels; the description always is.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& texto) {
        const QString descripcion = texto == QLatin1String("-") ? Voz::Vacia() : QString();
        if (accessibleDescription() != descripcion) setAccessibleDescription(descripcion);
    });
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
