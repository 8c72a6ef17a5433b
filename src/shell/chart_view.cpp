#include "shell/chart_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/bitmap_image.h"

namespace kolvar {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted from the chart bitmap; no background erase needed.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(0, 0);
}

void ChartView::ShowChart(const Bitmap& chart) {
    chartImage_ = WrapBitmap(chart);
    update();
}

void ChartView::ShowMoonPicture(const Bitmap& picture, const QRect& placement) {
    moonImage_ = WrapBitmap(picture);
    moonPlacement_ = placement;
    update();
}

void ChartView::ShowReticle(std::optional<ReticleMark> mark) {
    if (const QRect dirty = reticle_.Set(mark); !dirty.isEmpty()) update(dirty);
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Outside the last chart (only between a resize and its redraw) stays navy.
    painter.fillRect(rect(), QColor(0, 0, 128));
    if (!chartImage_.isNull()) painter.drawImage(QRect(QPoint(0, 0), chartImage_.size()), chartImage_);
    if (!moonImage_.isNull() && moonPlacement_.isValid()) painter.drawImage(moonPlacement_, moonImage_);
    reticle_.Paint(painter);
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (OnResize) OnResize();
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    emit MouseDown(event->button(), p.x(), p.y());
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseDown(event->button(), p.x(), p.y());
    emit DoubleClicked(event->button(), p.x(), p.y());
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    emit MouseUp(event->button(), p.x(), p.y());
}

}  // namespace kolvar
