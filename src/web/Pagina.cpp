// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pagina.h"
#include "Carpetas.h"
#include "FormatoEnCurso.h"
#include "FormatoPartida.h"
#include "Frases.h"
#include "FrasesDia.h"
#include "Importar.h"
#include "Notas.h"
#include "Palabras.h"
#include "Partida.h"
#include "PorDificultad.h"
#include "Texto.h"
#include <chrono>
#include <ctime>

namespace {

constexpr int Lugares = 9;
constexpr int16_t Niveles = 15;
constexpr int16_t Tamanos = 8;

std::string NombreAjustesTexto() { return std::string(NombreAjustes); }

// The page's own clock (the browser's, through the C library): steady milliseconds, and
// today by the player's local time zone.
int64_t AhoraMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

Fecha HoyLocal()
{
    // The page has one thread; std::localtime is also what the Windows build of its tests has.
    const std::time_t ahora = std::time(nullptr);
    const std::tm hora = *std::localtime(&ahora);
    return {hora.tm_year + 1900, hora.tm_mon + 1, hora.tm_mday};
}

} // namespace

Pagina::Pagina(Almacen& almacen, uint64_t semilla) : almacen_(almacen), azar_(semilla)
{
    juego_.LeerPortapapeles = [this] { return portapapeles_; };
    juego_.Ahora = AhoraMs;
    juego_.Hoy = HoyLocal;
}

std::string Pagina::Motivo(Guardado g) const
{
    return g == Guardado::Lleno ? Traducir("Web", "El almacenamiento del navegador está lleno.")
                                : Traducir("Web", "El navegador no deja guardar datos a esta página.");
}

std::string Pagina::CargarMarcas()
{
    const std::string nombre(NombreMarcas);
    const Leido leido = almacen_.Leer(nombre);
    if (!leido.existe) return {};
    const std::optional<Marcas> marcas = leido.bytes.size() <= TamanoMaximoMarcas ? DecodificarMarcas(leido.bytes) : std::nullopt;
    if (marcas) {
        juego_.PonerMarcas(*marcas);
        marcasEscritas_ = leido.bytes;
        return {};
    }
    // Kept aside under another name, never written over; a fresh record starts.
    almacen_.Escribir(nombre + ".danada", leido.bytes);
    return Frases::MarcasDanadas();
}

std::string Pagina::Empezar(const std::optional<std::string>& sudoku, bool dia)
{
    std::string aviso;
    const Leido ajustes = almacen_.Leer(NombreAjustesTexto());
    if (ajustes.bloqueado) aviso = Traducir("Web", "El navegador no deja guardar datos a esta página: la partida, los ajustes y los lugares no se conservarán al cerrarla.");
    if (ajustes.existe && ajustes.bytes.size() <= TamanoMaximoAjustes) ajustes_ = DecodificarAjustes(ajustes.bytes);
    juego_.AplicarAjustes(ajustes_);
    ajustesEscritos_ = CodificarAjustes(juego_.AjustesActuales(ajustes_));
    const Leido preparados = almacen_.Leer(std::string(NombrePreparados));
    if (preparados.existe && preparados.bytes.size() <= TamanoMaximoPreparados) reservas_ = DecodificarPreparados(preparados.bytes);
    reservasEscritas_ = CodificarPreparados(reservas_);

    bool empezada = false;
    if (sudoku) {
        // A puzzle from the address wins over the kept game; a refused one says why.
        const SudokuLeido leido = LeerSudoku(*sudoku);
        if (leido.rechazo == Rechazo::Ninguno) {
            juego_.EmpezarLeido(leido);
            empezada = true;
        } else {
            aviso = Frases::SudokuRechazado(leido);
        }
    } else {
        const Leido kept = almacen_.Leer(std::string(NombreEnCurso));
        if (kept.existe) {
            const LecturaEnCurso lectura = kept.bytes.size() <= TamanoMaximoEnCurso ? DecodificarEnCurso(kept.bytes)
                                                                                     : LecturaEnCurso{EstadoEnCurso::Danada, {}};
            if (lectura.estado == EstadoEnCurso::Recuperada) {
                juego_.Recuperar(lectura.partida);
                aviso = Frases::PartidaRecuperada();
                empezada = true;
            } else if (lectura.estado == EstadoEnCurso::Danada) {
                aviso = Frases::PartidaNoRecuperada();
            }
        }
    }
    if (!empezada) Repartir();
    juego_.Seguir();
    const std::string avisoMarcas = CargarMarcas();
    if (!avisoMarcas.empty()) aviso = aviso.empty() ? avisoMarcas : aviso + " " + avisoMarcas;
    if (dia) {
        const std::string delDia = juego_.SudokuDelDia().dicho;
        aviso = aviso.empty() ? delDia : aviso + " " + delDia;
    }
    tablero_.SeleccionarCasilla(juego_.Estado().CasillaActual, true);
    Resultado r;
    Conservar(r);
    if (!r.mensaje.empty() && aviso.empty()) aviso = r.mensaje;
    return aviso;
}

