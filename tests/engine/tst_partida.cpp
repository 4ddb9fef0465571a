// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <array>
#include <set>
#include "Calificacion.h"
#include "CasillasPrueba.h"
#include "Consultas.h"
#include "Comprobador.h"
#include "Historial.h"
#include "Notas.h"
#include "Partida.h"
#include "Pista.h"
#include "SolucionesPrueba.h"

namespace {

int PanelDe(int i) { return (i % 9) / 3 * 3 + (i / 9) / 3; }   // stack by stack, band by band

struct Reparto {
    EstadoJuego e;
    CasillasPrueba casillas{e};
    Aleatorio azar;
    explicit Reparto(uint64_t semilla, int nivel) : azar(semilla) { e.Nivel = static_cast<int16_t>(nivel); }
    void Repartir()
    {
        casillas.escritas.clear();
        NuevaPartida(e, casillas, azar);
    }
};

} // namespace

class TestPartida : public QObject {
    Q_OBJECT
private slots:
    void repartoEnTodosLosNiveles_data();
    void repartoEnTodosLosNiveles();
    void primeraPasadaYReinicio();
    void nadaSobreviveDeLaPartidaAnterior();
    void mismaSemillaMismasPartidas();
    void pistasHastaElFinal_data();
    void pistasHastaElFinal();
    void sinSolucion_data();
    void sinSolucion();
};

void TestPartida::repartoEnTodosLosNiveles_data()
{
    QTest::addColumn<bool>("unica");
    QTest::addColumn<int>("semillas");
    QTest::newRow("designed deal") << false << 300;
    QTest::newRow("one-solution deal") << true << 200;
}

// Every level and thousands of seeds: the count, and what a given looks like.
void TestPartida::repartoEnTodosLosNiveles()
{
    QFETCH(bool, unica);
    QFETCH(int, semillas);
    for (int nivel = 0; nivel < 15; ++nivel) {
        for (uint64_t semilla = 0; semilla < uint64_t(semillas); ++semilla) {
            Reparto r(semilla * 15 + nivel, nivel);
            r.e.SolucionUnica = unica;
            r.Repartir();
            const auto& c = r.casillas;
            int dados = 0;
            std::set<int> filas, columnas, paneles;
            for (int i = 0; i < 81; ++i) {
                const bool dado = r.e.Originales[i];
                QVERIFY(!r.e.Provisionales[i]);
                QVERIFY(!c.seleccionadas[i]);
                QCOMPARE(c.bloqueadas[i], dado);
                if (dado) {
                    ++dados;
                    filas.insert(i / 9);
                    columnas.insert(i % 9);
                    paneles.insert(PanelDe(i));
                    QCOMPARE(c.textos[i], std::string(1, char('0' + r.e.Solucion[i / 9][i % 9])));
                    QCOMPARE(c.colores[i], Rojo);
                } else {
                    QCOMPARE(c.textos[i], std::string("-"));
                    QCOMPARE(c.colores[i], Negro);
                }
            }
            QCOMPARE(dados, nivel + 27);
            QCOMPARE(int(filas.size()), 9);
            QCOMPARE(int(columnas.size()), 9);
            QCOMPARE(int(paneles.size()), 9);
            if (!unica) continue;
            std::array<int, 81> t{};
            for (int i = 0; i < 81; ++i) t[i] = r.e.Originales[i] ? r.e.Solucion[i / 9][i % 9] : 0;
            QCOMPARE(Soluciones(t), 1);
            // and reasoning finishes it
            QVERIFY(Calificar(DadosDe(r.e)) < Calificacion::Probando);
        }
    }
}

// The first 18 givens hold each digit twice, two per panel, or after a restart
// three in stack 0 band 1 and one in the last panel; no top-up lands in row or column 8.
void TestPartida::primeraPasadaYReinicio()
{
    int reinicios = 0;
    for (uint64_t semilla = 0; semilla < 4000; ++semilla) {
        Reparto r(semilla, 7);
        r.Repartir();
        const auto& escritas = r.casillas.escritas;
        QCOMPARE(int(escritas.size()), 34);

        int usos[10] = {}, porPanel[9] = {};
        bool columna[9] = {}, fila[9] = {};
        for (int k = 0; k < 18; ++k) {
            const int i = escritas[k];
            ++usos[r.e.Solucion[i / 9][i % 9]];
            ++porPanel[PanelDe(i)];
            columna[i % 9] = fila[i / 9] = true;
        }
        for (int d = 1; d <= 9; ++d) QCOMPARE(usos[d], 2);
        const bool reinicio = porPanel[1] == 3;
        reinicios += reinicio;
        for (int p = 0; p < 9; ++p) {
            int esperado = 2;
            if (reinicio && p == 1) esperado = 3;
            if (reinicio && p == 8) esperado = 1;
            QCOMPARE(porPanel[p], esperado);
        }
        // Columns, then rows, that the first pass left empty get one each, in order.
        size_t k = 18;
        for (int c = 0; c < 9; ++c)
            if (!columna[c]) {
                const int i = escritas[k++];
                QCOMPARE(i % 9, c);
                fila[i / 9] = true;
            }
        for (int f = 0; f < 9; ++f)
            if (!fila[f]) QCOMPARE(escritas[k++] / 9, f);
        for (; k < escritas.size(); ++k) {
            QVERIFY(escritas[k] / 9 < 8);
            QVERIFY(escritas[k] % 9 < 8);
        }
    }
    // About one deal in five needs the restart.
    QVERIFY2(reinicios > 400 && reinicios < 1600, qPrintable(QString::number(reinicios)));
}

