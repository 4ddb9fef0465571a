// SPDX-License-Identifier: GPL-3.0-or-later
#include "Razonamiento.h"
#include "Tecnicas.h"
#include <algorithm>

using namespace tecnicas;

namespace {

// The only cell of the group where the digit can still go, or -1.
int UnicoLugar(const Mascaras& c, Grupo g, int digito)
{
    int donde = -1;
    for (int8_t i : Celdas(g))
        if (c[i] & Bit(digito)) {
            if (donde >= 0) return -1;
            donde = i;
        }
    return donde;
}

// The first cell of the group where the digit can still go, or -1.
int PrimerLugar(const Mascaras& c, Grupo g, int digito)
{
    for (int8_t i : Celdas(g))
        if (c[i] & Bit(digito)) return i;
    return -1;
}

bool SigueValiendo(const Mascaras& c, const Paso& p)
{
    if (p.tecnica == Tecnica::SoloCabe) return c[p.celda] == Bit(p.digito);
    return UnicoLugar(c, p.grupo, p.digito) == p.celda;
}

std::optional<Paso> BuscarSencillo(const Mascaras& c, int desde)
{
    for (int k = 0; k < 81; ++k) {
        const int i = (desde + k) % 81;
        if (std::has_single_bit(c[i]))
            return Paso{static_cast<int16_t>(i), static_cast<int16_t>(std::countr_zero(c[i]) + 1), Tecnica::SoloCabe, {}, {}};
    }
    for (Grupo (*grupoDe)(int) : {FilaDeCelda, ColumnaDeCelda, PanelDeCelda})
        for (int k = 0; k < 81; ++k) {
            const int i = (desde + k) % 81;
            for (uint16_t m = c[i]; m; m &= m - 1) {
                const int d = std::countr_zero(m) + 1;
                if (UnicoLugar(c, grupoDe(i), d) == i)
                    return Paso{static_cast<int16_t>(i), static_cast<int16_t>(d), Tecnica::SoloUnLugar, grupoDe(i), {}};
            }
        }
    return std::nullopt;
}

void Aplicar(Mascaras& c, const std::vector<Candidato>& quitados)
{
    for (const Candidato& q : quitados) c[q.celda] = static_cast<uint16_t>(c[q.celda] & ~Bit(q.digito));
}

// The eliminations replayed from the start, each still holding; what the step needs
// of them, each with what it rules out there, or none when one no longer holds or
// the step does not follow.
std::optional<std::vector<Eliminacion>> Reproducir(Mascaras c, const std::vector<Eliminacion>& cadena, const Paso& paso)
{
    std::vector<Eliminacion> utiles;
    std::vector<Candidato> quitados;
    for (const Eliminacion& e : cadena) {
        quitados.clear();
        if (!Consecuencias(c, e, quitados)) return std::nullopt;
        if (quitados.empty()) continue;
        Aplicar(c, quitados);
        utiles.push_back(e);
        utiles.back().quitados = quitados;
    }
    if (!SigueValiendo(c, paso)) return std::nullopt;
    return utiles;
}

// Drops, oldest first, every elimination the step can do without; stops short
// once parar is raised.
std::vector<Eliminacion> Necesarias(const Mascaras& base, std::vector<Eliminacion> cadena, const Paso& paso,
                                    const std::atomic<bool>* parar)
{
    for (size_t k = 0; k < cadena.size() && !Parar(parar);) {
        std::vector<Eliminacion> sin = cadena;
        sin.erase(sin.begin() + static_cast<std::ptrdiff_t>(k));
        if (auto menos = Reproducir(base, sin, paso)) cadena = std::move(*menos);
        else ++k;
    }
    return cadena;
}

} // namespace

