// SPDX-License-Identifier: GPL-3.0-or-later
#include "DetectorTeclas.h"
#include "CodigosTecla.h"
#include "Consultas.h"
#include "Frases.h"
#include "Partida.h"
#include "Notas.h"
#include "Reproductor.h"
#include "Voz.h"
#include <QCoreApplication>
#include <QLineEdit>
#include <QPalette>
#include <QTimer>
#include <algorithm>

QString SinBlancos(const QString& t)
{
    qsizetype a = 0, b = t.size();
    while (a < b && t[a] == QLatin1Char(' ')) ++a;
    while (b > a && t[b - 1] == QLatin1Char(' ')) --b;
    return t.mid(a, b - a);
}

DetectorTeclas::DetectorTeclas(EstadoJuego& estado, Casillas& casillas, QLineEdit& TbPorta,
                               Reproductor& reproductor, Voz& voz,
                               std::function<void()> MostrarBotonera, std::function<void()> PartidaEmpezada)
    : e_(estado), casillas_(casillas), TbPorta_(TbPorta), reproductor_(reproductor), voz_(voz),
      MostrarBotonera_(std::move(MostrarBotonera)), PartidaEmpezada_(std::move(PartidaEmpezada))
{
}

QString DetectorTeclas::Linea() const { return TbPorta_.text(); }
void DetectorTeclas::PonerLinea(const QString& texto) { TbPorta_.setText(texto); }
QString DetectorTeclas::Texto(int indice) const
{
    return QString::fromStdString(casillas_.Texto(static_cast<int16_t>(indice)));
}

// Writes the line and makes it this keystroke's utterance.
void DetectorTeclas::Decir(const QString& texto)
{
    PonerLinea(texto);
    dicho_ = texto;
    tecleado_ = false;
}

