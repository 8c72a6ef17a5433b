#pragma once

// The file names of a series: a pattern with one printf-style integer field,
// such as sky-%03d.png, read and filled in by our own code (the user's text
// never reaches printf as a format).

#include <string>
#include <string_view>

namespace kolvar::cli {

class FilePattern {
public:
    // One field %d, %i or %u with optional flags 0 and - and a width of up to
    // three digits; "%%" stands for a percent sign. Anything else, no field or
    // a second one is a UsageError naming `option`.
    static FilePattern Parse(std::string_view option, std::string_view pattern);

    // The name with `number` in the field, as printf would write it.
    std::string Name(long long number) const;

private:
    std::string prefix_, suffix_;
    int width_ = 0;
    bool zeroPad_ = false;
    bool leftAlign_ = false;
};

}  // namespace kolvar::cli
