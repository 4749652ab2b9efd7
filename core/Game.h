#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Services.h"
#include "platform/Boolean.h"
#include "platform/Surface.h"

// The game: its state, the main cycle, the two scenes, the input rules, the
// outcome of a punishment and the settings file. The windows reach the game
// only through these operations and accessors.
namespace game {

void Bind(Services services);

// Main cycle
void InitGame(platform::Surface& picMain, platform::Surface& picFendor,
              platform::Surface& picPunch, platform::Surface& picMirror);
void GameTick();
void AdjustFrameDelay(int32_t Delta);
int32_t ClampedStress();
void ShowGameOver();
// Sleeps until input arrives or the beating's time is up, instead of spinning.
void IdleDuringBeating();

// Selection scene
void DrawRoster();
void DrawFendorPart(platform::Surface& Dest, platform::Surface& Source, int32_t Part,
                    int32_t TwitchPart, int32_t Amplitude, int32_t AnchorX, int32_t AnchorY);
std::string SlotInfoAt(int32_t X, int32_t Y);

// Punishment scene, input and outcome
void PlayPunch(std::string_view SceneLetter, int32_t DurationMs);
platform::Boolean DecideInput(int16_t Code);
void EndPunishment();

// Sheets and settings
void LoadSheet(platform::Surface* Target, std::string_view SheetName);
void LoadSettings(const std::string& IniPath);
void SaveSettings(const std::string& IniPath);

// Accessors
int32_t GetHitCount();
int32_t GetMaxHits();
int32_t GetHiScore();
int32_t GetPoints();
int32_t GetMaxKnockOutScore();
platform::Boolean IsGameOver();
platform::Boolean IsTargetGuilty();
int32_t GetInputMode();
void SetInputMode(int32_t Mode);
int32_t GetPunishKey(int32_t Index);
void SetPunishKey(int32_t Index, int32_t KeyCode);
int32_t GetPunishKeyL();
int32_t GetPunishKeyR();

}  // namespace game
