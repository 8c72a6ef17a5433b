#pragma once

// The observer's equipment as the settings file keeps it in its own section
// [EQUIPMENT]: telescopes (aperture and focal length in millimetres),
// eyepieces (focal length in millimetres, apparent field in degrees) and
// finders (true field in degrees), which one of each is chosen, and whether
// the Telrad's rings are shown. An eyepiece in a telescope shows a true field
// of its apparent field times its focal length over the telescope's.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

class IniFile;

struct Telescope {
    std::string Name;  // UTF-8, as typed
    double Aperture = 0.0;
    double FocalLength = 0.0;
};

struct Eyepiece {
    std::string Name;
    double FocalLength = 0.0;
    double ApparentField = 0.0;
};

struct Finder {
    std::string Name;
    double Field = 0.0;
};

// The Telrad's three rings, degrees across.
inline constexpr double TelradRings[] = {0.5, 2.0, 4.0};

struct Equipment {
    std::vector<Telescope> Telescopes;
    std::vector<Eyepiece> Eyepieces;
    std::vector<Finder> Finders;
    int ChosenTelescope = -1;  // index, -1 for none
    int ChosenEyepiece = -1;
    int ChosenFinder = -1;
    bool Telrad = false;
};

// The true field in degrees of an eyepiece in a telescope.
double TrueField(const Eyepiece& eyepiece, const Telescope& telescope);

// The first field of an entry that cannot be used, by its caption key
// ("Aperture", "FocalLength", "ApparentField", "Field", "Name"), or nothing
// for a sound entry: every number finite and above zero (a field below 180
// degrees), the name not empty.
std::optional<std::string_view> BadField(const Telescope& telescope);
std::optional<std::string_view> BadField(const Eyepiece& eyepiece);
std::optional<std::string_view> BadField(const Finder& finder);

// The circles the close-up draws for the chosen equipment, degrees across:
// the eyepiece's true field (when a telescope and an eyepiece are chosen),
// the finder's field, the Telrad's rings.
std::vector<double> ChosenCircles(const Equipment& equipment);

// The chosen eyepiece's true field, when a telescope and an eyepiece are chosen.
std::optional<double> ChosenEyepieceField(const Equipment& equipment);

// Reads the section; entries that cannot be used (BadField, or a line that
// is not "name;number;number") are left out, and a choice that names no
// remaining entry becomes none.
Equipment ReadEquipment(const IniFile& ini);
void WriteEquipment(IniFile& ini, const Equipment& equipment);

}  // namespace kolvar
