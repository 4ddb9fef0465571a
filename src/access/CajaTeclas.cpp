// SPDX-License-Identifier: GPL-3.0-or-later
#include "CajaTeclas.h"
#include "CodigosTecla.h"
#include "DetectorTeclas.h"
#include <QKeyEvent>
#include <QPainter>

CajaTeclas::CajaTeclas(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Detector de teclas"));
    setAccessibleDescription(tr("Pulse F1 para ayuda"));
}

void CajaTeclas::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(255, 0, 0));
}

void CajaTeclas::keyPressEvent(QKeyEvent* evento)
{
    if (!detector_) return;
    detector_->Picture1_KeyDown(CodigoTecla(*evento), DigitoDelTeclado(*evento));
    for (int k : CodigosCaracter(*evento)) detector_->Picture1_KeyPress(k);
    detector_->Publicar();
}

void CajaTeclas::focusInEvent(QFocusEvent* evento)
{
    QWidget::focusInEvent(evento);
    // Closing a popup menu hands the focus back without it ever having left.
    if (detector_ && evento->reason() != Qt::PopupFocusReason) detector_->Picture1_GotFocus();
}
