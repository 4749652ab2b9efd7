#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "characters/Fendor.h"
#include "core/GameState.h"
#include "core/Services.h"
#include "graphics/BitmapFile.h"
#include "graphics/Surface.h"

namespace game {

// The running game: its state, the main cycle, the two scenes, the input
// rules, the outcome of a punishment and the settings file. `main` owns one
// and hands it to the windows, which reach the game only through these
// operations and accessors.
//
// Operations pump events while they wait, so input handlers re-enter the
// game from inside them; every operation is written to be re-entered.
class Game {
public:
    // Each hit plays its burst, and the next hit arrives inside it: a person
    // at full speed nests about thirty deep. Past this depth a hit still
    // counts, only its own burst is skipped, so a flood cannot exhaust the stack.
    static constexpr int32_t kMaxNestedBursts = 100;

    explicit Game(Services services);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Main cycle
    void InitGame(graphics::Surface& picMain, graphics::Surface& picFendor,
                  graphics::Surface& picPunch, graphics::Surface& picMirror);
    void GameTick();
    void AdjustFrameDelay(int32_t delta);
    // Clamps the stored stress to 0..kStressMax, not only the value it returns.
    int32_t ClampedStress();
    void ShowGameOver();
    // Sleeps until input arrives or the beating's time is up, instead of spinning.
    void IdleDuringBeating();

    // Selection scene
    void DrawRoster();
    void DrawFendorPart(graphics::Surface& dest, graphics::Surface& source, int32_t part,
                        int32_t twitchPart, int32_t amplitude, int32_t anchorX, int32_t anchorY);
    // Also selects the slot under (x, y) for the next pick (mouse modes, outside a punishment).
    std::string SlotInfoAt(int32_t x, int32_t y);

    // Punishment scene, input and outcome
    void PlayPunch(std::string_view sceneLetter, int32_t durationMs);
    bool DecideInput(int16_t code);
    void EndPunishment();

    // Sheets and settings
    void LoadSheet(graphics::Surface* target, std::string_view sheetName);
    // The first load takes the file as it is. A later one keeps the higher of
    // each best result held and stored, and the stored control settings only
    // when the last save wrote them, so a save that failed loses nothing.
    // Without a path nothing is read or written.
    void LoadSettings(const std::optional<std::string>& iniPath);
    // Writes the control settings and, for each best result, the higher of the
    // one held and the one another copy may have stored meanwhile; the game
    // then holds that higher one too.
    void SaveSettings(const std::optional<std::string>& iniPath);

    // Accessors
    int32_t GetHitCount() const { return state_.HitCount; }
    int32_t GetMaxHits() const { return state_.MaxHits; }
    int32_t GetHiScore() const { return state_.HiScore; }
    int32_t GetPoints() const { return state_.Points; }
    int32_t GetMaxKnockOutScore() const { return state_.MaxKnockOutScore; }
    bool IsGameOver() const { return state_.GameOver; }
    bool IsTargetGuilty() const { return state_.TargetGuilty; }
    int32_t GetInputMode() const { return state_.InputMode; }
    void SetInputMode(int32_t mode) { state_.InputMode = mode; }
    int32_t GetPunishKey(int32_t index) const;
    void SetPunishKey(int32_t index, int32_t keyCode);
    int32_t GetPunishKeyL() const { return state_.PunishKeyL; }
    int32_t GetPunishKeyR() const { return state_.PunishKeyR; }
    const std::string& AppFolder() const { return world_.appFolder; }
    const std::optional<std::string>& SettingsPath() const { return world_.settingsPath; }

    // The whole record: for tests and benchmarks that set up a position directly.
    GameState& State() { return state_; }
    const GameState& State() const { return state_; }

private:
    characters::Fendor& FendorAt(int32_t slot);
    // Back to the selection scene with nothing of the last punishment left.
    void ClearPunishment();
    int32_t Now() const;
    int32_t MsSincePhaseStart() const;
    int32_t RandomUpTo(double n);
    void WaitOutRosterFrame();
    void RaiseStressUnderJudge();
    bool StartPunishment(int16_t code);
    bool IsAcceptedHit(int16_t code) const;
    bool CountHit(int16_t code);
    void SettleBeating();
    void SettleJudgement();

    Services world_;
    GameState state_;
    graphics::BitmapLoader sheets_;
    int32_t burstDepth_ = 0;
    bool settingsLoaded_ = false;
    bool lastSaveWritten_ = false;
};

}  // namespace game
