#pragma once

#include <QAccessible>
#include <QLabel>
#include <QObject>
#include <QString>

class QMainWindow;

// A label Orca reads as a notification. Its own class so the accessibility
// factory can recognise it by name.
class EtiquetaAviso : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaAviso(QWidget* padre = nullptr);
};

// The game's voice: Orca ignores text changes away from the focus, but it
// speaks a notification that appears inside a status bar, without a role word.
class Voz : public QObject {
    Q_OBJECT
public:
    static void InstalarFabrica();
    explicit Voz(QMainWindow* ventana);

    void Hablar(const QString& texto);
    static QString Pronunciar(const QString& linea);

    // Where the showing events go. Qt drops them while no screen reader is
    // active, so tests put an observer here.
    static inline QAccessible::UpdateHandler Publicar = QAccessible::updateAccessibility;

signals:
    void Hablado(const QString& texto);

private:
    EtiquetaAviso* etiquetas[2] = {nullptr, nullptr};
    int siguiente = 0;
};
