#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole-file access for small files that must never be left half written.
namespace platform {

enum class FileState { kRead, kMissing, kTooLarge, kUnreadable };

struct FileContents {
    FileState state = FileState::kMissing;
    std::string bytes;
};

// kMissing when nothing exists at the path (a dangling symbolic link, or a
// folder on the way missing or not a folder); kTooLarge for a regular file
// longer than maxBytes, of which nothing is read; kUnreadable for anything
// else that is not a readable regular file, such as a folder or a file
// without read permission. Pipes and devices are never opened, so nothing
// at the path can make the call wait.
FileContents ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Writes the bytes to a new file in the target's folder and renames it over
// the target, so a reader sees either the old file or the new one, and a
// crash or a full disk never leaves a truncated file; temporaries that a
// killed process left for the same target are removed first. An existing
// target keeps its permission bits; a symbolic link is written through to
// the file it names. Returns false, with the old file untouched and no
// temporary file left, when any step fails, and refuses without writing when
// the target is not a regular file, is a dangling symbolic link, or is
// read-only: its owner's write bit is clear (which stops root too, as a
// read-only attribute would) or this process may not write it.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace platform
