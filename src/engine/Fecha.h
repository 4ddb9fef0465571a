// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <compare>
#include <cstdint>

// A day of the proleptic Gregorian calendar, as the player's local clock names it.
struct Fecha {
    int anio = 1970;
    int mes = 1;   // 1..12
    int dia = 1;   // 1..31
    auto operator<=>(const Fecha&) const = default;
};

bool FechaValida(const Fecha& f);
// Days since 1 January 1970 (negative before), so two days are consecutive when they differ by one.
int64_t DiasDesdeEpoca(const Fecha& f);
Fecha FechaDeDias(int64_t dias);
// 0 Monday … 6 Sunday.
int DiaDeLaSemana(const Fecha& f);
