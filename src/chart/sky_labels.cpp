#include "chart/sky_labels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numeric>

#include "astro/planets.h"
#include "astro/spherical_position.h"
#include "catalog/constellation.h"
#include "catalog/constellation_figures.h"
#include "catalog/constellation_hungarian_names.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/greek_letters.h"
#include "catalog/runic_names.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"
#include "chart/marker.h"
#include "chart/pixel_rules.h"
#include "texts/runic_transliteration.h"

namespace kolvar {

namespace {

// Space between a marker's centre and its label.
constexpr int MarkerGap = 4;

// Stars this bright or brighter keep their markers clear of labels where they can.
constexpr int BrightStarClass = 3;

ObjectLabelText StarLabelText(int star) {
    const int hr = StarCatalogue[static_cast<std::size_t>(star)].HrNumber;
    if (std::string name = ProperNameOf(hr); !name.empty()) return {std::move(name), PlainSkyLabelFace};
    const BayerDesignation bayer = BayerOf(hr);
    if (const GreekLetter* letter = GreekLetterNamed(bayer.GreekLetter))
        return {std::string(1, letter->SymbolKey), GreekSkyLabelFace};
    return {};
}

// Star labels are looked up once: the name tables are searched row by row.
const ObjectLabelText& CachedStarLabelText(int star) {
    static const std::vector<ObjectLabelText> texts = [] {
        std::vector<ObjectLabelText> t(StarCount);
        for (int i = 0; i < StarCount; ++i) t[static_cast<std::size_t>(i)] = StarLabelText(i);
        return t;
    }();
    return texts[static_cast<std::size_t>(star)];
}

struct Box {
    int X, Y, W, H;
};

bool Overlap(const Box& a, const Box& b) {
    return a.X < b.X + b.W && b.X < a.X + a.W && a.Y < b.Y + b.H && b.Y < a.Y + a.H;
}

class Placer {
public:
    Placer(const SkyProjection& projection, const MeasureLabelText& measure)
        : width_(projection.Width()), height_(projection.Height()), measure_(measure) {
        if (projection.Type() != SkyProjection::Kind::Stereographic) return;
        const ChartFrame& f = projection.Chart();
        chart_ = true;
        centreX_ = f.CentreX;
        centreY_ = f.CentreY;
        radius2_ = static_cast<long long>(f.ChartRadius) * f.ChartRadius;
    }

    // Inside the picture and, on the chart, inside the horizon circle: every
    // pixel of the box, so no label crosses the horizon line.
    bool Inside(const Box& b) const {
        if (!(b.X >= 0 && b.Y >= 0 && b.X + b.W <= width_ && b.Y + b.H <= height_)) return false;
        if (!chart_) return true;
        const auto in = [&](long long x, long long y) {
            const long long dx = x - centreX_, dy = y - centreY_;
            return dx * dx + dy * dy < radius2_;
        };
        const long long x0 = b.X, y0 = b.Y, x1 = b.X + b.W, y1 = b.Y + b.H;
        return in(x0, y0) && in(x1, y0) && in(x0, y1) && in(x1, y1);
    }
    bool Free(const Box& b) const {
        return std::none_of(taken_.begin(), taken_.end(), [&](const Box& t) { return Overlap(b, t); });
    }
    LabelTextSize Measure(std::string_view face, int size, std::string_view text) const {
        return measure_(face, size, text);
    }
    void Take(const Box& b) { taken_.push_back(b); }

