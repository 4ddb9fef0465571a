// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLineEdit>

// One cell field of the grid; reports its events with its index.
class Casilla : public QLineEdit {
    Q_OBJECT
public:
    Casilla(int indice, QWidget* padre);
    int indice() const { return indice_; }

signals:
    void GotFocus(int indice);
    void KeyDown(int indice, int codigo);
    // Left button only; the handler decides what a click does.
    void MouseDown(int indice, Qt::MouseButtons botones, Qt::KeyboardModifiers modificadores);

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    int indice_;
};
