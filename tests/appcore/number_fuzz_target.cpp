// Fuzz target for the settings file's numbers. An input "d" + 8 bytes is a
// double (its bit pattern): every finite one is written as a text that reads
// back to 15 digits with either separator, and writing that again gives the
// same text. Any other input is text after its first byte: whatever the strict
// reader takes, the either-separator reader takes alike, and the value's text
// reads back; an integer's decimal text reads back exactly.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "appcore/number_text.h"
#include "fuzz_checks.h"

namespace {

using kolvar::fuzz::Check;
using kolvar::fuzz::SameTo15Digits;

void CheckDouble(double value) {
    if (!std::isfinite(value)) return;
    for (char separator : {'.', ','}) {
        const std::string text = kolvar::FormatGeneral15(value, separator);
        const std::optional<double> back = kolvar::ParseStrictDouble(text, separator);
        Check(back.has_value(), "written text not read", text);
        Check(SameTo15Digits(*back, value), "written text reads another value", text);
        Check(kolvar::ParseIniDouble(text, separator == '.' ? ',' : '.') == back,
              "other locale reads another value", text);
        Check(kolvar::FormatGeneral15(*back, separator) == text, "second writing differs", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    if (data[0] == 'd' && size >= 1 + sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data + 1, sizeof value);
        CheckDouble(value);
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (const std::optional<double> strict = kolvar::ParseStrictDouble(text, '.')) {
        Check(std::isfinite(*strict), "reader gave a non-finite value", std::string(text));
        Check(kolvar::ParseIniDouble(text, '.') == strict, "point locale reads another value",
              std::string(text));
        Check(kolvar::ParseIniDouble(text, ',') == strict, "comma locale reads another value",
              std::string(text));
        CheckDouble(*strict);
    }
    if (const std::optional<int> integer = kolvar::ParseIniInteger(text))
        Check(kolvar::ParseIniInteger(std::to_string(*integer)) == integer,
              "integer text reads another value", std::string(text));
    return 0;
}
