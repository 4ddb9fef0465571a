// SPDX-License-Identifier: GPL-3.0-or-later
// The sudoku of the day, the time played, and the record of the days solved.
#include "Frases.h"
#include "FrasesDia.h"
#include "Juego.h"
#include "Texto.h"
#include <algorithm>

namespace {

constexpr int64_t MilisegundosPorSegundo = 1000;

} // namespace

int64_t Juego::Milisegundos() const
{
    if (!desde_ || !Ahora) return milisegundos_;
    // A clock that went back counts nothing rather than taking time away.
    return milisegundos_ + std::max<int64_t>(0, Ahora() - *desde_);
}

void Juego::Pausar()
{
    milisegundos_ = Milisegundos();
    desde_.reset();
    pausado_ = true;
}

void Juego::Seguir()
{
    pausado_ = false;
    if (Ahora && contando_ && !desde_) desde_ = Ahora();
}

void Juego::EmpezarCuenta(int64_t milisegundos, int pistas, std::optional<Fecha> dia)
{
    milisegundos_ = milisegundos;
    pistas_ = pistas;
    dia_ = dia;
    contando_ = true;
    desde_.reset();
    recienGanado_ = false;
    if (Ahora && !pausado_) desde_ = Ahora();
}

void Juego::DetenerCuenta()
{
    milisegundos_ = Milisegundos();
    desde_.reset();
    contando_ = false;
}

Fecha Juego::HoyOUltimo() const
{
    if (Hoy) return Hoy();
    return marcas_.ultimo.value_or(Fecha{});
}

Resultado Juego::SudokuDelDia()
{
    const Fecha hoy = HoyOUltimo();
    if (dia_ && *dia_ == hoy) return Anunciar(Frases::DiaEnJuego());
    if (marcas_.ultimo && *marcas_.ultimo == hoy) return Anunciar(Frases::DiaYaResuelto());
    const SudokuHecho hecho = ::SudokuDelDia(hoy);
    const Dificultad dificultad = DificultadDelDia(hoy);
    Resultado r = EmpezarHecho(hecho, dificultad);
    EmpezarCuenta(0, 0, hoy);
    const auto dados = static_cast<int>(std::count_if(hecho.dados.begin(), hecho.dados.end(), [](int8_t d) { return d != 0; }));
    r.dicho = Frases::SudokuDelDia(hoy, dificultad, dados);
    r.partidaEmpezada = true;
    return r;
}

void Juego::DecirTiempo()
{
    const int64_t segundos = Milisegundos() / MilisegundosPorSegundo;
    std::optional<int> racha;
    if (dia_) racha = RachaVigente(marcas_, HoyOUltimo());
    Decir(Frases::TiempoJugado(segundos, racha));
}

bool Juego::DelDiaCompleto() const
{
    for (int i = 0; i < 81; ++i)
        if (SinBlancos(Texto(i)) != std::to_string(e_.Solucion[static_cast<size_t>(i / 9)][static_cast<size_t>(i % 9)])) return false;
    return true;
}

// Heard after what the finishing key said, in the same breath.
void Juego::GanarDelDia()
{
    const Fecha dia = *dia_;
    DetenerCuenta();
    dia_.reset();
    const int64_t segundos = milisegundos_ / MilisegundosPorSegundo;
    marcas_ = AnotarResuelto(marcas_, dia, DificultadDelDia(dia), segundos, pistas_);
    r_.marcasCambiadas = true;
    const int racha = std::max(RachaVigente(marcas_, HoyOUltimo()), marcas_.ultimo == dia ? marcas_.racha : 0);
    victoria_ = Victoria{dia, segundos, pistas_, racha};
    recienGanado_ = true;
    const std::string dicho = Frases::DiaResuelto(segundos, pistas_, racha);
    const std::string antes = tecleado_ ? dicho_ : Frases::Pronunciar(dicho_);
    linea_ = dicho;
    dicho_ = SinBlancos(antes).empty() ? dicho : SinBlancos(antes) + ". " + dicho;
    tecleado_ = true;   // already pronounced
}

Resultado Juego::Estadisticas()
{
    return Anunciar(Frases::Estadisticas(marcas_, HoyOUltimo()));
}

std::optional<std::string> Juego::LineaResultado() const
{
    std::optional<Victoria> v = victoria_;
    if (!v && marcas_.ultimo) v = Victoria{*marcas_.ultimo, marcas_.segundosUltimo, marcas_.pistasUltimo, marcas_.racha};
    if (!v) return std::nullopt;
    return Frases::LineaCompartir(v->dia, DificultadDelDia(v->dia), v->segundos, v->pistas, v->racha);
}

Resultado Juego::CompartirResultado()
{
    const std::optional<std::string> linea = LineaResultado();
    if (!linea) return Anunciar(Frases::SinResultado());
    Resultado r = Anunciar(Frases::ResultadoCopiado(*linea));
    r.portapapeles = *linea;
    return r;
}
