#include "files/IniEncoding.h"

#include <cstddef>
#include <cstdint>

namespace files::ini {
namespace {

constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t c) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80) {
        out += byte(c);
    } else if (c < 0x800) {
        out += byte(0xC0 | (c >> 6));
        out += byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += byte(0xE0 | (c >> 12));
        out += byte(0x80 | ((c >> 6) & 0x3F));
        out += byte(0x80 | (c & 0x3F));
    } else {
        out += byte(0xF0 | (c >> 18));
        out += byte(0x80 | ((c >> 12) & 0x3F));
        out += byte(0x80 | ((c >> 6) & 0x3F));
        out += byte(0x80 | (c & 0x3F));
    }
}

void AppendUnit(std::string& out, char16_t unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// The next code point of UTF-8 text, or nullopt for an ill-formed sequence
// (overlong forms, surrogates and values past U+10FFFF included).
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<uint8_t>(text[at++]);
    if (lead < 0x80) {
        return lead;
    }
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (extra == 0 || lead > 0xF4 || text.size() - at < static_cast<std::size_t>(extra)) {
        return std::nullopt;
    }
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<uint8_t>(text[at++]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < kSmallest[extra] || c > 0x10FFFF || IsSurrogate(c)) {
        return std::nullopt;
    }
    return c;
}

}  // namespace

std::optional<DecodedText> Decode(std::string_view bytes) {
    const bool little = bytes.starts_with(kLittleEndianMark);
    if (!little && !bytes.starts_with(kBigEndianMark)) {
        return DecodedText{Encoding::kBytes, std::string{bytes}};
    }
    bytes.remove_prefix(2);
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    DecodedText decoded{little ? Encoding::kUtf16Le : Encoding::kUtf16Be, {}};
    decoded.text.reserve(bytes.size() / 2);
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<uint8_t>(bytes[i]);
        const auto second = static_cast<uint8_t>(bytes[i + 1]);
        return static_cast<char32_t>(little ? first | second << 8 : first << 8 | second);
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t c = unitAt(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 2 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (IsSurrogate(c)) {
            return std::nullopt;
        }
        AppendUtf8(decoded.text, c);
    }
    return decoded;
}

std::optional<std::string> Encode(const DecodedText& decoded) {
    if (decoded.encoding == Encoding::kBytes) {
        return decoded.text;
    }
    const bool bigEndian = decoded.encoding == Encoding::kUtf16Be;
    std::string out{bigEndian ? kBigEndianMark : kLittleEndianMark};
    out.reserve(2 + decoded.text.size() * 2);
    for (std::size_t at = 0; at < decoded.text.size();) {
        const std::optional<char32_t> c = NextUtf8(decoded.text, at);
        if (!c) {
            return std::nullopt;
        }
        if (*c < 0x10000) {
            AppendUnit(out, static_cast<char16_t>(*c), bigEndian);
        } else {
            AppendUnit(out, static_cast<char16_t>(0xD800 + ((*c - 0x10000) >> 10)), bigEndian);
            AppendUnit(out, static_cast<char16_t>(0xDC00 + ((*c - 0x10000) & 0x3FF)), bigEndian);
        }
    }
    return out;
}

}  // namespace files::ini
