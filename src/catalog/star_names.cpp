#include "catalog/star_names.h"

#include <vector>

#include "catalog/greek_letters.h"
#include "catalog/name_text.h"

namespace kolvar {
namespace {

constexpr ProperNameRecord ProperNameRows[] = {
#include "catalog/generated/proper_names.inc"
};
constexpr BayerRecord BayerRows[] = {
#include "catalog/generated/bayer_table.inc"
};
constexpr FlamsteedRecord FlamsteedRows[] = {
#include "catalog/generated/flamsteed_table.inc"
};

// The catalogue's HR numbers stay below 10000.
constexpr int HrLimit = 10000;

const std::vector<NameRows>& RowsByHr() {
    static const std::vector<NameRows> rows = [] {
        std::vector<NameRows> index(HrLimit);
        const auto valid = [](int hr) { return hr >= 0 && hr < HrLimit; };
        const auto at = [&index](int hr) -> NameRows& { return index[static_cast<std::size_t>(hr)]; };
        for (int i = static_cast<int>(std::size(ProperNameRows)) - 1; i >= 0; --i)
            if (const int hr = ProperNameRows[i].HrNumber; valid(hr)) at(hr).Proper = i;
        for (int i = 0; i < static_cast<int>(std::size(BayerRows)); ++i)
            if (const int hr = BayerRows[i].HrNumber; valid(hr)) at(hr).Bayer = i;
        for (int i = static_cast<int>(std::size(FlamsteedRows)) - 1; i >= 0; --i)
            if (const int hr = FlamsteedRows[i].HrNumber; valid(hr)) at(hr).Flamsteed = i;
        return index;
    }();
    return rows;
}

}  // namespace

const std::span<const ProperNameRecord> ProperNameTable{ProperNameRows};
const std::span<const BayerRecord> BayerTable{BayerRows};
const std::span<const FlamsteedRecord> FlamsteedTable{FlamsteedRows};

NameRows NameRowsOfHr(int hrNumber) {
    if (hrNumber < 0 || hrNumber >= HrLimit) return {};
    return RowsByHr()[static_cast<std::size_t>(hrNumber)];
}

std::string ProperNameOf(int hrNumber) {
    const int row = NameRowsOfHr(hrNumber).Proper;
    return row < 0 ? std::string() : TrimBlanks(ProperNameRows[row].ProperName);
}

BayerDesignation BayerOf(int hrNumber) {
    BayerDesignation result;
    const int row = NameRowsOfHr(hrNumber).Bayer;
    if (row < 0) return result;
    result.Found = true;
    const GreekLetter* letter = GreekLetterNumbered(BayerRows[row].GreekLetter);
    result.GreekLetter = letter != nullptr ? std::string(letter->Name) : std::string();
    result.Suffix = TrimBlanks(BayerRows[row].Suffix);
    return result;
}

FlamsteedMatch FlamsteedOf(int hrNumber) {
    const int row = NameRowsOfHr(hrNumber).Flamsteed;
    if (row < 0) return FlamsteedMatch{0, static_cast<int>(std::size(FlamsteedRows))};
    return FlamsteedMatch{FlamsteedRows[row].FlamsteedNumber, row};
}

}  // namespace kolvar
