#pragma once

#include <optional>
#include <string>
#include <string_view>

// The encodings a private-profile file can be in. Windows reads and writes a
// file that starts with a UTF-16 byte order mark as UTF-16, any other file
// byte for byte; so does this, and it hands UTF-16 text on as UTF-8, keeping
// every other file's bytes as they are.
namespace files::ini {

enum class Encoding { kBytes, kUtf16Le, kUtf16Be };

struct DecodedText {
    Encoding encoding = Encoding::kBytes;
    std::string text;  // without a UTF-16 byte order mark
};

// nullopt when the bytes after a UTF-16 byte order mark are not UTF-16.
std::optional<DecodedText> Decode(std::string_view bytes);

// The file's bytes, byte order mark included; nullopt when UTF-16 is asked
// for and the text is not UTF-8. Encode(Decode(bytes)) gives the bytes back.
std::optional<std::string> Encode(const DecodedText& decoded);

}  // namespace files::ini
