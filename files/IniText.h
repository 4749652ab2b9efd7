#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of a private-profile (INI) file, read and edited the way the
// Windows profile functions do it, so a settings file moves between the two
// platforms unchanged. Lines end in CR LF, LF or a lone CR; a UTF-8 byte
// order mark at the start is skipped. "[Name]" starts a section, "Key=Value" sets a key and
// a line whose first non-blank character is ';' is a comment. Names are
// compared without regard to ASCII case, with blanks around them ignored.
// Only the first section of a name counts, and within it the first key.
namespace files::ini {

// The value of Entry in Section, with surrounding blanks and one pair of
// matching quotes removed; nullopt when the section or the key is missing.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view entry);

// The text with Entry in Section set to Value: the first matching key line is
// rewritten where it stands, a missing key goes after the last non-blank line
// of its section, a missing section goes to the end of the file. All other
// bytes are kept. nullopt when the names or the value cannot be stored as an
// INI line (line breaks or NUL anywhere, an Entry that is empty, holds '=' or
// would read back as a comment or a section header).
std::optional<std::string> WithValue(std::string_view text, std::string_view section,
                                     std::string_view entry, std::string_view value);

}  // namespace files::ini
