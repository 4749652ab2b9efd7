#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Every message the game shows, in one place.
namespace game::texts {

inline constexpr std::string_view kGameOver = "ゲームオーバー ";
// Right after the number in the game-over box.
inline constexpr std::string_view kPointsSuffix = "pts";
inline constexpr std::string_view kDied = "は息絶えました．";
inline constexpr std::string_view kKnockOutCaption = "Got ";
inline constexpr std::string_view kReplacement = "代わりに";
inline constexpr std::string_view kJudgePenalty =
    "無実のフェンドルを殴ってしまって裁判官に殴られストレスアップ";

// The units after a number, in the boxes and on both windows.
inline constexpr std::string_view kPointsUnit = " pts";
inline constexpr std::string_view kHitsUnit = " Hits";
inline constexpr std::string_view kHitsPerSecondUnit = " hps";

// A number as the player sees it: plain decimal, then what follows it.
inline std::string Number(int32_t value, std::string_view after = {}) {
    return std::to_string(value).append(after);
}

}  // namespace game::texts
