#include "elements/element_import.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <numbers>
#include <optional>
#include <string_view>

#include "astro/angles.h"
#include "astro/two_body.h"
#include "elements/mpc_lines.h"
#include "elements/number_fields.h"

namespace kolvar {

namespace {

constexpr std::size_t PieceSize = 1 << 20;
constexpr double ModifiedJulianZero = 2400000.5;
constexpr int MaxJsonDepth = 64;

// The bytes of the file in pieces (or of a text in memory), with the line count.
class Source {
public:
    Source(std::FILE* file, std::uint64_t total, const ImportProgress& progress)
        : file_(file), total_(total), progress_(progress), buffer_(new char[PieceSize]) {}
    explicit Source(std::string_view text) : text_(text), at_(text.data()), end_(text.data() + text.size()) {}

    int Peek() {
        if (at_ == end_ && !Refill()) return -1;
        return static_cast<unsigned char>(*at_);
    }
    int Get() {
        const int c = Peek();
        if (c >= 0) {
            ++at_;
            if (c == '\n') ++line_;
        }
        return c;
    }
    std::uint64_t Line() const { return line_; }
    bool Cancelled() const { return cancelled_; }
    bool ReadFailed() const { return readError_ != 0; }
    int ReadError() const { return readError_; }

    // The next line without its end, at most MaxLineLength bytes kept;
    // false at the end of the bytes. `overlong` tells that bytes were dropped.
    bool ReadLine(std::string& line, bool& overlong) {
        line.clear();
        overlong = false;
        if (Peek() < 0) return false;
        while (Peek() >= 0) {
            const char* newline = static_cast<const char*>(std::memchr(at_, '\n', end_ - at_));
            const char* stop = newline != nullptr ? newline : end_;
            const std::size_t room = MaxLineLength - line.size();
            const std::size_t count = static_cast<std::size_t>(stop - at_);
            line.append(at_, std::min(room, count));
            if (count > room) overlong = true;
            at_ = stop;
            if (newline != nullptr) {
                ++at_;
                ++line_;
                break;
            }
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }

    // The first bytes, for telling the format and whether it is text at all.
    std::string_view Head() {
        Peek();
        return {at_, static_cast<std::size_t>(end_ - at_)};
    }

private:
    bool Refill() {
        if (file_ == nullptr || cancelled_ || readError_ != 0) return false;
        const std::size_t n = std::fread(buffer_.get(), 1, PieceSize, file_);
        if (n == 0) {
            if (std::ferror(file_)) readError_ = errno != 0 ? errno : EIO;
            return false;
        }
        done_ += n;
        at_ = buffer_.get();
        end_ = at_ + n;
        if (progress_ && !progress_(done_, total_)) {
            cancelled_ = true;
            return false;
        }
        return true;
    }

    std::FILE* file_ = nullptr;
    std::uint64_t total_ = 0, done_ = 0;
    ImportProgress progress_;
    std::unique_ptr<char[]> buffer_;
    std::string_view text_;
    const char* at_ = nullptr;
    const char* end_ = nullptr;
    std::uint64_t line_ = 1;
    bool cancelled_ = false;
    int readError_ = 0;
};

// Problems as they are found, the first MaxNamedProblems kept.
class ProblemList {
public:
    explicit ProblemList(ImportResult& result) : result_(result) {}
    void Add(std::uint64_t line, std::uint64_t row, std::string reason) {
        ++result_.ProblemCount;
        if (result_.Problems.size() < MaxNamedProblems)
            result_.Problems.push_back({line, row, std::move(reason)});
    }
    // Problems counted without their text (past the named ones).
    void Count(std::uint64_t n) { result_.ProblemCount += n; }

private:
    ImportResult& result_;
};

// ---- The line formats.

bool IsDashLine(std::string_view line) {
    line = TrimBlanks(line);
    return line.size() >= 10 && line.find_first_not_of('-') == std::string_view::npos;
}

void ReadLines(Source& source, ImportResult& result) {
    ProblemList problems(result);
    // Until the first body, problems are held: the lines above a line of
    // dashes are MPCORB.DAT's header, not bodies that failed.
    std::vector<ImportProblem> held;
    std::uint64_t heldUnnamed = 0;  // held past MaxNamedProblems: counted, not kept
    const auto flushHeld = [&] {
        for (ImportProblem& p : held) problems.Add(p.Line, 0, std::move(p.Reason));
        problems.Count(heldUnnamed);
        held.clear();
        heldUnnamed = 0;
    };
    std::string line;
    bool overlong = false;
    while (true) {
        const std::uint64_t number = source.Line();
        if (!source.ReadLine(line, overlong)) break;
        if (TrimBlanks(line).empty()) continue;
        std::string problem;
        if (overlong) {
            problem = "line longer than " + std::to_string(MaxLineLength) + " characters";
        } else if (IsDashLine(line)) {
            if (result.Bodies.empty()) {
                held.clear();
                heldUnnamed = 0;
            }
            continue;
        } else {
            LineResult r = LooksLikeCometLine(line) ? ReadCometLine(line) : ReadMinorPlanetLine(line);
            if (auto* body = std::get_if<SmallBody>(&r)) {
                if (result.Bodies.empty()) flushHeld();
                result.Bodies.push_back(std::move(*body));
                continue;
            }
            problem = std::move(std::get<std::string>(r));
        }
        if (!result.Bodies.empty())
            problems.Add(number, 0, std::move(problem));
        else if (held.size() < MaxNamedProblems)
            held.push_back({number, 0, std::move(problem)});
        else
            ++heldUnnamed;
    }
    flushHeld();
}

// ---- The JPL small-body JSON.

struct JsonError {
    std::string Reason;
};

// A scalar of a data row: its text (a string's contents or a number's
// characters) or null.
struct JsonScalar {
    bool Null = false;
    std::string Text;
};

class JsonReader {
public:
    explicit JsonReader(Source& source) : source_(source) {}

