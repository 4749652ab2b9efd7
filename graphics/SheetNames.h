#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace graphics {

// Every sprite of every sheet is cut out against white.
inline constexpr uint32_t kTransparentColour = 0xFFFFFF;

// <app folder>fdata/default_<letter>.bmp
std::string SheetPath(std::string_view appFolder, std::string_view sheetName);
// The punch sound beside the sheets: <app folder>fdata/default_p.wav
std::string PunchSoundPath(std::string_view appFolder);

}  // namespace graphics
