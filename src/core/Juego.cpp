// SPDX-License-Identifier: GPL-3.0-or-later
// The key detector's designed keys: moving, writing, reading the groups, the switches.
#include "Juego.h"
#include "Frases.h"
#include "Notas.h"
#include "Palabras.h"
#include "Partida.h"
#include "Teclas.h"
#include "Texto.h"
#include "Consultas.h"
#include "Coordenadas.h"

namespace {

constexpr char32_t PrimeraSustituta = 0xD800, PrimeraBaja = 0xDC00, TrasSustitutas = 0xE000;

} // namespace

// The designed start: level "8" and the panel sound on.
Juego::Juego(Casillas& casillas) : casillas_(casillas), linea_(Traducir("Form1", "Pulse F1 para ayuda"))
{
    e_.Nivel = 7;
    e_.SonidoActivo = true;
}

void Juego::Decir(const std::string& texto)
{
    linea_ = texto;
    dicho_ = texto;
    tecleado_ = false;
}

Resultado Juego::Publicar()
{
    if (dia_ && contando_ && DelDiaCompleto()) GanarDelDia();
    // A typed character is heard as typed; everything else may name empty cells.
    if (!dicho_.empty()) r_.dicho = tecleado_ ? dicho_ : Frases::Pronunciar(dicho_);
    dicho_.clear();
    tecleado_ = false;
    Resultado r = std::move(r_);
    r_ = Resultado{};
    return r;
}

Resultado Juego::Pulsar(int codigo, int digitoTeclado, std::u16string_view caracteres)
{
    TeclaAbajo(codigo, digitoTeclado);
    for (const char16_t c : caracteres) Caracter(c);
    return Publicar();
}

Resultado Juego::Tocar(int16_t indice)
{
    EmpezarTecla(0);
    if (indice >= 0 && indice < 81) IrA(indice);
    return Publicar();
}

Resultado Juego::TocarCifra(int16_t digito)
{
    EmpezarTecla(0);
    if (digito < 1 || digito > 9) return Publicar();
    if (e_.ModoEscritura) Caracter('0' + digito);
    else if (e_.ModoNotas) TeclaNota(digito);
    else EscribirDigito(digito);
    return Publicar();
}

Resultado Juego::Anunciar(const std::string& texto)
{
    Decir(texto);
    return Publicar();
}

Resultado Juego::SoloDecir(const std::string& texto)
{
    dicho_ = texto;
    tecleado_ = false;
    return Publicar();
}

Resultado Juego::Enfocado()
{
    if (!focoRecibido_) {
        focoRecibido_ = true;   // the first arrival is silent
        return {};
    }
    return Anunciar(Traducir("DetectorTeclas", "Cursor sobre detector de teclas"));
}

void Juego::CasillaEnfocada(int16_t indice)
{
    const std::string t = Texto(indice);
    if (UnidadesUtf16(t) > 2) linea_ = t;
}

void Juego::EmpezarTecla(int codigo)
{
    if (codigo != VK_H || e_.ModoEscritura) partesDichas_ = 0;   // a hint's chain goes on only with H after H
    pensando_ = 0;   // any key drops what H or G was thinking
    compartirConX_ = recienGanado_;   // X shares a win only as the very next key
    recienGanado_ = false;
    dicho_.clear();
    tecleado_ = false;
    if (!e_.ModoEscritura) linea_.clear();
}

void Juego::TeclaAbajo(int codigo, int digitoTeclado)
{
    // In notes mode and direct entry the keypad gives its digits, also where NumLock off makes them movements.
    if (digitoTeclado != 0 && (e_.ModoNotas || e_.EscrituraDirecta) && !e_.ModoEscritura)
        codigo = VK_NUMPAD0 + digitoTeclado;
    EmpezarTecla(codigo);

    const int16_t f = e_.FilaActual, c = e_.ColumnaActual;
    auto s = [](int v) { return static_cast<int16_t>(v); };
    switch (codigo) {
    case VK_LEFT: Mover(c == 0, f, s(c - 1), c - 1 == 2 || c - 1 == 5); break;
    case VK_RIGHT: Mover(c == 8, f, s(c + 1), c + 1 == 3 || c + 1 == 6); break;
    case VK_UP: Mover(f == 0, s(f - 1), c, f - 1 == 2 || f - 1 == 5); break;
    case VK_DOWN: Mover(f == 8, s(f + 1), c, f + 1 == 3 || f + 1 == 6); break;
    case VK_HOME: Mover(c == 0, f, 0, false, true); break;
    case VK_END: Mover(c == 8, f, 8, false, true); break;
    case VK_PRIOR: Mover(f == 0, 0, c, false, true); break;
    case VK_NEXT: Mover(f == 8, 8, c, false, true); break;
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
    case VK_APPS: r_.botonera = true; break;
    default: TeclaAnadida(codigo); break;
    }
}

