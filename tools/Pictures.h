#pragma once

#include "Canvas.h"
#include "graphics/SheetSizes.h"

namespace art {

inline constexpr int kFieldWidth = graphics::kPlayFieldSize.width;
inline constexpr int kFieldHeight = graphics::kPlayFieldSize.height;

Canvas makeCharacterSheet();                              // default_c: 192 x 16
Canvas makeSchoolScene();                                 // default_m: 400 x 200
Canvas makeBeatingScene();                                // default_b: 400 x 200
Canvas makeJudgeScene();                                  // default_f: 400 x 200
Canvas makePunchSheet();                                  // default_p: 290 x 58
Canvas makeSplashPicture(const Canvas& characterSheet);   // default_s: 110 x 140
Canvas makeIcon(int size, const Canvas& characterSheet);  // desktop icon, transparent corners

}  // namespace art
