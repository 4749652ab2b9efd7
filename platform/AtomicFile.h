#pragma once

#include <string>
#include <string_view>

// Whole-file access for small files that must never be left half written.
namespace platform {

enum class FileState { kRead, kMissing, kUnreadable };

struct FileContents {
    FileState state = FileState::kMissing;
    std::string bytes;
};

// kMissing when nothing exists at the path (or a folder on the way is
// missing or is not a folder); kUnreadable for anything else that is not a
// readable regular file, such as a folder or a file without read permission.
FileContents ReadWholeFile(const std::string& path);

// Writes the bytes to a new file in the target's folder and renames it over
// the target, so a reader sees either the old file or the new one, and a
// crash or a full disk never leaves a truncated file. An existing target keeps
// its permission bits, and one without write permission (for anyone, root
// included) is not replaced; a symbolic link is written through. Returns false, with
// the old file untouched and no temporary file left, when any step fails.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace platform
