#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sky/sky_object_table.h"

namespace kolvar {

// What a found name names.
enum class FoundKind : std::uint8_t {
    Slot,           // a slot of the SkyObjectTable
    NgcIc,          // an object of the NGC/IC catalogue that the table lacks
    Constellation,  // a constellation
};

// One object that a search found.
struct FoundObject {
    int Slot = 0;                  // slot of the SkyObjectTable; -1 for the other kinds
    std::string_view Name;         // the name that matched (Windows-1250)
    std::string_view DisplayName;  // the object's first name (Windows-1250)
    bool Exact = false;            // the whole name matched, not only its beginning
    FoundKind Kind = FoundKind::Slot;
    int Index = 0;       // the slot, the NgcIcCatalogue() index or the constellation 1..88
    bool Close = false;  // found with a letter or two wrong
};

// Every name of every slot of the SkyObjectTable (ListObjectNames) and of the
// NGC/IC objects and constellations (ListDeepNames), searched by their keys
// (SearchKeyOfUtf8): a name matches when its key equals the typed text's key
// (exact) or begins with it (prefix). When nothing matches so, names of
// letters only that are one or two letters off (one for up to four letters)
// are found, after folding spellings that sound alike ("eu" and "o", "c" and
// "k" ...). Built once from the start-up tables; the texts it hands out live
// as long as the index.
class NameIndex {
public:
    NameIndex();

    // The objects with a name that matches `utf8`: exact matches first, then
    // prefix matches. Exact: the constellations, then the table's slots and
    // the other NGC/IC objects together, brightest first (magnitude classes
    // of the catalogues; the Sun, the Moon and the planets by their usual
    // brightness; slots before NGC/IC objects, then by slot). Prefix: the
    // slots brightest first, then the NGC/IC objects, then constellations. Each object is listed once,
    // with its first name of the best kind of match. Close matches, fewest
    // letters off first, only when there is no other. A text without a letter
    // or digit finds nothing.
    std::vector<FoundObject> Find(std::string_view utf8) const;

    // The first name of a slot: the name the object is shown by.
    std::string_view DisplayName(int slot) const;

    // All names of a slot, or of any target (deep_names.h), in their order.
    std::vector<std::string_view> NamesOf(int target) const;

    // The first name of a target (deep_names.h).
    std::string_view DisplayNameOfTarget(int target) const;

    std::size_t NameCount() const { return entries_.size(); }

private:
    struct Entry {
        std::uint32_t Text;  // offset in texts_
        std::uint32_t Key;   // offset in keys_
        std::uint16_t TextLength;
        std::uint16_t KeyLength;
        std::int32_t Target;
    };
    // A name of letters only, in its folded spelling, for close matches.
    struct CloseEntry {
        std::uint32_t Entry;
        std::uint32_t Folded;   // offset in folded_
        std::uint32_t Letters;  // bit per letter a..z that the folded key holds
        std::uint16_t Length;
    };
    FoundObject Found(std::uint32_t entry, bool exact, bool close) const;
    static int TargetOf(const FoundObject& f);
    std::vector<FoundObject> FindClose(const std::string& key) const;
    std::string_view TextOf(const Entry& e) const {
        return std::string_view(texts_).substr(e.Text, e.TextLength);
    }

    std::string texts_;
    std::string keys_;
    std::string folded_;
    std::vector<Entry> entries_;             // target by target, each target's names in order
    std::vector<std::uint32_t> firstEntry_;  // entries of target t: firstEntry_[t] ..
    std::vector<float> brightness_;          // magnitude that orders the matches
    std::vector<CloseEntry> close_;
};

// The program's index, built on first use.
const NameIndex& ProgramNameIndex();

}  // namespace kolvar
