// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1.h"
#include "BotonVariasLineas.h"
#include "Archivos.h"
#include "CajaTeclas.h"
#include "Carpetas.h"
#include "Casilla.h"
#include "DetectorTeclas.h"
#include "Partida.h"
#include "Reproductor.h"
#include "Voz.h"
#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QMessageBox>
#include <QProxyStyle>
#include <QTimer>
#include <QPushButton>
#include <utility>

namespace {

// The arrows skip a greyed item, so a screen reader never named it; reachable,
// it is heard as unavailable, and it still cannot be chosen.
class EstiloMenu : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* opcion, const QWidget* widget,
                  QStyleHintReturn* retorno) const override
    {
        if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
        return QProxyStyle::styleHint(hint, opcion, widget, retorno);
    }
};

// Designed positions are in twips; 15 twips make one pixel at 96 dpi.
QRect Twips(int izquierda, int arriba, int ancho, int alto)
{
    const int x0 = qRound(izquierda / 15.0), y0 = qRound(arriba / 15.0);
    const int x1 = qRound((izquierda + ancho) / 15.0), y1 = qRound((arriba + alto) / 15.0);
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

QColor Color(Rgb c) { return QColor(c.r, c.g, c.b); }

// A palette change repolishes and repaints the widget: skip it when nothing changes.
void PonerColores(QWidget* w, const QColor& texto, const QColor& fondo)
{
    QPalette p = w->palette();
    if (p.color(QPalette::Text) == texto && p.color(QPalette::Base) == fondo) return;
    p.setColor(QPalette::Text, texto);
    p.setColor(QPalette::Base, fondo);
    w->setPalette(p);
}

} // namespace

uint64_t SemillaDelReloj(const QTime& hora)
{
    return static_cast<uint64_t>(hora.second()) * static_cast<uint64_t>(hora.minute())
         * static_cast<uint64_t>(hora.hour());
}

Form1::Form1() : Form1(Opciones{}) {}

Form1::Form1(Opciones opciones)
    : azar_(std::move(opciones.azar)), reproductor_(std::move(opciones.reproductor)),
      lugares_(opciones.directorio.isEmpty() ? LugaresDelPrograma() : LugaresPortatiles(opciones.directorio)),
      sudokuInicial_(std::move(opciones.sudoku)),
      rutaAjustes_(!opciones.ajustes.isEmpty()      ? opciones.ajustes
                   : opciones.directorio.isEmpty() ? RutaAjustesDelJugador()
                                                   : RutaEn(opciones.directorio, NombreAjustes)),
      escritor_(std::make_unique<Escritor>())
{
    if (!reproductor_) reproductor_ = std::make_unique<ReproductorDiferido>(lugares_.bibliotecas);

    Mensaje = [this](const QString& texto) {
        QMessageBox caja(QMessageBox::NoIcon, tr("NOVARO"), texto, QMessageBox::Ok, this);
        caja.exec();
        // Without a window manager nobody gives the game window back its activation,
        // and the key detector would never hear its focus again.
        activateWindow();
    };
    MostrarMenu = [](QMenu* menu) { menu->exec(QCursor::pos()); };

    ConstruirControles();
    ConstruirMenus();
    voz_ = new Voz(this);
    detector_ = std::make_unique<DetectorTeclas>(juego_, *TbPorta, *reproductor_, *voz_,
                                                 [this] { MostrarBotonera(); },
                                                 [this] {
                                                     OlvidarEnCamino();
                                                     MostrarBotones();
                                                 });
    Picture1->PonerDetector(detector_.get());
    preparados_ = std::make_unique<Preparados>(RutaPreparados(lugares_.partidas), QRandomGenerator::global()->generate64());
    detector_->AlCambiarDificultad([this] {
        PonerDificultad(Estado.DificultadElegida);
        ConservarLuego();
    });
    conservarYa_ = new QTimer(this);
    conservarYa_->setSingleShot(true);
    conservarYa_->setInterval(0);   // after the key's own work and utterance
    connect(conservarYa_, &QTimer::timeout, this, &Form1::Conservar);
    conservarLuego_ = new QTimer(this);
    conservarLuego_->setSingleShot(true);
    conservarLuego_->setInterval(1000);
    connect(conservarLuego_, &QTimer::timeout, this, &Form1::Conservar);
    // A desktop session that ends asks first; the game is on disk before it answers.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Form1::ConservarYa);
    diaAlEmpezar_ = opciones.dia;
    EmpezarReloj();
    Form_Load(opciones.nueva);
}

