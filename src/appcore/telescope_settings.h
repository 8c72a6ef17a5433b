#pragma once

#include <string>

namespace kolvar {

class IniFile;

// What the desktop program keeps of its telescope between runs, in the
// settings file's own section [TELESCOPE]: the server (Host, Port), the
// mount (Device; empty for the first mount the server lists), whether to
// connect at start (ConnectAtStart, 1 or 0), the lowest altitude a slew may
// go to (AltitudeLimit, degrees) and whether the close-up follows the mount
// (CloseUpFollows, 1 or 0). A file without the section gives the defaults
// and Present false: nothing is written back until the telescope is used.
// A key that does not read (a port outside 1..65535, a limit outside
// -90..90 degrees, an empty host) keeps its default.
struct TelescopeSettings {
    std::string Host = "localhost";
    int Port = 7624;
    std::string Device;
    bool ConnectAtStart = false;
    double AltitudeLimit = 0.0;  // degrees
    bool CloseUpFollows = false;
    bool Present = false;  // the section was read or the telescope was used this run

    bool operator==(const TelescopeSettings&) const = default;
};

TelescopeSettings ReadTelescopeSettings(const IniFile& ini);
// Writes the section, unless it is not Present.
void WriteTelescopeSettings(IniFile& ini, const TelescopeSettings& settings);

}  // namespace kolvar
