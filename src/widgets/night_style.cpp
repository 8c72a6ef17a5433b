#include "widgets/night_style.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

#include "chart/sky_phase.h"

namespace kolvar {

namespace {

constexpr int NightDimLevel = 40;  // green and blue up to this are a night colour still

// The day style with every picture it draws turned into night reds: a
// control is drawn into a layer of its own, the layer mapped to reds and then
// put where the control goes. Only the outermost drawing is mapped (a control
// draws its parts through the same style).
class NightStyle : public QProxyStyle {
public:
    explicit NightStyle(QStyle* day) : QProxyStyle(day) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TextCursorWidth) return 0;  // NightCursor draws it
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        Mapped(painter, option->rect,
               [&](QPainter* p) { QProxyStyle::drawPrimitive(element, option, p, widget); });
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        Mapped(painter, option->rect,
               [&](QPainter* p) { QProxyStyle::drawControl(element, option, p, widget); });
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        Mapped(painter, option->rect,
               [&](QPainter* p) { QProxyStyle::drawComplexControl(control, option, p, widget); });
    }

    void drawItemPixmap(QPainter* painter, const QRect& rect, int alignment,
                        const QPixmap& pixmap) const override {
        if (depth_ > 0 || pixmap.isNull())
            return QProxyStyle::drawItemPixmap(painter, rect, alignment, pixmap);
        QPixmap night = QPixmap::fromImage(NightImage(pixmap.toImage()));
        night.setDevicePixelRatio(pixmap.devicePixelRatio());
        QProxyStyle::drawItemPixmap(painter, rect, alignment, night);
    }

private:
    template <typename Draw>
    void Mapped(QPainter* painter, const QRect& rect, const Draw& draw) const {
        if (depth_ > 0 || painter == nullptr || rect.isEmpty() || rect.width() > 8192 || rect.height() > 8192)
            return draw(painter);
        const QRect area = rect.adjusted(-3, -3, 3, 3);  // focus frames reach a little outside
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        QImage layer(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        layer.setDevicePixelRatio(ratio);
        layer.fill(Qt::transparent);
        {
            QPainter into(&layer);
            into.translate(-area.topLeft());
            into.setFont(painter->font());
            into.setPen(painter->pen());
            into.setBrush(painter->brush());
            into.setRenderHints(painter->renderHints());
            ++depth_;
            draw(&into);
            --depth_;
        }
        QImage night = NightImage(layer);
        night.setDevicePixelRatio(ratio);
        painter->drawImage(area.topLeft(), night);
    }

    mutable int depth_ = 0;
};

// Draws a focused line edit's cursor in red over what the edit painted.
class NightCursor : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !active_) return false;
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit == nullptr) return false;
        static_cast<QObject*>(edit)->event(event);  // the edit paints itself, without a cursor
        if (edit->hasFocus() && !edit->hasSelectedText() && !edit->isReadOnly()) {
            // The edit's cursor rectangle reaches 5 pixels left of the cursor
            // (and 4 right), for repainting.
            const QRect at = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            QPainter painter(edit);
            painter.fillRect(QRect(at.left() + 5, at.top(), 1, at.height()), QColor(NightBrightestRed, 0, 0));
        }
        return true;
    }

    bool active_ = false;
};

QString dayStyleName;  // the style before the night began

}  // namespace

QImage NightImage(const QImage& image) {
    QImage night = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < night.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(night.scanLine(y));
        for (int x = 0; x < night.width(); ++x) {
            const QRgb c = row[x];
            // Reds stay (the palette's texts and frames are night colours
            // already, some with a trace of the grey a style mixes in).
            if (qGreen(c) <= NightDimLevel && qBlue(c) <= NightDimLevel) {
                row[x] = qRgba(std::min(qRed(c), int{NightBrightestRed}), 0, 0, qAlpha(c));
                continue;
            }
            const Colour red =
                NightColour({static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                             static_cast<std::uint8_t>(qBlue(c))});
            row[x] = qRgba(red.Red, red.Green, red.Blue, qAlpha(c));
        }
    }
    return night;
}

void UseNightStyle(bool night) {
    static NightCursor* cursor = [] {
        auto* filter = new NightCursor(qApp);
        qApp->installEventFilter(filter);
        return filter;
    }();
    if (night) {
        dayStyleName = QApplication::style()->name();
        QApplication::setStyle(new NightStyle(QStyleFactory::create(dayStyleName)));
    } else if (!dayStyleName.isEmpty()) {
        QApplication::setStyle(QStyleFactory::create(dayStyleName));
    }
    cursor->active_ = night;
}

}  // namespace kolvar
