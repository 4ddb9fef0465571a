#include "Idioma.h"
#include <QCoreApplication>
#include <QTranslator>

namespace {
QString actual = IdiomaOriginal;
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
    if (idioma == IdiomaOriginal) {
        actual = IdiomaOriginal;
        return true;
    }
    // Owned by the application: its texts are asked for until the end.
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (!traductor->load(QStringLiteral("novaro_") + idioma, carpeta)) {
        delete traductor;
        return false;
    }
    QCoreApplication::installTranslator(traductor);
    actual = idioma;
    return true;
}

QString IdiomaActual() { return actual; }
