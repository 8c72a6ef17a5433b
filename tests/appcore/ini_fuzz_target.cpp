// Fuzz target for the settings file: the first byte picks the locale's decimal
// separator (',' a comma, anything else a point), the rest is the file. Load,
// save, load again: integers exact, doubles to 15 digits, every other key read
// as before, and a second save byte for byte the first.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "appcore/ini_file.h"
#include "appcore/settings_file.h"
#include "fuzz_checks.h"

namespace {

using kolvar::IniFile;
using kolvar::fuzz::Check;
using kolvar::fuzz::SameTo15Digits;

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Every (section, key) the text seems to name: a rough reading that only picks
// the names to ask IniFile about, before and after.
std::set<std::pair<std::string, std::string>> NamesIn(std::string_view text) {
    std::set<std::pair<std::string, std::string>> names;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.front() == '[') {
            section = std::string(Trim(line.substr(1, line.find(']') - 1)));
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            names.emplace(section, std::string(Trim(line.substr(0, eq))));
        }
    }
    return names;
}

bool IsOurs(const std::pair<std::string, std::string>& name) {
    const std::string section = Lower(name.first), key = Lower(name.second);
    return (section == "localtime" && (key == "zone" || key == "summertime")) ||
           (section == "geopos" && (key == "longitude" || key == "latitude")) ||
           (section == "fontsize" && key == "fontsize");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = data[0] == ',' ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const IniFile original = IniFile::Parse(text);
    const kolvar::IniValues loaded = kolvar::ReadIniValues(original, separator);
    IniFile saved = original;
    kolvar::WriteIniValues(saved, loaded, separator);
    const std::string once = saved.Text();

    IniFile again = IniFile::Parse(once);
    const kolvar::IniValues reloaded = kolvar::ReadIniValues(again, separator);
    Check(reloaded.SummerTime == loaded.SummerTime, "SummerTime changed");
    Check(reloaded.FontSize == loaded.FontSize, "FontSize changed");
    Check(SameTo15Digits(reloaded.Zone, loaded.Zone), "Zone changed");
    Check(SameTo15Digits(reloaded.Longitude, loaded.Longitude), "Longitude changed");
    Check(SameTo15Digits(reloaded.Latitude, loaded.Latitude), "Latitude changed");
    for (const auto& name : NamesIn(text)) {
        if (IsOurs(name)) continue;
        Check(original.Read(name.first, name.second) == again.Read(name.first, name.second),
              "other key changed", name.first + "/" + name.second);
    }

    kolvar::WriteIniValues(again, reloaded, separator);
    Check(again.Text() == once, "second save differs");
    return 0;
}
