// SPDX-License-Identifier: GPL-3.0-or-later
#include "Consultas.h"
#include "Coordenadas.h"

namespace {

bool Vacia(const std::string& texto) { return texto == "-"; }

// The nine cells of the row, the column and the panel of a cell.
struct Grupos {
    std::array<int16_t, 9> fila, columna, panel;
};

Grupos GruposDe(int16_t indice)
{
    const int16_t f = FilaDe(indice), c = ColumnaDe(indice);
    const int esquina = (f - f % 3) * 9 + (c - c % 3);
    Grupos g{};
    for (int k = 0; k < 9; ++k) {
        g.fila[k] = static_cast<int16_t>(f * 9 + k);
        g.columna[k] = static_cast<int16_t>(k * 9 + c);
        g.panel[k] = static_cast<int16_t>(esquina + k / 3 * 9 + k % 3);
    }
    return g;
}

int16_t VaciasEn(const Casillas& casillas, const std::array<int16_t, 9>& grupo)
{
    int16_t n = 0;
    for (int16_t i : grupo) n += Vacia(casillas.Texto(i)) ? 1 : 0;
    return n;
}

// Whether another cell of the group holds the digit.
bool Tiene(const Casillas& casillas, const std::array<int16_t, 9>& grupo, int16_t salvo, int16_t digito)
{
    for (int16_t i : grupo)
        if (i != salvo && DigitoDe(casillas.Texto(i)) == digito) return true;
    return false;
}

} // namespace

int16_t DigitoDe(const std::string& texto)
{
    if (texto.size() != 1 || texto[0] < '1' || texto[0] > '9') return 0;
    return static_cast<int16_t>(texto[0] - '0');
}

Vacias ContarVacias(const Casillas& casillas, int16_t indice)
{
    const Grupos g = GruposDe(indice);
    Vacias v;
    v.fila = VaciasEn(casillas, g.fila);
    v.columna = VaciasEn(casillas, g.columna);
    v.panel = VaciasEn(casillas, g.panel);
    for (int16_t i = 0; i < 81; ++i) v.tablero += Vacia(casillas.Texto(i)) ? 1 : 0;
    return v;
}

std::vector<int16_t> Candidatos(const Casillas& casillas, int16_t indice)
{
    const Grupos g = GruposDe(indice);
    std::array<bool, 10> usado{};
    for (const auto* grupo : {&g.fila, &g.columna, &g.panel})
        for (int16_t i : *grupo)
            if (i != indice) usado[DigitoDe(casillas.Texto(i))] = true;
    std::vector<int16_t> digitos;
    for (int16_t d = 1; d <= 9; ++d)
        if (!usado[d]) digitos.push_back(d);
    return digitos;
}

Repeticion Repetido(const Casillas& casillas, int16_t indice)
{
    const int16_t d = DigitoDe(casillas.Texto(indice));
    if (d == 0) return {};
    const Grupos g = GruposDe(indice);
    return {Tiene(casillas, g.fila, indice, d), Tiene(casillas, g.columna, indice, d),
            Tiene(casillas, g.panel, indice, d)};
}

std::array<int16_t, 10> Faltan(const Casillas& casillas)
{
    std::array<int16_t, 10> faltan;
    faltan.fill(9);
    for (int16_t i = 0; i < 81; ++i) {
        const int16_t d = DigitoDe(casillas.Texto(i));
        if (d != 0 && faltan[d] > 0) --faltan[d];
    }
    faltan[0] = 0;
    return faltan;
}

std::optional<int16_t> SiguienteVacia(const Casillas& casillas, int16_t desde)
{
    for (int paso = 1; paso <= 81; ++paso) {
        const auto i = static_cast<int16_t>((desde + paso) % 81);
        if (Vacia(casillas.Texto(i))) return i;
    }
    return std::nullopt;
}
