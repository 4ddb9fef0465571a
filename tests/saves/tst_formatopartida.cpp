// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include "Archivos.h"
#include "FormatoPartida.h"
#include "Windows1252.h"

namespace {

// A solved board that is not symmetric, so a transposed read shows.
int16_t Digito(int fila, int columna) { return int16_t(((fila % 3) * 3 + fila / 3 + columna) % 9 + 1); }

RegistroPartida Ejemplo()
{
    RegistroPartida r;
    r.SonidoActivo = false;
    for (int i = 0; i < 81; ++i) {
        r.Solucion[i] = Digito(i / 9, i % 9);
        r.Textos[i] = "-";
    }
    r.Originales[0] = true;
    r.Textos[0] = "1";
    r.Provisionales[1] = true;
    r.Textos[1] = "1 o 2";
    r.Originales[9] = true;
    r.Textos[9] = "4";
    r.Textos[40] = "di \"hola\"";
    r.Textos[80] = "ñá€";
    return r;
}

// The example with notes in a few empty cells, and the lines that carry them.
RegistroPartida ConNotas()
{
    RegistroPartida r = Ejemplo();
    r.Notas[2] = 0b000010100;   // 3 and 5
    r.Notas[41] = 0x1FF;
    r.Notas[79] = 0b100000001;  // 1 and 9
    return r;
}

const QByteArray lineasDeNotas = "#NOTAS#\r\n,,35,,,,,,\r\n,,,,,,,,\r\n,,,,,,,,\r\n,,,,,,,,\r\n,,,,,123456789,,,\r\n"
                                 ",,,,,,,,\r\n,,,,,,,,\r\n,,,,,,,,\r\n,,,,,,,19,\r\n";

QList<QByteArray> Lineas(const QByteArray& archivo)
{
    QList<QByteArray> lineas = archivo.split('\n');
    for (QByteArray& l : lineas)
        l.chop(l.endsWith('\r') ? 1 : 0);
    return lineas;
}

QByteArray Juntar(const QList<QByteArray>& lineas)
{
    return lineas.join("\r\n") + "\r\n";
}

} // namespace

class TstFormatoPartida : public QObject {
    Q_OBJECT
private slots:
    void codificaLineas_data();
    void codificaLineas();
    void vaYVuelveConTextos_data();
    void vaYVuelveConTextos();
    void letrasFilaAFilaSeLeenTraspuestas();
    void rechazaArchivosDanados_data();
    void rechazaArchivosDanados();
    void aceptaVariantesDeFinal_data();
    void aceptaVariantesDeFinal();
    void notas_data();
    void notas();
    void notasTrasLasLineasDeSiempre();
    void windows1252_data();
    void windows1252();
    void windows1252TodosLosBytesVuelven();
};

void TstFormatoPartida::codificaLineas_data()
{
    QTest::addColumn<int>("linea");
    QTest::addColumn<QByteArray>("esperada");
    QTest::newRow("1: sound off") << 1 << QByteArray("#FALSE#");
    QTest::newRow("2: given 1 at the top left") << 2 << QByteArray("\"B\",#TRUE#,#FALSE#,\"1\"");
    QTest::newRow("3: letter of cell 9, the rest of cell 1")
        << 3 << QByteArray("\"E\",#FALSE#,#TRUE#,\"1 o 2\"");
    QTest::newRow("10: letter of cell 72") << 10 << QByteArray("\"J\",#FALSE#,#FALSE#,\"-\"");
    QTest::newRow("11: letter of cell 1, the rest of cell 9")
        << 11 << QByteArray("\"C\",#TRUE#,#FALSE#,\"4\"");
    QTest::newRow("42: quotes doubled") << 42 << QByteArray("\"J\",#FALSE#,#FALSE#,\"di \"\"hola\"\"\"");
    QTest::newRow("82: accents and euro in Windows-1252")
        << 82 << QByteArray("\"I\",#FALSE#,#FALSE#,\"\xF1\xE1\x80\"");
}

void TstFormatoPartida::codificaLineas()
{
    QFETCH(int, linea);
    QFETCH(QByteArray, esperada);
    const QByteArray archivo = Bytes(CodificarPartida(Ejemplo()));
    QCOMPARE(archivo.count("\r\n"), 82);   // every line ends in CRLF, and no CR or LF stands alone
    QCOMPARE(archivo.count('\r') + archivo.count('\n'), 2 * 82);
    QVERIFY(archivo.endsWith("\"\r\n"));
    QCOMPARE(archivo.split('\n').at(linea - 1), esperada + "\r");
}

