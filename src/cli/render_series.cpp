#include "cli/render_series.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "appcore/time_texts.h"
#include "astro/ephemeris_range.h"
#include "canvas/png_writer.h"
#include "chart/redraw.h"
#include "chart/sky_phase.h"
#include "cli/horizon_option.h"
#include "cli/output_file.h"
#include "cli/render_request.h"
#include "cli/small_body_options.h"
#include "cli/view_request.h"
#include "print/finished_chart.h"
#include "print/smooth_chart.h"

namespace kolvar::cli {

namespace {

// A step that lands on --to within this many days (about a millisecond)
// still draws it: fixed steps of a fraction of a day carry rounding.
constexpr double EndTolerance = 1e-8;

constexpr std::string_view DefaultSeriesOut = "kolvar-sky-%03d.png";

// One chart on its way: drawn by a worker (or by the main thread when its
// layers write text), encoded by a worker, written by the main thread in
// series order.
struct Chart {
    double Instant = 0.0;
    bool Drawn = false;
    Bitmap Picture;
    std::string Table;
    std::vector<unsigned char> Png;
    std::string Error;
    bool Encoded = false;
};

// What one thread needs to draw charts: its own observer, the scene of its
// instant and the pictures of its redraws.
struct DrawState {
    ObserverState Observer;
    SkyScene Scene{};
    FinishedChart Drawn{};
};

// The chart of one instant as the single render draws it, with its table.
void DrawChart(const SeriesRequest& r, DrawState& state, Chart& chart) {
    state.Observer.JulianDay = chart.Instant;
    state.Scene = ComputeSkyScene(state.Observer);
    const Size size = r.Sky.ChartSize;
    FinishedChart& drawn = state.Drawn;
    DrawFinishedChart(state.Scene, size.Width, size.Height, r.View, drawn);
    LayShownMoon(drawn, drawn.Chart);
    std::swap(chart.Picture, drawn.Chart);  // each keeps a bitmap of the size for its next use
    if (r.Objects)
        chart.Table =
            ObjectsTable(SkyProjection::Stereographic(drawn.Frame), state.Scene.Objects, chart.Instant);
    chart.Drawn = true;
}

// Worker threads that draw (where not yet drawn) and encode charts as PNG in
// the order they come.
class Workers {
public:
    Workers(unsigned count, const SeriesRequest& request) : request_(request) {
        for (unsigned i = 0; i < count; ++i) threads_.emplace_back([this] { Work(); });
    }
    ~Workers() {
        {
            const std::lock_guard lock(mutex_);
            closing_ = true;
            queue_.clear();
        }
        wake_.notify_all();
        for (std::thread& t : threads_) t.join();
    }
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    void Add(Chart* chart) {
        {
            const std::lock_guard lock(mutex_);
            queue_.push_back(chart);
        }
        wake_.notify_one();
    }
    bool IsEncoded(const Chart& chart) {
        const std::lock_guard lock(mutex_);
        return chart.Encoded;
    }
    void WaitFor(const Chart& chart) {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [&] { return chart.Encoded; });
    }

private:
    void Work() {
        DrawState state{request_.Sky.Observer};
        for (;;) {
            Chart* chart = nullptr;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return closing_ || !queue_.empty(); });
                if (queue_.empty()) return;
                chart = queue_.front();
                queue_.pop_front();
            }
            // The chart is this worker's until it is marked encoded.
            if (!chart->Drawn) DrawChart(request_, state, *chart);
            std::string error;
            if (!EncodePng(chart->Picture, chart->Png, error)) chart->Png.clear();
            {
                const std::lock_guard lock(mutex_);
                chart->Error = std::move(error);
                chart->Encoded = true;
            }
            done_.notify_all();
        }
    }

    const SeriesRequest& request_;
    std::mutex mutex_;
    std::condition_variable wake_, done_;
    std::deque<Chart*> queue_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

// The instant `k` steps after `first`. Under a summer-time rule days and
// weeks, like months and years, keep the clock time: 21:00 stays 21:00 on
// both sides of a change.
double SeriesInstant(double first, const TimeStep& step, long long k, const CivilZone& zone) {
    const bool keepsClock =
        IsCalendarUnit(step.Unit) || step.Unit == TimeStepUnit::Day || step.Unit == TimeStepUnit::Week;
    if (!zone.Rule || !keepsClock) return StepJulianDay(first, step, k, zone.ZoneHours, zone.SummerTime);
    const double wallClock = first + zone.OffsetAt(first) / 24.0;
    return InstantOfWallClock(StepJulianDay(wallClock, step, k, 0.0, false), zone.ZoneHours, *zone.Rule);
}

}  // namespace

std::vector<double> SeriesInstants(const ParsedOptions& options) {
    const auto from = options.Value(FromOption.Name);
    const auto to = options.Value(ToOption.Name);
    const auto stepText = options.Value(StepOption.Name);
    if (!from || !to || !stepText) throw UsageError("a series needs --from, --to and --step");
    if (options.Has(JulianDayOption.Name) || options.Has(DateOption.Name))
        throw UsageError("--from and --to give the instants of a series; leave out --jd and --date");
    const std::optional<TimeStep> step = ParseTimeStep(*stepText);
    if (!step) {
        throw UsageError("--step: expected a count and a unit (m, h, d, sd, w, lm, mo, y), e.g. 10m: " +
                         QuoteForMessage(*stepText));
    }
    const CivilZone zone = ZoneFromOptions(options);
    const double first = ParseInstant(FromOption.Name, *from, zone);
    const double last = ParseInstant(ToOption.Name, *to, zone);
    if (last < first) throw UsageError("--to is before --from");

    std::vector<double> instants;
    for (long long k = 0;; ++k) {
        const double instant = SeriesInstant(first, *step, k, zone);
        if (!(instant <= last + EndTolerance)) break;
        if (k >= MaxSeriesCharts) {
            throw UsageError("the series has more than " + std::to_string(MaxSeriesCharts) +
                             " charts; take a larger --step");
        }
        if (!ElementsCoverDay(instant))
            throw UsageError("the series leaves the range of the orbital elements");
        instants.push_back(instant);
    }
    return instants;
}

