// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include "CasillasPrueba.h"
#include "Consultas.h"
#include "Historial.h"
#include "Partida.h"
#include "Revelar.h"

namespace {
const QString resuelto = "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
const QString vacio(81, '-');

QString Sin(QString t, std::initializer_list<int> vacias)
{
    for (int i : vacias) t[i] = '-';
    return t;
}
} // namespace

class TestConsultas : public QObject {
    Q_OBJECT
private slots:
    void consultas_data();
    void consultas();
    void deshacer_data();
    void deshacer();
};

void TestConsultas::consultas_data()
{
    QTest::addColumn<QString>("tablero");
    QTest::addColumn<QString>("textos");   // "cell=text;..." written over the board
    QTest::addColumn<int>("indice");
    // Candidates | empty in row, column, panel, board | repeated in | missing of 1..9 | next empty
    QTest::addColumn<QString>("respuestas");

    QTest::newRow("empty board") << vacio << "" << 40 << "123456789 | 9 9 9 81 |  | 999999999 | 41";
    QTest::newRow("full board: a digit fits where it stands") << resuelto << "" << 0 << "1 | 0 0 0 0 |  | 000000000 | -1";
    QTest::newRow("one hole, wrapping to itself") << Sin(resuelto, {40}) << "" << 40 << "9 | 1 1 1 1 |  | 000000001 | 40";
    QTest::newRow("holes elsewhere") << Sin(resuelto, {0, 10, 80}) << "" << 8 << "9 | 1 1 0 3 |  | 110010000 | 10";
    QTest::newRow("texts that are not one digit") << vacio << "1=1 o 2;2= 5 ;3=12;4=;9=7" << 0
        << "12345689 | 5 8 6 76 |  | 999999899 | 5";
    QTest::newRow("repeated in the row") << vacio << "0=5;8=5" << 0 << "12346789 | 7 8 8 79 | fila | 999979999 | 1";
    QTest::newRow("repeated in the column") << vacio << "0=5;72=5" << 72 << "12346789 | 8 7 8 79 | columna | 999979999 | 73";
    QTest::newRow("repeated in the panel") << vacio << "0=5;20=5" << 20 << "12346789 | 8 8 7 79 | panel | 999979999 | 21";
    QTest::newRow("81 sevens: never below none missing") << QString(81, '7') << "" << 30
        << "12345689 | 0 0 0 0 | fila columna panel | 999999099 | -1";
}

void TestConsultas::consultas()
{
    QFETCH(QString, tablero);
    QFETCH(QString, textos);
    QFETCH(int, indice);
    QFETCH(QString, respuestas);
    EstadoJuego e;
    CasillasPrueba c(e);
    c.Poner(tablero.toStdString());
    for (const QString& t : textos.split(';', Qt::SkipEmptyParts))
        c.textos[t.section('=', 0, 0).toInt()] = t.section('=', 1).toStdString();
    const auto i = static_cast<int16_t>(indice);

    QString caben, faltan;
    for (int16_t d : Candidatos(c, i)) caben += QString::number(d);
    const auto f = Faltan(c);
    for (int d = 1; d <= 9; ++d) faltan += QString::number(f[d]);
    const Vacias v = ContarVacias(c, i);
    const Repeticion r = Repetido(c, i);
    const QString repetido = QStringList({r.fila ? "fila" : "", r.columna ? "columna" : "", r.panel ? "panel" : ""})
                                 .filter(QRegularExpression(".")).join(' ');
    QCOMPARE(QStringLiteral("%1 | %2 %3 %4 %5 | %6 | %7 | %8").arg(caben).arg(v.fila).arg(v.columna).arg(v.panel)
                 .arg(v.tablero).arg(repetido, faltan).arg(SiguienteVacia(c, i).value_or(-1)),
             respuestas);
}

void TestConsultas::deshacer_data()
{
    QTest::addColumn<QString>("pasos");       // "i=text", "i=-" erase, "iP" switch the mark, Z undo, N new game, V reveal
    QTest::addColumn<QString>("deshechos");   // after each Z: "cell:text", "P" if marked, or "nada"

    QTest::newRow("entries, a switch and an erase, back to the start")
        << "0=5 0=7 0P 0=- Z Z Z Z Z" << "0:7P 0:7 0:5 0:- nada";
    QTest::newRow("several cells, newest first") << "0=5 10=3 0=8 Z Z Z" << "0:5 10:- 0:-";
    QTest::newRow("a change that changes nothing is not kept") << "0=- 10=4 10=4 Z Z" << "10:- nada";
    QTest::newRow("a given is never changed nor undone") << "2=5 2P 2=- Z" << "nada";
    QTest::newRow("a new game forgets") << "0=5 N Z" << "nada";
    QTest::newRow("a reveal forgets") << "0=5 V Z" << "nada";
}

void TestConsultas::deshacer()
{
    QFETCH(QString, pasos);
    QFETCH(QString, deshechos);
    EstadoJuego e;
    CasillasPrueba c(e);
    Aleatorio azar(7);
    e.Originales[2] = true;
    c.textos[2] = "9";
    QStringList oidos;
    for (const QString& p : pasos.split(' ')) {
        const auto i = static_cast<int16_t>(p.section(QRegularExpression("[=P]"), 0, 0).toInt());
        if (p == "N") NuevaPartida(e, c, azar);
        else if (p == "V") VerSolucion(e, c);
        else if (p.endsWith('P')) CambiarCasilla(e, c, i, c.textos[i], !e.Provisionales[i]);
        else if (p != "Z") CambiarCasilla(e, c, i, p.section('=', 1).toStdString(), !p.endsWith("=-") && e.Provisionales[i]);
        else if (const auto k = Deshacer(e, c))
            oidos << QString::fromStdString(std::to_string(*k) + ":" + c.textos[*k]) + (e.Provisionales[*k] ? "P" : "");
        else oidos << "nada";
    }
    QCOMPARE(oidos.join(' '), deshechos);
    if (!pasos.contains('N') && !pasos.contains('V')) QCOMPARE(c.textos[2], std::string("9"));
}

QTEST_MAIN(TestConsultas)
#include "tst_consultas.moc"
