#include "appcore/view_settings.h"

#include <algorithm>
#include <string>

#include "appcore/ini_file.h"
#include "appcore/number_text.h"

namespace kolvar {

namespace {

struct FlagKey {
    const char* Key;
    bool ViewOptions::*Flag;
};
constexpr FlagKey FlagKeys[] = {
    {"Figures", &ViewOptions::Figures},       {"Names", &ViewOptions::Names},
    {"RunicNames", &ViewOptions::RunicNames}, {"Labels", &ViewOptions::Labels},
    {"Directions", &ViewOptions::Directions}, {"Night", &ViewOptions::Night},
    {"Daylight", &ViewOptions::Daylight},
};
constexpr const char* MagnitudeKey = "LabelMagnitude";
constexpr const char* ShowBodiesKey = "Show";
constexpr const char* BodyMagnitudeKey = "Magnitude";

// The grids and lines: written only once one has been turned on, so a file
// that never saw them keeps the section it had.
struct LineKey {
    const char* Key;
    bool SkyLines::*Flag;
};
constexpr LineKey LineKeys[] = {
    {"AltAzGrid", &SkyLines::AltAzGrid},
    {"EquatorialGrid", &SkyLines::EquatorialGrid},
    {"Equator", &SkyLines::Equator},
    {"Ecliptic", &SkyLines::Ecliptic},
};

bool SameChoices(const ViewOptions& a, const ViewOptions& b) {
    return std::all_of(std::begin(FlagKeys), std::end(FlagKeys),
                       [&](const FlagKey& k) { return a.*k.Flag == b.*k.Flag; }) &&
           a.LabelMagnitude == b.LabelMagnitude;
}

}  // namespace

// The chart style: written once it has been other than plain.
constexpr const char* StyleKey = "Style";
constexpr const char* SmoothStyleName = "sima";

ViewOptions ReadViewSettings(const IniFile& ini) {
    ViewOptions view;
    for (const FlagKey& k : FlagKeys)
        if (auto text = ini.Read(ViewSection, k.Key))
            if (auto value = ParseIniInteger(*text)) view.*k.Flag = *value != 0;
    if (auto text = ini.Read(ViewSection, MagnitudeKey))
        if (auto value = ParseIniDouble(*text, LocaleDecimalSeparator()))
            view.LabelMagnitude = std::clamp(*value, SmallestLabelMagnitude, LargestLabelMagnitude);
    for (const LineKey& k : LineKeys)
        if (auto text = ini.Read(ViewSection, k.Key))
            if (auto value = ParseIniInteger(*text)) view.Lines.*k.Flag = *value != 0;
    if (auto text = ini.Read(SmallBodySection, ShowBodiesKey))
        if (auto value = ParseIniInteger(*text)) view.SmallBodies = *value != 0;
    if (auto text = ini.Read(SmallBodySection, BodyMagnitudeKey))
        if (auto value = ParseIniDouble(*text, LocaleDecimalSeparator()))
            view.SmallBodyMagnitude =
                std::clamp(*value, SmallestSmallBodyMagnitude, LargestSmallBodyMagnitude);
    if (auto text = ini.Read(ViewSection, StyleKey); text && *text == SmoothStyleName)
        view.Style = ChartStyle::Smooth;
    return view;
}

void WriteViewSettings(IniFile& ini, const ViewOptions& view) {
    const bool sectionThere =
        std::any_of(std::begin(FlagKeys), std::end(FlagKeys),
                    [&](const FlagKey& k) { return ini.Read(ViewSection, k.Key).has_value(); }) ||
        ini.Read(ViewSection, MagnitudeKey).has_value();
    const ViewOptions plain;
    const bool smooth = view.Style == ChartStyle::Smooth;
    if (sectionThere || !SameChoices(view, plain) || view.Lines.Any() || smooth) {
        for (const FlagKey& k : FlagKeys) ini.Write(ViewSection, k.Key, view.*k.Flag ? "1" : "0");
        ini.Write(ViewSection, MagnitudeKey, FormatGeneral15(view.LabelMagnitude));
        for (const LineKey& k : LineKeys)
            if (view.Lines.*k.Flag || ini.Read(ViewSection, k.Key).has_value())
                ini.Write(ViewSection, k.Key, view.Lines.*k.Flag ? "1" : "0");
        if (smooth || ini.Read(ViewSection, StyleKey).has_value())
            ini.Write(ViewSection, StyleKey, smooth ? SmoothStyleName : "alap");
    }
    const bool bodiesThere = ini.Read(SmallBodySection, ShowBodiesKey).has_value() ||
                             ini.Read(SmallBodySection, BodyMagnitudeKey).has_value();
    if (bodiesThere || view.SmallBodies != plain.SmallBodies ||
        view.SmallBodyMagnitude != plain.SmallBodyMagnitude) {
        ini.Write(SmallBodySection, ShowBodiesKey, view.SmallBodies ? "1" : "0");
        ini.Write(SmallBodySection, BodyMagnitudeKey, FormatGeneral15(view.SmallBodyMagnitude));
    }
}

}  // namespace kolvar
