// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that cannot happen, through the real window: the slot already on disk
// stays as it was, the game on the board is untouched, and the player is told.
#include "Archivos.h"
#include "DiscoLleno.h"
#include "FormatoPartida.h"
#include "RegistroPartida.h"
#include "VentanaPrueba.h"
#include <unistd.h>
#include <optional>

namespace {

const int ranura = 4;

QByteArray Leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QStringList Entradas(const QString& carpeta)
{
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}


// No new file can be opened at all, as in a folder nobody may write to; root is bound too.
class SinDescriptores {
public:
    SinDescriptores()
    {
        getrlimit(RLIMIT_NOFILE, &antes);
        const int libre = dup(0);   // the lowest free descriptor: every one below is taken
        close(libre);
        rlimit nuevo = antes;
        nuevo.rlim_cur = rlim_t(libre);
        setrlimit(RLIMIT_NOFILE, &nuevo);
    }
    ~SinDescriptores() { setrlimit(RLIMIT_NOFILE, &antes); }
private:
    rlimit antes{};
};

// A window the test talks to: messages and popups recorded, popup choices scripted.
struct Jugador {
    Form1& f;
    QStringList mensajes;
    QStringList elecciones;   // captions picked in the popups, in order

    explicit Jugador(Form1& ventana) : f(ventana)
    {
        f.Mensaje = [this](const QString& t) { mensajes << t; };
        f.MostrarMenu = [this](QMenu* m) {
            if (elecciones.isEmpty()) return;
            const QString texto = elecciones.takeFirst();
            for (QAction* a : m->actions())
                if (a->text() == texto && a->isEnabled()) a->trigger();
        };
    }

    // The three roads to a save that a player has.
    void Guardar(const QString& camino)
    {
        const QString partida = QStringLiteral("Partida %1").arg(ranura);
        if (camino == "boton") {
            elecciones = {partida};
            QTest::mouseClick(f.Command4, Qt::LeftButton);
        } else if (camino == "botonera") {
            f.Picture1->setFocus();
            elecciones = {QStringLiteral("&Guardar partida"), partida};
            QTest::keyClick(f.Picture1, Qt::Key_Menu);
        } else {   // the menu bar's item saves once the save button was pressed, even if its popup was closed
            elecciones = {};
            QTest::mouseClick(f.Command4, Qt::LeftButton);
            f.MnuP[ranura - 1]->trigger();
        }
        QVERIFY2(elecciones.isEmpty(), qPrintable(elecciones.join(',')));
    }

    void Cargar()
    {
        elecciones = {QStringLiteral("Partida %1").arg(ranura)};
        QTest::mouseClick(f.Command5, Qt::LeftButton);
    }
};

// Another game on the board, with long texts so that its file is larger than the old one.
void OtraPartida(Form1& f)
{
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    int escritas = 0;
    for (int i = 0; i < 81 && escritas < 12; ++i) {
        if (f.Estado.Originales[i]) continue;
        f.Text1[i]->setText(QStringLiteral("%1 o quizá %2, ¿quién sabe?").arg(i % 9 + 1).arg((i + 4) % 9 + 1));
        ++escritas;
    }
    f.Picture1->setFocus();
}

} // namespace

class TestFallosGuardar : public QObject {
    Q_OBJECT
private slots:
    void guardarQueFalla_data();
    void guardarQueFalla();
};

void TestFallosGuardar::guardarQueFalla_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("camino");
    for (const char* camino : {"boton", "botonera", "barra"}) {
        QTest::addRow("folder inside a regular file, %s", camino) << "carpeta en archivo" << camino;
        QTest::addRow("no file can be created, %s", camino) << "sin descriptores" << camino;
        QTest::addRow("slot path is a directory, %s", camino) << "ranura es carpeta" << camino;
        QTest::addRow("disk full halfway, %s", camino) << "disco lleno" << camino;
    }
}

