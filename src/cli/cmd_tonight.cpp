// kolvar-chart tonight: the night's times at a place (twilights, dark hours,
// the Moon) and what is worth observing in it, when and how high.

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "appcore/deep_star_catalogue.h"
#include "astro/angles.h"
#include "astro/time_scales.h"
#include "canvas/cp1250.h"
#include "canvas/program_fonts.h"
#include "catalog/constellation.h"
#include "catalog/constellation_names.h"
#include "catalog/ngc_ic_catalogue.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/horizon_option.h"
#include "cli/instant_text.h"
#include "cli/output_file.h"
#include "cli/sky_options.h"
#include "cli/small_body_options.h"
#include "cli/subcommands.h"
#include "plan/local_horizon.h"
#include "plan/night.h"
#include "plan/plan_paper.h"
#include "plan/tonight_list.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec MinAltOption{"--min-alt", "DEG",
                                  "the least altitude at the best time, degrees (default 20)"};
constexpr OptionSpec MagOption{"--mag", "M",
                               "only objects of magnitude M or brighter (an unknown one is left out)"};
constexpr OptionSpec KindsOption{"--kinds", "LIST",
                                 "comma-separated: planet, star, messier, ngc (NGC and IC), small-body (the "
                                 "kept comets and minor planets, or --elements'); default all"};
constexpr OptionSpec MinSizeOption{"--min-size", "ARCMIN", "deep-sky objects at least this large"};
constexpr OptionSpec MaxSizeOption{"--max-size", "ARCMIN", "deep-sky objects at most this large"};
constexpr OptionSpec FormatOption{"--format", "FORMAT", "tsv (default) or csv"};
constexpr OptionSpec PrintOption{"--print", "FILE",
                                 "also the plan on paper: FILE.pdf (an .svg or .png holds its first page)"};

constexpr OptionSpec TonightOptions[] = {
    JulianDayOption, DateOption,    ZoneOption,   SummerOption, DstOption,     CityOption,
    LatOption,       LonOption,     MinAltOption, MagOption,    KindsOption,   MinSizeOption,
    MaxSizeOption,   HorizonOption, FormatOption, PrintOption,  ElementsOption};

constexpr CommandSpec TonightCommand{
    "tonight",
    "Prints the night at the place: from the Sun's culmination at noon of the local date (--date\n"
    "YYYY-MM-DD in --zone; with --jd or a time, the culmination before that instant; default now)\n"
    "to the next one. First lines 'name value' (instants as ISO 8601 UT, then on the clock of\n"
    "--zone or --city): sunset, the ends of civil, nautical and astronomical twilight (the Sun's\n"
    "centre at -6, -12, -18 degrees), sunrise, the dark hours, the Moon's rising, setting, phase and\n"
    "lit fraction, the dark hours without the Moon. Rising and setting with 34' of refraction, the\n"
    "upper limb of the Sun and the Moon, the Moon's parallax, in the true (geodetic) frame. After a\n"
    "blank line a header and one line per object worth a look (planets, named stars, Messier and\n"
    "NGC/IC objects) by best time: name kind group constellation magnitude size (arc minutes)\n"
    "rise transit set best (each in UT and on the clock) altitude azimuth (degrees, at the best\n"
    "time: the highest while dark, without refraction) moon_distance (degrees) slot ngcic; '-' for\n"
    "none. With --horizon an object behind the skyline is hidden and rises and sets over it.\n"
    "With --print the plan goes on paper too: the night's times and the list as a table, then a\n"
    "finder chart for each object (the first 60) at its best time, four to an A4 page.",
    TonightOptions,
};

struct TonightRequest {
    GeodeticPlace Site;
    double Noon = 0.0;
    CivilZone Clock;
    TonightFilter Filter;
    std::optional<HorizonFile> Horizon;
    char Separator = '\t';
    std::optional<std::string> Print;
    PrintFormat PrintAs = PrintFormat::Pdf;
};