void TstFormatoPartida::vaYVuelveConTextos_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("empty cell") << QStringLiteral("-");
    QTest::newRow("free text") << QStringLiteral("1 o 2");
    QTest::newRow("nothing") << QString();
    QTest::newRow("long") << QString(5000, QLatin1Char('x'));
    QTest::newRow("accents and euro") << QStringLiteral("ñá€Ÿ™");
    QTest::newRow("one quote") << QStringLiteral("\"");
    QTest::newRow("two quotes") << QStringLiteral("\"\"");
    QTest::newRow("quoted words") << QStringLiteral("di \"hola\", luego");
    QTest::newRow("ends in quote and comma") << QStringLiteral("a\",");
    QTest::newRow("commas") << QStringLiteral(",1,,2,");
    QTest::newRow("line ends inside") << QStringLiteral("a\r\nb\nc\r");
    QTest::newRow("looks like a flag") << QStringLiteral("#TRUE#");
    QTest::newRow("blanks around") << QStringLiteral("  7 \t");
}

void TstFormatoPartida::vaYVuelveConTextos()
{
    QFETCH(QString, texto);
    RegistroPartida r = Ejemplo();
    r.SonidoActivo = true;
    r.Textos[40] = texto.toStdString();
    r.Textos[80] = texto.toStdString();   // the last item, right before the end of the file
    r.Provisionales[80] = true;
    const LecturaPartida l = DecodificarPartida(CodificarPartida(r));
    QVERIFY(l.ok);
    QVERIFY(l.sonidoLeido && l.sonido);
    QCOMPARE(DeUtf8(l.registro.Textos[40]), texto);
    QCOMPARE(DeUtf8(l.registro.Textos[80]), texto);
    QVERIFY(l.registro == r);
}

void TstFormatoPartida::letrasFilaAFilaSeLeenTraspuestas()
{
    // Letters placed row by row, as a careless writer would.
    QByteArray archivo = "#TRUE#\r\n";
    for (int k = 0; k < 81; ++k)
        archivo += "\"" + QByteArray(1, char('A' + Digito(k / 9, k % 9))) + "\",#FALSE#,#FALSE#,\"-\"\r\n";
    const LecturaPartida l = DecodificarPartida(VerBytes(archivo));
    QVERIFY(l.ok);
    for (int fila = 0; fila < 9; ++fila) {
        for (int columna = 0; columna < 9; ++columna)
            QCOMPARE(l.registro.Solucion[fila * 9 + columna], Digito(columna, fila));
    }
}