Form1::~Form1()
{
    pararEnCamino_ = true;
    if (enCamino_.valid()) enCamino_.wait();
    ConservarYa();
    // The key detector may still see a focus change while the window is torn down.
    Picture1->PonerDetector(nullptr);
}

void Form1::Form_Load(bool nueva)
{
    if (!azar_) azar_ = std::make_unique<Aleatorio>(SemillaDelReloj(QTime::currentTime()));
    QString ruta = lugares_.datos;
    if (!ruta.endsWith(QLatin1Char('/'))) ruta += QLatin1Char('/');
    ruta += QStringLiteral("CambioTablero.wav");
    Estado.RutaSonido = ruta.toStdString();
    reproductor_->PonerArchivo(ruta);
    CrearCasillas();
    // Each cell is laid out once, with the text the first game leaves in it.
    textosAlEmpezar_.emplace();
    textosAlEmpezar_->fill(QStringLiteral("-"));
    // Silent: the window is not shown yet.
    if (EmpezarConservado(nueva)) {
    } else if (sudokuInicial_) {
        juego_.EmpezarLeido(*sudokuInicial_);
    } else if (Estado.DificultadElegida != Dificultad::PorNivel) {
        // The first game of a kind comes from those kept, or is made now, before the window shows.
        const Dificultad dificultad = Estado.DificultadElegida;
        const std::optional<SudokuHecho> hecho = preparados_->Tomar(dificultad);
        EmpezarHecho(hecho ? *hecho : HacerSudoku(dificultad, *azar_), dificultad, false);
    } else {
        NuevaPartida(Estado, *this, *azar_);
    }
    const std::array<QString, 81> textos = *std::exchange(textosAlEmpezar_, std::nullopt);
    for (int i = 0; i < 81; ++i) Text1[i]->setText(textos[i]);
    juego_.Seguir();
    if (diaAlEmpezar_) {
        const Resultado r = juego_.SudokuDelDia();
        MostrarBotones();
        detector_->AvisarAlEnfocar(QString::fromStdString(r.dicho));
    }
    Picture1->setFocus();
}

// The icon is read after the window's first frame: the first image read loads every
// image plugin on the machine, and a window manager shows the icon when it comes.
void Form1::paintEvent(QPaintEvent* evento)
{
    QMainWindow::paintEvent(evento);
    if (iconoPedido_) return;
    iconoPedido_ = true;
    QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(QStringLiteral(":/novaro.png"))); });
}

