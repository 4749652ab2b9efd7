#include "core/GameState.h"
#include "core/Game.h"
#include "platform/CheckedMath.h"

namespace game {

int32_t GetHitCount() {
    return Game().HitCount;
}
int32_t GetMaxHits() {
    return Game().MaxHits;
}
int32_t GetHiScore() {
    return Game().HiScore;
}
int32_t GetPoints() {
    return Game().Points;
}
int32_t GetMaxKnockOutScore() {
    return Game().MaxKnockOutScore;
}
platform::Boolean IsGameOver() {
    return Game().GameOver;
}
platform::Boolean IsTargetGuilty() {
    return Game().TargetGuilty;
}
int32_t GetInputMode() {
    return Game().InputMode;
}
void SetInputMode(int32_t Mode) {
    Game().InputMode = Mode;
}

int32_t GetPunishKey(int32_t Index) {
    switch (Index) {
        case 0:
            return Game().PunishKeyL;
        case 1:
            return Game().PunishKeyR;
        default:
            return 0;
    }
}

void SetPunishKey(int32_t Index, int32_t KeyCode) {
    switch (Index) {
        case 0:
            Game().PunishKeyL = platform::CheckedNarrow<int16_t>(KeyCode);
            break;
        case 1:
            Game().PunishKeyR = platform::CheckedNarrow<int16_t>(KeyCode);
            break;
        default:
            break;
    }
}

int32_t GetPunishKeyL() {
    return Game().PunishKeyL;
}
int32_t GetPunishKeyR() {
    return Game().PunishKeyR;
}

}  // namespace game
