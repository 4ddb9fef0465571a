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

// "a", "a y b", "a, b y c"; or with another last joint ("a o b").
QString Enumerar(const QStringList& piezas, const QString& ultima = QCoreApplication::translate("Frases", " y "))
{
    if (piezas.size() < 2) return piezas.join(QString());
    return piezas.mid(0, piezas.size() - 1).join(QStringLiteral(", ")) + ultima + piezas.last();
}

QString Panel(int numero) { return Tr(nombresPanel[numero]); }

QString ElDigito(int digito) { return QCoreApplication::translate("Frases", "el %1").arg(digito); }

// What an elimination rules out, as a clause that follows "porque".
QString Clausula(const Eliminacion& e)
{
    const bool fila = (e.tipo == TipoEliminacion::EnUnaLinea ? e.hacia : e.donde).tipo == TipoGrupo::Fila;
    switch (e.tipo) {
    case TipoEliminacion::EnUnaLinea:
        return (fila ? QCoreApplication::translate("Frases", "el %1 del panel %2 tiene que ir en la fila %3")
                     : QCoreApplication::translate("Frases", "el %1 del panel %2 tiene que ir en la columna %3"))
            .arg(QString::number(e.digito), Panel(e.donde.numero), QString::number(e.hacia.numero + 1));
    case TipoEliminacion::EnUnPanel:
        return (fila ? QCoreApplication::translate("Frases", "el %1 de la fila %2 tiene que ir en el panel %3")
                     : QCoreApplication::translate("Frases", "el %1 de la columna %2 tiene que ir en el panel %3"))
            .arg(QString::number(e.digito), QString::number(e.donde.numero + 1), Panel(e.hacia.numero));
    case TipoEliminacion::Pareja: break;
    }
    const int a = e.celdas[0], b = e.celdas[1];
    const QString d0 = QString::number(e.digitos[0]), d1 = QString::number(e.digitos[1]);
    switch (e.donde.tipo) {
    case TipoGrupo::Fila:
        return QCoreApplication::translate("Frases", "en la fila %1, las columnas %2 y %3 se reparten el %4 y el %5")
            .arg(QString::number(a / 9 + 1), QString::number(a % 9 + 1), QString::number(b % 9 + 1), d0, d1);
    case TipoGrupo::Columna:
        return QCoreApplication::translate("Frases", "en la columna %1, las filas %2 y %3 se reparten el %4 y el %5")
            .arg(QString::number(a % 9 + 1), QString::number(a / 9 + 1), QString::number(b / 9 + 1), d0, d1);
    case TipoGrupo::Panel: break;
    }
    return QCoreApplication::translate("Frases", "en el panel %1, la fila %2, columna %3 y la fila %4, columna %5 se reparten el %6 y el %7")
        .arg(Panel(e.donde.numero), QString::number(a / 9 + 1), QString::number(a % 9 + 1), QString::number(b / 9 + 1),
             QString::number(b % 9 + 1), d0, d1);
}

// The digit and where it goes, as the technique finds it.
QString Hallazgo(const Paso& p)
{
    const QString fila = QString::number(p.celda / 9 + 1), columna = QString::number(p.celda % 9 + 1);
    const QString digito = QString::number(p.digito);
    if (p.tecnica == Tecnica::SoloCabe)
        return QCoreApplication::translate("Frases", "Fila %1, columna %2: solo cabe el %3").arg(fila, columna, digito);
    switch (p.grupo.tipo) {
    case TipoGrupo::Fila:
        return QCoreApplication::translate("Frases", "En la fila %1, el %2 solo puede ir en la columna %3").arg(fila, digito, columna);
    case TipoGrupo::Columna:
        return QCoreApplication::translate("Frases", "En la columna %1, el %2 solo puede ir en la fila %3").arg(columna, digito, fila);
    case TipoGrupo::Panel: break;
    }
    return QCoreApplication::translate("Frases", "En el panel %1, el %2 solo puede ir en la fila %3, columna %4")
        .arg(Panel(p.grupo.numero), digito, fila, columna);
}

