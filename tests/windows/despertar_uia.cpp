// SPDX-License-Identifier: GPL-3.0-or-later
// Asks a window for its UI Automation root, as a screen reader does when it starts:
// from then on Qt raises its UI Automation events, which Wine logs.
// usage: despertar_uia.exe TITLE   (waits up to ten seconds for the window)
#include <windows.h>
#include <cstdio>

namespace {
constexpr LPARAM UiaRootObjectId = -25;   // from uiautomationcoreapi.h
constexpr int Intentos = 100;
constexpr DWORD Pausa = 100;              // ms between looks for the window
constexpr UINT Espera = 5000;             // ms the window may take to answer
}

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: despertar_uia.exe TITLE\n", stderr);
        return 2;
    }
    HWND ventana = nullptr;
    for (int i = 0; i < Intentos && !ventana; ++i) {
        ventana = FindWindowA(nullptr, argv[1]);
        if (!ventana) Sleep(Pausa);
    }
    if (!ventana) {
        std::fputs("no such window\n", stderr);
        return 1;
    }
    DWORD_PTR respuesta = 0;
    if (!SendMessageTimeoutW(ventana, WM_GETOBJECT, 0, UiaRootObjectId, SMTO_ABORTIFHUNG, Espera, &respuesta)) {
        std::fputs("the window did not answer\n", stderr);
        return 1;
    }
    std::printf("%llu\n", static_cast<unsigned long long>(respuesta));
    return 0;
}
