#pragma once

namespace kolvar {

// kolvar --bench-animation [FRAMES [WIDTHxHEIGHT]]: times the animation's
// work per frame in a main window with a client area of that size (1920 x
// 1080 by default): one step of the time controls, which redraws the whole
// chart, and the chart's paint, FRAMES times (300 by default). Prints
// "frame_ms min=.. median=.. max=.."; the user's settings are not touched.
int RunAnimationBench(int argc, char** argv);

}  // namespace kolvar
