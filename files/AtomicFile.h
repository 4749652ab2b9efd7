#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "files/TrustedPath.h"
#include "files/UniqueFd.h"

// Whole-file access for small files that must never be left half written.
// Symbolic links are followed only as FollowTrustedLinks allows; any other
// link reads as an unreadable file and is never written through.
namespace files {

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
// the target is not a regular file, is a dangling symbolic link, belongs to
// another user, or is read-only: its owner's write bit is clear (which stops
// root too, as a read-only attribute would) or this process may not write it.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// One read and one replace of a file, with every other FileUpdate of a file
// in the same folder waiting in between, so two processes updating it never
// lose each other's changes. The lock is on the folder that holds the file,
// which outlives the renames that replace the file and needs no extra file.
// Where the filesystem has no such locks, or the lock stays taken for longer
// than any save takes, the update goes ahead without it.
class FileUpdate {
public:
    FileUpdate(const std::string& path, std::size_t maxBytes);
    FileUpdate(const FileUpdate&) = delete;
    FileUpdate& operator=(const FileUpdate&) = delete;

    // As ReadWholeFile gives them, read once the lock was taken.
    const FileContents& Contents() const { return contents_; }

    // As ReplaceFileAtomically, and refused as well when the contents could
    // not be read (a missing file can be made) or the bytes are longer than
    // maxBytes, so what is written will read back.
    bool Replace(std::string_view bytes);

private:
    TrustedPath target_;
    UniqueFd lock_{-1};
    std::size_t maxBytes_;
    FileContents contents_;
};

}  // namespace files
