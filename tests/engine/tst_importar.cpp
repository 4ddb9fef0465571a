// SPDX-License-Identifier: GPL-3.0-or-later
#include <QRandomGenerator>
#include <QtTest>
#include "Importar.h"
#include "SudokusPrueba.h"

namespace {

std::string Tal(const QString& s) { return s.toStdString(); }

// The easy puzzle in nine lines of nine, 0 for an empty cell.
QString NueveLineas(const QString& linea, const QString& fin = "\n")
{
    QString t;
    for (int f = 0; f < 9; ++f) t += QString(linea.mid(f * 9, 9)).replace('.', '0') + fin;
    return t;
}

// As puzzle sites print it: a frame of '+', '-' and '|', a blank between cells.
QString ConMarco(const QString& linea)
{
    const QString raya = "+-------+-------+-------+\n";
    QString t = raya;
    for (int f = 0; f < 9; ++f) {
        for (int c = 0; c < 9; ++c) t += QString(c % 3 == 0 ? "| " : "") + linea[f * 9 + c] + ' ';
        t += "|\n";
        if (f % 3 == 2) t += raya;
    }
    return t;
}

// As qqwing prints a puzzle it generates.
QString ComoQqwing(const QString& linea)
{
    QString t;
    for (int f = 0; f < 9; ++f) {
        for (int c = 0; c < 9; ++c) t += QString(c == 3 || c == 6 ? " |" : "") + ' ' + linea[f * 9 + c];
        t += " \n";
        if (f == 2 || f == 5) t += "-------|-------|-------\n";
    }
    return t;
}

QString Con(QString linea, int celda, char digito)
{
    linea[celda] = QLatin1Char(digito);
    return linea;
}

bool SolucionCompleta(const SudokuLeido& s)
{
    for (const auto& grupo : GruposDeCasillas()) {
        unsigned vistos = 0;
        for (int8_t i : grupo) vistos |= 1u << s.solucion[i];
        if (vistos != 0x3FE) return false;
    }
    for (int i = 0; i < 81; ++i)
        if (s.dados[i] && s.dados[i] != s.solucion[i]) return false;
    return true;
}

} // namespace

class TestImportar : public QObject {
    Q_OBJECT
private slots:
    void leer_data();
    void leer();
    void textosEnormes_data();
    void textosEnormes();
};

void TestImportar::leer_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("rechazo");
    QTest::addColumn<int>("casillas");
    QTest::addColumn<int>("digito");   // Repetido: the digit and its first group, as "Fila 1"
    QTest::addColumn<QString>("grupo");
    QTest::addColumn<int>("dados");

    const QString facil = SudokuFacil;
    const auto ok = int(Rechazo::Ninguno);
    QTest::newRow("one line of 81") << facil << ok << 81 << 0 << "" << 30;
    QTest::newRow("nine lines of nine, 0 for empty") << NueveLineas(facil) << ok << 81 << 0 << "" << 30;
    QTest::newRow("nine lines with CR LF") << NueveLineas(facil, "\r\n") << ok << 81 << 0 << "" << 30;
    QTest::newRow("framed as puzzle sites print") << ConMarco(facil) << ok << 81 << 0 << "" << 30;
    QTest::newRow("as qqwing prints") << ComoQqwing(facil) << ok << 81 << 0 << "" << 30;
    QTest::newRow("words and accents around it") << "Sudoku del día (fácil): " + facil + " ¡Suerte!" << ok << 81 << 0 << "" << 30;
    QTest::newRow("17 givens, one solution") << QString(Sudoku17) << ok << 81 << 0 << "" << 17;

    const auto casillas = int(Rechazo::Casillas);
    QTest::newRow("nothing") << "" << casillas << 0 << 0 << "" << 0;
    QTest::newRow("letters only") << "no es un sudoku" << casillas << 0 << 0 << "" << 0;
    QTest::newRow("one cell") << "Nivel 5" << casillas << 1 << 0 << "" << 0;
    QTest::newRow("a row short") << facil.left(72) << casillas << 72 << 0 << "" << 0;
    QTest::newRow("one cell more") << facil + "." << casillas << CasillasDeMas << 0 << "" << 0;
    QTest::newRow("blanks for empty cells do not count") << QString(facil).replace('.', ' ') << casillas << 30 << 0 << "" << 0;

    const auto repetido = int(Rechazo::Repetido);
    QTest::newRow("a 5 twice in row 1") << Con(facil, 2, '5') << repetido << 81 << 5 << "Fila 1" << 0;
    QTest::newRow("a 5 twice in column 1") << Con(facil, 54, '5') << repetido << 81 << 5 << "Columna 1" << 0;
    QTest::newRow("a 3 twice in the top left panel") << Con(facil, 11, '3') << repetido << 81 << 3 << "Panel 1" << 0;

    // A digit that fits the cell but is not its solution's leaves no solution.
    QTest::newRow("no solution") << Con(facil, 2, '1') << int(Rechazo::SinSolucion) << 81 << 0 << "" << 0;
    QTest::newRow("an empty board") << QString(81, '0') << int(Rechazo::VariasSoluciones) << 81 << 0 << "" << 0;
    QTest::newRow("16 of the 17 givens") << Con(Sudoku17, 7, '.') << int(Rechazo::VariasSoluciones) << 81 << 0 << "" << 0;
}