void Form1::ConstruirControles()
{
    setWindowTitle(tr("NOVARO"));

    auto* centro = new QWidget(this);
    centro->setObjectName(QStringLiteral("Form1"));
    centro->setFixedSize(Twips(0, 0, 7935, 4665).size());
    setCentralWidget(centro);

    TbPorta = new QLineEdit(centro);   // the game's message line fills it
    TbPorta->setObjectName(QStringLiteral("TbPorta"));
    TbPorta->setAccessibleName(tr("Línea de mensajes"));
    TbPorta->setGeometry(Twips(200, 200, 5600, 500));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPointSizeF(9.75);
    TbPorta->setFont(courier);
    PintarLineaNormal(*TbPorta);

    Frame1 = new QFrame(centro);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Twips(50, 900, 5600, 3800));
    Frame1->setFocusPolicy(Qt::NoFocus);

    const QColor naranja(255, 130, 71);
    struct Boton { QPushButton** destino; int arriba; const char* nombre; const char* texto; const char* ayuda; };
    const Boton botones[] = {
        {&Command2, 900, "Command2", QT_TR_NOOP("&Nuevo"), QT_TR_NOOP("Genera un nuevo juego")},
        {&Command3, 1725, "Command3", QT_TR_NOOP("&Ver solución"),
         QT_TR_NOOP("Muestra en pantalla la solución para el NOVARO actual.")},
        {&Command4, 2550, "Command4", QT_TR_NOOP("&Guardar partida"), QT_TR_NOOP("Permite guardar la partida")},
        {&Command5, 3375, "Command5", QT_TR_NOOP("&Cargar partida"),
         QT_TR_NOOP("Permite cargar una partida que hayamos guardado antes ")},
        {&Command1, 4200, "Command1", QT_TR_NOOP("&Comprobar"),
         QT_TR_NOOP("Va comprobando si los números introducidos cumplen las condiciones, revisando primero las filas, "
                    "después las columnas y por último los paneles.")},
    };
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPointSize(12);
    for (const Boton& b : botones) {
        auto* boton = new BotonVariasLineas(tr(b.texto), centro);
        boton->setObjectName(QString::fromLatin1(b.nombre));
        boton->setGeometry(Twips(6000, b.arriba, 1215, 500));
        boton->setFont(arial);
        boton->setToolTip(tr(b.ayuda));
        boton->setAutoDefault(true);   // Enter presses the focused button
        QPalette p = boton->palette();
        p.setColor(QPalette::Button, naranja);
        boton->setPalette(p);
        boton->setAutoFillBackground(true);
        boton->installEventFilter(this);
        *b.destino = boton;
    }
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);

    // Over the top of "Comprobar", and above it in the stacking order.
    Picture1 = new CajaTeclas(centro);
    Picture1->setGeometry(Twips(6000, 3900, 2000, 500));
    Picture1->raise();

    TbPorta->installEventFilter(this);
    Picture1->installEventFilter(this);
}

void Form1::CrearCasillas()
{
    QFont courierNew(QStringLiteral("Courier New"));
    courierNew.setStyleHint(QFont::Monospace);
    courierNew.setPointSizeF(15.75);
    Frame1->setFont(courierNew);   // the cells inherit it: one font resolution, not 81
    for (int i = 0; i < 81; ++i) {
        auto* celda = new Casilla(i, Frame1);
        const int fila = i / 9, columna = i % 9;
        celda->setGeometry(Twips(600 * columna + 100 * (columna / 3), 400 * fila + 100 * (fila / 3), 600, 400));
        celda->installEventFilter(this);
        connect(celda, &Casilla::GotFocus, this, &Form1::Text1_GotFocus);
        connect(celda, &Casilla::KeyDown, this, &Form1::Text1_KeyDown);
        connect(celda, &Casilla::MouseDown, this, &Form1::Text1_MouseDown);
        connect(celda, &Casilla::Editada, this, &Form1::Text1_Change);
        Text1[i] = celda;
    }
    QWidget* anterior = Picture1;
    auto siguiente = [&anterior](QWidget* w) {
        QWidget::setTabOrder(anterior, w);
        anterior = w;
    };
    for (Casilla* celda : Text1) siguiente(celda);
    for (QWidget* w : {static_cast<QWidget*>(TbPorta), static_cast<QWidget*>(Command2), static_cast<QWidget*>(Command3),
                       static_cast<QWidget*>(Command4), static_cast<QWidget*>(Command5), static_cast<QWidget*>(Command1)})
        siguiente(w);
}

