#include "shell/animation_bench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "catalog/static_tables.h"
#include "shell/chart_view.h"
#include "shell/program_assets.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "shell/time_controls.h"

namespace kolvar {

namespace {

// Runs the event loop until `done` or five seconds have passed.
template <typename Done>
bool WaitFor(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

}  // namespace

int RunAnimationBench(int argc, char** argv) {
    QApplication app(argc, argv);
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 300;
    int width = 1920, height = 1080;
    if (argc > 3 && std::sscanf(argv[3], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "kolvar: --bench-animation: expected FRAMES and WIDTHxHEIGHT\n");
        return 2;
    }
    QTemporaryDir dir;  // settings and font of this run only
    InitStaticTables();
    InstallRunicFont(dir.path().toStdString(), RunicFontFileBytes());
    TStarsForm::Options options;
    options.SettingsFile = std::filesystem::path(dir.path().toStdString()) / "Kolvar.ini";
    TStarsForm form(options);
    form.show();
    form.resize(width, height + form.MainMenu1()->heightForWidth(width));
    if (!WaitFor([&] {
            return form.windowHandle()->isExposed() && form.Image1()->size() == QSize(width, height);
        })) {
        std::fprintf(stderr, "kolvar: the chart did not reach %dx%d\n", width, height);
        return 1;
    }
    Observer.JulianDay = 2460536.375;  // an August night with the band overhead
    form.Time()->SetStepUnit(TimeStepUnit::Minute);

    std::vector<double> ms;
    for (int i = 0; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        form.Time()->StepForward();  // the full redraw
        form.Image1()->repaint();    // and its paint, at once
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        QApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("client %dx%d, %d frames: frame_ms min=%.3f median=%.3f max=%.3f\n", width, height, frames,
                ms.front(), ms[ms.size() / 2], ms.back());
    return 0;
}

}  // namespace kolvar
