#include "appcore/equipment.h"

#include <cmath>

#include "appcore/ini_file.h"
#include "appcore/number_text.h"

namespace kolvar {

namespace {

constexpr const char* Section = "EQUIPMENT";

bool Positive(double v) { return std::isfinite(v) && v > 0.0; }

// "name;12.5;30" into its name and `count` numbers, or nothing.
std::optional<std::pair<std::string, std::vector<double>>> SplitEntry(std::string_view text,
                                                                      std::size_t count) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t semicolon; (semicolon = text.find(';', start)) != std::string_view::npos;
         start = semicolon + 1)
        parts.push_back(text.substr(start, semicolon - start));
    parts.push_back(text.substr(start));
    if (parts.size() != count + 1) return std::nullopt;
    std::vector<double> numbers;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const auto v = ParseIniDouble(parts[i], '.');
        if (!v) return std::nullopt;
        numbers.push_back(*v);
    }
    return std::pair{std::string(parts[0]), numbers};
}

std::string Joined(std::string name, std::initializer_list<double> numbers) {
    for (char& c : name)
        if (c == ';') c = ',';
    for (const double v : numbers) {
        name += ';';
        name += FormatGeneral15(v, '.');
    }
    return name;
}

// The entries Key1..KeyN of the section (N from the key "Keys"), parsed by `make`.
template <class Entry, class Make>
std::vector<Entry> ReadList(const IniFile& ini, const std::string& key, std::size_t numbers, Make&& make) {
    std::vector<Entry> list;
    const int count = ParseIniInteger(ini.ReadString(Section, key + "s", "0")).value_or(0);
    for (int i = 1; i <= count && i <= 999; ++i) {
        const auto text = ini.Read(Section, key + std::to_string(i));
        if (!text) continue;
        const auto entry = SplitEntry(*text, numbers);
        if (!entry) continue;
        Entry e = make(entry->first, entry->second);
        if (!BadField(e)) list.push_back(std::move(e));
    }
    return list;
}

int Choice(const IniFile& ini, const char* key, std::size_t size) {
    const int chosen = ParseIniInteger(ini.ReadString(Section, key, "0")).value_or(0);
    return chosen >= 1 && static_cast<std::size_t>(chosen) <= size ? chosen - 1 : -1;
}

}  // namespace

double TrueField(const Eyepiece& eyepiece, const Telescope& telescope) {
    return eyepiece.ApparentField * eyepiece.FocalLength / telescope.FocalLength;
}

std::optional<std::string_view> BadField(const Telescope& t) {
    if (t.Name.empty()) return "Name";
    if (!Positive(t.Aperture)) return "Aperture";
    if (!Positive(t.FocalLength)) return "FocalLength";
    return std::nullopt;
}

std::optional<std::string_view> BadField(const Eyepiece& e) {
    if (e.Name.empty()) return "Name";
    if (!Positive(e.FocalLength)) return "FocalLength";
    if (!Positive(e.ApparentField) || e.ApparentField >= 180.0) return "ApparentField";
    return std::nullopt;
}

std::optional<std::string_view> BadField(const Finder& f) {
    if (f.Name.empty()) return "Name";
    if (!Positive(f.Field) || f.Field >= 180.0) return "Field";
    return std::nullopt;
}

std::optional<double> ChosenEyepieceField(const Equipment& e) {
    if (e.ChosenTelescope < 0 || e.ChosenEyepiece < 0 ||
        static_cast<std::size_t>(e.ChosenTelescope) >= e.Telescopes.size() ||
        static_cast<std::size_t>(e.ChosenEyepiece) >= e.Eyepieces.size())
        return std::nullopt;
    const double field = TrueField(e.Eyepieces[static_cast<std::size_t>(e.ChosenEyepiece)],
                                   e.Telescopes[static_cast<std::size_t>(e.ChosenTelescope)]);
    return Positive(field) && field < 180.0 ? std::optional(field) : std::nullopt;
}

std::vector<double> ChosenCircles(const Equipment& e) {
    std::vector<double> circles;
    if (const auto field = ChosenEyepieceField(e)) circles.push_back(*field);
    if (e.ChosenFinder >= 0 && static_cast<std::size_t>(e.ChosenFinder) < e.Finders.size())
        circles.push_back(e.Finders[static_cast<std::size_t>(e.ChosenFinder)].Field);
    if (e.Telrad) circles.insert(circles.end(), std::begin(TelradRings), std::end(TelradRings));
    return circles;
}

Equipment ReadEquipment(const IniFile& ini) {
    Equipment e;
    e.Telescopes =
        ReadList<Telescope>(ini, "Telescope", 2, [](std::string name, const std::vector<double>& v) {
            return Telescope{std::move(name), v[0], v[1]};
        });
    e.Eyepieces = ReadList<Eyepiece>(ini, "Eyepiece", 2, [](std::string name, const std::vector<double>& v) {
        return Eyepiece{std::move(name), v[0], v[1]};
    });
    e.Finders = ReadList<Finder>(ini, "Finder", 1, [](std::string name, const std::vector<double>& v) {
        return Finder{std::move(name), v[0]};
    });
    e.ChosenTelescope = Choice(ini, "ChosenTelescope", e.Telescopes.size());
    e.ChosenEyepiece = Choice(ini, "ChosenEyepiece", e.Eyepieces.size());
    e.ChosenFinder = Choice(ini, "ChosenFinder", e.Finders.size());
    e.Telrad = ParseIniInteger(ini.ReadString(Section, "Telrad", "0")).value_or(0) != 0;
    return e;
}

void WriteEquipment(IniFile& ini, const Equipment& e) {
    const auto count = [&](const char* key, std::size_t n) { ini.Write(Section, key, std::to_string(n)); };
    count("Telescopes", e.Telescopes.size());
    for (std::size_t i = 0; i < e.Telescopes.size(); ++i)
        ini.Write(Section, "Telescope" + std::to_string(i + 1),
                  Joined(e.Telescopes[i].Name, {e.Telescopes[i].Aperture, e.Telescopes[i].FocalLength}));
    count("Eyepieces", e.Eyepieces.size());
    for (std::size_t i = 0; i < e.Eyepieces.size(); ++i)
        ini.Write(Section, "Eyepiece" + std::to_string(i + 1),
                  Joined(e.Eyepieces[i].Name, {e.Eyepieces[i].FocalLength, e.Eyepieces[i].ApparentField}));
    count("Finders", e.Finders.size());
    for (std::size_t i = 0; i < e.Finders.size(); ++i)
        ini.Write(Section, "Finder" + std::to_string(i + 1), Joined(e.Finders[i].Name, {e.Finders[i].Field}));
    ini.Write(Section, "ChosenTelescope", std::to_string(e.ChosenTelescope + 1));
    ini.Write(Section, "ChosenEyepiece", std::to_string(e.ChosenEyepiece + 1));
    ini.Write(Section, "ChosenFinder", std::to_string(e.ChosenFinder + 1));
    ini.Write(Section, "Telrad", e.Telrad ? "1" : "0");
}

}  // namespace kolvar
