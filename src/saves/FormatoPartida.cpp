// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoPartida.h"
#include <QList>
#include <algorithm>
#include <array>
#include <optional>
#include "Windows1252.h"

namespace {

const char* TextoMarca(bool valor) { return valor ? "#TRUE#" : "#FALSE#"; }

void EscribirTexto(QByteArray& salida, const QString& texto)
{
    salida += '"';
    for (char b : A1252(texto)) {
        if (b == '"')
            salida += '"';
        salida += b;
    }
    salida += '"';
}

bool EsFinDeLinea(char c) { return c == '\r' || c == '\n'; }

// Walks the items of a slot file; every read fails rather than guess.
class Lector {
public:
    explicit Lector(QByteArrayView datos) : d(datos) {}

    std::optional<QByteArray> Texto()
    {
        if (p >= d.size() || d[p] != '"')
            return std::nullopt;
        ++p;
        QByteArray texto;
        while (p < d.size()) {
            const char c = d[p++];
            if (c != '"') {
                texto += c;
            } else if (p < d.size() && d[p] == '"') {
                texto += '"';
                ++p;
            } else {
                fin = p;
                if (!FinDeElemento())
                    return std::nullopt;
                return texto;
            }
        }
        return std::nullopt;   // no closing quote
    }

    std::optional<bool> Marca()
    {
        const qsizetype inicio = p;
        while (p < d.size() && d[p] != ',' && !EsFinDeLinea(d[p]))
            ++p;
        const QByteArrayView palabra = d.sliced(inicio, p - inicio);
        fin = p;
        FinDeElemento();
        if (palabra == QByteArrayView("#TRUE#"))
            return true;
        if (palabra == QByteArrayView("#FALSE#"))
            return false;
        return std::nullopt;
    }

    // What follows the last item: nothing but blanks and line ends (an editor may add or
    // drop the final line end), or from a "#" on, the notes. A comma would start a 326th item.
    std::optional<QByteArrayView> Cola() const
    {
        qsizetype i = fin;
        while (i < d.size() && (d[i] == ' ' || d[i] == '\t' || EsFinDeLinea(d[i])))
            ++i;
        if (i == d.size())
            return QByteArrayView();
        if (d[i] == '#' && i > fin && EsFinDeLinea(d[fin]))
            return d.sliced(i);
        return std::nullopt;
    }

private:
    // An item ends at a comma, a line end or the end of the data.
    bool FinDeElemento()
    {
        if (p >= d.size())
            return true;
        if (d[p] == ',') {
            ++p;
            return true;
        }
        if (d[p] == '\r') {
            ++p;
            if (p < d.size() && d[p] == '\n')
                ++p;
            return true;
        }
        if (d[p] == '\n') {
            ++p;
            return true;
        }
        return false;
    }

