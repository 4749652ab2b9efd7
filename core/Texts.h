#pragma once

#include <string_view>

// Every message the game shows, in one place.
namespace game::texts {

inline constexpr std::string_view kGameOver = "ゲームオーバー ";
inline constexpr std::string_view kPointsSuffix = "pts";
inline constexpr std::string_view kDied = "は息絶えました．";
inline constexpr std::string_view kKnockOutCaption = "Got ";
inline constexpr std::string_view kKnockOutCaptionSuffix = " pts";
inline constexpr std::string_view kReplacement = "代わりに";
inline constexpr std::string_view kJudgePenalty =
    "無実のフェンドルを殴ってしまって裁判官に殴られストレスアップ";

}  // namespace game::texts