    // The markers of the bright stars, which a label covers only when it has
    // no other place.
    void AddStar(int x, int y) { stars_.push_back({x - 2, y - 2, 5, 5}); }
    bool ClearOfStars(const Box& b) const {
        return std::none_of(stars_.begin(), stars_.end(), [&](const Box& s) { return Overlap(b, s); });
    }

private:
    int width_, height_;
    const MeasureLabelText& measure_;
    std::vector<Box> taken_;
    std::vector<Box> stars_;
    bool chart_ = false;
    long long centreX_ = 0, centreY_ = 0, radius2_ = 0;
};

SkyLabel MakeLabel(SkyLabelKind kind, std::string text, std::string_view face, int size, const Box& b,
                   int slot) {
    return {kind, std::move(text), face, size, b.X, b.Y, b.W, b.H, slot};
}

// Beside the marker at (x, y): right, left, above, below, then the four
// corners, then above and below half a line further off; the first place
// inside that overlaps nothing placed before, if there is one, clear of the
// bright stars' markers too. None: the label is left out.
bool PlaceBeside(Placer& placer, std::vector<SkyLabel>& out, SkyLabelKind kind, const ObjectLabelText& text,
                 int size, int x, int y, int slot) {
    const LabelTextSize s = placer.Measure(text.Face, size, text.Text);
    const int g = MarkerGap;
    const int far = g + s.Height / 2 + 2;
    const Box places[10] = {{x + g, y - s.Height / 2, s.Width, s.Height},
                            {x - g - s.Width, y - s.Height / 2, s.Width, s.Height},
                            {x - s.Width / 2, y - g - s.Height, s.Width, s.Height},
                            {x - s.Width / 2, y + g, s.Width, s.Height},
                            {x + g, y - g - s.Height, s.Width, s.Height},
                            {x - g - s.Width, y - g - s.Height, s.Width, s.Height},
                            {x + g, y + g, s.Width, s.Height},
                            {x - g - s.Width, y + g, s.Width, s.Height},
                            {x - s.Width / 2, y - far - s.Height, s.Width, s.Height},
                            {x - s.Width / 2, y + far, s.Width, s.Height}};
    // First a place clear of the bright stars' markers, else any free one.
    for (const bool clear : {true, false})
        for (const Box& b : places) {
            if (!placer.Inside(b) || !placer.Free(b) || (clear && !placer.ClearOfStars(b))) continue;
            placer.Take(b);
            out.push_back(MakeLabel(kind, text.Text, text.Face, size, b, slot));
            return true;
        }
    return false;
}

// The Sun, the Moon and the planets in their usual order of brightness, so
// that of two labels with no room for both the fainter body's is left out.
constexpr std::array<int, 9> SolarSystemRank{
    0, 1, 5, 2, 4, 3, 6, 7, 8};  // by slot: Venus, Jupiter, Mars, Mercury, Saturn ...

void PlaceConstellationNames(Placer& placer, std::vector<SkyLabel>& out, const SkyProjection& projection,
                             const ChartFrame& frame, double julianDay, const SkyLabelChoice& choice) {
    std::array<int, 88> order;
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [](int a, int b) {
        return ConstellationOf(a).Figure->Rank < ConstellationOf(b).Figure->Rank;
    });
    for (const int c : order) {
        const ConstellationRecord& record = ConstellationOf(c);
        const std::string name(record.Hungarian);
        const std::string runes =
            choice.RunicNames ? ReverseRunicText(RunicNameOfConstellation(c)) : std::string();
        for (const ConstellationLabelPoint& point : record.Figure->Labels) {
            const HorizontalPosition h = EquatorialToHorizontal(
                frame, point.RightAscension, point.Declination, InfinitelyFar, julianDay, Equinox::Catalogue);
            if (!projection.Drawable(h.Azimuth, h.Altitude)) continue;
            const ChartPoint p = projection.Project(h);
            const int x = TruncToInt(p.X), y = TruncToInt(p.Y);
            const LabelTextSize s = placer.Measure(PlainSkyLabelFace, choice.NameSize, name);
            const Box nameBox{x - s.Width / 2, y - s.Height / 2, s.Width, s.Height};
            if (!placer.Inside(nameBox) || !placer.Free(nameBox)) continue;
            Box runeBox{};
            if (!runes.empty()) {
                const LabelTextSize r = placer.Measure(RunicSkyLabelFace, choice.NameSize, runes);
                runeBox = {x - r.Width / 2, nameBox.Y + nameBox.H, r.Width, r.Height};
                if (!placer.Inside(runeBox) || !placer.Free(runeBox)) continue;
            }
            placer.Take(nameBox);
            out.push_back(MakeLabel(SkyLabelKind::Constellation, name, PlainSkyLabelFace, choice.NameSize,
                                    nameBox, -1));
            if (runes.empty()) continue;
            placer.Take(runeBox);
            out.push_back(MakeLabel(SkyLabelKind::ConstellationRunes, runes, RunicSkyLabelFace,
                                    choice.NameSize, runeBox, -1));
        }
    }
}

}  // namespace

int ScaledLabelSize(int size, int characterSize) {
    constexpr int DefaultCharacterSize = 12;
    if (characterSize <= 0 || characterSize == DefaultCharacterSize) return size;
    const long scaled = std::lround(static_cast<double>(size) * characterSize / DefaultCharacterSize);
    return static_cast<int>(std::clamp(scaled, 6L, 24L));
}

