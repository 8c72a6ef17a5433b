#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

// A private-profile (INI) file held as its lines, so that writing a few keys
// keeps every other section, key, comment and blank line as it was, byte for
// byte: each line keeps its own line end (LF, CR LF, or a CR alone), and a leading UTF-8 byte-order mark
// is skipped when reading and written back. Section and key names compare
// case-insensitively (ASCII), values are read trimmed, with one pair of
// enclosing quotes removed, and cut at MaxIniValueLength characters.
class IniFile {
public:
    static constexpr std::size_t MaxIniValueLength = 1023;

    IniFile() = default;

    // Reads the file. A missing file gives an empty document; a file that
    // exists but cannot be read, or is no regular file (a FIFO, a device:
    // never opened), throws std::system_error whose text names the step and
    // the reason.
    static IniFile Load(const std::filesystem::path& path);
    static IniFile Parse(std::string_view text);

    // The value of section/key, or nothing when the key is absent.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;

    // Replaces the key's value in the first section of that name, appends the
    // key to that section, or appends the section at the end. New lines end
    // like the file's first line ("\n" for a new file).
    void Write(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

    // Every key that Read finds, in file order, with its value as Read gives it.
    struct Entry {
        std::string Section;
        std::string Key;
        std::string Value;
    };
    std::vector<Entry> Entries() const;

private:
    struct Found {
        std::size_t SectionLine = 0;  // index of the [section] line
        std::size_t SectionEnd = 0;   // first line after the section
        std::optional<std::size_t> KeyLine;
    };
    std::optional<Found> Find(std::string_view section, std::string_view key) const;

    struct Line {
        std::string Text;  // without its line end
        std::string
            End;  // "\n" with every CR before it ("\r\n", "\r\r\n" ...), a lone "\r", "" at the very end
    };
    void Insert(std::size_t at, std::string text);

    std::vector<Line> lines_;
    std::string newline_ = "\n";
    bool byteOrderMark_ = false;
};

}  // namespace kolvar
