// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <cmath>
#include "CasillasPrueba.h"
#include "Generador.h"
#include "Calificacion.h"
#include "Minimos.h"
#include "PorDificultad.h"
#include "SolucionesPrueba.h"

namespace {
const float casiUno = std::nextafter(1.0f, 0.0f);
}

class TestGenerador : public QObject {
    Q_OBJECT
private slots:
    void azarNuncaSaleDelRango_data();
    void azarNuncaSaleDelRango();
    void mismaSemillaMismaSecuencia();
    void tablerosConFuenteConstante_data();
    void tablerosConFuenteConstante();
    void barajarSiempreDaUnTableroValido();
    void intercambiosCiclicos();
    void cursorVuelveAlOrigen();
    void minimosDeVerdad();
    void porDificultad_data();
    void porDificultad();
};

void TestGenerador::azarNuncaSaleDelRango_data()
{
    QTest::addColumn<float>("extraccion");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("esperado");
    QTest::newRow("cero") << 0.0f << 9 << 0;
    QTest::newRow("casi uno, 3") << casiUno << 3 << 2;
    QTest::newRow("casi uno, 9") << casiUno << 9 << 8;
    QTest::newRow("mitad de 8") << 0.5f << 8 << 4;
    QTest::newRow("una fuente rota que da 1") << 1.0f << 9 << 8;
    QTest::newRow("una fuente rota que da negativo") << -0.5f << 9 << 0;
}

void TestGenerador::azarNuncaSaleDelRango()
{
    QFETCH(float, extraccion);
    QFETCH(int, n);
    QFETCH(int, esperado);
    FuenteFija f({extraccion});
    QCOMPARE(int(Azar(f, static_cast<int16_t>(n))), esperado);
}

void TestGenerador::mismaSemillaMismaSecuencia()
{
    for (uint64_t semilla : {0ull, 1ull, 80063ull}) {   // 0 and the clock's largest, 59 * 59 * 23
        Aleatorio a(semilla), b(semilla);
        for (int k = 0; k < 10000; ++k) {
            const float x = a.Sacar();
            QCOMPARE(x, b.Sacar());
            QVERIFY(x >= 0.0f && x < 1.0f);
        }
    }
    Aleatorio a(1), b(2);
    bool distinta = false;
    for (int k = 0; k < 10 && !distinta; ++k) distinta = a.Sacar() != b.Sacar();
    QVERIFY(distinta);
}

void TestGenerador::tablerosConFuenteConstante_data()
{
    QTest::addColumn<float>("valor");
    QTest::addColumn<bool>("soloGenerar");
    QTest::addColumn<QString>("filas");
    QTest::newRow("siempre 0, sin barajar") << 0.0f << true
        << "123456789456789123789123456234567891567891234891234567345678912678912345912345678";
    QTest::newRow("siempre 0, barajado") << 0.0f << false
        << "546879123213546789879213456957381264624957831381624597735168942168492375492735618";
    QTest::newRow("casi 1, barajado") << casiUno << false
        << "123987456456321789789654123648513972315279648972846315861735294294168537537492861";
}

void TestGenerador::tablerosConFuenteConstante()
{
    QFETCH(float, valor);
    QFETCH(bool, soloGenerar);
    QFETCH(QString, filas);
    EstadoJuego e;
    FuenteFija f({valor});
    GenerarSolucion(e, f);
    if (!soloGenerar) Barajar(e, f);
    QCOMPARE(QString::fromStdString(FilasDe(e)), filas);
    QCOMPARE(f.siguiente, soloGenerar ? size_t(9) : size_t(49));
}

void TestGenerador::barajarSiempreDaUnTableroValido()
{
    for (uint64_t semilla = 0; semilla < 5000; ++semilla) {
        EstadoJuego e;
        Aleatorio a(semilla);
        GenerarSolucion(e, a);
        Barajar(e, a);
        QVERIFY2(TableroValido(e), qPrintable(QString::number(semilla)));
    }
}

void TestGenerador::intercambiosCiclicos()
{
    EstadoJuego e;
    FuenteFija f({0.0f});
    GenerarSolucion(e, f);
    const auto antes = e.Solucion;
    IntercambiarLineas(e, 0, 2);   // row 2 trades with row 0, not row 3
    QCOMPARE(e.Solucion[0], antes[2]);
    QCOMPARE(e.Solucion[2], antes[0]);
    QCOMPARE(e.Solucion[3], antes[3]);
    e.Solucion = antes;
    IntercambiarBloques(e, 1, 2);  // stack 2 trades with stack 0
    for (int f2 = 0; f2 < 9; ++f2)
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(e.Solucion[f2][k], antes[f2][6 + k]);
            QCOMPARE(e.Solucion[f2][6 + k], antes[f2][k]);
            QCOMPARE(e.Solucion[f2][3 + k], antes[f2][3 + k]);
        }
}