void TestPartida::nadaSobreviveDeLaPartidaAnterior()
{
    Reparto r(42, 7);
    r.Repartir();
    for (int i = 0; i < 81; ++i) {
        if (!r.e.Originales[i]) r.casillas.textos[i] = "1 o 2";
        r.e.Provisionales[i] = true;
    }
    r.e.Nivel = 0;   // read when the next game is dealt
    r.Repartir();
    int dados = 0;
    for (int i = 0; i < 81; ++i) {
        QVERIFY(!r.e.Provisionales[i]);
        dados += r.e.Originales[i];
        if (!r.e.Originales[i]) QCOMPARE(r.casillas.textos[i], std::string("-"));
    }
    QCOMPARE(dados, 27);
}

void TestPartida::mismaSemillaMismasPartidas()
{
    Reparto a(0, 7), b(0, 7);
    for (int partida = 0; partida < 5; ++partida) {
        a.Repartir();
        b.Repartir();
        QCOMPARE(FilasDe(a.e), FilasDe(b.e));
        QCOMPARE(a.casillas.textos, b.casillas.textos);
        QVERIFY(TableroValido(a.e));
    }
}

void TestPartida::pistasHastaElFinal_data()
{
    QTest::addColumn<int>("nivel");
    QTest::addColumn<bool>("unica");
    QTest::addColumn<int>("partidas");
    QTest::newRow("27 givens") << 0 << true << 100;
    QTest::newRow("34 givens") << 7 << true << 40;
    QTest::newRow("41 givens") << 14 << true << 40;
    QTest::newRow("designed deal, 27 givens: several solutions") << 0 << false << 40;
}

// Writing what each hint names finishes a one-solution deal; every digit named is
// the solution's, found by reasoning, never by trying the digits, and a hint never
// writes on its own. On a designed deal the steps
// run out with several solutions left, and the answer says so.
void TestPartida::pistasHastaElFinal()
{
    QFETCH(int, nivel);
    QFETCH(bool, unica);
    QFETCH(int, partidas);
    int eliminaciones = 0, probando = 0;
    for (uint64_t semilla = 0; semilla < uint64_t(partidas); ++semilla) {
        Reparto r(semilla, nivel);
        r.e.SolucionUnica = unica;
        r.Repartir();
        if (unica) {
            std::array<int, 81> dados{};
            for (int i = 0; i < 81; ++i) dados[i] = r.e.Originales[i] ? r.e.Solucion[i / 9][i % 9] : 0;
            QCOMPARE(Soluciones(dados), 1);
        }
        for (int vacias = 81 - (nivel + 27); vacias >= 0; --vacias) {
            const auto antes = r.casillas.textos;
            // Notes in every empty cell, as M leaves them, change nothing the hint or the checker says.
            EstadoJuego sinNotas = r.e;
            LlenarNotas(r.e, r.casillas, r.e.CasillaActual);
            QCOMPARE(Comprobar(r.e, r.casillas), Comprobar(sinNotas, r.casillas));
            const Pista p = CalcularPista(r.e, r.casillas);
            const Pista q = CalcularPista(sinNotas, r.casillas);
            QCOMPARE(int(p.tipo), int(q.tipo));
            QCOMPARE(p.paso.celda, q.paso.celda);
            QCOMPARE(p.paso.digito, q.paso.digito);
            QCOMPARE(p.celda, q.celda);
            QCOMPARE(r.casillas.textos, antes);
            std::array<int, 81> t{};
            for (int i = 0; i < 81; ++i) t[i] = antes[i] == "-" ? 0 : antes[i][0] - '0';
            if (vacias == 0) {
                QCOMPARE(int(p.tipo), int(TipoPista::Terminado));
                break;
            }
            if (p.tipo == TipoPista::VariasSoluciones) {
                QVERIFY(!unica);
                QCOMPARE(Soluciones(t), 2);
                int menos = 10;
                for (int i = 0; i < 81; ++i) {
                    int caben = 0;
                    for (int d = 1; d <= 9 && !t[i]; ++d) caben += Cabe(t, i, d);
                    if (!t[i]) menos = std::min(menos, caben);
                    if (i == p.celda) QCOMPARE(int(p.caben), caben);
                }
                QCOMPARE(int(p.caben), menos);
                QCOMPARE(int(p.Destino()), int(p.celda));
                break;
            }
            QVERIFY2(p.tipo == TipoPista::Paso || (!unica && p.tipo == TipoPista::Probando), qPrintable(QString::number(int(p.tipo))));
            const int i = p.paso.celda;
            QCOMPARE(t[i], 0);
            // Forced in every solution: the solution's digit on a deal of one
            // solution; otherwise the other digits leave none.
            if (unica) QCOMPARE(int(p.paso.digito), int(r.e.Solucion[i / 9][i % 9]));
            QVERIFY(r.e.Notas[i] & BitNota(p.paso.digito));   // M never leaves out a forced digit
            for (int d = 1; d <= 9 && !unica; ++d) {
                if (d == p.paso.digito || !Cabe(t, i, d)) continue;
                t[i] = d;
                QCOMPARE(Soluciones(t, 1), 0);
            }
            eliminaciones += !p.paso.porque.empty();
            probando += p.tipo == TipoPista::Probando;
            r.casillas.textos[i] = std::to_string(p.paso.digito);
            r.e.CasillaActual = static_cast<int16_t>(i);
            QVERIFY(unica || vacias > 1);   // several solutions never come down to one
        }
    }
    qInfo("%d hints needed an elimination, %d had to try the digits", eliminaciones, probando);
}

