// SPDX-License-Identifier: GPL-3.0-or-later
// The page's game handed to JavaScript (embind): plain values in, plain objects out, bytes
// as Uint8Array both ways so Windows-1252 files never pass through a UTF-16 string.
#include "Frases.h"
#include "FrasesPagina.h"
#include "Palabras.h"
#include "Notas.h"
#include "Pagina.h"
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <fstream>
#include <memory>
#include <sstream>

using emscripten::val;

// Named, not anonymous: the engine has its own Comprobar and VerSolucion.
namespace web {

constexpr int Lugares = 9;
constexpr int Niveles = 15;
// The font-size menu's items, as the window names them.
constexpr const char* Tamanos[] = {"18", "16", "14", "12", "11", "10", "9", "8"};

std::string DeBytes(const val& arreglo)
{
    const auto n = arreglo["length"].as<size_t>();
    std::string bytes(n, '\0');
    val vista(emscripten::typed_memory_view(n, reinterpret_cast<unsigned char*>(bytes.data())));
    vista.call<void>("set", arreglo);
    return bytes;
}

val ABytes(const std::string& bytes)
{
    const val vista(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
    return val::global("Uint8Array").new_(vista);   // a copy: the view dies with the string
}

// The page's storage object: leer(nombre) gives a Uint8Array, null for nothing stored, or
// "bloqueado"; escribir(nombre, bytes) gives "" , "lleno" or "bloqueado".
class AlmacenJs : public Almacen {
public:
    explicit AlmacenJs(val js) : js_(std::move(js)) {}

    Leido Leer(const std::string& nombre) override
    {
        const val r = js_.call<val>("leer", nombre);
        Leido leido;
        if (r.isNull() || r.isUndefined()) return leido;
        if (r.isString()) {
            leido.bloqueado = true;
            return leido;
        }
        leido.existe = true;
        leido.bytes = DeBytes(r);
        return leido;
    }

    Guardado Escribir(const std::string& nombre, const std::string& bytes) override
    {
        const std::string r = js_.call<std::string>("escribir", nombre, ABytes(bytes));
        if (r.empty()) return Guardado::Hecho;
        return r == "lleno" ? Guardado::Lleno : Guardado::Bloqueado;
    }

private:
    val js_;
};

std::unique_ptr<AlmacenJs> almacen;
std::unique_ptr<Pagina> pagina;

// The game's own sounds as the tones Web Audio's oscillators play.
val Tonos(const std::vector<SonidoJuego>& sonidos)
{
    static const char* const ondas[] = {"sine", "triangle", "square"};
    val a = val::array();
    for (const Tono& t : Partitura(sonidos)) {
        val o = val::object();
        o.set("desde", t.desdeMs / 1000.0);
        o.set("duracion", t.duracionMs / 1000.0);
        o.set("frecuencia", t.frecuencia);
        o.set("onda", std::string(ondas[static_cast<int>(t.onda)]));
        o.set("volumen", t.volumen);
        o.set("posicion", t.posicion);
        a.call<void>("push", o);
    }
    return a;
}

val Objeto(const Resultado& r)
{
    val o = val::object();
    o.set("dicho", r.dicho);
    o.set("pitidos", r.pitidos);
    o.set("panel", r.panel);
    o.set("panelSuena", r.panelSuena);
    o.set("tonos", Tonos(r.sonidos));
    o.set("botonera", r.botonera);
    o.set("mensaje", r.mensaje);
    o.set("portapapeles", r.portapapeles ? val(*r.portapapeles) : val::null());
    return o;
}

// A menu item's name without its keyboard accelerator's mark.
std::string SinAcelerador(std::string t)
{
    std::erase(t, '&');
    return t;
}

val Lista(const std::vector<std::string>& textos)
{
    val a = val::array();
    for (const std::string& t : textos) a.call<void>("push", t);
    return a;
}

std::string Leer(const std::string& ruta)
{
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream s;
    s << archivo.rdbuf();
    return s.str();
}

std::string Empezar(const std::string& idioma, const val& sudoku, double semilla, val js, bool dia)
{
    PonerIdioma(idioma == "en" ? Idioma::Ingles : Idioma::Espanol);
    almacen = std::make_unique<AlmacenJs>(std::move(js));
    pagina = std::make_unique<Pagina>(*almacen, static_cast<uint64_t>(semilla));
    return pagina->Empezar(sudoku.isString() ? std::optional<std::string>(sudoku.as<std::string>()) : std::nullopt, dia);
}

val Tecla(int codigo, int digito, const val& unidades)
{
    std::u16string caracteres;
    const auto n = unidades["length"].as<size_t>();
    for (size_t i = 0; i < n; ++i) caracteres += static_cast<char16_t>(unidades[i].as<int>());
    return Objeto(pagina->Tecla(codigo, digito, caracteres));
}

val Vista()
{
    const Juego& juego = pagina->Partida();
    const EstadoJuego& e = juego.Estado();
    val celdas = val::array();
    for (int i = 0; i < 81; ++i) {
        val c = val::object();
        c.set("texto", pagina->Celdas().Texto(static_cast<int16_t>(i)));
        c.set("dado", static_cast<bool>(e.Originales[i]));
        c.set("provisional", static_cast<bool>(e.Provisionales[i]));
        val notas = val::array();
        for (const int16_t d : DigitosNotados(e.Notas[i])) notas.call<void>("push", d);
        c.set("notas", notas);
        c.set("oido", pagina->OidoDeCelda(i));
        celdas.call<void>("push", c);
    }
    val v = val::object();
    v.set("celdas", celdas);
    v.set("actual", e.CasillaActual);
    v.set("linea", juego.Linea());
    v.set("lineaEnEntrada", juego.LineaEnEntrada());
    v.set("lineaOculta", juego.LineaOculta());
    v.set("nivel", e.Nivel);
    v.set("dificultad", static_cast<int>(e.DificultadElegida));
    v.set("tamano", pagina->Tamano());
    v.set("modoNotas", e.ModoNotas);
    v.set("puedeComprobar", juego.PuedeComprobar());
    v.set("puedeGuardar", juego.PuedeGuardar());
    return v;
}

// Every caption, name and label of the page, in the game's language.
val Textos()
{
    val t = val::object();
    auto poner = [&t](const char* clave, const std::string& texto) { t.set(clave, texto); };
    poner("titulo", Traducir("Form1", "NOVARO"));
    poner("linea", Traducir("Form1", "Línea de mensajes"));
    poner("detector", Traducir("CajaTeclas", "Detector de teclas"));
    poner("pulseF1", Traducir("CajaTeclas", "Pulse F1 para ayuda"));
    poner("tablero", Traducir("Web", "Tablero"));
    poner("niveles", Traducir("Form1", "Niveles"));
    poner("dificultad", Traducir("Form1", "Dificultad"));
    poner("tamano", SinAcelerador(Traducir("Form1", "&Tamaño Letra")));
    poner("partidas", Traducir("Form1", "Parttida"));
    poner("botonera", Traducir("Form1", "Botonera"));
    poner("nuevo", SinAcelerador(Traducir("Form1", "&Nuevo")));
    poner("nuevoAyuda", Traducir("Form1", "Genera un nuevo juego"));
    poner("verSolucion", SinAcelerador(Traducir("Form1", "&Ver solución")));
    poner("verSolucionAyuda", Traducir("Form1", "Muestra en pantalla la solución para el NOVARO actual."));
    poner("guardar", SinAcelerador(Traducir("Form1", "&Guardar partida")));
    poner("guardarAyuda", Traducir("Form1", "Permite guardar la partida"));
    poner("cargar", SinAcelerador(Traducir("Form1", "&Cargar partida")));
    poner("cargarAyuda", Traducir("Form1", "Permite cargar una partida que hayamos guardado antes "));
    poner("comprobar", SinAcelerador(Traducir("Form1", "&Comprobar")));
    poner("comprobarAyuda", Traducir("Form1", "Va comprobando si los números introducidos cumplen las condiciones, revisando primero las filas, "
                                              "después las columnas y por último los paneles."));
    poner("cargarBotonera", SinAcelerador(Traducir("Form1", "C&argar partida")));
    poner("tituloAyuda", Traducir("Dialog", "Instrucciones Novaro"));
    poner("instrucciones", Traducir("Dialog", "Instrucciones"));
    poner("aceptar", Traducir("Dialog", "Aceptar"));
    poner("ayuda", Traducir("Web", "Ayuda (F1)"));
    poner("licencia", Traducir("Web", "Licencia"));
    poner("cerrar", Traducir("Web", "Cerrar"));
    poner("tactil", Traducir("Web", "Controles táctiles"));
    poner("cifras", Traducir("Web", "Cifras"));
    poner("fila", Traducir("Web", "Leer fila"));
    poner("columna", Traducir("Web", "Leer columna"));
    poner("panel", Traducir("Web", "Leer panel"));
    poner("caben", Traducir("Web", "Qué cabe"));
    poner("donde", Traducir("Web", "Dónde estoy"));
    poner("pista", Traducir("Web", "Pista"));
    poner("grado", Traducir("Web", "Dificultad del sudoku"));
    poner("deshacer", Traducir("Web", "Deshacer"));
    poner("borrar", Traducir("Web", "Borrar"));
    poner("modoNotas", Traducir("Web", "Notas"));
    poner("archivo", Traducir("Web", "Abrir un archivo de partida (.sav)"));
    poner("descargar", Traducir("Web", "Descargar %1"));
    poner("pegar", Traducir("Web", "El navegador no deja leer el portapapeles: pegue aquí el sudoku y pulse Intro"));
    poner("copiar", Traducir("Web", "El navegador no deja escribir en el portapapeles: copie de aquí el tablero con Control+C y pulse Escape"));
    for (const auto& [clave, texto] : FrasesPagina::Etiquetas()) poner(clave.c_str(), texto);
    // The window's Día menu, its items named alike.
    poner("sudokuDelDia", SinAcelerador(Traducir("Form1", "&Sudoku del día")));
    poner("estadisticas", SinAcelerador(Traducir("Form1", "&Estadísticas")));
    poner("compartir", SinAcelerador(Traducir("Form1", "&Compartir resultado")));
    t.set("ayudaGestos", Lista(FrasesPagina::AyudaGestos()));
    std::vector<std::string> lugares, dificultades, niveles;
    for (int i = 1; i <= Lugares; ++i) lugares.push_back(Sustituir(Traducir("Form1", "Partida %1"), {std::to_string(i)}));
    for (int i = 0; i < Dificultades; ++i) dificultades.push_back(Frases::NombreDificultad(static_cast<Dificultad>(i)));
    for (int i = 0; i < Niveles; ++i) niveles.push_back(std::to_string(Niveles - i));
    t.set("lugares", Lista(lugares));
    t.set("dificultades", Lista(dificultades));
    t.set("nivelesLista", Lista(niveles));
    t.set("tamanos", Lista({std::begin(Tamanos), std::end(Tamanos)}));
    // The Botonera's items but the window's "Salir": a page cannot close its tab.
    t.set("botoneraLista", Lista({SinAcelerador(Traducir("Form1", "&Comprobar")), SinAcelerador(Traducir("Form1", "&Nuevo")),
                                  SinAcelerador(Traducir("Form1", "&Ver solución")), SinAcelerador(Traducir("Form1", "&Guardar partida")),
                                  SinAcelerador(Traducir("Form1", "C&argar partida"))}));
    return t;
}

// The window's help: the language's help text, the page's gestures, then the quick keys
// and the licence.
std::string Ayuda()
{
    std::string t = Leer(IdiomaDeJuego() == Idioma::Ingles ? "/ayuda_en.txt" : "/ayuda.txt") + "\n";
    for (const std::string& linea : FrasesPagina::AyudaGestos()) t += "  " + linea + "\n";
    t += Frases::Ayuda();
    std::erase(t, '\r');
    return t;
}

std::string Licencia()
{
    std::string t;
    for (const std::string& linea : Frases::Licencia()) t += linea + "\n";
    return t;
}

val Ranura(int lugar)
{
    const std::string bytes = pagina->BytesDeRanura(lugar);
    return bytes.empty() ? val::null() : ABytes(bytes);
}

val AbrirArchivo(const std::string& nombre, const val& bytes) { return Objeto(pagina->AbrirArchivo(nombre, DeBytes(bytes))); }
val Tocar(int i) { return Objeto(pagina->Tocar(i)); }
val Cifra(int d) { return Objeto(pagina->Cifra(d)); }
val Enfocado() { return Objeto(pagina->Enfocado()); }
val Anunciar(const std::string& texto) { return Objeto(pagina->Partida().Anunciar(texto)); }
val Comprobar() { return Objeto(pagina->Comprobar()); }
val Nuevo() { return Objeto(pagina->Nuevo()); }
val VerSolucion() { return Objeto(pagina->VerSolucion()); }
val Guardar(int lugar) { return Objeto(pagina->Guardar(lugar)); }
val Cargar(int lugar) { return Objeto(pagina->Cargar(lugar)); }
val GuardarNoPermitido() { return Objeto(pagina->Partida().GuardarNoPermitido()); }
val Botonera(int opciones) { return Objeto(pagina->Botonera(opciones)); }
val SudokuDelDia() { return Objeto(pagina->SudokuDelDia()); }
val Estadisticas() { return Objeto(pagina->Estadisticas()); }
val Compartir() { return Objeto(pagina->CompartirResultado()); }
void Pausar() { pagina->Pausar(); }
void Seguir() { pagina->Seguir(); }
void Portapapeles(const std::string& texto) { pagina->Portapapeles() = texto; }
void PonerNivel(int i) { pagina->PonerNivel(i); }
void PonerDificultad(int i) { pagina->PonerDificultad(i); }
void PonerTamano(int i) { pagina->PonerTamano(i); }
bool Preparar() { return pagina->Preparar(); }

} // namespace web

EMSCRIPTEN_BINDINGS(novaro)
{
    emscripten::function("empezar", &web::Empezar);
    emscripten::function("tecla", &web::Tecla);
    emscripten::function("tocar", &web::Tocar);
    emscripten::function("cifra", &web::Cifra);
    emscripten::function("enfocado", &web::Enfocado);
    emscripten::function("anunciar", &web::Anunciar);
    emscripten::function("comprobar", &web::Comprobar);
    emscripten::function("nuevo", &web::Nuevo);
    emscripten::function("verSolucion", &web::VerSolucion);
    emscripten::function("guardar", &web::Guardar);
    emscripten::function("cargar", &web::Cargar);
    emscripten::function("guardarNoPermitido", &web::GuardarNoPermitido);
    emscripten::function("abrirArchivo", &web::AbrirArchivo);
    emscripten::function("botonera", &web::Botonera);
    emscripten::function("sudokuDelDia", &web::SudokuDelDia);
    emscripten::function("estadisticas", &web::Estadisticas);
    emscripten::function("compartir", &web::Compartir);
    emscripten::function("pausar", &web::Pausar);
    emscripten::function("seguir", &web::Seguir);
    emscripten::function("ranura", &web::Ranura);
    emscripten::function("portapapeles", &web::Portapapeles);
    emscripten::function("ponerNivel", &web::PonerNivel);
    emscripten::function("ponerDificultad", &web::PonerDificultad);
    emscripten::function("ponerTamano", &web::PonerTamano);
    emscripten::function("preparar", &web::Preparar);
    emscripten::function("vista", &web::Vista);
    emscripten::function("textos", &web::Textos);
    emscripten::function("ayuda", &web::Ayuda);
    emscripten::function("licencia", &web::Licencia);
}