void TestGenerador::cursorVuelveAlOrigen()
{
    EstadoJuego e;
    e.FilaActual = 5;
    e.ColumnaActual = 7;
    e.CasillaActual = 52;
    Aleatorio a(3);
    GenerarSolucion(e, a);
    QCOMPARE(e.FilaActual, int16_t(0));
    QCOMPARE(e.ColumnaActual, int16_t(0));
    QCOMPARE(e.CasillaActual, int16_t(0));
}

// Checked by the tests' own solver: one solution, the drawn board, and not one
// given that could go.
void TestGenerador::minimosDeVerdad()
{
    Aleatorio azar(2026);
    for (int n = 0; n < 3; ++n) {
        const Digitos solucion = SolucionAlAzar(azar);
        const Digitos dados = Cavar(solucion, azar);
        std::array<int, 81> t{};
        for (int i = 0; i < 81; ++i) {
            QVERIFY(solucion[i] >= 1 && solucion[i] <= 9);
            QVERIFY(dados[i] == 0 || dados[i] == solucion[i]);
            t[i] = dados[i];
        }
        std::array<int, 81> lleno{};
        for (int i = 0; i < 81; ++i) lleno[i] = solucion[i];
        for (int i = 0; i < 81; ++i) {
            lleno[i] = 0;
            QVERIFY(Cabe(lleno, i, solucion[i]));
            lleno[i] = solucion[i];
        }
        QCOMPARE(Soluciones(t), 1);
        for (int i = 0; i < 81; ++i) {
            if (!t[i]) continue;
            const int d = t[i];
            t[i] = 0;
            QVERIFY2(Soluciones(t) == 2, qPrintable(QString("given %1 could go").arg(i)));
            t[i] = d;
        }
    }
    Aleatorio a(7), b(7);
    QCOMPARE(SudokuMinimo(a), SudokuMinimo(b));
}

Q_DECLARE_METATYPE(Dificultad)

void TestGenerador::porDificultad_data()
{
    QTest::addColumn<Dificultad>("dificultad");
    QTest::addColumn<Calificacion>("desde");   // the easiest grade of the kind
    QTest::newRow("Sencillo") << Dificultad::Sencillo << Calificacion::Sencillos;
    QTest::newRow("Intermedio") << Dificultad::Intermedio << Calificacion::EnUnaLinea;
    QTest::newRow("Avanzado") << Dificultad::Avanzado << Calificacion::Pareja;
    QTest::newRow("Experto") << Dificultad::Experto << Calificacion::AlaX;
    QTest::newRow("Maestro") << Dificultad::Maestro << Calificacion::Rascacielos;
}

// Each deal graded its kind exactly, with one solution by the tests' own solver,
// and the kind's edges where the grades say.
void TestGenerador::porDificultad()
{
    QFETCH(Dificultad, dificultad);
    QFETCH(Calificacion, desde);
    QCOMPARE(DificultadDe(desde), dificultad);
    QVERIFY(DificultadDe(static_cast<Calificacion>(int(desde) - 1)) != dificultad || int(desde) == 0);
    QCOMPARE(DificultadDe(TechoDe(dificultad)), dificultad);
    QCOMPARE(DificultadDe(Calificacion::Probando), Dificultad::PorNivel);
    Aleatorio azar(uint64_t(dificultad) * 101);
    for (int n = 0; n < 3; ++n) {
        const SudokuHecho h = HacerSudoku(dificultad, azar);
        const Calificacion c = Calificar(h.dados);
        QVERIFY(h.exacto);
        QVERIFY2(c >= desde && c <= TechoDe(dificultad), qPrintable(QString("grade %1").arg(int(c))));
        // Graded without the counter and no further than a ceiling: the same grade, or
        // "needs more" under a lower one.
        QCOMPARE(CalificarUnica(h.dados, TechoDe(dificultad)), c);
        QCOMPARE(CalificarUnica(h.dados, Calificacion::Probando), c);
        if (int(desde) > 0) QCOMPARE(CalificarUnica(h.dados, static_cast<Calificacion>(int(desde) - 1)), Calificacion::Probando);
        std::array<int, 81> t{};
        for (int i = 0; i < 81; ++i) {
            QVERIFY(h.dados[i] == 0 || h.dados[i] == h.solucion[i]);
            t[i] = h.dados[i];
        }
        QCOMPARE(Soluciones(t), 1);
    }
}

QTEST_APPLESS_MAIN(TestGenerador)
#include "tst_generador.moc"
