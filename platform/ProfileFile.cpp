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

std::string ReadProfileString(std::string_view Section, std::string_view Entry,
                              std::string_view DefaultText, const std::string& IniPath) {
    const platform::FileContents file = platform::ReadWholeFile(IniPath, kLargestProfileFile);
    if (file.state != platform::FileState::kRead) {
        return AsReturnedFromBuffer(DefaultText);
    }
    const std::optional<std::string_view> value =
        platform::ini::FindValue(file.bytes, Section, Entry);
    return AsReturnedFromBuffer(value.value_or(DefaultText));
}

bool WriteProfileString(std::string_view Section, std::string_view Entry, std::string_view Value,
                        const std::string& IniPath) {
    const ProfileEdit edit{Section, Entry, Value};
    return WriteProfileStrings(IniPath, {&edit, 1});
}

bool WriteProfileStrings(const std::string& IniPath, std::span<const ProfileEdit> edits) {
    if (edits.empty()) {
        return true;
    }
    platform::FileContents file = platform::ReadWholeFile(IniPath, kLargestProfileFile);
    // A file that exists but cannot be read must not be replaced by one that
    // holds only the new keys.
    if (file.state != platform::FileState::kRead && file.state != platform::FileState::kMissing) {
        return false;
    }
    std::string text = std::move(file.bytes);
    for (const ProfileEdit& edit : edits) {
        std::optional<std::string> updated =
            platform::ini::WithValue(text, edit.Section, edit.Entry, edit.Value);
        if (!updated) {
            return false;
        }
        text = std::move(*updated);
    }
    return platform::ReplaceFileAtomically(IniPath, text);
}

}  // namespace ProfileFile
