// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-number calendar arithmetic (the civil-from-days method), the same on every platform.
#include "Fecha.h"

namespace {

constexpr int DiasPorEra = 146097;   // 400 Gregorian years
constexpr int AniosPorEra = 400;
constexpr int DiasDe1970 = 719468;   // 1 March of year 0 to 1 January 1970
constexpr int JuevesDe1970 = 3;      // 1 January 1970 was a Thursday: 3 days after a Monday

bool Bisiesto(int anio) { return (anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0; }

int64_t Piso(int64_t a, int64_t b) { return a >= 0 ? a / b : (a - b + 1) / b; }

} // namespace

bool FechaValida(const Fecha& f)
{
    constexpr int diasDelMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (f.mes < 1 || f.mes > 12 || f.dia < 1) return false;
    const int tope = diasDelMes[f.mes - 1] + (f.mes == 2 && Bisiesto(f.anio) ? 1 : 0);
    return f.dia <= tope;
}

int64_t DiasDesdeEpoca(const Fecha& f)
{
    const int64_t anio = f.anio - (f.mes <= 2 ? 1 : 0);
    const int64_t era = Piso(anio, AniosPorEra);
    const int64_t anioDeEra = anio - era * AniosPorEra;
    const int64_t diaDelAnio = (153 * (f.mes + (f.mes > 2 ? -3 : 9)) + 2) / 5 + f.dia - 1;
    const int64_t diaDeEra = anioDeEra * 365 + anioDeEra / 4 - anioDeEra / 100 + diaDelAnio;
    return era * DiasPorEra + diaDeEra - DiasDe1970;
}

Fecha FechaDeDias(int64_t dias)
{
    dias += DiasDe1970;
    const int64_t era = Piso(dias, DiasPorEra);
    const int64_t diaDeEra = dias - era * DiasPorEra;
    const int64_t anioDeEra = (diaDeEra - diaDeEra / 1460 + diaDeEra / 36524 - diaDeEra / 146096) / 365;
    const int64_t diaDelAnio = diaDeEra - (365 * anioDeEra + anioDeEra / 4 - anioDeEra / 100);
    const int64_t mp = (5 * diaDelAnio + 2) / 153;
    Fecha f;
    f.dia = static_cast<int>(diaDelAnio - (153 * mp + 2) / 5 + 1);
    f.mes = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    f.anio = static_cast<int>(anioDeEra + era * AniosPorEra + (f.mes <= 2 ? 1 : 0));
    return f;
}

int DiaDeLaSemana(const Fecha& f)
{
    constexpr int64_t Semana = 7;
    const int64_t d = DiasDesdeEpoca(f) + JuevesDe1970;
    return static_cast<int>(d - Piso(d, Semana) * Semana);
}
