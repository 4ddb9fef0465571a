// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notas.h"
#include "Coordenadas.h"
#include "Pista.h"
#include "Razonamiento.h"

std::vector<int16_t> DigitosNotados(uint16_t notas)
{
    std::vector<int16_t> digitos;
    for (int16_t d = 1; d <= 9; ++d)
        if (notas & BitNota(d)) digitos.push_back(d);
    return digitos;
}

bool AdmiteNotas(const EstadoJuego& e, const Casillas& casillas, int16_t indice)
{
    if (e.Originales[indice]) return false;
    const std::string texto = casillas.Texto(indice);
    const size_t a = texto.find_first_not_of(' ');
    if (a == std::string::npos) return true;
    return texto[a] == '-' && texto.find_first_not_of(' ', a + 1) == std::string::npos;
}

void PonerNotas(EstadoJuego& e, Casillas& casillas, int16_t indice, uint16_t notas)
{
    if (e.Notas[indice] == notas) return;
    e.Notas[indice] = notas;
    casillas.PintarNotas(indice, notas);
}

void PonerNotas(EstadoJuego& e, Casillas& casillas, int16_t indice, uint16_t notas, std::vector<NotasAntes>& antes)
{
    if (e.Notas[indice] == notas) return;
    antes.push_back({indice, e.Notas[indice]});
    PonerNotas(e, casillas, indice, notas);
}

void OlvidarNotas(EstadoJuego& e, Casillas& casillas)
{
    for (int16_t i = 0; i < 81; ++i) PonerNotas(e, casillas, i, 0);
}

void QuitarNotasAlEscribir(EstadoJuego& e, Casillas& casillas, int16_t indice, int16_t digito,
                           std::vector<NotasAntes>& antes)
{
    PonerNotas(e, casillas, indice, 0, antes);
    if (digito < 1 || digito > 9) return;
    for (int16_t i = 0; i < 81; ++i) {
        const bool companera = FilaDe(i) == FilaDe(indice) || ColumnaDe(i) == ColumnaDe(indice)
                            || PanelDe(i) == PanelDe(indice);
        if (companera) PonerNotas(e, casillas, i, e.Notas[i] & ~BitNota(digito) & TodasLasNotas, antes);
    }
}

ResultadoNota CambiarNota(EstadoJuego& e, Casillas& casillas, int16_t indice, int16_t digito)
{
    if (e.Originales[indice]) return ResultadoNota::EnOriginal;
    if (!AdmiteNotas(e, casillas, indice)) return ResultadoNota::EnEscrita;
    Cambio cambio{indice, casillas.Texto(indice), e.Provisionales[indice], {}};
    const bool estaba = e.Notas[indice] & BitNota(digito);
    PonerNotas(e, casillas, indice, e.Notas[indice] ^ BitNota(digito), cambio.notas);
    e.Cambios.Anotar(std::move(cambio));
    return estaba ? ResultadoNota::Quitada : ResultadoNota::Puesta;
}

int16_t LlenarNotas(EstadoJuego& e, Casillas& casillas, int16_t desde)
{
    Cambio cambio{desde, casillas.Texto(desde), e.Provisionales[desde], {}};
    // The board read once: the masks of what fits are the notes' own kind.
    const Mascaras caben = MascarasDe(DigitosDe(casillas));
    int16_t conNotas = 0;
    for (int16_t i = 0; i < 81; ++i) {
        if (!AdmiteNotas(e, casillas, i)) continue;
        PonerNotas(e, casillas, i, caben[i], cambio.notas);
        conNotas += caben[i] != 0 ? 1 : 0;
    }
    if (!cambio.notas.empty()) e.Cambios.Anotar(std::move(cambio));
    return conNotas;
}
