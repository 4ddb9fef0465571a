// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frases.h"
#include "Coordenadas.h"
#include <QCoreApplication>
#include <QStringList>

namespace {

// For texts kept in tables, marked there with QT_TRANSLATE_NOOP.
QString Tr(const char* texto) { return QCoreApplication::translate("Frases", texto); }

// Panels have no number: the player knows them by their place.
const char* const nombresPanel[9] = {
    QT_TRANSLATE_NOOP("Frases", "superior izquierdo"), QT_TRANSLATE_NOOP("Frases", "superior central"), QT_TRANSLATE_NOOP("Frases", "superior derecho"),
    QT_TRANSLATE_NOOP("Frases", "central izquierdo"),  QT_TRANSLATE_NOOP("Frases", "central"),          QT_TRANSLATE_NOOP("Frases", "central derecho"),
    QT_TRANSLATE_NOOP("Frases", "inferior izquierdo"), QT_TRANSLATE_NOOP("Frases", "inferior central"), QT_TRANSLATE_NOOP("Frases", "inferior derecho"),
};

const char* const veces[10] = {
    "", QT_TRANSLATE_NOOP("Frases", "una vez"), QT_TRANSLATE_NOOP("Frases", "dos veces"), QT_TRANSLATE_NOOP("Frases", "tres veces"), QT_TRANSLATE_NOOP("Frases", "cuatro veces"),
    QT_TRANSLATE_NOOP("Frases", "cinco veces"), QT_TRANSLATE_NOOP("Frases", "seis veces"), QT_TRANSLATE_NOOP("Frases", "siete veces"), QT_TRANSLATE_NOOP("Frases", "ocho veces"), QT_TRANSLATE_NOOP("Frases", "nueve veces"),
};

// "a", "a y b", "a, b y c".
QString Enumerar(const QStringList& piezas)
{
    if (piezas.size() < 2) return piezas.join(QString());
    return piezas.mid(0, piezas.size() - 1).join(QStringLiteral(", ")) + QCoreApplication::translate("Frases", " y ") + piezas.last();
}

QString Cuantas(int16_t n) { return n == 0 ? QCoreApplication::translate("Frases", "ninguna") : QString::number(n); }

} // namespace

