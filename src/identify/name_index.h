#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/sky_object_table.h"

namespace kolvar {

// One object that a search found.
struct FoundObject {
    int Slot = 0;                  // slot of the SkyObjectTable
    std::string_view Name;         // the name that matched (Windows-1250)
    std::string_view DisplayName;  // the object's first name (Windows-1250)
    bool Exact = false;            // the whole name matched, not only its beginning
};

// Every name of every slot of the SkyObjectTable (ListObjectNames), searched
// by their keys (SearchKeyOfUtf8): a name matches when its key equals the
// typed text's key (exact) or begins with it (prefix). Built once from the
// start-up tables; the texts it hands out live as long as the index.
class NameIndex {
public:
    NameIndex();

    // The objects with a name that matches `utf8`: exact matches first, then
    // prefix matches, each group brightest first (magnitude classes of the
    // catalogues; the Sun, the Moon and the planets by their usual
    // brightness), then by slot. Each object is listed once, with its first
    // name of the best kind of match. A text without a letter or digit finds
    // nothing.
    std::vector<FoundObject> Find(std::string_view utf8) const;

    // The first name of a slot: the name the object is shown by.
    std::string_view DisplayName(int slot) const;

    // All names of a slot in their order.
    std::vector<std::string_view> NamesOf(int slot) const;

    std::size_t NameCount() const { return entries_.size(); }

private:
    struct Entry {
        std::uint32_t Text;  // offset in texts_
        std::uint32_t Key;   // offset in keys_
        std::uint16_t TextLength;
        std::uint16_t KeyLength;
        std::int16_t Slot;
    };
    std::string_view TextOf(const Entry& e) const {
        return std::string_view(texts_).substr(e.Text, e.TextLength);
    }

    std::string texts_;
    std::string keys_;
    std::vector<Entry> entries_;                                  // slot by slot, each slot's names in order
    std::array<std::uint32_t, SkyObjectCount + 1> firstEntry_{};  // entries of slot s: firstEntry_[s] ..
    std::array<float, SkyObjectCount> brightness_{};              // magnitude that orders the matches
};

// The program's index, built on first use.
const NameIndex& ProgramNameIndex();

}  // namespace kolvar
