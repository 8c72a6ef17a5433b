// The equipment section: sound entries kept, unusable ones left out with the
// choices that named them, the circles of what is chosen, and a write read
// back as it was.
#include "appcore/equipment.h"

#include <gtest/gtest.h>

#include <cmath>

#include "appcore/ini_file.h"

namespace kolvar {
namespace {

TEST(Equipment, StoredEntriesThatCannotBeUsedAreLeftOut) {
    const IniFile ini = IniFile::Parse(
        "[EQUIPMENT]\nTelescopes=4\nTelescope1=Newton 200;200;1000\nTelescope2=bad;80;0\n"
        "Telescope3=short;80\nTelescope4=Refractor;80;400\nEyepieces=3\nEyepiece1=Zero field;25;0\n"
        "Eyepiece2=Plossl 25;25;52\nEyepiece3=neg;-10;60\nFinders=2\nFinder1=8x50;6,0\nFinder2=;5\n"
        "ChosenTelescope=2\nChosenEyepiece=1\nChosenFinder=1\nTelrad=1\n");
    const Equipment e = ReadEquipment(ini);
    ASSERT_EQ(e.Telescopes.size(), 2u);
    EXPECT_EQ(e.Telescopes[1].Name, "Refractor");
    ASSERT_EQ(e.Eyepieces.size(), 1u);
    ASSERT_EQ(e.Finders.size(), 1u);
    EXPECT_DOUBLE_EQ(e.Finders[0].Field, 6.0);  // a decimal comma reads too
    // 52 degrees x 25 mm / 400 mm, the finder's 6, the Telrad's rings.
    EXPECT_EQ(ChosenCircles(e), (std::vector<double>{3.25, 6.0, 0.5, 2.0, 4.0}));

    IniFile written;
    WriteEquipment(written, e);
    const Equipment again = ReadEquipment(written);
    EXPECT_EQ(ChosenCircles(again), ChosenCircles(e));
    EXPECT_EQ(again.Eyepieces[0].Name, "Plossl 25");
    EXPECT_TRUE(
        ReadEquipment(IniFile::Parse("[EQUIPMENT]\nTelescopes=1\nTelescope1=x;1;1\nChosenTelescope=5\n"))
            .ChosenTelescope < 0);
}

TEST(Equipment, BadFieldNamesTheFirstFieldThatCannotBeUsed) {
    const double nan = std::nan("");
    EXPECT_EQ(BadField(Telescope{"t", 0.0, 1000.0}), "Aperture");
    EXPECT_EQ(BadField(Telescope{"t", 200.0, -5.0}), "FocalLength");
    EXPECT_EQ(BadField(Telescope{"", 200.0, 1000.0}), "Name");
    EXPECT_EQ(BadField(Eyepiece{"e", nan, 50.0}), "FocalLength");
    EXPECT_EQ(BadField(Eyepiece{"e", 10.0, 180.0}), "ApparentField");
    EXPECT_EQ(BadField(Finder{"f", 0.0}), "Field");
    EXPECT_FALSE(BadField(Finder{"f", 4.0}));
    EXPECT_FALSE(BadField(Eyepiece{"e", 10.0, 82.0}));
}

}  // namespace
}  // namespace kolvar
