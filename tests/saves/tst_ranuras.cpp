// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiscoLleno.h"
#include <QtTest>
#include <map>
#include <optional>
#include "Ajustes.h"
#include "PartidaEnCurso.h"
#include "Calificacion.h"
#include "Carpetas.h"
#include "Preparados.h"
#include "Ranuras.h"

namespace {

RegistroPartida Ejemplo()
{
    RegistroPartida r;
    for (int i = 0; i < 81; ++i) {
        r.Solucion[i] = int16_t((i / 9 * 3 + i / 27 + i % 9) % 9 + 1);
        r.Textos[i] = "-";
        r.Originales[i] = i % 4 == 0;
        r.Provisionales[i] = i % 7 == 0;
    }
    r.Textos[12] = "1 o 2";
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
    void carpetasDelJugadorComoQt_data();
    void carpetasDelJugadorComoQt();
    void guardarYCargarDevuelveLaPartida();
    void cargarDistingueLosCasos_data();
    void cargarDistingueLosCasos();
    void guardarFallidoConservaLaRanura_data();
    void guardarFallidoConservaLaRanura();
    void ajustes_data();
    void ajustes();
    void partidaEnCurso_data();
    void partidaEnCurso();
    void preparados_data();
    void preparados();
    void preparadosDanadosSeRehacen();
};

void TstRanuras::rutaDeLaRanura()
{
    QCOMPARE(RutaRanura(QStringLiteral("/opt/novaro"), 3), QStringLiteral("/opt/novaro/Novaro3.sav"));
}

void TstRanuras::carpetasDelJugadorComoQt_data()
{
    QTest::addColumn<QByteArray>("datos");    // XDG_DATA_HOME
    QTest::addColumn<QByteArray>("config");   // XDG_CONFIG_HOME
    QTest::addColumn<QByteArray>("home");
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray("/home/ana");
    QTest::newRow("both set") << QByteArray("/d") << QByteArray("/c") << QByteArray("/home/ana");
    QTest::newRow("final slashes") << QByteArray("/d/") << QByteArray("/c/") << QByteArray("/home/ana/");
    QTest::newRow("relative") << QByteArray("rel/d") << QByteArray("rel/c") << QByteArray("/home/ana");
    QTest::newRow("untidy home") << QByteArray() << QByteArray() << QByteArray("/home//ana/./x/..");
    QTest::newRow("accented home") << QByteArray() << QByteArray() << QByteArray("/home/jos\xC3\xA9");
    QTest::newRow("home is the root") << QByteArray() << QByteArray() << QByteArray("/");
    QTest::newRow("no home") << QByteArray() << QByteArray() << QByteArray();
}

// A front end without Qt finds the player's files where the installed desktop game keeps them.
void TstRanuras::carpetasDelJugadorComoQt()
{
#ifndef Q_OS_LINUX
    QSKIP("the XDG folders are Linux's");
#else
    QFETCH(QByteArray, datos);
    QFETCH(QByteArray, config);
    QFETCH(QByteArray, home);
    const char* nombres[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"};
    const QByteArray valores[] = {datos, config, home};
    std::optional<QByteArray> antes[3];
    for (int i = 0; i < 3; ++i) {
        if (qEnvironmentVariableIsSet(nombres[i])) antes[i] = qgetenv(nombres[i]);
        qputenv(nombres[i], valores[i]);
    }
    QCoreApplication::setApplicationName(DeUtf8(NombreDelJuego));
    const QString partidas = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString ajustes = RutaAjustesDelJugador();
    for (int i = 0; i < 3; ++i) {
        if (antes[i]) qputenv(nombres[i], *antes[i]);
        else qunsetenv(nombres[i]);
    }
    if (!datos.isEmpty() && !datos.startsWith('/') && !partidas.startsWith(QLatin1Char('/')))
        QSKIP("this Qt takes a relative XDG folder as it stands; the XDG rules and newer Qt ignore it");
    QCOMPARE(DeUtf8(CarpetaPartidasXdg(VerBytes(datos), VerBytes(home))), partidas);
    QCOMPARE(DeUtf8(RutaAjustesXdg(VerBytes(config), VerBytes(home))), ajustes);
#endif
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
    QCOMPARE(Leer(ruta), Bytes(CodificarPartida(RegistroDe(estado, casillas))));
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
    const QByteArray bien = Bytes(CodificarPartida(Ejemplo()));
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
    const QByteArray viejo = Bytes(CodificarPartida(Ejemplo()));
    RegistroPartida nuevo = Ejemplo();
    nuevo.Textos[0] = "nuevo";

    if (caso == "parent file") {
        Escribir(dir.filePath(QStringLiteral("carpeta")), "a file, not a folder");
        ruta = RutaRanura(dir.filePath(QStringLiteral("carpeta")), 1);
    } else if (caso == "directory") {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Novaro1.sav/dentro")));
    } else {
        Escribir(ruta, viejo);
    }
    if (caso == "too large") {
        for (std::string& t : nuevo.Textos)
            t = std::string(TamanoMaximoRanura / 81 + 1, 'x');
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
        {"Maestro", [](Ajustes& a) { a.dificultad = 5; }},
    };
    Ajustes todos;
    for (const auto& [nombre, cambio] : cambios) {
        Ajustes a;
        cambio(a);
        cambio(todos);
        QTest::newRow(nombre) << Bytes(CodificarAjustes(a)) << a;
    }
    QTest::newRow("everything at once") << Bytes(CodificarAjustes(todos)) << todos;
    Ajustes nivel3;
    nivel3.nivel = 3;
    QTest::newRow("as QSettings writes it, CR LF") << QByteArray("[General]\r\nnivel=3\r\n") << nivel3;
    QTest::newRow("nothing") << QByteArray() << Ajustes{};
    QTest::newRow("out of range, unknown, not a switch")
        << QByteArray("[General]\nnivel=15\ntamano_letra=-1\nsonido=maybe\nnotas=1\ncolor=rojo\ndificultad=6\n") << Ajustes{};
    QByteArray basura(4096, '\0');
    for (int i = 0; i < basura.size(); ++i) basura[i] = char((i * 7919) % 256);
    QTest::newRow("binary junk") << basura << Ajustes{};
    QTest::newRow("binary junk after a good line") << QByteArray("nivel=3\n") + basura << Ajustes{};
    QTest::newRow("huge") << Bytes(CodificarAjustes(todos)) + QByteArray(TamanoMaximoAjustes, '\n') << Ajustes{};
}

void TstRanuras::ajustes()
{
    QFETCH(QByteArray, archivo);
    QFETCH(Ajustes, leidos);
    QVERIFY(DecodificarAjustes(VerBytes(archivo)) == leidos);
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
        for (int i = 0; i < 81; ++i) p.registro.Textos[i] = std::to_string(p.registro.Solucion[i]);
    QTemporaryDir dir;
    const QString ruta = RutaPartidaEnCurso(dir.path());
    QVERIFY(EscribirEntero(ruta, Bytes(CodificarEnCurso(p))).ok);
    const LecturaEnCurso l = CargarEnCurso(ruta);
    QCOMPARE(l.estado, estado);
    if (estado == EstadoEnCurso::Recuperada) QVERIFY(l.partida == p);
    QVERIFY(QFileInfo::exists(ruta));   // only a damaged file is moved aside
    QCOMPARE(CargarEnCurso(dir.filePath("otra/NovaroEnCurso.sav")).estado, EstadoEnCurso::Ninguna);
}

namespace {

// One puzzle of each kind, made once for every row.
const Reservas& UnoDeCada()
{
    static const Reservas r = [] {
        Reservas hechos;
        Aleatorio azar(31);
        for (int d = 1; d < Dificultades - 1; ++d) hechos[d].push_back(HacerSudoku(Dificultad(d), azar));
        return hechos;
    }();
    return r;
}

// The file's line for a puzzle, under any kind's number, even one that does not exist.
QByteArray Linea(int d, const SudokuHecho& s)
{
    Reservas r;
    r[1].push_back(s);
    return QByteArray::number(d) + Bytes(CodificarPreparados(r)).split('\n').value(1).mid(1);
}

} // namespace

void TstRanuras::preparados_data()
{
    QTest::addColumn<QByteArray>("archivo");
    QTest::addColumn<QList<int>>("cuantos");   // by kind, from Sencillo
    const Reservas& r = UnoDeCada();
    const QByteArray todo = Bytes(CodificarPreparados(r));
    QTest::newRow("as written") << todo << QList<int>{1, 1, 1, 1, 0};
    QTest::newRow("another format") << QByteArray("NOVARO sudokus preparados 2\r\n") + todo.mid(todo.indexOf('\n') + 1)
                                    << QList<int>{0, 0, 0, 0, 0};
    SudokuHecho ajeno = r[1][0];
    ajeno.dados[ajeno.dados[0] ? 0 : 1] = 0;
    for (int i = 0; i < 81; ++i)
        if (ajeno.dados[i]) {
            ajeno.dados[i] = int8_t(ajeno.dados[i] % 9 + 1);   // a given its solution does not have
            break;
        }
    SudokuHecho dos = r[1][0];
    for (int i = 0; i < 81; ++i) dos.dados[i] = i < 20 ? dos.solucion[i] : 0;   // many solutions
    SudokuHecho roto = r[2][0];
    roto.solucion[80] = roto.solucion[79];   // breaks a row
    const QByteArray cabecera = todo.left(todo.indexOf('\n') + 1);
    QTest::newRow("damaged lines dropped, whole ones kept")
        << cabecera + Linea(1, ajeno) + "\n" + Linea(1, dos) + "\n" + Linea(2, roto) + "\n" + Linea(0, r[3][0]) + "\n"
               + Linea(6, r[3][0]) + "\n" + Linea(3, r[3][0]).left(100) + "\n" + Linea(4, r[4][0]) + "\n"
        << QList<int>{0, 0, 0, 1, 0};
    QByteArray demasiados = cabecera;
    for (size_t k = 0; k <= PreparadosPorDificultad; ++k) demasiados += Linea(1, r[1][0]) + "\n";
    QTest::newRow("more than are kept") << demasiados << QList<int>{int(PreparadosPorDificultad), 0, 0, 0, 0};
    QTest::newRow("binary") << QByteArray(5000, '\x9c') << QList<int>{0, 0, 0, 0, 0};
}

void TstRanuras::preparados()
{
    QFETCH(QByteArray, archivo);
    QFETCH(QList<int>, cuantos);
    const Reservas r = DecodificarPreparados(VerBytes(archivo));
    QVERIFY(r[0].empty());
    for (int d = 1; d < Dificultades; ++d) {
        QCOMPARE(int(r[d].size()), cuantos[d - 1]);
        for (const SudokuHecho& s : r[d]) QVERIFY(s.dados == UnoDeCada()[d][0].dados || cuantos[d - 1] > 1);
    }
    QCOMPARE(CodificarPreparados(DecodificarPreparados(CodificarPreparados(r))), CodificarPreparados(r));
}

// A damaged file is written again with what is whole, and what is taken is gone from it.
void TstRanuras::preparadosDanadosSeRehacen()
{
    QTemporaryDir dir;
    const QString ruta = RutaPreparados(dir.path());
    Escribir(ruta, Bytes(CodificarPreparados(UnoDeCada())) + QByteArray(300, '\x01'));
    {
        Preparados p(ruta, 5, QThread::NormalPriority);
        p.Preferir(Dificultad::Sencillo);
        p.Empezar();
        QCOMPARE(p.Cuantos(Dificultad::Experto), size_t(1));
        const std::optional<SudokuHecho> tomado = p.Tomar(Dificultad::Experto);
        QVERIFY(tomado && tomado->dados == UnoDeCada()[4][0].dados);
        QVERIFY(!p.Tomar(Dificultad::Experto));
        QTRY_VERIFY_WITH_TIMEOUT(p.Cuantos(Dificultad::Sencillo) >= 2, 60000);
    }
    const Reservas r = DecodificarPreparados(VerBytes(Leer(ruta)));
    QVERIFY(r[1].size() >= 1);
    for (const SudokuHecho& s : r[1]) QCOMPARE(DificultadDe(Calificar(s.dados)), Dificultad::Sencillo);
    QVERIFY(!Leer(ruta).contains('\x01'));
    QVERIFY(r[4].empty() || r[4][0].dados != UnoDeCada()[4][0].dados);
}

QTEST_APPLESS_MAIN(TstRanuras)
#include "tst_ranuras.moc"