unsigned ParseKinds(std::string_view text) {
    unsigned groups = 0;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const std::string_view word = text.substr(from, comma - from);
        static constexpr std::pair<std::string_view, ObjectGroup> Words[] = {
            {"planet", ObjectGroup::Planet},
            {"star", ObjectGroup::Star},
            {"messier", ObjectGroup::Messier},
            {"ngc", ObjectGroup::NgcIc},
            {"small-body", ObjectGroup::SmallBody}};
        bool known = false;
        for (const auto& [name, group] : Words) {
            if (word == name) {
                groups |= 1u << static_cast<unsigned>(group);
                known = true;
            }
        }
        if (!known)
            throw UsageError("--kinds: " + QuoteForMessage(word) +
                             " is not planet, star, messier, ngc or small-body");
        from = comma + 1;
    }
    return groups;
}

double ParseNonNegative(std::string_view option, std::string_view text) {
    const double v = ParseFiniteDouble(option, text);
    if (v < 0.0) throw UsageError(std::string(option) + ": " + QuoteForMessage(text) + " is below 0");
    return v;
}

TonightRequest ParseTonight(const ParsedOptions& options) {
    const SkyRequest sky = ParseSkyOptions(options, ZoneUse::ShownToo);
    TonightRequest r;
    r.Site.Latitude = sky.Observer.Latitude;
    r.Site.Longitude = sky.Observer.Longitude;
    r.Clock = ZoneFromOptions(options);
    const auto date = options.Value(DateOption.Name);
    // A bare date names the night that begins at its noon; an instant the
    // night it falls in (or the coming one, in the afternoon).
    if (date && date->find('T') == std::string_view::npos)
        r.Noon = sky.Observer.JulianDay + 0.5;
    else
        r.Noon = sky.Observer.JulianDay - 0.5;
    if (auto v = options.Value(MinAltOption.Name))
        r.Filter.MinAltitude = ParseDegrees(MinAltOption.Name, *v, 90.0);
    if (auto v = options.Value(MagOption.Name))
        r.Filter.MagnitudeLimit = ParseFiniteDouble(MagOption.Name, *v);
    if (auto v = options.Value(KindsOption.Name)) r.Filter.Groups = ParseKinds(*v);
    if (auto v = options.Value(MinSizeOption.Name))
        r.Filter.MinSize = ParseNonNegative(MinSizeOption.Name, *v);
    if (auto v = options.Value(MaxSizeOption.Name))
        r.Filter.MaxSize = ParseNonNegative(MaxSizeOption.Name, *v);
    if (auto v = options.Value(FormatOption.Name)) {
        if (*v == "csv")
            r.Separator = ',';
        else if (*v != "tsv")
            throw UsageError("--format: " + QuoteForMessage(*v) + " is not tsv or csv");
    }
    r.Horizon = HorizonFromOptions(options);
    if (auto v = options.Value(PrintOption.Name)) {
        r.Print = std::string(*v);
        CheckOutputName(PrintOption.Name, *r.Print);
        const NamedOutput outputs[] = {{PrintOption.Name, *r.Print}};
        CheckOutputsApart(outputs, "the night and the list");
        if (!PrintFormatOfName(*r.Print, r.PrintAs))
            throw UsageError("--print: " + QuoteForMessage(*r.Print) + " does not end in .pdf, .svg or .png");
    }
    return r;
}

// One line of fields: tab-separated, or comma-separated with the quoting of CSV.
class Lines {
public:
    explicit Lines(char separator) : separator_(separator) {}

    void Print(const std::vector<std::string>& fields) const {
        std::string line;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) line += separator_;
            line += Field(fields[i]);
        }
        line += '\n';
        std::fputs(line.c_str(), stdout);
    }

private:
    std::string Field(const std::string& text) const {
        if (separator_ != ',' || text.find_first_of(",\"\n\r") == std::string::npos) return text;
        std::string quoted = "\"";
        for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + '"';
    }
    char separator_;
};

