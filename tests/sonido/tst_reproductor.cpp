// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReproductorQt.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The real player in a machine with no sound server: every call must come
// back at once and a bad file must only make the game silent.
class TstReproductor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void archivo_data();
    void archivo();
    void nombrarNoCarga();
    void pitarSinAudio();
    void sonidosDelJuego();

private:
    QTemporaryDir dir_;
    QByteArray cue_;
};

void TstReproductor::initTestCase()
{
    QVERIFY(dir_.isValid());
    QFile real(QFINDTESTDATA("../../resources/CambioTablero.wav"));
    QVERIFY2(real.open(QIODevice::ReadOnly), "resources/CambioTablero.wav is missing");
    cue_ = real.readAll();
    QVERIFY(cue_.size() > 44);
}

void TstReproductor::archivo_data()
{
    QTest::addColumn<QByteArray>("contenido");  // a null array: no file at all
    QTest::addColumn<bool>("falla");

    QByteArray riffBasura("RIFF\xff\xff\x00\x00WAVEjunk\x04\x00\x00\x00junk", 24);
    QByteArray sinDatos = cue_.left(44);
    sinDatos[40] = 0; sinDatos[41] = 0; sinDatos[42] = 0; sinDatos[43] = 0;

    QTest::newRow("no file") << QByteArray() << true;
    QTest::newRow("empty file") << QByteArray("") << true;
    QTest::newRow("a line of text") << QByteArray("no soy un sonido\n") << true;
    QTest::newRow("4000 bytes of one letter") << QByteArray(4000, '\x5a') << true;
    QTest::newRow("header only") << cue_.left(44) << true;
    QTest::newRow("cut in the middle") << cue_.left(cue_.size() / 2) << true;
    QTest::newRow("RIFF without fmt or data") << riffBasura << true;
    QTest::newRow("empty data chunk") << sinDatos << false;
    QTest::newRow("the game's cue") << cue_ << false;
}

// Truncated files are the dangerous ones: left to Qt they load for ever and
// the next sound released (the beep, or the player itself) hangs the game.
void TstReproductor::archivo()
{
    QFETCH(QByteArray, contenido);
    QFETCH(bool, falla);

    const QString ruta = dir_.filePath(QString("%1.wav").arg(QTest::currentDataTag()));
    if (!contenido.isNull()) {
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenido);
    }

    QElapsedTimer reloj;
    reloj.start();
    {
        ReproductorQt r;
        r.PonerArchivo(ruta);
        for (int i = 0; i < 3; ++i) {  // a held arrow key crossing panels
            r.Detener();
            r.Reproducir();
        }
        QVERIFY2(reloj.elapsed() < 150, "a panel crossing waited for the sound");
        r.Pitar();

        QTRY_VERIFY_WITH_TIMEOUT(r.CargaFallida() || r.OndaLista(), 5000);
        QCOMPARE(r.CargaFallida(), falla);
        r.Detener();
        r.Reproducir();
        QCOMPARE(r.CargaFallida(), falla);
        QTRY_VERIFY_WITH_TIMEOUT(r.TonoListo(), 5000);
    }
    QVERIFY2(reloj.elapsed() < 5500, "releasing the sounds blocked");
}

// The file is named at start-up; only the first crossing may load it.
void TstReproductor::nombrarNoCarga()
{
    const QString ruta = dir_.filePath("cue.wav");
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(cue_);
    f.close();

    ReproductorQt r;
    r.PonerArchivo(ruta);
    r.Detener();
    QTest::qWait(200);
    QVERIFY(!r.OndaLista());
    QVERIFY(!r.CargaFallida());

    r.Reproducir();
    QTRY_VERIFY_WITH_TIMEOUT(r.OndaLista(), 5000);

    // Naming a missing file afterwards silences it instead of replaying the old one.
    r.PonerArchivo(dir_.filePath("gone.wav"));
    r.Reproducir();
    QVERIFY(r.CargaFallida());
    QVERIFY(!r.OndaLista());
}

void TstReproductor::pitarSinAudio()
{
    ReproductorQt r;
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < 5; ++i)
        r.Pitar();
    QVERIFY2(reloj.elapsed() < 150, "the beep waited for the sound");
    QTRY_VERIFY_WITH_TIMEOUT(r.TonoListo(), 5000);
    r.Pitar();
    QVERIFY(r.TonoListo());
}

// A held arrow: each run cuts the last, and the last plays to its end.
void TstReproductor::sonidosDelJuego()
{
    ReproductorQt r;
    for (int c = 0; c < 9; ++c)
        r.Sonar({PasoA(4, static_cast<int16_t>(c)), SonidoEn(Sonido::Vacia, static_cast<int16_t>(c))});
    QVERIFY(r.SalidaAbierta());
    QTRY_VERIFY_WITH_TIMEOUT(r.Sonando(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!r.Sonando(), 2000);
    // A key long after: the same stream plays it.
    r.Sonar({PasoA(0, 8)});
    QTRY_VERIFY_WITH_TIMEOUT(r.Sonando(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!r.Sonando(), 2000);
    r.Sonar({});   // nothing to play is no fault
    QVERIFY(!r.Sonando());
}

QTEST_MAIN(TstReproductor)
#include "tst_reproductor.moc"