// A deal of the kind chosen: a ready one when there is one, else made now (a few ms).
Resultado Pagina::Repartir()
{
    const Dificultad dificultad = juego_.Estado().DificultadElegida;
    if (dificultad == Dificultad::PorNivel) return juego_.NuevoPorNivel(azar_);
    std::vector<SudokuHecho>& listos = reservas_[static_cast<size_t>(dificultad)];
    if (!listos.empty()) {
        const SudokuHecho hecho = listos.front();
        listos.erase(listos.begin());
        return juego_.EmpezarHecho(hecho, dificultad);
    }
    return juego_.EmpezarHecho(HacerSudoku(dificultad, azar_), dificultad);
}

bool Pagina::Preparar()
{
    const Dificultad dificultad = juego_.Estado().DificultadElegida;
    if (dificultad == Dificultad::PorNivel) return false;
    std::vector<SudokuHecho>& listos = reservas_[static_cast<size_t>(dificultad)];
    if (listos.size() >= PreparadosPorDificultad) return false;
    listos.push_back(HacerSudoku(dificultad, azar_));
    Resultado r;
    Conservar(r);
    return listos.size() < PreparadosPorDificultad;
}

// What changed is stored after every action: a tab may be closed at any moment. A
// storage that refuses is said once, and the game goes on.
void Pagina::Conservar(Resultado& r)
{
    Guardado fallo = Guardado::Hecho;
    auto escribir = [&](std::string_view nombre, const std::string& bytes, std::string& escrito) {
        if (bytes == escrito) return;
        const Guardado g = almacen_.Escribir(std::string(nombre), bytes);
        if (g == Guardado::Hecho) escrito = bytes;
        else fallo = g;
    };
    escribir(NombreEnCurso, CodificarEnCurso(juego_.EnCurso()), enCursoEscrito_);
    ajustes_ = juego_.AjustesActuales(ajustes_);
    escribir(NombreAjustes, CodificarAjustes(ajustes_), ajustesEscritos_);
    escribir(NombrePreparados, CodificarPreparados(reservas_), reservasEscritas_);
    // Written once something was solved: an empty record is no file.
    if (juego_.MarcasDelDia().resueltos > 0) escribir(NombreMarcas, CodificarMarcas(juego_.MarcasDelDia()), marcasEscritas_);
    if (fallo != Guardado::Hecho && !avisadoSinGuardar_) {
        avisadoSinGuardar_ = true;
        const std::string aviso = Motivo(fallo) + " " + Traducir("Web", "La partida sigue, pero no se conservará al cerrar la página.");
        r.mensaje = r.mensaje.empty() ? aviso : r.mensaje + "\n" + aviso;
    }
}

Resultado Pagina::Despues(Resultado r)
{
    // The page has one thread: H and G think to the end within their key.
    if (r.pensamiento) {
        r.pensamiento->Pensar();
        const Resultado pensado = juego_.Pensado(*r.pensamiento);
        r.pensamiento.reset();
        r.dicho = pensado.dicho;
        r.panel = r.panel || pensado.panel;
        r.panelSuena = r.panelSuena || pensado.panelSuena;
        r.sonidos.insert(r.sonidos.end(), pensado.sonidos.begin(), pensado.sonidos.end());
    }
    if (r.nuevoJuego) {
        r.nuevoJuego = false;
        const Resultado nuevo = Repartir();
        r.dicho = r.dicho.empty() ? nuevo.dicho : r.dicho + " " + nuevo.dicho;
        r.partidaEmpezada = true;
    }
    Conservar(r);
    return r;
}

Resultado Pagina::Tecla(int codigo, int digitoTeclado, const std::u16string& caracteres)
{
    return Despues(juego_.Pulsar(codigo, digitoTeclado, caracteres));
}

Resultado Pagina::Tocar(int indice) { return Despues(juego_.Tocar(static_cast<int16_t>(indice))); }
Resultado Pagina::Cifra(int digito) { return Despues(juego_.TocarCifra(static_cast<int16_t>(digito))); }
Resultado Pagina::Enfocado() { return juego_.Enfocado(); }

