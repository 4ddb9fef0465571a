// SPDX-License-Identifier: GPL-3.0-or-later
#include "Partida.h"
#include "Generador.h"
#include "Notas.h"
#include "Unica.h"

namespace {

// Every game starts from an empty board with nothing of the last one left: no
// text, mark, lock, note or change to undo. Whatever deals a game begins here.
void VaciarPartida(EstadoJuego& e, Casillas& casillas)
{
    e.Cambios.Olvidar();
    OlvidarNotas(e, casillas);
    for (int i = 0; i < 81; ++i) {
        casillas.PonerTexto(static_cast<int16_t>(i), "-");
        e.Provisionales[i] = false;
        e.Originales[i] = false;
        casillas.Bloquear(static_cast<int16_t>(i), false);
    }
}

void PonerDado(EstadoJuego& e, Casillas& casillas, int i, int digito)
{
    const auto idx = static_cast<int16_t>(i);
    casillas.PonerTexto(idx, std::string(1, static_cast<char>('0' + digito)));
    casillas.Bloquear(idx, true);
    casillas.PonerColorTexto(idx, Rojo);
    e.Originales[i] = true;
}

void PintarSinCursor(Casillas& casillas)
{
    for (int i = 0; i < 81; ++i) casillas.SeleccionarCasilla(static_cast<int16_t>(i), false);
}

struct Carving {
    EstadoJuego& e;
    Casillas& casillas;
    FuenteAzar& azar;
    int usosDigito[10] = {};

    // During the carving every filled cell is a given, so the flags are the record.
    bool Lleno(int i) const { return e.Originales[i]; }
    bool Aceptable(int i) const { return !Lleno(i) && usosDigito[Digito(i)] < 2; }

    bool PanelSinHueco(int pila, int banda) const
    {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                if (Aceptable((3 * banda + y) * 9 + 3 * pila + x)) return false;
        return true;
    }
    int16_t Digito(int i) const { return e.Solucion[i / 9][i % 9]; }

    void Colocar(int i, bool primeraPasada)
    {
        PonerDado(e, casillas, i, Digito(i));
        if (primeraPasada) ++usosDigito[Digito(i)];
    }

    void PrimeraPasada()
    {
        int colocados = 0;
        int intentos = 0;
        bool reinicio = false;
        int hueco = 0;   // 0..17: two per panel, panels stack by stack, band by band
        while (hueco < 18) {
            const int panel = hueco / 2;
            const int pila = panel / 3, banda = panel % 3;
            const bool ultimo = hueco == 17;
            bool aceptado = false;
            if (ultimo && PanelSinHueco(pila, banda)) {
                // Every candidate left would be refused: use up the same draws at once.
                azar.Saltar(2 * static_cast<int64_t>(1000 - intentos));
                intentos = 1000;
            }
            while (!(ultimo && intentos >= 1000)) {
                const int x = Azar(azar, 3);
                const int y = Azar(azar, 3);
                const int i = (3 * banda + y) * 9 + 3 * pila + x;
                if (ultimo) ++intentos;
                if (Aceptable(i)) {
                    Colocar(i, true);
                    ++colocados;
                    aceptado = true;
                    break;
                }
            }
            if (reinicio && colocados >= 18) return;
            if (!aceptado) {
                // The last panel only holds digits given twice already: start again
                // from stack 0, band 1, where the missing digit still has room.
                if (!reinicio && colocados == 17) {
                    reinicio = true;
                    intentos = 0;
                    hueco = 2;
                    continue;
                }
                return;
            }
            ++hueco;
        }
    }

    // Only the givens that must change to leave one solution are touched.
    void DejarUnaSolucion()
    {
        Digitos solucion;
        for (int i = 0; i < 81; ++i) solucion[i] = static_cast<int8_t>(Digito(i));
        const Dados quedan = UnaSolucion(solucion, e.Originales, azar);
        for (int i = 0; i < 81; ++i) {
            if (quedan[i] == e.Originales[i]) continue;
            if (quedan[i]) {
                Colocar(i, false);
                continue;
            }
            const auto idx = static_cast<int16_t>(i);
            casillas.PonerTexto(idx, "-");
            casillas.Bloquear(idx, false);
            casillas.PonerColorTexto(idx, Negro);
            e.Originales[i] = false;
        }
    }

    void Ejecutar()
    {
        VaciarPartida(e, casillas);
        PrimeraPasada();

        for (int c = 0; c < 9; ++c) {
            bool alguno = false;
            for (int r = 0; r < 9 && !alguno; ++r) alguno = Lleno(r * 9 + c);
            if (!alguno) Colocar(Azar(azar, 9) * 9 + c, false);
        }
        for (int r = 0; r < 9; ++r) {
            bool alguno = false;
            for (int c = 0; c < 9 && !alguno; ++c) alguno = Lleno(r * 9 + c);
            if (!alguno) Colocar(r * 9 + Azar(azar, 9), false);
        }

        int n = 0;
        for (int i = 0; i < 81; ++i) n += Lleno(i) ? 1 : 0;
        const int mas = e.Nivel + 27 - n;
        for (int k = 0; k < mas; ++k) {
            int x, y;
            do {
                x = Azar(azar, 8);
                y = Azar(azar, 8);
            } while (Lleno(y * 9 + x));
            Colocar(y * 9 + x, false);
        }
        if (e.SolucionUnica) DejarUnaSolucion();
        PintarSinCursor(casillas);
    }
};

} // namespace

void CrearPartida(EstadoJuego& e, Casillas& casillas, FuenteAzar& azar)
{
    Carving{e, casillas, azar}.Ejecutar();
}

void NuevaPartida(EstadoJuego& e, Casillas& casillas, FuenteAzar& azar)
{
    GenerarSolucion(e, azar);
    Barajar(e, azar);
    CrearPartida(e, casillas, azar);
}

void EmpezarPartida(EstadoJuego& e, Casillas& casillas, const Digitos& dados, const Digitos& solucion)
{
    for (int i = 0; i < 81; ++i) e.Solucion[i / 9][i % 9] = solucion[i];
    e.ColumnaActual = e.FilaActual = e.CasillaActual = 0;
    VaciarPartida(e, casillas);
    for (int i = 0; i < 81; ++i)
        if (dados[i]) PonerDado(e, casillas, i, dados[i]);
    PintarSinCursor(casillas);
}
