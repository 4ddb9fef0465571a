// SPDX-License-Identifier: GPL-3.0-or-later
#include "DetectorTeclas.h"
#include "Frases.h"
#include "Reproductor.h"
#include "Voz.h"
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QTimer>

DetectorTeclas::DetectorTeclas(Juego& juego, QLineEdit& TbPorta, Reproductor& reproductor, Voz& voz,
                               std::function<void()> MostrarBotonera, std::function<void()> PartidaEmpezada)
    : juego_(juego), TbPorta_(TbPorta), reproductor_(reproductor), voz_(voz),
      MostrarBotonera_(std::move(MostrarBotonera)), PartidaEmpezada_(std::move(PartidaEmpezada))
{
    juego_.LeerPortapapeles = [] { return QGuiApplication::clipboard()->text().toStdString(); };
    // The field is the line's view; what the player types into it is the line's new text.
    QObject::connect(&TbPorta_, &QLineEdit::textChanged, &TbPorta_, [this](const QString& texto) {
        if (!reflejando_) juego_.PonerLinea(texto.toStdString());
    });
    MostrarLinea();
    static constexpr int VigilarMs = 20;
    vigia_.setInterval(VigilarMs);
    vigia_.callOnTimeout([this] {
        if (pensando_.valid() && pensando_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) Pensado();
    });
}

void PintarLineaEntrada(QLineEdit& linea)
{
    QPalette p = linea.palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    linea.setPalette(p);
}

void PintarLineaNormal(QLineEdit& linea)
{
    QPalette p = linea.palette();
    p.setColor(QPalette::Base, p.color(QPalette::Highlight));
    p.setColor(QPalette::Text, p.color(QPalette::HighlightedText));
    linea.setPalette(p);
}

void DetectorTeclas::MostrarLinea()
{
    const QString texto = QString::fromStdString(juego_.Linea());
    if (TbPorta_.text() != texto) {
        reflejando_ = true;
        TbPorta_.setText(texto);
        reflejando_ = false;
    }
    if (juego_.LineaEnEntrada() != pintadaEntrada_) {
        pintadaEntrada_ = juego_.LineaEnEntrada();
        if (pintadaEntrada_) PintarLineaEntrada(TbPorta_);
        else PintarLineaNormal(TbPorta_);
    }
    if (TbPorta_.isHidden() != juego_.LineaOculta()) TbPorta_.setHidden(juego_.LineaOculta());
}

void DetectorTeclas::Aplicar(const Resultado& r)
{
    for (int i = 0; i < r.pitidos; ++i) reproductor_.Pitar();
    if (r.panel) {
        reproductor_.Detener();
        if (r.panelSuena) {
            reproductor_.PonerArchivo(QString::fromStdString(juego_.Estado().RutaSonido));
            reproductor_.Reproducir();
        }
    }
    if (!r.sonidos.empty()) reproductor_.Sonar(r.sonidos);
    MostrarLinea();
    if (r.partidaEmpezada && PartidaEmpezada_) PartidaEmpezada_();
    if (r.dificultadCambiada && DificultadCambiada_) DificultadCambiada_();
    if (r.marcasCambiadas && MarcasCambiadas_) MarcasCambiadas_();
    if (r.portapapeles) QGuiApplication::clipboard()->setText(QString::fromStdString(*r.portapapeles));
    if (!r.dicho.empty()) voz_.Hablar(QString::fromStdString(r.dicho));
    if (r.botonera && MostrarBotonera_) MostrarBotonera_();
    if (r.pensamiento) Pensar(r.pensamiento);
}

void DetectorTeclas::Pensar(std::shared_ptr<Pensamiento> pensamiento)
{
    DejarDePensar();
    pensamiento_ = std::move(pensamiento);
    parar_ = std::make_shared<std::atomic<bool>>(false);
    pensando_ = std::async(std::launch::async, [p = pensamiento_, parar = parar_] { p->Pensar(parar.get()); });
    if (pensando_.wait_for(esperaPensar_) == std::future_status::ready) {
        Pensado();
        return;
    }
    Aplicar(juego_.Pensando());
    vigia_.start();
}

void DetectorTeclas::Pensado()
{
    vigia_.stop();
    pensando_.get();
    const std::shared_ptr<Pensamiento> pensamiento = std::move(pensamiento_);
    Aplicar(juego_.Pensado(*pensamiento));
}

// The thread ends soon once told; what it finds is no longer wanted.
void DetectorTeclas::DejarDePensar()
{
    if (!pensando_.valid()) return;
    *parar_ = true;
    pensando_.get();
    vigia_.stop();
    pensamiento_.reset();
}

void DetectorTeclas::Publicar()
{
    Aplicar(juego_.Publicar());
}

void DetectorTeclas::Picture1_GotFocus()
{
    const Resultado r = juego_.Enfocado();
    if (!r.dicho.empty()) {
        Aplicar(r);
        return;
    }
    // A game brought back (or one that could not be) is said instead of the silent first
    // arrival; before a screen reader has asked for the game, nobody would hear it yet.
    if (avisoInicial_.isEmpty()) return;
    if (QAccessible::isActive()) {
        DecirAvisoInicial();
    } else {
        juego_.PonerLinea(avisoInicial_.toStdString());
        MostrarLinea();
        espera_ = std::make_unique<EsperaLector>([this] { DecirAvisoInicial(); }, TbPorta_);
    }
}

// Waits for the first screen reader to ask for the game, then lets it settle before speaking.
class DetectorTeclas::EsperaLector : public QAccessible::ActivationObserver {
public:
    EsperaLector(std::function<void()> decir, QObject& contexto) : decir_(std::move(decir)), contexto_(contexto)
    {
        QAccessible::installActivationObserver(this);
    }
    ~EsperaLector() override { QAccessible::removeActivationObserver(this); }
    void accessibilityActiveChanged(bool activo) override
    {
        static constexpr int EsperaTrasActivarse = 300;   // ms: the reader subscribes to events after asking
        if (activo) QTimer::singleShot(EsperaTrasActivarse, &contexto_, decir_);
    }

private:
    std::function<void()> decir_;
    QObject& contexto_;
};

DetectorTeclas::~DetectorTeclas()
{
    if (pensando_.valid()) {
        *parar_ = true;
        pensando_.wait();
    }
}

void DetectorTeclas::DecirAvisoInicial()
{
    if (!avisoInicial_.isEmpty()) {
        Aplicar(juego_.Anunciar(avisoInicial_.toStdString()));
        avisoInicial_.clear();
    }
    espera_.reset();
}

void DetectorTeclas::Picture1_KeyDown(int codigo, int digitoTeclado)
{
    avisoInicial_.clear();   // the player is playing: a late notice would only get in the way
    juego_.TeclaAbajo(codigo, digitoTeclado);   // drops what H or G was thinking
    DejarDePensar();
}

void DetectorTeclas::Picture1_KeyPress(int k)
{
    juego_.Caracter(k);
}

// Published at once: the menu's own loop runs before this keystroke ends.
void DetectorTeclas::AnunciarMenu(const QString& nombre, qsizetype opciones)
{
    Aplicar(juego_.SoloDecir(Frases::Menu(nombre.toStdString(), static_cast<int>(opciones))));
}