void TstFormatoPartida::rechazaArchivosDanados_data()
{
    QTest::addColumn<QByteArray>("archivo");
    QTest::addColumn<bool>("sonidoLeido");
    QTest::addColumn<bool>("sonido");

    RegistroPartida conSonido = Ejemplo();
    conSonido.SonidoActivo = true;
    const QList<QByteArray> bien = Lineas(Bytes(CodificarPartida(conSonido)));
    const auto conLinea = [&](int linea, const QByteArray& texto) {
        QList<QByteArray> l = bien.mid(0, 82);
        l[linea - 1] = texto;
        return Juntar(l);
    };
    QByteArray basura;
    for (int i = 0; i < 4096; ++i)
        basura += char((i * 37) % 256);

    QTest::newRow("empty") << QByteArray() << false << false;
    QTest::newRow("binary junk") << basura << false << false;
    QTest::newRow("one huge line") << QByteArray(2'000'000, 'x') << false << false;
    QTest::newRow("huge line after the flag") << "#TRUE#\r\n" + QByteArray(2'000'000, 'x') << true << true;
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + Juntar(bien.mid(0, 82)) << false << false;
    QTest::newRow("flag in lower case") << conLinea(1, "#true#") << false << false;
    QTest::newRow("only line 1") << QByteArray("#FALSE#\r\n") << true << false;
    QTest::newRow("cut after 40 lines") << Juntar(bien.mid(0, 40)) << true << true;
    QTest::newRow("last text missing") << Juntar(bien.mid(0, 81)) + "\"I\",#FALSE#,#FALSE#" << true << true;
    QTest::newRow("last quote missing") << Juntar(bien.mid(0, 81)) + "\"I\",#FALSE#,#FALSE#,\"-" << true << true;
    QTest::newRow("letter A (digit 0)") << conLinea(5, "\"A\",#FALSE#,#FALSE#,\"-\"") << true << true;
    QTest::newRow("letter K (digit 10)") << conLinea(5, "\"K\",#FALSE#,#FALSE#,\"-\"") << true << true;
    QTest::newRow("letter in lower case") << conLinea(5, "\"b\",#FALSE#,#FALSE#,\"-\"") << true << true;
    QTest::newRow("empty letter") << conLinea(5, "\"\",#FALSE#,#FALSE#,\"-\"") << true << true;
    QTest::newRow("two letters") << conLinea(5, "\"BC\",#FALSE#,#FALSE#,\"-\"") << true << true;
    QTest::newRow("letter without quotes") << conLinea(5, "B,#FALSE#,#FALSE#,\"-\"") << true << true;
    QTest::newRow("flag #MAYBE#") << conLinea(5, "\"B\",#MAYBE#,#FALSE#,\"-\"") << true << true;
    QTest::newRow("flag as number") << conLinea(5, "\"B\",#FALSE#,-1,\"-\"") << true << true;
    QTest::newRow("flag in quotes") << conLinea(5, "\"B\",\"#TRUE#\",#FALSE#,\"-\"") << true << true;
    QTest::newRow("text without quotes") << conLinea(5, "\"B\",#FALSE#,#FALSE#,-") << true << true;
    QTest::newRow("lone quote inside text") << conLinea(5, "\"B\",#FALSE#,#FALSE#,\"a\"b\"") << true << true;
    QTest::newRow("blank before an item") << conLinea(5, "\"B\", #FALSE#,#FALSE#,\"-\"") << true << true;
    QTest::newRow("short record") << conLinea(5, "\"B\",#FALSE#,\"-\"") << true << true;
    QTest::newRow("empty line between records") << conLinea(5, "\r\n" + bien.at(4)) << true << true;
    QTest::newRow("a 326th item") << Juntar(bien.mid(0, 82)) + "\"B\"\r\n" << true << true;
    QTest::newRow("comma after the last item") << Juntar(bien.mid(0, 82)).chopped(2) + "," << true << true;
}

void TstFormatoPartida::rechazaArchivosDanados()
{
    QFETCH(QByteArray, archivo);
    QFETCH(bool, sonidoLeido);
    QFETCH(bool, sonido);
    const LecturaPartida l = DecodificarPartida(VerBytes(archivo));
    QVERIFY(!l.ok);
    QCOMPARE(l.sonidoLeido, sonidoLeido);
    if (sonidoLeido)
        QCOMPARE(l.sonido, sonido);
}

void TstFormatoPartida::aceptaVariantesDeFinal_data()
{
    QTest::addColumn<QByteArray>("archivo");
    const QByteArray bien = Bytes(CodificarPartida(Ejemplo()));
    QTest::newRow("as written") << bien;
    QTest::newRow("no final line end") << bien.chopped(2);
    QTest::newRow("blank lines and spaces after") << bien + "\r\n\r\n  \t\n";
    QTest::newRow("LF line ends") << QByteArray(bien).replace("\r\n", "\n");
    QTest::newRow("CR line ends") << QByteArray(bien).replace("\r\n", "\r");
    QTest::newRow("all on one line") << QByteArray(bien).replace("\r\n", ",").chopped(1);
}

void TstFormatoPartida::aceptaVariantesDeFinal()
{
    QFETCH(QByteArray, archivo);
    const LecturaPartida l = DecodificarPartida(VerBytes(archivo));
    QVERIFY(l.ok);
    QVERIFY(l.registro == Ejemplo());
}

