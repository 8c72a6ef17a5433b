// The animation's cost per frame in the main window: one step of the time
// controls (the full redraw) plus the paint of the chart, at a client size
// of 1920 x 1080 unless given. Prints frame_ms min=.. median=.. max=.. over
// the frames. Not a test: run it by hand, under Xvfb (-platform xcb) or on
// the offscreen platform.
//   build/tests/shell/kolvar_animation_benchmark [FRAMES [WIDTHxHEIGHT]]
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "catalog/static_tables.h"
#include "chart/observer_state.h"
#include "shell/chart_view.h"
#include "shell/program_assets.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "shell/time_controls.h"

using namespace kolvar;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    int width = 1920, height = 1080;
    if (argc > 2) std::sscanf(argv[2], "%dx%d", &width, &height);

    QTemporaryDir dir;
    InitStaticTables();
    InstallRunicFont(dir.path().toStdString(), RunicFontFileBytes());
    TStarsForm::Options options;
    options.SettingsFile = std::filesystem::path(dir.path().toStdString()) / "Kolvar.ini";
    TStarsForm form(options);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    form.resize(width, height + form.MainMenu1()->heightForWidth(width));
    if (!QTest::qWaitFor([&] { return form.Image1()->size() == QSize(width, height); }, 5000)) {
        std::fprintf(stderr, "the client area did not reach %dx%d\n", width, height);
        return 1;
    }
    Observer.JulianDay = 2460536.375;  // an August night with the band overhead
    form.Time()->SetStepUnit(TimeStepUnit::Minute);

    std::vector<double> ms;
    for (int i = 0; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        form.Time()->StepForward();  // the full redraw
        form.Image1()->repaint();    // and its paint, at once
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        QApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("client %dx%d, %d frames: frame_ms min=%.3f median=%.3f max=%.3f\n", width, height, frames,
                ms.front(), ms[ms.size() / 2], ms.back());
    return 0;
}
