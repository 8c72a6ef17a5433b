// kolvar-chart telescope: a GoTo mount behind an INDI server. Where it points
// (status), slew to an object or a J2000 direction and wait for it (goto),
// sync on one, abort, park and unpark. Coordinates go to the mount as
// apparent places of date and come back to J2000 through ERFA.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/angles.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/mount_session.h"
#include "cli/sky_options.h"
#include "cli/subcommands.h"
#include "identify/search_key.h"
#include "telescope/altitude_limit.h"
#include "telescope/mount_coordinates.h"
#include "telescope/telescope_target.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec ServerOption{"--server", "HOST:PORT", "the INDI server (default localhost:7624)"};
constexpr OptionSpec DeviceOption{"--device", "NAME",
                                  "the mount's device name (default: the first mount the server lists)"};
constexpr OptionSpec RaOption{"--ra", "H", "the target's J2000 right ascension in hours, 0..24 (with --dec)"};
constexpr OptionSpec DecOption{"--dec", "DEG", "the target's J2000 declination in degrees, -90..90"};
constexpr OptionSpec SiteLatOption{
    "--lat", "DEG", "the observer's latitude, north positive: sent to the mount with the current UTC"};
constexpr OptionSpec SiteLonOption{"--lon", "DEG", "the observer's longitude, east positive (with --lat)"};
constexpr OptionSpec MinAltOption{"--min-alt", "DEG",
                                  "goto: refuse a target below this altitude (default 0, the horizon)"};
constexpr OptionSpec NoWaitOption{"--no-wait", "", "goto, park, unpark: return once the mount has started"};
constexpr OptionSpec TimeoutOption{"--timeout", "S",
                                   "seconds to wait for the mount to arrive or stop (default 180)"};

constexpr OptionSpec TelescopeOptions[] = {ServerOption, DeviceOption,  RaOption,      DecOption,
                                           CityOption,   SiteLatOption, SiteLonOption, MinAltOption,
                                           NoWaitOption, TimeoutOption};

constexpr CommandSpec TelescopeCommand{
    "telescope",
    "Controls a GoTo mount through an INDI server. status prints where the mount points; goto\n"
    "slews to TARGET and waits until the mount stops there; sync tells the mount it points at\n"
    "TARGET; abort stops it; park and unpark. TARGET is a name as find takes it, or --ra and --dec\n"
    "(J2000). Prints a header and one tab-separated line: device state jd ra_j2000 dec_j2000\n"
    "ra_date dec_date near, right ascensions in hours, declinations in degrees, jd the instant of\n"
    "the coordinates (UT), near the catalogue object within 0.25 degrees of the mount or '-'.\n"
    "A target below --min-alt at --lat/--lon (or at the place the mount reports) is refused.\n"
    "Status 1 when the server, the mount or the slew fails, with one line on stderr.",
    TelescopeOptions,
    "status|goto TARGET|sync TARGET|abort|park|unpark",
};

constexpr double NearRadius = 0.25 * RadiansPerDegree;
// How far from the target a mount that has stopped may be and still count
// as arrived (a real mount's own rounding and a moving body's drift).
constexpr double ArrivalTolerance = 0.1 * RadiansPerDegree;
constexpr double DefaultTimeoutSeconds = 180.0;
constexpr auto ShortPatience = std::chrono::seconds(5);

enum class Action { Status, Goto, Sync, Abort, Park, Unpark };

struct TelescopeRequest {
    Action What = Action::Status;
    ServerAddress Server;
    std::string Device;
    std::optional<TelescopeTarget> Target;
    std::optional<GeodeticPlace> Site;
    double MinAltitude = 0.0;  // radians
    bool Wait = true;
    std::chrono::milliseconds Timeout{0};
};

bool IsOption(std::string_view arg) { return arg == "-h" || (arg.size() > 2 && arg.substr(0, 2) == "--"); }

// The action and TARGET are the arguments that are neither options nor
// options' values; a third such argument stays among the options, whose
// parsing refuses it.
struct SplitArguments {
    std::vector<std::string> Operands;
    std::vector<char*> Options;
};

