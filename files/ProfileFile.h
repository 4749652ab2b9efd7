#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "files/AtomicFile.h"
#include "files/IniEncoding.h"

// Private-profile (INI) files: sections in [brackets], key=value lines,
// ';' comments. Names are matched without regard to case.
//
// A settings file is a few hundred bytes; one longer than
// kLargestProfileFile is not ours to read or rewrite, so it reads as missing
// and writing to it fails, leaving it as it is. No write makes a file longer
// than that, so a file written here always reads back.
namespace files {

inline constexpr std::size_t kLargestProfileFile = std::size_t{1} << 20;

struct ProfileEdit {
    std::string_view section;
    std::string_view entry;
    std::string_view value;
};

// A profile file's text as it was read once.
class Profile {
public:
    Profile() = default;  // no file at all
    explicit Profile(const FileContents& file);

    // The value as ReadProfileString gives it; nullopt when the file, the
    // section or the key is missing or the file cannot be read.
    std::optional<std::string> Value(std::string_view section, std::string_view entry) const;

    // The file's new bytes once the edits are made, in the file's own
    // encoding; nullopt when one of them cannot be stored, or the file could
    // not be read and so must not be replaced by one that holds only the
    // edits.
    std::optional<std::string> Edited(std::span<const ProfileEdit> edits) const;

private:
    bool editable_ = true;
    ini::DecodedText text_;
};

Profile ReadProfile(const std::string& iniPath);

// A profile file read and then written once, with other processes that
// update it waiting in between, so each can merge what the other wrote.
class ProfileUpdate {
public:
    explicit ProfileUpdate(const std::string& iniPath);

    // What the file holds now.
    const Profile& Current() const { return current_; }

    // Replaces the file atomically with the edits made to Current(); false,
    // with the old file intact, when they cannot all be stored, the result
    // would be longer than kLargestProfileFile, or the file is not ours to
    // replace (see ReplaceFileAtomically).
    bool Commit(std::span<const ProfileEdit> edits);

private:
    FileUpdate file_;
    Profile current_;
};

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

// Applies the edits in order, each as WriteProfileString would, and replaces
// the file once, so it holds either none of them or all of them. Fails,
// writing nothing, when any one of them cannot be stored.
bool WriteProfileStrings(const std::string& iniPath, std::span<const ProfileEdit> edits);

}  // namespace files
