#include "files/IniText.h"

#include <algorithm>
#include <cstddef>

namespace files::ini {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Files made here end their lines in CR LF, as Windows writes them, so a
// settings file reads the same on either platform. An existing file keeps the
// line ending its first line uses, a lone CR included.
constexpr std::string_view kNewFileLineEnd = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string_view Unquote(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

std::string_view Body(std::string_view text) {
    return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

// The first line end of the text: CR LF, LF or a lone CR.
std::string_view LineEndOf(std::string_view text) {
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) {
        return kNewFileLineEnd;
    }
    return text.substr(at, text.substr(at).starts_with("\r\n") ? 2 : 1);
}

bool EndsInLineEnd(std::string_view text) {
    return text.ends_with('\n') || text.ends_with('\r');
}

// Offsets into the whole text; [begin, contentEnd) is the line without its
// break, [contentEnd, end) the break itself (empty on a last unended line).
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
};

class LineReader {
public:
    explicit LineReader(std::string_view text)
        : text_(text), pos_(text.size() - Body(text).size()) {}

    std::optional<Line> Next() {
        if (pos_ >= text_.size()) {
            return std::nullopt;
        }
        Line line{pos_, text_.size(), text_.size()};
        const std::size_t lineEnd = text_.find_first_of("\r\n", pos_);
        if (lineEnd != std::string_view::npos) {
            line.contentEnd = lineEnd;
            line.end = lineEnd + LineEndOf(text_.substr(lineEnd)).size();
        }
        pos_ = line.end;
        return line;
    }

private:
    std::string_view text_;
    std::size_t pos_;
};

enum class LineKind { kBlank, kComment, kHeader, kKey, kOther };

struct ParsedLine {
    LineKind kind = LineKind::kOther;
    std::string_view name;
    std::string_view rawValue;
};

ParsedLine Parse(std::string_view content) {
    const std::string_view s = Trim(content);
    if (s.empty()) {
        return {LineKind::kBlank, {}, {}};
    }
    if (s.front() == ';') {
        return {LineKind::kComment, {}, {}};
    }
    if (s.front() == '[') {
        // The last ']' closes the name, so a name holding ']' survives a
        // write and a read; a header that never closes is ignored.
        const std::size_t close = s.rfind(']');
        if (close == std::string_view::npos) {
            return {LineKind::kOther, {}, {}};
        }
        return {LineKind::kHeader, Trim(s.substr(1, close - 1)), {}};
    }
    const std::size_t equals = s.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::kOther, {}, {}};
    }
    return {LineKind::kKey, Trim(s.substr(0, equals)), s.substr(equals + 1)};
}

struct SectionScan {
    bool sectionFound = false;
    std::optional<Line> keyLine;
    std::string_view keyName;
    std::string_view rawValue;
    Line lastNonBlank;
};

SectionScan Scan(std::string_view text, std::string_view section, std::string_view entry) {
    SectionScan scan;
    bool inside = false;
    LineReader lines(text);
    while (const std::optional<Line> line = lines.Next()) {
        const ParsedLine parsed = Parse(text.substr(line->begin, line->contentEnd - line->begin));
        if (parsed.kind == LineKind::kHeader) {
            if (inside) {
                break;
            }
            if (SameName(parsed.name, section)) {
                inside = true;
                scan.sectionFound = true;
                scan.lastNonBlank = *line;
            }
            continue;
        }
        if (!inside) {
            continue;
        }
        if (parsed.kind != LineKind::kBlank) {
            scan.lastNonBlank = *line;
        }
        if (parsed.kind == LineKind::kKey && SameName(parsed.name, entry)) {
            scan.keyLine = *line;
            scan.keyName = parsed.name;
            scan.rawValue = parsed.rawValue;
            break;
        }
    }
    return scan;
}

bool HoldsLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view{"\r\n\0", 3}) != std::string_view::npos;
}

bool CanStore(std::string_view section, std::string_view entry, std::string_view value) {
    if (HoldsLineBreakOrNul(section) || HoldsLineBreakOrNul(entry) || HoldsLineBreakOrNul(value)) {
        return false;
    }
    const std::string_view key = Trim(entry);
    return !key.empty() && key.find('=') == std::string_view::npos && key.front() != ';' &&
           key.front() != '[';
}

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    return line;
}

}  // namespace

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view entry) {
    const SectionScan scan = Scan(text, section, entry);
    if (!scan.keyLine) {
        return std::nullopt;
    }
    return Unquote(Trim(scan.rawValue));
}

std::optional<std::string> WithValue(std::string_view text, std::string_view section,
                                     std::string_view entry, std::string_view value) {
    if (!CanStore(section, entry, value)) {
        return std::nullopt;
    }
    const std::string_view lineEnd = LineEndOf(text);
    const SectionScan scan = Scan(text, section, entry);
    std::string out;
    out.reserve(text.size() + section.size() + entry.size() + value.size() + 8);

    if (scan.keyLine) {
        out.append(text.substr(0, scan.keyLine->begin));
        out.append(KeyLine(scan.keyName, value));
        out.append(text.substr(scan.keyLine->contentEnd));
    } else if (scan.sectionFound) {
        const Line& last = scan.lastNonBlank;
        out.append(text.substr(0, last.end));
        if (last.contentEnd == last.end) {
            out.append(lineEnd);
        }
        out.append(KeyLine(Trim(entry), value)).append(lineEnd);
        out.append(text.substr(last.end));
    } else {
        out.append(text);
        if (!Body(text).empty() && !EndsInLineEnd(text)) {
            out.append(lineEnd);
        }
        out.append("[").append(Trim(section)).append("]").append(lineEnd);
        out.append(KeyLine(Trim(entry), value)).append(lineEnd);
    }
    return out;
}

}  // namespace files::ini
