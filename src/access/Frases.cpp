// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frases.h"
#include "Coordenadas.h"
#include <QCoreApplication>
#include <QStringList>
#include <iterator>

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

// "la fila 2, columna 3".
QString Celda(int i)
{
    return QCoreApplication::translate("Frases", "la fila %1, columna %2").arg(QString::number(i / 9 + 1), QString::number(i % 9 + 1));
}

// "2, 5 y 8": the lines' numbers, counted from 1.
QString Numeros(const QList<int>& numeros)
{
    QStringList piezas;
    for (int n : numeros) piezas << QString::number(n + 1);
    return Enumerar(piezas);
}

// "el 1, el 4 y el 6".
QString LosDigitos(const int8_t* digitos, int cuantos)
{
    QStringList piezas;
    for (int k = 0; k < cuantos; ++k) piezas << ElDigito(digitos[k]);
    return Enumerar(piezas);
}

// Pairs and triples of cells (a pair keeps its own words) and of digits.
QString Conjunto(const Eliminacion& e)
{
    QList<int> filas, columnas;
    QStringList celdas;
    for (int k = 0; k < e.cuantos; ++k) {
        filas << e.celdas[k] / 9;
        columnas << e.celdas[k] % 9;
        celdas << Celda(e.celdas[k]);
    }
    const QString digitos = LosDigitos(e.digitos.data(), e.cuantos);
    const QString numero = QString::number(e.donde.numero + 1);
    if (e.tipo == TipoEliminacion::Trio) {
        switch (e.donde.tipo) {
        case TipoGrupo::Fila:
            return QCoreApplication::translate("Frases", "en la fila %1, las columnas %2 se reparten %3").arg(numero, Numeros(columnas), digitos);
        case TipoGrupo::Columna:
            return QCoreApplication::translate("Frases", "en la columna %1, las filas %2 se reparten %3").arg(numero, Numeros(filas), digitos);
        case TipoGrupo::Panel: break;
        }
        return QCoreApplication::translate("Frases", "en el panel %1, %2 se reparten %3").arg(Panel(e.donde.numero), Enumerar(celdas), digitos);
    }
    switch (e.donde.tipo) {
    case TipoGrupo::Fila:
        return QCoreApplication::translate("Frases", "en la fila %1, %2 solo pueden ir en las columnas %3").arg(numero, digitos, Numeros(columnas));
    case TipoGrupo::Columna:
        return QCoreApplication::translate("Frases", "en la columna %1, %2 solo pueden ir en las filas %3").arg(numero, digitos, Numeros(filas));
    case TipoGrupo::Panel: break;
    }
    return QCoreApplication::translate("Frases", "en el panel %1, %2 solo pueden ir en %3").arg(Panel(e.donde.numero), digitos, Enumerar(celdas));
}

// X-Wing and Swordfish: the lines that hold the digit, and the lines they hold it to.
QString Pez(const Eliminacion& e)
{
    QList<int> lineas, cubiertas;
    for (int k = 0; k < e.cuantos; ++k) {
        lineas << e.lineas[k].numero;
        cubiertas << e.cubiertas[k].numero;
    }
    return (e.lineas[0].tipo == TipoGrupo::Fila
                ? QCoreApplication::translate("Frases", "en las filas %1, el %2 solo puede ir en las columnas %3")
                : QCoreApplication::translate("Frases", "en las columnas %1, el %2 solo puede ir en las filas %3"))
        .arg(Numeros(lineas), QString::number(e.digito), Numeros(cubiertas));
}

// The wings: what each digit of the first cell makes of the other two.
QString Ala(const Eliminacion& e)
{
    const QString x = QString::number(e.digitos[0]), y = QString::number(e.digitos[1]), z = QString::number(e.digito);
    if (e.tipo == TipoEliminacion::AlaXY)
        return QCoreApplication::translate("Frases", "%1 es el %2 o el %3; si es el %2, %4 es el %5, y si es el %3, %6 es el %5")
            .arg(Celda(e.celdas[0]), x, y, Celda(e.celdas[1]), z, Celda(e.celdas[2]));
    return QCoreApplication::translate("Frases", "%1 es el %2, el %3 o el %4; si es el %2, %5 es el %4, y si es el %3, %6 es el %4")
        .arg(Celda(e.celdas[0]), x, y, z, Celda(e.celdas[1]), Celda(e.celdas[2]));
}

