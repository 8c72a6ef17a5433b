#include "cli/cli_options.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>

#include "appcore/time_texts.h"
#include "astro/ephemeris_range.h"
#include "astro/outcome.h"
#include "astro/time_scales.h"
#include "canvas/cp1250.h"
#include "cli/city_option.h"

namespace kolvar::cli {

namespace {

const OptionSpec* FindOption(std::span<const OptionSpec> options, std::string_view name) {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&](const OptionSpec& option) { return option.Name == name; });
    return found == options.end() ? nullptr : &*found;
}

// from_chars takes no leading '+'; one is allowed before a digit.
std::string_view WithoutPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    return text;
}

// A digit or '.' after an optional '-': rules out "nan", "inf", "+-1", " 1".
bool StartsLikeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    return !text.empty() &&
           (std::isdigit(static_cast<unsigned char>(text.front())) != 0 || text.front() == '.');
}

std::string Message(std::string_view option, std::string_view what, std::string_view text) {
    return std::string(option) + ": " + std::string(what) + ": " + QuoteForMessage(text);
}

}  // namespace

bool ParsedOptions::Has(std::string_view name) const { return Value(name).has_value(); }

std::optional<std::string_view> ParsedOptions::Value(std::string_view name) const {
    for (const auto& [key, value] : values_) {
        if (key == name) {
            return std::string_view(value);
        }
    }
    return std::nullopt;
}

void ParsedOptions::Add(std::string_view name, std::string value) {
    values_.emplace_back(std::string(name), std::move(value));
}

ParsedOptions ParseOptions(std::span<char* const> args, std::span<const OptionSpec> options) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.HelpRequested = true;
            continue;
        }
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            throw UsageError("unexpected argument " + QuoteForMessage(arg));
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const OptionSpec* known = FindOption(options, name);
        if (known == nullptr) {
            throw UsageError("unknown option " + QuoteForMessage(name));
        }
        if (parsed.Has(name)) {
            throw UsageError(std::string(name) + " given more than once");
        }
        if (known->ValueName.empty()) {
            if (equals != std::string_view::npos) {
                throw UsageError(std::string(name) + " takes no value");
            }
            parsed.Add(name, "");
        } else if (equals != std::string_view::npos) {
            parsed.Add(name, std::string(arg.substr(equals + 1)));
        } else if (i + 1 < args.size()) {
            parsed.Add(name, args[++i]);
        } else {
            throw UsageError(std::string(name) + " needs a value " + std::string(known->ValueName));
        }
    }
    return parsed;
}

double ParseFiniteDouble(std::string_view option, std::string_view text) {
    const std::string_view number = WithoutPlus(text);
    // from_chars also reads "nan", "inf" and "infinity"; none is a value here.
    if (!StartsLikeNumber(number)) throw UsageError(Message(option, NotANumberError, text));
    const Outcome<double> value = ReadWholeDecimal(number);
    if (!value) throw UsageError(Message(option, value.Error(), text));
    return *value;
}

long long ParseInteger(std::string_view option, std::string_view text, long long min, long long max) {
    const std::string_view number = WithoutPlus(text);
    const Outcome<long long> value = StartsLikeNumber(number)
                                         ? ReadWholeInteger<long long>(number)
                                         : Outcome<long long>::Failure(std::string(NotAWholeNumberError));
    if (!value && value.Error() == NotAWholeNumberError)
        throw UsageError(Message(option, NotAWholeNumberError, text));
    if (!value || *value < min || *value > max) {
        throw UsageError(
            Message(option, "must be from " + std::to_string(min) + " to " + std::to_string(max), text));
    }
    return *value;
}

Size ParseSize(std::string_view option, std::string_view text, int max) {
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos) {
        throw UsageError(Message(option, "expected WIDTHxHEIGHT", text));
    }
    Size size;
    size.Width = static_cast<int>(ParseInteger(option, text.substr(0, cross), 1, max));
    size.Height = static_cast<int>(ParseInteger(option, text.substr(cross + 1), 1, max));
    return size;
}

std::string QuoteForMessage(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    }
    quoted += '\'';
    return quoted;
}

void PrintCommandHelp(std::FILE* out, const CommandSpec& command) {
    std::string usage = "usage: " + std::string(ProgramName) + " " + std::string(command.Name);
    if (!command.Operands.empty()) {
        usage += ' ';
        usage += command.Operands;
    }
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // `string += literal + string`.
    for (const OptionSpec& option : command.Options) {
        usage += " [";
        usage += option.Name;
        if (!option.ValueName.empty()) {
            usage += ' ';
            usage += option.ValueName;
        }
        usage += ']';
    }
    std::fprintf(out, "%s\n\n%.*s\n\noptions:\n", usage.c_str(), static_cast<int>(command.Description.size()),
                 command.Description.data());
    for (const OptionSpec& option : command.Options) {
        std::string left(option.Name);
        if (!option.ValueName.empty()) {
            left += ' ';
            left += option.ValueName;
        }
        std::string help(option.Help);
        if (option.HelpFromTable != nullptr) help += option.HelpFromTable();
        std::fprintf(out, "  %-18s %s\n", left.c_str(), help.c_str());
    }
    std::fprintf(out, "  %-18s %s\n", "--help", "show this help and exit");
}

double CurrentJulianDay() { return SystemClockJulianDay(); }

bool CivilZone::SummerAt(double julianDay) const {
    return Rule ? SummerTimeAt(*Rule, julianDay, ZoneHours) : SummerTime;
}

