#include "identify/name_index.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "catalog/deep_sky_catalogue.h"
#include "catalog/ngc_ic_catalogue.h"
#include "catalog/star_catalogue.h"
#include "identify/deep_names.h"
#include "identify/object_names.h"
#include "identify/search_key.h"

namespace kolvar {

namespace {

// The order among the Sun, the Moon and planets 0..6: their usual magnitudes.
constexpr std::array<float, FirstStarSlot> UsualBodyMagnitude = {-26.7f, -12.7f, 0.2f, -4.1f, 0.7f,
                                                                 -2.2f,  0.7f,   5.7f, 7.8f};
constexpr float UnknownMagnitude = 99.0f;

float OrderingMagnitude(int target) {
    if (target < FirstStarSlot) return UsualBodyMagnitude[static_cast<std::size_t>(target)];
    if (target < FirstDeepSkySlot)
        return StarCatalogue[static_cast<std::size_t>(target - FirstStarSlot)].MagnitudeClass;
    if (target < SkyObjectCount)
        return DeepSkyCatalogue[static_cast<std::size_t>(target - FirstDeepSkySlot)].MagnitudeClass;
    if (target < FirstConstellationTarget())
        return NgcIcMagnitudeOr(NgcIcCatalogue()[static_cast<std::size_t>(target - FirstNgcIcTarget)],
                                UnknownMagnitude);
    return 0.0f;
}

FoundKind KindOf(int target) {
    if (target < SkyObjectCount) return FoundKind::Slot;
    return target < FirstConstellationTarget() ? FoundKind::NgcIc : FoundKind::Constellation;
}

// The groups of one kind of match, in their order: a constellation named
// exactly is what was meant, and an NGC/IC object of exactly that name ranks
// by its brightness among the table's objects (the Pleiades before the
// stars named after them); among beginnings the table's objects keep their
// place before the catalogue's and the constellations.
int GroupOf(FoundKind kind, bool exact) {
    switch (kind) {
        case FoundKind::Constellation:
            return exact ? 0 : 3;
        case FoundKind::Slot:
            return 1;
        case FoundKind::NgcIc:
            return exact ? 1 : 2;
    }
    return 2;
}

enum Match : std::uint8_t { None = 0, Prefix = 1, Exact = 2 };

// A key in the spelling that close matches compare: letters that sound alike
// made one, doubled letters single.
std::string Folded(std::string_view key) {
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char c = key[i];
        const char next = i + 1 < key.size() ? key[i + 1] : '\0';
        char f = c;
        if (c == 'e' && next == 'u') {
            f = 'o';
            ++i;
        } else if ((c == 'p' || c == 't') && next == 'h') {
            f = c == 'p' ? 'f' : 't';
            ++i;
        } else if (c == 'c') {
            f = 'k';
        } else if (c == 'y') {
            f = 'i';
        } else if (c == 'w') {
            f = 'v';
        } else if (c == 'z') {
            f = 's';
        }
        if (out.empty() || out.back() != f) out += f;
    }
    return out;
}

std::uint32_t LettersOf(std::string_view folded) {
    std::uint32_t bits = 0;
    for (const char c : folded) {
        if (c >= 'a' && c <= 'z') bits |= 1u << (c - 'a');
    }
    return bits;
}

bool LettersOnly(std::string_view key) {
    return std::all_of(key.begin(), key.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The edit distance with transpositions of neighbours (optimal string
// alignment), or limit + 1 when it is larger than limit.
int CloseDistance(std::string_view a, std::string_view b, int limit) {
    constexpr std::size_t Longest = 64;
    if (a.size() >= Longest || b.size() >= Longest) return limit + 1;
    int rows[3][Longest];
    int* before = rows[0];
    int* previous = rows[1];
    int* current = rows[2];
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        int rowBest = current[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            current[j] = d;
            rowBest = std::min(rowBest, d);
        }
        if (rowBest > limit) return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[b.size()], limit + 1);
}

}  // namespace

NameIndex::NameIndex() {
    // Every name with its target, then target by target in the order given.
    std::vector<std::pair<int, std::string>> named;
    named.reserve(1 << 16);
    ListObjectNames([&](int slot, std::string_view name) { named.emplace_back(slot, std::string(name)); });
    ListDeepNames([&](int target, std::string_view name) { named.emplace_back(target, std::string(name)); });
    std::stable_sort(named.begin(), named.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    const int targets = TargetCount();
    firstEntry_.assign(static_cast<std::size_t>(targets) + 1, 0);
    texts_.reserve(1 << 20);
    keys_.reserve(1 << 20);
    entries_.reserve(named.size());
    int current = -1;
    std::size_t targetStart = 0;  // first entry of the target being listed
    for (const auto& [target, name] : named) {
        for (; current < target; ++current) {
            firstEntry_[static_cast<std::size_t>(current + 1)] = static_cast<std::uint32_t>(entries_.size());
            targetStart = entries_.size();
        }
        const std::string key = SearchKeyOfCp1250(name);
        if (key.empty()) continue;
        // The same name in another spelling adds nothing.
        bool known = false;
        for (std::size_t i = targetStart; i < entries_.size() && !known; ++i) {
            const Entry& e = entries_[i];
            known = e.KeyLength == key.size() && keys_.compare(e.Key, e.KeyLength, key) == 0;
        }
        if (known) continue;
        if (LettersOnly(key)) {
            const std::string folded = Folded(key);
            close_.push_back(CloseEntry{static_cast<std::uint32_t>(entries_.size()),
                                        static_cast<std::uint32_t>(folded_.size()), LettersOf(folded),
                                        static_cast<std::uint16_t>(folded.size())});
            folded_ += folded;
        }
        entries_.push_back(
            Entry{static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(keys_.size()),
                  static_cast<std::uint16_t>(name.size()), static_cast<std::uint16_t>(key.size()), target});
        texts_ += name;
        keys_ += key;
    }
    for (; current < targets; ++current)
        firstEntry_[static_cast<std::size_t>(current + 1)] = static_cast<std::uint32_t>(entries_.size());
    brightness_.resize(static_cast<std::size_t>(targets));
    for (int target = 0; target < targets; ++target)
        brightness_[static_cast<std::size_t>(target)] = OrderingMagnitude(target);
}

FoundObject NameIndex::Found(std::uint32_t entry, bool exact, bool close) const {
    const Entry& e = entries_[entry];
    const FoundKind kind = KindOf(e.Target);
    int index = e.Target;
    if (kind == FoundKind::NgcIc) index = e.Target - FirstNgcIcTarget;
    if (kind == FoundKind::Constellation) index = e.Target - FirstConstellationTarget();
    return FoundObject{kind == FoundKind::Slot ? e.Target : -1,
                       TextOf(e),
                       DisplayNameOfTarget(e.Target),
                       exact,
                       kind,
                       index,
                       close};
}

int NameIndex::TargetOf(const FoundObject& f) {
    switch (f.Kind) {
        case FoundKind::Slot:
            return f.Index;
        case FoundKind::NgcIc:
            return FirstNgcIcTarget + f.Index;
        case FoundKind::Constellation:
            return FirstConstellationTarget() + f.Index;
    }
    return f.Index;
}

std::vector<FoundObject> NameIndex::Find(std::string_view utf8) const {
    const std::string key = SearchKeyOfUtf8(utf8);
    if (key.empty()) return {};
    std::vector<Match> best(brightness_.size(), None);
    std::vector<std::uint32_t> bestEntry(brightness_.size(), 0);
    const char* keys = keys_.data();
    for (std::uint32_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (e.KeyLength < key.size() || std::memcmp(keys + e.Key, key.data(), key.size()) != 0) continue;
        const Match m = e.KeyLength == key.size() ? Exact : Prefix;
        Match& b = best[static_cast<std::size_t>(e.Target)];
        if (m > b) {  // the first name of a better kind of match
            b = m;
            bestEntry[static_cast<std::size_t>(e.Target)] = i;
        }
    }
    std::vector<FoundObject> found;
    for (std::size_t t = 0; t < best.size(); ++t) {
        if (best[t] != None) found.push_back(Found(bestEntry[t], best[t] == Exact, false));
    }
    if (found.empty()) return FindClose(key);
    std::stable_sort(found.begin(), found.end(), [this](const FoundObject& a, const FoundObject& b) {
        if (a.Exact != b.Exact) return a.Exact;
        if (GroupOf(a.Kind, a.Exact) != GroupOf(b.Kind, b.Exact))
            return GroupOf(a.Kind, a.Exact) < GroupOf(b.Kind, b.Exact);
        return brightness_[static_cast<std::size_t>(TargetOf(a))] <
               brightness_[static_cast<std::size_t>(TargetOf(b))];
    });
    return found;
}

std::vector<FoundObject> NameIndex::FindClose(const std::string& key) const {
    const std::string typed = Folded(key);
    if (!LettersOnly(key) || typed.size() < 3) return {};
    const int limit = typed.size() <= 4 ? 1 : 2;
    const std::uint32_t letters = LettersOf(typed);
    std::vector<int> distance(brightness_.size(), limit + 1);
    std::vector<std::uint32_t> entryOf(brightness_.size(), 0);
    for (const CloseEntry& c : close_) {
        if (std::abs(static_cast<int>(c.Length) - static_cast<int>(typed.size())) > limit) continue;
        if (std::popcount(c.Letters ^ letters) > 2 * limit) continue;
        const int d = CloseDistance(typed, std::string_view(folded_).substr(c.Folded, c.Length), limit);
        const auto t = static_cast<std::size_t>(entries_[c.Entry].Target);
        if (d < distance[t]) {
            distance[t] = d;
            entryOf[t] = c.Entry;
        }
    }
    std::vector<std::pair<int, FoundObject>> close;
    for (std::size_t t = 0; t < distance.size(); ++t) {
        if (distance[t] <= limit) close.emplace_back(distance[t], Found(entryOf[t], false, true));
    }
    std::stable_sort(close.begin(), close.end(), [this](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        if (a.second.Kind != b.second.Kind)
            return GroupOf(a.second.Kind, true) < GroupOf(b.second.Kind, true);
        return brightness_[static_cast<std::size_t>(TargetOf(a.second))] <
               brightness_[static_cast<std::size_t>(TargetOf(b.second))];
    });
    std::vector<FoundObject> found;
    found.reserve(close.size());
    for (const auto& c : close) found.push_back(c.second);
    return found;
}

std::string_view NameIndex::DisplayNameOfTarget(int target) const {
    if (target < 0 || target + 1 >= static_cast<int>(firstEntry_.size())) return {};
    const std::uint32_t first = firstEntry_[static_cast<std::size_t>(target)];
    if (first == firstEntry_[static_cast<std::size_t>(target) + 1]) return {};
    return TextOf(entries_[first]);
}

std::string_view NameIndex::DisplayName(int slot) const {
    if (slot < 0 || slot >= SkyObjectCount) return {};
    return DisplayNameOfTarget(slot);
}

std::vector<std::string_view> NameIndex::NamesOf(int target) const {
    std::vector<std::string_view> names;
    if (target < 0 || target + 1 >= static_cast<int>(firstEntry_.size())) return names;
    for (std::uint32_t i = firstEntry_[static_cast<std::size_t>(target)];
         i < firstEntry_[static_cast<std::size_t>(target) + 1]; ++i)
        names.push_back(TextOf(entries_[i]));
    return names;
}

const NameIndex& ProgramNameIndex() {
    static const NameIndex index;
    return index;
}

}  // namespace kolvar
