// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoPartida.h"
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

    // After the last item only blanks and line ends may follow (an editor may add or drop
    // the final line end); a comma would start a 326th item.
    bool SoloBlancosAlFinal() const
    {
        for (qsizetype i = fin; i < d.size(); ++i) {
            if (d[i] != ' ' && d[i] != '\t' && !EsFinDeLinea(d[i]))
                return false;
        }
        return true;
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
    if (!lector.SoloBlancosAlFinal())
        return lectura;

    lectura.ok = true;
    lectura.registro = registro;
    return lectura;
}
