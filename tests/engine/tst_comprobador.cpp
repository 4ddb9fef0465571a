// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include "CasillasPrueba.h"
#include "Comprobador.h"
#include "Generador.h"
#include "Partida.h"
#include "Revelar.h"

namespace {
// A solved board unlike the one dealt below: the check must not care.
const std::string resuelto =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

std::optional<int> Valor(const char* texto)
{
    const auto v = ValorCasilla(texto);
    return v ? std::optional<int>(*v) : std::nullopt;
}
} // namespace

class TestComprobador : public QObject {
    Q_OBJECT
private slots:
    void valorCasilla_data();
    void valorCasilla();
    void mensajes_data();
    void mensajes();
    void partidaRecienRepartida();
    void grupoSumaYRepeticion_data();
    void grupoSumaYRepeticion();
    void revelarEscribeLaSolucion();
};

void TestComprobador::valorCasilla_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("valor");   // -99999: outside the 16-bit range
    const int fuera = -99999;
    QTest::newRow("digito") << "7" << 7;
    QTest::newRow("guion") << "-" << 0;
    QTest::newRow("vacio") << "" << 0;
    QTest::newRow("el primero cuenta") << "1 o 2" << 1;
    QTest::newRow("blancos se quitan") << "1 2" << 12;
    QTest::newRow("blancos alrededor") << " 7 " << 7;
    QTest::newRow("tab y salto") << "\t5\n" << 5;
    QTest::newRow("negativo") << "-3" << -3;
    QTest::newRow("signo mas") << "+4" << 4;
    QTest::newRow("media a par abajo") << "8.5" << 8;
    QTest::newRow("media a par arriba") << "9.5" << 10;
    QTest::newRow("redondeo") << "0.6" << 1;
    QTest::newRow("punto inicial") << ".5" << 0;
    QTest::newRow("punto final") << "5." << 5;
    QTest::newRow("hexadecimal") << "&H9" << 9;
    QTest::newRow("hexadecimal minusculas") << "&hff" << 255;
    QTest::newRow("octal") << "&O17" << 15;
    QTest::newRow("exponente") << "1E1" << 10;
    QTest::newRow("exponente D") << "25d-1" << 2;
    QTest::newRow("exponente sin digitos") << "3E" << 3;
    QTest::newRow("letras") << "abc" << 0;
    QTest::newRow("letras tras numero") << "4x" << 4;
    QTest::newRow("fuera de rango") << "99999" << fuera;
    QTest::newRow("limite alto") << "32767" << 32767;
    QTest::newRow("limite bajo") << "-32768" << -32768;
    QTest::newRow("exponente enorme") << "1E400" << fuera;
    QTest::newRow("exponente muy negativo") << "1E-400" << 0;
    QTest::newRow("muchos digitos") << "123456789012345678901234567890" << fuera;
    QTest::newRow("hexadecimal enorme") << "&HFFFFFFFFFFFFFFFF" << fuera;
    QTest::newRow("coma decimal no cuenta") << "8,5" << 8;
}

void TestComprobador::valorCasilla()
{
    QFETCH(QString, texto);
    QFETCH(int, valor);
    const auto v = Valor(texto.toUtf8().constData());
    QCOMPARE(v.value_or(-99999), valor);
}

void TestComprobador::mensajes_data()
{
    QTest::addColumn<QString>("tablero");
    QTest::addColumn<QString>("mensaje");
    auto cambiar = [](std::string t, int i, char c) { t[i] = c; return QString::fromStdString(t); };
    QTest::newRow("resuelto") << QString::fromStdString(resuelto)
                              << "Muchísimas felicidades. ha demostrado usted una  gran inteligencia ";
    QTest::newRow("hueco en la segunda columna") << cambiar(resuelto, 10, '-')
                              << "Datos incorrectos en la columna 2(208169347)";
    // Swapping two cells of one row keeps the rows right but breaks two columns: the first is named.
    std::string filaMal = resuelto;
    std::swap(filaMal[0], filaMal[1]);
    QTest::newRow("columna antes que fila") << QString::fromStdString(filaMal)
                              << "Datos incorrectos en la columna 1(247238569)";
    // Every row and column right, panels wrong: the first panel, listed column by column.
    const std::string latino =
        "123456789234567891345678912456789123567891234678912345789123456891234567912345678";
    QTest::newRow("solo fallan los paneles") << QString::fromStdString(latino)
                              << "Datos incorrectos en un tablero  (123234345)";
}

