#include "appcore/telescope_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "appcore/ini_file.h"

namespace kolvar {
namespace {

TEST(TelescopeSettings, KeysThatDoNotReadKeepTheirDefaults) {
    struct Case {
        const char* text;
        TelescopeSettings expected;
    };
    const TelescopeSettings d;
    const auto with = [&d](auto change) {
        TelescopeSettings s = d;
        s.Present = true;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"[GEOPOS]\nZone=1\n", d},
        {"[TELESCOPE]\nHost= mount.local \nPort=7625\nDevice= Sim A \nConnectAtStart=1\nAltitudeLimit=12,5\n"
         "CloseUpFollows=1\n",
         with([](TelescopeSettings& s) {
             s.Host = "mount.local";
             s.Port = 7625;
             s.Device = "Sim A";
             s.ConnectAtStart = s.CloseUpFollows = true;
             s.AltitudeLimit = 12.5;
         })},
        {"[TELESCOPE]\nHost=two words\nPort=0\nAltitudeLimit=91\nConnectAtStart=yes\n", with([](auto&) {})},
        {"[TELESCOPE]\nHost=a:7624\nPort=65536\nAltitudeLimit=nan\n", with([](auto&) {})},
        {"[TELESCOPE]\nHost=\nPort=65535\nAltitudeLimit=-90\n", with([](TelescopeSettings& s) {
             s.Port = 65535;
             s.AltitudeLimit = -90.0;
         })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TelescopeSettings read = ReadTelescopeSettings(IniFile::Parse(c.text));
        EXPECT_EQ(read, c.expected);
        // What is written reads back the same; nothing at all when the
        // section was never there.
        IniFile written;
        WriteTelescopeSettings(written, read);
        EXPECT_EQ(ReadTelescopeSettings(written), read);
        EXPECT_EQ(written.Text().find("TELESCOPE") != std::string::npos, read.Present);
    }
}

}  // namespace
}  // namespace kolvar