    void SkipBlanks() {
        while (true) {
            const int c = source_.Peek();
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return;
            source_.Get();
        }
    }
    int PeekToken() {
        SkipBlanks();
        return source_.Peek();
    }
    void Expect(char wanted) {
        const int c = PeekToken();
        if (c != wanted) throw JsonError{std::string("expected '") + wanted + "' but found " + Found(c)};
        source_.Get();
    }
    // After a value inside a list or object: true for ',' (another follows), false for `close`.
    bool Next(char close) {
        const int c = PeekToken();
        source_.Get();
        if (c == ',') return true;
        if (c == close) return false;
        throw JsonError{std::string("expected ',' or '") + close + "' but found " + Found(c)};
    }

    std::string String() {
        Expect('"');
        std::string text;
        while (true) {
            int c = source_.Get();
            if (c < 0) throw JsonError{"the file ends inside a string"};
            if (c == '"') return text;
            if (c < 0x20) throw JsonError{"a control character inside a string"};
            if (c == '\\') c = Escape(text);
            if (c >= 0) text.push_back(static_cast<char>(c));
            if (text.size() > MaxLineLength)
                throw JsonError{"a string longer than " + std::to_string(MaxLineLength)};
        }
    }

    JsonScalar Scalar() {
        const int c = PeekToken();
        if (c == '"') return {false, String()};
        if (c == '[' || c == '{') {
            SkipValue(0);
            throw NestedValue{};
        }
        std::string word;
        while (true) {
            const int d = source_.Peek();
            if (d < 0 || !(std::isalnum(d) || d == '-' || d == '+' || d == '.')) break;
            word.push_back(static_cast<char>(source_.Get()));
            if (word.size() > 64) throw JsonError{"a number longer than 64 characters"};
        }
        if (word == "null") return {true, {}};
        if (word.empty()) throw JsonError{"expected a value but found " + Found(c)};
        return {false, word};
    }

    void SkipValue(int depth) {
        if (depth > MaxJsonDepth) throw JsonError{"lists nested deeper than " + std::to_string(MaxJsonDepth)};
        const int c = PeekToken();
        if (c == '{') {
            source_.Get();
            if (PeekToken() == '}') return void(source_.Get());
            do {
                String();
                Expect(':');
                SkipValue(depth + 1);
            } while (Next('}'));
        } else if (c == '[') {
            source_.Get();
            if (PeekToken() == ']') return void(source_.Get());
            do SkipValue(depth + 1);
            while (Next(']'));
        } else if (c == '"') {
            String();
        } else {
            Scalar();
        }
    }

