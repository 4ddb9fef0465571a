// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiscoLleno.h"
#include <QtTest>
#include <map>
#include "Ajustes.h"
#include "PartidaEnCurso.h"
#include "Ranuras.h"

namespace {

RegistroPartida Ejemplo()
{
    RegistroPartida r;
    for (int i = 0; i < 81; ++i) {
        r.Solucion[i] = int16_t((i / 9 * 3 + i / 27 + i % 9) % 9 + 1);
        r.Textos[i] = QStringLiteral("-");
        r.Originales[i] = i % 4 == 0;
        r.Provisionales[i] = i % 7 == 0;
    }
    r.Textos[12] = QStringLiteral("1 o 2");
    return r;
}

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Escribir(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The cell fields as plain strings, as the window's would hold them.
class CasillasDePrueba : public Casillas {
public:
    std::string Texto(int16_t indice) const override { return textos[indice]; }
    void PonerTexto(int16_t indice, const std::string& texto) override { textos[indice] = texto; }
    void Bloquear(int16_t, bool) override {}
    void PonerColorTexto(int16_t, Rgb) override {}
    void SeleccionarCasilla(int16_t, bool) override {}
    std::array<std::string, 81> textos;
};


} // namespace

class TstRanuras : public QObject {
    Q_OBJECT
private slots:
    void rutaDeLaRanura();
    void guardarYCargarDevuelveLaPartida();
    void cargarDistingueLosCasos_data();
    void cargarDistingueLosCasos();
    void guardarFallidoConservaLaRanura_data();
    void guardarFallidoConservaLaRanura();
    void ajustes_data();
    void ajustes();
    void partidaEnCurso_data();
    void partidaEnCurso();
};

void TstRanuras::rutaDeLaRanura()
{
    QCOMPARE(RutaRanura(QStringLiteral("/opt/novaro"), 3), QStringLiteral("/opt/novaro/Novaro3.sav"));
}

void TstRanuras::guardarYCargarDevuelveLaPartida()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    EstadoJuego estado;
    estado.SonidoActivo = false;
    CasillasDePrueba casillas;
    const RegistroPartida ejemplo = Ejemplo();
    for (int16_t i = 0; i < 81; ++i) {
        estado.Solucion[i / 9][i % 9] = ejemplo.Solucion[i];
        estado.Originales[i] = ejemplo.Originales[i];
        estado.Provisionales[i] = ejemplo.Provisionales[i];
        casillas.textos[i] = i == 5 ? "ñ \"€\"" : "-";
    }
    const QString ruta = RutaRanura(dir.path(), 4);
    Escribir(ruta, "old content, longer than nothing");

