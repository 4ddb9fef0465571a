// SPDX-License-Identifier: GPL-3.0-or-later
#include "VozJaws.h"

#include <windows.h>
#include <oleauto.h>

namespace {

constexpr wchar_t ClaseVentanaJaws[] = L"JFWUI2";   // JAWS's main window: there while JAWS runs
constexpr wchar_t ProgIdJaws[] = L"FreedomSci.JawsApi";

// A BSTR copy of a text, freed with it.
class Cadena {
public:
    explicit Cadena(const QString& texto)
        : b_(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(texto.utf16()), static_cast<UINT>(texto.size())))
    {
    }
    ~Cadena() { SysFreeString(b_); }
    Cadena(const Cadena&) = delete;
    Cadena& operator=(const Cadena&) = delete;
    BSTR get() const { return b_; }

private:
    BSTR b_;
};

bool Identificar(IDispatch* jaws, const wchar_t* nombre, long& id)
{
    LPOLESTR nombres[] = {const_cast<LPOLESTR>(nombre)};
    DISPID encontrado = DISPID_UNKNOWN;
    if (FAILED(jaws->GetIDsOfNames(IID_NULL, nombres, 1, LOCALE_USER_DEFAULT, &encontrado)))
        return false;
    id = encontrado;
    return true;
}

} // namespace

std::unique_ptr<LectorPantalla> LectorPropio()
{
    return std::make_unique<VozJaws>();
}

VozJaws::~VozJaws()
{
    Soltar();
    if (comPropio_)
        CoUninitialize();
}

bool VozJaws::Decir(const QString& texto)
{
    if (!FindWindowW(ClaseVentanaJaws, nullptr)) {
        Soltar();   // JAWS has quit: an object kept from it is dead
        return false;
    }
    // An object kept from an earlier JAWS run fails its first call: one more try with a new one.
    for (int intento = 0; intento < 2; ++intento) {
        if (!jaws_ && !Crear())
            return false;
        switch (Hablar(texto)) {
        case Respuesta::Hecha:
            Braille(texto);
            return true;
        case Respuesta::Rechazada:
            return false;
        case Respuesta::Fallida:
            Soltar();
            break;
        }
    }
    return false;
}

bool VozJaws::Crear()
{
    if (!comListo_) {
        // Qt's Windows platform has made this thread an OLE apartment already: this only
        // counts it once more. A thread of the multithreaded apartment can call out too.
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (SUCCEEDED(hr))
            comPropio_ = true;
        else if (hr != RPC_E_CHANGED_MODE)
            return false;
        comListo_ = true;
    }
    CLSID clase;
    if (FAILED(CLSIDFromProgID(ProgIdJaws, &clase)))
        return false;
    IDispatch* jaws = nullptr;
    if (FAILED(CoCreateInstance(clase, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&jaws))))
        return false;
    // Bound by name: the names are what FSAPI has kept since JAWS 8, not a vtable layout.
    if (!Identificar(jaws, L"SayString", sayString_) || !Identificar(jaws, L"RunFunction", runFunction_)) {
        jaws->Release();
        return false;
    }
    jaws_ = jaws;
    return true;
}

void VozJaws::Soltar()
{
    if (!jaws_)
        return;
    jaws_->Release();
    jaws_ = nullptr;
}

VozJaws::Respuesta VozJaws::Hablar(const QString& texto)
{
    // Flushed: a move cuts a long reading short, as the assertive announcement does.
    return Llamar(sayString_, texto, true);
}

void VozJaws::Braille(const QString& texto)
{
    // JAWS runs the text as a call of its script language, whose strings have no agreed
    // escape for a quote. A quote becomes an apostrophe, so no text can end the string
    // early; a backslash is doubled, so it can never escape the closing quote; a line
    // break becomes a blank.
    QString linea = texto;
    for (QChar& c : linea) {
        if (c == QLatin1Char('"'))
            c = QLatin1Char('\'');
        else if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    linea.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    // The speech is said already: a braille line that fails is not worth a second voice.
    Llamar(runFunction_, QStringLiteral("BrailleString(\"%1\")").arg(linea), false);
}

VozJaws::Respuesta VozJaws::Llamar(long metodo, const QString& texto, bool conFlush)
{
    Cadena cadena(texto);
    // Arguments go last first.
    VARIANT argumentos[2];
    VariantInit(&argumentos[0]);
    VariantInit(&argumentos[1]);
    VARIANT* primero = &argumentos[conFlush ? 1 : 0];
    primero->vt = VT_BSTR;
    primero->bstrVal = cadena.get();
    if (conFlush) {
        argumentos[0].vt = VT_BOOL;
        argumentos[0].boolVal = VARIANT_TRUE;
    }
    DISPPARAMS parametros{argumentos, nullptr, conFlush ? 2u : 1u, 0};
    VARIANT resultado;
    VariantInit(&resultado);
    // COM may deliver a message to this thread while the call waits, and a nested
    // utterance could drop jaws_: the call keeps its own reference.
    IDispatch* jaws = jaws_;
    jaws->AddRef();
    const HRESULT hr = jaws->Invoke(metodo, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parametros,
                                    &resultado, nullptr, nullptr);
    jaws->Release();
    if (FAILED(hr))
        return Respuesta::Fallida;
    // FSAPI answers FALSE when JAWS did not take the text.
    const bool rechazada = resultado.vt != VT_EMPTY
        && SUCCEEDED(VariantChangeType(&resultado, &resultado, 0, VT_BOOL)) && resultado.boolVal == VARIANT_FALSE;
    VariantClear(&resultado);
    return rechazada ? Respuesta::Rechazada : Respuesta::Hecha;
}
