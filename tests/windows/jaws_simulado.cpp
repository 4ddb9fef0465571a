// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for JAWS, made for the tests from FSAPI's published interface. While it runs it
// has JAWS's main window (class JFWUI2, hidden) and serves FreedomSci.JawsApi as a local COM
// server; each call it gets is appended to LOG in UTF-8, one line each: method, flush ("1" or
// "0", SayString only) and text, split by tabs; a backslash, tab or line break in the text is
// written \\, \t, \r or \n.
// usage: jaws_simulado.exe LOG     registers itself, prints "listo" once it serves, and runs
//                                  until its window is closed
//        jaws_simulado.exe /parar  closes the running one, as JAWS quitting
#include <windows.h>
#include <oleauto.h>
#include <cstdio>
#include <string>

namespace {

// FreedomSci.JawsApi's class, and its interface IJawsApi, which is a dispatch interface.
const CLSID ClaseJaws = {0xcce5b1e5, 0xb2ed, 0x45d5, {0xb0, 0x9f, 0x8e, 0xc5, 0x4b, 0x75, 0xab, 0xf4}};
const IID IID_IJawsApi = {0x123dedb4, 0x2cf6, 0x429c, {0xa2, 0xab, 0xcc, 0x80, 0x9e, 0x55, 0x16, 0xce}};
constexpr wchar_t TextoClase[] = L"{CCE5B1E5-B2ED-45D5-B09F-8EC54B75ABF4}";
constexpr wchar_t ProgId[] = L"FreedomSci.JawsApi";
constexpr wchar_t ClaseVentana[] = L"JFWUI2";
constexpr DWORD EsperaCierre = 10000;   // ms for the running one to close

enum Metodo : DISPID { SayString = 1, StopSpeech, RunFunction };
struct Miembro {
    const wchar_t* nombre;
    Metodo id;
    UINT argumentos;
};
constexpr Miembro Miembros[] = {{L"SayString", SayString, 2}, {L"StopSpeech", StopSpeech, 0},
                                {L"RunFunction", RunFunction, 1}};

std::wstring registro;

std::string Utf8(const std::wstring& texto)
{
    if (texto.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string salida(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), salida.data(), n, nullptr,
                        nullptr);
    return salida;
}

void Anotar(const wchar_t* metodo, const wchar_t* flush, const std::wstring& texto)
{
    std::wstring linea = std::wstring(metodo) + L'\t' + flush + L'\t';
    for (wchar_t c : texto) {
        switch (c) {
        case L'\\': linea += L"\\\\"; break;
        case L'\t': linea += L"\\t"; break;
        case L'\r': linea += L"\\r"; break;
        case L'\n': linea += L"\\n"; break;
        default: linea += c;
        }
    }
    linea += L'\n';
    // Opened for each line, so a reader sees every call as soon as it is made.
    if (FILE* f = _wfopen(registro.c_str(), L"ab")) {
        const std::string bytes = Utf8(linea);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

bool Argumento(VARIANT& origen, VARTYPE tipo, VARIANT& destino)
{
    VariantInit(&destino);
    return SUCCEEDED(VariantChangeType(&destino, &origen, 0, tipo));
}

// One object for the whole run, as JAWS has one voice: counting references would free nothing.
class Jaws : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objeto) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IJawsApi) {
            *objeto = this;
            return S_OK;
        }
        *objeto = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* cuantos) override
    {
        *cuantos = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* nombres, UINT cuantos, LCID, DISPID* ids) override
    {
        for (UINT i = 0; i < cuantos; ++i)
            ids[i] = DISPID_UNKNOWN;
        // Methods only: their parameters have no names here.
        for (const Miembro& m : Miembros)
            if (cuantos > 0 && lstrcmpiW(nombres[0], m.nombre) == 0)
                ids[0] = m.id;
        return cuantos == 1 && ids[0] != DISPID_UNKNOWN ? S_OK : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD modo, DISPPARAMS* parametros,
                                     VARIANT* resultado, EXCEPINFO*, UINT*) override
    {
        const Miembro* miembro = nullptr;
        for (const Miembro& m : Miembros)
            if (m.id == id)
                miembro = &m;
        if (!miembro || !(modo & DISPATCH_METHOD))
            return DISP_E_MEMBERNOTFOUND;
        if (parametros->cNamedArgs != 0)
            return DISP_E_NONAMEDARGS;
        if (parametros->cArgs != miembro->argumentos)
            return DISP_E_BADPARAMCOUNT;
        // The arguments come last first.
        std::wstring texto;
        const wchar_t* flush = L"";
        if (miembro->argumentos > 0) {
            VARIANT v;
            if (!Argumento(parametros->rgvarg[miembro->argumentos - 1], VT_BSTR, v))
                return DISP_E_TYPEMISMATCH;
            texto.assign(v.bstrVal, SysStringLen(v.bstrVal));
            VariantClear(&v);
        }
        if (id == SayString) {
            VARIANT v;
            if (!Argumento(parametros->rgvarg[0], VT_BOOL, v))
                return DISP_E_TYPEMISMATCH;
            flush = v.boolVal != VARIANT_FALSE ? L"1" : L"0";
        }
        Anotar(miembro->nombre, flush, texto);
        if (resultado) {
            VariantInit(resultado);
            resultado->vt = VT_BOOL;
            resultado->boolVal = VARIANT_TRUE;
        }
        return S_OK;
    }
};

