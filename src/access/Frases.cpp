#include "Frases.h"
#include "Coordenadas.h"
#include <QStringList>

namespace {

// Panels have no number: the player knows them by their place.
const char* const nombresPanel[9] = {
    "superior izquierdo", "superior central", "superior derecho",
    "central izquierdo",  "central",          "central derecho",
    "inferior izquierdo", "inferior central", "inferior derecho",
};

const char* const veces[10] = {
    "", "una vez", "dos veces", "tres veces", "cuatro veces",
    "cinco veces", "seis veces", "siete veces", "ocho veces", "nueve veces",
};

// "a", "a y b", "a, b y c".
QString Enumerar(const QStringList& piezas)
{
    if (piezas.size() < 2) return piezas.join(QString());
    return piezas.mid(0, piezas.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") + piezas.last();
}

QString Cuantas(int16_t n) { return n == 0 ? QStringLiteral("ninguna") : QString::number(n); }

} // namespace

namespace Frases {

QString Posicion(int16_t indice)
{
    return QStringLiteral("Fila %1, columna %2, panel %3")
        .arg(FilaDe(indice) + 1)
        .arg(ColumnaDe(indice) + 1)
        .arg(QString::fromUtf8(nombresPanel[PanelDe(indice)]));
}

QString EnCasilla(int16_t indice, const QString& celda)
{
    return Posicion(indice) + QStringLiteral(", ") + celda;
}

QString Deshecho(int16_t indice, const QString& celda)
{
    return QStringLiteral("Deshecho. ") + EnCasilla(indice, celda);
}

QString Pendientes(const Vacias& v)
{
    return QStringLiteral("Vacías: %1 en la fila, %2 en la columna, %3 en el panel, %4 en el tablero")
        .arg(Cuantas(v.fila), Cuantas(v.columna), Cuantas(v.panel), Cuantas(v.tablero));
}

QString Caben(const std::vector<int16_t>& digitos)
{
    if (digitos.empty()) return QStringLiteral("No cabe ningún número");
    QStringList piezas;
    for (int16_t d : digitos) piezas << QString::number(d);
    return (digitos.size() == 1 ? QStringLiteral("Cabe ") : QStringLiteral("Caben ")) + Enumerar(piezas);
}

QString NumeroOriginal() { return QStringLiteral("Número original"); }

QString QuedanPorPoner(const std::array<int16_t, 10>& faltan)
{
    QStringList piezas;
    for (int d = 1; d <= 9; ++d)
        if (faltan[d] > 0) piezas << QStringLiteral("el %1 %2").arg(d).arg(QString::fromUtf8(veces[faltan[d]]));
    if (piezas.isEmpty()) return QStringLiteral("No falta ningún número");
    return (piezas.size() == 1 ? QStringLiteral("Falta ") : QStringLiteral("Faltan ")) + Enumerar(piezas);
}

QString AvisoRepetido(bool activado)
{
    return QStringLiteral("Aviso de número repetido ")
         + (activado ? QStringLiteral("activado") : QStringLiteral("desactivado"));
}

QString Repeticiones(const Repeticion& donde)
{
    QStringList piezas;
    if (donde.fila) piezas << QStringLiteral("en la fila");
    if (donde.columna) piezas << QStringLiteral("en la columna");
    if (donde.panel) piezas << QStringLiteral("en el panel");
    return QStringLiteral("Repetido ") + Enumerar(piezas);
}

QString Menu(const QString& nombre, qsizetype opciones)
{
    return QStringLiteral("Menú %1, %2 opciones").arg(nombre, QString::number(opciones));
}

QString Ayuda()
{
    const char* const lineas[] = {
        "",
        "  Teclas para jugar más deprisa (con el modo escritura desactivado):",
        "  D: dice dónde está el cursor: la fila, la columna y el panel, nombrado por su",
        "lugar (superior izquierdo, central, inferior derecho...).",
        "  Q: dice cuántas casillas vacías quedan en la fila, la columna y el panel actuales",
        "y en todo el tablero.",
        "  N: dice qué números caben en la casilla actual: los que no están en su fila, su",
        "columna ni su panel.",
        "  S: lleva el cursor a la siguiente casilla vacía, de izquierda a derecha y de arriba",
        "abajo, y dice dónde ha llegado. Si no queda ninguna vacía suena un pitido.",
        "  Z: deshace el último cambio hecho con el teclado en una casilla (lo escrito, lo",
        "borrado o la marca de provisional), una y otra vez hasta el principio de la partida.",
        "  R: dice cuántas veces falta todavía cada número en el tablero.",
        "  E: activa y desactiva el aviso de número repetido: con el aviso activado, al",
        "guardar un número que ya está en su fila, su columna o su panel se oye dónde se repite.",
    };
    QString texto;
    for (const char* l : lineas) texto += QString::fromUtf8(l) + QStringLiteral("\r\n");
    return texto;
}

} // namespace Frases
