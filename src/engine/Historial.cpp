// SPDX-License-Identifier: GPL-3.0-or-later
#include "Historial.h"
#include "Casillas.h"

std::optional<Cambio> Historial::Sacar()
{
    if (cambios_.empty()) return std::nullopt;
    Cambio ultimo = std::move(cambios_.back());
    cambios_.pop_back();
    return ultimo;
}

void CambiarCasilla(EstadoJuego& e, Casillas& casillas, int16_t indice, const std::string& texto, bool provisional)
{
    if (e.Originales[indice]) return;
    std::string antes = casillas.Texto(indice);
    if (antes == texto && e.Provisionales[indice] == provisional) return;
    if (antes != texto) casillas.PonerTexto(indice, texto);
    e.Cambios.Anotar({indice, std::move(antes), e.Provisionales[indice]});
    e.Provisionales[indice] = provisional;
}

std::optional<int16_t> Deshacer(EstadoJuego& e, Casillas& casillas)
{
    const std::optional<Cambio> cambio = e.Cambios.Sacar();
    if (!cambio) return std::nullopt;
    if (casillas.Texto(cambio->indice) != cambio->texto) casillas.PonerTexto(cambio->indice, cambio->texto);
    e.Provisionales[cambio->indice] = cambio->provisional;
    return cambio->indice;
}
