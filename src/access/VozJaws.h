// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Voz.h"

struct IDispatch;

// JAWS, through its own programming interface (FSAPI, "FreedomSci.JawsApi"):
// JAWS may ignore the UI Automation notifications the Qt route raises, so while
// it runs the game speaks to it here, and writes to its braille display.
class VozJaws : public LectorPantalla {
public:
    ~VozJaws() override;
    bool Decir(const QString& texto) override;

private:
    enum class Respuesta { Hecha, Rechazada, Fallida };
    bool Crear();
    void Soltar();
    Respuesta Hablar(const QString& texto);
    void Braille(const QString& texto);
    Respuesta Llamar(long metodo, const QString& texto, bool conFlush);

    IDispatch* jaws_ = nullptr;
    long sayString_ = 0;
    long runFunction_ = 0;
    bool comListo_ = false;
    bool comPropio_ = false;   // started here, so ended here
};