std::string Number(double value, const char* format) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

const char* DaylightName(Daylight d) {
    switch (d) {
        case Daylight::PolarDay:
            return "polar day";
        case Daylight::PolarNight:
            return "polar night";
        case Daylight::Ordinary:
            break;
    }
    return "sets and rises";
}

const char* DarknessName(Darkness d) {
    switch (d) {
        case Darkness::Astronomical:
            return "astronomical";
        case Darkness::Nautical:
            return "nautical";
        case Darkness::Civil:
            return "civil";
        case Darkness::Twilight:
            return "twilight";
        case Darkness::None:
            break;
    }
    return "none";
}

const char* KindName(const ObjectKind& k) {
    if (k.Group == ObjectGroup::Planet) return "planet";
    if (k.Group == ObjectGroup::Star)
        return k.NgcIcKind == static_cast<std::uint8_t>(NgcIcKind::MultipleStar) ? "double star" : "star";
    if (k.Group == ObjectGroup::SmallBody) return "small body";
    static const char* const Names[NgcIcKindCount] = {
        "galaxy", "galaxy cluster",   "open cluster",      "globular cluster",
        "nebula", "planetary nebula", "supernova remnant", "asterism",
        "star",   "multiple star"};
    return k.NgcIcKind < NgcIcKindCount ? Names[k.NgcIcKind] : "other";
}

const char* GroupName(ObjectGroup g) {
    static const char* const Names[ObjectGroupCount + 1] = {"planet", "star", "messier", "ngc", "small-body"};
    return Names[static_cast<unsigned>(g)];
}

// The plan on paper, on the clock of the zone.
int PrintThePlan(const TonightRequest& r, const Night& night, const std::vector<TonightEntry>& list,
                 const std::string& date) {
    const CivilZone zone = r.Clock;
    // "21:24", to the nearest minute.
    const ClockText clock = [&zone](double julianDay) {
        return InstantText(julianDay + 30.0 / 86400.0, zone).substr(11, 5);
    };
    if (!RegisterProgramFonts()) {
        std::fprintf(stderr, "%s tonight: cannot read the program's own fonts\n", ProgramName.data());
        return ExitFailure;
    }
    const PlanSheetRequest plan = TonightPlanSheet(night, list, clock, date, r.Site, &ProgramDeepStars());
    std::string bytes;
    if (const std::string error = PrintPlan(plan, r.PrintAs, SheetOptions{}, bytes); !error.empty()) {
        std::fprintf(stderr, "%s tonight: %s\n", ProgramName.data(), error.c_str());
        return ExitFailure;
    }
    const Output out[] = {{*r.Print, bytes}};
    if (const std::string failure = WriteOutputs(out); !failure.empty()) {
        std::fprintf(stderr, "%s tonight: %s\n", ProgramName.data(), failure.c_str());
        return ExitFailure;
    }
    return ExitSuccess;
}

