// SPDX-License-Identifier: GPL-3.0-or-later
#include "EstiloVentana.h"
#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <utility>

namespace {

// An icon the style makes only when something first asks to see or measure it.
class IconoAlUsarlo : public QIconEngine {
public:
    IconoAlUsarlo(QPointer<QStyle> estilo, QStyle::StandardPixmap cual, QPointer<QWidget> widget)
        : estilo_(std::move(estilo)), cual_(cual), widget_(std::move(widget))
    {
    }

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Real().paint(p, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Real().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Real().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Real().availableSizes(mode, state);
    }
    bool isNull() override { return Real().isNull(); }
    QString key() const override { return QStringLiteral("IconoAlUsarlo"); }
    QIconEngine* clone() const override
    {
        auto* copia = new IconoAlUsarlo(estilo_, cual_, widget_);
        copia->real_ = real_;
        return copia;
    }

private:
    const QIcon& Real()
    {
        if (!real_) real_ = estilo_ ? estilo_->standardIcon(cual_, nullptr, widget_) : QIcon();
        return *real_;
    }

    QPointer<QStyle> estilo_;
    QStyle::StandardPixmap cual_;
    QPointer<QWidget> widget_;
    std::optional<QIcon> real_;
};

} // namespace

QIcon EstiloVentana::standardIcon(StandardPixmap cual, const QStyleOption* opcion, const QWidget* widget) const
{
    if (cual == SP_ToolBarHorizontalExtensionButton || cual == SP_ToolBarVerticalExtensionButton)
        return QIcon(new IconoAlUsarlo(baseStyle(), cual, const_cast<QWidget*>(widget)));
    return QProxyStyle::standardIcon(cual, opcion, widget);
}

void InstalarEstiloVentana()
{
    QStyle* actual = QApplication::style();
    if (qobject_cast<EstiloVentana*>(actual)) return;
    // A style made anew by its name, as Qt made the one in use; one without a name is
    // taken over as it is.
    const QString nombre = actual->name();
    QApplication::setStyle(nombre.isEmpty() ? new EstiloVentana(actual) : new EstiloVentana(nombre));
}