namespace Frases {

QString Posicion(int16_t indice)
{
    return QCoreApplication::translate("Frases", "Fila %1, columna %2, panel %3")
        .arg(FilaDe(indice) + 1)
        .arg(ColumnaDe(indice) + 1)
        .arg(Tr(nombresPanel[PanelDe(indice)]));
}

QString EnCasilla(int16_t indice, const QString& celda)
{
    return Posicion(indice) + QStringLiteral(", ") + celda;
}

QString Deshecho(int16_t indice, const QString& celda)
{
    return QCoreApplication::translate("Frases", "Deshecho. ") + EnCasilla(indice, celda);
}

QString Pendientes(const Vacias& v)
{
    return QCoreApplication::translate("Frases", "Vacías: %1 en la fila, %2 en la columna, %3 en el panel, %4 en el tablero")
        .arg(Cuantas(v.fila), Cuantas(v.columna), Cuantas(v.panel), Cuantas(v.tablero));
}

QString Caben(const std::vector<int16_t>& digitos)
{
    if (digitos.empty()) return QCoreApplication::translate("Frases", "No cabe ningún número");
    QStringList piezas;
    for (int16_t d : digitos) piezas << QString::number(d);
    return (digitos.size() == 1 ? QCoreApplication::translate("Frases", "Cabe ") : QCoreApplication::translate("Frases", "Caben ")) + Enumerar(piezas);
}

QString NumeroOriginal() { return QCoreApplication::translate("Frases", "Número original"); }

QString QuedanPorPoner(const std::array<int16_t, 10>& faltan)
{
    QStringList piezas;
    for (int d = 1; d <= 9; ++d)
        if (faltan[d] > 0) piezas << QCoreApplication::translate("Frases", "el %1 %2").arg(d).arg(Tr(veces[faltan[d]]));
    if (piezas.isEmpty()) return QCoreApplication::translate("Frases", "No falta ningún número");
    return (piezas.size() == 1 ? QCoreApplication::translate("Frases", "Falta ") : QCoreApplication::translate("Frases", "Faltan ")) + Enumerar(piezas);
}

QString AvisoRepetido(bool activado)
{
    return QCoreApplication::translate("Frases", "Aviso de número repetido ")
         + (activado ? QCoreApplication::translate("Frases", "activado") : QCoreApplication::translate("Frases", "desactivado"));
}

QString Repeticiones(const Repeticion& donde)
{
    QStringList piezas;
    if (donde.fila) piezas << QCoreApplication::translate("Frases", "en la fila");
    if (donde.columna) piezas << QCoreApplication::translate("Frases", "en la columna");
    if (donde.panel) piezas << QCoreApplication::translate("Frases", "en el panel");
    return QCoreApplication::translate("Frases", "Repetido ") + Enumerar(piezas);
}

QString Menu(const QString& nombre, qsizetype opciones)
{
    return QCoreApplication::translate("Frases", "Menú %1, %2 opciones").arg(nombre, QString::number(opciones));
}

QString Ayuda()
{
    const char* const lineas[] = {
        "",
        QT_TRANSLATE_NOOP("Frases", "  Teclas para jugar más deprisa (con el modo escritura desactivado):"),
        QT_TRANSLATE_NOOP("Frases", "  D: dice dónde está el cursor: la fila, la columna y el panel, nombrado por su"),
        QT_TRANSLATE_NOOP("Frases", "lugar (superior izquierdo, central, inferior derecho...)."),
        QT_TRANSLATE_NOOP("Frases", "  Q: dice cuántas casillas vacías quedan en la fila, la columna y el panel actuales"),
        QT_TRANSLATE_NOOP("Frases", "y en todo el tablero."),
        QT_TRANSLATE_NOOP("Frases", "  N: dice qué números caben en la casilla actual: los que no están en su fila, su"),
        QT_TRANSLATE_NOOP("Frases", "columna ni su panel."),
        QT_TRANSLATE_NOOP("Frases", "  S: lleva el cursor a la siguiente casilla vacía, de izquierda a derecha y de arriba"),
        QT_TRANSLATE_NOOP("Frases", "abajo, y dice dónde ha llegado. Si no queda ninguna vacía suena un pitido."),
        QT_TRANSLATE_NOOP("Frases", "  Z: deshace el último cambio hecho con el teclado en una casilla (lo escrito, lo"),
        QT_TRANSLATE_NOOP("Frases", "borrado o la marca de provisional), una y otra vez hasta el principio de la partida."),
        QT_TRANSLATE_NOOP("Frases", "  R: dice cuántas veces falta todavía cada número en el tablero."),
        QT_TRANSLATE_NOOP("Frases", "  E: activa y desactiva el aviso de número repetido: con el aviso activado, al"),
        QT_TRANSLATE_NOOP("Frases", "guardar un número que ya está en su fila, su columna o su panel se oye dónde se repite."),
        "",
        QT_TRANSLATE_NOOP("Frases", "  Licencia:"),
    };
    QString texto;
    for (const char* l : lineas) texto += (*l ? Tr(l) : QString()) + QStringLiteral("\r\n");
    for (const QString& l : Licencia()) texto += QStringLiteral("  ") + l + QStringLiteral("\r\n");
    return texto;
}

QStringList Licencia()
{
    return {
        Tr(QT_TRANSLATE_NOOP("Frases", "Copyright (C) %1 Equipo de NOVARO")).arg(QStringLiteral(NOVARO_ANIO)),
        Tr(QT_TRANSLATE_NOOP("Frases", "Licencia GPLv3+: GNU GPL versión 3 o posterior <https://gnu.org/licenses/gpl.html>.")),
        Tr(QT_TRANSLATE_NOOP("Frases", "Esto es software libre: puede cambiarlo y redistribuirlo.")),
        Tr(QT_TRANSLATE_NOOP("Frases", "NO HAY NINGUNA GARANTÍA, en la medida en que lo permita la ley.")),
    };
}

} // namespace Frases
