#pragma once

#include <cstdint>

#include "graphics/Surface.h"

// The sizes of the sprite sheets and of the surfaces they are loaded into.
namespace graphics {

// The play field, its mirror, and the scene sheets m, b and f.
inline constexpr Size kPlayFieldSize{400, 200};
// The surface the character sheet c is loaded into; the sheet fills its top-left corner.
inline constexpr Size kFendorSurfaceSize{285, 69};
// The punch sheet p and its surface: the fist's cell and the trail's side by side.
inline constexpr Size kPunchSheetSize{290, 58};
// The splash sheet s of the title window.
inline constexpr Size kSplashSize{110, 140};
// A square cell of the character sheet: one body part in one walking frame.
// Each part has two cells side by side, one per frame.
inline constexpr int32_t kCellSize = 16;

}  // namespace graphics
