#include "catalog/star_names.h"

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

}  // namespace

const std::span<const ProperNameRecord> ProperNameTable{ProperNameRows};
const std::span<const BayerRecord> BayerTable{BayerRows};
const std::span<const FlamsteedRecord> FlamsteedTable{FlamsteedRows};

std::string ProperNameOf(int hrNumber) {
    for (const ProperNameRecord& row : ProperNameRows) {
        if (row.HrNumber == hrNumber) return TrimBlanks(row.ProperName);
    }
    return {};
}

BayerDesignation BayerOf(int hrNumber) {
    BayerDesignation result;
    for (const BayerRecord& row : BayerRows) {
        if (row.HrNumber != hrNumber) continue;
        result.Found = true;
        const GreekLetter* letter = GreekLetterNumbered(row.GreekLetter);
        result.GreekLetter = letter != nullptr ? std::string(letter->Name) : std::string();
        result.Suffix = TrimBlanks(row.Suffix);
    }
    return result;
}

FlamsteedMatch FlamsteedOf(int hrNumber) {
    const int count = static_cast<int>(std::size(FlamsteedRows));
    for (int i = 0; i < count; ++i) {
        const FlamsteedRecord& row = FlamsteedRows[i];
        if (row.HrNumber == hrNumber) return FlamsteedMatch{row.FlamsteedNumber, i};
    }
    return FlamsteedMatch{0, count};
}

}  // namespace kolvar
