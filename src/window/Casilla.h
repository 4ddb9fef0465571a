// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLineEdit>

// One cell field of the grid; reports its events with its index.
class Casilla : public QLineEdit {
    Q_OBJECT
public:
    Casilla(int indice, QWidget* padre);
    int indice() const { return indice_; }
    // The notes it shows, in small digits, while it is not being edited.
    void PonerNotas(uint16_t notas);
    uint16_t Notas() const { return notas_; }

signals:
    void GotFocus(int indice);
    void KeyDown(int indice, int codigo);
    // Left button only; the handler decides what a click does.
    void MouseDown(int indice, Qt::MouseButtons botones, Qt::KeyboardModifiers modificadores);
    // The player typed into the field; `antes` is what it held.
    void Editada(int indice, const QString& antes);

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    void Describir();

    int indice_;
    uint16_t notas_ = 0;
    QString texto_;   // the text before the player's edit, which Qt has already replaced
};
