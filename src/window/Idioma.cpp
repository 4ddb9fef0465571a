// SPDX-License-Identifier: GPL-3.0-or-later
#include "Idioma.h"
#include "Palabras.h"
#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace {
QString actual = IdiomaOriginal;
// Goes with the application object that owns it.
QPointer<QTranslator> instalado;
}

QStringList IdiomasDisponibles() { return {IdiomaOriginal, QStringLiteral("en")}; }

QString ElegirIdioma(const QStringList& preferidos, const QStringList& disponibles)
{
    for (QString nombre : preferidos) {
        nombre = nombre.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (disponibles.contains(nombre))
            return nombre;
    }
    return IdiomaOriginal;
}

bool InstalarIdioma(const QString& idioma, const QString& carpeta)
{
    QTranslator* nuevo = nullptr;
    if (idioma != IdiomaOriginal) {
        // Owned by the application: its texts are asked for until the end.
        nuevo = new QTranslator(QCoreApplication::instance());
        if (!nuevo->load(QStringLiteral("novaro_") + idioma, carpeta)) {
            delete nuevo;
            return false;
        }
        QCoreApplication::installTranslator(nuevo);
    }
    if (instalado) {
        QCoreApplication::removeTranslator(instalado);
        delete instalado.data();
    }
    instalado = nuevo;
    actual = idioma;
    // The core composes what is said: it speaks the language the window shows.
    PonerIdioma(idioma == QLatin1String("en") ? Idioma::Ingles : Idioma::Espanol);
    return true;
}

QString IdiomaActual() { return actual; }
