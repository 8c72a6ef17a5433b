#include "appcore/telescope_settings.h"

#include "appcore/ini_file.h"
#include "appcore/number_text.h"

namespace kolvar {

namespace {

constexpr const char* Section = "TELESCOPE";

// A host or device name as the file holds it: no blanks or control
// characters at its ends, none inside a host.
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsHostName(const std::string& host) {
    if (host.empty() || host.size() > 253) return false;
    for (const char c : host) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u == 0x7f || c == '/' || c == ':' || c == '[' || c == ']') return false;
    }
    return true;
}

}  // namespace

TelescopeSettings ReadTelescopeSettings(const IniFile& ini) {
    TelescopeSettings s;
    const auto flag = [&ini, &s](const char* key, bool& value) {
        if (const auto text = ini.Read(Section, key)) {
            s.Present = true;
            if (const auto n = ParseIniInteger(*text)) value = *n != 0;
        }
    };
    if (const auto text = ini.Read(Section, "Host")) {
        s.Present = true;
        if (const std::string host = Trimmed(*text); IsHostName(host)) s.Host = host;
    }
    if (const auto text = ini.Read(Section, "Port")) {
        s.Present = true;
        if (const auto n = ParseIniInteger(*text); n && *n >= 1 && *n <= 65535) s.Port = *n;
    }
    if (const auto text = ini.Read(Section, "Device")) {
        s.Present = true;
        s.Device = Trimmed(*text);
    }
    flag("ConnectAtStart", s.ConnectAtStart);
    if (const auto text = ini.Read(Section, "AltitudeLimit")) {
        s.Present = true;
        if (const auto v = ParseIniDouble(*text, LocaleDecimalSeparator()); v && *v >= -90.0 && *v <= 90.0)
            s.AltitudeLimit = *v;
    }
    flag("CloseUpFollows", s.CloseUpFollows);
    return s;
}

void WriteTelescopeSettings(IniFile& ini, const TelescopeSettings& s) {
    if (!s.Present) return;
    ini.Write(Section, "Host", s.Host);
    ini.Write(Section, "Port", std::to_string(s.Port));
    ini.Write(Section, "Device", s.Device);
    ini.Write(Section, "ConnectAtStart", s.ConnectAtStart ? "1" : "0");
    ini.Write(Section, "AltitudeLimit", FormatGeneral15(s.AltitudeLimit, '.'));
    ini.Write(Section, "CloseUpFollows", s.CloseUpFollows ? "1" : "0");
}

}  // namespace kolvar