void DetectorTeclas::Publicar()
{
    // A typed character is heard as typed; everything else may name empty cells.
    if (!dicho_.isEmpty()) voz_.Hablar(tecleado_ ? dicho_ : Voz::Pronunciar(dicho_));
    dicho_.clear();
    tecleado_ = false;
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

void DetectorTeclas::Picture1_GotFocus()
{
    if (FocoRecibido) {
        Decir(QCoreApplication::translate("DetectorTeclas", "Cursor sobre detector de teclas"));
        Publicar();
    } else {
        FocoRecibido = true;
        // A game brought back (or one that could not be) is said instead of the silent first
        // arrival; before a screen reader has asked for the game, nobody would hear it yet.
        if (avisoInicial_.isEmpty()) return;
        if (QAccessible::isActive()) {
            DecirAvisoInicial();
        } else {
            PonerLinea(avisoInicial_);
            espera_ = std::make_unique<EsperaLector>([this] { DecirAvisoInicial(); }, TbPorta_);
        }
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

DetectorTeclas::~DetectorTeclas() = default;

void DetectorTeclas::DecirAvisoInicial()
{
    if (!avisoInicial_.isEmpty()) {
        Decir(avisoInicial_);
        Publicar();
        avisoInicial_.clear();
    }
    espera_.reset();
}

void DetectorTeclas::Picture1_KeyDown(int codigo, int digitoTeclado)
{
    avisoInicial_.clear();   // the player is playing: a late notice would only get in the way
    if (codigo != VK_H || e_.ModoEscritura) partesDichas_ = 0;   // a hint's chain goes on only with H after H
    // In notes mode and direct entry the keypad gives its digits, also where NumLock off makes them movements.
    if (digitoTeclado != 0 && (e_.ModoNotas || e_.EscrituraDirecta) && !e_.ModoEscritura)
        codigo = VK_NUMPAD0 + digitoTeclado;
    dicho_.clear();
    tecleado_ = false;
    if (!e_.ModoEscritura) PonerLinea(QString());

    const int16_t f = e_.FilaActual, c = e_.ColumnaActual;
    auto s = [](int16_t v) { return static_cast<int16_t>(v); };
    switch (codigo) {
    case VK_LEFT: Mover(c == 0, f, s(c - 1), c - 1 == 2 || c - 1 == 5); break;
    case VK_RIGHT: Mover(c == 8, f, s(c + 1), c + 1 == 3 || c + 1 == 6); break;
    case VK_UP: Mover(f == 0, s(f - 1), c, f - 1 == 2 || f - 1 == 5); break;
    case VK_DOWN: Mover(f == 8, s(f + 1), c, f + 1 == 3 || f + 1 == 6); break;
    case VK_HOME: Mover(c == 0, f, 0, false); break;
    case VK_END: Mover(c == 8, f, 8, false); break;
    case VK_PRIOR: Mover(f == 0, 0, c, false); break;
    case VK_NEXT: Mover(f == 8, 8, c, false); break;
    case VK_A: Refrescar(); break;
    case VK_DELETE:
    case VK_BACK: Borrar(); break;
    case VK_C: if (!e_.ModoEscritura) LeerColumna(); break;
    case VK_F: if (!e_.ModoEscritura) LeerFila(); break;
    case VK_T:
    case VK_P: if (!e_.ModoEscritura) LeerPanel(); break;
    case VK_V: if (!e_.ModoEscritura) LeerCasilla(); break;
    case VK_O: if (!e_.ModoEscritura) CambiarAviso(); break;
    case VK_CONTROL: CambiarProvisional(); break;
    case VK_F8: CambiarLinea(); break;
    case VK_F9: CambiarSonido(); break;
    case VK_APPS: MostrarBotonera_(); break;
    default: TeclaAnadida(codigo); break;
    }
}

void DetectorTeclas::Mover(bool refusada, int16_t fila, int16_t columna, bool conSonido)
{
    if (refusada) reproductor_.Pitar();
    else MoverCursor(fila, columna, conSonido);
}

void DetectorTeclas::MoverCursor(int16_t fila, int16_t columna, bool conSonido)
{
    casillas_.SeleccionarCasilla(e_.CasillaActual, false);
    e_.FilaActual = fila;
    e_.ColumnaActual = columna;
    e_.CasillaActual = static_cast<int16_t>(fila * 9 + columna);
    casillas_.SeleccionarCasilla(e_.CasillaActual, true);
    if (conSonido) SonidoPanel();
    AnunciarCasilla();
}

void DetectorTeclas::AnunciarCasilla()
{
    const int i = e_.CasillaActual;
    const QString t = Texto(i);
    if (SinBlancos(t).size() > 1) PonerLinea(t);
    // The screen reader cannot see the highlight, so the cell itself is always heard.
    dicho_ = SinBlancos(t).size() > 1 ? t : SinBlancos(t);
    if (e_.Originales[i] && e_.AvisoOriginal) {
        PonerLinea(Linea() + QStringLiteral(" O "));
        dicho_ += QStringLiteral(" O ");
    }
    if (e_.Provisionales[i]) {
        PonerLinea(Linea() + QStringLiteral(" P "));
        dicho_ += QStringLiteral(" P ");
    }
    dicho_ = ConNotas(dicho_, i);
}

// A cell with notes is heard with them, in the same breath; the line keeps its designed text.
QString DetectorTeclas::ConNotas(const QString& oido, int indice) const
{
    if (e_.Notas[indice] == 0) return oido;
    return SinBlancos(oido) + QStringLiteral(", ") + QString::fromStdString(Frases::Notas(DigitosNotados(e_.Notas[indice])));
}

void DetectorTeclas::Refrescar()
{
    casillas_.SeleccionarCasilla(e_.CasillaActual, false);
    casillas_.SeleccionarCasilla(e_.CasillaActual, true);
    const QString t = Texto(e_.CasillaActual);
    if (SinBlancos(t).size() > 1) PonerLinea(t);
    dicho_ = ConNotas(SinBlancos(t).size() > 1 ? t : SinBlancos(t), e_.CasillaActual);
}

void DetectorTeclas::Borrar()
{
    const int i = e_.CasillaActual;
    if (e_.ModoEscritura) {
        PonerLinea(QString());
    } else if (e_.Originales[i]) {
        Decir(QCoreApplication::translate("DetectorTeclas", "Imposible borrar ese número. Pertenece a los datos originales."));
    } else {
        BorrarCasilla(e_, casillas_, e_.CasillaActual);
        dicho_ = QStringLiteral("-");   // the line stays empty; the player still hears the cell emptied
    }
}

void DetectorTeclas::AnexarCasilla(QString& linea, int indice) const
{
    linea += SinBlancos(Texto(indice)) + QLatin1Char(' ');
    if (e_.Provisionales[indice]) linea += QStringLiteral("P ");
}

// The lines are built whole and written once: the reader hears one utterance.
void DetectorTeclas::LeerColumna()
{
    QString linea;
    for (int r = 0; r < 9; ++r) AnexarCasilla(linea, r * 9 + e_.ColumnaActual);
    Decir(linea);
}

void DetectorTeclas::LeerFila()
{
    QString linea;
    for (int c = 0; c < 9; ++c) AnexarCasilla(linea, e_.FilaActual * 9 + c);
    Decir(linea);
}

void DetectorTeclas::LeerPanel()
{
    const int s = (e_.FilaActual - (e_.FilaActual % 3)) * 9 + (e_.ColumnaActual / 3) * 3;
    QString linea;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) AnexarCasilla(linea, s + r * 9 + c);
        linea.chop(1);   // the blank just appended becomes a full stop and a blank
        linea += QStringLiteral(". ");
    }
    Decir(linea);
}

void DetectorTeclas::LeerCasilla()
{
    Decir(Texto(e_.CasillaActual));
}

void DetectorTeclas::CambiarAviso()
{
    e_.AvisoOriginal = !e_.AvisoOriginal;
    Decir(QCoreApplication::translate("DetectorTeclas", "Aviso de número original ")
          + (e_.AvisoOriginal ? QCoreApplication::translate("DetectorTeclas", "activado") : QCoreApplication::translate("DetectorTeclas", "desactivado")));
}

void DetectorTeclas::CambiarProvisional()
{
    const int i = e_.CasillaActual;
    if (e_.Originales[i]) return;
    if (Texto(i) == QLatin1String("-") && !e_.Provisionales[i]) {
        reproductor_.Pitar();
        return;
    }
    if (e_.ModoEscritura) return;
    CambiarCasilla(e_, casillas_, e_.CasillaActual, casillas_.Texto(e_.CasillaActual), !e_.Provisionales[i]);
    Decir(e_.Provisionales[i] ? QCoreApplication::translate("DetectorTeclas", "Provisional") : QCoreApplication::translate("DetectorTeclas", "No provisional"));
}

void DetectorTeclas::CambiarLinea()
{
    TbPorta_.setHidden(!TbPorta_.isHidden());
}

void DetectorTeclas::CambiarSonido()
{
    e_.SonidoActivo = !e_.SonidoActivo;
    Decir(e_.SonidoActivo ? QCoreApplication::translate("DetectorTeclas", "Sonido activado") : QCoreApplication::translate("DetectorTeclas", "Sonido desactivado"));
}

void DetectorTeclas::SonidoPanel()
{
    reproductor_.Detener();
    if (!e_.SonidoActivo) return;
    reproductor_.PonerArchivo(QString::fromStdString(e_.RutaSonido));
    reproductor_.Reproducir();
}

// E: heard, not written; the line keeps its text.
void DetectorTeclas::AvisarRepeticion()
{
    if (!e_.AvisoRepetido) return;
    const Repeticion donde = Repetido(casillas_, e_.CasillaActual);
    if (donde.Alguna()) dicho_ = SinBlancos(dicho_) + QStringLiteral(". ") + QString::fromStdString(Frases::Repeticiones(donde));
}

// Published at once: the menu's own loop runs before this keystroke ends.
void DetectorTeclas::AnunciarMenu(const QString& nombre, qsizetype opciones)
{
    dicho_ = QString::fromStdString(Frases::Menu(nombre.toStdString(), opciones));
    Publicar();
}

void DetectorTeclas::Picture1_KeyPress(int k)
{
    //: The word every write-mode message of the line holds, as they are translated.
    if (MensajeModo && Linea().contains(QCoreApplication::translate("DetectorTeclas", "Modo"))) {
        PonerLinea(QString());
        MensajeModo = false;
    }
    if (k == 13 || k == 32) {
        e_.CasillaActual = static_cast<int16_t>(e_.FilaActual * 9 + e_.ColumnaActual);
        if (e_.Originales[e_.CasillaActual]) {
            Decir(QCoreApplication::translate("DetectorTeclas", "Modo escritura no disponible. Valor original bajo el cursor.   "));
            MensajeModo = true;
            e_.ModoEscritura = false;
        } else if (!e_.ModoEscritura) {
            e_.ModoEscritura = true;
            Decir(QCoreApplication::translate("DetectorTeclas", "Modo escritura activado"));
            MensajeModo = true;
        } else {
            if (k != 32) e_.ModoEscritura = false;
            CambiarCasilla(e_, casillas_, e_.CasillaActual, Linea().toStdString(), e_.Provisionales[e_.CasillaActual]);
            Decir(QCoreApplication::translate("DetectorTeclas", "Modo escritura desactivado "));
            AvisarRepeticion();
            MensajeModo = true;
            PintarLineaNormal(TbPorta_);
        }
    } else if (e_.ModoEscritura && k != 8) {
        PintarLineaEntrada(TbPorta_);
        const QString caracter(QChar(static_cast<char16_t>(k)));
        PonerLinea(Linea() + caracter);
        dicho_ = caracter;
        tecleado_ = true;
    }
}
