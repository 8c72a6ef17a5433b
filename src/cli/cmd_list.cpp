// kolvar-chart list: the observing lists and their log, kept as CSV files in
// $XDG_DATA_HOME/kolvar/lists/. `names` prints the lists, `show NAME` one of
// them, `add NAME OBJECT` adds an object as find names it, `observe NAME
// OBJECT` marks it observed (instant, place, --note), `export NAME FILE`
// writes it as CSV, `import FILE [NAME]` adds a CSV file's objects to a list.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/output_file.h"
#include "cli/sky_options.h"
#include "cli/subcommands.h"
#include "identify/search_key.h"
#include "plan/listed_target.h"
#include "plan/observing_list.h"
#include "telescope/telescope_target.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec NoteOption{"--note", "TEXT", "with observe: the log's note"};

constexpr OptionSpec ListOptions[] = {JulianDayOption, DateOption, ZoneOption, SummerOption, DstOption,
                                      CityOption,      LatOption,  LonOption,  NoteOption};

constexpr CommandSpec ListCommand{
    "list",
    "Keeps observing lists and their log as CSV files in $XDG_DATA_HOME/kolvar/lists/\n"
    "(~/.local/share/kolvar/lists/ by default), one file NAME.csv a list, with the columns\n"
    "name,ra_deg,dec_deg,observed,latitude,longitude,note (J2000 degrees; the instant in UT).\n"
    "  names                 prints the lists\n"
    "  show NAME             prints the list, tab-separated, '-' for none\n"
    "  add NAME OBJECT       adds an object (named as find takes names) at the end\n"
    "  observe NAME OBJECT   marks it observed now (or at --jd/--date) at the place (--lat,\n"
    "                        --lon or --city) with --note; adds it first when not listed\n"
    "  next NAME             prints the next object not yet observed\n"
    "  export NAME FILE      writes the list as CSV ('-' for standard output)\n"
    "  import FILE [NAME]    adds the objects of a CSV file with a 'name' column to the list\n"
    "                        NAME (by default the file's name without .csv)\n"
    "A file there that is not such a CSV is refused and never written over.",
    ListOptions,
    "names | show NAME | add NAME OBJECT | observe NAME OBJECT | next NAME | export NAME FILE | "
    "import FILE [NAME]",
};

struct ListRequest {
    std::string Action;
    std::vector<std::string> Operands;
    ParsedOptions Options;
};

struct ActionShape {
    std::string_view Name;
    std::size_t Least, Most;
};
constexpr ActionShape Actions[] = {{"names", 0, 0}, {"show", 1, 1},   {"add", 2, 2},   {"observe", 2, 2},
                                   {"next", 1, 1},  {"export", 2, 2}, {"import", 1, 2}};

ListRequest ParseRequest(std::span<char* const> args) {
    ListRequest r;
    std::size_t k = 0;
    for (; k < args.size() && std::string_view(args[k]).substr(0, 2) != "--"; ++k)
        (r.Action.empty() ? r.Action : r.Operands.emplace_back()) = args[k];
    r.Options = ParseOptions(args.subspan(k), ListOptions);
    if (r.Action.empty())
        throw UsageError("missing action: names, show, add, observe, next, export or import");
    const ActionShape* shape = nullptr;
    for (const ActionShape& a : Actions)
        if (a.Name == r.Action) shape = &a;
    if (shape == nullptr)
        throw UsageError("unknown action " + QuoteForMessage(r.Action) +
                         " (names, show, add, observe, next, export or import)");
    if (r.Operands.size() < shape->Least || r.Operands.size() > shape->Most)
        throw UsageError("usage: " + std::string(ProgramName) + " list " + std::string(ListCommand.Operands));
    if (r.Action != "observe")
        for (const OptionSpec& o : ListOptions)
            if (r.Options.Has(o.Name)) throw UsageError(std::string(o.Name) + " is for observe");
    const bool named = r.Action != "names" && r.Action != "import";
    // Views of the operands themselves: a mixed conditional would make a
    // temporary string and leave the view dangling.
    std::string_view name;
    if (r.Action == "import" && r.Operands.size() > 1) name = r.Operands[1];
    if (r.Action != "import" && named) name = r.Operands[0];
    if (!name.empty() || named)
        if (const std::string why = ListNameProblem(name); !why.empty())
            throw UsageError(why + ": " + QuoteForMessage(name));
    if (r.Action == "observe") ParseSkyOptions(r.Options, ZoneUse::DateOnly);
    return r;
}

void Warn(const std::string& text) {
    std::fprintf(stderr, "%s list: %s\n", ProgramName.data(), text.c_str());
}

// The list of that name, or nothing (after the message) when its file is no list.
std::optional<ObservingList> Load(const std::string& name) {
    ListReading r = LoadObservingList(ObservingListPath(name), name);
    if (!r.List) {
        Warn(QuoteForMessage(ObservingListPath(name).string()) + ": " + r.Refusal);
        return std::nullopt;
    }
    for (const std::string& p : r.Problems)
        Warn(QuoteForMessage(ObservingListPath(name).string()) + ": " + p);
    return std::move(r.List);
}

int Save(const ObservingList& list) {
    const auto path = ObservingListPath(list.Name);
    if (const auto failure = SaveObservingList(path, list, SettingsPolicy)) {
        Warn(failure->Action + " " + QuoteForMessage(failure->Name) + ": " + failure->Reason);
        return ExitFailure;
    }
    return ExitSuccess;
}