// How many links of a chain one utterance says; H says the next ones.
constexpr qsizetype EslabonesPorVez = 4;

QString NombreGrupo(Grupo g)
{
    const QString numero = QString::number(g.numero + 1);
    switch (g.tipo) {
    case TipoGrupo::Fila: return QCoreApplication::translate("Frases", "la fila %1").arg(numero);
    case TipoGrupo::Columna: return QCoreApplication::translate("Frases", "la columna %1").arg(numero);
    case TipoGrupo::Panel: break;
    }
    return QCoreApplication::translate("Frases", "el panel %1").arg(Panel(g.numero));
}

// A node's place: one cell, or the cells of a line within a panel ("la fila 2, columnas 4 y 5").
QString Lugar(const Eslabon& n)
{
    if (n.cuantas == 1) return Celda(n.celdas[0]);
    QList<int> filas, columnas;
    for (int k = 0; k < n.cuantas; ++k) {
        filas << n.celdas[k] / 9;
        columnas << n.celdas[k] % 9;
    }
    if (n.celdas[0] / 9 == n.celdas[1] / 9)
        return QCoreApplication::translate("Frases", "la fila %1, columnas %2").arg(QString::number(filas[0] + 1), Numeros(columnas));
    return QCoreApplication::translate("Frases", "la columna %1, filas %2").arg(QString::number(columnas[0] + 1), Numeros(filas));
}

// What the chain says of a node: "la fila 1, columna 2 no es el 5".
QString Estado(const Eslabon& n)
{
    const QString lugar = Lugar(n), digito = QString::number(n.digito);
    if (n.cuantas == 1)
        return (n.es ? QCoreApplication::translate("Frases", "%1 es el %2") : QCoreApplication::translate("Frases", "%1 no es el %2"))
            .arg(lugar, digito);
    return (n.es ? QCoreApplication::translate("Frases", "el %2 está en %1") : QCoreApplication::translate("Frases", "el %2 no está en %1"))
        .arg(lugar, digito);
}

// A forcing chain's link: what the supposition makes of the cell, and why. The
// supposition itself was just named by what the chain proves.
QString Consecuencia(const Eslabon& n)
{
    const QString celda = Celda(n.celdas[0]), digito = QString::number(n.digito);
    switch (n.motivo) {
    case Motivo::Supuesto: return QCoreApplication::translate("Frases", "si lo fuera");
    case Motivo::SoloCabe: return QCoreApplication::translate("Frases", "%1 sería el %2, el único que cabe").arg(celda, digito);
    case Motivo::SoloUnLugar:
        return QCoreApplication::translate("Frases", "el %1 iría en %2, su único lugar en %3").arg(digito, celda, NombreGrupo(n.grupo));
    case Motivo::SinDigito: return QCoreApplication::translate("Frases", "y en %1 no cabría ningún número").arg(celda);
    case Motivo::PorCadena: return QCoreApplication::translate("Frases", "%1 no sería el %2").arg(celda, digito);
    case Motivo::SinLugar: break;
    }
    return QCoreApplication::translate("Frases", "y el %1 no tendría sitio en %2").arg(digito, NombreGrupo(n.grupo));
}

// What a forcing chain of its own leaves empty: "deja sin número la fila 4, columna 1".
QString Vacio(const Eslabon& fin)
{
    if (fin.motivo == Motivo::SinDigito)
        return QCoreApplication::translate("Frases", "deja sin número %1").arg(Celda(fin.celdas[0]));
    return QCoreApplication::translate("Frases", "deja sin sitio el %1 en %2").arg(QString::number(fin.digito), NombreGrupo(fin.grupo));
}

