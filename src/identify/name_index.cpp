#include "identify/name_index.h"

#include <algorithm>
#include <cstring>

#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "identify/object_names.h"
#include "identify/search_key.h"

namespace kolvar {

namespace {

// The order among the Sun, the Moon and planets 0..6: their usual magnitudes.
constexpr std::array<float, FirstStarSlot> UsualBodyMagnitude = {-26.7f, -12.7f, 0.2f, -4.1f, 0.7f,
                                                                 -2.2f,  0.7f,   5.7f, 7.8f};

float OrderingMagnitude(int slot) {
    if (slot < FirstStarSlot) return UsualBodyMagnitude[static_cast<std::size_t>(slot)];
    if (slot < FirstDeepSkySlot)
        return StarCatalogue[static_cast<std::size_t>(slot - FirstStarSlot)].MagnitudeClass;
    return DeepSkyCatalogue[static_cast<std::size_t>(slot - FirstDeepSkySlot)].MagnitudeClass;
}

enum Match : std::uint8_t { None = 0, Prefix = 1, Exact = 2 };

}  // namespace

NameIndex::NameIndex() {
    texts_.reserve(1 << 19);
    keys_.reserve(1 << 19);
    entries_.reserve(1 << 15);
    int current = -1;
    std::size_t slotStart = 0;  // first entry of the slot being listed
    ListObjectNames([&](int slot, std::string_view name) {
        for (; current < slot; ++current) {
            firstEntry_[static_cast<std::size_t>(current + 1)] = static_cast<std::uint32_t>(entries_.size());
            slotStart = entries_.size();
        }
        const std::string key = SearchKeyOfCp1250(name);
        if (key.empty()) return;
        // The same name in another spelling adds nothing.
        for (std::size_t i = slotStart; i < entries_.size(); ++i) {
            const Entry& e = entries_[i];
            if (e.KeyLength == key.size() && keys_.compare(e.Key, e.KeyLength, key) == 0) return;
        }
        entries_.push_back(Entry{static_cast<std::uint32_t>(texts_.size()),
                                 static_cast<std::uint32_t>(keys_.size()),
                                 static_cast<std::uint16_t>(name.size()),
                                 static_cast<std::uint16_t>(key.size()), static_cast<std::int16_t>(slot)});
        texts_ += name;
        keys_ += key;
    });
    for (; current < SkyObjectCount; ++current)
        firstEntry_[static_cast<std::size_t>(current + 1)] = static_cast<std::uint32_t>(entries_.size());
    for (int slot = 0; slot < SkyObjectCount; ++slot)
        brightness_[static_cast<std::size_t>(slot)] = OrderingMagnitude(slot);
}

std::vector<FoundObject> NameIndex::Find(std::string_view utf8) const {
    const std::string key = SearchKeyOfUtf8(utf8);
    if (key.empty()) return {};
    std::array<Match, SkyObjectCount> best{};
    std::array<std::uint32_t, SkyObjectCount> bestEntry{};
    const char* keys = keys_.data();
    for (std::uint32_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (e.KeyLength < key.size() || std::memcmp(keys + e.Key, key.data(), key.size()) != 0) continue;
        const Match m = e.KeyLength == key.size() ? Exact : Prefix;
        Match& b = best[static_cast<std::size_t>(e.Slot)];
        if (m > b) {  // the first name of a better kind of match
            b = m;
            bestEntry[static_cast<std::size_t>(e.Slot)] = i;
        }
    }
    std::vector<FoundObject> found;
    for (int slot = 0; slot < SkyObjectCount; ++slot) {
        const std::size_t s = static_cast<std::size_t>(slot);
        if (best[s] == None) continue;
        found.push_back(
            FoundObject{slot, TextOf(entries_[bestEntry[s]]), DisplayName(slot), best[s] == Exact});
    }
    std::stable_sort(found.begin(), found.end(), [this](const FoundObject& a, const FoundObject& b) {
        if (a.Exact != b.Exact) return a.Exact;
        return brightness_[static_cast<std::size_t>(a.Slot)] < brightness_[static_cast<std::size_t>(b.Slot)];
    });
    return found;
}

std::string_view NameIndex::DisplayName(int slot) const {
    if (slot < 0 || slot >= SkyObjectCount) return {};
    const std::uint32_t first = firstEntry_[static_cast<std::size_t>(slot)];
    if (first == firstEntry_[static_cast<std::size_t>(slot) + 1]) return {};
    return TextOf(entries_[first]);
}

std::vector<std::string_view> NameIndex::NamesOf(int slot) const {
    std::vector<std::string_view> names;
    if (slot < 0 || slot >= SkyObjectCount) return names;
    for (std::uint32_t i = firstEntry_[static_cast<std::size_t>(slot)];
         i < firstEntry_[static_cast<std::size_t>(slot) + 1]; ++i)
        names.push_back(TextOf(entries_[i]));
    return names;
}

const NameIndex& ProgramNameIndex() {
    static const NameIndex index;
    return index;
}

}  // namespace kolvar
