#pragma once

#include "Canvas.h"
#include "graphics/SheetSizes.h"

namespace art {

inline constexpr int kFieldWidth = graphics::kPlayFieldSize.width;
inline constexpr int kFieldHeight = graphics::kPlayFieldSize.height;

Canvas MakeCharacterSheet();                              // default_c: 192 x 16
Canvas MakeSchoolScene();                                 // default_m: 400 x 200
Canvas MakeBeatingScene();                                // default_b: 400 x 200
Canvas MakeJudgeScene();                                  // default_f: 400 x 200
Canvas MakePunchSheet();                                  // default_p: 290 x 58
Canvas MakeSplashPicture(const Canvas& characterSheet);   // default_s: 110 x 140
Canvas MakeIcon(int size, const Canvas& characterSheet);  // desktop icon, transparent corners

}  // namespace art