CivilZone ZoneFromOptions(const ParsedOptions& options) {
    CivilZone zone;
    const CityRecord* city = CityFromOptions(options);
    if (auto text = options.Value(ZoneOption.Name)) {
        zone.ZoneHours = ParseFiniteDouble(ZoneOption.Name, *text);
        if (zone.ZoneHours < -24 || zone.ZoneHours > 24)
            throw UsageError(std::string(ZoneOption.Name) + ": " + QuoteForMessage(*text) +
                             " is outside -24..24");
    } else if (city != nullptr) {
        zone.ZoneHours = city->ZoneHours;
    }
    zone.SummerTime = options.Has(SummerOption.Name);
    if (auto rule = options.Value(DstOption.Name)) {
        if (*rule == "eu")
            zone.Rule = SummerTimeRule::Europe;
        else if (*rule == "us")
            zone.Rule = SummerTimeRule::UnitedStates;
        else if (*rule == "none")
            zone.Rule = SummerTimeRule::None;
        else
            throw UsageError(Message(DstOption.Name, "expected eu, us or none", *rule));
    } else if (city != nullptr) {
        zone.Rule = KnownSummerTimeRule(city->SummerTimeRule);
        if (!zone.Rule)
            throw UsageError(std::string(CityOption.Name) + ": " + Cp1250ToUtf8(city->Name) +
                             " keeps summer time by the rule '" + city->SummerTimeRule +
                             "', which is not known here; give --dst eu, us or none");
    }
    if (zone.SummerTime && zone.Rule)
        throw UsageError("--summer and --dst (or the town of --city) both say when summer time is; give one");
    return zone;
}

namespace {

double CoveredDay(std::string_view option, double julianDay, std::string_view shown) {
    if (!ElementsCoverDay(julianDay)) {
        throw UsageError(std::string(option) +
                         ": outside the range of the orbital elements: " + QuoteForMessage(shown));
    }
    return julianDay;
}

double DateInstant(std::string_view option, std::string_view text, const CivilZone& zone) {
    const Outcome<CivilDateTime> civil = ParseCivilDateTime(text);
    if (!civil) throw UsageError(Message(option, civil.Error(), text));
    const double instant =
        zone.Rule ? InstantOfWallClock(JulianDayOfCivil(*civil, 0.0, false), zone.ZoneHours, *zone.Rule)
                  : JulianDayOfCivil(*civil, zone.ZoneHours, zone.SummerTime);
    return CoveredDay(option, instant, text);
}

}  // namespace

double ParseInstant(std::string_view option, std::string_view text, const CivilZone& zone) {
    if (text.find('-', 1) != std::string_view::npos) {
        // A number with a negative exponent is still a Julian day.
        if (ParseCivilDateTime(text) || text.find_first_of("eE") == std::string_view::npos)
            return DateInstant(option, text, zone);
    }
    return CoveredDay(option, ParseFiniteDouble(option, text), text);
}

double JulianDayFromOptions(const ParsedOptions& options, ZoneUse zoneUse) {
    const auto jd = options.Value(JulianDayOption.Name);
    const auto date = options.Value(DateOption.Name);
    if (jd && date) throw UsageError("--jd and --date both give the instant; give one of them");
    // A render series takes its instants from --from and --to.
    const bool zoneGiven =
        options.Has(ZoneOption.Name) || options.Has(SummerOption.Name) || options.Has(DstOption.Name);
    if (zoneGiven && !date && !options.Has("--from") && zoneUse == ZoneUse::DateOnly) {
        throw UsageError(options.Has(DstOption.Name)
                             ? "--zone, --summer and --dst apply to --date; without it the instant is UT"
                             : "--zone and --summer apply to --date; without it the instant is UT");
    }
    if (date) return DateInstant(DateOption.Name, *date, ZoneFromOptions(options));
    if (zoneGiven || options.Has(CityOption.Name)) ZoneFromOptions(options);  // its mistakes are told too
    if (jd) return CoveredDay(JulianDayOption.Name, ParseFiniteDouble(JulianDayOption.Name, *jd), *jd);
    return CoveredDay(JulianDayOption.Name, CurrentJulianDay(), "now");
}

int FinishStandardOutput(std::string_view commandName, int status) {
    errno = 0;
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return status;
    const int err = errno != 0 ? errno : EIO;
    if (status == ExitSuccess) {
        std::fprintf(stderr, "%.*s%s%.*s: cannot write to standard output: %s\n",
                     static_cast<int>(ProgramName.size()), ProgramName.data(), commandName.empty() ? "" : " ",
                     static_cast<int>(commandName.size()), commandName.data(), std::strerror(err));
    }
    return ExitFailure;
}

std::optional<std::string> RefusalOf(const CommandSpec& command, std::span<char* const> args,
                                     const std::function<void(const ParsedOptions&)>& check) {
    try {
        const ParsedOptions parsed = ParseOptions(args, command.Options);
        if (!parsed.HelpRequested) check(parsed);
    } catch (const UsageError& error) {
        return error.what();
    }
    return std::nullopt;
}

int RunCommand(const CommandSpec& command, std::span<char* const> args,
               const std::function<int(const ParsedOptions&)>& body) {
    int status = ExitSuccess;
    try {
        const ParsedOptions parsed = ParseOptions(args, command.Options);
        if (parsed.HelpRequested) {
            PrintCommandHelp(stdout, command);
        } else {
            status = body(parsed);
        }
    } catch (const UsageError& error) {
        std::fprintf(stderr, "%.*s %.*s: %s\n", static_cast<int>(ProgramName.size()), ProgramName.data(),
                     static_cast<int>(command.Name.size()), command.Name.data(), error.what());
        return ExitUsage;
    }
    return FinishStandardOutput(command.Name, status);
}

}  // namespace kolvar::cli
