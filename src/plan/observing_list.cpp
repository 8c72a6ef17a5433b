#include "plan/observing_list.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "appcore/program_path.h"
#include "astro/outcome.h"
#include "astro/time_scales.h"
#include "identify/search_key.h"

namespace kolvar {

namespace {

constexpr std::string_view Columns[] = {"name",     "ra_deg",    "dec_deg", "observed",
                                        "latitude", "longitude", "note"};
enum Column {
    NameColumn,
    RaColumn,
    DecColumn,
    ObservedColumn,
    LatColumn,
    LonColumn,
    NoteColumn,
    ColumnCount
};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool SameName(std::string_view a, std::string_view b) { return Lower(a) == Lower(b); }

// The rows of a CSV text (RFC 4180: quoted fields may hold commas, quotes
// doubled and line breaks), each with the line it starts on; false for an
// unclosed quote or a quote inside an unquoted field.
bool SplitCsv(std::string_view text, std::vector<std::pair<int, std::vector<std::string>>>& rows,
              int& badLine) {
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, wasQuoted = false, any = false;
    int line = 1, rowLine = 1;
    const auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endField();
        const bool blank = row.size() == 1 && row[0].empty();
        if (!blank) rows.emplace_back(rowLine, std::move(row));
        row.clear();
        any = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        if (!any) rowLine = line;
        any = true;
        if (c == '"') {
            if (!field.empty() || wasQuoted) {
                badLine = line;
                return false;
            }
            quoted = wasQuoted = true;
        } else if (c == ',') {
            endField();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRow();
            ++line;
        } else {
            if (wasQuoted) {
                badLine = line;
                return false;
            }
            field += c;
        }
    }
    if (quoted) {
        badLine = rowLine;
        return false;
    }
    if (any) endRow();
    return true;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\n\r") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    out += '"';
    return out;
}

std::optional<double> ReadNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return ReadWholeDecimal(text).Optional();
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

}  // namespace

std::filesystem::path ObservingListFolder() { return KolvarDataFolder() / "lists"; }

std::filesystem::path ObservingListPath(std::string_view name) {
    std::string file(name);
    file += ".csv";
    return ObservingListFolder() / file;
}

std::string ListNameProblem(std::string_view name) {
    if (name.empty()) return "a list needs a name";
    if (name.size() > 100) return "a list name is at most 100 bytes";
    if (name.front() == '.') return "a list name may not begin with a dot";
    for (const char c : name) {
        if (c == '/') return "a list name may not hold a slash";
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return "a list name may not hold control characters";
    }
    if (!IsWellFormedUtf8(name)) return "a list name must be UTF-8 text";
    return {};
}

