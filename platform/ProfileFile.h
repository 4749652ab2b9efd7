#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// Private-profile (INI) files: sections in [brackets], key=value lines,
// ';' comments. Names are matched without regard to case.
//
// A settings file is a few hundred bytes; one longer than
// kLargestProfileFile is not ours to read or rewrite, so it reads as missing
// and writing to it fails, leaving it as it is.
namespace ProfileFile {

inline constexpr std::size_t kLargestProfileFile = std::size_t{1} << 20;

// The value of entry in section, or defaultText when the file, the section or
// the key is missing or the file cannot be read. A key present with an empty
// value gives "".
std::string ReadProfileString(std::string_view section, std::string_view entry,
                              std::string_view defaultText, const std::string& iniPath);

// Sets entry in section to value, creating the key, the section or the file
// as needed and keeping every other line. The file is replaced atomically.
// Returns false when the write could not be done; the old file is then intact.
// A read-only file, or anything at the path that is not a regular file, is
// not replaced.
bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value,
                        const std::string& iniPath);

struct ProfileEdit {
    std::string_view section;
    std::string_view entry;
    std::string_view value;
};

// Applies the edits in order, each as WriteProfileString would, and replaces
// the file once, so it holds either none of them or all of them. Fails,
// writing nothing, when any one of them cannot be stored.
bool WriteProfileStrings(const std::string& iniPath, std::span<const ProfileEdit> edits);

}  // namespace ProfileFile