// The forcing chains of a cell or a group, one after another: each supposition,
// its links, and what it takes away when it does not end in a contradiction.
// Nested chains: their links, a chain within as one ("si el 5 va en la fila 2,
// columna 3, una cadena forzada deja sin número la fila 4, columna 1"); then, for
// H again, the links of each chain within.
QStringList EslabonesForzados(const Eliminacion& e)
{
    QStringList piezas;
    const Candidato t = e.conclusion;
    for (size_t k = 0; k < e.cadena.size(); ++k) {
        const Eslabon& n = e.cadena[k];
        const QString digito = QString::number(n.digito), celda = Celda(n.celdas[0]);
        const bool ultimo = k + 1 == e.cadena.size() || e.cadena[k + 1].motivo == Motivo::Supuesto;
        if (n.motivo == Motivo::PorCadena) {
            const auto& interna = e.internas[static_cast<size_t>(n.interna)];
            piezas << QCoreApplication::translate("Frases", "si el %1 va en %2, una cadena forzada %3").arg(digito, celda, Vacio(interna.back()));
            continue;
        }
        if (n.motivo != Motivo::Supuesto || e.tipo == TipoEliminacion::CadenaAnidada) piezas << Consecuencia(n);
        else if (e.tipo == TipoEliminacion::CadenaDeCelda) piezas << QCoreApplication::translate("Frases", "si fuera el %1").arg(digito);
        else piezas << QCoreApplication::translate("Frases", "si el %1 va en %2").arg(digito, celda);
        if (e.tipo != TipoEliminacion::CadenaAnidada && ultimo && n.motivo != Motivo::SinDigito && n.motivo != Motivo::SinLugar)
            piezas << QCoreApplication::translate("Frases", "y %1 no sería el %2").arg(Celda(t.celda), QString::number(t.digito));
    }
    for (const auto& interna : e.internas)
        for (const Eslabon& n : interna)
            piezas << (n.motivo == Motivo::Supuesto ? QCoreApplication::translate("Frases", "dentro, si el %1 va en %2").arg(QString::number(n.digito), Celda(n.celdas[0]))
                                                    : Consecuencia(n));
    return piezas;
}

// What the forcing chains of a cell, of a group or nested prove.
QString PruebaForzada(const Eliminacion& e)
{
    const QString objetivo = QCoreApplication::translate("Frases", "%1 no puede ser el %2");
    switch (e.tipo) {
    case TipoEliminacion::CadenaDeCelda:
        return QCoreApplication::translate("Frases", "cadenas forzadas desde %1: sea cual sea su número, %2")
            .arg(Celda(e.celdas[0]), objetivo.arg(Celda(e.conclusion.celda), QString::number(e.conclusion.digito)));
    case TipoEliminacion::CadenaDeGrupo:
        return QCoreApplication::translate("Frases", "cadenas forzadas desde el %1 de %2: vaya donde vaya, %3")
            .arg(QString::number(e.digito), NombreGrupo(e.donde), objetivo.arg(Celda(e.conclusion.celda), QString::number(e.conclusion.digito)));
    default: break;
    }
    return QCoreApplication::translate("Frases", "una cadena forzada anidada: %1")
        .arg(objetivo.arg(Celda(e.cadena.front().celdas[0]), QString::number(e.digito)));
}

// A chain's links, one piece each, in the order they follow.
QStringList Eslabones(const Eliminacion& e)
{
    if (e.tipo > TipoEliminacion::CadenaForzada) return EslabonesForzados(e);
    QStringList piezas;
    for (qsizetype k = 0; k < static_cast<qsizetype>(e.cadena.size()); ++k) {
        const Eslabon& n = e.cadena[static_cast<size_t>(k)];
        if (e.tipo == TipoEliminacion::CadenaForzada) piezas << Consecuencia(n);
        else if (k == 0) piezas << QCoreApplication::translate("Frases", "si %1").arg(Estado(n));
        else piezas << QCoreApplication::translate("Frases", "entonces %1").arg(Estado(n));
    }
    return piezas;
}

