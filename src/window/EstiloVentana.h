// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QProxyStyle>

// The desktop's own style, except that the menu bar's overflow arrows are read from
// disk only when one is shown. Qt reads them as the bar is made, and that first image
// read loads every image plugin on the machine before the window can appear; the bar
// of the designed window never overflows at its designed size.
class EstiloVentana : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap cual, const QStyleOption* opcion = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Puts the style above on the application, over the style it would use (also one
// asked for with -style or QT_STYLE_OVERRIDE); nothing if it is there already.
void InstalarEstiloVentana();