namespace tecnicas {

std::optional<Eliminacion> BuscarEnUnaLinea(const Mascaras& c)
{
    for (int8_t p = 0; p < 9; ++p)
        for (int8_t d = 1; d <= 9; ++d) {
            const Grupo panel{TipoGrupo::Panel, p};
            const int primera = PrimerLugar(c, panel, d);
            if (primera < 0) continue;
            for (Grupo linea : {FilaDeCelda(primera), ColumnaDeCelda(primera)}) {
                Eliminacion e;
                e.tipo = TipoEliminacion::EnUnaLinea;
                e.donde = panel;
                e.hacia = linea;
                e.digito = d;
                if (auto hallada = SiQuita(c, std::move(e))) return hallada;
            }
        }
    return std::nullopt;
}

std::optional<Eliminacion> BuscarEnUnPanel(const Mascaras& c)
{
    for (TipoGrupo tipo : {TipoGrupo::Fila, TipoGrupo::Columna})
        for (int8_t n = 0; n < 9; ++n)
            for (int8_t d = 1; d <= 9; ++d) {
                const Grupo linea{tipo, n};
                const int primera = PrimerLugar(c, linea, d);
                if (primera < 0) continue;
                Eliminacion e;
                e.tipo = TipoEliminacion::EnUnPanel;
                e.donde = linea;
                e.hacia = PanelDeCelda(primera);
                e.digito = d;
                if (auto hallada = SiQuita(c, std::move(e))) return hallada;
            }
    return std::nullopt;
}

// Every place of the digit in donde lies in hacia: the rest of hacia cannot take it.
bool ConsecuenciasEncierro(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    bool alguna = false;
    for (int8_t i : Celdas(e.donde))
        if (c[i] & Bit(e.digito)) {
            if (!Contiene(e.hacia, i)) return false;
            alguna = true;
        }
    if (!alguna) return false;
    for (int8_t i : Celdas(e.hacia))
        if (!Contiene(e.donde, i)) Quitar(c, i, Bit(e.digito), quitados);
    return true;
}

} // namespace tecnicas

Mascaras MascarasDe(const Digitos& t)
{
    Mascaras c{};
    for (int i = 0; i < 81; ++i) {
        if (t[i]) continue;
        uint16_t usados = 0;
        for (int8_t v : Vecinas()[i])
            if (t[v]) usados |= Bit(t[v]);
        c[i] = static_cast<uint16_t>(0x1FF & ~usados);
    }
    return c;
}

bool Consecuencias(const Mascaras& c, const Eliminacion& e, std::vector<Candidato>& quitados)
{
    quitados.clear();
    switch (e.tipo) {
    case TipoEliminacion::EnUnaLinea:
    case TipoEliminacion::EnUnPanel: return ConsecuenciasEncierro(c, e, quitados);
    case TipoEliminacion::Pareja:
    case TipoEliminacion::Trio: return ConsecuenciasDesnudo(c, e, quitados);
    case TipoEliminacion::ParejaOculta:
    case TipoEliminacion::TrioOculto: return ConsecuenciasOculto(c, e, quitados);
    case TipoEliminacion::AlaX:
    case TipoEliminacion::PezEspada: return ConsecuenciasPez(c, e, quitados);
    case TipoEliminacion::AlaXY:
    case TipoEliminacion::AlaXYZ: return ConsecuenciasAla(c, e, quitados);
    case TipoEliminacion::Rascacielos:
    case TipoEliminacion::Cometa:
    case TipoEliminacion::CadenaX:
    case TipoEliminacion::ParesRemotos:
    case TipoEliminacion::AlaW:
    case TipoEliminacion::CadenaXY:
    case TipoEliminacion::CadenaAlterna: return ConsecuenciasCadena(c, e, quitados);
    case TipoEliminacion::ColoreadoSimple: return ConsecuenciasColoreado(c, e, quitados);
    case TipoEliminacion::RectanguloUnico1:
    case TipoEliminacion::RectanguloUnico2:
    case TipoEliminacion::RectanguloUnico4: return ConsecuenciasRectangulo(c, e, quitados);
    case TipoEliminacion::BugMasUno: return ConsecuenciasBug(c, e, quitados);
    case TipoEliminacion::ConjuntoCasiBloqueado: return ConsecuenciasCasiBloqueados(c, e, quitados);
    case TipoEliminacion::CadenaForzada: return ConsecuenciasForzada(c, e, quitados);
    case TipoEliminacion::CadenaDeCelda:
    case TipoEliminacion::CadenaDeGrupo: return ConsecuenciasMultiple(c, e, quitados);
    case TipoEliminacion::CadenaAnidada: return ConsecuenciasAnidada(c, e, quitados);
    }
    return false;
}

