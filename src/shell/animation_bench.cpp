#include "shell/animation_bench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

#include "catalog/static_tables.h"
#include "closeup/draw_close_up.h"
#include "dialogs/plain_sky.h"
#include "shell/chart_view.h"
#include "shell/program_assets.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "shell/telescope_controls.h"
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

// A link that sends nothing anywhere: the benchmark's events are its own.
class SilentLink : public MountLink {
public:
    void Connect(const ServerAddress&) override {}
    void Disconnect() override {}
    void ConnectDevice(const std::string&) override {}
    void DisconnectDevice(const std::string&) override {}
    void SendPlace(const std::string&, const GeodeticPlace&) override {}
    void SendTime(const std::string&, double, double) override {}
    void Slew(const std::string&, const EquatorialPlace&) override {}
    void Sync(const std::string&, const EquatorialPlace&) override {}
    void Abort(const std::string&) override {}
    void Park(const std::string&, bool) override {}
    void SetTracking(const std::string&, bool) override {}
};

void Print(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s min=%.3f median=%.3f max=%.3f", what, ms.front(), ms[ms.size() / 2], ms.back());
}

// A main window of a settings file of its own with a chart of width x
// height, shown; nothing when it does not get there.
struct BenchWindow {
    QTemporaryDir Dir;  // settings and font of this run only
    std::unique_ptr<TStarsForm> Form;
};

bool OpenBenchWindow(BenchWindow& w, int width, int height, const char* settings = "") {
    InitStaticTables();
    InstallRunicFont(w.Dir.path().toStdString(), RunicFontFileBytes());
    TStarsForm::Options options;
    options.SettingsFile = std::filesystem::path(w.Dir.path().toStdString()) / "Kolvar.ini";
    if (*settings != '\0') std::ofstream(options.SettingsFile) << settings;
    w.Form = std::make_unique<TStarsForm>(options);
    TStarsForm& form = *w.Form;
    form.show();
    form.resize(width, height + form.MainMenu1()->heightForWidth(width));
    if (!WaitFor([&] {
            return form.windowHandle()->isExposed() && form.Image1()->size() == QSize(width, height);
        })) {
        std::fprintf(stderr, "kolvar: the chart did not reach %dx%d\n", width, height);
        return false;
    }
    return true;
}

bool ReadBenchArguments(const char* option, int argc, char** argv, int fallback, int& count, int& width,
                        int& height) {
    count = argc > 2 ? std::max(1, std::atoi(argv[2])) : fallback;
    width = 1920;
    height = 1080;
    if (argc > 3 && std::sscanf(argv[3], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "kolvar: %s: expected a count and WIDTHxHEIGHT\n", option);
        return false;
    }
    return true;
}

}  // namespace

int RunAnimationBench(int argc, char** argv) {
    QApplication app(argc, argv);
    int frames = 0, width = 0, height = 0;
    if (!ReadBenchArguments("--bench-animation", argc, argv, 300, frames, width, height)) return 2;
    // "smooth" after the size: the smooth style with every line and label on.
    const bool smooth = argc > 4 && std::strcmp(argv[4], "smooth") == 0;
    BenchWindow window;
    if (!OpenBenchWindow(
            window, width, height,
            smooth ? "[VIEW]\nStyle=sima\nFigures=1\nNames=1\nLabels=1\nAltAzGrid=1\nEquatorialGrid=1\n"
                     "Equator=1\nEcliptic=1\n"
                   : ""))
        return 1;
    TStarsForm& form = *window.Form;
    form.Session().Observer.JulianDay = 2460536.375;  // an August night with the band overhead
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
    std::printf("client %dx%d, %d frames: ", width, height, frames);
    Print("frame_ms", ms);
    std::printf("\n");
    return 0;
}