    const ResultadoGuardar guardado = GuardarRanura(ruta, RegistroDe(estado, casillas));
    QVERIFY2(guardado.ok, qPrintable(guardado.motivo));
    QCOMPARE(Leer(ruta), CodificarPartida(RegistroDe(estado, casillas)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Novaro4.sav")});

    const ResultadoCargar carga = CargarRanura(ruta);
    QCOMPARE(carga.estado, EstadoCarga::Cargada);
    EstadoJuego otro;
    otro.SonidoActivo = true;
    CasillasDePrueba otras;
    AplicarRegistro(carga.lectura.registro, otro, otras);
    QCOMPARE(otro.Solucion, estado.Solucion);
    QCOMPARE(otro.Originales, estado.Originales);
    QCOMPARE(otro.Provisionales, estado.Provisionales);
    QCOMPARE(otro.SonidoActivo, false);
    QCOMPARE(otras.textos, casillas.textos);
}

void TstRanuras::cargarDistingueLosCasos_data()
{
    QTest::addColumn<QString>("preparar");
    QTest::addColumn<EstadoCarga>("estado");
    QTest::addColumn<bool>("sonidoLeido");
    QTest::newRow("valid slot") << "valid" << EstadoCarga::Cargada << true;
    QTest::newRow("never written") << "" << EstadoCarga::SinPartida << false;
    QTest::newRow("cut after 40 lines") << "cut" << EstadoCarga::Danada << true;
    QTest::newRow("empty file") << "empty" << EstadoCarga::Danada << false;
    QTest::newRow("a directory by that name") << "directory" << EstadoCarga::Danada << false;
    QTest::newRow("valid but padded past the cap") << "huge" << EstadoCarga::Danada << false;
}

void TstRanuras::cargarDistingueLosCasos()
{
    QFETCH(QString, preparar);
    QFETCH(EstadoCarga, estado);
    QFETCH(bool, sonidoLeido);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ruta = RutaRanura(dir.path(), 7);
    const QByteArray bien = CodificarPartida(Ejemplo());
    if (preparar == "valid")
        Escribir(ruta, bien);
    else if (preparar == "cut")
        Escribir(ruta, bien.left(bien.indexOf("\r\n") + 40 * 26));
    else if (preparar == "empty")
        Escribir(ruta, {});
    else if (preparar == "directory")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Novaro7.sav")));
    else if (preparar == "huge")   // the decoder alone would take trailing blanks
        Escribir(ruta, bien + QByteArray(TamanoMaximoRanura + 1 - bien.size(), '\n'));

    const ResultadoCargar carga = CargarRanura(ruta);
    QCOMPARE(carga.estado, estado);
    QCOMPARE(carga.lectura.ok, estado == EstadoCarga::Cargada);
    QCOMPARE(carga.lectura.sonidoLeido, sonidoLeido);
    if (estado == EstadoCarga::Cargada)
        QVERIFY(carga.lectura.registro == Ejemplo());
}

void TstRanuras::guardarFallidoConservaLaRanura_data()
{
    QTest::addColumn<QString>("caso");
    QTest::newRow("parent is a regular file") << "parent file";
    QTest::newRow("slot path is a directory") << "directory";
    if (DiscoLleno::Posible) QTest::newRow("disk full") << "full";
    QTest::newRow("texts too large to load back") << "too large";
}

void TstRanuras::guardarFallidoConservaLaRanura()
{
    QFETCH(QString, caso);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString ruta = RutaRanura(dir.path(), 1);
    const QByteArray viejo = CodificarPartida(Ejemplo());
    RegistroPartida nuevo = Ejemplo();
    nuevo.Textos[0] = QStringLiteral("nuevo");

    if (caso == "parent file") {
        Escribir(dir.filePath(QStringLiteral("carpeta")), "a file, not a folder");
        ruta = RutaRanura(dir.filePath(QStringLiteral("carpeta")), 1);
    } else if (caso == "directory") {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Novaro1.sav/dentro")));
    } else {
        Escribir(ruta, viejo);
    }
    if (caso == "too large") {
        for (QString& t : nuevo.Textos)
            t = QString(TamanoMaximoRanura / 81 + 1, QLatin1Char('x'));
    }
    const QStringList antes = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    ResultadoGuardar resultado;
    {
        std::optional<DiscoLleno> limite;
        if (caso == "full")
            limite.emplace(viejo.size() / 2);
        resultado = GuardarRanura(ruta, nuevo);
    }
    QVERIFY(!resultado.ok);
    QVERIFY2(resultado.motivo.contains(QStringLiteral("Novaro1.sav")), qPrintable(resultado.motivo));
    // No temporary file is left behind, and what was there still is.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), antes);
    if (caso == "directory")
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("Novaro1.sav/dentro"))).isDir());
    else if (caso != "parent file")
        QCOMPARE(Leer(ruta), viejo);
}

Q_DECLARE_METATYPE(Ajustes)

