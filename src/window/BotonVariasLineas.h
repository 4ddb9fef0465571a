// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPushButton>

// A push button whose caption wraps onto more lines when one is too narrow, as
// command buttons always did on the game's first platform. If even wrapped it
// does not fit, its letters get smaller until the whole caption shows. The text,
// the access letter and the accessible name stay those of a plain button.
class BotonVariasLineas : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // Where the caption goes and with what letters.
    QRect AreaTexto() const;
    QFont FuenteQueCabe() const;
    static constexpr int Alineacion = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* evento) override;
};