int RunReticleBench(int argc, char** argv) {
    QApplication app(argc, argv);
    int updates = 0, width = 0, height = 0;
    if (!ReadBenchArguments("--bench-reticle", argc, argv, 1000, updates, width, height)) return 2;
    BenchWindow window;
    if (!OpenBenchWindow(window, width, height)) return 1;
    TStarsForm& form = *window.Form;
    TelescopeControls& telescope = *form.Telescope();
    telescope.UseLink(std::make_unique<SilentLink>());
    const std::string device = "Bench Mount";
    telescope.Take(ServerConnected{});
    telescope.Take(DeviceSeen{device, true});
    telescope.Take(DeviceConnection{device, true, PropertyStatus::Ok});
    QApplication::processEvents();
    const int redraws = form.RedrawCount();

    // A slew across the sky overhead: declination +40 degrees, the right
    // ascension walking a quarter of a degree per report.
    const double startHours = form.Session().Scene().Frame.SiderealAngle * 12.0 / 3.141592653589793 +
                              form.Session().Observer.Longitude * 12.0 / 3.141592653589793;
    std::vector<double> ms;
    int shown = 0;
    for (int i = 0; i < updates; ++i) {
        const double hours = std::fmod(startHours + 24.0 + (i % 400) * (0.25 / 15.0), 24.0);
        const auto start = std::chrono::steady_clock::now();
        telescope.Take(MountCoordinates{device, hours, 40.0, PropertyStatus::Busy});
        // The paint of the pixels that changed (and nothing else) comes as
        // the window's next update.
        QApplication::processEvents();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (form.Image1()->Reticle()) ++shown;
    }
    std::printf("client %dx%d, %d updates (%d with the reticle on the chart): ", width, height, updates,
                shown);
    Print("reticle_ms", ms);
    std::printf(" sky_redraws=%d\n", form.RedrawCount() - redraws);
    return 0;
}

int RunZoomBench(int argc, char** argv) {
    QApplication app(argc, argv);
    int frames = 0, width = 0, height = 0;
    if (!ReadBenchArguments("--bench-zoom", argc, argv, 400, frames, width, height)) return 2;
    InitStaticTables();
    QTemporaryDir dir;  // settings and font of this run only
    InstallRunicFont(dir.path().toStdString(), RunicFontFileBytes());
    TStarsForm::Options options;
    options.SettingsFile = std::filesystem::path(dir.path().toStdString()) / "Kolvar.ini";
    ProgramWindows windows = CreateProgramWindows(options);
    windows.StarsForm->Session().Observer.JulianDay = 2460536.375;  // an August night with the band overhead
    windows.StarsForm->show();
    TPlainSky& sky = *windows.PlainSky;
    sky.show();
    sky.resize(width, height);
    if (!WaitFor([&] { return sky.Image1()->size() == QSize(width, height); })) {
        std::fprintf(stderr, "kolvar: the close-up did not reach %dx%d\n", width, height);
        return 1;
    }
    sky.CentreOn({0.0, 1.5});  // near the zenith

    const QPointF centre(width / 2.0, height / 2.0);
    std::vector<double> zoom, pan, paint;
    const int redrawsBefore = sky.RedrawCount();
    int notch = 120;  // in, until a quarter of a degree, then out to the own scale
    QPointF at = centre;
    for (int i = 0; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (i % 2 == 0) {
            if (CloseUpFieldDegrees(width, height, sky.Zoom()) < 0.3) notch = -120;
            if (sky.Zoom() <= 1.0) notch = 120;
            QWheelEvent wheel(centre, sky.Image1()->mapToGlobal(centre), QPoint(), QPoint(0, notch),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(sky.Image1(), &wheel);
        } else {
            if (i % 40 == 1) {  // a new drag from the centre every 20 moves
                QMouseEvent release(QEvent::MouseButtonRelease, at, sky.Image1()->mapToGlobal(at),
                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(sky.Image1(), &release);
                at = centre;
                QMouseEvent press(QEvent::MouseButtonPress, at, sky.Image1()->mapToGlobal(at), Qt::LeftButton,
                                  Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(sky.Image1(), &press);
            }
            at += QPointF(12, 0);
            QMouseEvent move(QEvent::MouseMove, at, sky.Image1()->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(sky.Image1(), &move);
        }
        const auto handled = std::chrono::steady_clock::now();
        sky.Image1()->repaint();  // the paint, at once
        paint.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - handled).count());
        (i % 2 == 0 ? zoom : pan)
            .push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        QApplication::processEvents();
    }
    std::printf("close-up %dx%d, %d frames: ", width, height, frames);
    Print("zoom_ms", zoom);
    std::printf(" ");
    Print("pan_ms", pan);
    std::printf(" ");
    Print("paint_ms", paint);
    const double slowest =
        std::max(*std::max_element(zoom.begin(), zoom.end()), *std::max_element(pan.begin(), pan.end()));
    std::printf(" slowest_fps=%.0f redraws=%d\n", 1000.0 / slowest, sky.RedrawCount() - redrawsBefore);
    return 0;
}

}  // namespace kolvar