// What a chain proves, before its links.
QString Prueba(const Eliminacion& e)
{
    const Eslabon &a = e.cadena.front(), &b = e.cadena.back();
    QString nombre;
    switch (e.tipo) {
    case TipoEliminacion::Rascacielos: nombre = QCoreApplication::translate("Frases", "un rascacielos del %1").arg(e.digito); break;
    case TipoEliminacion::Cometa: nombre = QCoreApplication::translate("Frases", "una cometa del %1").arg(e.digito); break;
    case TipoEliminacion::CadenaX: nombre = QCoreApplication::translate("Frases", "una cadena X del %1").arg(e.digito); break;
    case TipoEliminacion::ParesRemotos: nombre = QCoreApplication::translate("Frases", "unos pares remotos"); break;
    case TipoEliminacion::AlaW: nombre = QCoreApplication::translate("Frases", "un ala W"); break;
    case TipoEliminacion::CadenaXY: nombre = QCoreApplication::translate("Frases", "una cadena XY"); break;
    case TipoEliminacion::CadenaAlterna: nombre = QCoreApplication::translate("Frases", "una cadena alterna"); break;
    case TipoEliminacion::CadenaDeCelda:
    case TipoEliminacion::CadenaDeGrupo:
    case TipoEliminacion::CadenaAnidada: return PruebaForzada(e);
    default:
        return QCoreApplication::translate("Frases", "una cadena forzada: %1 no puede ser el %2").arg(Celda(a.celdas[0]), QString::number(e.digito));
    }
    if (a.digito == b.digito)
        return QCoreApplication::translate("Frases", "%1: el %2 está en %3 o en %4").arg(nombre, QString::number(a.digito), Lugar(a), Lugar(b));
    return QCoreApplication::translate("Frases", "%1: %2 es el %3 o %4 es el %5")
        .arg(nombre, Lugar(a), QString::number(a.digito), Lugar(b), QString::number(b.digito));
}

// A chain as first heard: what it proves and its first links.
QString Cadena(const Eliminacion& e)
{
    const QStringList piezas = Eslabones(e);
    QString texto = QCoreApplication::translate("Frases", "%1, pues %2").arg(Prueba(e), piezas.mid(0, EslabonesPorVez).join(QStringLiteral(", ")));
    if (piezas.size() > EslabonesPorVez) texto += QCoreApplication::translate("Frases", "; H para seguir");
    return texto;
}

// Colouring: the two colours, and for a wrap the two cells of one colour that see
// each other, which rule that colour out.
QString Colores(const Eliminacion& e)
{
    QStringList unos, otros;
    std::vector<int> celdas[2];
    std::array<bool, 81> dicha{};
    for (const Eslabon& n : e.cadena) {
        if (dicha[static_cast<size_t>(n.celdas[0])]) continue;
        dicha[static_cast<size_t>(n.celdas[0])] = true;
        (n.es ? unos : otros) << Celda(n.celdas[0]);
        celdas[n.es ? 0 : 1].push_back(n.celdas[0]);
    }
    const QString texto = QCoreApplication::translate("Frases", "un coloreado del %1: el %1 va en %2, o en %3")
                              .arg(QString::number(e.digito), Enumerar(unos), Enumerar(otros));
    auto seVen = [](int a, int b) { return a / 9 == b / 9 || a % 9 == b % 9 || PanelDe(static_cast<int16_t>(a)) == PanelDe(static_cast<int16_t>(b)); };
    for (const auto& color : celdas)
        for (size_t a = 0; a < color.size(); ++a)
            for (size_t b = a + 1; b < color.size(); ++b)
                if (seVen(color[a], color[b]))
                    return QCoreApplication::translate("Frases", "%1; pero %2 y %3 se ven, y no pueden ser los dos el %4")
                        .arg(texto, Celda(color[a]), Celda(color[b]), QString::number(e.digito));
    return texto;
}