class Fabrica : public IClassFactory {
public:
    explicit Fabrica(Jaws& jaws) : jaws_(jaws) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objeto) override
    {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *objeto = this;
            return S_OK;
        }
        *objeto = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* exterior, REFIID iid, void** objeto) override
    {
        *objeto = nullptr;
        if (exterior)
            return CLASS_E_NOAGGREGATION;
        return jaws_.QueryInterface(iid, objeto);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    Jaws& jaws_;
};

bool Poner(const std::wstring& clave, const std::wstring& valor)
{
    HKEY k;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, clave.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG r = RegSetValueExW(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(valor.c_str()),
                                  static_cast<DWORD>((valor.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(k);
    return r == ERROR_SUCCESS;
}

// As JAWS's installer leaves it: the registration stays when the program stops. COM starts the
// server with the same log if a client asks while it is not running, so such a call is seen too.
bool Registrar()
{
    wchar_t programa[MAX_PATH];
    if (!GetModuleFileNameW(nullptr, programa, MAX_PATH))
        return false;
    const std::wstring clase = std::wstring(L"CLSID\\") + TextoClase;
    return Poner(std::wstring(ProgId) + L"\\CLSID", TextoClase) && Poner(clase + L"\\ProgID", ProgId)
        && Poner(clase + L"\\LocalServer32", L"\"" + std::wstring(programa) + L"\" \"" + registro + L"\"");
}

LRESULT CALLBACK Ventana(HWND ventana, UINT mensaje, WPARAM w, LPARAM l)
{
    if (mensaje == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(ventana, mensaje, w, l);
}

int Parar()
{
    HWND ventana = FindWindowW(ClaseVentana, nullptr);
    if (!ventana) {
        std::fputs("no stand-in is running\n", stderr);
        return 1;
    }
    DWORD_PTR respuesta = 0;
    SendMessageTimeoutW(ventana, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, EsperaCierre, &respuesta);
    for (DWORD esperado = 0; IsWindow(ventana) && esperado < EsperaCierre; esperado += 100)
        Sleep(100);
    return IsWindow(ventana) ? 1 : 0;
}

int Servir()
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    if (!Registrar()) {
        std::fputs("cannot register FreedomSci.JawsApi\n", stderr);
        return 1;
    }
    WNDCLASSW clase{};
    clase.lpfnWndProc = Ventana;
    clase.hInstance = GetModuleHandleW(nullptr);
    clase.lpszClassName = ClaseVentana;
    if (!RegisterClassW(&clase)
        || !CreateWindowExW(0, ClaseVentana, L"JAWS", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, clase.hInstance, nullptr)) {
        std::fputs("cannot make the JFWUI2 window\n", stderr);
        return 1;
    }
    static Jaws jaws;
    static Fabrica fabrica(jaws);
    DWORD registrada = 0;
    if (FAILED(CoRegisterClassObject(ClaseJaws, &fabrica, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &registrada))) {
        std::fputs("cannot serve FreedomSci.JawsApi\n", stderr);
        return 1;
    }
    std::puts("listo");
    std::fflush(stdout);
    MSG mensaje;
    while (GetMessageW(&mensaje, nullptr, 0, 0) > 0) {
        TranslateMessage(&mensaje);
        DispatchMessageW(&mensaje);
    }
    CoRevokeClassObject(registrada);
    CoUninitialize();
    return 0;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    // COM adds -Embedding when it starts the server itself.
    if (argc < 2) {
        std::fputs("usage: jaws_simulado.exe LOG | /parar\n", stderr);
        return 2;
    }
    if (lstrcmpiW(argv[1], L"/parar") == 0)
        return Parar();
    registro = argv[1];
    return Servir();
}
