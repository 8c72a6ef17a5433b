#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include "appcore/desktop_settings.h"

class QWidget;

namespace kolvar {

// Where a top-level window stands now: its frame's top-left corner and the
// size of `client` (the window itself, or the part that the size means).
WindowPlacement PlacementOf(const QWidget& window, const QWidget& client);

// A stored placement brought back at a usable size onto the screen nearest to
// it (the one it overlaps most, else the closest): its size at least
// `minimum`, and the window, with `extra` more height below the client (a
// menu bar), wholly inside that screen's free area, shrunk to it where it is
// larger. `screens` are the free areas; a placement not stored, or no screen,
// gives an empty rectangle: the window keeps its own place.
QRect KeptOnScreen(const WindowPlacement& placement, const QList<QRect>& screens, QSize minimum,
                   int extra = 0);
// The same on the screens there are now.
QRect KeptOnScreen(const WindowPlacement& placement, QSize minimum, int extra = 0);

// A size for a client area that shows a useful picture: `wanted`, but at most
// four fifths of the primary screen's free area in each direction.
QSize FittedSize(QSize wanted);

}  // namespace kolvar
