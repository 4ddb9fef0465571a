// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

class DetectorTeclas;

// The key detector: a small red focusable box that holds the focus during play.
class CajaTeclas : public QWidget {
    Q_OBJECT
public:
    explicit CajaTeclas(QWidget* padre = nullptr);
    void PonerDetector(DetectorTeclas* detector) { detector_ = detector; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    DetectorTeclas* detector_ = nullptr;
};