QString Rectangulo(const Eliminacion& e)
{
    QStringList esquinas;
    for (const Eslabon& n : e.cadena) esquinas << Celda(n.celdas[0]);
    const QString x = QString::number(e.digitos[0]), y = QString::number(e.digitos[1]);
    const QString base = QCoreApplication::translate("Frases", "un rectángulo único: %1 no pueden quedar en el %2 y el %3, que habría dos soluciones")
                             .arg(Enumerar(esquinas), x, y);
    switch (e.tipo) {
    case TipoEliminacion::RectanguloUnico1:
        return QCoreApplication::translate("Frases", "%1, así que %2 no es ni el %3 ni el %4").arg(base, esquinas[3], x, y);
    case TipoEliminacion::RectanguloUnico2:
        return QCoreApplication::translate("Frases", "%1, así que %2 o %3 es el %4").arg(base, esquinas[2], esquinas[3], QString::number(e.digito));
    default: break;
    }
    const QString d = QString::number(e.digito), otro = e.digito == e.digitos[0] ? y : x;
    return QCoreApplication::translate("Frases", "%1; en %2 el %3 solo puede ir en %4 o %5, así que ninguna es el %6")
        .arg(base, NombreGrupo(e.donde), d, esquinas[2], esquinas[3], otro);
}

// ALS-XZ: the two sets, the digit they cannot share and the one they hold between them.
QString CasiBloqueados(const Eliminacion& e)
{
    QStringList partes;
    for (const Eslabon& n : e.cadena) {
        QStringList celdas;
        int8_t digitos[9];
        int cuantos = 0;
        for (int k = 0; k < n.cuantas; ++k) celdas << Celda(n.celdas[k]);
        for (int d = 1; d <= 9; ++d)
            if (n.digitos & (1u << (d - 1))) digitos[cuantos++] = static_cast<int8_t>(d);
        partes << QCoreApplication::translate("Frases", "en %1 solo caben %2").arg(Enumerar(celdas), LosDigitos(digitos, cuantos));
    }
    return QCoreApplication::translate("Frases", "dos conjuntos casi bloqueados: %1, y %2; el %3 no puede estar en ambos, así que uno de los dos tiene el %4")
        .arg(partes[0], partes[1], QString::number(e.cadena[0].digito), QString::number(e.digito));
}

