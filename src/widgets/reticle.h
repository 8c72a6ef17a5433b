#pragma once

// The telescope's reticle over a sky picture: a crosshair circle where the
// mount points, painted over the picture as it is shown (the sky under it
// is not drawn again). A moving mount's reticle is drawn in another colour,
// a lost one dashed in grey at its last place; in the night view all in red.

#include <QPointF>
#include <QRect>
#include <optional>

class QPainter;

namespace kolvar {

struct ReticleMark {
    enum class Look { Steady, Moving, Lost };
    QPointF Centre;  // picture pixels
    Look Kind = Look::Steady;
    bool Night = false;

    bool operator==(const ReticleMark&) const = default;
};

inline constexpr int ReticleRadius = 12;

// The pixels a reticle paints, with a pixel to spare.
QRect ReticleBounds(const ReticleMark& mark);
void PaintReticle(QPainter& painter, const ReticleMark& mark);

// A widget's reticle: holds the shown mark and repaints only the pixels
// that change when it moves, appears or goes.
class ReticleOverlay {
public:
    // The rectangle to repaint (empty when nothing changed).
    QRect Set(std::optional<ReticleMark> mark);
    const std::optional<ReticleMark>& Mark() const { return mark_; }
    void Paint(QPainter& painter) const;

private:
    std::optional<ReticleMark> mark_;
};

}  // namespace kolvar
