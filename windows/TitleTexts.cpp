#include "windows/TitleTexts.h"

#include <array>
#include <string_view>
#include <utility>

#include "core/GameState.h"
#include "core/HitsPerSecond.h"
#include "core/Texts.h"
#include "platform/InputCodes.h"

namespace windows::title_texts {
namespace {

using platform::VirtualKey;

constexpr std::string_view kLineBreak = "\r\n";

// Keys that are neither letters nor digits but still make good punch keys.
constexpr std::array<std::pair<int16_t, std::string_view>, 14> kNamedKeys = {{
    {VirtualKey::PageUp, "PgUp"},
    {VirtualKey::PageDown, "PgDown"},
    {VirtualKey::End, "End"},
    {VirtualKey::Home, "Home"},
    {VirtualKey::Left, "←"},
    {VirtualKey::Up, "↑"},
    {VirtualKey::Right, "→"},
    {VirtualKey::Down, "↓"},
    {VirtualKey::Delete, "Delete"},
    {VirtualKey::Multiply, "n*"},
    {VirtualKey::Add, "n+"},
    {VirtualKey::Subtract, "n-"},
    {VirtualKey::Decimal, "n,"},
    {VirtualKey::Divide, "n/"},
}};

}  // namespace

Records ForRecords(int32_t hiScore, int32_t maxKnockOut, int32_t maxHits) {
    using game::texts::Number;
    return Records{
        .hiScore = Number(hiScore, game::texts::kPointsUnit),
        .maxKnockOut = Number(maxKnockOut, game::texts::kPointsUnit),
        .maxHits = Number(maxHits, game::texts::kHitsUnit),
        .hitsPerSecond = Number(game::HitsPerSecond(maxHits), game::texts::kHitsPerSecondUnit),
    };
}

std::string KeyName(int16_t keyCode) {
    // A letter's or a digit's code is its character's.
    if ((keyCode >= VirtualKey::A && keyCode <= VirtualKey::Z) ||
        (keyCode >= VirtualKey::Digit0 && keyCode <= VirtualKey::Digit9)) {
        return std::string(1, static_cast<char>(keyCode));
    }
    if (keyCode >= VirtualKey::Numpad0 && keyCode <= VirtualKey::Numpad9) {
        std::string name = "n";
        name += static_cast<char>('0' + keyCode - VirtualKey::Numpad0);
        return name;
    }
    for (const auto& [code, name] : kNamedKeys) {
        if (code == keyCode) {
            return std::string(name);
        }
    }
    return kNoName;
}

std::string HowToSelectText(int32_t mode) {
    std::string text = "<<メインシーンでの操作>>";
    text += kLineBreak;
    switch (mode) {
        case game::kMouseOnly:
        case game::kMouseAndKeyboard:
            text += "マウスのクリックでフェンドルを選択";
            break;
        case game::kKeyboardOnly:
            text += "ASD";
            text += kLineBreak;
            text += "  ZXC それぞれのキーで選択";
            break;
        default:
            break;
    }
    return text;
}

std::string HowToPunishText(int32_t mode, int16_t punishKeyL, int16_t punishKeyR) {
    std::string text = "<<撲殺シーンでの操作>>";
    text += kLineBreak;
    switch (mode) {
        case game::kMouseOnly:
            text += "左，右クリックを交互に連打";
            break;
        case game::kMouseAndKeyboard:
        case game::kKeyboardOnly:
            text += KeyName(punishKeyL);
            text += " ，";
            text += KeyName(punishKeyR);
            text += " キーを交互に連打";
            break;
        default:
            break;
    }
    return text;
}

}  // namespace windows::title_texts
