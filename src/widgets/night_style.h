#pragma once

#include <QImage>

namespace kolvar {

// What the night palette does not reach: the pictures windows show (icons,
// a label's picture, a file dialog's icons), the shades a style mixes of its
// own (white highlights over a frame, a splitter's dots) and the text cursor,
// which Qt draws by inverting what lies under it (a dark red turns cyan).
// While the night view is on, the application's style draws every control
// and picture through NightImage, and line edits get their cursor drawn in
// red instead.

// Each pixel mapped to the night red of its lightness, its alpha kept; a
// red with little green and blue keeps its red (no brighter than the
// night's brightest) and loses the rest.
QImage NightImage(const QImage& image);

// Puts the night style on the application, or the day style back.
void UseNightStyle(bool night);

}  // namespace kolvar
