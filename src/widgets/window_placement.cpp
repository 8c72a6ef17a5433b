#include "widgets/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kolvar {

WindowPlacement PlacementOf(const QWidget& window, const QWidget& client) {
    return {window.x(), window.y(), client.width(), client.height()};
}

namespace {

// How far a rectangle lies from a point outside it (0 inside), in pixels squared.
long long DistanceSquared(const QRect& area, QPoint point) {
    const long long dx = point.x() < area.left()    ? area.left() - point.x()
                         : point.x() > area.right() ? point.x() - area.right()
                                                    : 0;
    const long long dy = point.y() < area.top()      ? area.top() - point.y()
                         : point.y() > area.bottom() ? point.y() - area.bottom()
                                                     : 0;
    return dx * dx + dy * dy;
}

const QRect* NearestScreen(const QRect& wanted, const QList<QRect>& screens) {
    const QRect* best = nullptr;
    long long bestOverlap = 0;
    for (const QRect& screen : screens) {
        const QRect common = screen.intersected(wanted);
        const long long overlap = static_cast<long long>(common.width()) * common.height();
        if (overlap > bestOverlap) bestOverlap = overlap, best = &screen;
    }
    if (best != nullptr) return best;
    long long bestDistance = 0;
    for (const QRect& screen : screens) {
        const long long distance = DistanceSquared(screen, wanted.center());
        if (best == nullptr || distance < bestDistance) bestDistance = distance, best = &screen;
    }
    return best;
}

}  // namespace

QRect KeptOnScreen(const WindowPlacement& placement, const QList<QRect>& screens, QSize minimum, int extra) {
    if (!placement.Stored() || screens.isEmpty()) return {};
    const QRect wanted(placement.Left, placement.Top, placement.Width, placement.Height + extra);
    const QRect& area = *NearestScreen(wanted, screens);
    const QSize room(area.width(), std::max(1, area.height() - extra));
    const QSize size = QSize(placement.Width, placement.Height).expandedTo(minimum).boundedTo(room);
    const int left = std::clamp(placement.Left, area.left(), area.left() + area.width() - size.width());
    const int top = std::clamp(placement.Top, area.top(),
                               std::max(area.top(), area.top() + area.height() - size.height() - extra));
    return {QPoint(left, top), size};
}

QRect KeptOnScreen(const WindowPlacement& placement, QSize minimum, int extra) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens.append(screen->availableGeometry());
    return KeptOnScreen(placement, screens, minimum, extra);
}

QSize FittedSize(QSize wanted) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return wanted;
    const QSize room = screen->availableGeometry().size() * 4 / 5;
    return wanted.boundedTo(room);
}

}  // namespace kolvar
