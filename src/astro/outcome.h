#pragma once

// The outcome of a step that can fail without it being a program error:
// the value, or the error that says why there is none. Readers of texts and
// the print sheets return it instead of throwing or filling out-parameters,
// and the caller decides how to report the error (a message box, a usage
// line, a failure status).
//
// It lives in the lowest layer so that everything above (elements, print,
// plan, telescope, appcore, cli, dialogs) can share it; it depends on nothing
// but the standard library.
//
// The shared digit reading is here too: a whole text read as one decimal
// number or one integer by std::from_chars, with one set of rules.

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace kolvar {

template <class T, class E = std::string>
class Outcome {
public:
    Outcome(T value) : value_(std::move(value)) {}  // NOLINT(google-explicit-constructor): a value reads
    static Outcome Failure(E error) { return Outcome(std::nullopt, std::move(error)); }

    bool Ok() const { return value_.has_value(); }
    explicit operator bool() const { return Ok(); }
    // The value; only when Ok().
    const T& Value() const { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    T ValueOr(T fallback) const { return value_ ? *value_ : std::move(fallback); }
    // The error; meaningful only when !Ok().
    const E& Error() const { return error_; }
    // The value as an optional, for callers that need only whether it read.
    const std::optional<T>& Optional() const { return value_; }

private:
    Outcome(std::nullopt_t, E error) : error_(std::move(error)) {}
    std::optional<T> value_;
    E error_{};
};

// The error texts of the shared readers.
inline constexpr std::string_view NotANumberError = "not a number";
inline constexpr std::string_view OutOfRangeError = "number out of range";
inline constexpr std::string_view NotAWholeNumberError = "not a whole number";

// The whole text as one decimal number as from_chars reads it (an optional
// '-', digits with a point, an exponent; also "inf" and "nan", which are
// refused): nothing before or after it. A finite value, else
// NotANumberError (no number, trailing characters, nan) or OutOfRangeError
// (beyond a double, inf).
inline Outcome<double> ReadWholeDecimal(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::invalid_argument || end != text.data() + text.size() || std::isnan(value))
        return Outcome<double>::Failure(std::string(NotANumberError));
    if (error != std::errc{} || !std::isfinite(value))
        return Outcome<double>::Failure(std::string(OutOfRangeError));
    return value;
}

// The whole text as one decimal integer of type I as from_chars reads it (an
// optional '-', digits): NotAWholeNumberError for anything else beside it,
// OutOfRangeError when I cannot hold it.
template <class I>
Outcome<I> ReadWholeInteger(std::string_view text) {
    I value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::invalid_argument || end != text.data() + text.size())
        return Outcome<I>::Failure(std::string(NotAWholeNumberError));
    if (error != std::errc{}) return Outcome<I>::Failure(std::string(OutOfRangeError));
    return value;
}

}  // namespace kolvar
