#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>

#include "canvas/bitmap.h"
#include "widgets/reticle.h"

namespace kolvar {

// Shows a canvas Bitmap (the chart) filling the widget, with the Moon phase
// picture laid over it. The images wrap the bitmaps' own pixels without a
// copy, so the bitmaps must stay put until the next Show... call.
//
// The chart is drawn one bitmap pixel per logical pixel: marker sizes, label
// fonts and click positions are all in those pixels. On a high-density screen
// the painter enlarges it without smoothing (nearest neighbour), so the
// markers stay sharp-edged instead of blurred.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    void ShowChart(const Bitmap& chart);
    void ShowMoonPicture(const Bitmap& picture, const QRect& placement);

    const QImage& ChartImage() const { return chartImage_; }
    const QImage& MoonImage() const { return moonImage_; }
    QRect MoonPlacement() const { return moonPlacement_; }

    // The telescope's reticle over the chart, or none; only its pixels are
    // painted again.
    void ShowReticle(std::optional<ReticleMark> mark);
    const std::optional<ReticleMark>& Reticle() const { return reticle_.Mark(); }

    // Called from resizeEvent with the new size in chart pixels.
    std::function<void()> OnResize;

signals:
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);
    // After the press that a double click's second press also gives.
    void DoubleClicked(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage chartImage_;
    QImage moonImage_;
    QRect moonPlacement_;
    ReticleOverlay reticle_;
};

}  // namespace kolvar
