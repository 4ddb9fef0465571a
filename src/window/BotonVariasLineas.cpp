// SPDX-License-Identifier: GPL-3.0-or-later
#include "BotonVariasLineas.h"
#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

QRect BotonVariasLineas::AreaTexto() const
{
    QStyleOptionButton opcion;
    initStyleOption(&opcion);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &opcion, this);
}

QFont BotonVariasLineas::FuenteQueCabe() const
{
    const QRect area = AreaTexto();
    QFont fuente = font();
    for (qreal puntos = fuente.pointSizeF(); puntos > 5; puntos -= 0.5) {
        fuente.setPointSizeF(puntos);
        const QRect ocupa = QFontMetrics(fuente).boundingRect(area, Alineacion, text());
        if (area.contains(ocupa)) break;
    }
    return fuente;
}

void BotonVariasLineas::paintEvent(QPaintEvent*)
{
    QStylePainter pintor(this);
    QStyleOptionButton opcion;
    initStyleOption(&opcion);
    const QString texto = opcion.text;
    opcion.text.clear();   // the frame and focus from the style, the caption drawn here
    pintor.drawControl(QStyle::CE_PushButton, opcion);
    int alineacion = Alineacion;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &opcion, this))
        alineacion |= Qt::TextHideMnemonic;
    pintor.setFont(FuenteQueCabe());
    pintor.drawItemText(AreaTexto(), alineacion, opcion.palette, isEnabled(), texto, QPalette::ButtonText);
}
