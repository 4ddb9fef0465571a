// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prueba.h"

int main() { return prueba::Ejecutar(); }
