// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up time and memory: the least a Qt Widgets program with
// one main window and a line edit costs on this machine.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("piso"));
    ventana.setCentralWidget(new QLineEdit);
    ventana.show();
    return app.exec();
}
