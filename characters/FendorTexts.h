#pragma once

#include <string_view>

namespace characters::fendor_texts {

inline constexpr std::string_view kGraduated = "は卒業しました．";
inline constexpr std::string_view kEnrolled = "が入学しました．";
inline constexpr std::string_view kLevelTag = "; Lv";

}  // namespace characters::fendor_texts