Resultado Pagina::Comprobar()
{
    if (!juego_.PuedeComprobar()) return {};
    return Despues(juego_.Comprobar());
}

Resultado Pagina::Nuevo()
{
    Resultado r = Repartir();
    r.partidaEmpezada = true;
    return Despues(r);
}

Resultado Pagina::VerSolucion() { return Despues(juego_.VerSolucion()); }

Resultado Pagina::Guardar(int lugar)
{
    if (lugar < 1 || lugar > Lugares) return {};
    if (!juego_.PuedeGuardar()) return juego_.GuardarNoPermitido();
    const Guardado g = almacen_.Escribir(NombreRanura(lugar), juego_.BytesDeRanura());
    return Despues(juego_.Guardada(lugar, g == Guardado::Hecho, g == Guardado::Hecho ? std::string() : Motivo(g)));
}

Resultado Pagina::Cargar(int lugar)
{
    if (lugar < 1 || lugar > Lugares) return {};
    const Leido leido = almacen_.Leer(NombreRanura(lugar));
    if (!leido.existe) return juego_.SinPartidaEn(lugar);
    const LecturaPartida lectura = leido.bytes.size() <= TamanoMaximoRanura ? DecodificarPartida(leido.bytes) : LecturaPartida{};
    Resultado r = lectura.ok ? juego_.CargadaDe(lugar, lectura) : juego_.DanadaEn(lectura);
    r.partidaEmpezada = true;
    return Despues(r);
}

Resultado Pagina::AbrirArchivo(const std::string& nombre, const std::string& bytes)
{
    const LecturaPartida lectura = bytes.size() <= TamanoMaximoRanura ? DecodificarPartida(bytes) : LecturaPartida{};
    Resultado r = lectura.ok ? juego_.CargadaDeArchivo(nombre, lectura) : juego_.DanadaEn(lectura);
    r.partidaEmpezada = true;
    return Despues(r);
}

Resultado Pagina::Botonera(int opciones)
{
    return juego_.SoloDecir(Frases::Menu(Traducir("Form1", "Botonera"), opciones));
}

Resultado Pagina::SudokuDelDia()
{
    Resultado r = juego_.SudokuDelDia();
    return Despues(r);
}

Resultado Pagina::Estadisticas() { return juego_.Estadisticas(); }
Resultado Pagina::CompartirResultado() { return juego_.CompartirResultado(); }

void Pagina::Pausar()
{
    juego_.Pausar();
    Resultado r;
    Conservar(r);   // a hidden tab may never be shown again
}

void Pagina::Seguir() { juego_.Seguir(); }

std::string Pagina::BytesDeRanura(int lugar)
{
    if (lugar < 1 || lugar > Lugares) return {};
    const Leido leido = almacen_.Leer(NombreRanura(lugar));
    return leido.existe ? leido.bytes : std::string();
}

void Pagina::PonerNivel(int indice)
{
    if (indice < 0 || indice >= Niveles) return;
    juego_.Estado().Nivel = static_cast<int16_t>(indice);
    Resultado r;
    Conservar(r);
}

void Pagina::PonerDificultad(int indice)
{
    if (indice < 0 || indice >= Dificultades) return;
    juego_.Estado().DificultadElegida = static_cast<Dificultad>(indice);
    Resultado r;
    Conservar(r);
}

void Pagina::PonerTamano(int indice)
{
    if (indice < 0 || indice >= Tamanos) return;
    ajustes_.tamano = static_cast<int16_t>(indice);
    Resultado r;
    Conservar(r);
}

std::string Pagina::OidoDeCelda(int indice) const
{
    const EstadoJuego& e = juego_.Estado();
    const auto i = static_cast<int16_t>(indice);
    std::string t = SinBlancos(tablero_.Texto(i));
    std::string oido = Sustituir(Traducir("Casilla", "Fila %1, columna %2"), {std::to_string(indice / 9 + 1), std::to_string(indice % 9 + 1)});
    oido += ", " + (t == "-" || t.empty() ? Frases::Vacia() : tablero_.Texto(i));
    if (e.Originales[i]) oido += ", " + Traducir("Web", "dado");
    if (e.Provisionales[i]) oido += ", " + Traducir("Web", "provisional");
    if (e.Notas[i] != 0) oido += ", " + Frases::Notas(DigitosNotados(e.Notas[i]));
    return oido;
}
