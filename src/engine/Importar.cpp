// SPDX-License-Identifier: GPL-3.0-or-later
#include "Importar.h"
#include <algorithm>

int SudokuLeido::Dados() const
{
    return static_cast<int>(81 - std::count(dados.begin(), dados.end(), 0));
}

SudokuLeido LeerSudoku(std::string_view texto)
{
    SudokuLeido s;
    for (const char c : texto) {
        const bool digito = c >= '0' && c <= '9';
        if (!digito && c != '.') continue;
        if (s.casillas < 81) s.dados[s.casillas] = static_cast<int8_t>(digito ? c - '0' : 0);
        if (++s.casillas == CasillasDeMas) break;
    }
    if (s.casillas != 81) {
        s.rechazo = Rechazo::Casillas;
        return s;
    }

    // Rows, then columns, then panels: the first repeat found is the one named.
    const auto& grupos = GruposDeCasillas();
    for (size_t g = 0; g < grupos.size(); ++g) {
        unsigned vistos = 0;
        for (const int8_t i : grupos[g]) {
            const int d = s.dados[i];
            if (!d) continue;
            if (vistos & (1u << d)) {
                s.rechazo = Rechazo::Repetido;
                s.digito = static_cast<int8_t>(d);
                s.grupo = {static_cast<TipoGrupo>(g / 9), static_cast<int8_t>(g % 9)};
                return s;
            }
            vistos |= 1u << d;
        }
    }

    Digitos halladas[2];
    switch (ContarSoluciones(s.dados, 2, halladas)) {
    case 0: s.rechazo = Rechazo::SinSolucion; break;
    case 1: s.solucion = halladas[0]; break;
    case SolucionesDesconocidas: s.rechazo = Rechazo::Inabarcable; break;
    default: s.rechazo = Rechazo::VariasSoluciones; break;
    }
    return s;
}
