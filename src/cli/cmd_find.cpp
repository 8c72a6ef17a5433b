// kolvar-chart find: the objects a name finds, where the chart of the given
// place, instant and size shows them, and when they next rise, culminate and
// set.

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "canvas/cp1250.h"
#include "chart/draw_sky.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/horizon_option.h"
#include "cli/instant_text.h"
#include "cli/sky_options.h"
#include "cli/small_body_options.h"
#include "cli/subcommands.h"
#include "identify/deep_names.h"
#include "identify/name_index.h"
#include "identify/search_key.h"
#include "identify/small_body_label.h"
#include "plan/skyline_rise_set.h"
#include "sky/slot_position.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec FindOptions[] = {JulianDayOption, DateOption,     ZoneOption,   SummerOption,
                                      DstOption,       CityOption,     LatOption,    LonOption,
                                      SizeOption,      ElementsOption, HorizonOption};

constexpr CommandSpec FindCommand{
    "find",
    "Finds the objects that NAME names (UTF-8; case, accents and spaces do not matter, a Greek\n"
    "letter may be its symbol, its name or its abbreviation: 'alfa Lyr', 'α Lyr', 'Alp Lyrae'),\n"
    "the whole name first, then names that begin with it, brighter objects first; when neither\n"
    "finds anything, names one or two letters off ('Prokyon'). Besides the chart's objects it\n"
    "knows the NGC and IC objects ('NGC 7000', 'ic434', common names in English and Hungarian)\n"
    "and the constellations (Latin, Hungarian, abbreviation). Prints a header and one\n"
    "tab-separated line per object: slot kind index name azimuth altitude x y visible rise\n"
    "transit set. Angles in degrees (azimuth 0..360 from north through east), x and y pixels of\n"
    "the chart of --size (azimuth, altitude and times in the true frame of the place, rising and\n"
    "setting at 34' of refraction, the Sun's and the Moon's upper limb; with --horizon over that\n"
    "skyline, through its refraction), times the next after the instant in "
    "UT (ISO 8601; with --zone or --city\n"
    "on that clock, with its offset), '-' for none (never rises, never sets). An object that is not on the "
    "chart has slot -1: kind 5 is an NGC/IC\n"
    "object (index in the NGC/IC table), kind 7 a constellation (index its number, the place that\n"
    "of its label), kind 8 a comet or minor planet of the kept set or of --elements (index its\n"
    "place there; found by designation, name or both: '1P', 'Halley', '4', 'Vesta'; its rising and\n"
    "setting for its place at the instant). No object found: status 1.",
    FindOptions,
    "NAME",
};

bool IsOption(std::string_view arg) { return arg == "-h" || (arg.size() > 2 && arg.substr(0, 2) == "--"); }

// NAME is the one argument that is neither an option nor an option's value;
// a second such argument stays among the options, whose parsing refuses it.
struct SplitArguments {
    std::optional<std::string> Name;
    std::vector<char*> Options;
};

SplitArguments SplitName(std::span<char* const> args) {
    SplitArguments split;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!IsOption(arg) && !split.Name) {
            split.Name = std::string(arg);
            continue;
        }
        split.Options.push_back(args[i]);
        const std::string_view name = arg.substr(0, arg.find('='));
        for (const OptionSpec& option : FindOptions) {
            if (option.Name == name && !option.ValueName.empty() && name.size() == arg.size() &&
                i + 1 < args.size())
                split.Options.push_back(args[++i]);
        }
    }
    return split;
}

