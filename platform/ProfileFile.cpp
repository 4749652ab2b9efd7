#include "platform/ProfileFile.h"

#include <cstddef>
#include <optional>
#include <utility>

#include "platform/AtomicFile.h"
#include "platform/IniText.h"

namespace ProfileFile {
namespace {

// The Windows call copies into a buffer of this many characters, NUL
// included, and callers only ever saw what fitted.
constexpr std::size_t kProfileBufferSize = 32767;

std::string AsReturnedFromBuffer(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return std::string{text.substr(0, kProfileBufferSize - 1)};
}

}  // namespace

std::string ReadProfileString(std::string_view section, std::string_view entry,
                              std::string_view defaultText, const std::string& iniPath) {
    const platform::FileContents file = platform::ReadWholeFile(iniPath, kLargestProfileFile);
    if (file.state != platform::FileState::kRead) {
        return AsReturnedFromBuffer(defaultText);
    }
    const std::optional<std::string_view> value =
        platform::ini::FindValue(file.bytes, section, entry);
    return AsReturnedFromBuffer(value.value_or(defaultText));
}

bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value,
                        const std::string& iniPath) {
    const ProfileEdit edit{section, entry, value};
    return WriteProfileStrings(iniPath, {&edit, 1});
}

bool WriteProfileStrings(const std::string& iniPath, std::span<const ProfileEdit> edits) {
    if (edits.empty()) {
        return true;
    }
    platform::FileContents file = platform::ReadWholeFile(iniPath, kLargestProfileFile);
    // A file that exists but cannot be read must not be replaced by one that
    // holds only the new keys.
    if (file.state != platform::FileState::kRead && file.state != platform::FileState::kMissing) {
        return false;
    }
    std::string text = std::move(file.bytes);
    for (const ProfileEdit& edit : edits) {
        std::optional<std::string> updated =
            platform::ini::WithValue(text, edit.section, edit.entry, edit.value);
        if (!updated) {
            return false;
        }
        text = std::move(*updated);
    }
    return platform::ReplaceFileAtomically(iniPath, text);
}

}  // namespace ProfileFile
