#pragma once

#include <cstdint>

#include "graphics/SheetNames.h"

namespace art {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The sheets' transparent colour; nothing that should be seen may use it.
inline constexpr Rgb kTransparent{
    static_cast<uint8_t>(graphics::kTransparentColour & 0xFF),
    static_cast<uint8_t>((graphics::kTransparentColour >> 8) & 0xFF),
    static_cast<uint8_t>((graphics::kTransparentColour >> 16) & 0xFF)};

// PICO-8's sixteen, plus a few of its extended shades for shadows and highlights.
// Its "white" is already the off-white the sprite sheets need.
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kNavy{29, 43, 83};
inline constexpr Rgb kPlum{126, 37, 83};
inline constexpr Rgb kForest{0, 135, 81};
inline constexpr Rgb kBrown{171, 82, 54};
inline constexpr Rgb kSlate{95, 87, 79};
inline constexpr Rgb kSilver{194, 195, 199};
inline constexpr Rgb kWhite{255, 241, 232};
inline constexpr Rgb kRed{255, 0, 77};
inline constexpr Rgb kOrange{255, 163, 0};
inline constexpr Rgb kYellow{255, 236, 39};
inline constexpr Rgb kGreen{0, 228, 54};
inline constexpr Rgb kSky{41, 173, 255};
inline constexpr Rgb kLavender{131, 118, 156};
inline constexpr Rgb kPink{255, 119, 168};
inline constexpr Rgb kPeach{255, 204, 170};

inline constexpr Rgb kInk{41, 24, 20};
inline constexpr Rgb kMidnight{17, 29, 53};
inline constexpr Rgb kMaroon{66, 33, 54};
inline constexpr Rgb kTeal{18, 83, 89};
inline constexpr Rgb kDarkBrown{116, 47, 41};
inline constexpr Rgb kCharcoal{73, 51, 59};
inline constexpr Rgb kTaupe{162, 136, 121};
inline constexpr Rgb kCream{243, 239, 125};
inline constexpr Rgb kCrimson{190, 18, 80};
inline constexpr Rgb kTangerine{255, 108, 36};
inline constexpr Rgb kLime{168, 231, 46};
inline constexpr Rgb kGrass{0, 181, 67};
inline constexpr Rgb kCobalt{6, 90, 181};
inline constexpr Rgb kMauve{117, 70, 101};
inline constexpr Rgb kCoral{255, 110, 89};
inline constexpr Rgb kSalmon{255, 157, 129};

// One letter per colour so pixel maps stay readable as text. '.' is left untouched
// (transparent on a sheet), so it has no entry.
struct PaletteKey {
    char key;
    Rgb colour;
};

inline constexpr PaletteKey kPaletteKeys[] = {
    {'K', kBlack},     {'N', kNavy},     {'P', kPlum},     {'G', kForest},   {'B', kBrown},
    {'D', kSlate},     {'L', kSilver},   {'W', kWhite},    {'R', kRed},      {'O', kOrange},
    {'Y', kYellow},    {'g', kGreen},    {'b', kSky},      {'V', kLavender}, {'p', kPink},
    {'S', kPeach},     {'k', kInk},      {'n', kMidnight}, {'m', kMaroon},   {'t', kTeal},
    {'h', kDarkBrown}, {'d', kCharcoal}, {'T', kTaupe},    {'y', kCream},    {'r', kCrimson},
    {'o', kTangerine}, {'l', kLime},     {'e', kGrass},    {'c', kCobalt},   {'v', kMauve},
    {'C', kCoral},     {'s', kSalmon},
};

// Throws on an unknown key, so a typo in a pixel map stops the build.
Rgb ColourForKey(char key);

}  // namespace art