    QByteArrayView d;
    qsizetype p = 0;
    qsizetype fin = 0;   // just past the last item read, before its separator
};

const char* const MarcaNotas = "#NOTAS#";

QByteArrayView SinBlancos(QByteArrayView v)
{
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t'))
        v = v.sliced(1);
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\t'))
        v.chop(1);
    return v;
}

void EscribirNotas(QByteArray& salida, const std::array<uint16_t, 81>& notas)
{
    salida += MarcaNotas;
    salida += "\r\n";
    for (int fila = 0; fila < 9; ++fila) {
        for (int columna = 0; columna < 9; ++columna) {
            if (columna > 0)
                salida += ',';
            for (int d = 1; d <= 9; ++d)
                if (notas[fila * 9 + columna] & (1u << (d - 1)))
                    salida += char('0' + d);
        }
        salida += "\r\n";
    }
}

// The notes' lines, whatever their line ends; none when anything is out of place.
std::optional<std::array<uint16_t, 81>> LeerNotas(QByteArrayView cola)
{
    QList<QByteArrayView> lineas;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= cola.size(); ++i) {
        if (i < cola.size() && !EsFinDeLinea(cola[i]))
            continue;
        lineas.append(cola.sliced(inicio, i - inicio));
        if (i + 1 < cola.size() && cola[i] == '\r' && cola[i + 1] == '\n')
            ++i;
        inicio = i + 1;
    }
    while (!lineas.isEmpty() && SinBlancos(lineas.back()).isEmpty())
        lineas.removeLast();
    if (lineas.size() != 10 || SinBlancos(lineas[0]) != QByteArrayView(MarcaNotas))
        return std::nullopt;
    std::array<uint16_t, 81> notas{};
    for (int fila = 0; fila < 9; ++fila) {
        const QByteArrayView linea = lineas[fila + 1];
        int columna = 0;
        for (qsizetype i = 0; i < linea.size(); ++i) {
            const char c = linea[i];
            if (c == ',') {
                if (++columna > 8)
                    return std::nullopt;
            } else if (c >= '1' && c <= '9') {
                notas[fila * 9 + columna] |= uint16_t(1u << (c - '1'));
            } else if (c != ' ' && c != '\t') {
                return std::nullopt;
            }
        }
        if (columna != 8)
            return std::nullopt;
    }
    return notas;
}

} // namespace

QByteArray CodificarPartida(const RegistroPartida& registro)
{
    QByteArray salida;
    salida.reserve(82 * 32);
    salida += TextoMarca(registro.SonidoActivo);
    salida += "\r\n";
    for (int a = 0; a < 9; ++a) {
        for (int b = 0; b < 9; ++b) {
            const int k = a * 9 + b;
            const int digito = registro.Solucion[b * 9 + a];
            salida += '"';
            salida += (digito >= 1 && digito <= 9) ? char('A' + digito) : '?';
            salida += "\",";
            salida += TextoMarca(registro.Originales[k]);
            salida += ',';
            salida += TextoMarca(registro.Provisionales[k]);
            salida += ',';
            EscribirTexto(salida, registro.Textos[k]);
            salida += "\r\n";
        }
    }
    // A game without notes keeps exactly the designed 82 lines.
    if (std::any_of(registro.Notas.begin(), registro.Notas.end(), [](uint16_t n) { return n != 0; }))
        EscribirNotas(salida, registro.Notas);
    return salida;
}

LecturaPartida DecodificarPartida(QByteArrayView bytes)
{
    LecturaPartida lectura;
    Lector lector(bytes);

    const std::optional<bool> sonido = lector.Marca();
    if (!sonido)
        return lectura;
    lectura.sonidoLeido = true;
    lectura.sonido = *sonido;

    RegistroPartida registro;
    registro.SonidoActivo = *sonido;
    for (int a = 0; a < 9; ++a) {
        for (int b = 0; b < 9; ++b) {
            const int k = a * 9 + b;
            const std::optional<QByteArray> letra = lector.Texto();
            if (!letra || letra->size() != 1 || letra->at(0) < 'B' || letra->at(0) > 'J')
                return lectura;
            const std::optional<bool> original = lector.Marca();
            const std::optional<bool> provisional = original ? lector.Marca() : std::nullopt;
            const std::optional<QByteArray> texto = provisional ? lector.Texto() : std::nullopt;
            if (!texto)
                return lectura;
            registro.Solucion[b * 9 + a] = static_cast<int16_t>(letra->at(0) - 'A');
            registro.Originales[k] = *original;
            registro.Provisionales[k] = *provisional;
            registro.Textos[k] = De1252(*texto);
        }
    }
    const std::optional<QByteArrayView> cola = lector.Cola();
    if (!cola)
        return lectura;
    if (!cola->isEmpty()) {
        const std::optional<std::array<uint16_t, 81>> notas = LeerNotas(*cola);
        lectura.notasDanadas = !notas;
        if (notas)
            registro.Notas = *notas;
    }

    lectura.ok = true;
    lectura.registro = registro;
    return lectura;
}