void TstRanuras::ajustes_data()
{
    QTest::addColumn<QByteArray>("archivo");
    QTest::addColumn<Ajustes>("leidos");
    // Each value alone, away from its default, so two keys can never share one.
    const std::pair<const char*, void (*)(Ajustes&)> cambios[] = {
        {"level 0", [](Ajustes& a) { a.nivel = 0; }},
        {"level 14", [](Ajustes& a) { a.nivel = 14; }},
        {"font size 7", [](Ajustes& a) { a.tamano = 7; }},
        {"F8", [](Ajustes& a) { a.lineaOculta = true; }},
        {"F9", [](Ajustes& a) { a.sonido = false; }},
        {"O", [](Ajustes& a) { a.avisoOriginal = true; }},
        {"E", [](Ajustes& a) { a.avisoRepetido = true; }},
        {"U", [](Ajustes& a) { a.solucionUnica = true; }},
        {"L", [](Ajustes& a) { a.modoNotas = true; }},
        {"K", [](Ajustes& a) { a.escrituraDirecta = true; }},
    };
    Ajustes todos;
    for (const auto& [nombre, cambio] : cambios) {
        Ajustes a;
        cambio(a);
        cambio(todos);
        QTest::newRow(nombre) << CodificarAjustes(a) << a;
    }
    QTest::newRow("everything at once") << CodificarAjustes(todos) << todos;
    Ajustes nivel3;
    nivel3.nivel = 3;
    QTest::newRow("as QSettings writes it, CR LF") << QByteArray("[General]\r\nnivel=3\r\n") << nivel3;
    QTest::newRow("nothing") << QByteArray() << Ajustes{};
    QTest::newRow("out of range, unknown, not a switch")
        << QByteArray("[General]\nnivel=15\ntamano_letra=-1\nsonido=maybe\nnotas=1\ncolor=rojo\n") << Ajustes{};
    QByteArray basura(4096, '\0');
    for (int i = 0; i < basura.size(); ++i) basura[i] = char((i * 7919) % 256);
    QTest::newRow("binary junk") << basura << Ajustes{};
    QTest::newRow("binary junk after a good line") << QByteArray("nivel=3\n") + basura << Ajustes{};
    QTest::newRow("huge") << CodificarAjustes(todos) + QByteArray(TamanoMaximoAjustes, '\n') << Ajustes{};
}

void TstRanuras::ajustes()
{
    QFETCH(QByteArray, archivo);
    QFETCH(Ajustes, leidos);
    QVERIFY(DecodificarAjustes(archivo) == leidos);
    QTemporaryDir dir;
    const QString ruta = dir.filePath("novaro.ini");
    Escribir(ruta, archivo);
    QVERIFY(CargarAjustes(ruta) == leidos);
    // QSettings, as another tool would, reads what the game writes.
    if (leidos != Ajustes{} && !archivo.contains('\r')) {
        QSettings qs(ruta, QSettings::IniFormat);
        QCOMPARE(qs.value("nivel").toInt(), int(leidos.nivel));
        QCOMPARE(qs.value("escritura_directa").toBool(), leidos.escrituraDirecta);
    }
    QVERIFY(CargarAjustes(dir.filePath("nunca/novaro.ini")) == Ajustes{});
    QVERIFY(CargarAjustes(dir.path()) == Ajustes{});   // a folder by that name
}

void TstRanuras::partidaEnCurso_data()
{
    QTest::addColumn<int>("cursor");
    QTest::addColumn<bool>("terminada");
    QTest::addColumn<EstadoEnCurso>("estado");
    QTest::newRow("in play, cursor on the last cell") << 80 << false << EstadoEnCurso::Recuperada;
    QTest::newRow("in play, cursor on the first cell") << 0 << false << EstadoEnCurso::Recuperada;
    QTest::newRow("every cell right") << 40 << true << EstadoEnCurso::Ninguna;
}

void TstRanuras::partidaEnCurso()
{
    QFETCH(int, cursor);
    QFETCH(bool, terminada);
    QFETCH(EstadoEnCurso, estado);
    PartidaEnCurso p{Ejemplo(), int16_t(cursor)};
    p.registro.Notas[3] = 0b101;   // a note survives the trip
    if (terminada)
        for (int i = 0; i < 81; ++i) p.registro.Textos[i] = QString::number(p.registro.Solucion[i]);
    QTemporaryDir dir;
    const QString ruta = RutaPartidaEnCurso(dir.path());
    QVERIFY(EscribirEntero(ruta, CodificarEnCurso(p)).ok);
    const LecturaEnCurso l = CargarEnCurso(ruta);
    QCOMPARE(l.estado, estado);
    if (estado == EstadoEnCurso::Recuperada) QVERIFY(l.partida == p);
    QVERIFY(QFileInfo::exists(ruta));   // only a damaged file is moved aside
    QCOMPARE(CargarEnCurso(dir.filePath("otra/NovaroEnCurso.sav")).estado, EstadoEnCurso::Ninguna);
}

QTEST_APPLESS_MAIN(TstRanuras)
#include "tst_ranuras.moc"
