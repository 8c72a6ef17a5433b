#include "cli/file_pattern.h"

#include "cli/cli_options.h"

namespace kolvar::cli {

FilePattern FilePattern::Parse(std::string_view option, std::string_view pattern) {
    auto fail = [&](const char* what) {
        return UsageError(std::string(option) + ": " + what + ": " + QuoteForMessage(pattern));
    };
    // Each file's name is printed on a line of its own.
    if (pattern.find('\n') != std::string_view::npos) throw fail("a file name with a line break");
    FilePattern p;
    bool field = false;
    std::string* text = &p.prefix_;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            *text += pattern[i];
            continue;
        }
        if (++i < pattern.size() && pattern[i] == '%') {
            *text += '%';
            continue;
        }
        if (field) throw fail("more than one % field");
        for (; i < pattern.size() && (pattern[i] == '0' || pattern[i] == '-'); ++i)
            (pattern[i] == '0' ? p.zeroPad_ : p.leftAlign_) = true;
        int digits = 0;
        for (; i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9'; ++i, ++digits)
            p.width_ = p.width_ * 10 + (pattern[i] - '0');
        if (digits > 3) throw fail("field width over three digits");
        if (i >= pattern.size() || (pattern[i] != 'd' && pattern[i] != 'i' && pattern[i] != 'u'))
            throw fail("the % field must be an integer field such as %d or %03d");
        field = true;
        text = &p.suffix_;
    }
    if (!field) throw fail("no % field for the chart number, e.g. sky-%03d.png");
    return p;
}

std::string FilePattern::Name(long long number) const {
    std::string digits = std::to_string(number < 0 ? -number : number);
    const std::string sign = number < 0 ? "-" : "";
    const std::size_t used = sign.size() + digits.size();
    const std::size_t pad =
        static_cast<std::size_t>(width_) > used ? static_cast<std::size_t>(width_) - used : 0;
    std::string field;
    if (leftAlign_)
        field = sign + digits + std::string(pad, ' ');
    else if (zeroPad_)
        field = sign + std::string(pad, '0') + digits;
    else
        field = std::string(pad, ' ') + sign + digits;
    return prefix_ + field + suffix_;
}

}  // namespace kolvar::cli
