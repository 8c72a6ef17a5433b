#include "widgets/night_palette.h"

#include <QApplication>
#include <optional>

#include "chart/sky_phase.h"
#include "widgets/night_style.h"

namespace kolvar {

namespace {

std::optional<QPalette> dayPalette;  // the palette before the night began

QColor Night(const QColor& c) {
    const Colour red = NightColour({static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                                    static_cast<std::uint8_t>(c.blue())});
    return QColor(red.Red, red.Green, red.Blue, c.alpha());
}

}  // namespace

QPalette NightPaletteOf(const QPalette& palette) {
    QPalette night = palette;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto group = static_cast<QPalette::ColorGroup>(g);
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto role = static_cast<QPalette::ColorRole>(r);
            if (role == QPalette::NoRole) continue;
            night.setColor(group, role, Night(palette.color(group, role)));
        }
    }
    // A light window would turn into the brightest red: the surfaces go dark
    // and the texts take the light reds instead.
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase,
                            QPalette::ToolTipBase, QPalette::Light, QPalette::Midlight})
        night.setColor(role, QColor(24, 0, 0));
    night.setColor(QPalette::Highlight, QColor(90, 0, 0));
    for (const auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText,
          QPalette::ToolTipText, QPalette::BrightText, QPalette::PlaceholderText})
        night.setColor(role, QColor(NightBrightestRed, 0, 0));
    night.setColor(QPalette::Disabled, QPalette::WindowText, QColor(70, 0, 0));
    night.setColor(QPalette::Disabled, QPalette::Text, QColor(70, 0, 0));
    night.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(70, 0, 0));
    return night;
}

void SetNightWindows(bool on) {
    if (on == dayPalette.has_value()) return;
    // The style first: setting one may hand the application its palette.
    if (on) {
        dayPalette = QApplication::palette();
        UseNightStyle(true);
        QApplication::setPalette(NightPaletteOf(*dayPalette));
    } else {
        UseNightStyle(false);
        QApplication::setPalette(*dayPalette);
        dayPalette.reset();
    }
}

bool NightWindows() { return dayPalette.has_value(); }

}  // namespace kolvar
