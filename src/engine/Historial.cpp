// SPDX-License-Identifier: GPL-3.0-or-later
#include "Historial.h"
#include "Casillas.h"
#include "Consultas.h"
#include "Notas.h"

std::optional<Cambio> Historial::Sacar()
{
    if (cambios_.empty()) return std::nullopt;
    Cambio ultimo = std::move(cambios_.back());
    cambios_.pop_back();
    return ultimo;
}

namespace {

// The text, mark and notes the cell takes, kept as one change. `antes` is what the
// cell held; its field may already show `texto`.
void Cambiar(EstadoJuego& e, Casillas& casillas, int16_t indice, const std::string& antes, const std::string& texto,
             bool provisional, bool sinNotas)
{
    const bool escrita = antes != texto;
    const bool quitaNotas = (escrita || sinNotas) && e.Notas[indice] != 0;
    if (!escrita && !quitaNotas && e.Provisionales[indice] == provisional) return;
    Cambio cambio{indice, antes, e.Provisionales[indice], {}};
    if (casillas.Texto(indice) != texto) casillas.PonerTexto(indice, texto);
    if (escrita) QuitarNotasAlEscribir(e, casillas, indice, DigitoDe(texto), cambio.notas);
    else if (quitaNotas) PonerNotas(e, casillas, indice, 0, cambio.notas);
    e.Provisionales[indice] = provisional;
    e.Cambios.Anotar(std::move(cambio));
}

} // namespace

void CambiarCasilla(EstadoJuego& e, Casillas& casillas, int16_t indice, const std::string& texto, bool provisional)
{
    if (e.Originales[indice]) return;
    Cambiar(e, casillas, indice, casillas.Texto(indice), texto, provisional, false);
}

void BorrarCasilla(EstadoJuego& e, Casillas& casillas, int16_t indice)
{
    if (e.Originales[indice]) return;
    Cambiar(e, casillas, indice, casillas.Texto(indice), "-", false, true);
}

void CasillaEditada(EstadoJuego& e, Casillas& casillas, int16_t indice, const std::string& antes)
{
    if (e.Originales[indice]) return;
    Cambiar(e, casillas, indice, antes, casillas.Texto(indice), e.Provisionales[indice], false);
}

std::optional<int16_t> Deshacer(EstadoJuego& e, Casillas& casillas)
{
    const std::optional<Cambio> cambio = e.Cambios.Sacar();
    if (!cambio) return std::nullopt;
    if (casillas.Texto(cambio->indice) != cambio->texto) casillas.PonerTexto(cambio->indice, cambio->texto);
    e.Provisionales[cambio->indice] = cambio->provisional;
    for (const NotasAntes& n : cambio->notas) PonerNotas(e, casillas, n.indice, n.notas);
    return cambio->indice;
}