void Juego::Mover(bool refusada, int16_t fila, int16_t columna, bool conSonido, bool salto)
{
    if (refusada) Pitar();
    else MoverCursor(fila, columna, conSonido, salto);
}

void Juego::MoverCursor(int16_t fila, int16_t columna, bool conSonido, bool salto)
{
    const int16_t filaAntes = e_.FilaActual, columnaAntes = e_.ColumnaActual;
    casillas_.SeleccionarCasilla(e_.CasillaActual, false);
    e_.FilaActual = fila;
    e_.ColumnaActual = columna;
    e_.CasillaActual = static_cast<int16_t>(fila * 9 + columna);
    casillas_.SeleccionarCasilla(e_.CasillaActual, true);
    if (conSonido) SonidoPanel();
    AnunciarCasilla();
    SonarCasilla();
    DecirLugar(filaAntes, columnaAntes, salto);
}

void Juego::SonidoPanel()
{
    r_.panel = true;
    r_.panelSuena = e_.SonidoActivo;
}

void Juego::AnunciarCasilla()
{
    const int i = e_.CasillaActual;
    const std::string t = Texto(i);
    const bool larga = UnidadesUtf16(SinBlancos(t)) > 1;
    if (larga) linea_ = t;
    // The screen reader cannot see the highlight, so the cell itself is always heard.
    dicho_ = larga ? t : SinBlancos(t);
    if (e_.Originales[i] && e_.AvisoOriginal) {
        linea_ += " O ";
        dicho_ += " O ";
    }
    if (e_.Provisionales[i]) {
        linea_ += " P ";
        dicho_ += " P ";
    }
    dicho_ = ConNotas(dicho_, i);
}

// A cell with notes is heard with them, in the same breath; the line keeps its designed text.
std::string Juego::ConNotas(const std::string& oido, int indice) const
{
    if (e_.Notas[indice] == 0) return oido;
    return SinBlancos(oido) + ", " + Frases::Notas(DigitosNotados(e_.Notas[indice]));
}

void Juego::Refrescar()
{
    casillas_.SeleccionarCasilla(e_.CasillaActual, false);
    casillas_.SeleccionarCasilla(e_.CasillaActual, true);
    const std::string t = Texto(e_.CasillaActual);
    const bool larga = UnidadesUtf16(SinBlancos(t)) > 1;
    if (larga) linea_ = t;
    dicho_ = ConNotas(larga ? t : SinBlancos(t), e_.CasillaActual);
}

void Juego::Borrar()
{
    const int i = e_.CasillaActual;
    if (e_.ModoEscritura) {
        linea_.clear();
    } else if (e_.Originales[i]) {
        Decir(Traducir("DetectorTeclas", "Imposible borrar ese número. Pertenece a los datos originales."));
    } else {
        BorrarCasilla(e_, casillas_, e_.CasillaActual);
        dicho_ = "-";   // the line stays empty; the player still hears the cell emptied
    }
}

void Juego::AnexarCasilla(std::string& linea, int indice) const
{
    linea += SinBlancos(Texto(indice)) + ' ';
    if (e_.Provisionales[indice]) linea += "P ";
}

// The lines are built whole and written once: the reader hears one utterance.
void Juego::LeerColumna()
{
    std::string linea;
    for (int r = 0; r < 9; ++r) AnexarCasilla(linea, r * 9 + e_.ColumnaActual);
    Decir(linea);
    SonarGrupo(GrupoColumnas + e_.ColumnaActual);
}

void Juego::LeerFila()
{
    std::string linea;
    for (int c = 0; c < 9; ++c) AnexarCasilla(linea, e_.FilaActual * 9 + c);
    Decir(linea);
    SonarGrupo(GrupoFilas + e_.FilaActual);
}