bool WantsSeries(const ParsedOptions& options) {
    return options.Has(FromOption.Name) || options.Has(ToOption.Name) || options.Has(StepOption.Name);
}

SeriesRequest ParseSeries(const ParsedOptions& options) {
    if (options.Has("--bench")) throw UsageError("--bench does not go with a series");
    SeriesRequest r{ParseSkyOptions(options),
                    ParseViewOptions(options),
                    SeriesInstants(options),
                    FilePattern::Parse("--out", options.Value("--out").value_or(DefaultSeriesOut)),
                    std::nullopt,
                    {}};
    ApplyHorizonOption(options, r.View, r.Warnings);
    AttachSmallBodies(options, r.View, "render");
    if (auto objects = options.Value("--objects")) r.Objects = FilePattern::Parse("--objects", *objects);
    // Every name of the series, before anything is drawn or written.
    std::vector<NamedOutput> outputs;
    outputs.reserve(r.Instants.size() * (r.Objects ? 2 : 1));
    for (std::size_t k = 1; k <= r.Instants.size(); ++k) {
        const auto number = static_cast<long long>(k);
        outputs.push_back({"--out", r.Out.Name(number)});
        CheckOutputName("--out", outputs.back().Name);
        if (!r.Objects) continue;
        outputs.push_back({"--objects", r.Objects->Name(number)});
        CheckOutputName("--objects", outputs.back().Name);
    }
    CheckOutputsApart(outputs, r.Instants.size() > 1 ? "the names of the files written" : "");
    return r;
}

std::size_t ChartsInFlight(unsigned workers, Size chartSize) {
    const std::size_t bitmap = std::size_t{3} * static_cast<std::size_t>(std::max(chartSize.Width, 1)) *
                               static_cast<std::size_t>(std::max(chartSize.Height, 1));
    return std::clamp<std::size_t>(SeriesBitmapBytes / bitmap, 1, 2 * std::size_t{workers} + 2);
}

int RenderSeries(const SeriesRequest& r) {
    PrintWarnings("render", r.Warnings);
    if (!RegisterViewFonts(r.View)) return ExitFailure;
    // Charts are drawn and encoded on every core. Written layers draw text
    // through the one set of font faces, so those charts are drawn here, one
    // at a time, and only encoded elsewhere.
    const bool drawHere = r.View.Names || r.View.Labels || r.View.Directions;
    const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t maxInFlight = ChartsInFlight(workers, r.Sky.ChartSize);
    // In series order; declared before the workers, so that it outlives them.
    std::deque<std::unique_ptr<Chart>> inFlight;
    std::vector<std::unique_ptr<Chart>> spare;  // written charts, their bitmaps kept for the next ones
    Workers pool(workers, r);
    DrawState state{r.Sky.Observer};
    std::size_t written = 0;

    // Writes the oldest chart once encoded; false after a failure, reported.
    auto writeOldest = [&]() {
        std::unique_ptr<Chart> chart = std::move(inFlight.front());
        inFlight.pop_front();
        pool.WaitFor(*chart);
        const long long number = static_cast<long long>(++written);
        const std::string out = r.Out.Name(number);
        std::string failure = chart->Error;
        if (failure.empty()) {
            std::vector<Output> outputs{{out, PngBytes(chart->Png)}};
            if (r.Objects) outputs.push_back({r.Objects->Name(number), chart->Table});
            failure = WriteOutputs(outputs);
        }
        if (!failure.empty()) {
            std::fprintf(stderr, "%s render: %s\n", ProgramName.data(), failure.c_str());
            return false;
        }
        // Standard output carries the path only when no file went there.
        // The error number is read at once: later writes of files would overwrite it.
        errno = 0;
        const bool named = IsStandardOutput(out) ||
                           (r.Objects && IsStandardOutput(r.Objects->Name(number))) ||
                           (std::printf("%s\n", out.c_str()) >= 0 && std::fflush(stdout) == 0);
        if (!named) {
            std::fprintf(stderr, "%s render: cannot write to standard output: %s\n", ProgramName.data(),
                         std::strerror(errno != 0 ? errno : EIO));
            return false;
        }
        chart->Encoded = false;
        spare.push_back(std::move(chart));
        return true;
    };

    for (const double instant : r.Instants) {
        if (inFlight.size() >= maxInFlight && !writeOldest()) return ExitFailure;
        std::unique_ptr<Chart> chart;
        if (spare.empty()) {
            chart = std::make_unique<Chart>();
        } else {
            chart = std::move(spare.back());
            spare.pop_back();
        }
        chart->Instant = instant;
        chart->Drawn = false;
        if (drawHere) DrawChart(r, state, *chart);
        pool.Add(chart.get());
        inFlight.push_back(std::move(chart));
        while (!inFlight.empty() && pool.IsEncoded(*inFlight.front()))
            if (!writeOldest()) return ExitFailure;
    }
    while (!inFlight.empty())
        if (!writeOldest()) return ExitFailure;
    return ExitSuccess;
}

}  // namespace kolvar::cli