void TstFormatoPartida::notas_data()
{
    QTest::addColumn<QByteArray>("archivo");
    QTest::addColumn<bool>("danadas");   // the board loads, the notes do not
    const QByteArray tablero = Bytes(CodificarPartida(Ejemplo()));
    QByteArray basura(4096, '\0');
    for (int i = 0; i < basura.size(); ++i) basura[i] = char((i * 7919) % 256);
    const auto cambiada = [](QByteArray a, const QByteArray& de, const QByteArray& a2) { return a.replace(de, a2); };

    QTest::newRow("as written") << Bytes(CodificarPartida(ConNotas())) << false;
    QTest::newRow("LF line ends") << tablero + QByteArray(lineasDeNotas).replace("\r\n", "\n") << false;
    QTest::newRow("CR line ends") << tablero + QByteArray(lineasDeNotas).replace("\r\n", "\r") << false;
    QTest::newRow("no final line end") << tablero + lineasDeNotas.chopped(2) << false;
    QTest::newRow("blank lines and blanks around") << tablero + "\r\n  \r\n" + cambiada(lineasDeNotas, ",35,", ", 53 ,") + "\r\n \r\n"
                                                   << false;
    QTest::newRow("cut after the mark") << tablero + "#NOTAS#\r\n" << true;
    QTest::newRow("cut inside the mark") << tablero + "#NO" << true;
    QTest::newRow("cut in the fifth row") << tablero + lineasDeNotas.left(lineasDeNotas.indexOf("1234")) << true;
    QTest::newRow("a digit 0") << tablero + cambiada(lineasDeNotas, "35", "305") << true;
    QTest::newRow("a letter") << tablero + cambiada(lineasDeNotas, "35", "3x") << true;
    QTest::newRow("a tenth item in a row") << tablero + cambiada(lineasDeNotas, ",,35,,,,,,", ",,35,,,,,,,") << true;
    QTest::newRow("a tenth row") << tablero + lineasDeNotas + ",,,,,,,,\r\n" << true;
    QTest::newRow("another mark") << tablero + cambiada(lineasDeNotas, "#NOTAS#", "#NOTES#") << true;
    QTest::newRow("binary junk after the mark") << tablero + "#NOTAS#\r\n" + basura << true;
}

// Notes come back as saved, or, damaged, are dropped while the board loads whole.
void TstFormatoPartida::notas()
{
    QFETCH(QByteArray, archivo);
    QFETCH(bool, danadas);
    const LecturaPartida l = DecodificarPartida(VerBytes(archivo));
    QVERIFY(l.ok);
    QCOMPARE(l.notasDanadas, danadas);
    QVERIFY(l.registro == (danadas ? Ejemplo() : ConNotas()));
}

// The designed 82 lines come first, unchanged, so a reader of those alone finds the
// same board; a game without notes is those 82 lines and nothing else.
void TstFormatoPartida::notasTrasLasLineasDeSiempre()
{
    const QByteArray sinNotas = Bytes(CodificarPartida(Ejemplo())), conNotas = Bytes(CodificarPartida(ConNotas()));
    QCOMPARE(conNotas, sinNotas + lineasDeNotas);
    QCOMPARE(Lineas(conNotas).mid(0, 82), Lineas(sinNotas).mid(0, 82));
    const LecturaPartida designadas = DecodificarPartida(VerBytes(Juntar(Lineas(conNotas).mid(0, 82))));
    QVERIFY(designadas.ok && !designadas.notasDanadas);
    QVERIFY(designadas.registro == Ejemplo());
}

void TstFormatoPartida::windows1252_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Az 09-") << QByteArray("Az 09-");
    QTest::newRow("euro, first of 0x80") << QStringLiteral("€") << QByteArray("\x80");
    QTest::newRow("Y diaeresis, last of 0x80") << QStringLiteral("Ÿ") << QByteArray("\x9F");
    QTest::newRow("unassigned byte kept") << QStringLiteral("\u0081\u009D") << QByteArray("\x81\x9D");
    QTest::newRow("C1 control with no place in the set") << QStringLiteral("\u0080") << QByteArray("?");
    QTest::newRow("outside the set") << QStringLiteral("漢Ω") << QByteArray("??");
    QTest::newRow("astral: one mark") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QLatin1Char('x') << QByteArray("?x");
}

void TstFormatoPartida::windows1252()
{
    QFETCH(QString, texto);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Bytes(A1252(texto.toStdString())), bytes);
}

void TstFormatoPartida::windows1252TodosLosBytesVuelven()
{
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos += char(b);
    const QString texto = DeUtf8(De1252(VerBytes(todos)));
    QCOMPARE(texto.size(), 256);
    QCOMPARE(texto.at(0x80), QChar(0x20AC));
    QCOMPARE(texto.at(0xE9), QChar(0xE9));
    QCOMPARE(Bytes(A1252(texto.toStdString())), todos);
}

QTEST_APPLESS_MAIN(TstFormatoPartida)
#include "tst_formatopartida.moc"
