// Timings of the canvas operations that one chart redraw is made of, at
// 1920 x 1080. Run: build/tests/canvas/kolvar_canvas_bench
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <numbers>

#include "canvas/canvas.h"

namespace kolvar {
namespace {

constexpr int kW = 1920, kH = 1080;

// Reproducible pseudo-random marker positions.
struct Lcg {
    std::uint32_t s = 12345;
    int Next(int n) {
        s = s * 1664525u + 1013904223u;
        return static_cast<int>((s >> 8) % static_cast<std::uint32_t>(n));
    }
};

void Marker(Canvas& c, int x, int y, Colour col) {
    const Colour under = c.Pixel(x, y);
    c.SetPixel(x, y,
               Colour{static_cast<std::uint8_t>(col.Red | under.Red),
                      static_cast<std::uint8_t>(col.Green | under.Green),
                      static_cast<std::uint8_t>(col.Blue | under.Blue)});
    c.SetPixel(x + 1, y, col);
    c.SetPixel(x, y + 1, col);
    c.SetPixel(x - 1, y, col);
    c.SetPixel(x, y - 1, col);
}

void BM_FillWholeBitmap(benchmark::State& state) {
    Bitmap b(kW, kH);
    for (auto _ : state) {
        b.Fill(colours::Navy);
        benchmark::DoNotOptimize(b.Data());
    }
}
BENCHMARK(BM_FillWholeBitmap)->Unit(benchmark::kMicrosecond);

void BM_ThreeThousandMarkers(benchmark::State& state) {
    Bitmap b(kW, kH, colours::Black);
    Canvas c(b);
    for (auto _ : state) {
        Lcg rng;
        for (int i = 0; i < 3000; ++i) Marker(c, rng.Next(kW), rng.Next(kH), Colour{200, 200, 160});
        benchmark::DoNotOptimize(b.Data());
    }
}
BENCHMARK(BM_ThreeThousandMarkers)->Unit(benchmark::kMicrosecond);

void BM_FullSizeEllipse(benchmark::State& state) {
    Bitmap b(kW, kH, colours::Navy);
    Canvas c(b);
    c.SetPenWidth(2);
    c.SetPenColour(colours::Cyan);
    c.SetBrushColour(colours::Black);
    for (auto _ : state) {
        c.Ellipse(0, 0, kW, kH);
        benchmark::DoNotOptimize(b.Data());
    }
}
BENCHMARK(BM_FullSizeEllipse)->Unit(benchmark::kMicrosecond);

void BM_FullCircleArcs(benchmark::State& state) {
    Bitmap b(kW, kH, colours::Navy);
    Canvas c(b);
    c.SetPenWidth(4);
    c.SetPenColour(colours::Cyan);
    const int r = 500;
    for (auto _ : state) {
        c.Arc(960 - r, 540 - r, 960 + r, 540 + r, 960 + r, 540, 960 + r, 540);
        benchmark::DoNotOptimize(b.Data());
    }
}
BENCHMARK(BM_FullCircleArcs)->Unit(benchmark::kMicrosecond);

void BM_FloodFillInsideDisc(benchmark::State& state) {
    Bitmap b(kW, kH, colours::Navy);
    Canvas c(b);
    c.SetPenWidth(2);
    c.SetPenColour(colours::Cyan);
    for (auto _ : state) {
        state.PauseTiming();
        c.SetBrushColour(colours::Black);
        c.Ellipse(420, 0, 1500, 1080);
        c.SetBrushColour(Colour{32, 32, 32});
        state.ResumeTiming();
        c.FloodFillSurface(960, 540, colours::Black);  // about 0.9 million pixels
        benchmark::DoNotOptimize(b.Data());
    }
}
BENCHMARK(BM_FloodFillInsideDisc)->Unit(benchmark::kMicrosecond);

// The shape of a whole chart redraw: background, ecliptic circle, cardinal
// cross, horizon disc, 4591 outline segments and rings at pen 2, fills, 3400 markers.
void BM_ChartLikeRedraw(benchmark::State& state) {
    Bitmap b(kW, kH);
    Canvas c(b);
    const int cx = kW / 2, cy = kH / 2, r = kH / 2 - 30;
    for (auto _ : state) {
        b.Fill(colours::Navy);
        c.SetPenWidth(2);
        c.SetPenColour(colours::Yellow);
        c.SetBrushColour(colours::Navy);
        c.Ellipse(cx - 1400, cy - 1700, cx + 900, cy + 600);
        c.SetPenColour(colours::Green);
        c.MoveTo(0, cy);
        c.LineTo(kW - 1, cy);
        c.MoveTo(cx, 0);
        c.LineTo(cx, kH - 1);
        c.SetPenColour(colours::Cyan);
        c.SetBrushColour(colours::Black);
        c.Ellipse(cx - r - 5, cy - r - 5, cx + r + 5, cy + r + 5);
        // A band-like closed outline made of many short segments.
        c.SetPenColour(Colour{24, 24, 24});
        for (int i = 0; i <= 4591; ++i) {
            const double t = 2.0 * std::numbers::pi * i / 4591.0;
            const int x = cx + static_cast<int>(0.8 * r * std::cos(t));
            const int y = cy + static_cast<int>(0.25 * r * std::sin(t) + 0.15 * r * std::sin(5 * t));
            if (i == 0)
                c.MoveTo(x, y);
            else
                c.LineTo(x, y);
        }
        c.SetPenColour(colours::Cyan);
        c.Arc(cx - r - 5, cy - r - 5, cx + r + 5, cy + r + 5, cx + r + 5, cy, cx + r + 5, cy);
        c.Arc(cx - r - 5, cy - r - 5, cx + r + 5, cy + r + 5, cx, cy + r + 5, cx, cy + r + 5);
        c.SetBrushColour(Colour{32, 32, 32});
        c.FloodFillSurface(cx, cy, colours::Black);
        c.SetPenWidth(4);
        c.SetPenColour(colours::Navy);
        c.Arc(cx - r - 4, cy - r - 4, cx + r + 4, cy + r + 4, cx + r + 4, cy, cx + r + 4, cy);
        c.SetPenWidth(2);
        c.SetPenColour(colours::Cyan);
        c.Arc(cx - r, cy - r, cx + r, cy + r, cx + r, cy, cx + r, cy);
        c.SetPenWidth(1);
        Lcg rng;
        for (int i = 0; i < 3400; ++i)
            Marker(c, cx - r + rng.Next(2 * r), cy - r + rng.Next(2 * r), Colour{255, 255, 192});
        benchmark::DoNotOptimize(b.Data());
    }
}
BENCHMARK(BM_ChartLikeRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
