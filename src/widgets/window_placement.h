#pragma once

#include <QSize>

#include "appcore/desktop_settings.h"

class QWidget;

namespace kolvar {

// Where a top-level window stands now: its frame's top-left corner and the
// size of `client` (the window itself, or the part that the size means).
WindowPlacement PlacementOf(const QWidget& window, const QWidget& client);

// Whether a stored placement lies wholly on one of the screens: a window
// kept on a monitor that is gone, or larger than any screen, is not put back.
bool FitsAScreen(const WindowPlacement& placement);

// A size for a client area that shows a useful picture: `wanted`, but at most
// four fifths of the primary screen's free area in each direction.
QSize FittedSize(QSize wanted);

}  // namespace kolvar