std::optional<Eliminacion> BuscarEliminacion(const Mascaras& c, bool unica, int hasta, const std::atomic<bool>* parar)
{
    using Buscador = std::optional<Eliminacion> (*)(const Mascaras&);
    static constexpr Buscador buscadores[] = {
        BuscarEnUnaLinea,
        BuscarEnUnPanel,
        [](const Mascaras& m) { return BuscarDesnudo(m, 2); },
        [](const Mascaras& m) { return BuscarOculto(m, 2); },
        [](const Mascaras& m) { return BuscarDesnudo(m, 3); },
        [](const Mascaras& m) { return BuscarOculto(m, 3); },
        [](const Mascaras& m) { return BuscarPez(m, 2); },
        [](const Mascaras& m) { return BuscarPez(m, 3); },
        BuscarAlaXY,
        BuscarAlaXYZ,
        BuscarRascacielos,
        BuscarCometa,
        BuscarCadenaX,
        BuscarColoreado,
        [](const Mascaras& m) { return BuscarRectangulo(m, TipoEliminacion::RectanguloUnico1); },
        [](const Mascaras& m) { return BuscarRectangulo(m, TipoEliminacion::RectanguloUnico2); },
        [](const Mascaras& m) { return BuscarRectangulo(m, TipoEliminacion::RectanguloUnico4); },
        BuscarBug,
        BuscarParesRemotos,
        BuscarAlaW,
        BuscarCadenaXY,
        BuscarCasiBloqueados,
        BuscarCadenaAlterna,
    };
    // The forcing chains, slow enough to be stopped from outside.
    using BuscadorLargo = std::optional<Eliminacion> (*)(const Mascaras&, const std::atomic<bool>*);
    static constexpr BuscadorLargo largos[] = {
        BuscarCadenaForzada,
        BuscarCadenaDeCelda,
        BuscarCadenaDeGrupo,
        BuscarCadenaAnidada,
    };
    constexpr int rapidos = static_cast<int>(std::size(buscadores));
    static_assert(rapidos == static_cast<int>(TipoEliminacion::CadenaForzada), "the forcing chains come last");
    static_assert(rapidos + std::size(largos) == TiposDeEliminacion, "a search for every kind");
    for (int k = 0; k < std::min(hasta, TiposDeEliminacion); ++k) {
        const bool deUnicidad = k >= static_cast<int>(PrimeraDeUnicidad) && k <= static_cast<int>(UltimaDeUnicidad);
        if (deUnicidad && !unica) continue;
        if (Parar(parar)) return std::nullopt;
        if (auto e = k < rapidos ? buscadores[k](c) : largos[k - rapidos](c, parar)) return e;
    }
    return std::nullopt;
}

std::optional<Paso> SiguientePaso(const Digitos& tablero, int16_t desde, bool unica, const std::atomic<bool>* parar)
{
    if (desde < 0 || desde > 80) desde = 0;
    const Mascaras base = MascarasDe(tablero);
    Mascaras c = base;
    std::vector<Eliminacion> hechas;
    // Every elimination takes at least one candidate away, so this ends.
    while (true) {
        if (auto paso = BuscarSencillo(c, desde)) {
            paso->porque = Necesarias(base, std::move(hechas), *paso, parar);
            if (Parar(parar)) return std::nullopt;
            return paso;
        }
        std::optional<Eliminacion> e = BuscarEliminacion(c, unica, TiposDeEliminacion, parar);
        if (!e) return std::nullopt;
        Aplicar(c, e->quitados);
        hechas.push_back(std::move(*e));
    }
}