SplitArguments SplitOperands(std::span<char* const> args) {
    SplitArguments split;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!IsOption(arg) && split.Operands.size() < 2) {
            split.Operands.emplace_back(arg);
            continue;
        }
        split.Options.push_back(args[i]);
        const std::string_view name = arg.substr(0, arg.find('='));
        for (const OptionSpec& option : TelescopeOptions) {
            if (option.Name == name && !option.ValueName.empty() && name.size() == arg.size() &&
                i + 1 < args.size())
                split.Options.push_back(args[++i]);
        }
    }
    return split;
}

double ParseRange(std::string_view option, const ParsedOptions& options, double low, double high,
                  bool highIncluded = true) {
    const std::string_view text = *options.Value(option);
    const double value = ParseFiniteDouble(option, text);
    if (value < low || value > high || (!highIncluded && value == high))
        throw UsageError(std::string(option) + ": out of range: " + QuoteForMessage(text));
    return value;
}

TelescopeRequest ParseTelescope(const std::vector<std::string>& operands, const ParsedOptions& options) {
    TelescopeRequest r;
    if (operands.empty()) throw UsageError("missing action (status, goto, sync, abort, park or unpark)");
    const std::string& action = operands[0];
    constexpr std::pair<std::string_view, Action> Actions[] = {
        {"status", Action::Status}, {"goto", Action::Goto}, {"sync", Action::Sync},
        {"abort", Action::Abort},   {"park", Action::Park}, {"unpark", Action::Unpark}};
    bool known = false;
    for (const auto& [word, what] : Actions) {
        if (action == word) {
            r.What = what;
            known = true;
        }
    }
    if (!known) throw UsageError("unknown action " + QuoteForMessage(action));
    const bool pointing = r.What == Action::Goto || r.What == Action::Sync;

    if (const auto server = options.Value("--server")) {
        const std::optional<ServerAddress> address = ParseServerAddress(*server);
        if (!address) throw UsageError("--server: not HOST:PORT: " + QuoteForMessage(*server));
        r.Server = *address;
    }
    if (const auto device = options.Value("--device")) {
        // A name that quoting leaves as it is, between its quotes (appended:
        // GCC 12 at -O3 warns falsely about a literal + a temporary string).
        std::string plain("'");
        plain += *device;
        plain += '\'';
        if (device->empty() || QuoteForMessage(*device) != plain)
            throw UsageError("--device: not a device name: " + QuoteForMessage(*device));
        r.Device = std::string(*device);
    }

    const bool byDirection = options.Has("--ra") || options.Has("--dec");
    if (byDirection && !pointing) throw UsageError("--ra and --dec are for goto and sync");
    if (byDirection && operands.size() > 1) throw UsageError("give TARGET or --ra and --dec, not both");
    if (byDirection && !(options.Has("--ra") && options.Has("--dec")))
        throw UsageError("--ra and --dec go together");
    if (byDirection) {
        const double hours = ParseRange("--ra", options, 0.0, 24.0, false);
        const double degrees = ParseRange("--dec", options, -90.0, 90.0);
        r.Target = TargetAtDirection(hours * RadiansPerHour, degrees * RadiansPerDegree);
    } else if (operands.size() > 1) {
        if (!pointing) throw UsageError("unexpected argument " + QuoteForMessage(operands[1]));
        const std::string& name = operands[1];
        if (!IsWellFormedUtf8(name)) throw UsageError("TARGET is not UTF-8 text");
        if (SearchKeyOfUtf8(name).empty())
            throw UsageError("TARGET has no letter or digit: " + QuoteForMessage(name));
        r.Target = TargetNamed(name);
        if (!r.Target) throw UsageError("no object is named " + QuoteForMessage(name));
    } else if (pointing) {
        throw UsageError("missing TARGET (a name, or --ra and --dec)");
    }

    if (options.Has("--lat") != options.Has("--lon")) throw UsageError("--lat and --lon go together");
    if (const CityRecord* city = CityFromOptions(options)) {
        if (options.Has("--lat")) throw UsageError("--city gives the place; leave out --lat and --lon");
        GeodeticPlace site;
        site.Latitude = CityLatitude(*city);
        site.Longitude = CityLongitude(*city);
        r.Site = site;
    }
    if (options.Has("--lat")) {
        GeodeticPlace site;
        site.Latitude = ParseDegrees("--lat", *options.Value("--lat"), 90.0);
        site.Longitude = WrapPi(ParseDegrees("--lon", *options.Value("--lon"), 360.0));
        r.Site = site;
    }
    if (options.Has("--min-alt")) {
        if (r.What != Action::Goto) throw UsageError("--min-alt is for goto");
        r.MinAltitude = ParseRange("--min-alt", options, -90.0, 90.0) * RadiansPerDegree;
    }
    if (options.Has("--no-wait")) {
        if (r.What != Action::Goto && r.What != Action::Park && r.What != Action::Unpark)
            throw UsageError("--no-wait is for goto, park and unpark");
        r.Wait = false;
    }
    double seconds = DefaultTimeoutSeconds;
    if (options.Has("--timeout")) {
        seconds = ParseRange("--timeout", options, 0.0, 86400.0);
        if (seconds == 0.0)
            throw UsageError("--timeout: must be more than 0: " +
                             QuoteForMessage(*options.Value("--timeout")));
    }
    r.Timeout = std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000.0)));
    return r;
}

