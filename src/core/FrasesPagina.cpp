// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrasesPagina.h"
#include <iterator>
#include "Palabras.h"

// lupdate reads the texts here; Traducir gives them in the game's language.
#define QT_TRANSLATE_NOOP(contexto, texto) texto

namespace FrasesPagina {

namespace {
const char* const Contexto = "Web";
}

std::vector<std::pair<std::string, std::string>> Etiquetas()
{
    static const std::pair<const char*, const char*> etiquetas[] = {
        {"filaCursor", QT_TRANSLATE_NOOP("Web", "Fila del cursor")},
        {"columnaCursor", QT_TRANSLATE_NOOP("Web", "Columna del cursor")},
        {"masAcciones", QT_TRANSLATE_NOOP("Web", "Más acciones")},
        {"siguienteVacia", QT_TRANSLATE_NOOP("Web", "Siguiente casilla vacía")},
        {"vacias", QT_TRANSLATE_NOOP("Web", "Casillas vacías")},
        {"faltan", QT_TRANSLATE_NOOP("Web", "Qué falta por poner")},
        {"leerCasilla", QT_TRANSLATE_NOOP("Web", "Leer casilla")},
        {"provisional", QT_TRANSLATE_NOOP("Web", "Marca provisional")},
        {"avisoRepetido", QT_TRANSLATE_NOOP("Web", "Aviso de número repetido")},
        {"avisoOriginal", QT_TRANSLATE_NOOP("Web", "Aviso de número original")},
        {"solucionUnica", QT_TRANSLATE_NOOP("Web", "Solución única")},
        {"cambiarDificultad", QT_TRANSLATE_NOOP("Web", "Cambiar dificultad")},
        {"escrituraDirecta", QT_TRANSLATE_NOOP("Web", "Escritura directa")},
        {"llenarNotas", QT_TRANSLATE_NOOP("Web", "Llenar notas")},
        {"copiarSudoku", QT_TRANSLATE_NOOP("Web", "Copiar sudoku")},
        {"pegarSudoku", QT_TRANSLATE_NOOP("Web", "Pegar sudoku")},
        {"sonidoPanel", QT_TRANSLATE_NOOP("Web", "Sonido de cambio de panel")},
        {"modoGestos", QT_TRANSLATE_NOOP("Web", "Modo gestos")},
        {"ofertaGestos", QT_TRANSLATE_NOOP("Web", "Para jugar con gestos y con la voz del propio juego, apague antes el lector de "
                                                  "pantalla: en iPhone, triple clic en el botón lateral; en Android, las dos teclas de "
                                                  "volumen pulsadas a la vez unos segundos. Después toque la pantalla.")},
        {"gestosActivado", QT_TRANSLATE_NOOP("Web", "Modo gestos activado")},
        {"gestosDesactivado", QT_TRANSLATE_NOOP("Web", "Modo gestos desactivado")},
        {"velocidadVoz", QT_TRANSLATE_NOOP("Web", "Velocidad de la voz")},
        {"vozMasRapida", QT_TRANSLATE_NOOP("Web", "Voz más rápida")},
        {"vozMasLenta", QT_TRANSLATE_NOOP("Web", "Voz más lenta")},
        {"menuGestos", QT_TRANSLATE_NOOP("Web", "Menú de gestos")},
        {"gestos", QT_TRANSLATE_NOOP("Web", "Gestos")},
        {"salirGestos", QT_TRANSLATE_NOOP("Web", "Salir del modo gestos")},
    };
    std::vector<std::pair<std::string, std::string>> r;
    for (const auto& [clave, texto] : etiquetas) r.emplace_back(clave, Traducir(Contexto, texto));
    return r;
}

std::vector<std::string> AyudaGestos()
{
    static const char* const lineas[] = {
        QT_TRANSLATE_NOOP("Web", "Gestos, con el lector de pantalla apagado y el modo gestos activado:"),
        QT_TRANSLATE_NOOP("Web", "Deslizar un dedo a la izquierda, a la derecha, arriba o abajo: mueve el cursor una casilla, "
                                 "como las flechas."),
        QT_TRANSLATE_NOOP("Web", "Tocar una casilla: lleva el cursor a ella y la dice."),
        QT_TRANSLATE_NOOP("Web", "Arrastrar un dedo despacio: dice cada casilla por la que pasa."),
        QT_TRANSLATE_NOOP("Web", "Deslizar dos dedos a la izquierda: lee la fila; hacia abajo: la columna; hacia arriba: el panel."),
        QT_TRANSLATE_NOOP("Web", "Tocar con dos dedos: abre las cifras, tres filas de tres como en un teléfono. Tocar una cifra la "
                                 "escribe, o la apunta en el modo notas, y vuelve al tablero. Tocar con dos dedos o fuera de "
                                 "las cifras las cierra."),
        QT_TRANSLATE_NOOP("Web", "Deslizar dos dedos a la derecha: abre el menú de gestos con las demás acciones. Deslizar un dedo "
                                 "recorre sus opciones, tocar dos veces elige una y tocar con dos dedos lo cierra."),
    };
    std::vector<std::string> r;
    for (const char* linea : lineas) r.push_back(Traducir(Contexto, linea));
    return r;
}

} // namespace FrasesPagina