void TestImportar::leer()
{
    QFETCH(QString, texto);
    QFETCH(int, rechazo);
    QFETCH(int, casillas);
    QFETCH(int, digito);
    QFETCH(QString, grupo);
    QFETCH(int, dados);
    const SudokuLeido s = LeerSudoku(Tal(texto));
    QCOMPARE(int(s.rechazo), rechazo);
    QCOMPARE(s.casillas, casillas);
    if (s.rechazo == Rechazo::Repetido) {
        static const char* const tipos[] = {"Fila", "Columna", "Panel"};
        QCOMPARE(int(s.digito), digito);
        QCOMPARE(QString("%1 %2").arg(tipos[int(s.grupo.tipo)]).arg(s.grupo.numero + 1), grupo);
    }
    if (s.rechazo != Rechazo::Ninguno) return;
    QCOMPARE(s.Dados(), dados);
    QVERIFY(SolucionCompleta(s));
    if (dados == 30) {
        QString solucion;
        for (int8_t d : s.solucion) solucion += QChar('0' + d);
        QCOMPARE(solucion, QString(SolucionFacil));
    }
}

// Whatever lands on the clipboard is answered at once: counting stops past a board.
void TestImportar::textosEnormes_data()
{
    QTest::addColumn<QByteArray>("texto");
    QTest::addColumn<int>("rechazo");
    QTest::addColumn<int>("casillas");

    constexpr int megabyte = 1 << 20;
    const auto casillas = int(Rechazo::Casillas);
    QTest::newRow("a megabyte of digits") << QByteArray(megabyte, '7') << casillas << CasillasDeMas;
    QTest::newRow("a megabyte of letters") << QByteArray(megabyte, 'x') << casillas << 0;
    QTest::newRow("a puzzle in a megabyte of letters")
        << QByteArray(megabyte / 2, 'x') + SudokuFacil + QByteArray(megabyte / 2, 'x') << int(Rechazo::Ninguno) << 81;
    QByteArray binario(megabyte, '\0');
    QRandomGenerator azar(27);
    for (char& b : binario) b = static_cast<char>(azar.bounded(256));
    QTest::newRow("a megabyte of binary data") << binario << casillas << CasillasDeMas;
    QTest::newRow("zero bytes among the cells") << QByteArray(SudokuFacil).replace('.', QByteArray(1, '\0'))
        << casillas << 30;
}

void TestImportar::textosEnormes()
{
    QFETCH(QByteArray, texto);
    QFETCH(int, rechazo);
    QFETCH(int, casillas);
    const SudokuLeido s = LeerSudoku(std::string_view(texto.constData(), size_t(texto.size())));
    QCOMPARE(int(s.rechazo), rechazo);
    QCOMPARE(s.casillas, casillas);
}

QTEST_APPLESS_MAIN(TestImportar)
#include "tst_importar.moc"
