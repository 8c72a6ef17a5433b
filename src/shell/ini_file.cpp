#include "shell/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace kolvar {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line)
{
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

std::optional<KeyValue> SplitKeyValue(std::string_view line)
{
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyValue{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

[[noreturn]] void ThrowErrno(const char* what, int err)
{
    throw std::system_error(std::error_code(err, std::generic_category()), what);
}

}  // namespace

IniFile IniFile::Load(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        int err = errno;
        std::error_code ec;
        if (!std::filesystem::exists(path, ec) && !ec) return IniFile{};
        ThrowErrno("cannot read the file", err != 0 ? err : EIO);
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) ThrowErrno("cannot read the file", EIO);
    return Parse(text);
}

IniFile IniFile::Parse(std::string_view text)
{
    IniFile ini;
    std::size_t firstNewline = text.find('\n');
    if (firstNewline != std::string_view::npos && firstNewline > 0 && text[firstNewline - 1] == '\r')
        ini.newline_ = "\r\n";
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ini.lines_.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return ini;
}

std::optional<IniFile::Found> IniFile::Find(std::string_view section, std::string_view key) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionName(lines_[i]);
        if (!name || !SameName(*name, section)) continue;
        Found found;
        found.SectionLine = i;
        std::size_t j = i + 1;
        for (; j < lines_.size() && !SectionName(lines_[j]); ++j) {
            if (found.KeyLine) continue;
            auto kv = SplitKeyValue(lines_[j]);
            if (kv && SameName(kv->Key, key)) found.KeyLine = j;
        }
        found.SectionEnd = j;
        return found;  // the first section of that name decides, as the platform's reader does
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const
{
    auto found = Find(section, key);
    if (!found || !found->KeyLine) return std::nullopt;
    std::string_view value = SplitKeyValue(lines_[*found->KeyLine])->Value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > MaxIniValueLength) value = value.substr(0, MaxIniValueLength);
    return std::string(value);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto value = Read(section, key);
    return value ? *value : std::string(fallback);
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + "=" + std::string(value);
    auto found = Find(section, key);
    if (!found) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    if (found->KeyLine) {
        lines_[*found->KeyLine] = std::move(line);
        return;
    }
    // After the section's last non-blank line, so blank separators stay in place.
    std::size_t at = found->SectionEnd;
    while (at > found->SectionLine + 1 && Trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string IniFile::Text() const
{
    std::string out;
    for (const auto& line : lines_) {
        out += line;
        out += newline_;
    }
    return out;
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view text)
{
    // Renaming would replace even a file the user made read-only; such a file
    // is refused like a direct write to it would be.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        ThrowErrno("cannot write the file", errno);

    std::filesystem::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    std::string temp = (dir / (path.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(temp.data());
    if (fd < 0) ThrowErrno("cannot create a file in its folder", errno);

    auto fail = [&](const char* what, int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        ThrowErrno(what, err);
    };

    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("cannot write the file", errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // Keep the permissions of a file being replaced; a new file gets rw-r--r--.
    struct stat st {};
    mode_t mode = (::stat(path.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0) fail("cannot set the file's permissions", errno);
    if (::fsync(fd) != 0) fail("cannot write the file", errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        ThrowErrno("cannot write the file", err);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        ThrowErrno("cannot replace the file", err);
    }
}

}  // namespace kolvar