void Form1::ConstruirMenus()
{
    MnuNiveles = menuBar()->addMenu(tr("Niveles"));
    for (int i = 0; i < 15; ++i) {
        QAction* a = MnuNiveles->addAction(QString::number(15 - i));
        a->setCheckable(true);
        a->setChecked(i == 7);
        connect(a, &QAction::triggered, this, [this, i] { MnuN_Click(i); });
        MnuN.append(a);
    }
    ConstruirMenuDificultad();
    MnuTam = menuBar()->addMenu(tr("&Tamaño Letra"));
    const char* tamanos[] = {"1&8", "1&6", "1&4", "1&2", "&11", "1&0", "&9", "&8"};
    for (int i = 0; i < 8; ++i) {
        QAction* a = MnuTam->addAction(QString::fromLatin1(tamanos[i]));
        a->setCheckable(true);
        a->setChecked(i == 1);
        connect(a, &QAction::triggered, this, [this, i] { MnuTamN_Click(i); });
        MnuTamN.append(a);
    }
    MnuPartidas = menuBar()->addMenu(tr("Parttida"));
    for (int i = 0; i < 9; ++i) {
        QAction* a = MnuPartidas->addAction(tr("Partida %1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, i] { MnuP_Click(i); });
        MnuP.append(a);
    }
    MnuBotonera = menuBar()->addMenu(tr("Botonera"));
    const char* botonera[] = {QT_TR_NOOP("&Comprobar"), QT_TR_NOOP("&Nuevo"), QT_TR_NOOP("&Ver solución"),
                              QT_TR_NOOP("&Guardar partida"), QT_TR_NOOP("C&argar partida"), QT_TR_NOOP("&Salir")};
    for (int i = 0; i < 6; ++i) {
        QAction* a = MnuBotonera->addAction(tr(botonera[i]));
        connect(a, &QAction::triggered, this, [this, i] { MnuB_Click(i); });
        MnuB.append(a);
    }
    // Parented to the window, so it outlives the menu that uses it.
    auto* estilo = new EstiloMenu;
    estilo->setParent(this);
    MnuBotonera->setStyle(estilo);
    ConstruirMenuDia();
    // Never smaller than the designed window; minimizing stays possible.
    setMinimumSize(Twips(0, 0, 7935, 4665).width(), Twips(0, 0, 7935, 4665).height() + menuBar()->sizeHint().height());
}

std::string Form1::Texto(int16_t indice) const
{
    return (textosAlEmpezar_ ? (*textosAlEmpezar_)[indice] : Text1[indice]->text()).toStdString();
}

void Form1::PonerTexto(int16_t indice, const std::string& texto)
{
    const QString nuevo = QString::fromStdString(texto);
    if (textosAlEmpezar_) {
        QString& antes = (*textosAlEmpezar_)[indice];
        if (antes == nuevo) return;
        antes = nuevo;
    } else {
        if (Text1[indice]->text() == nuevo) return;
        Text1[indice]->setText(nuevo);
    }
    PartidaCambiada();
}

void Form1::PintarNotas(int16_t indice, uint16_t notas)
{
    Text1[indice]->PonerNotas(notas);
    PartidaCambiada();
}

void Form1::Bloquear(int16_t indice, bool bloqueada)
{
    Text1[indice]->setReadOnly(bloqueada);
    PartidaCambiada();
}

// A provisional mark shows as a colour: it changed the game.
void Form1::PonerColorTexto(int16_t indice, Rgb color)
{
    PartidaCambiada();
    PonerColores(Text1[indice], Color(color), Text1[indice]->palette().color(QPalette::Base));
}

void Form1::SeleccionarCasilla(int16_t indice, bool seleccionada)
{
    seleccionadas_[indice] = seleccionada;
    const QPalette sistema = QApplication::palette();
    if (seleccionada)
        PonerColores(Text1[indice], sistema.color(QPalette::HighlightedText), sistema.color(QPalette::Highlight));
    else
        PonerColores(Text1[indice], Color(ColorNormal(Estado, indice)), Qt::white);
}

// Paints every cell from its flags at once, keeping the cursor where it shows.
void Form1::RepintarCasillas()
{
    for (int i = 0; i < 81; ++i) {
        Text1[i]->setReadOnly(Estado.Originales[i]);
        SeleccionarCasilla(static_cast<int16_t>(i), seleccionadas_[i]);
    }
}

void Form1::EmpezarTableroEntero()
{
    if (tableroEntero_++ == 0) silencio_.emplace();
}

void Form1::TerminarTableroEntero()
{
    if (--tableroEntero_ == 0) silencio_.reset();
}

void Form1::Atender(const Resultado& r)
{
    if (!r.mensaje.empty()) Mensaje(QString::fromStdString(r.mensaje));
    detector_->Aplicar(r);
}

void Form1::MostrarBotones()
{
    Command1->setEnabled(juego_.PuedeComprobar());
    Command4->setEnabled(juego_.PuedeGuardar());
}

void Form1::EnfocarDetector()
{
    Picture1->setFocus(Qt::OtherFocusReason);
}
