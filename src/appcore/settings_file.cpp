#include "appcore/settings_file.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "appcore/file_writer.h"
#include "appcore/ini_file.h"
#include "appcore/number_text.h"
#include "appcore/program_path.h"

namespace kolvar {
namespace {

constexpr const char* LocalTimeSection = "LOCALTIME";
constexpr const char* GeoPosSection = "GEOPOS";
constexpr const char* FontSizeSection = "FONTSIZE";

double ReadDouble(const IniFile& ini, const char* section, const char* key, double defaultValue,
                  char separator) {
    auto text = ini.Read(section, key);
    if (!text) return defaultValue;
    return ParseIniDouble(*text, separator).value_or(defaultValue);
}

int ReadInteger(const IniFile& ini, const char* section, const char* key, int defaultValue) {
    auto text = ini.Read(section, key);
    if (!text) return defaultValue;
    return ParseIniInteger(*text).value_or(defaultValue);
}

std::filesystem::path ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr && home[0] != '\0' ? home : "/") / ".config";
}

std::string& LastError() {
    static std::string text;
    return text;
}

}  // namespace

SettingsWriteError::SettingsWriteError(std::filesystem::path path, std::string reason, int code)
    : std::runtime_error("cannot save the settings to " + path.string() + ": " + reason),
      path_(std::move(path)),
      reason_(std::move(reason)),
      code_(code) {}

std::filesystem::path SettingsFilePathFor(const std::filesystem::path& programDirectory) {
    if (MayKeepFilesBeside(programDirectory)) return programDirectory / SettingsFileName;
    return ConfigHome() / "kolvar" / SettingsFileName;
}

std::filesystem::path SettingsFilePath() { return SettingsFilePathFor(ProgramDirectory()); }

IniValues ReadIniValues(const IniFile& ini, char separator) {
    const IniValues defaults;
    IniValues v;
    v.Zone = ReadDouble(ini, LocalTimeSection, "Zone", defaults.Zone, separator);
    v.SummerTime = ReadInteger(ini, LocalTimeSection, "SummerTime", defaults.SummerTime) != 0 ? 1 : 0;
    v.Longitude = ReadDouble(ini, GeoPosSection, "Longitude", defaults.Longitude, separator);
    v.Latitude = ReadDouble(ini, GeoPosSection, "Latitude", defaults.Latitude, separator);
    v.FontSize = ReadInteger(ini, FontSizeSection, "FontSize", defaults.FontSize);
    return v;
}

void WriteIniValues(IniFile& ini, const IniValues& values, char separator) {
    ini.Write(LocalTimeSection, "Zone", FormatGeneral15(values.Zone, separator));
    ini.Write(LocalTimeSection, "SummerTime", values.SummerTime != 0 ? "1" : "0");
    ini.Write(GeoPosSection, "Longitude", FormatGeneral15(values.Longitude, separator));
    ini.Write(GeoPosSection, "Latitude", FormatGeneral15(values.Latitude, separator));
    ini.Write(FontSizeSection, "FontSize", std::to_string(values.FontSize));
}

IniValues LoadIniFile(const std::filesystem::path& path,
                      const std::function<void(const IniFile&)>& readMore) {
    RemoveLeftTemporaries(path.string(), SettingsSaveSeconds);
    IniFile ini;
    try {
        ini = IniFile::Load(path);
    } catch (const std::exception&) {
        // An unreadable file reads like a missing one: every value takes its default.
    }
    if (readMore) readMore(ini);
    return ReadIniValues(ini, LocaleDecimalSeparator());
}

void SaveIniFile(const std::filesystem::path& path, const IniValues& values,
                 const std::function<void(IniFile&)>& writeMore, const IniFile* asLoaded) {
    // A folder that cannot be made is the cause to tell, not the missing file
    // that writing into it would find next.
    if (path.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec) {
            const std::string reason = "cannot create the folder " + path.parent_path().string() + ": ";
            throw SettingsWriteError(path, reason + ec.message(), ec.value());
        }
    }
    try {
        // Other sections and keys must survive, so a file that exists but
        // cannot be read is not overwritten.
        IniFile ini = IniFile::Load(path);
        if (asLoaded == nullptr) {
            WriteIniValues(ini, values, LocaleDecimalSeparator());
            if (writeMore) writeMore(ini);
        } else {
            IniFile mine = *asLoaded;
            WriteIniValues(mine, values, LocaleDecimalSeparator());
            if (writeMore) writeMore(mine);
            for (const IniFile::Entry& entry : mine.Entries())
                if (asLoaded->Read(entry.Section, entry.Key) != entry.Value)
                    ini.Write(entry.Section, entry.Key, entry.Value);
        }
        if (const auto failure = WriteFile(path.string(), ini.Text(), SettingsPolicy))
            throw SettingsWriteError(
                path, failure->Action + " " + path.filename().string() + ": " + failure->Reason,
                failure->Error);
    } catch (const std::system_error& e) {
        throw SettingsWriteError(path, e.what(), e.code().value());
    }
}

const std::string& LastSaveIniError() { return LastError(); }

}  // namespace kolvar

extern "C" void LoadIni(double* zone, int* summerTime, double* longitude, double* latitude, int* fontSize) {
    kolvar::IniValues v = kolvar::LoadIniFile(kolvar::SettingsFilePath());
    *zone = v.Zone;
    *summerTime = v.SummerTime;
    *longitude = v.Longitude;
    *latitude = v.Latitude;
    *fontSize = v.FontSize;
}

extern "C" int SaveIni(double zone, int summerTime, double longitude, double latitude, int fontSize) {
    try {
        kolvar::SaveIniFile(kolvar::SettingsFilePath(), {zone, summerTime, longitude, latitude, fontSize});
        kolvar::LastError().clear();
        return 0;
    } catch (const kolvar::SettingsWriteError& e) {
        kolvar::LastError() = e.what();
        return e.Code() != 0 ? e.Code() : EIO;
    }
}
