#include <QApplication>
#include <QLibrary>
#include <QTest>
#include "Reproductor.h"

// The game's player opens the sound library only when a sound is first asked for.
class TestDiferido : public QObject {
    Q_OBJECT
private slots:
    void cargaAlPrimerSonido();
};

void TestDiferido::cargaAlPrimerSonido()
{
    const QString ruta = QCoreApplication::applicationDirPath() + "/libnovaro_sonido.so";
    QVERIFY(QFile::exists(ruta));
    ReproductorDiferido r(QCoreApplication::applicationDirPath());
    r.PonerArchivo(QFINDTESTDATA("../../resources/CambioTablero.wav"));
    r.Detener();
    QVERIFY(!QLibrary(ruta).isLoaded());
    r.Reproducir();
    QVERIFY(QLibrary(ruta).isLoaded());
    r.Detener();
    r.Pitar();
}

QTEST_MAIN(TestDiferido)
#include "tst_diferido.moc"
