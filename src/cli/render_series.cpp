#include "cli/render_series.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "appcore/time_texts.h"
#include "astro/ephemeris_range.h"
#include "canvas/png_writer.h"
#include "chart/redraw.h"
#include "chart/sky_phase.h"
#include "cli/output_file.h"
#include "cli/render_request.h"
#include "cli/view_request.h"

namespace kolvar::cli {

namespace {

// A step that lands on --to within this many days (about a millisecond)
// still draws it: fixed steps of a fraction of a day carry rounding.
constexpr double EndTolerance = 1e-8;

constexpr std::string_view DefaultSeriesOut = "kolvar-sky-%03d.png";

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
        const double instant = StepJulianDay(first, *step, k, zone.ZoneHours, zone.SummerTime);
        if (!(instant <= last + EndTolerance)) break;
        if (k >= MaxSeriesCharts) {
            throw UsageError("the series has more than " + std::to_string(MaxSeriesCharts) +
                             " charts; take a larger --step");
        }
        if (!ElementsCoverDay(instant)) throw UsageError("the series leaves the range of the orbital elements");
        instants.push_back(instant);
    }
    return instants;
}

// One chart on its way: drawn by the main thread, encoded by a worker,
// written by the main thread in series order.
struct Chart {
    Bitmap Picture;
    std::string Table;
    std::vector<unsigned char> Png;
    std::string Error;
    bool Encoded = false;
};

// Worker threads that encode charts as PNG in the order they come.
class Encoders {
public:
    explicit Encoders(unsigned count) {
        for (unsigned i = 0; i < count; ++i) threads_.emplace_back([this] { Work(); });
    }
    ~Encoders() {
        {
            const std::lock_guard lock(mutex_);
            closing_ = true;
            queue_.clear();
        }
        wake_.notify_all();
        for (std::thread& t : threads_) t.join();
    }
    Encoders(const Encoders&) = delete;
    Encoders& operator=(const Encoders&) = delete;

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

    std::mutex mutex_;
    std::condition_variable wake_, done_;
    std::deque<Chart*> queue_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace

bool WantsSeries(const ParsedOptions& options) {
    return options.Has(FromOption.Name) || options.Has(ToOption.Name) || options.Has(StepOption.Name);
}

SeriesRequest ParseSeries(const ParsedOptions& options) {
    if (options.Has("--bench")) throw UsageError("--bench does not go with a series");
    SeriesRequest r{ParseSkyOptions(options), ParseViewOptions(options), SeriesInstants(options),
                    FilePattern::Parse("--out", options.Value("--out").value_or(DefaultSeriesOut)), std::nullopt};
    CheckOutputName("--out", r.Out.Name(1));
    if (auto objects = options.Value("--objects")) {
        r.Objects = FilePattern::Parse("--objects", *objects);
        CheckOutputName("--objects", r.Objects->Name(1));
        if (SameOutput(r.Objects->Name(1), r.Out.Name(1)))
            throw UsageError("--out and --objects name the same files " + QuoteForMessage(r.Out.Name(1)));
    }
    return r;
}

int RenderSeries(const SeriesRequest& r) {
    if (!RegisterViewFonts(r.View)) return ExitFailure;
    // The drawing shares the catalogue's state (and the font faces of the
    // written layers), so it stays on this thread; the encoding of each
    // finished chart goes to the workers.
    const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t maxInFlight = 2 * workers + 2;
    // In series order; declared before the workers, so that it outlives them.
    std::deque<std::unique_ptr<Chart>> inFlight;
    std::vector<std::unique_ptr<Chart>> spare;  // written charts, their bitmaps kept for the next ones
    Encoders encoders(workers);

    ObserverState observer = r.Sky.Observer;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
    std::size_t written = 0;

    // Writes the oldest chart once encoded; false after a failure, reported.
    auto writeOldest = [&]() {
        std::unique_ptr<Chart> chart = std::move(inFlight.front());
        inFlight.pop_front();
        encoders.WaitFor(*chart);
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
        std::printf("%s\n", out.c_str());
        std::fflush(stdout);
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
        observer.JulianDay = instant;
        const Size size = r.Sky.ChartSize;
        RedrawChart(observer, chart->Picture, size.Width, size.Height, frame, objects, moon, r.View);
        LayMoonPicture(chart->Picture, moon);
        if (r.View.Night) MapToNightPalette(chart->Picture);
        if (r.Objects) chart->Table = ObjectsTable(SkyProjection::Stereographic(frame), objects, instant);
        encoders.Add(chart.get());
        inFlight.push_back(std::move(chart));
        while (!inFlight.empty() && encoders.IsEncoded(*inFlight.front()))
            if (!writeOldest()) return ExitFailure;
    }
    while (!inFlight.empty())
        if (!writeOldest()) return ExitFailure;
    return ExitSuccess;
}

}  // namespace kolvar::cli