ListedObject ObjectNamed(const std::string& utf8) {
    if (!IsWellFormedUtf8(utf8)) throw UsageError("OBJECT is not UTF-8 text");
    const std::optional<TelescopeTarget> target = TargetNamed(utf8);
    if (!target) throw UsageError("no object is named " + QuoteForMessage(utf8));
    return ListedObjectOf(*target);
}

std::string Degrees(const std::optional<double>& v) {
    if (!v) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", *v);
    return text;
}

void PrintObject(const ListedObject& o) {
    const Observation* seen = o.Observed ? &*o.Observed : nullptr;
    std::printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\n", o.Name.c_str(), Degrees(o.RightAscension).c_str(),
                Degrees(o.Declination).c_str(), seen ? ListInstantText(seen->JulianDay).c_str() : "-",
                seen ? Degrees(seen->Latitude).c_str() : "-", seen ? Degrees(seen->Longitude).c_str() : "-",
                seen && !seen->Note.empty() ? seen->Note.c_str() : "-");
}

int Run(const ListRequest& r) {
    if (r.Action == "names") {
        for (const std::string& name : ObservingListNames()) std::printf("%s\n", name.c_str());
        return ExitSuccess;
    }
    if (r.Action == "import") {
        const std::string& file = r.Operands[0];
        const std::string name =
            r.Operands.size() > 1 ? r.Operands[1] : std::filesystem::path(file).stem().string();
        if (const std::string why = ListNameProblem(name); !why.empty())
            throw UsageError(why + ": " + QuoteForMessage(name) + " (give a NAME)");
        ListReading read = LoadObservingList(file, name);
        if (read.List && KindOfTarget(file) == TargetKind::Missing)
            throw UsageError("cannot read " + QuoteForMessage(file) + ": no such file");
        if (!read.List) throw UsageError("cannot import " + QuoteForMessage(file) + ": " + read.Refusal);
        for (const std::string& p : read.Problems) Warn(QuoteForMessage(file) + ": " + p);
        std::optional<ObservingList> list = Load(name);
        if (!list) return ExitFailure;
        std::size_t added = 0;
        for (ListedObject& o : read.List->Objects) added += AddToList(*list, std::move(o)) ? 1 : 0;
        if (const int status = Save(*list); status != ExitSuccess) return status;
        std::printf("added %zu of %zu objects to %s (%zu listed)\n", added,
                    added + (read.List->Objects.size() - added), name.c_str(), list->Objects.size());
        return ExitSuccess;
    }
    const std::string& name = r.Operands[0];
    std::optional<ObservingList> list = Load(name);
    if (!list) return ExitFailure;
    if (r.Action == "show") {
        std::printf("name\tra_deg\tdec_deg\tobserved\tlatitude\tlongitude\tnote\n");
        for (const ListedObject& o : list->Objects) PrintObject(o);
        return ExitSuccess;
    }
    if (r.Action == "next") {
        const auto next = NextInList(*list, std::nullopt);
        if (!next) {
            Warn(QuoteForMessage(name) + " is empty");
            return ExitFailure;
        }
        PrintObject(list->Objects[*next]);
        return ExitSuccess;
    }
    if (r.Action == "export") {
        const std::string text = ObservingListText(*list);
        const Output out[] = {{r.Operands[1], text}};
        if (const std::string failure = WriteOutputs(out); !failure.empty()) {
            Warn(failure);
            return ExitFailure;
        }
        return ExitSuccess;
    }
    ListedObject object = ObjectNamed(r.Operands[1]);
    if (r.Action == "add") {
        if (!AddToList(*list, object)) {
            std::printf("%s is listed already in %s\n", object.Name.c_str(), name.c_str());
            return ExitSuccess;
        }
        std::printf("added %s to %s (%zu listed)\n", object.Name.c_str(), name.c_str(), list->Objects.size());
        return Save(*list);
    }
    // observe
    const SkyRequest sky = ParseSkyOptions(r.Options, ZoneUse::DateOnly);
    std::size_t at = FindInList(*list, object.Name).value_or(list->Objects.size());
    if (at == list->Objects.size()) list->Objects.push_back(object);
    Observation seen;
    seen.JulianDay = sky.Observer.JulianDay;
    seen.Latitude = sky.Observer.Latitude * DegreesPerRadian;
    seen.Longitude = std::remainder(sky.Observer.Longitude * DegreesPerRadian, 360.0);
    if (auto note = r.Options.Value(NoteOption.Name)) {
        if (!IsWellFormedUtf8(*note)) throw UsageError("--note is not UTF-8 text");
        seen.Note = std::string(*note);
    }
    list->Objects[at].Observed = seen;
    std::printf("observed %s at %s\n", list->Objects[at].Name.c_str(),
                ListInstantText(seen.JulianDay).c_str());
    return Save(*list);
}

bool AsksHelp(std::span<char* const> args) {
    for (char* arg : args)
        if (std::string_view(arg) == "--help" || std::string_view(arg) == "-h") return true;
    return false;
}

}  // namespace

std::optional<std::string> ListRefusal(std::span<char* const> args) {
    if (AsksHelp(args)) return std::nullopt;
    try {
        ParseRequest(args);
    } catch (const UsageError& error) {
        return error.what();
    }
    return std::nullopt;
}

int RunList(std::span<char* const> args) {
    if (AsksHelp(args)) {
        PrintCommandHelp(stdout, ListCommand);
        return FinishStandardOutput(ListCommand.Name, ExitSuccess);
    }
    int status = ExitSuccess;
    try {
        status = Run(ParseRequest(args));
    } catch (const UsageError& error) {
        Warn(error.what());
        return ExitUsage;
    }
    return FinishStandardOutput(ListCommand.Name, status);
}

}  // namespace kolvar::cli
