#include "widgets/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace kolvar {

WindowPlacement PlacementOf(const QWidget& window, const QWidget& client) {
    return {window.x(), window.y(), client.width(), client.height()};
}

bool FitsAScreen(const WindowPlacement& placement) {
    if (!placement.Stored()) return false;
    const QRect wanted(placement.Left, placement.Top, placement.Width, placement.Height);
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->geometry().contains(wanted)) return true;
    return false;
}

QSize FittedSize(QSize wanted) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return wanted;
    const QSize room = screen->availableGeometry().size() * 4 / 5;
    return wanted.boundedTo(room);
}

}  // namespace kolvar
