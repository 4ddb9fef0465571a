// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core on a plain board, driven by keys written as a player names them.
#include "Juego.h"
#include "Tablero.h"
#include "Teclas.h"
#include <sstream>
#include <string>
#include <vector>

struct Mesa {
    Tablero tablero;
    Juego juego{tablero};
    std::vector<std::string> dichos;
    int pitidos = 0;
    int paneles = 0;
    std::vector<SonidoJuego> sonidos;
    std::string portapapeles;

    Mesa()
    {
        juego.LeerPortapapeles = [this] { return portapapeles; };
        juego.Enfocado();   // the first arrival, silent
    }

    // 81 characters, row by row: digits are givens, '-' empty cells, and lower-case
    // letters a..i the digits 1..9 written by the player.
    void Poner(const std::string& t)
    {
        EstadoJuego& e = juego.Estado();
        for (int i = 0; i < 81; ++i) {
            const char c = t[static_cast<size_t>(i)];
            const bool dado = c >= '1' && c <= '9';
            std::string texto = c == '-' ? "-" : std::string(1, c);
            if (c >= 'a' && c <= 'i') texto = std::string(1, static_cast<char>('1' + (c - 'a')));
            tablero.PonerTexto(static_cast<int16_t>(i), texto);
            tablero.Bloquear(static_cast<int16_t>(i), dado);
            e.Originales[static_cast<size_t>(i)] = dado;
            e.Provisionales[static_cast<size_t>(i)] = false;
        }
    }

    void Cursor(int fila, int columna)
    {
        EstadoJuego& e = juego.Estado();
        e.FilaActual = static_cast<int16_t>(fila);
        e.ColumnaActual = static_cast<int16_t>(columna);
        e.CasillaActual = static_cast<int16_t>(fila * 9 + columna);
    }

    // H and G think here and now, as a front end with no keys pending does.
    void Anotar(const Resultado& r)
    {
        if (r.pensamiento) {
            r.pensamiento->Pensar();
            Anotar(juego.Pensado(*r.pensamiento));
        }
        if (!r.dicho.empty()) dichos.push_back(r.dicho);
        if (!r.mensaje.empty()) dichos.push_back(r.mensaje);
        pitidos += r.pitidos;
        paneles += r.panel && r.panelSuena;
        sonidos.insert(sonidos.end(), r.sonidos.begin(), r.sonidos.end());
        if (r.portapapeles) portapapeles = *r.portapapeles;
    }

    // Keys by name, blank-separated: Der Izq Arr Abj Inicio Fin RePag AvPag Intro
    // Espacio Supr Retro Ctrl Apps F8 F9, or one character typed on its key; and the
    // touch screen's Toque<cell> (a cell tapped) and Cifra<digit> (the pad's digit).
    void Teclas(const std::string& nombres)
    {
        std::istringstream s(nombres);
        for (std::string n; s >> n;) {
            if (n.rfind("Toque", 0) == 0) {
                Anotar(juego.Tocar(static_cast<int16_t>(std::stoi(n.substr(5)))));
                continue;
            }
            if (n.rfind("Cifra", 0) == 0) {
                Anotar(juego.TocarCifra(static_cast<int16_t>(std::stoi(n.substr(5)))));
                continue;
            }
            static const std::pair<const char*, int> nombradas[] = {
                {"Der", VK_RIGHT}, {"Izq", VK_LEFT}, {"Arr", VK_UP}, {"Abj", VK_DOWN}, {"Inicio", VK_HOME},
                {"Fin", VK_END}, {"RePag", VK_PRIOR}, {"AvPag", VK_NEXT}, {"Supr", VK_DELETE}, {"Ctrl", VK_CONTROL},
                {"Apps", VK_APPS}, {"F8", VK_F8}, {"F9", VK_F9},
            };
            int codigo = 0;
            std::u16string caracteres;
            for (const auto& [nombre, vk] : nombradas)
                if (n == nombre) codigo = vk;
            if (n == "Intro") codigo = VK_RETURN, caracteres = u"\r";
            else if (n == "Espacio") codigo = VK_SPACE, caracteres = u" ";
            else if (n == "Retro") codigo = VK_BACK, caracteres = u"\b";
            else if (codigo == 0 && n.size() == 1) {
                const char c = n[0];
                codigo = c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
                caracteres = std::u16string(1, static_cast<char16_t>(c));
            }
            Anotar(juego.Pulsar(codigo, 0, caracteres));
        }
    }

    std::string Celda(int i) const { return tablero.Texto(static_cast<int16_t>(i)); }
};
