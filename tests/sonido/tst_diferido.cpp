// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include "Reproductor.h"

// Whether the library is mapped into this process. A second QLibrary object does not
// see another one's load on every Qt version, the kernel's map does.
static bool Mapeada(const QString& ruta)
{
    QFile mapas(QStringLiteral("/proc/self/maps"));
    if (!mapas.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read /proc/self/maps");
    return mapas.readAll().contains(QFileInfo(ruta).canonicalFilePath().toUtf8());
}

// The game's player opens the sound library only when a sound is first asked for.
class TestDiferido : public QObject {
    Q_OBJECT
private slots:
    void cargaAlPrimerSonido();
};

void TestDiferido::cargaAlPrimerSonido()
{
    const QString ruta = QCoreApplication::applicationDirPath() + "/" NOVARO_BIBLIOTECA_SONIDO;
    QVERIFY(QFile::exists(ruta));
    ReproductorDiferido r(QCoreApplication::applicationDirPath());
    r.PonerArchivo(QFINDTESTDATA("../../resources/CambioTablero.wav"));
    r.Detener();
    QVERIFY(!Mapeada(ruta));
    r.Reproducir();
    QVERIFY(Mapeada(ruta));
    r.Detener();
    r.Pitar();
}

QTEST_MAIN(TestDiferido)
#include "tst_diferido.moc"
