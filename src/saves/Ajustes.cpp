// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ajustes.h"
#include "Archivos.h"
#include "Dificultad.h"
#include <QList>
#include <QStandardPaths>
#include <utility>

namespace {

constexpr int16_t Niveles = 15;
constexpr int16_t Tamanos = 8;

// One table names every switch once, for writing and for reading.
const std::pair<const char*, bool Ajustes::*> Interruptores[] = {
    {"linea_oculta", &Ajustes::lineaOculta},       {"sonido", &Ajustes::sonido},
    {"aviso_original", &Ajustes::avisoOriginal},   {"aviso_repetido", &Ajustes::avisoRepetido},
    {"solucion_unica", &Ajustes::solucionUnica},   {"notas", &Ajustes::modoNotas},
    {"escritura_directa", &Ajustes::escrituraDirecta},
};

QByteArray Si(bool v) { return v ? QByteArrayLiteral("true") : QByteArrayLiteral("false"); }

void LeerIndice(QByteArrayView valor, int16_t limite, int16_t& destino)
{
    bool ok = false;
    const int n = valor.toByteArray().toInt(&ok);
    if (ok && n >= 0 && n < limite) destino = static_cast<int16_t>(n);
}

} // namespace

QByteArray CodificarAjustes(const Ajustes& a)
{
    QByteArray t = "[General]\n";
    t += "nivel=" + QByteArray::number(a.nivel) + '\n';
    t += "tamano_letra=" + QByteArray::number(a.tamano) + '\n';
    t += "dificultad=" + QByteArray::number(a.dificultad) + '\n';
    for (const auto& [clave, campo] : Interruptores) t += QByteArray(clave) + '=' + Si(a.*campo) + '\n';
    return t;
}

Ajustes DecodificarAjustes(QByteArrayView bytes)
{
    Ajustes a;
    if (bytes.size() > TamanoMaximoAjustes || bytes.contains('\0')) return a;
    for (const QByteArray& crudo : bytes.toByteArray().split('\n')) {
        const QByteArray linea = crudo.trimmed();
        const qsizetype igual = linea.indexOf('=');
        if (igual <= 0) continue;
        const QByteArray clave = linea.left(igual).trimmed();
        const QByteArray valor = linea.mid(igual + 1).trimmed();
        if (clave == "nivel") LeerIndice(valor, Niveles, a.nivel);
        else if (clave == "tamano_letra") LeerIndice(valor, Tamanos, a.tamano);
        else if (clave == "dificultad") LeerIndice(valor, Dificultades, a.dificultad);
        for (const auto& [nombre, campo] : Interruptores)
            if (clave == nombre && (valor == "true" || valor == "false")) a.*campo = valor == "true";
    }
    return a;
}

QString RutaAjustesDelJugador()
{
#ifdef Q_OS_WIN
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);   // %APPDATA%\novaro
#else
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                          + QStringLiteral("/novaro");
#endif
    return carpeta + QStringLiteral("/novaro.ini");
}

Ajustes CargarAjustes(const QString& ruta)
{
    const Leido leido = LeerAcotado(ruta, TamanoMaximoAjustes);
    return leido.bytes ? DecodificarAjustes(*leido.bytes) : Ajustes{};
}