// The instant of the mount's coordinates: the system clock (UTC).
double Now() { return CurrentJulianDay(); }

std::string NearText(const EquatorialPlace& j2000) {
    const std::optional<TelescopeTarget> near = NearestObject(j2000, NearRadius);
    return near ? near->Name : "-";
}

void PrintPosition(const MountModel& model) {
    std::printf("device\tstate\tjd\tra_j2000\tdec_j2000\tra_date\tdec_date\tnear\n");
    const std::string state(MountStateWord(model.State()));
    const std::optional<EquatorialPlace> ofDate = model.Place();
    if (!ofDate) {
        std::printf("%s\t%s\t-\t-\t-\t-\t-\t-\n", model.Device().c_str(), state.c_str());
        return;
    }
    const double jd = Now();
    const EquatorialPlace j2000 = J2000OfMountPlace(*ofDate, jd);
    const MountNumbers date = NumbersForMount(*ofDate);
    const MountNumbers mean = NumbersForMount(j2000);
    std::printf("%s\t%s\t%.6f\t%.7f\t%.6f\t%.7f\t%.6f\t%s\n", model.Device().c_str(), state.c_str(), jd,
                mean.RightAscensionHours, mean.DeclinationDegrees, date.RightAscensionHours,
                date.DeclinationDegrees, NearText(j2000).c_str());
}

// One line on stderr and status 1.
int Fail(const std::string& message) {
    std::string line;
    for (const char c : message) line += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    std::fprintf(stderr, "%s telescope: %s\n", ProgramName.data(), line.c_str());
    return ExitFailure;
}

int Failure(const WaitResult& r, const std::string& timedOut) {
    return Fail(r.End == WaitResult::Failed ? r.Message : timedOut);
}

std::string SecondsText(std::chrono::milliseconds timeout) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", static_cast<double>(timeout.count()) / 1000.0);
    return text;
}

// The mount has reported coordinates since it had reported `reports`.
bool ReportedAfter(const MountModel& m, int reports) { return m.CoordinateReports() > reports; }