QString Cuantas(int16_t n) { return n == 0 ? QCoreApplication::translate("Frases", "ninguna") : QString::number(n); }

} // namespace

namespace Frases {

QString Posicion(int16_t indice)
{
    return QCoreApplication::translate("Frases", "Fila %1, columna %2, panel %3")
        .arg(FilaDe(indice) + 1)
        .arg(ColumnaDe(indice) + 1)
        .arg(Panel(PanelDe(indice)));
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

QString SolucionUnica(bool activado)
{
    return QCoreApplication::translate("Frases", "Sudokus de solución única ")
         + (activado ? QCoreApplication::translate("Frases", "activado") : QCoreApplication::translate("Frases", "desactivado"));
}

QString Explicacion(const Pista& pista)
{
    switch (pista.tipo) {
    case TipoPista::Paso: {
        if (pista.paso.porque.empty()) return Hallazgo(pista.paso);
        QStringList clausulas;
        for (const Eliminacion& e : pista.paso.porque) clausulas << Clausula(e);
        return QCoreApplication::translate("Frases", "%1, porque %2").arg(Hallazgo(pista.paso), Enumerar(clausulas));
    }
    case TipoPista::Probando: {
        QStringList otros;
        for (int16_t d : pista.otros) otros << ElDigito(d);
        const int16_t i = pista.paso.celda;
        return QCoreApplication::translate("Frases", "Fila %1, columna %2: va el %3, porque con %4 no hay solución")
            .arg(QString::number(i / 9 + 1), QString::number(i % 9 + 1), QString::number(pista.paso.digito),
                 Enumerar(otros, QCoreApplication::translate("Frases", " o ")));
    }
    case TipoPista::SinSolucion: {
        const int16_t i = pista.celda;
        if (i < 0) return QCoreApplication::translate("Frases", "El tablero no tiene solución");
        return (pista.yDespues
                    ? QCoreApplication::translate("Frases", "El tablero ya no tiene solución. Quitando el %1 de la fila %2, columna %3 y lo escrito después, vuelve a tenerla")
                    : QCoreApplication::translate("Frases", "El tablero ya no tiene solución. Quitando el %1 de la fila %2, columna %3, vuelve a tenerla"))
            .arg(QString::number(pista.digito), QString::number(i / 9 + 1), QString::number(i % 9 + 1));
    }
    case TipoPista::VariasSoluciones:
        return QCoreApplication::translate("Frases", "Hay más de una solución y ningún paso es seguro. "
                                                     "La casilla con menos candidatos es la fila %1, columna %2: caben %3 números")
            .arg(QString::number(pista.celda / 9 + 1), QString::number(pista.celda % 9 + 1), QString::number(pista.caben));
    case TipoPista::Terminado: break;
    }
    return QCoreApplication::translate("Frases", "No queda nada por hacer");
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
        QT_TRANSLATE_NOOP("Frases", "  U: activa y desactiva los sudokus de solución única: con el modo activado, cada"),
        QT_TRANSLATE_NOOP("Frases", "juego nuevo tiene una sola solución y tantos números dados como su nivel."),
        QT_TRANSLATE_NOOP("Frases", "  H: da una pista: lleva el cursor a la casilla de la que habla y dice qué número va"),
        QT_TRANSLATE_NOOP("Frases", "y por qué; no escribe nada. Si el tablero ya no tiene solución, dice qué número quitar."),
        "",
        QT_TRANSLATE_NOOP("Frases", "  Con línea braille: en las preferencias de braille de Orca, marque"),
        QT_TRANSLATE_NOOP("Frases", "\"Activar mensajes temporales\" y \"Los mensajes son persistentes\": cada mensaje del"),
        QT_TRANSLATE_NOOP("Frases", "juego se quedará en la línea braille hasta el siguiente."),
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
