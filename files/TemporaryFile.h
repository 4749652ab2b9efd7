#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

// New contents prepared beside the file they will replace. A temporary is
// named "<target's name>.<pid>-<count>.tmp" in the target's folder.
namespace files {

// Writes the bytes, with the given permission bits when there are any, to a
// synced file beside the target and returns its name, ready to be renamed
// over the target. The file is unnamed while it is written, so a process
// killed then leaves nothing behind; it gets its name only at the end. Where
// the filesystem has no unnamed files, a named one is written instead. On
// failure nothing is left and nullopt is returned.
std::optional<std::string> WriteTemporaryBeside(const std::string& target, std::string_view bytes,
                                                std::optional<mode_t> mode);

// The same with a named file throughout, as on a filesystem without unnamed
// files.
std::optional<std::string> WriteNamedTemporaryBeside(const std::string& target,
                                                     std::string_view bytes,
                                                     std::optional<mode_t> mode);

// Removes the temporaries of the target whose process has ended, left by a
// process killed before it renamed them. Other names, temporaries of running
// processes and anything but regular files are left alone.
void RemoveStaleTemporaries(const std::string& target);

// The folder part of a path: "." when it has none, "/" for the root.
std::string FolderOf(const std::string& path);

}  // namespace files
