#include "identify/deep_names.h"

#include <string>
#include <vector>

#include "catalog/constellation.h"
#include "catalog/constellation_figures.h"
#include "catalog/constellation_hungarian_names.h"
#include "catalog/constellation_names.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/name_text.h"
#include "catalog/ngc_ic_catalogue.h"
#include "identify/search_key.h"

namespace kolvar {

namespace {

// The deep-sky slot of every NGC/IC object, or -1.
std::vector<int> BuildFixedSlots() {
    const auto objects = NgcIcCatalogue();
    std::vector<int> slots(objects.size(), -1);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const NgcIcRecord& r = objects[i];
        const std::string messier = MessierName(r.Messier);
        const std::string designation = SearchKeyOfCp1250(r.Designation);
        for (int d = 0; d < DeepSkyCount; ++d) {
            const DeepSkyRecord& fixed = DeepSkyCatalogue[static_cast<std::size_t>(d)];
            const std::string fixedMessier = TrimBlanks(std::string_view(fixed.MessierName, 4));
            const bool sameMessier = !messier.empty() && fixedMessier == messier;
            const bool sameNgc = messier.empty() && !designation.empty() &&
                                 SearchKeyOfCp1250(TrimBlanks(fixed.NgcName)) == designation;
            if (sameMessier || sameNgc) {
                slots[i] = FirstDeepSkySlot + d;
                break;
            }
        }
    }
    return slots;
}

const std::vector<int>& FixedSlots() {
    static const std::vector<int> slots = BuildFixedSlots();
    return slots;
}

}  // namespace

int NgcIcTargetCount() { return static_cast<int>(NgcIcCatalogue().size()); }
int FirstConstellationTarget() { return FirstNgcIcTarget + NgcIcTargetCount(); }
int TargetCount() { return FirstConstellationTarget() + ConstellationNameCount; }

int FixedSlotOfNgcIc(int object) {
    const std::vector<int>& slots = FixedSlots();
    if (object < 0 || object >= static_cast<int>(slots.size())) return -1;
    return slots[static_cast<std::size_t>(object)];
}

TargetDirection DirectionOfNgcIc(int object) {
    const auto objects = NgcIcCatalogue();
    if (object < 0 || object >= static_cast<int>(objects.size())) return {};
    const NgcIcRecord& r = objects[static_cast<std::size_t>(object)];
    return {r.RightAscension, r.Declination};
}

TargetDirection DirectionOfConstellation(int constellation) {
    const auto labels = ConstellationFigureOf(constellation).Labels;
    if (labels.empty()) return {};
    return {labels.front().RightAscension, labels.front().Declination};
}

void ListDeepNames(const TargetNameSink& add) {
    const auto objects = NgcIcCatalogue();
    const auto names = NgcIcNames();
    std::size_t n = 0;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const NgcIcRecord& r = objects[i];
        const int fixed = FixedSlotOfNgcIc(static_cast<int>(i));
        const int target = fixed >= 0 ? fixed : FirstNgcIcTarget + static_cast<int>(i);
        if (fixed < 0) {
            if (r.Messier) add(target, MessierName(r.Messier));
            if (r.Designation[0] != '\0') add(target, r.Designation);
        }
        for (; n < names.size() && names[n].Object <= i; ++n) {
            if (names[n].Object == i) add(target, names[n].Text);
        }
    }
    for (int c = 1; c < ConstellationNameCount; ++c) {
        const ConstellationRecord& record = ConstellationOf(c);
        const int target = FirstConstellationTarget() + c;
        if (!record.Latin.empty()) {
            add(target, TrimBlanks(record.Latin));
            add(target, TrimBlanks(record.TableHungarian));
        }
        add(target, record.Hungarian);
        add(target, std::string(record.Abbreviation));
    }
}

}  // namespace kolvar