std::vector<std::string> ObservingListNames() {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(ObservingListFolder(), error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path& p = it->path();
        if (p.extension() == ".csv" && ListNameProblem(p.stem().string()).empty())
            names.push_back(p.stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

ListReading ReadObservingList(std::string_view text, std::string name) {
    ListReading r;
    if (text.find('\0') != std::string_view::npos) {
        r.Refusal = "not a CSV text: it holds NUL bytes";
        return r;
    }
    if (!IsWellFormedUtf8(text)) {
        r.Refusal = "not a CSV text: it is not UTF-8";
        return r;
    }
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::pair<int, std::vector<std::string>>> rows;
    int badLine = 0;
    if (!SplitCsv(text, rows, badLine)) {
        r.Refusal =
            "not a CSV text: a quote is misplaced or not closed (line " + std::to_string(badLine) + ")";
        return r;
    }
    ObservingList list;
    list.Name = std::move(name);
    if (rows.empty()) {
        r.List = std::move(list);
        return r;
    }
    int where[ColumnCount];
    std::fill(std::begin(where), std::end(where), -1);
    const std::vector<std::string>& header = rows.front().second;
    for (std::size_t k = 0; k < header.size(); ++k)
        for (int c = 0; c < ColumnCount; ++c)
            if (Lower(header[k]) == Columns[c] && where[c] < 0) where[c] = static_cast<int>(k);
    if (where[NameColumn] < 0) {
        r.Refusal = "not an observing list: its first line has no 'name' column";
        return r;
    }
    for (std::size_t k = 1; k < rows.size(); ++k) {
        // Named members, not a structured binding: lambdas below use them.
        const auto& line = rows[k].first;
        const auto& fields = rows[k].second;
        const auto field = [&](Column c) -> std::string_view {
            const int at = where[c];
            return at >= 0 && static_cast<std::size_t>(at) < fields.size() ? std::string_view(fields[at])
                                                                           : "";
        };
        const auto problem = [&](const std::string& why) {
            r.Problems.push_back("line " + std::to_string(line) + ": " + why);
        };
        ListedObject o;
        o.Name = std::string(field(NameColumn));
        if (SearchKeyOfUtf8(o.Name).empty()) {
            problem("no name");
            continue;
        }
        bool good = true;
        const auto number = [&](Column c, double low, double high) -> std::optional<double> {
            const std::string_view t = field(c);
            if (t.empty()) return std::nullopt;
            const std::optional<double> v = ReadNumber(t);
            if (!v || *v < low || *v > high) {
                std::string why(Columns[c]);
                why += " '";
                why += t;
                why += "' is not a number from " + std::to_string(static_cast<int>(low)) + " to " +
                       std::to_string(static_cast<int>(high));
                problem(why);
                good = false;
            }
            return v;
        };
        o.RightAscension = number(RaColumn, 0.0, 360.0);
        o.Declination = number(DecColumn, -90.0, 90.0);
        if (o.RightAscension.has_value() != o.Declination.has_value()) {
            o.RightAscension.reset();
            o.Declination.reset();
        }
        if (const std::string_view when = field(ObservedColumn); !when.empty()) {
            const std::optional<double> jd = ReadListInstant(when);
            if (!jd) {
                problem("observed '" + std::string(when) + "' is not an instant like 2026-12-09T21:30:00Z");
                good = false;
            } else {
                Observation seen;
                seen.JulianDay = *jd;
                seen.Latitude = number(LatColumn, -90.0, 90.0).value_or(0.0);
                seen.Longitude = number(LonColumn, -180.0, 180.0).value_or(0.0);
                seen.Note = std::string(field(NoteColumn));
                o.Observed = std::move(seen);
            }
        }
        if (good) list.Objects.push_back(std::move(o));
    }
    r.List = std::move(list);
    return r;
}

std::string ObservingListText(const ObservingList& list) {
    std::string text;
    for (std::size_t c = 0; c < ColumnCount; ++c) {
        if (c > 0) text += ',';
        text += Columns[c];
    }
    text += '\n';
    for (const ListedObject& o : list.Objects) {
        text += CsvField(o.Name);
        text += ',';
        if (o.RightAscension && o.Declination)
            text += Number(*o.RightAscension) + "," + Number(*o.Declination);
        else
            text += ',';
        if (o.Observed) {
            text += ',' + ListInstantText(o.Observed->JulianDay);
            text += ',' + Number(o.Observed->Latitude);
            text += ',' + Number(o.Observed->Longitude);
            text += ',' + CsvField(o.Observed->Note);
        } else {
            text += ",,,,";
        }
        text += '\n';
    }
    return text;
}

ListReading LoadObservingList(const std::filesystem::path& path, std::string name) {
    std::optional<std::string> text;
    try {
        text = ReadRegularFile(path.string());
    } catch (const std::system_error& error) {
        ListReading r;
        r.Refusal = error.what();
        return r;
    }
    if (!text) {
        ListReading r;
        r.List = ObservingList{std::move(name), {}};
        return r;
    }
    return ReadObservingList(*text, std::move(name));
}

std::optional<WriteFailure> SaveObservingList(const std::filesystem::path& path, const ObservingList& list,
                                              WritePolicy policy) {
    // What stands there now must be a list (or nothing): anything else is kept.
    if (KindOfTarget(path.string()) == TargetKind::Regular) {
        const ListReading old = LoadObservingList(path, list.Name);
        if (!old.List) return WriteFailure{"will not replace", path.string(), 0, old.Refusal};
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        return WriteFailure{"cannot create the folder of", path.string(), error.value(), error.message()};
    return WriteFile(path.string(), ObservingListText(list), policy);
}

bool AddToList(ObservingList& list, ListedObject object) {
    if (FindInList(list, object.Name)) return false;
    list.Objects.push_back(std::move(object));
    return true;
}

std::optional<std::size_t> FindInList(const ObservingList& list, std::string_view name) {
    for (std::size_t k = 0; k < list.Objects.size(); ++k)
        if (SameName(list.Objects[k].Name, name)) return k;
    return std::nullopt;
}

std::optional<std::size_t> NextInList(const ObservingList& list, std::optional<std::size_t> current) {
    const std::size_t n = list.Objects.size();
    if (n == 0) return std::nullopt;
    const std::size_t first = current && *current < n ? (*current + 1) % n : 0;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t at = (first + k) % n;
        if (!list.Objects[at].Observed) return at;
    }
    return first;
}

std::string ListInstantText(double julianDay) {
    const auto seconds = static_cast<long long>(std::llround((julianDay - 2451544.5) * 86400.0));
    const long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const long long inDay = seconds - days * 86400;
    const CalendarMoment date = CalendarFromJulianDay(2451545.0 + static_cast<double>(days), 0.0f, false);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02lld:%02lld:%02lldZ", date.Year, date.Month, date.Day,
                  inDay / 3600, inDay / 60 % 60, inDay % 60);
    return text;
}

std::optional<double> ReadListInstant(std::string_view text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char z = 0;
    int used = 0;
    const std::string t(text);
    if (std::sscanf(t.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%n", &y, &mo, &d, &h, &mi, &s, &z, &used) != 7 ||
        z != 'Z' || static_cast<std::size_t>(used) != t.size())
        return std::nullopt;
    if (mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo) || h > 23 || mi > 59 || s > 59 || h < 0 ||
        mi < 0 || s < 0)
        return std::nullopt;
    return static_cast<double>(JulianDayFromCalendar(y, mo, d, h, mi, s, false, 0.0));
}

}  // namespace kolvar
