#include "Form1.h"
#include "Voz.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Voz::InstalarFabrica();
    Form1 ventana;
    ventana.show();
    return app.exec();
}
