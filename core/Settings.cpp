#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "core/Game.h"
#include "files/ProfileFile.h"

namespace game {
namespace {

// A best result is the player's across every copy of the game that ever ran,
// so a save never lowers one; the control settings are this copy's choice.
enum class Kept { kBest, kControl };

struct SettingKey {
    std::string_view section;
    std::string_view key;
    std::variant<int32_t GameState::*, int16_t GameState::*> field;
    Kept kept;
};

constexpr std::string_view kScores = "Scores";
constexpr std::string_view kControls = "Control Settings";

// In the order they are read and written. A key the file lacks, or holds no
// usable value for, takes the value a new GameState starts with.
constexpr std::array<SettingKey, 6> kSettingKeys = {{
    {kScores, "HiScore", &GameState::HiScore, Kept::kBest},
    {kScores, "MaxKnockOutScore", &GameState::MaxKnockOutScore, Kept::kBest},
    {kScores, "MaxHits", &GameState::MaxHits, Kept::kBest},
    {kControls, "InputMode", &GameState::InputMode, Kept::kControl},
    {kControls, "PunishKeyL", &GameState::PunishKeyL, Kept::kControl},
    {kControls, "PunishKeyR", &GameState::PunishKeyR, Kept::kControl},
}};

int64_t Held(const GameState& g, const SettingKey& key) {
    return std::visit([&g](auto field) -> int64_t { return g.*field; }, key.field);
}

// Only ever given a value that fits the field: one read into it, or the
// larger of two such.
void Hold(GameState& g, const SettingKey& key, int64_t value) {
    std::visit(
        [&g, value](auto field) {
            g.*field = static_cast<std::remove_reference_t<decltype(g.*field)>>(value);
        },
        key.field);
}

// Decimal with an optional sign and surrounding blanks. Anything else, or a
// value that does not fit the field, counts as absent, so a damaged settings
// file never keeps the game from starting.
template <typename T>
std::optional<T> Parse(std::string_view text) {
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
        return std::nullopt;
    }
    return static_cast<T>(value);
}

std::optional<int64_t> Stored(const files::Profile& file, const SettingKey& key) {
    const std::optional<std::string> text = file.Value(key.section, key.key);
    if (!text) {
        return std::nullopt;
    }
    return std::visit(
        [&text](auto field) -> std::optional<int64_t> {
            using Field = std::remove_reference_t<decltype(std::declval<GameState&>().*field)>;
            return Parse<Field>(*text);
        },
        key.field);
}

// Under the file's lock: what another copy saved since this one loaded is
// read again, and the higher of each best is written and kept.
bool SaveMerged(GameState& g, const std::string& iniPath) {
    files::ProfileUpdate file(iniPath);
    std::array<int64_t, kSettingKeys.size()> values{};
    std::array<std::string, kSettingKeys.size()> texts;
    std::array<files::ProfileEdit, kSettingKeys.size()> edits;
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
        const SettingKey& key = kSettingKeys[i];
        values[i] = Held(g, key);
        if (key.kept == Kept::kBest) {
            values[i] = std::max(values[i], Stored(file.Current(), key).value_or(values[i]));
        }
        texts[i] = std::to_string(values[i]);
        edits[i] = {key.section, key.key, texts[i]};
    }
    if (!file.Commit(edits)) {
        return false;
    }
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
        Hold(g, kSettingKeys[i], values[i]);
    }
    return true;
}

}  // namespace

// The title window loads after every game. The session's results must
// survive that even when the file could not take them, and another copy's
// better results count as soon as they are on disk.
void Game::LoadSettings(const std::optional<std::string>& iniPath) {
    const files::Profile file = iniPath ? files::ReadProfile(*iniPath) : files::Profile{};
    const GameState defaults;
    for (const SettingKey& key : kSettingKeys) {
        const std::optional<int64_t> stored = Stored(file, key);
        const int64_t held = Held(state_, key);
        if (!settingsLoaded_) {
            Hold(state_, key, stored.value_or(Held(defaults, key)));
        } else if (key.kept == Kept::kBest) {
            Hold(state_, key, std::max(held, stored.value_or(held)));
        } else if (lastSaveWritten_) {
            Hold(state_, key, stored.value_or(held));
        }
    }
    settingsLoaded_ = true;
}

// All six in one replace of the file, so a save cut short leaves the whole
// old file. A failed write is not the player's problem: the old file stays as
// it was and the session keeps its values.
void Game::SaveSettings(const std::optional<std::string>& iniPath) {
    lastSaveWritten_ = iniPath && SaveMerged(state_, *iniPath);
}

}  // namespace game