int Point(MountSession& session, const TelescopeRequest& r) {
    MountModel& model = session.Model();
    const TelescopeTarget& target = *r.Target;
    const std::string& device = model.Device();
    const bool slew = r.What == Action::Goto;

    if (slew && model.Parked()) return Fail("the mount is parked (unpark it first)");
    const std::optional<GeodeticPlace> site = r.Site ? r.Site : model.Site();
    const double jd = Now();
    if (slew && site) {
        const AltitudeCheck check = CheckAltitude(target, *site, jd, r.MinAltitude);
        if (const auto refusal = AltitudeRefusal(target.Name, check)) return Fail(*refusal);
    }
    // A mount that does not track drifts off its target from the moment it
    // arrives (and the simulator counts the slew time against it).
    if (slew && model.TrackingKnown() && !model.Tracking()) {
        session.Link().SetTracking(device, true);
        const WaitResult t =
            session.WaitUntil([](const MountModel& m) { return m.Tracking(); }, Clock::now() + ShortPatience);
        if (t.End != WaitResult::Reached) return Failure(t, "the mount did not start tracking");
    }

    const EquatorialPlace aim = TargetPlaceOfDate(target, site.value_or(GeodeticPlace{}), jd);
    const int before = model.CoordinateReports();
    const auto deadline = Clock::now() + r.Timeout;
    if (slew)
        session.Link().Slew(device, aim);
    else
        session.Link().Sync(device, aim);

    // A slew shows as busy coordinates until the mount stops; a sync (and a
    // slew too short to be seen moving) as coordinates on the target.
    bool moving = false;
    const auto near = [&aim](const MountModel& m) {
        const auto p = m.Place();
        return p && Separation(*p, aim) <= ArrivalTolerance;
    };
    const WaitResult w = session.WaitUntil(
        [&](const MountModel& m) {
            if (!ReportedAfter(m, before)) return false;
            if (m.CoordinateStatus() == PropertyStatus::Busy) moving = true;
            if (!r.Wait && moving) return true;
            if (m.CoordinateStatus() == PropertyStatus::Busy || m.CoordinateStatus() == PropertyStatus::Alert)
                return false;
            return moving || near(m);
        },
        deadline);
    if (w.End == WaitResult::Failed) return Fail(w.Message);
    if (w.End == WaitResult::TimedOut) {
        if (!moving && slew) return Fail("the mount did not start to slew to " + target.Name);
        return Fail((slew ? "the mount did not arrive at " : "the mount did not sync on ") + target.Name +
                    " within " + SecondsText(r.Timeout));
    }
    if (r.Wait && !near(model)) {
        char off[32];
        std::snprintf(off, sizeof off, "%.2f\u00b0", Separation(*model.Place(), aim) / RadiansPerDegree);
        return Fail("the mount stopped " + std::string(off) + " from " + target.Name);
    }
    PrintPosition(model);
    return ExitSuccess;
}

int Abort(MountSession& session, const TelescopeRequest& r) {
    MountModel& model = session.Model();
    const int before = model.CoordinateReports();
    session.Link().Abort(model.Device());
    const WaitResult w = session.WaitUntil(
        [before](const MountModel& m) {
            return ReportedAfter(m, before) && m.CoordinateStatus() != PropertyStatus::Busy;
        },
        Clock::now() + r.Timeout);
    if (w.End != WaitResult::Reached)
        return Failure(w, "the mount did not stop within " + SecondsText(r.Timeout));
    PrintPosition(model);
    return ExitSuccess;
}

int Park(MountSession& session, const TelescopeRequest& r) {
    MountModel& model = session.Model();
    const bool park = r.What == Action::Park;
    session.Link().Park(model.Device(), park);
    bool started = false;
    const WaitResult w = session.WaitUntil(
        [&](const MountModel& m) {
            if (m.State() == MountState::Slewing) started = true;
            if (!r.Wait && started) return true;
            return m.Parked() == park && m.State() != MountState::Slewing;
        },
        Clock::now() + r.Timeout);
    if (w.End != WaitResult::Reached)
        return Failure(w, std::string(park ? "the mount did not park" : "the mount did not unpark") +
                              " within " + SecondsText(r.Timeout));
    PrintPosition(model);
    return ExitSuccess;
}

int Telescope(const std::vector<std::string>& operands, const ParsedOptions& options) {
    const TelescopeRequest r = ParseTelescope(operands, options);
    MountSession session(r.Device);
    if (const auto failure = session.Open(r.Server)) return Fail(*failure);
    MountModel& model = session.Model();
    if (r.Site) {
        session.Link().SendPlace(model.Device(), *r.Site);
        session.Link().SendTime(model.Device(), Now(), 0.0);
    }
    switch (r.What) {
        case Action::Status:
            PrintPosition(model);
            return ExitSuccess;
        case Action::Goto:
        case Action::Sync:
            return Point(session, r);
        case Action::Abort:
            return Abort(session, r);
        case Action::Park:
        case Action::Unpark:
            return Park(session, r);
    }
    return ExitSuccess;
}

}  // namespace

int RunTelescope(std::span<char* const> args) {
    const SplitArguments split = SplitOperands(args);
    return RunCommand(TelescopeCommand, split.Options,
                      [&split](const ParsedOptions& options) { return Telescope(split.Operands, options); });
}

std::optional<std::string> TelescopeRefusal(std::span<char* const> args) {
    const SplitArguments split = SplitOperands(args);
    return RefusalOf(TelescopeCommand, split.Options,
                     [&split](const ParsedOptions& options) { ParseTelescope(split.Operands, options); });
}

}  // namespace kolvar::cli