int Tonight(const ParsedOptions& options) {
    const TonightRequest r = ParseTonight(options);
    if (r.Horizon) PrintWarnings(TonightCommand.Name, r.Horizon->Warnings);

    const Night night = ComputeNight(r.Site, r.Noon);
    const std::optional<CivilZone> utc;
    const std::optional<CivilZone> clock = r.Clock;
    const Lines out(r.Separator);
    const auto instant = [&](const char* name, const std::optional<double>& t) {
        out.Print({name, InstantText(t, utc), InstantText(t, clock)});
    };
    const std::string start = InstantText(night.Start, clock);
    out.Print({"night", start.substr(0, 10), Number(r.Site.Latitude * DegreesPerRadian, "%.4f"),
               Number(r.Site.Longitude * DegreesPerRadian, "%.4f")});
    instant("noon", night.Start);
    instant("sunset", night.Sunset.Evening);
    instant("civil_dusk", night.Civil.Evening);
    instant("nautical_dusk", night.Nautical.Evening);
    instant("astronomical_dusk", night.Astronomical.Evening);
    instant("midnight", night.Midnight);
    instant("astronomical_dawn", night.Astronomical.Morning);
    instant("nautical_dawn", night.Nautical.Morning);
    instant("civil_dawn", night.Civil.Morning);
    instant("sunrise", night.Sunset.Morning);
    instant("next_noon", night.End);
    out.Print({"sun", DaylightName(night.Sun)});
    out.Print({"darkest", DarknessName(night.Darkest)});
    out.Print({"dark_hours", Number(night.DarkHours, "%.2f")});
    if (night.Observing) {
        instant("observing_from", night.Observing->Start);
        instant("observing_to", night.Observing->End);
    }
    instant("moonrise", night.Moonrise);
    instant("moonset", night.Moonset);
    out.Print({"moon_phase", MoonPhaseName(night.MoonPhaseAngle)});
    out.Print({"moon_illuminated", Number(night.MoonIlluminated, "%.3f")});
    out.Print({"moonless_dark_hours", Number(night.MoonlessDarkHours, "%.2f")});
    for (const Interval& i : night.MoonlessDark) {
        instant("moonless_from", i.Start);
        instant("moonless_to", i.End);
    }
    std::fputs("\n", stdout);

    // The comets and minor planets of the kept set (or --elements) after the catalogues' objects.
    const std::vector<SmallBody> bodies = SmallBodiesForRun(options, TonightCommand.Name);
    std::deque<std::string> bodyNames;
    std::vector<Candidate> candidates = TonightCandidates();
    const std::vector<Candidate> more = SmallBodyCandidates(bodies, bodyNames);
    candidates.insert(candidates.end(), more.begin(), more.end());
    const std::vector<TonightEntry> list =
        PlanTonight(night, r.Site, r.Filter, r.Horizon ? r.Horizon->Horizon.get() : nullptr, candidates);
    out.Print({"name", "kind", "group", "constellation", "magnitude", "size", "rise", "rise_local", "transit",
               "transit_local", "set", "set_local", "best", "best_local", "altitude", "azimuth",
               "moon_distance", "slot", "ngcic"});
    for (const TonightEntry& e : list) {
        const Candidate& c = *e.Object;
        const char* kind = c.Body == nullptr                      ? KindName(c.Kind)
                           : c.Body->Kind == SmallBodyKind::Comet ? "comet"
                                                                  : "minor planet";
        out.Print({Cp1250ToUtf8(c.Name), kind, GroupName(c.Kind.Group),
                   e.Constellation > 0 && e.Constellation < ConstellationNameCount
                       ? std::string(ConstellationOf(e.Constellation).Abbreviation)
                       : "-",
                   e.Magnitude < 90.0 ? Number(e.Magnitude, "%.1f") : "-",
                   c.Size > 0.0f ? Number(c.Size, "%.1f") : "-", InstantText(e.Rise, utc),
                   InstantText(e.Rise, clock), InstantText(e.Transit, utc), InstantText(e.Transit, clock),
                   InstantText(e.Set, utc), InstantText(e.Set, clock), InstantText(e.Best, utc),
                   InstantText(e.Best, clock), Number(e.BestAltitude * DegreesPerRadian, "%.2f"),
                   Number(e.BestAzimuth * DegreesPerRadian, "%.2f"),
                   Number(e.MoonDistance * DegreesPerRadian, "%.1f"), std::to_string(c.Slot),
                   std::to_string(c.NgcIc)});
    }
    if (r.Print) return PrintThePlan(r, night, list, start.substr(0, 10));
    return ExitSuccess;
}

}  // namespace

int RunTonight(std::span<char* const> args) { return RunCommand(TonightCommand, args, Tonight); }

std::optional<std::string> TonightRefusal(std::span<char* const> args) {
    return RefusalOf(TonightCommand, args, [](const ParsedOptions& options) { ParseTonight(options); });
}

}  // namespace kolvar::cli
