#pragma once

#include <string>
#include <string_view>

// Private-profile (INI) files: sections in [brackets], key=value lines,
// ';' comments. Names are matched without regard to case.
namespace ProfileFile {

// The value of Entry in Section, or DefaultText when the file, the section or
// the key is missing. A key present with an empty value gives "".
std::string ReadProfileString(std::string_view Section, std::string_view Entry,
                              std::string_view DefaultText, const std::string& IniPath);

// Sets Entry in Section to Value, creating the key, the section or the file
// as needed and keeping every other line. The file is replaced atomically.
// Returns false when the write could not be done; the old file is then intact.
bool WriteProfileString(std::string_view Section, std::string_view Entry, std::string_view Value,
                        const std::string& IniPath);

}  // namespace ProfileFile