    struct NestedValue {};

private:
    static std::string Found(int c) {
        if (c < 0) return "the end of the file";
        if (c < 0x20 || c >= 0x7f) return "byte " + std::to_string(c);
        return std::string("'") + static_cast<char>(c) + "'";
    }

    // The character after a backslash; \u escapes are appended as UTF-8 (and -1 returned).
    int Escape(std::string& text) {
        const int c = source_.Get();
        switch (c) {
            case '"':
            case '\\':
            case '/':
                return c;
            case 'b':
                return '\b';
            case 'f':
                return '\f';
            case 'n':
                return '\n';
            case 'r':
                return '\r';
            case 't':
                return '\t';
            case 'u':
                break;
            default:
                throw JsonError{"an unknown escape in a string"};
        }
        unsigned code = Hex4();
        if (code >= 0xD800 && code < 0xDC00) {
            if (source_.Get() != '\\' || source_.Get() != 'u')
                throw JsonError{"a lone surrogate in a string"};
            const unsigned low = Hex4();
            if (low < 0xDC00 || low >= 0xE000) throw JsonError{"a lone surrogate in a string"};
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        } else if (code >= 0xDC00 && code < 0xE000) {
            throw JsonError{"a lone surrogate in a string"};
        }
        AppendUtf8(text, code);
        return -1;
    }
    unsigned Hex4() {
        unsigned value = 0;
        for (int k = 0; k < 4; ++k) {
            const int c = source_.Get();
            const int d = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
            if (d < 0) throw JsonError{"a bad \\u escape in a string"};
            value = value * 16 + static_cast<unsigned>(d);
        }
        return value;
    }
    static void AppendUtf8(std::string& text, unsigned code) {
        if (code < 0x80) {
            text.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            text.push_back(static_cast<char>(0xC0 | (code >> 6)));
            text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            text.push_back(static_cast<char>(0xE0 | (code >> 12)));
            text.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            text.push_back(static_cast<char>(0xF0 | (code >> 18)));
            text.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }

    Source& source_;
};

// Where each field the bodies need stands in a row; -1 when the table has none.
struct JplColumns {
    int Name = -1, Q = -1, A = -1, E = -1, I = -1, W = -1, Node = -1, Tp = -1, Ma = -1;
    int Epoch = -1;
    bool EpochIsModified = false;
    int H = -1, G = -1, M1 = -1, K1 = -1;
    std::size_t Count = 0;
};

JplColumns ColumnsOf(const std::vector<std::string>& fields) {
    JplColumns c;
    c.Count = fields.size();
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const std::string& f = fields[k];
        const int at = static_cast<int>(k);
        if (f == "full_name")
            c.Name = at;
        else if (f == "q")
            c.Q = at;
        else if (f == "a")
            c.A = at;
        else if (f == "e")
            c.E = at;
        else if (f == "i")
            c.I = at;
        else if (f == "w")
            c.W = at;
        else if (f == "om")
            c.Node = at;
        else if (f == "tp")
            c.Tp = at;
        else if (f == "ma")
            c.Ma = at;
        else if (f == "epoch")
            c.Epoch = at, c.EpochIsModified = false;
        else if (f == "epoch.mjd" || f == "epoch_mjd")
            c.Epoch = at, c.EpochIsModified = true;
        else if (f == "H")
            c.H = at;
        else if (f == "G")
            c.G = at;
        else if (f == "M1")
            c.M1 = at;
        else if (f == "K1")
            c.K1 = at;
    }
    return c;
}

bool IsCometName(std::string_view name) {
    name = TrimBlanks(name);
    std::size_t digits = 0;
    while (digits < name.size() && name[digits] >= '0' && name[digits] <= '9') ++digits;
    const std::size_t slash = name.find('/');
    if (digits > 0 && slash != std::string_view::npos && digits < name.size() &&
        (name[digits] == 'P' || name[digits] == 'D' || name[digits] == 'I'))
        return true;
    return name.size() > 2 && name[1] == '/' &&
           std::string_view("PCDXAI").find(name[0]) != std::string_view::npos;
}

// One data row as a body, or why not.
LineResult BodyOfRow(const JplColumns& c, const std::vector<JsonScalar>& row) {
    if (row.size() != c.Count)
        return std::to_string(row.size()) + " values for " + std::to_string(c.Count) + " fields";
    const auto text = [&](int at) -> const JsonScalar* {
        return at < 0 || row[at].Null ? nullptr : &row[at];
    };
    const auto number = [&](int at) -> std::optional<double> {
        const JsonScalar* s = text(at);
        return s != nullptr ? ParseNumberField(s->Text) : std::nullopt;
    };
    const JsonScalar* name = text(c.Name);
    if (name == nullptr || TrimBlanks(name->Text).empty()) return "no name";
    SmallBody body;
    body.Kind = IsCometName(name->Text) ? SmallBodyKind::Comet : SmallBodyKind::MinorPlanet;
    if (body.Kind == SmallBodyKind::Comet)
        SplitCometName(name->Text, body.Designation, body.Name);
    else
        SplitJplMinorPlanetName(name->Text, body.Designation, body.Name);

    const auto e = number(c.E), i = number(c.I), w = number(c.W), node = number(c.Node);
    if (!e) return "eccentricity missing or not a number";
    if (!i || !w || !node) return "an angle missing or not a number";
    if (*e < 0.0) return "eccentricity below 0";
    body.Eccentricity = *e;
    body.InclinationDeg = *i;
    body.PerihelionDeg = *w;
    body.NodeDeg = *node;

    const auto epochValue = number(c.Epoch);
    std::optional<double> epoch;
    if (epochValue) epoch = *epochValue + (c.EpochIsModified ? ModifiedJulianZero : 0.0);
    const auto q = number(c.Q), a = number(c.A), tp = number(c.Tp), ma = number(c.Ma);
    if (q) {
        body.PerihelionDistance = *q;
    } else if (a && *e < 1.0) {
        body.PerihelionDistance = *a * (1.0 - *e);
    } else {
        return "perihelion distance missing (no q, and no a of an ellipse)";
    }
    if (tp) {
        body.PerihelionTime = *tp;
    } else if (ma && epoch && *e < 1.0) {
        const double axis = body.PerihelionDistance / (1.0 - *e);
        if (!(axis > 0.0)) return "semi-major axis not above 0";
        body.PerihelionTime = *epoch - std::remainder(*ma, 360.0) /
                                           (std::sqrt(SunMu / (axis * axis * axis)) * DegreesPerRadian);
    } else {
        return "perihelion time missing (no tp, and no ma with an epoch)";
    }
    body.Epoch = epoch.value_or(body.PerihelionTime);

    if (body.Kind == SmallBodyKind::Comet) {
        body.Magnitude = number(c.M1).value_or(std::nan(""));
        body.Slope = number(c.K1).value_or(10.0);
    } else {
        body.Magnitude = number(c.H).value_or(std::nan(""));
        body.Slope = number(c.G).value_or(0.15);
    }
    if (const auto problem = ElementsProblem(body)) return std::string(*problem);
    return body;
}

void ReadJson(Source& source, ImportResult& result) {
    ProblemList problems(result);
    JsonReader json(source);
    std::optional<JplColumns> columns;
    std::uint64_t rows = 0;
    try {
        json.Expect('{');
        if (json.PeekToken() == '}') throw JsonError{"an empty object: no \"fields\" and no \"data\""};
        bool sawData = false;
        do {
            const std::string key = json.String();
            json.Expect(':');
            if (key == "fields") {
                std::vector<std::string> fields;
                json.Expect('[');
                if (json.PeekToken() != ']') {
                    do fields.push_back(json.String());
                    while (json.Next(']'));
                } else {
                    json.Expect(']');
                }
                columns = ColumnsOf(fields);
            } else if (key == "data") {
                if (!columns) throw JsonError{"\"data\" before \"fields\": the rows cannot be read"};
                sawData = true;
                json.Expect('[');
                if (json.PeekToken() == ']') {
                    json.Expect(']');
                    continue;
                }
                do {
                    ++rows;
                    json.PeekToken();  // the row's own line, past the blanks before it
                    const std::uint64_t line = source.Line();
                    std::vector<JsonScalar> row;
                    std::string nested;
                    json.Expect('[');
                    if (json.PeekToken() != ']') {
                        do {
                            try {
                                row.push_back(json.Scalar());
                            } catch (const JsonReader::NestedValue&) {
                                nested = "a list or object among the values";
                                row.emplace_back();
                            }
                        } while (json.Next(']'));
                    } else {
                        json.Expect(']');
                    }
                    LineResult r = nested.empty() ? BodyOfRow(*columns, row) : LineResult(nested);
                    if (auto* body = std::get_if<SmallBody>(&r))
                        result.Bodies.push_back(std::move(*body));
                    else
                        problems.Add(line, rows, std::move(std::get<std::string>(r)));
                } while (json.Next(']'));
            } else {
                json.SkipValue(0);
            }
        } while (json.Next('}'));
        if (!sawData) problems.Add(source.Line(), 0, "no \"data\" list");
    } catch (const JsonError& error) {
        if (!source.Cancelled() && !source.ReadFailed())
            problems.Add(source.Line(), 0, "JSON: " + error.Reason + "; the rest of the file is not read");
    }
}

ImportResult ReadSource(Source& source) {
    ImportResult result;
    std::string_view head = source.Head();
    if (head.substr(0, 3) == "\xEF\xBB\xBF") {
        for (int k = 0; k < 3; ++k) source.Get();
        head = source.Head();
    }
    if (head.empty()) {
        if (!source.ReadFailed()) result.Problems.push_back({0, 0, "the file is empty"});
    } else if (std::memchr(head.data(), '\0', head.size()) != nullptr) {
        result.Problems.push_back({0, 0, "not a text file (it holds NUL bytes)"});
    } else {
        const std::size_t first = head.find_first_not_of(" \t\r\n");
        if (first != std::string_view::npos && head[first] == '{')
            ReadJson(source, result);
        else
            ReadLines(source, result);
        if (result.Bodies.empty() && result.Problems.empty())
            result.Problems.push_back({0, 0, "the file holds no bodies"});
    }
    if (source.ReadFailed()) {
        result.Unreadable = true;
        result.Problems.push_back({0, 0, std::string("read error: ") + std::strerror(source.ReadError())});
    }
    result.Cancelled = source.Cancelled();
    result.ProblemCount = std::max<std::uint64_t>(result.ProblemCount, result.Problems.size());
    return result;
}

}  // namespace

std::string ProblemText(const ImportProblem& problem) {
    if (problem.Row > 0)
        return "row " + std::to_string(problem.Row) + " (line " + std::to_string(problem.Line) +
               "): " + problem.Reason;
    if (problem.Line > 0) return "line " + std::to_string(problem.Line) + ": " + problem.Reason;
    return problem.Reason;
}

std::string ProblemSummary(const ImportResult& result) {
    if (result.Problems.empty()) return "no problems";
    const bool rows = result.Problems[0].Row > 0;
    std::string text = std::to_string(result.ProblemCount) + (rows ? " row" : " line") +
                       (result.ProblemCount == 1 ? "" : "s") + " not read";
    if (result.Problems[0].Line == 0) return result.Problems[0].Reason;
    return text + " (first: " + ProblemText(result.Problems[0]) + ")";
}

ImportResult ImportElementsFile(const std::string& path, const ImportProgress& progress) {
    const bool standardInput = path == "-";
    std::FILE* file = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        ImportResult result;
        result.Unreadable = true;
        result.Problems.push_back({0, 0, std::strerror(errno)});
        result.ProblemCount = 1;
        return result;
    }
    struct stat info {};
    std::uint64_t total = 0;
    if (fstat(fileno(file), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            if (!standardInput) std::fclose(file);
            ImportResult result;
            result.Unreadable = true;
            result.Problems.push_back({0, 0, std::strerror(EISDIR)});
            result.ProblemCount = 1;
            return result;
        }
        if (S_ISREG(info.st_mode)) total = static_cast<std::uint64_t>(info.st_size);
    }
    Source source(file, total, progress);
    ImportResult result = ReadSource(source);
    if (!standardInput) std::fclose(file);
    return result;
}

ImportResult ImportElementsText(std::string_view text) {
    Source source(text);
    return ReadSource(source);
}

}  // namespace kolvar
