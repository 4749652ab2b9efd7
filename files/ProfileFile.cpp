#include "files/ProfileFile.h"

#include <cstddef>
#include <optional>
#include <utility>

#include "files/IniText.h"

namespace files {
namespace {

// The Windows call copies into a buffer of this many characters, NUL
// included, and callers only ever saw what fitted.
constexpr std::size_t kProfileBufferSize = 32767;

std::string AsReturnedFromBuffer(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return std::string{text.substr(0, kProfileBufferSize - 1)};
}

}  // namespace

// A file that cannot be read, or is UTF-16 in name only, is left untouched:
// Edited refuses, and every value reads as missing.
Profile::Profile(const FileContents& file) {
    const bool read = file.state == FileState::kRead;
    std::optional<ini::DecodedText> decoded = read ? ini::Decode(file.bytes) : std::nullopt;
    editable_ = decoded.has_value() || file.state == FileState::kMissing;
    if (decoded) {
        text_ = std::move(*decoded);
    }
}

std::optional<std::string> Profile::Value(std::string_view section, std::string_view entry) const {
    const std::optional<std::string_view> value = ini::FindValue(text_.text, section, entry);
    if (!value) {
        return std::nullopt;
    }
    return AsReturnedFromBuffer(*value);
}

std::optional<std::string> Profile::Edited(std::span<const ProfileEdit> edits) const {
    if (!editable_) {
        return std::nullopt;
    }
    ini::DecodedText edited = text_;
    for (const ProfileEdit& edit : edits) {
        std::optional<std::string> updated =
            ini::WithValue(edited.text, edit.section, edit.entry, edit.value);
        if (!updated) {
            return std::nullopt;
        }
        edited.text = std::move(*updated);
    }
    return ini::Encode(edited);
}

Profile ReadProfile(const std::string& iniPath) {
    return Profile{ReadWholeFile(iniPath, kLargestProfileFile)};
}

ProfileUpdate::ProfileUpdate(const std::string& iniPath)
    : file_(iniPath, kLargestProfileFile), current_(file_.Contents()) {}

bool ProfileUpdate::Commit(std::span<const ProfileEdit> edits) {
    if (edits.empty()) {
        return true;
    }
    const std::optional<std::string> bytes = current_.Edited(edits);
    return bytes && file_.Replace(*bytes);
}

std::string ReadProfileString(std::string_view section, std::string_view entry,
                              std::string_view defaultText, const std::string& iniPath) {
    return ReadProfile(iniPath).Value(section, entry).value_or(AsReturnedFromBuffer(defaultText));
}

bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value,
                        const std::string& iniPath) {
    const ProfileEdit edit{section, entry, value};
    return WriteProfileStrings(iniPath, {&edit, 1});
}

bool WriteProfileStrings(const std::string& iniPath, std::span<const ProfileEdit> edits) {
    ProfileUpdate file(iniPath);
    return file.Commit(edits);
}

}  // namespace files