void TestComprobador::mensajes()
{
    QFETCH(QString, tablero);
    QFETCH(QString, mensaje);
    EstadoJuego e;
    CasillasPrueba c(e);
    c.Poner(tablero.toStdString());
    QCOMPARE(QString::fromStdString(Comprobar(e, c)), mensaje);
    QCOMPARE(QString::fromStdString(Comprobar(e, c)), mensaje);   // a second run says the same
}

void TestComprobador::partidaRecienRepartida()
{
    EstadoJuego e;
    e.Nivel = 7;
    CasillasPrueba c(e);
    Aleatorio a(1234);
    NuevaPartida(e, c, a);
    int columna = 0;
    while ([&] { for (int r = 0; r < 9; ++r) if (c.textos[r * 9 + columna] == "-") return false; return true; }())
        ++columna;
    std::string listado;
    for (int r = 0; r < 9; ++r) {
        const auto& t = c.textos[r * 9 + columna];
        listado += t == "-" ? "0" : t;
    }
    QCOMPARE(QString::fromStdString(Comprobar(e, c)),
             QString("Datos incorrectos en la columna %1(%2)").arg(columna + 1).arg(QString::fromStdString(listado)));
}

void TestComprobador::grupoSumaYRepeticion_data()
{
    QTest::addColumn<QString>("fila");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("suma 44") << "1 2 3 4 5 5 7 8 9" << "Datos incorrectos en la columna 6(";
    QTest::newRow("suma 45 con repetidos") << "1 2 3 5 5 5 7 8 9" << "Datos incorrectos en la columna 4(";
    QTest::newRow("negativo en el listado") << "-3 2 3 4 5 6 7 8 9" << "Datos incorrectos en la columna 1(-3";
    QTest::newRow("fuera de rango") << "99999 2 3 4 5 6 7 8 9" << "Datos incorrectos en la columna 1(?";
}

void TestComprobador::grupoSumaYRepeticion()
{
    QFETCH(QString, fila);
    QFETCH(QString, mensaje);
    EstadoJuego e;
    CasillasPrueba c(e);
    c.Poner(resuelto);
    const QStringList valores = fila.split(' ');
    for (int k = 0; k < 9; ++k) c.textos[k] = valores[k].toStdString();
    QVERIFY2(QString::fromStdString(Comprobar(e, c)).startsWith(mensaje),
             qPrintable(QString::fromStdString(Comprobar(e, c))));
}

void TestComprobador::revelarEscribeLaSolucion()
{
    EstadoJuego e;
    CasillasPrueba c(e);
    Aleatorio a(9);
    e.Nivel = 3;
    NuevaPartida(e, c, a);
    c.textos[5] = "1 o 2";
    e.Provisionales[5] = e.Provisionales[40] = true;
    e.AvisoOriginal = true;
    const auto originales = e.Originales;
    VerSolucion(e, c);
    VerSolucion(e, c);
    for (int i = 0; i < 81; ++i) {
        QCOMPARE(c.textos[i], std::string(1, char('0' + e.Solucion[i / 9][i % 9])));
        QVERIFY(!e.Provisionales[i]);
    }
    QCOMPARE(e.Originales, originales);
    QVERIFY(!e.AvisoOriginal);
    QCOMPARE(QString::fromStdString(Comprobar(e, c)),
             QString("Muchísimas felicidades. ha demostrado usted una  gran inteligencia "));
}

QTEST_APPLESS_MAIN(TestComprobador)
#include "tst_comprobador.moc"
