// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrasesDia.h"
#include "Frases.h"
#include "Palabras.h"
#include <iterator>

// Marks the texts kept in tables for lupdate; they are translated when said.
#define QT_TRANSLATE_NOOP(contexto, texto) texto

namespace {

constexpr int64_t SegundosPorMinuto = 60, SegundosPorHora = 3600;

std::string N(int64_t numero) { return std::to_string(numero); }

std::string Mes(int mes)
{
    const char* const meses[] = {
        QT_TRANSLATE_NOOP("FrasesDia", "enero"),   QT_TRANSLATE_NOOP("FrasesDia", "febrero"),    QT_TRANSLATE_NOOP("FrasesDia", "marzo"),
        QT_TRANSLATE_NOOP("FrasesDia", "abril"),   QT_TRANSLATE_NOOP("FrasesDia", "mayo"),       QT_TRANSLATE_NOOP("FrasesDia", "junio"),
        QT_TRANSLATE_NOOP("FrasesDia", "julio"),   QT_TRANSLATE_NOOP("FrasesDia", "agosto"),     QT_TRANSLATE_NOOP("FrasesDia", "septiembre"),
        QT_TRANSLATE_NOOP("FrasesDia", "octubre"), QT_TRANSLATE_NOOP("FrasesDia", "noviembre"),  QT_TRANSLATE_NOOP("FrasesDia", "diciembre"),
    };
    if (mes < 1 || mes > static_cast<int>(std::size(meses))) return N(mes);
    return Traducir("FrasesDia", meses[mes - 1]);
}

// "sin pistas", "con 1 pista", "con 3 pistas".
std::string ConPistas(int pistas)
{
    if (pistas == 0) return Traducir("FrasesDia", "sin pistas");
    if (pistas == 1) return Traducir("FrasesDia", "con 1 pista");
    return Sustituir(Traducir("FrasesDia", "con %1 pistas"), {N(pistas)});
}

} // namespace

namespace Frases {

std::string DiaYMes(const Fecha& f)
{
    //: %1 the day of the month, %2 the month's name.
    return Sustituir(Traducir("FrasesDia", "%1 de %2"), {N(f.dia), Mes(f.mes)});
}

std::string FechaCompleta(const Fecha& f)
{
    //: %1 the day of the month, %2 the month's name, %3 the year.
    return Sustituir(Traducir("FrasesDia", "%1 de %2 de %3"), {N(f.dia), Mes(f.mes), N(f.anio)});
}

std::string SudokuDelDia(const Fecha& fecha, ::Dificultad dificultad, int dados)
{
    return Sustituir(Traducir("FrasesDia", "Sudoku del día, %1: %2, %3 números dados"),
                     {DiaYMes(fecha), NombreDificultad(dificultad), N(dados)});
}

std::string DiaEnJuego() { return Traducir("FrasesDia", "El sudoku del día ya está en juego"); }

std::string DiaYaResuelto()
{
    return Traducir("FrasesDia", "El sudoku de hoy ya está resuelto. Sigue la partida en juego");
}

std::string Duracion(int64_t segundos)
{
    const int64_t h = segundos / SegundosPorHora, m = segundos % SegundosPorHora / SegundosPorMinuto, s = segundos % SegundosPorMinuto;
    std::string t;
    auto anadir = [&t](std::string pieza) { t += (t.empty() ? "" : " ") + pieza; };
    if (h > 0) anadir(h == 1 ? Traducir("FrasesDia", "1 hora") : Sustituir(Traducir("FrasesDia", "%1 horas"), {N(h)}));
    if (m > 0) anadir(m == 1 ? Traducir("FrasesDia", "1 minuto") : Sustituir(Traducir("FrasesDia", "%1 minutos"), {N(m)}));
    if (s > 0 || t.empty()) anadir(s == 1 ? Traducir("FrasesDia", "1 segundo") : Sustituir(Traducir("FrasesDia", "%1 segundos"), {N(s)}));
    return t;
}

// Units as written, the same in every language the game speaks.
std::string DuracionCorta(int64_t segundos)
{
    const int64_t h = segundos / SegundosPorHora, m = segundos % SegundosPorHora / SegundosPorMinuto, s = segundos % SegundosPorMinuto;
    std::string t;
    if (h > 0) t += N(h) + " h ";
    if (h > 0 || m > 0) t += N(m) + " min ";
    return t + N(s) + " s";
}

std::string Racha(int dias)
{
    return dias == 1 ? Traducir("FrasesDia", "Racha: 1 día") : Sustituir(Traducir("FrasesDia", "Racha: %1 días"), {N(dias)});
}

std::string TiempoJugado(int64_t segundos, std::optional<int> racha)
{
    return racha ? Duracion(segundos) + ". " + Racha(*racha) : Duracion(segundos);
}

std::string DiaResuelto(int64_t segundos, int pistas, int racha)
{
    return Sustituir(Traducir("FrasesDia", "Sudoku del día resuelto en %1, %2. %3"), {Duracion(segundos), ConPistas(pistas), Racha(racha)});
}

std::string LineaCompartir(const Fecha& dia, ::Dificultad dificultad, int64_t segundos, int pistas, int racha)
{
    return Sustituir(Traducir("FrasesDia", "NOVARO, sudoku del %1 (%2): %3, %4. %5."),
                     {FechaCompleta(dia), NombreDificultad(dificultad), DuracionCorta(segundos), ConPistas(pistas), Racha(racha)});
}

std::string ResultadoCopiado(const std::string& linea)
{
    return Sustituir(Traducir("FrasesDia", "Resultado copiado: %1"), {linea});
}

std::string SinResultado() { return Traducir("FrasesDia", "Todavía no hay ningún sudoku del día resuelto que compartir"); }

std::string Estadisticas(const Marcas& m, const Fecha& hoy)
{
    if (m.resueltos == 0) return Traducir("FrasesDia", "Todavía no ha resuelto ningún sudoku del día");
    std::string t = m.resueltos == 1 ? Traducir("FrasesDia", "1 sudoku del día resuelto")
                                     : Sustituir(Traducir("FrasesDia", "%1 sudokus del día resueltos"), {N(m.resueltos)});
    t += ". " + Racha(RachaVigente(m, hoy));
    t += ". " + Sustituir(Traducir("FrasesDia", "Mejor racha: %1"), {m.mejorRacha == 1 ? Traducir("FrasesDia", "1 día") : Sustituir(Traducir("FrasesDia", "%1 días"), {N(m.mejorRacha)})});
    std::string tiempos;
    for (int k = static_cast<int>(::Dificultad::Sencillo); k < Dificultades; ++k) {
        const auto d = static_cast<::Dificultad>(k);
        if (const std::optional<int64_t> s = MejorTiempo(m, d))
            tiempos += (tiempos.empty() ? "" : "; ") + NombreDificultad(d) + ", " + Duracion(*s);
    }
    if (!tiempos.empty()) t += ". " + Sustituir(Traducir("FrasesDia", "Mejores tiempos: %1"), {tiempos});
    return t;
}

std::string MarcasDanadas()
{
    return Traducir("FrasesDia", "El registro de los sudokus del día estaba dañado: se ha apartado y empieza uno nuevo.");
}

std::string MarcasNoGuardadas(const std::string& motivo)
{
    return Sustituir(Traducir("FrasesDia", "No se ha podido guardar el registro de los sudokus del día. %1"), {motivo});
}

} // namespace Frases
