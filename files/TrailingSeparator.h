#pragma once

#include <string>

#include "files/AppFolder.h"

namespace files {

// Callers append file names directly, so a folder needs exactly one separator
// at its end. A root folder already ends in one and is left as it is.
inline std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != kPathSeparator) {
        folder.push_back(kPathSeparator);
    }
    return folder;
}

}  // namespace files
