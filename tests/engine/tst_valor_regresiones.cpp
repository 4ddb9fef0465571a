// SPDX-License-Identifier: GPL-3.0-or-later
// Cell texts the fuzzer (fuzz/fuzz_valor.cpp) has caught, and their neighbours.
#include <QtTest>
#include "Comprobador.h"

namespace {
const int fuera = -99999;   // outside the 16-bit range: the group fails and lists "?"

QByteArray Repetir(char c, int veces) { return QByteArray(veces, c); }
} // namespace

class TestValorRegresiones : public QObject {
    Q_OBJECT
private slots:
    void valor_data();
    void valor();
};

void TestValorRegresiones::valor_data()
{
    QTest::addColumn<QByteArray>("texto");
    QTest::addColumn<int>("valor");

    // Too large for a double although the exponent is negative: still far out of range.
    QTest::newRow("1e400 written as 1000...e-1") << "1" + Repetir('0', 400) + "e-1" << fuera;
    QTest::newRow("1e400 with an empty exponent sign") << "1" + Repetir('0', 400) + "e-" << fuera;
    QTest::newRow("long mantissa brought back by the exponent") << "1" + Repetir('0', 400) + "e-398" << 100;
    // Too small for a double without any exponent: that is zero, not out of range.
    QTest::newRow("below the smallest double") << "0." + Repetir('0', 323) + "2" << 0;
    QTest::newRow("far below the smallest double") << "0." + Repetir('0', 400) + "1" << 0;
    QTest::newRow("smallest double") << "0." + Repetir('0', 323) + "5" << 0;
    QTest::newRow("tiny mantissa lifted by the exponent") << "0." + Repetir('0', 400) + "1e402" << 10;
    QTest::newRow("tiny with a positive exponent still tiny") << "0." + Repetir('0', 400) + "1e+5" << 0;
    QTest::newRow("just above the largest double") << "1" + Repetir('0', 309) << fuera;
    QTest::newRow("halfway at the top of the range") << QByteArray("32767.5") << fuera;
    QTest::newRow("halfway at the bottom of the range") << QByteArray("-32768.5") << -32768;
}

void TestValorRegresiones::valor()
{
    QFETCH(QByteArray, texto);
    QFETCH(int, valor);
    const auto v = ValorCasilla(std::string_view(texto.constData(), size_t(texto.size())));
    QCOMPARE(v ? int(*v) : fuera, valor);
}

QTEST_APPLESS_MAIN(TestValorRegresiones)
#include "tst_valor_regresiones.moc"
