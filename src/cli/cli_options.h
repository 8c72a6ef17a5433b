#pragma once

// Option parsing shared by the kolvar-chart subcommands. Options are
// "--name VALUE" or "--name=VALUE"; every subcommand accepts --help (or -h).
// A mistake is a UsageError: RunCommand prints it as one line on stderr and
// the process exits with status 2.

#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "astro/summer_time.h"

namespace kolvar::cli {

inline constexpr std::string_view ProgramName = "kolvar-chart";
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;  // the work itself failed (e.g. output not written)
inline constexpr int ExitUsage = 2;    // bad options or values

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string_view Name;       // with the dashes: "--jd"
    std::string_view ValueName;  // "JD"; empty for an option without a value
    std::string_view Help;
    // The rest of the help, written when it is printed from a table (the
    // --show words from the view switches); none for a help of fixed text.
    std::string (*HelpFromTable)() = nullptr;
};

struct CommandSpec {
    std::string_view Name;         // subcommand name: "ephemeris"
    std::string_view Description;  // a few lines for --help
    std::span<const OptionSpec> Options;
    std::string_view Operands = {};  // what follows the name besides options: "NAME"
};

class ParsedOptions {
public:
    bool HelpRequested = false;

    bool Has(std::string_view name) const;
    // The value given to `name`, if the option was given.
    std::optional<std::string_view> Value(std::string_view name) const;

    void Add(std::string_view name, std::string value);

private:
    std::vector<std::pair<std::string, std::string>> values_;
};

// Parses the arguments after the subcommand name. Unknown options, missing
// values, values given to flags, repeated options and positional arguments
// are UsageErrors.
ParsedOptions ParseOptions(std::span<char* const> args, std::span<const OptionSpec> options);

// Strict conversions: the whole text must be the number (no blanks, no
// trailing characters); `option` names the option in the message.
double ParseFiniteDouble(std::string_view option, std::string_view text);
long long ParseInteger(std::string_view option, std::string_view text, long long min, long long max);

struct Size {
    int Width = 0;
    int Height = 0;
};
// "WxH" with both parts whole numbers in 1..max.
Size ParseSize(std::string_view option, std::string_view text, int max);

// The time options of every subcommand that draws or prints the sky: a
// Julian day, or a civil date and time in a zone.
inline constexpr OptionSpec JulianDayOption{"--jd", "JD",
                                            "Julian day (UT); default: now (the system clock, UTC)"};
inline constexpr OptionSpec DateOption{
    "--date", "DATE", "the instant as civil time YYYY-MM-DD[THH:MM[:SS]] in --zone (instead of --jd)"};
inline constexpr OptionSpec ZoneOption{"--zone", "H",
                                       "zone of --date in hours east of UT, fractions allowed (default 0)"};
inline constexpr OptionSpec SummerOption{"--summer", "", "--date is summer time, one hour ahead of its zone"};
inline constexpr OptionSpec DstOption{
    "--dst", "RULE", "summer time by rule at each instant: eu, us or none (instead of --summer)"};

// The Julian day (UT) of the system clock.
double CurrentJulianDay();

// --zone (hours east, -24..24, default 0) and --summer; or a summer-time
// rule (--dst, or the rule of the town of --city, whose zone stands where
// --zone is not given), by which the clock is an hour ahead at some instants
// and not at others.
struct CivilZone {
    double ZoneHours = 0.0;
    bool SummerTime = false;
    std::optional<SummerTimeRule> Rule;

    // Whether the clock runs on summer time at the instant (Julian day, UT).
    bool SummerAt(double julianDay) const;
    // Hours east of UT that the clock reads at the instant, summer time included.
    double OffsetAt(double julianDay) const { return ZoneHours + (SummerAt(julianDay) ? 1.0 : 0.0); }
};
CivilZone ZoneFromOptions(const ParsedOptions& options);

// An instant written as --date writes it, or as a Julian day: the text is a
// date when a '-' follows its first character. `option` names it in messages.
// A day the orbital elements do not cover is a UsageError.
double ParseInstant(std::string_view option, std::string_view text, const CivilZone& zone);

// The day --jd or --date (with --zone and --summer or --dst) gives, or now
// without either. Both together, or --zone, --summer or --dst without a date
// to apply to (unless `zone` is ZoneUse::ShownToo: the command shows its
// times in the zone), are UsageErrors, as is a day the orbital elements do
// not cover (ElementsCoverDay: no finite Sun, Moon and planets).
enum class ZoneUse { DateOnly, ShownToo };
double JulianDayFromOptions(const ParsedOptions& options, ZoneUse zone = ZoneUse::DateOnly);

// Quotes user text for a one-line message (control characters become '?').
std::string QuoteForMessage(std::string_view text);

// "usage: kolvar-chart NAME [OPTIONS]" with the description and option list.
void PrintCommandHelp(std::FILE* out, const CommandSpec& command);

// Parses the arguments, prints help on --help, runs `body` otherwise, and
// turns a UsageError from parsing or from `body` into the one-line message
// "kolvar-chart NAME: MESSAGE" on stderr and exit status 2. Standard output
// is flushed at the end; a failure to write it (a full disk, a closed pipe
// end) is one line on stderr and exit status 1.
int RunCommand(const CommandSpec& command, std::span<char* const> args,
               const std::function<int(const ParsedOptions&)>& body);

// What RunCommand would refuse these arguments with, without the work: the
// options are parsed and `check` (the subcommand's own reading of its values,
// which draws, prints and writes nothing) runs on them. The UsageError's
// message, or nothing when the arguments are taken or --help is asked for.
std::optional<std::string> RefusalOf(const CommandSpec& command, std::span<char* const> args,
                                     const std::function<void(const ParsedOptions&)>& check);

// Flushes standard output at the end of a run: `status` when that works,
// otherwise ExitFailure, with the one-line message "kolvar-chart [NAME]:
// cannot write to standard output: REASON" unless `status` already reports a failure.
int FinishStandardOutput(std::string_view commandName, int status);

}  // namespace kolvar::cli
