#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "sky/observer_state.h"

namespace kolvar {

// The five observer values that survive between runs.
// A value missing from the file takes the starting observer's
// (StartingObserverState).
struct IniValues {
    double Zone = DefaultZone;            // hours east of Greenwich
    int SummerTime = 0;                   // 1 or 0 when loaded; any non-zero counts as true when saved
    double Longitude = DefaultLongitude;  // radians, east positive
    double Latitude = DefaultLatitude;    // radians, north positive
    int FontSize = DefaultFontSize;       // points
};

inline constexpr const char* SettingsFileName = "Kolvar.ini";

// Where the settings file lives, for reading and writing alike: beside the
// executable when that folder is writable, otherwise
// $XDG_CONFIG_HOME/kolvar/Kolvar.ini (~/.config/kolvar/Kolvar.ini when the
// variable is unset or not absolute).
std::filesystem::path SettingsFilePath();
std::filesystem::path SettingsFilePathFor(const std::filesystem::path& programDirectory);

class IniFile;

// The five values of an INI document; a missing key gives the default, a value
// that is no number that value's fallback, each value on its own. Doubles are
// read with either decimal separator (see ParseIniDouble).
IniValues ReadIniValues(const IniFile& ini, char separator);
// Sets the five keys, doubles written with `separator`; everything else stays.
void WriteIniValues(IniFile& ini, const IniValues& values, char separator);

// Reads the values with the locale's separator; never fails (an unreadable
// file, or one that is no regular file such as a FIFO, reads as an empty one).
// `readMore`, when given, reads the window's own further sections from the
// same document. A temporary that a save killed midway left beside the file
// (older than SettingsSaveSeconds, so no other instance's save under way) is
// removed first.
inline constexpr int SettingsSaveSeconds = 10;
IniValues LoadIniFile(const std::filesystem::path& path,
                      const std::function<void(const IniFile&)>& readMore = {});

// Writes the five keys with the locale's separator, and whatever `writeMore`
// adds, and keeps everything else in the file, through the file writer
// (file_writer.h, SettingsPolicy): the file is replaced completely or left as
// it was, a symbolic link is kept and its target replaced, a FIFO or device is
// neither read nor written. A missing folder is made first. Throws
// SettingsWriteError. With `asLoaded`, the document as this program read it
// at its start, only the keys whose values differ from it are written into
// the file as it is now: another instance sharing the file keeps the choices
// it saved in between.
void SaveIniFile(const std::filesystem::path& path, const IniValues& values,
                 const std::function<void(IniFile&)>& writeMore = {}, const IniFile* asLoaded = nullptr);

// What() is one line naming the file and the first cause: "cannot save the
// settings to /home/u/.config/kolvar/Kolvar.ini: cannot create the folder
// /home/u/.config/kolvar: Read-only file system".
class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError(std::filesystem::path path, std::string reason, int code);
    const std::filesystem::path& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }
    int Code() const { return code_; }  // errno value

private:
    std::filesystem::path path_;
    std::string reason_;
    int code_ = 0;
};

// The text of the last failed SaveIni call ("" after a success).
const std::string& LastSaveIniError();

}  // namespace kolvar

// Exported from the executable by name, for other programs that share the
// settings file. LoadIni writes every argument; SaveIni returns 0 on success,
// otherwise an errno value, and LastSaveIniError() tells why.
extern "C" {
void LoadIni(double* zone, int* summerTime, double* longitude, double* latitude, int* fontSize);
int SaveIni(double zone, int summerTime, double longitude, double latitude, int fontSize);
}