void Juego::LeerPanel()
{
    const int s = (e_.FilaActual - (e_.FilaActual % 3)) * 9 + (e_.ColumnaActual / 3) * 3;
    std::string linea;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) AnexarCasilla(linea, s + r * 9 + c);
        linea.pop_back();   // the blank just appended becomes a full stop and a blank
        linea += ". ";
    }
    Decir(linea);
    SonarGrupo(GrupoPaneles + PanelDe(e_.CasillaActual));
}

void Juego::LeerCasilla()
{
    Decir(Texto(e_.CasillaActual));
}

void Juego::CambiarAviso()
{
    e_.AvisoOriginal = !e_.AvisoOriginal;
    Decir(Traducir("DetectorTeclas", "Aviso de número original ") + (e_.AvisoOriginal ? Traducir("DetectorTeclas", "activado") : Traducir("DetectorTeclas", "desactivado")));
}

void Juego::CambiarProvisional()
{
    const int i = e_.CasillaActual;
    if (e_.Originales[i]) return;
    if (Texto(i) == "-" && !e_.Provisionales[i]) {
        Pitar();
        return;
    }
    if (e_.ModoEscritura) return;
    CambiarCasilla(e_, casillas_, e_.CasillaActual, casillas_.Texto(e_.CasillaActual), !e_.Provisionales[i]);
    Decir(e_.Provisionales[i] ? Traducir("DetectorTeclas", "Provisional") : Traducir("DetectorTeclas", "No provisional"));
}

void Juego::CambiarLinea()
{
    lineaOculta_ = !lineaOculta_;
    r_.lineaMostrada = true;
}

void Juego::CambiarSonido()
{
    e_.SonidoActivo = !e_.SonidoActivo;
    Decir(e_.SonidoActivo ? Traducir("DetectorTeclas", "Sonido activado") : Traducir("DetectorTeclas", "Sonido desactivado"));
}

// E: heard, not written; the line keeps its text.
void Juego::AvisarRepeticion()
{
    if (!e_.AvisoRepetido) return;
    const Repeticion donde = Repetido(casillas_, e_.CasillaActual);
    if (donde.Alguna()) dicho_ = SinBlancos(dicho_) + ". " + Frases::Repeticiones(donde);
}

void Juego::Caracter(int unidad)
{
    //: The word every write-mode message of the line holds, as they are translated.
    if (mensajeModo_ && linea_.find(Traducir("DetectorTeclas", "Modo")) != std::string::npos) {
        linea_.clear();
        mensajeModo_ = false;
    }
    if (unidad == VK_RETURN || unidad == VK_SPACE) {
        e_.CasillaActual = static_cast<int16_t>(e_.FilaActual * 9 + e_.ColumnaActual);
        if (e_.Originales[e_.CasillaActual]) {
            Decir(Traducir("DetectorTeclas", "Modo escritura no disponible. Valor original bajo el cursor.   "));
            mensajeModo_ = true;
            e_.ModoEscritura = false;
        } else if (!e_.ModoEscritura) {
            e_.ModoEscritura = true;
            Decir(Traducir("DetectorTeclas", "Modo escritura activado"));
            mensajeModo_ = true;
        } else {
            if (unidad != VK_SPACE) e_.ModoEscritura = false;
            CambiarCasilla(e_, casillas_, e_.CasillaActual, linea_, e_.Provisionales[e_.CasillaActual]);
            Decir(Traducir("DetectorTeclas", "Modo escritura desactivado "));
            AvisarRepeticion();
            SonarEscrita(e_.CasillaActual);
            mensajeModo_ = true;
            lineaEnEntrada_ = false;
        }
    } else if (e_.ModoEscritura && unidad != VK_BACK) {
        lineaEnEntrada_ = true;
        // A character beyond the basic plane comes in two halves: it is written and heard whole.
        const auto u = static_cast<char32_t>(unidad);
        if (u >= PrimeraSustituta && u < PrimeraBaja) {
            alta_ = static_cast<char16_t>(u);
            return;
        }
        char32_t caracter = u;
        if (u >= PrimeraBaja && u < TrasSustitutas) {
            if (alta_ == 0) return;   // half a character alone is no text
            caracter = 0x10000 + ((static_cast<char32_t>(alta_) - PrimeraSustituta) << 10) + (u - PrimeraBaja);
        }
        alta_ = 0;
        std::string escrito;
        AnexarCaracter(escrito, caracter);
        linea_ += escrito;
        dicho_ = escrito;
        tecleado_ = true;
    }
}
