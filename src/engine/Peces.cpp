// SPDX-License-Identifier: GPL-3.0-or-later
// The fish: when in n rows a digit fits only in the same n columns, each of those
// columns gets its digit from one of those rows, so the rest of the columns cannot
// take it (and the same with rows and columns swapped). n = 2 is the X-Wing, 3 the
// Swordfish.
#include "Tecnicas.h"

namespace tecnicas {

namespace {

TipoGrupo Cruzada(TipoGrupo t) { return t == TipoGrupo::Fila ? TipoGrupo::Columna : TipoGrupo::Fila; }

bool EnLineas(const Eliminacion& e, int i)
{
    for (int k = 0; k < e.cuantos; ++k)
        if (Contiene(e.lineas[k], i)) return true;
    return false;
}

bool BienFormado(const Eliminacion& e)
{
    if (e.cuantos < 2 || e.cuantos > 3 || e.digito < 1 || e.digito > 9) return false;
    const TipoGrupo tipo = e.lineas[0].tipo;
    if (tipo == TipoGrupo::Panel) return false;
    for (int k = 0; k < e.cuantos; ++k) {
        if (e.lineas[k].tipo != tipo || e.cubiertas[k].tipo != Cruzada(tipo)) return false;
        if (e.lineas[k].numero < 0 || e.lineas[k].numero > 8 || e.cubiertas[k].numero < 0 || e.cubiertas[k].numero > 8)
            return false;
    }
    return true;
}

} // namespace

std::optional<Eliminacion> BuscarPez(const Mascaras& c, int cuantos)
{
    for (int8_t d = 1; d <= 9; ++d)
        for (TipoGrupo tipo : {TipoGrupo::Fila, TipoGrupo::Columna}) {
            // Bit k of lugares[n]: the digit fits where line n crosses line k the other way.
            std::array<uint16_t, 9> lugares{};
            int elegibles[9], n = 0;
            for (int8_t l = 0; l < 9; ++l) {
                lugares[l] = Lugares(c, {tipo, l}, d);
                const int cuenta = std::popcount(lugares[l]);
                if (cuenta >= 2 && cuenta <= cuantos) elegibles[n++] = l;
            }
            auto probar = [&](std::array<int, 3> ls) -> std::optional<Eliminacion> {
                uint16_t juntos = 0;
                for (int k = 0; k < cuantos; ++k) juntos = static_cast<uint16_t>(juntos | lugares[ls[k]]);
                if (std::popcount(juntos) != cuantos) return std::nullopt;
                Eliminacion e;
                e.tipo = cuantos == 2 ? TipoEliminacion::AlaX : TipoEliminacion::PezEspada;
                e.digito = d;
                e.cuantos = static_cast<int8_t>(cuantos);
                for (int k = 0; k < cuantos; ++k) {
                    e.lineas[k] = {tipo, static_cast<int8_t>(ls[k])};
                    e.cubiertas[k] = {Cruzada(tipo), static_cast<int8_t>(std::countr_zero(juntos))};
                    juntos &= juntos - 1;
                }
                return SiQuita(c, std::move(e));
            };
            for (int a = 0; a < n; ++a)
                for (int b = a + 1; b < n; ++b) {
                    if (cuantos == 2) {
                        if (auto e = probar({elegibles[a], elegibles[b], -1})) return e;
                        continue;
                    }
                    for (int k = b + 1; k < n; ++k)
                        if (auto e = probar({elegibles[a], elegibles[b], elegibles[k]})) return e;
                }
        }
    return std::nullopt;
}

// In its lines the digit fits only on the crossing lines: elsewhere on those it cannot go.
bool ConsecuenciasPez(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    if (!BienFormado(e)) return false;
    for (int k = 0; k < e.cuantos; ++k) {
        bool alguno = false;
        for (int8_t i : Celdas(e.lineas[k]))
            if (c[i] & Bit(e.digito)) {
                bool cubierta = false;
                for (int j = 0; j < e.cuantos; ++j) cubierta = cubierta || Contiene(e.cubiertas[j], i);
                if (!cubierta) return false;
                alguno = true;
            }
        if (!alguno) return false;
    }
    for (int k = 0; k < e.cuantos; ++k)
        for (int8_t i : Celdas(e.cubiertas[k]))
            if (!EnLineas(e, i)) Quitar(c, i, Bit(e.digito), quitados);
    return true;
}

} // namespace tecnicas
