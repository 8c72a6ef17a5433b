#include "appcore/ini_file.h"

#include "appcore/file_writer.h"

namespace kolvar {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    t.remove_prefix(1);
    std::size_t close = t.find(']');
    if (close != std::string_view::npos) t = t.substr(0, close);
    return Trim(t);
}

struct KeyValue {
    std::string_view Key;
    std::string_view Value;
};

std::optional<KeyValue> SplitKeyValue(std::string_view line) {
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyValue{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

}  // namespace

IniFile IniFile::Load(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadRegularFile(path.string());
    return text ? Parse(*text) : IniFile{};
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    if (text.substr(0, Bom.size()) == Bom) {
        ini.byteOrderMark_ = true;
        text.remove_prefix(Bom.size());
    }
    std::size_t start = 0;
    while (start < text.size()) {
        // A line ends at a line feed with every CR before it, or at a CR that
        // no line feed follows (files from old Macintosh editors).
        const std::size_t stop = text.find_first_of("\r\n", start);
        Line line;
        if (stop == std::string_view::npos) {
            line.Text = text.substr(start);
            ini.lines_.push_back(std::move(line));
            break;
        }
        std::size_t next = stop;
        while (next < text.size() && text[next] == '\r') ++next;
        next = next < text.size() && text[next] == '\n' ? next + 1 : stop + 1;
        line.Text = text.substr(start, stop - start);
        line.End = text.substr(stop, next - stop);
        if (ini.lines_.empty()) ini.newline_ = line.End == "\r" ? "\r" : line.End.size() > 1 ? "\r\n" : "\n";
        ini.lines_.push_back(std::move(line));
        start = next;
    }
    return ini;
}

std::optional<IniFile::Found> IniFile::Find(std::string_view section, std::string_view key) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionName(lines_[i].Text);
        if (!name || !SameName(*name, section)) continue;
        Found found;
        found.SectionLine = i;
        std::size_t j = i + 1;
        for (; j < lines_.size() && !SectionName(lines_[j].Text); ++j) {
            if (found.KeyLine) continue;
            auto kv = SplitKeyValue(lines_[j].Text);
            if (kv && SameName(kv->Key, key)) found.KeyLine = j;
        }
        found.SectionEnd = j;
        return found;  // the first section of that name decides, as the platform's reader does
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
    auto found = Find(section, key);
    if (!found || !found->KeyLine) return std::nullopt;
    std::string_view value = SplitKeyValue(lines_[*found->KeyLine].Text)->Value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > MaxIniValueLength) value = value.substr(0, MaxIniValueLength);
    return std::string(value);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    auto value = Read(section, key);
    return value ? *value : std::string(fallback);
}

void IniFile::Insert(std::size_t at, std::string text) {
    // A last line without a line end gets one before anything follows it.
    if (at == lines_.size() && !lines_.empty() && lines_.back().End.empty()) lines_.back().End = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    auto found = Find(section, key);
    if (!found) {
        std::string header = "[";
        header += section;
        header += ']';
        Insert(lines_.size(), std::move(header));
        Insert(lines_.size(), std::move(line));
        return;
    }
    if (found->KeyLine) {
        lines_[*found->KeyLine].Text = std::move(line);
        return;
    }
    // After the section's last non-blank line, so blank separators stay in place.
    std::size_t at = found->SectionEnd;
    while (at > found->SectionLine + 1 && Trim(lines_[at - 1].Text).empty()) --at;
    Insert(at, std::move(line));
}

std::vector<IniFile::Entry> IniFile::Entries() const {
    std::vector<Entry> entries;
    std::string_view section;
    bool inSection = false;
    for (const Line& line : lines_) {
        if (const auto name = SectionName(line.Text)) {
            section = *name;
            inSection = true;
            continue;
        }
        const auto kv = inSection ? SplitKeyValue(line.Text) : std::nullopt;
        // Only the key that Read would find: the first of its name in the first section of its name.
        if (!kv || kv->Key.empty() ||
            Find(section, kv->Key)->KeyLine != static_cast<std::size_t>(&line - lines_.data()))
            continue;
        entries.push_back({std::string(section), std::string(kv->Key), *Read(section, kv->Key)});
    }
    return entries;
}

std::string IniFile::Text() const {
    std::string out = byteOrderMark_ ? "\xEF\xBB\xBF" : "";
    for (const auto& line : lines_) {
        out += line.Text;
        out += line.End;
    }
    return out;
}

}  // namespace kolvar
