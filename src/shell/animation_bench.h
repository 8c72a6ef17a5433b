#pragma once

namespace kolvar {

// kolvar --bench-animation [FRAMES [WIDTHxHEIGHT [smooth]]]: times the animation's
// work per frame in a main window with a client area of that size (1920 x
// 1080 by default): one step of the time controls, which redraws the whole
// chart, and the chart's paint, FRAMES times (300 by default). Prints
// "frame_ms min=.. median=.. max=.."; the user's settings are not touched.
// With "smooth", in the smooth style with every line and label on.
int RunAnimationBench(int argc, char** argv);

// kolvar --bench-reticle [UPDATES [WIDTHxHEIGHT]]: times one move of the
// telescope's reticle in a main window of that client size (1920 x 1080 by
// default): a report of the mount's coordinates taken in (the mount's state,
// the conversion to the chart, the reticle in the chart) and the chart's
// repaint of what changed, UPDATES times (1000 by default), with a stand-in
// link. Prints "reticle_ms min=.. median=.. max=.." and the redraws of the
// sky meanwhile (none).
int RunReticleBench(int argc, char** argv);

// kolvar --bench-zoom [FRAMES [WIDTHxHEIGHT]]: times the frames of zooming
// and panning the close-up of that size (1920 x 1080 by default) in the
// August sky overhead: a wheel notch in, down to a quarter of a degree and
// back out, alternating with a drag of 12 pixels, each handled and painted,
// FRAMES times (400 by default). Prints "zoom_ms" and "pan_ms" (min, median,
// max) and the frames a second the slowest frame allows.
int RunZoomBench(int argc, char** argv);

}  // namespace kolvar