// What an elimination rules out, as a clause that follows "porque".
QString Clausula(const Eliminacion& e)
{
    if (EsCadena(e.tipo)) return Cadena(e);
    switch (e.tipo) {
    case TipoEliminacion::ColoreadoSimple: return Colores(e);
    case TipoEliminacion::ConjuntoCasiBloqueado: return CasiBloqueados(e);
    case TipoEliminacion::RectanguloUnico1:
    case TipoEliminacion::RectanguloUnico2:
    case TipoEliminacion::RectanguloUnico4: return Rectangulo(e);
    case TipoEliminacion::BugMasUno:
        return QCoreApplication::translate("Frases", "si %1 no fuera el %2, todas las casillas vacías quedarían con dos números y habría dos soluciones")
            .arg(Celda(e.celdas[0]), QString::number(e.digito));
    case TipoEliminacion::ParejaOculta:
    case TipoEliminacion::Trio:
    case TipoEliminacion::TrioOculto: return Conjunto(e);
    case TipoEliminacion::AlaX:
    case TipoEliminacion::PezEspada: return Pez(e);
    case TipoEliminacion::AlaXY:
    case TipoEliminacion::AlaXYZ: return Ala(e);
    default: break;
    }
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
    default: break;
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

QString Continuacion(const Pista& pista, int parte)
{
    if (pista.tipo != TipoPista::Paso || parte < 1) return {};
    QStringList resto;
    for (const Eliminacion& e : pista.paso.porque)
        if (EsCadena(e.tipo)) resto << Eslabones(e).mid(EslabonesPorVez);
    const qsizetype desde = (parte - 1) * EslabonesPorVez;
    if (desde >= resto.size()) return {};
    QString texto = resto.mid(desde, EslabonesPorVez).join(QStringLiteral(", "));
    if (desde + EslabonesPorVez < resto.size()) texto += QCoreApplication::translate("Frases", "; H para seguir");
    return texto;
}

QString Dificultad(Calificacion calificacion)
{
    const char* const textos[] = {
        QT_TRANSLATE_NOOP("Frases", "Dificultad: fácil, basta con mirar qué cabe en cada casilla y dónde puede ir cada número"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un número que en un panel solo puede ir en una fila o una columna"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un número que en una fila o una columna solo puede ir en un panel"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una pareja"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una pareja oculta"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un trío"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un trío oculto"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un ala X"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un pez espada"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un ala XY"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un ala XYZ"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un rascacielos"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cometa"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena X"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un coloreado simple"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un rectángulo único de tipo 1"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un rectángulo único de tipo 2"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un rectángulo único de tipo 4"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un BUG más uno"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita pares remotos"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita un ala W"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena XY"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita dos conjuntos casi bloqueados"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena alterna"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena forzada"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita cadenas forzadas desde todos los números de una casilla"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita cadenas forzadas desde todos los lugares de un número en un grupo"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: necesita una cadena forzada anidada"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: no se resuelve solo razonando"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: tiene más de una solución, no se resuelve solo razonando"),
        QT_TRANSLATE_NOOP("Frases", "Dificultad: no tiene solución"),
    };
    static_assert(std::size(textos) == static_cast<size_t>(Calificacion::SinSolucion) + 1, "a text for every grade");
    return Tr(textos[static_cast<int>(calificacion)]);
}

QString DificultadConTipo(Calificacion calificacion)
{
    const ::Dificultad tipo = DificultadDe(calificacion);
    if (tipo == ::Dificultad::PorNivel) return Dificultad(calificacion);
    return QCoreApplication::translate("Frases", "Sudoku %1. %2").arg(NombreDificultad(tipo), Dificultad(calificacion));
}

QString NombreDificultad(::Dificultad dificultad)
{
    const char* const nombres[] = {
        QT_TRANSLATE_NOOP("Frases", "Por nivel"),  QT_TRANSLATE_NOOP("Frases", "Sencillo"), QT_TRANSLATE_NOOP("Frases", "Intermedio"),
        QT_TRANSLATE_NOOP("Frases", "Avanzado"),   QT_TRANSLATE_NOOP("Frases", "Experto"),  QT_TRANSLATE_NOOP("Frases", "Maestro"),
    };
    static_assert(std::size(nombres) == Dificultades, "a name for every kind");
    return Tr(nombres[static_cast<int>(dificultad)]);
}

QString DificultadElegida(::Dificultad dificultad)
{
    return QCoreApplication::translate("Frases", "Dificultad: %1").arg(NombreDificultad(dificultad));
}

QString SudokuDeDificultad(::Dificultad dificultad, int dados)
{
    return QCoreApplication::translate("Frases", "Sudoku %1, %2 números dados").arg(NombreDificultad(dificultad)).arg(dados);
}

QString PreparandoSudoku() { return QCoreApplication::translate("Frases", "Preparando el sudoku"); }

QString SudokuImportado(int dados, const QString& dificultad)
{
    const QString importado = QCoreApplication::translate("Frases", "Sudoku importado, %1 números dados").arg(dados);
    return dificultad.isEmpty() ? importado : importado + QStringLiteral(". ") + dificultad;
}

QString SudokuRechazado(const SudokuLeido& leido)
{
    QString motivo;
    switch (leido.rechazo) {
    case Rechazo::Ninguno: return {};
    case Rechazo::Casillas:
        if (leido.casillas == 0) motivo = QCoreApplication::translate("Frases", "no hay ninguna casilla");
        else if (leido.casillas == 1) motivo = QCoreApplication::translate("Frases", "hay una sola casilla y hacen falta 81");
        else if (leido.casillas < 81) motivo = QCoreApplication::translate("Frases", "hay %1 casillas y hacen falta 81").arg(leido.casillas);
        else motivo = QCoreApplication::translate("Frases", "hay más de 81 casillas");
        break;
    case Rechazo::Repetido: {
        const QString digito = QString::number(leido.digito), numero = QString::number(leido.grupo.numero + 1);
        switch (leido.grupo.tipo) {
        case TipoGrupo::Fila: motivo = QCoreApplication::translate("Frases", "el %1 se repite en la fila %2").arg(digito, numero); break;
        case TipoGrupo::Columna: motivo = QCoreApplication::translate("Frases", "el %1 se repite en la columna %2").arg(digito, numero); break;
        case TipoGrupo::Panel:
            motivo = QCoreApplication::translate("Frases", "el %1 se repite en el panel %2").arg(digito, Panel(leido.grupo.numero));
            break;
        }
        break;
    }
    case Rechazo::SinSolucion: motivo = QCoreApplication::translate("Frases", "no tiene solución"); break;
    case Rechazo::VariasSoluciones: motivo = QCoreApplication::translate("Frases", "tiene más de una solución"); break;
    case Rechazo::Inabarcable:
        motivo = QCoreApplication::translate("Frases", "no se ha podido comprobar que tenga una sola solución");
        break;
    }
    return QCoreApplication::translate("Frases", "Sudoku rechazado: %1").arg(motivo);
}

QString TableroCopiado() { return QCoreApplication::translate("Frases", "Tablero copiado"); }
QString Notas(const std::vector<int16_t>& digitos)
{
    if (digitos.empty()) return QCoreApplication::translate("Frases", "sin notas");
    QStringList piezas;
    for (int16_t d : digitos) piezas << QString::number(d);
    return (digitos.size() == 1 ? QCoreApplication::translate("Frases", "nota %1") : QCoreApplication::translate("Frases", "notas %1"))
        .arg(Enumerar(piezas));
}

QString ModoNotas(bool activado)
{
    return activado ? QCoreApplication::translate("Frases", "Notas activadas") : QCoreApplication::translate("Frases", "Notas desactivadas");
}

QString NotaCambiada(bool puesta, int16_t digito, const std::vector<int16_t>& notas)
{
    return (puesta ? QCoreApplication::translate("Frases", "Añadido el %1: %2") : QCoreApplication::translate("Frases", "Quitado el %1: %2"))
        .arg(QString::number(digito), Notas(notas));
}

QString EscrituraDirecta(bool activada)
{
    return activada ? QCoreApplication::translate("Frases", "Escritura directa activada")
                    : QCoreApplication::translate("Frases", "Escritura directa desactivada");
}

QString PartidaRecuperada() { return QCoreApplication::translate("Frases", "Partida recuperada"); }

QString PartidaNoRecuperada()
{
    return QCoreApplication::translate("Frases", "No se ha podido recuperar la última partida. Empieza un juego nuevo.");
}

QString CasillaOcupada() { return QCoreApplication::translate("Frases", "Casilla ocupada"); }

QString NotasLlenas(int16_t casillas)
{
    if (casillas == 0) return QCoreApplication::translate("Frases", "Notas en ninguna casilla");
    if (casillas == 1) return QCoreApplication::translate("Frases", "Notas en 1 casilla");
    return QCoreApplication::translate("Frases", "Notas en %1 casillas").arg(casillas);
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
        QT_TRANSLATE_NOOP("Frases", "Una cadena larga se oye por partes: H otra vez, sin cambiar el tablero, dice los"),
        QT_TRANSLATE_NOOP("Frases", "eslabones siguientes, y tras el último la pista entera de nuevo; otra tecla la deja."),
        QT_TRANSLATE_NOOP("Frases", "Las técnicas que nombra, de la más sencilla a la más difícil: lo único que cabe en una"),
        QT_TRANSLATE_NOOP("Frases", "casilla, el único lugar de un número, un número encerrado en una línea o un panel,"),
        QT_TRANSLATE_NOOP("Frases", "parejas y tríos (también ocultos), ala X, pez espada, alas XY y XYZ, rascacielos,"),
        QT_TRANSLATE_NOOP("Frases", "cometa, cadena X, coloreado simple, rectángulo único (tipos 1, 2 y 4) y BUG más uno"),
        QT_TRANSLATE_NOOP("Frases", "(solo cuando hay una sola solución), pares remotos, ala W, cadena XY, dos conjuntos"),
        QT_TRANSLATE_NOOP("Frases", "casi bloqueados, cadena alterna y cadena forzada."),
        QT_TRANSLATE_NOOP("Frases", "  G: dice la dificultad del sudoku: la técnica más difícil que necesita la pista para"),
        QT_TRANSLATE_NOOP("Frases", "resolverlo desde los números dados (una pareja, un ala X...), o si no basta razonar."),
        QT_TRANSLATE_NOOP("Frases", "  I: juega el sudoku copiado en el portapapeles en lugar del juego actual: 81 casillas,"),
        QT_TRANSLATE_NOOP("Frases", "los números del 1 al 9 como datos y 0 o punto para las vacías; lo demás no cuenta."),
        QT_TRANSLATE_NOOP("Frases", "Si no vale, dice por qué y el juego actual sigue."),
        QT_TRANSLATE_NOOP("Frases", "  X: copia el tablero en el portapapeles, en una línea de 81 caracteres: el número de"),
        QT_TRANSLATE_NOOP("Frases", "cada casilla que tiene uno y un punto en las demás."),
        QT_TRANSLATE_NOOP("Frases", "  Desde la terminal, novaro --sudoku seguido del sudoku empieza con ese sudoku."),
        QT_TRANSLATE_NOOP("Frases", "  L: activa y desactiva el modo notas, para apuntar en cada casilla vacía los números"),
        QT_TRANSLATE_NOOP("Frases", "que podrían ir en ella. Al llegar a una casilla con notas se oyen detrás de la casilla."),
        QT_TRANSLATE_NOOP("Frases", "  1 a 9 (fila de arriba o teclado numérico), con el modo notas activado: apunta ese"),
        QT_TRANSLATE_NOOP("Frases", "número en la casilla, o lo quita si ya estaba. Escribir un número en una casilla borra"),
        QT_TRANSLATE_NOOP("Frases", "sus notas y lo quita de las notas de su fila, su columna y su panel; Z deshace las notas."),
        QT_TRANSLATE_NOOP("Frases", "  M: pone en cada casilla vacía las notas de los números que caben en ella."),
        QT_TRANSLATE_NOOP("Frases", "  K: activa y desactiva la escritura directa: con ella activada y el modo notas"),
        QT_TRANSLATE_NOOP("Frases", "desactivado, un número del 1 al 9 se escribe en la casilla con una sola tecla, como"),
        QT_TRANSLATE_NOOP("Frases", "Intro, el número e Intro. Z lo deshace."),
        QT_TRANSLATE_NOOP("Frases", "  B: cambia la dificultad de los juegos nuevos, como el menú Dificultad: Por nivel"),
        QT_TRANSLATE_NOOP("Frases", "(los números dados que marca el menú Niveles), Sencillo (basta mirar qué cabe en cada"),
        QT_TRANSLATE_NOOP("Frases", "casilla y dónde puede ir cada número), Intermedio (un número que en un panel solo puede"),
        QT_TRANSLATE_NOOP("Frases", "ir en una fila o una columna, o al revés), Avanzado (parejas y tríos), Experto (alas X,"),
        QT_TRANSLATE_NOOP("Frases", "peces espada y alas XY y XYZ) o Maestro (las cadenas y demás técnicas que la pista"),
        QT_TRANSLATE_NOOP("Frases", "explica después de las alas). Cada juego nuevo de una dificultad necesita justo ese"),
        QT_TRANSLATE_NOOP("Frases", "razonamiento y se anuncia con ella y con sus números dados."),
        "",
        QT_TRANSLATE_NOOP("Frases", "  El juego recuerda el nivel, el tamaño de letra y los interruptores (F8, F9, O, E,"),
        QT_TRANSLATE_NOOP("Frases", "U, L y K) y la dificultad; guarda la partida en juego tras cada cambio: al volver a abrirlo sigue"),
        QT_TRANSLATE_NOOP("Frases", "donde se dejó y dice \"Partida recuperada\". Desde la terminal, novaro --nueva empieza"),
        QT_TRANSLATE_NOOP("Frases", "un juego nuevo con los valores de siempre."),
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