void TestFallosGuardar::guardarQueFalla()
{
    QFETCH(QString, caso);
    QFETCH(QString, camino);
    VentanaPrueba v(11);
    Jugador viejo(*v.f);
    const QString rutaRanura = v.carpeta.filePath(QStringLiteral("Novaro%1.sav").arg(ranura));

    // What the slot holds before: a game saved by the player, or a folder in its place.
    RegistroPartida partidaVieja;
    if (caso == "ranura es carpeta") {
        QVERIFY(QDir().mkpath(rutaRanura + "/dentro"));
    } else {
        v.f->Text1[v.f->Estado.Originales[0] ? 1 : 0]->setText(QStringLiteral("1 o 2"));
        viejo.Guardar(camino);
        QCOMPARE(viejo.mensajes, QStringList());
        partidaVieja = RegistroDe(v.f->Estado, *v.f);
    }
    const QByteArray bytesViejos = Leer(rutaRanura);

    // The game that will not be saved, in the same window or in one whose folder cannot hold files.
    std::unique_ptr<Form1> otra;
    if (caso == "carpeta en archivo") {
        Form1::Opciones o;
        o.azar = std::make_unique<Aleatorio>(12);
        o.reproductor = std::make_unique<ReproductorPrueba>();
        o.directorio = rutaRanura + "/carpeta";   // its parent is the old slot, a regular file
        otra = std::make_unique<Form1>(std::move(o));
        otra->show();
        otra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(otra.get()));
    }
    std::optional<Jugador> otroJugador;
    if (otra) otroJugador.emplace(*otra);
    Jugador& jugador = otra ? *otroJugador : viejo;
    Form1& f = jugador.f;
    OtraPartida(f);
    const RegistroPartida partidaNueva = RegistroDe(f.Estado, f);
    QVERIFY(!(partidaNueva == partidaVieja));
    // The game in play is kept beside the slots on a thread of its own: on disk before the folder is listed.
    v.f->ConservarYa();
    f.ConservarYa();
    const QStringList entradas = Entradas(v.carpeta.path());
    {
        std::optional<DiscoLleno> lleno;
        std::optional<SinDescriptores> sinDescriptores;
        if (caso == "disco lleno") {
            QVERIFY(Bytes(CodificarPartida(partidaNueva)).size() > bytesViejos.size());
            lleno.emplace(rlim_t(bytesViejos.size() / 2));
        }
        if (caso == "sin descriptores") sinDescriptores.emplace();
        jugador.mensajes.clear();
        jugador.Guardar(camino);
    }

    // The player is told, once, that the game was not saved, and in which slot.
    QCOMPARE(jugador.mensajes.size(), 1);
    QVERIFY2(jugador.mensajes[0].contains(QStringLiteral("No se ha podido guardar"))
                 && jugador.mensajes[0].contains(QString::number(ranura)),
             qPrintable(jugador.mensajes[0]));
    // The board is as it was, and so is the slot, with no temporary file left behind.
    QVERIFY(RegistroDe(f.Estado, f) == partidaNueva);
    QCOMPARE(Entradas(v.carpeta.path()), entradas);
    if (caso == "ranura es carpeta") {
        QVERIFY(QFileInfo(rutaRanura + "/dentro").isDir());
        return;
    }
    QCOMPARE(Leer(rutaRanura), bytesViejos);
    // The old game still loads, whole.
    viejo.mensajes.clear();
    viejo.Cargar();
    QCOMPARE(viejo.mensajes, QStringList());
    QVERIFY(RegistroDe(v.f->Estado, *v.f) == partidaVieja);

    // Once the obstacle is gone, the same window saves the new game in the same slot.
    if (!otra) {
        OtraPartida(f);
        const RegistroPartida otraMas = RegistroDe(f.Estado, f);
        jugador.Guardar(camino);
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        jugador.Cargar();
        QCOMPARE(jugador.mensajes, QStringList());
        QVERIFY(RegistroDe(f.Estado, f) == otraMas);
    }
}

QTEST_MAIN(TestFallosGuardar)
#include "tst_fallos_guardar.moc"
