// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QString>

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

// The help window: the instructions in a scrollable text and an "Aceptar" button.
class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* padre = nullptr);

    // The instructions as designed, lines separated by CR LF.
    static QString TextoAyuda();
    // What the dialog shows: the designed instructions, then the quick keys.
    static QString TextoMostrado();

    QPlainTextEdit* const Text1;
    QPushButton* const OKButton;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void OKButton_Click();
    bool Text1_KeyDown(const QKeyEvent* evento);
};

// Shows a fresh help window modally; the focus goes back where it was.
void MostrarAyuda(QWidget* padre);
