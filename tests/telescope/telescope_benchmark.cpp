// From a goto to the mount's first reports, against indiserver with the
// telescope simulator: the time until the mount says it is slewing (its
// coordinates busy) and until it reports itself moved. The simulator reports
// its position on its polling period (POLLING_PERIOD, 250 ms by default), so
// the second figure is mostly the driver's; the gotos come at random moments
// of that period, as a user's do.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

#include "astro/angles.h"
#include "indi_server.h"
#include "telescope/event_queue.h"
#include "telescope/indi_link.h"
#include "telescope/mount_model.h"

namespace kolvar {
namespace {

using Clock = std::chrono::steady_clock;

struct Mount {
    testing::IndiServer server;
    EventQueue queue;
    MountModel model;
    std::unique_ptr<MountLink> link = MakeIndiLink(queue.Sink());

    template <class F>
    bool Until(F done, std::chrono::seconds patience = std::chrono::seconds(20)) {
        const auto deadline = Clock::now() + patience;
        while (!done(model)) {
            const auto e = queue.PopUntil(deadline);
            if (!e) return false;
            model.Apply(*e);
        }
        return true;
    }

    Mount() {
        link->Connect({"127.0.0.1", server.Port()});
        Until([](const MountModel& m) { return m.ConnectionKnown(); });
        link->ConnectDevice(model.Device());
        Until([](const MountModel& m) { return m.Place() && m.TrackingKnown(); });
        link->SetTracking(model.Device(), true);
        Until([](const MountModel& m) { return m.Tracking(); });
    }
};

void GotoToFirstReports(benchmark::State& state, bool moved) {
    Mount mount;
    const std::string device = mount.model.Device();
    double declination = 60.0;
    double slowest = 0.0;
    std::mt19937 random(30);
    std::uniform_int_distribution<int> phase(0, 250);
    for (auto _ : state) {
        declination = -declination;
        // The driver reports on its own clock: a goto comes at any moment of it.
        state.PauseTiming();
        std::this_thread::sleep_for(std::chrono::milliseconds(phase(random)));
        while (const auto e = mount.queue.TryPop()) mount.model.Apply(*e);
        state.ResumeTiming();
        const EquatorialPlace start = *mount.model.Place();
        const int before = mount.model.CoordinateReports();
        const auto sent = Clock::now();
        mount.link->Slew(device, {start.RightAscension, declination * RadiansPerDegree});
        const bool seen = mount.Until([&](const MountModel& m) {
            if (m.CoordinateReports() == before) return false;
            if (!moved) return m.CoordinateStatus() == PropertyStatus::Busy;
            return std::fabs(m.Place()->Declination - start.Declination) > 1e-6;
        });
        const std::chrono::duration<double> took = Clock::now() - sent;
        if (!seen) {
            state.SkipWithError("the mount did not report");
            break;
        }
        state.SetIterationTime(took.count());
        slowest = std::max(slowest, took.count());
        // Stopped, and the next slew starts from rest.
        mount.link->Abort(device);
        mount.Until([](const MountModel& m) { return m.State() != MountState::Slewing; });
    }
    state.counters["slowest_ms"] = slowest * 1000.0;
}

BENCHMARK_CAPTURE(GotoToFirstReports, Busy, false)
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GotoToFirstReports, Moved, true)
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
