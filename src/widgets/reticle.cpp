#include "widgets/reticle.h"

#include <QPainter>
#include <QPen>

namespace kolvar {

QRect ReticleBounds(const ReticleMark& mark) {
    const int reach = ReticleRadius + 6;
    const QPoint c = mark.Centre.toPoint();
    return QRect(c.x() - reach, c.y() - reach, 2 * reach + 1, 2 * reach + 1);
}

void PaintReticle(QPainter& painter, const ReticleMark& mark) {
    QColor colour;
    switch (mark.Kind) {
        case ReticleMark::Look::Steady:
            colour = mark.Night ? QColor(255, 64, 64) : QColor(0, 255, 128);
            break;
        case ReticleMark::Look::Moving:
            colour = mark.Night ? QColor(255, 128, 64) : QColor(255, 224, 0);
            break;
        case ReticleMark::Look::Lost:
            colour = mark.Night ? QColor(128, 0, 0) : QColor(160, 160, 160);
            break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(colour, 1.5);
    if (mark.Kind == ReticleMark::Look::Lost) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF c = mark.Centre;
    const double r = ReticleRadius;
    painter.drawEllipse(c, r, r);
    // The cross stops short of the centre, so the object under it shows.
    for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        painter.drawLine(c + d * (r * 0.35), c + d * (r + 5.0));
    painter.restore();
}

QRect ReticleOverlay::Set(std::optional<ReticleMark> mark) {
    if (mark == mark_) return {};
    QRect dirty;
    if (mark_) dirty = ReticleBounds(*mark_);
    if (mark) dirty = dirty.united(ReticleBounds(*mark));
    mark_ = mark;
    return dirty;
}

void ReticleOverlay::Paint(QPainter& painter) const {
    if (mark_) PaintReticle(painter, *mark_);
}

}  // namespace kolvar
