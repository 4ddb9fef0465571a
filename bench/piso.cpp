// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up time and memory: the least a Qt Widgets program with
// one main window and a line edit costs on this machine. With --campos it also
// builds the fields the game's window is designed with (81 line edits, the message
// line, five buttons, the menus, in the same fonts) and nothing of the game: the
// floor for that window, whatever the game does.
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <cstring>
#include <iterator>

namespace {

constexpr int Celdas = 81;
constexpr int LadoCelda = 40;
constexpr int AltoCelda = 27;
constexpr int Botones = 5;
constexpr int ItemsPorMenu[] = {15, 6, 8, 9, 6};

void PonerCampos(QMainWindow& ventana)
{
    auto* centro = new QWidget;
    centro->setFixedSize(529, 311);
    ventana.setCentralWidget(centro);
    auto* linea = new QLineEdit(centro);
    linea->setGeometry(13, 13, 373, 33);
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPointSizeF(9.75);
    linea->setFont(courier);
    linea->setText(QStringLiteral("Pulse F1 para ayuda"));

    auto* marco = new QFrame(centro);
    marco->setGeometry(3, 60, 373, 253);
    QFont courierNew(QStringLiteral("Courier New"));
    courierNew.setStyleHint(QFont::Monospace);
    courierNew.setPointSizeF(15.75);
    marco->setFont(courierNew);
    for (int i = 0; i < Celdas; ++i) {
        auto* celda = new QLineEdit(marco);
        celda->setGeometry(LadoCelda * (i % 9), AltoCelda * (i / 9), LadoCelda, AltoCelda);
        celda->setText(QStringLiteral("-"));
        celda->setAccessibleName(QStringLiteral("Fila %1, columna %2").arg(i / 9 + 1).arg(i % 9 + 1));
    }

    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPointSize(12);
    for (int i = 0; i < Botones; ++i) {
        auto* boton = new QPushButton(QStringLiteral("&Botón %1").arg(i + 1), centro);
        boton->setGeometry(400, 60 + 55 * i, 81, 33);
        boton->setFont(arial);
    }
    for (int m = 0; m < static_cast<int>(std::size(ItemsPorMenu)); ++m) {
        QMenu* menu = ventana.menuBar()->addMenu(QStringLiteral("Menú %1").arg(m + 1));
        for (int i = 0; i < ItemsPorMenu[m]; ++i) menu->addAction(QString::number(i + 1))->setCheckable(true);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("piso"));
    if (argc > 1 && std::strcmp(argv[1], "--campos") == 0)
        PonerCampos(ventana);
    else
        ventana.setCentralWidget(new QLineEdit);
    ventana.show();
    return app.exec();
}
