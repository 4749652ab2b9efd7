#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "core/Game.h"
#include "platform/ProfileFile.h"

namespace game {
namespace {

constexpr std::string_view kScores = "Scores";
constexpr std::string_view kControls = "Control Settings";

// Decimal with an optional sign and surrounding blanks. Anything else, or a
// value that does not fit the field, falls back to the field's default, so a
// damaged settings file never keeps the game from starting.
template <typename T>
T ParseOr(std::string_view text, T fallback) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    // A plus sign may stand only before a digit; from_chars takes the minus itself.
    if (text.size() >= 2 && text.front() == '+' && text[1] >= '0' && text[1] <= '9')
        text.remove_prefix(1);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
        return fallback;
    }
    return static_cast<T>(value);
}

template <typename T>
T ReadField(std::string_view section, std::string_view key, T fallback, const std::string& path) {
    const std::string defaultText = std::to_string(fallback);
    return ParseOr<T>(ProfileFile::ReadProfileString(section, key, defaultText, path), fallback);
}

}  // namespace

void Game::LoadSettings(const std::string& iniPath) {
    GameState& g = state_;
    g.HiScore = ReadField<int32_t>(kScores, "HiScore", 0, iniPath);
    g.MaxKnockOutScore = ReadField<int32_t>(kScores, "MaxKnockOutScore", 0, iniPath);
    g.MaxHits = ReadField<int32_t>(kScores, "MaxHits", 0, iniPath);
    g.InputMode = ReadField<int32_t>(kControls, "InputMode", 0, iniPath);
    g.PunishKeyL = ReadField<int16_t>(kControls, "PunishKeyL", 37, iniPath);
    g.PunishKeyR = ReadField<int16_t>(kControls, "PunishKeyR", 39, iniPath);
}

void Game::SaveSettings(const std::string& iniPath) {
    const GameState& g = state_;
    const std::array<std::string, 6> values = {
        std::to_string(g.HiScore),    std::to_string(g.MaxKnockOutScore),
        std::to_string(g.MaxHits),    std::to_string(g.InputMode),
        std::to_string(g.PunishKeyL), std::to_string(g.PunishKeyR),
    };
    const std::array<ProfileFile::ProfileEdit, 6> edits = {{
        {kScores, "HiScore", values[0]},
        {kScores, "MaxKnockOutScore", values[1]},
        {kScores, "MaxHits", values[2]},
        {kControls, "InputMode", values[3]},
        {kControls, "PunishKeyL", values[4]},
        {kControls, "PunishKeyR", values[5]},
    }};
    // All six in one replace of the file, so a save cut short leaves the
    // whole old file. A failed write is not the player's problem: the old
    // file stays as it was.
    ProfileFile::WriteProfileStrings(iniPath, edits);
}

}  // namespace game
