// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include "CajaTeclas.h"
#include "Casilla.h"
#include "Form1.h"
#include "Reproductor.h"
#include "Voz.h"

// Records what the game asks of the sound player instead of making noise.
struct ReproductorPrueba : Reproductor {
    QStringList llamadas;
    void PonerArchivo(const QString& ruta) override { llamadas << "1026 " + ruta; }
    void Detener() override { llamadas << "2003"; }
    void Reproducir() override { llamadas << "2001"; }
    void Pitar() override { llamadas << "pitido"; }
    // "sonido <which> <stereo position>", one line each.
    void Sonar(const std::vector<SonidoJuego>& sonidos) override
    {
        for (const SonidoJuego& s : sonidos) llamadas << QString("sonido %1 %2").arg(int(s.que)).arg(s.posicion);
    }
    int Pitidos() const { return static_cast<int>(llamadas.count("pitido")); }
};

// The real window, offscreen, with a fixed seed, a private slot folder, and
// message boxes, popups and sounds recorded instead of shown.
struct VentanaPrueba {
    QTemporaryDir carpeta;
    ReproductorPrueba* sonido = nullptr;
    std::unique_ptr<Form1> f;
    QStringList mensajes;
    QStringList dichos;
    QStringList menusMostrados;
    std::function<QAction*(QMenu*)> eleccion;   // which item the player picks in a popup

    // sudoku: a puzzle the command line brought, the first game instead of a dealt one.
    // directorio: another window's folder, to start where that one left off; nueva: --nueva.
    explicit VentanaPrueba(uint64_t semilla = 1, std::optional<SudokuLeido> sudoku = std::nullopt,
                           const QString& directorio = {}, bool nueva = false)
    {
        auto r = std::make_unique<ReproductorPrueba>();
        sonido = r.get();
        Form1::Opciones o;
        o.azar = std::make_unique<Aleatorio>(semilla);
        o.reproductor = std::move(r);
        o.directorio = directorio.isEmpty() ? carpeta.path() : directorio;
        o.sudoku = std::move(sudoku);
        o.nueva = nueva;
        f = std::make_unique<Form1>(std::move(o));
        f->Mensaje = [this](const QString& t) { mensajes << t; };
        f->MostrarMenu = [this](QMenu* m) {
            QStringList estados;
            for (QAction* a : m->actions()) estados << a->text() + (a->isEnabled() ? "" : " (gris)");
            menusMostrados << estados.join('|');
            if (eleccion)
                if (QAction* a = eleccion(m)) a->trigger();
        };
        QObject::connect(&f->Habla(), &Voz::Hablado, [this](const QString& t) { dichos << t; });
        // H and G are heard within the key, however slow a sanitized build thinks.
        f->Detector().EsperarAlPensar(std::chrono::minutes(1));
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get())) qFatal("the game window never became active");
        f->Picture1->setFocus();
        QCoreApplication::processEvents();
        sonido->llamadas.clear();
    }

    static std::function<QAction*(QMenu*)> Elegir(const QString& texto)
    {
        return [texto](QMenu* m) -> QAction* {
            for (QAction* a : m->actions())
                if (a->text() == texto) return a;
            return nullptr;
        };
    }

    // Clicks a button (save, load) and picks `item` in the popup it opens.
    void ElegirTrasBoton(QPushButton* boton, const QString& item)
    {
        eleccion = Elegir(item);
        QTest::mouseClick(boton, Qt::LeftButton);
        eleccion = nullptr;
    }

    // A board of 81 characters, row by row: digits are givens, '-' empty cells,
    // and lower-case letters a..i the digits 1..9 written by the player.
    void Tablero(const QString& t)
    {
        for (int i = 0; i < 81; ++i) {
            const QChar c = t[i];
            const bool dado = c.isDigit();
            QString texto = c == QLatin1Char('-') ? QStringLiteral("-") : QString(c);
            if (c.isLower()) texto = QString::number(c.unicode() - 'a' + 1);
            f->Text1[i]->setText(texto);
            f->Text1[i]->setReadOnly(dado);
            f->Estado.Originales[i] = dado;
            f->Estado.Provisionales[i] = false;
        }
    }

    void Cursor(int fila, int columna)
    {
        f->Estado.FilaActual = static_cast<int16_t>(fila);
        f->Estado.ColumnaActual = static_cast<int16_t>(columna);
        f->Estado.CasillaActual = static_cast<int16_t>(fila * 9 + columna);
    }

    QString Linea() const { return f->TbPorta->text(); }
    QString Celda(int i) const { return f->Text1[i]->text(); }
    int EnCursor() const { return f->Estado.CasillaActual; }
    QColor ColorTexto(int i) const { return f->Text1[i]->palette().color(QPalette::Text); }
};

// The first focus came before any screen reader asked for the game: the notice waits on
// the line, and is said once one does.
inline void AvisoAlLlegarElLector(VentanaPrueba& w, const QString& aviso)
{
    QVERIFY(!QAccessible::isActive());
    QCOMPARE(w.dichos, QStringList{});
    QCOMPARE(w.Linea(), aviso);
    QAccessible::setActive(true);
    // Under Wine the detector may hear a late second focus of its own, said as designed.
    QTRY_VERIFY2(w.dichos.contains(aviso), qPrintable(w.dichos.join(" | ")));
    QCOMPARE(w.dichos.count(aviso), qsizetype(1));
    QAccessible::setActive(false);
}