ObjectLabelText LabelTextOf(const SkyObjectEntry& entry) {
    switch (entry.Kind) {
        case KindSun:
            return {std::string(SolarSystemBodyNames(0).Hungarian), PlainSkyLabelFace};
        case KindMoon:
            return {std::string(SolarSystemBodyNames(1).Hungarian), PlainSkyLabelFace};
        case KindPlanet:
            if (entry.Index >= 0 && entry.Index < PlanetCount)
                return {std::string(SolarSystemBodyNames(entry.Index + 2).Hungarian), PlainSkyLabelFace};
            return {};
        case KindStar:
            if (entry.Index >= 0 && entry.Index < StarCount) return CachedStarLabelText(entry.Index);
            return {};
        case KindDeepSky:
            if (entry.Index >= 0 && entry.Index < DeepSkyCount) {
                const DeepSkyRecord& d = DeepSkyCatalogue[static_cast<std::size_t>(entry.Index)];
                return {TrimControlAndBlanks(std::string_view(d.MessierName, strnlen(d.MessierName, 6))),
                        PlainSkyLabelFace};
            }
            return {};
        default:
            return {};
    }
}

std::vector<SkyLabel> PlaceSkyLabels(const SkyObjectTable& objects, const SkyProjection& projection,
                                     const ChartFrame& frame, double julianDay, const SkyLabelChoice& choice,
                                     const MeasureLabelText& measure) {
    std::vector<SkyLabel> out;
    Placer placer(projection, measure);
    // The objects a label may go to, with the pixel of their marker.
    struct Candidate {
        int Slot, Class, X, Y;
    };
    std::vector<Candidate> solar, others;
    if (choice.Objects) {
        for (int slot = 0; slot < SkyObjectCount; ++slot) {
            const SkyObjectEntry& e = objects[static_cast<std::size_t>(slot)];
            if (e.Visible != 1 || !MarkedUnder(e, choice.FaintestMarkerClass)) continue;
            const int magnitude = MagnitudeClassOf(e);
            if (e.Kind == KindStar && magnitude > BrightStarClass && !(magnitude < choice.Magnitude))
                continue;
            if (!projection.Drawable(e.Azimuth, e.Altitude)) continue;
            const ChartPoint p = projection.Project(e.Azimuth, e.Altitude);
            if (e.Kind == KindStar && magnitude <= BrightStarClass) {
                placer.AddStar(TruncToInt(p.X), TruncToInt(p.Y));
                if (!(magnitude < choice.Magnitude)) continue;
            }
            const Candidate c{slot, magnitude, TruncToInt(p.X), TruncToInt(p.Y)};
            (e.Kind <= KindPlanet ? solar : others).push_back(c);
        }
        // Brightest first; at equal class stars before deep-sky objects (slot order).
        std::stable_sort(others.begin(), others.end(),
                         [](const Candidate& a, const Candidate& b) { return a.Class < b.Class; });
    }
    std::stable_sort(solar.begin(), solar.end(), [](const Candidate& a, const Candidate& b) {
        return SolarSystemRank[static_cast<std::size_t>(a.Slot)] <
               SolarSystemRank[static_cast<std::size_t>(b.Slot)];
    });
    for (const Candidate& c : solar)
        PlaceBeside(placer, out, SkyLabelKind::SolarSystem,
                    LabelTextOf(objects[static_cast<std::size_t>(c.Slot)]), choice.ObjectSize, c.X, c.Y,
                    c.Slot);
    if (choice.Names) PlaceConstellationNames(placer, out, projection, frame, julianDay, choice);
    for (const Candidate& c : others) {
        const SkyObjectEntry& e = objects[static_cast<std::size_t>(c.Slot)];
        const ObjectLabelText text = LabelTextOf(e);
        if (text.Text.empty()) continue;
        PlaceBeside(placer, out, e.Kind == KindStar ? SkyLabelKind::Star : SkyLabelKind::DeepSky, text,
                    choice.ObjectSize, c.X, c.Y, c.Slot);
    }
    return out;
}

std::vector<SkyLabel> PlaceDirectionLetters(const ChartFrame& frame, int size,
                                            const MeasureLabelText& measure) {
    constexpr int gap = 4;
    const auto letter = [&](const char* text, auto placeX, auto placeY) {
        const LabelTextSize s = measure(PlainSkyLabelFace, size, text);
        return SkyLabel{SkyLabelKind::Direction,
                        text,
                        PlainSkyLabelFace,
                        size,
                        placeX(s),
                        placeY(s),
                        s.Width,
                        s.Height,
                        -1};
    };
    const auto beside = [&](const LabelTextSize&) { return frame.CentreX + gap; };
    const auto above = [&](const LabelTextSize& s) { return frame.CentreY - gap - s.Height; };
    return {
        letter("\xC9", beside, [](const LabelTextSize&) { return gap; }),  // É, north
        letter(
            "K", [](const LabelTextSize&) { return gap; }, above),  // east
        letter("D", beside,
               [&](const LabelTextSize& s) { return frame.ChartHeight - gap - s.Height; }),  // south
        letter(
            "Ny", [&](const LabelTextSize& s) { return frame.ChartWidth - gap - s.Width; }, above),  // west
    };
}

}  // namespace kolvar
