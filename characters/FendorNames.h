#pragma once

#include <array>
#include <string_view>

namespace characters {

// Indexed by round(NextUnitFloat() x 32), so the first and last names come up half as often.
extern const std::array<std::string_view, 33> FendorNames;

}  // namespace characters
