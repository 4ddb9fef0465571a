// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include "CasillasPrueba.h"
#include "Consultas.h"
#include "Historial.h"
#include "Notas.h"
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

    // M notes in an empty cell exactly what N says fits it, and nothing in a filled one.
    LlenarNotas(e, c, i);
    QString notas;
    for (int16_t d : DigitosNotados(e.Notas[i])) notas += QString::number(d);
    QCOMPARE(notas, AdmiteNotas(e, c, i) ? respuestas.section(" | ", 0, 0) : QString());
}

void TestConsultas::deshacer_data()
{
    // "i=text", "i=-" erase, "iP" switch the mark, Z undo, N new game, V reveal; "iNd" the
    // digit key d in notes mode, M fill the notes, "iB" Delete, "i~text" typed into the field
    QTest::addColumn<QString>("pasos");
    QTest::addColumn<QString>("deshechos");   // after each Z: "cell:text", "P" if marked, {notes}, or "nada"
    QTest::addColumn<QString>("notas");       // the notes at the end, "cell:digits"

    QTest::newRow("entries, a switch and an erase, back to the start")
        << "0=5 0=7 0P 0=- Z Z Z Z Z" << "0:7P 0:7 0:5 0:- nada" << "";
    QTest::newRow("several cells, newest first") << "0=5 10=3 0=8 Z Z Z" << "0:5 10:- 0:-" << "";
    QTest::newRow("a change that changes nothing is not kept") << "0=- 10=4 10=4 Z Z" << "10:- nada" << "";
    QTest::newRow("a given is never changed nor undone") << "2=5 2P 2=- Z" << "nada" << "";
    QTest::newRow("a new game forgets") << "0=5 N Z" << "nada" << "";
    QTest::newRow("a reveal forgets") << "0=5 V Z" << "nada" << "";

    QTest::newRow("notes on and off, undone a keystroke at a time")
        << "0N3 0N5 0N3 Z Z Z Z" << "0:-{35} 0:-{3} 0:- nada" << "";
    QTest::newRow("a given and a filled cell take no notes") << "2N3 0=4 0N3 Z Z" << "0:- nada" << "";
    QTest::newRow("a text clears the cell's notes, undo gives them back") << "0N3 0N5 0=x Z" << "0:-{35}" << "0:35";
    QTest::newRow("a digit leaves the notes of its row, column and panel")
        << "0N5 0N3 17N5 73N5 40N5 10N5 10=5" << "" << "0:3 40:5";
    QTest::newRow("undoing the digit gives every note back")
        << "0N5 0N3 17N5 73N5 40N5 10N5 10=5 Z" << "10:-{5}" << "0:35 10:5 17:5 40:5 73:5";
    QTest::newRow("typed into the field: the same, and undone")
        << "0N5 17N5 10~5 Z" << "10:-" << "0:5 17:5";
    QTest::newRow("Delete takes an empty cell's notes") << "0B 0N3 0B Z Z Z" << "0:-{3} 0:- nada" << "";
    QTest::newRow("M fills, Z takes it all back") << "0N3 M Z" << "0:-{3}" << "0:3";
    QTest::newRow("a new game forgets the notes") << "0N3 N Z" << "nada" << "";
    QTest::newRow("a reveal forgets the notes") << "0N3 V Z" << "nada" << "";
}

void TestConsultas::deshacer()
{
    QFETCH(QString, pasos);
    QFETCH(QString, deshechos);
    QFETCH(QString, notas);
    EstadoJuego e;
    CasillasPrueba c(e);
    Aleatorio azar(7);
    e.Originales[2] = true;
    c.textos[2] = "9";
    auto digitos = [&](int i) {
        QString t;
        for (int16_t d : DigitosNotados(e.Notas[i])) t += QString::number(d);
        return t;
    };
    QStringList oidos;
    for (const QString& p : pasos.split(' ')) {
        const auto i = static_cast<int16_t>(p.section(QRegularExpression("[=PNB~]"), 0, 0).toInt());
        if (p == "N") NuevaPartida(e, c, azar);
        else if (p == "V") VerSolucion(e, c);
        else if (p == "M") LlenarNotas(e, c, 0);
        else if (p.endsWith('P')) CambiarCasilla(e, c, i, c.textos[i], !e.Provisionales[i]);
        else if (p.endsWith('B')) BorrarCasilla(e, c, i);
        else if (p.contains('N')) CambiarNota(e, c, i, static_cast<int16_t>(p.section('N', 1).toInt()));
        else if (p.contains('~')) {
            const std::string antes = c.textos[i];
            c.textos[i] = p.section('~', 1).toStdString();
            CasillaEditada(e, c, i, antes);
        } else if (p != "Z") CambiarCasilla(e, c, i, p.section('=', 1).toStdString(), !p.endsWith("=-") && e.Provisionales[i]);
        else if (const auto k = Deshacer(e, c))
            oidos << QString::fromStdString(std::to_string(*k) + ":" + c.textos[*k]) + (e.Provisionales[*k] ? "P" : "")
                         + (e.Notas[*k] ? "{" + digitos(*k) + "}" : "");
        else oidos << "nada";
    }
    QCOMPARE(oidos.join(' '), deshechos);
    QStringList quedan;
    for (int i = 0; i < 81; ++i)
        if (e.Notas[i]) quedan << QString::number(i) + ":" + digitos(i);
    QCOMPARE(quedan.join(' '), notas);
    QCOMPARE(c.notas, e.Notas);   // what shows is what is kept
    if (!pasos.contains('N') && !pasos.contains('V')) QCOMPARE(c.textos[2], std::string("9"));
}

QTEST_MAIN(TestConsultas)
#include "tst_consultas.moc"
