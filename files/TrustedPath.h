#pragma once

#include <sys/stat.h>

#include <string>

#include "files/UniqueFd.h"

namespace files {

// Where a path leads when a symbolic link is followed only if the player (the
// effective user) owns it, or root owns both it and the folder that holds it.
// Another user who may write to a folder on the way can plant a link there,
// but never one that passes, so the game never reads or writes the player's
// other files on their behalf. This holds whatever the kernel's own
// protected_symlinks setting is.
struct TrustedPath {
    enum class State {
        kFound,    // something stands at the end: `info` tells what
        kAbsent,   // the last name is free in an existing folder
        kMissing,  // a folder on the way is missing or is not a folder
        kRefused,  // a link that does not pass, a loop, or an error
    };
    State state = State::kRefused;
    UniqueFd folder{-1};     // the folder that holds `name`, opened as a path only
    std::string folderPath;  // the same folder, every link on the way followed
    std::string name;
    bool throughLink = false;  // the last name is where a link led
    struct stat info {};       // of `name` itself, when found

    std::string Path() const { return folderPath + "/" + name; }
};

TrustedPath FollowTrustedLinks(const std::string& path);

}  // namespace files