void TestPartida::sinSolucion_data()
{
    // The player's digits in the order written, into the first empty cells of a
    // one-solution deal taken from the last one back: r right, w wrong but
    // allowed by the rules, x the digit of a given in the same row.
    QTest::addColumn<QString>("escritos");
    QTest::addColumn<int>("nombrado");   // which of them the answer names
    QTest::addColumn<bool>("yDespues");
    QTest::newRow("a wrong digit") << "w" << 0 << false;
    QTest::newRow("a right digit written after the wrong one") << "w r" << 0 << false;
    QTest::newRow("a right digit written before the wrong one") << "r w" << 1 << false;
    QTest::newRow("a digit that breaks the rules") << "r x r" << 1 << false;
    QTest::newRow("two wrong digits: the older, with what came after") << "w r w" << 0 << true;
}

// The answer names the newest of the player's digits whose removal leaves a
// solution, by the order of the undo history, not by the place on the board.
void TestPartida::sinSolucion()
{
    QFETCH(QString, escritos);
    QFETCH(int, nombrado);
    QFETCH(bool, yDespues);
    for (uint64_t semilla = 0; semilla < 20; ++semilla) {
        Reparto r(semilla, 7);
        r.e.SolucionUnica = true;
        r.Repartir();
        const QStringList tipos = escritos.split(' ');
        std::vector<int16_t> celdas;
        for (int16_t i = 80; i >= 0 && celdas.size() < size_t(tipos.size()); --i) {
            const QString tipo = tipos[int(celdas.size())];
            const std::vector<int16_t> caben = Candidatos(r.casillas, i);
            if (r.e.Originales[i] || (tipo == "w" && caben.size() < 2)) continue;
            const int16_t correcto = r.e.Solucion[i / 9][i % 9];
            int16_t d = correcto;
            if (tipo == "w") d = caben[0] != correcto ? caben[0] : caben[1];
            if (tipo == "x")
                for (int k = i / 9 * 9; k < i / 9 * 9 + 9; ++k)
                    if (r.e.Originales[k]) d = DigitoDe(r.casillas.textos[k]);
            celdas.push_back(i);
            CambiarCasilla(r.e, r.casillas, i, std::to_string(d), false);
            if (tipo == "x") QVERIFY(Repetido(r.casillas, i).fila);
            LlenarNotas(r.e, r.casillas, i);   // notes in the history between the digits name nothing
        }
        QCOMPARE(int(celdas.size()), int(tipos.size()));
        const Pista p = CalcularPista(r.e, r.casillas);
        QCOMPARE(int(p.tipo), int(TipoPista::SinSolucion));
        QCOMPARE(int(p.celda), int(celdas[nombrado]));
        QCOMPARE(p.digito, DigitoDe(r.casillas.textos[p.celda]));
        QCOMPARE(p.yDespues, yDespues);
        QCOMPARE(int(p.Destino()), int(p.celda));
    }
}

QTEST_APPLESS_MAIN(TestPartida)
#include "tst_partida.moc"