double CompassDegrees(double azimuth) {
    const double degrees = azimuth * DegreesPerRadian;
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// NAME and the sky options, as Find reads them.
SkyRequest ParseFind(const std::optional<std::string>& name, const ParsedOptions& options) {
    if (!name) throw UsageError("missing NAME (what to find)");
    if (!IsWellFormedUtf8(*name)) throw UsageError("NAME is not UTF-8 text");
    if (SearchKeyOfUtf8(*name).empty())
        throw UsageError("NAME has no letter or digit: " + QuoteForMessage(*name));
    return ParseSkyOptions(options, ZoneUse::ShownToo);
}

int Find(const std::optional<std::string>& name, const ParsedOptions& options) {
    SkyRequest sky = ParseFind(name, options);

    std::vector<FoundObject> found = ProgramNameIndex().Find(*name);
    const std::vector<SmallBody> bodies = SmallBodiesForRun(options, FindCommand.Name);
    const std::optional<HorizonFile> horizon = HorizonFromOptions(options);
    const LocalHorizon* skyline = horizon ? horizon->Horizon.get() : nullptr;
    if (horizon) PrintWarnings(FindCommand.Name, horizon->Warnings);
    const std::vector<std::size_t> foundBodies = MatchSmallBodies(bodies, *name);
    // A body named so is what was meant, not a catalogue name a letter or two off.
    if (!foundBodies.empty()) std::erase_if(found, [](const FoundObject& f) { return f.Close; });
    if (found.empty() && foundBodies.empty()) {
        std::fprintf(stderr, "%s find: no object is named %s\n", ProgramName.data(),
                     QuoteForMessage(*name).c_str());
        return ExitFailure;
    }

    // The placement of the redraw, without its pixels.
    const ObserverState& observer = sky.Observer;
    const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(observer));
    const SkyObjectTable& objects = scene->Objects;
    const ChartFrame frame =
        FrameOnChart(ComputeChartGeometry(sky.ChartSize.Width, sky.ChartSize.Height), scene->Frame);
    const SkyProjection projection = SkyProjection::Stereographic(frame);

    // Times on the clock of --zone or of the town, in universal time without either.
    std::optional<CivilZone> clock;
    if (options.Has(ZoneOption.Name) || options.Has(CityOption.Name) || options.Has(DstOption.Name))
        clock = ZoneFromOptions(options);
    // Azimuth, altitude and the times as an almanac gives them, in the true
    // frame; the pixels and the visibility are the chart's.
    SlotPlacer placer(observer.Longitude, observer.Latitude, PlacementFrame::True);
    const ObserverFrame trueFrame = ComputeTrueFrame(observer);
    std::optional<double> rangeEnd;
    std::printf("slot\tkind\tindex\tname\tazimuth\taltitude\tx\ty\tvisible\trise\ttransit\tset\n");
    if (!foundBodies.empty()) {
        std::vector<SmallBody> chosen;
        for (const std::size_t k : foundBodies) chosen.push_back(bodies[k]);
        const std::vector<SmallBodyPlace> places = SmallBodyPlaces(chosen, observer.JulianDay);
        for (std::size_t k = 0; k < chosen.size(); ++k) {
            const SmallBodyPlace& p = places[k];
            if (!p.Valid) continue;
            const double ra = p.OfDate.Longitude, dec = p.OfDate.Latitude, au = p.OfDate.Distance;
            const HorizontalPosition h =
                EquatorialToHorizontal(frame, ra, dec, au, observer.JulianDay, Equinox::OfDate);
            const HorizontalPosition almanac =
                EquatorialToHorizontal(trueFrame, ra, dec, au, observer.JulianDay, Equinox::OfDate);
            const RiseTransitSet times =
                DirectionTimesOverSkyline(observer.Longitude, observer.Latitude, p.RightAscension,
                                          p.Declination, observer.JulianDay, skyline);
            const ChartPoint at = projection.Project(h.Azimuth, h.Altitude);
            std::printf("-1\t%d\t%zu\t%s\t%.4f\t%.4f\t%.9g\t%.9g\t%d\t%s\t%s\t%s\n", KindSmallBody,
                        foundBodies[k], DisplayName(chosen[k]).c_str(), CompassDegrees(almanac.Azimuth),
                        almanac.Altitude * DegreesPerRadian, static_cast<double>(at.X),
                        static_cast<double>(at.Y), h.Altitude >= 0.0 ? 1 : 0,
                        InstantText(times.Rise, clock).c_str(), InstantText(times.Transit, clock).c_str(),
                        InstantText(times.Set, clock).c_str());
        }
    }
    for (const FoundObject& f : found) {
        SkyObjectEntry e;
        SkyObjectEntry almanac;
        RiseTransitSet times;
        if (f.Kind == FoundKind::Slot) {
            e = objects[static_cast<std::size_t>(f.Slot)];
            almanac = placer.Place(f.Slot, observer.JulianDay);
            times = SlotTimesOverSkyline(placer, f.Slot, observer.JulianDay, skyline);
        } else {
            const TargetDirection d =
                f.Kind == FoundKind::NgcIc ? DirectionOfNgcIc(f.Index) : DirectionOfConstellation(f.Index);
            const std::uint8_t kind = f.Kind == FoundKind::NgcIc ? KindNgcIc : KindConstellation;
            e = PlaceFixedDirection(frame, kind, f.Index, d.RightAscension, d.Declination,
                                    observer.JulianDay);
            almanac = PlaceFixedDirection(trueFrame, kind, f.Index, d.RightAscension, d.Declination,
                                          observer.JulianDay);
            times = DirectionTimesOverSkyline(observer.Longitude, observer.Latitude, d.RightAscension,
                                              d.Declination, observer.JulianDay, skyline);
        }
        if (times.RangeEnd) rangeEnd = times.RangeEnd;
        const ChartPoint p = projection.Project(e.Azimuth, e.Altitude);
        std::printf("%d\t%d\t%d\t%s\t%.4f\t%.4f\t%.9g\t%.9g\t%d\t%s\t%s\t%s\n", f.Slot, e.Kind, e.Index,
                    Cp1250ToUtf8(f.DisplayName).c_str(), CompassDegrees(almanac.Azimuth),
                    almanac.Altitude * DegreesPerRadian, static_cast<double>(p.X), static_cast<double>(p.Y),
                    e.Visible, InstantText(times.Rise, clock).c_str(),
                    InstantText(times.Transit, clock).c_str(), InstantText(times.Set, clock).c_str());
    }
    if (rangeEnd)
        std::fprintf(stderr, "%s find: the planets' positions end at %s; no rising or setting after it\n",
                     ProgramName.data(), InstantText(rangeEnd, clock).c_str());
    return ExitSuccess;
}

}  // namespace

int RunFind(std::span<char* const> args) {
    const SplitArguments split = SplitName(args);
    return RunCommand(FindCommand, split.Options,
                      [&split](const ParsedOptions& options) { return Find(split.Name, options); });
}

std::optional<std::string> FindRefusal(std::span<char* const> args) {
    const SplitArguments split = SplitName(args);
    return RefusalOf(FindCommand, split.Options,
                     [&split](const ParsedOptions& options) { ParseFind(split.Name, options); });
}

}  // namespace kolvar::cli
