#pragma once

#include <string>

namespace files {

inline constexpr char kPathSeparator = '/';

// The folder holding the running executable, with exactly one trailing
// separator, so callers can append a file name directly.
std::string AppFolder();

}  // namespace files
